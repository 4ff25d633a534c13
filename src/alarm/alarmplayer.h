#pragma once

#include "alarm/soundqueue.h"

#include "platform/mediaplayer.h"
#include "platform/timer.h"

#include <QtGlobal>

namespace kirvano {

constexpr int EmptySlotInterval = 10;
constexpr int SoundInterval = 5000;

// Walks the sound queue slot by slot: on a filled slot it starts that
// station's sound and lingers five seconds, on an empty one it moves on
// after ten milliseconds. The queue is its only input.
//
// The cursor's walk is a function of time, so Timerplay does not tick
// through empty slots: it sleeps until the tick that reaches the next
// filled slot, and not at all while every slot is empty. The queue tells
// the player of each change, and the player works out where the cursor has
// got to on the clock that Timerplay counts on.
class AlarmPlayer
{
public:
    // Milliseconds on a monotonic clock; the system's when none is given.
    using Clock = Callback<qint64()>;

    // Timerplay comes running at 10 ms, as the main window creates it.
    AlarmPlayer(SoundQueue &soundQueue, ITimer &playTimer, IMediaPlayer &mediaPlayer, Clock clock = {});
    ~AlarmPlayer();
    AlarmPlayer(const AlarmPlayer &) = delete;
    AlarmPlayer &operator=(const AlarmPlayer &) = delete;

    void onTimerTick();

    // Where the cursor is now, and when its next tick is due.
    qint16 cursor() const { return walkTo(m_clock.fire()).cursor; }
    qint64 nextTickAt() const { return walkTo(m_clock.fire()).nextTickAt; }

private:
    struct Walk
    {
        qint16 cursor;
        qint64 nextTickAt;
        bool reachesSound; // its last tick lands on a filled slot
    };

    Walk walkTo(qint64 now) const;
    void catchUp(qint64 now);
    void slotChanging(int index, const QString &path);
    void sleepUntilNextSound(qint64 now);
    // Ticks from the cursor to the next filled slot, 1..32; 0 when none is filled.
    int ticksToNextSound() const;

    SoundQueue &m_soundQueue;
    ITimer &m_playTimer;
    IMediaPlayer &m_mediaPlayer;
    Clock m_clock;
    qint16 m_cursor = 0;
    qint64 m_nextTickAt = 0; // when the cursor leaves m_playPos
    quint32 m_filled = 0;    // bit N: slot N holds a path
};

} // namespace kirvano
