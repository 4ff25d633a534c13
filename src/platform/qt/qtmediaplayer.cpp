#include "qtmediaplayer.h"

#include <QAudioOutput>
#include <QDebug>
#include <QMediaPlayer>
#include <QUrl>

namespace kirvano {

QtMediaPlayer::QtMediaPlayer(QObject *parent)
    : QObject(parent), m_player(new QMediaPlayer(this)), m_output(new QAudioOutput(this))
{
    setObjectName(QStringLiteral("wmp1"));
    m_output->setVolume(Volume / 100.0f);
    m_output->setMuted(false);
    m_player->setAudioOutput(m_output);
    m_player->setLoops(1);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [](QMediaPlayer::Error, const QString &message) { qWarning() << "wmp1:" << message; });
}

QtMediaPlayer::~QtMediaPlayer() = default;

void QtMediaPlayer::setURL(const QString &path)
{
    // play() on the same source does nothing: stop first, then load afresh,
    // which also restarts the same file and silences the old sound when the
    // new one is missing.
    m_player->stop();
    m_player->setSource(QUrl());
    m_player->setSource(QUrl::fromLocalFile(path));
    m_player->play();
}

} // namespace kirvano
