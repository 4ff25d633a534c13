#include "qtmediaplayer.h"

#include <QAudioOutput>
#include <QDebug>
#include <QMediaPlayer>
#include <QUrl>

namespace kirvano {

namespace {

QAudioOutput *createOutput(QObject *parent)
{
    // Qt 6.4's FFmpeg backend crashes without a sound server and hangs at
    // exit when the server dies. The backend is chosen once, when the first
    // player or output of the process is made.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
    return new QAudioOutput(parent);
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : QObject(parent), m_output(createOutput(this))
{
    setObjectName(QStringLiteral("wmp1"));
    // Qt's volume is linear: 0.82 gives 82 % of the file's amplitude.
    m_output->setVolume(Volume / 100.0f);
    m_output->setMuted(false);
    createPlayer();
}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::createPlayer()
{
    m_player = new QMediaPlayer(this);
    m_player->setAudioOutput(m_output);
    m_player->setLoops(1);
    QMediaPlayer *player = m_player;
    connect(player, &QMediaPlayer::errorOccurred, this, [player](QMediaPlayer::Error, const QString &message) {
        qWarning().noquote() << "wmp1:" << player->source().toLocalFile() << message;
    });
}

void QtMediaPlayer::setURL(const QString &path)
{
    // A player whose file failed to load waits a second for its pipeline on
    // the next stop or load, holding up the event loop: start afresh instead.
    // Nothing of it is playing.
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
}

} // namespace kirvano
