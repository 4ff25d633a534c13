#include "soundworker.h"

#include <QAudioOutput>
#include <QDebug>
#include <QMediaPlayer>
#include <QUrl>

namespace kirvano {

SoundWorker::SoundWorker()
{
    m_clock.start();
}

void SoundWorker::init(float volume)
{
    m_output = new QAudioOutput(this);
    // Qt's volume is linear: 0.82 gives 82 % of the file's amplitude.
    m_output->setVolume(volume);
    m_output->setMuted(false);
    createPlayer();
}

void SoundWorker::requested()
{
    qint64 idle = -1;
    m_busySince.compare_exchange_strong(idle, m_clock.elapsed());
}

qint64 SoundWorker::busyFor() const
{
    const qint64 since = m_busySince.load();
    return since < 0 ? 0 : m_clock.elapsed() - since;
}

void SoundWorker::createPlayer()
{
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    m_player->setLoops(1);
    QMediaPlayer *player = m_player;
    connect(player, &QMediaPlayer::errorOccurred, this, [player](QMediaPlayer::Error, const QString &message) {
        qWarning().noquote() << "wmp1:" << player->source().toLocalFile() << message;
    });
}

void SoundWorker::play(const QString &path)
{
    // A player whose file failed to load waits a second for its pipeline on
    // the next stop or load: start afresh instead. Nothing of it is playing.
    if (m_player->error() != QMediaPlayer::NoError) {
        delete m_player;
        createPlayer();
    }
    // play() on the same source does nothing, and stop() before it does not
    // reliably rewind: unload and load afresh, which also restarts the same
    // file and silences the old sound when the new one is missing.
    m_player->stop();
    m_player->setSource(QUrl());
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
    m_busySince = -1;
}

} // namespace kirvano
