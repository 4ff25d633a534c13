#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace kirvano::test {

// A 10 ms timer that remembers the longest gap between two of its ticks:
// an event loop that stalls shows as a long gap.
class LoopWatch
{
public:
    LoopWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            m_longestGap = std::max(m_longestGap, m_sinceTick.restart());
            ++m_ticks;
        });
        m_sinceTick.start();
        m_timer.start(10);
    }

    // Includes the time since the last tick, so a loop stalled right now counts too.
    qint64 longestGap() const { return std::max(m_longestGap, m_sinceTick.elapsed()); }
    int ticks() const { return m_ticks; }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longestGap = 0;
    int m_ticks = 0;
};

} // namespace kirvano::test
