#pragma once

#include "settings/settings.h"

#include "platform/messagebox.h"

namespace kirvano {

// What the options dialog uses of the main window.
class OptionsHost
{
public:
    virtual ~OptionsHost() = default;

    // The five settings, read and assigned directly.
    virtual Settings &settings() = 0;
    // Writes both files; a failure has already been reported to the operator.
    virtual bool SaveSetting() = 0;
    // The modal message box of the main window.
    virtual IMessageBox &messageBox() = 0;
    // Switches the main window's input on and off; its timers keep running.
    virtual void setMainEnabled(bool enabled) = 0;
    // The dialog has closed and is about to go away.
    virtual void optionsClosed() = 0;
};

} // namespace kirvano
