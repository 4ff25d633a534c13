#pragma once

#include "alarm/alarmplayer.h"

namespace kirvano::test {

// The sweep as first written: Timerplay ticks every 10 ms through the
// empty slots and reads one slot a tick. The reference the sleeping player
// is held to.
class PollingReference
{
public:
    PollingReference(const SoundQueue &soundQueue, ITimer &playTimer, IMediaPlayer &mediaPlayer)
        : m_soundQueue(soundQueue)
        , m_playTimer(playTimer)
        , m_mediaPlayer(mediaPlayer)
    {
        m_playTimer.onTick([this] { tick(); });
    }

    qint16 cursor() const { return m_cursor; }

private:
    void tick()
    {
        ++m_cursor;
        if (m_cursor > 31)
            m_cursor = 0;
        const QString &slot = m_soundQueue[m_cursor];
        if (!slot.isEmpty()) {
            m_mediaPlayer.play(slot);
            m_playTimer.setInterval(SoundInterval);
        } else {
            m_playTimer.setInterval(EmptySlotInterval);
        }
    }

    const SoundQueue &m_soundQueue;
    ITimer &m_playTimer;
    IMediaPlayer &m_mediaPlayer;
    qint16 m_cursor = 0;
};

} // namespace kirvano::test
