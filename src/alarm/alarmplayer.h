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
class AlarmPlayer
{
public:
    AlarmPlayer(const SoundQueue &soundQueue, ITimer &Timerplay, IMediaPlayer &wmp1);

    void Timerplay_Timer();

    qint16 playPos() const { return m_playPos; }

private:
    const SoundQueue &m_soundQueue;
    ITimer &m_Timerplay;
    IMediaPlayer &m_wmp1;
    qint16 m_playPos = 0;
};

} // namespace kirvano
