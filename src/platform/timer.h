#pragma once

#include <functional>

namespace kirvano {

// A millisecond timer that ticks on the event thread.
// Setting the interval of a running timer restarts its countdown;
// enabling a stopped timer starts a countdown of one interval.
class ITimer
{
public:
    virtual ~ITimer() = default;

    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    void onTick(std::function<void()> handler) { m_tick = std::move(handler); }

protected:
    void fireTick()
    {
        if (m_tick)
            m_tick();
    }

private:
    std::function<void()> m_tick;
};

} // namespace kirvano
