#pragma once

#include "callback.h"

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

    // The tick, on the event thread.
    Callback<void()> onTick;
};

} // namespace kirvano
