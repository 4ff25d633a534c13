#include "alarmplayer.h"

namespace kirvano {

AlarmPlayer::AlarmPlayer(const SoundQueue &soundQueue, ITimer &Timerplay, IMediaPlayer &wmp1)
    : m_soundQueue(soundQueue), m_Timerplay(Timerplay), m_wmp1(wmp1)
{
    m_Timerplay.onTick([this] { Timerplay_Timer(); });
}

void AlarmPlayer::Timerplay_Timer()
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

} // namespace kirvano
