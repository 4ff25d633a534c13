#pragma once

#include "platform/window.h"

namespace kirvano {

class MainController;
class OptionsHost;

// Creates the secondary windows, each when it is first opened. The windows
// go away by themselves once their close request has been accepted.
class WindowFactory
{
public:
    virtual ~WindowFactory() = default;

    // The splash, created enabled and not yet shown; its own 2000 ms timer is
    // already running and calls main.splashTimer1_Timer() when it fires.
    virtual IWindow *createSplash(MainController &main) = 0;
    // The options dialog, hidden and disabled. Every show fills it from the
    // host's settings first, and without a password skips its login.
    virtual IWindow *createOptions(OptionsHost &host) = 0;
    // The about window, hidden and disabled.
    virtual IWindow *createAbout(MainController &main) = 0;
};

} // namespace kirvano
