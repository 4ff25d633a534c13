#include "alarmplayer.h"

#include <QDeadlineTimer>

#include <algorithm>
#include <bit>

namespace kirvano {

namespace {

constexpr int CursorSlots = 32; // slot 32 belongs to no station and is never read

qint64 systemClock()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadline();
}

} // namespace

AlarmPlayer::AlarmPlayer(SoundQueue &soundQueue, ITimer &playTimer, IMediaPlayer &mediaPlayer, Clock clock)
    : m_soundQueue(soundQueue)
    , m_playTimer(playTimer)
    , m_mediaPlayer(mediaPlayer)
    , m_clock(clock ? std::move(clock) : Clock(systemClock))
{
    for (int slot = 0; slot < CursorSlots; ++slot) {
        if (!m_soundQueue[slot].isEmpty())
            m_filled |= 1u << slot;
    }
    // Restarting the count puts the first tick exactly where the walk expects it.
    m_playTimer.setInterval(EmptySlotInterval);
    m_nextTickAt = m_clock.fire() + EmptySlotInterval;
    m_playTimer.onTick([this] { onTimerTick(); });
    m_soundQueue.onChange([this](int index, const QString &path) { slotChanging(index, path); });
}

AlarmPlayer::~AlarmPlayer()
{
    m_soundQueue.onChange({});
    m_playTimer.onTick({});
}

void AlarmPlayer::onTimerTick()
{
    const qint64 now = m_clock.fire();
    catchUp(now);
    sleepUntilNextSound(now);
}

AlarmPlayer::Walk AlarmPlayer::walkTo(qint64 now) const
{
    if (now < m_nextTickAt)
        return {m_cursor, m_nextTickAt, false};
    // Every tick until the next filled slot is an empty one, 10 ms apart.
    const qint64 dueTicks = (now - m_nextTickAt) / EmptySlotInterval + 1;
    const int toSound = ticksToNextSound();
    const qint64 ticks = toSound > 0 ? std::min<qint64>(dueTicks, toSound) : dueTicks;
    const auto cursor = qint16((m_cursor + ticks) % CursorSlots);
    const qint64 lastTick = m_nextTickAt + (ticks - 1) * EmptySlotInterval;
    const bool reachesSound = ticks == toSound;
    return {cursor, lastTick + (reachesSound ? SoundInterval : EmptySlotInterval), reachesSound};
}

void AlarmPlayer::catchUp(qint64 now)
{
    const Walk walk = walkTo(now);
    m_cursor = walk.cursor;
    m_nextTickAt = walk.nextTickAt;
    if (walk.reachesSound) {
        m_mediaPlayer.play(m_soundQueue[m_cursor]);
        // A late tick starts the sound late and lingers from then on, as a
        // timer whose interval is set at every tick would.
        m_nextTickAt = now + SoundInterval;
    }
}

void AlarmPlayer::slotChanging(int index, const QString &path)
{
    if (index >= CursorSlots)
        return;
    const qint64 now = m_clock.fire();
    catchUp(now); // a tick due by now saw the slot as it was
    if (path.isEmpty())
        m_filled &= ~(1u << index);
    else
        m_filled |= 1u << index;
    sleepUntilNextSound(now);
}

int AlarmPlayer::ticksToNextSound() const
{
    if (m_filled == 0)
        return 0;
    // Slot playPos + 1 comes to bit 0; a cursor on the only filled slot comes back to it after 32 ticks.
    const quint32 ahead = std::rotr(m_filled, (m_cursor + 1) % CursorSlots);
    return std::countr_zero(ahead) + 1;
}

void AlarmPlayer::sleepUntilNextSound(qint64 now)
{
    const int toSound = ticksToNextSound();
    if (toSound == 0) {
        // Nothing to play: no tick at all, parked at its designed interval.
        m_playTimer.setEnabled(false);
        m_playTimer.setInterval(EmptySlotInterval);
        return;
    }
    const qint64 wakeAt = m_nextTickAt + qint64(toSound - 1) * EmptySlotInterval;
    m_playTimer.setInterval(int(wakeAt - now));
    m_playTimer.setEnabled(true);
}

} // namespace kirvano
