#pragma once

#include "platform/mediaplayer.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QThread;

namespace kirvano {

class PulseOutput;
class SoundWorker;

// The alarm's player: each assignment stops what is playing and plays the
// named file once from its start, at volume 82 of 100, on the desktop's
// sound server (PulseAudio or PipeWire), on its default output. A missing
// or unplayable file, or no sound server, is silent; errors go to the log
// only. A sound server that goes away and comes back is found again.
//
// The files are read in a thread of its own, so an assignment never waits
// for the disk or the sound system. Should that thread ever hang, it costs
// the alarm's sound, not the stations' timers: a player stuck for seconds
// is left behind and a new one takes over at the next assignment; one left
// behind at a time, ended as soon as it comes free.
class QtMediaPlayer : public QObject, public IMediaPlayer
{
    Q_OBJECT
public:
    static constexpr int Volume = 82;
    // How long one assignment may take before the player counts as stuck.
    static constexpr int StuckAfterMs = 3000;

    explicit QtMediaPlayer(QObject *parent = nullptr);
    // Stops the sound and joins every thread the player started.
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

    std::shared_ptr<PulseOutput> m_output;
    QThread *m_thread = nullptr;
    SoundWorker *m_worker = nullptr;
    QPointer<QThread> m_leftBehind;
    int m_abandoned = 0;
};

} // namespace kirvano
