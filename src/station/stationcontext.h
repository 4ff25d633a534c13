#pragma once

#include "alarm/soundqueue.h"
#include "settings/settings.h"

#include "platform/callback.h"

#include <QLocale>
#include <QString>

namespace kirvano {

class IMessageBox;

// What the stations share, all owned by the main window.
struct StationContext
{
    Settings &settings;
    SoundQueue &soundQueue;
    IMessageBox &messageBox;
    QString appFolder;                  // the program's folder, no trailing separator
    QLocale locale = QLocale::system(); // numbers are read and written in this format
    Callback<void()> onCountersChanged; // a run has added its units to a counter
};

} // namespace kirvano
