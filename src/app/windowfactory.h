#pragma once

#include "platform/callback.h"
#include "platform/window.h"

namespace kirvano {

class OptionsHost;

// The splash's own timer: it hands over to the main window this long after
// the splash was made.
constexpr int SplashInterval = 2000;

// Creates the secondary windows, each when it is first opened. The windows
// go away by themselves once their close request has been accepted.
class WindowFactory
{
public:
    virtual ~WindowFactory() = default;

    // The splash, created enabled and not yet shown; its own timer is
    // already running and raises `handOff` when it fires.
    virtual IWindow *createSplash(Callback<void()> handOff) = 0;
    // The options dialog, hidden and disabled. Every show fills it from the
    // host's settings first, and without a password skips its login.
    virtual IWindow *createOptions(OptionsHost &host) = 0;
    // The about window, hidden and disabled.
    virtual IWindow *createAbout() = 0;
};

} // namespace kirvano
