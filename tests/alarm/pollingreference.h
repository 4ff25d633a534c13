#pragma once

#include "alarm/alarmplayer.h"

namespace kirvano::test {

// The sweep as first written: Timerplay ticks every 10 ms through the
// empty slots and reads one slot a tick. The reference the sleeping player
// is held to.
class PollingReference
{
public:
    PollingReference(const SoundQueue &soundQueue, ITimer &Timerplay, IMediaPlayer &wmp1)
        : m_soundQueue(soundQueue)
        , m_Timerplay(Timerplay)
        , m_wmp1(wmp1)
    {
        m_Timerplay.onTick([this] { tick(); });
    }

    qint16 playPos() const { return m_playPos; }

private:
    void tick()
    {
        ++m_playPos;
        if (m_playPos > 31)
            m_playPos = 0;
        const QString &slot = m_soundQueue[m_playPos];
        if (!slot.isEmpty()) {
            m_wmp1.setURL(slot);
            m_Timerplay.setInterval(SoundInterval);
        } else {
            m_Timerplay.setInterval(EmptySlotInterval);
        }
    }

    const SoundQueue &m_soundQueue;
    ITimer &m_Timerplay;
    IMediaPlayer &m_wmp1;
    qint16 m_playPos = 0;
};

} // namespace kirvano::test
