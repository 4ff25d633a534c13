#pragma once

#include "callback.h"

namespace kirvano {

// A top-level window. A disabled window takes no operator input (its close
// box included), but its timers keep running. close() raises the window's
// close request; the request handler may cancel it by returning false. A
// closed window's timers stop at once.
class IWindow
{
public:
    virtual ~IWindow() = default;

    virtual void show() = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void close() = 0;

    // Called on every close request; returns whether the window may close.
    Callback<bool()> onCloseRequest{true};
};

} // namespace kirvano
