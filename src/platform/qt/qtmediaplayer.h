#pragma once

#include "platform/mediaplayer.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

namespace kirvano {

// The alarm's player on Qt Multimedia (its GStreamer backend): each
// assignment stops what is playing and plays the named file once from its
// start, at volume 82 of 100. A missing or unplayable file, or no sound
// server, is silent; errors go to the log only.
class QtMediaPlayer : public QObject, public IMediaPlayer
{
    Q_OBJECT
public:
    static constexpr int Volume = 82;

    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    void setURL(const QString &path) override;

    QAudioOutput *audioOutput() const { return m_output; }

private:
    void createPlayer();

    QAudioOutput *m_output;
    QMediaPlayer *m_player = nullptr;
};

} // namespace kirvano
