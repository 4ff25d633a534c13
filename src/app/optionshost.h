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
    virtual bool saveSettings() = 0;
    // The modal message box of the main window.
    virtual IMessageBox &messageBox() = 0;
};

} // namespace kirvano
