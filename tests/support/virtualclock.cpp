#include "virtualclock.h"

#include "faketimer.h"

#include <algorithm>

namespace kirvano::test {

void VirtualClock::remove(FakeTimer *timer)
{
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

FakeTimer *VirtualClock::nextDue(qint64 limit) const
{
    FakeTimer *best = nullptr;
    for (FakeTimer *t : m_timers) {
        if (!t->m_enabled || t->m_inHandler || t->m_deadline > limit)
            continue;
        if (!best || t->m_deadline < best->m_deadline)
            best = t;
    }
    return best;
}

void VirtualClock::advance(qint64 ms)
{
    advanceTo(m_now + ms);
}

void VirtualClock::advanceTo(qint64 time)
{
    runPosted();
    while (FakeTimer *t = nextDue(time)) {
        m_now = std::max(m_now, t->m_deadline);
        t->fire();
        runPosted();
    }
    m_now = std::max(m_now, time);
}

void VirtualClock::runPosted()
{
    while (!m_posted.empty()) {
        auto call = std::move(m_posted.front());
        m_posted.erase(m_posted.begin());
        call();
    }
}

FakeTimer::FakeTimer(VirtualClock &clock, int interval, bool enabled, QString name)
    : m_clock(clock)
    , m_name(std::move(name))
    , m_interval(interval)
{
    m_clock.add(this);
    setEnabled(enabled);
}

FakeTimer::~FakeTimer()
{
    m_clock.remove(this);
}

void FakeTimer::restart()
{
    // A zero interval would fire forever at the same instant.
    m_deadline = m_clock.now() + std::max(m_interval, 1);
    ++m_restarts;
}

void FakeTimer::setInterval(int ms)
{
    m_interval = ms;
    if (m_enabled)
        restart();
}

void FakeTimer::setEnabled(bool enabled)
{
    if (enabled && !m_enabled) {
        m_enabled = true;
        restart();
    } else if (!enabled) {
        m_enabled = false;
    }
}

void FakeTimer::fire()
{
    // The next tick is due one interval after this one unless the handler
    // sets the interval, which restarts the countdown from now.
    m_deadline += std::max(m_interval, 1);
    ++m_ticks;
    m_inHandler = true;
    onTick.fire();
    m_inHandler = false;
    // Ticks that fell due while the handler waited in a nested loop are
    // lost, as with Qt's timers: the timer goes on at its pace, no burst.
    const qint64 step = std::max(m_interval, 1);
    if (m_enabled && m_deadline <= m_clock.now())
        m_deadline += (m_clock.now() - m_deadline) / step * step + step;
}

} // namespace kirvano::test
