#include "qttimer.h"

namespace kirvano {

QtTimer::QtTimer(const QString &name, int interval, bool enabled, QObject *parent) : QObject(parent)
{
    setObjectName(name);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, [this] { onTick.fire(); });
    if (enabled)
        m_timer.start();
}

void QtTimer::setInterval(int ms)
{
    // QTimer::setInterval restarts an active timer's countdown; make that
    // explicit, since the stations and the player rely on it.
    m_timer.setInterval(ms);
    if (m_timer.isActive())
        m_timer.start();
}

void QtTimer::setEnabled(bool enabled)
{
    if (enabled && !m_timer.isActive())
        m_timer.start();
    else if (!enabled)
        m_timer.stop();
}

} // namespace kirvano
