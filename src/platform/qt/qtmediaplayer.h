#pragma once

#include "platform/mediaplayer.h"

#include <QObject>

class QThread;

namespace kirvano {

class SoundWorker;

// The alarm's player on Qt Multimedia: each assignment stops what is
// playing and plays the named file once from its start, at volume 82 of
// 100, through the desktop's sound server. A missing or unplayable file, or
// no sound server, is silent; errors go to the log only.
//
// The player lives in a thread of its own, so an assignment never waits for
// the sound system. Should that thread ever hang there, it costs the
// alarm's sound, not the stations' timers: a player stuck for seconds is
// left behind and a new one takes over at the next assignment.
class QtMediaPlayer : public QObject, public IMediaPlayer
{
    Q_OBJECT
public:
    static constexpr int Volume = 82;
    // How long one assignment may take before the player counts as stuck.
    static constexpr int StuckAfterMs = 3000;

    explicit QtMediaPlayer(QObject *parent = nullptr);
    ~QtMediaPlayer() override;

    // Returns at once; the sound starts in the player's thread.
    void play(const QString &path) override;

    // The current player and the volume it plays at; read them only for checks.
    QObject *worker() const;
    float volume() const;
    // How many stuck players were left behind.
    int abandonedPlayers() const { return m_abandoned; }

private:
    void startWorker();
    void abandonWorker();

    QThread *m_thread = nullptr;
    SoundWorker *m_worker = nullptr;
    int m_abandoned = 0;
};

} // namespace kirvano
