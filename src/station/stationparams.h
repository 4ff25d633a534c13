#pragma once

#include "settings/settings.h"

#include <QString>

#include <vector>

namespace kirvano {

constexpr int StationCount = 32;

// What tells one station apart from the others.
struct StationParams
{
    int number = 1;         // 1..32
    Group group = Group::A; // A for 1-16, B for 17-32
    QString labelName;      // object name of the name label
    QString labelText;      // "TIMER  7", "TIMER 27"
    QString stopQuestion;   // "Stop Timer7?"
    QString soundFileName;  // "\suoni_timer\7.wav"
    bool hasTooltip = true; // the last START of each row has none

    int soundSlot() const { return number - 1; }
    QString startName() const { return QStringLiteral("CmdStart%1").arg(number); }
    QString ledName() const { return QStringLiteral("Led%1").arg(number); }
    QString timerName() const { return QStringLiteral("Timer%1").arg(number); }
};

// The parameters of stations 1..32, in station order.
const std::vector<StationParams> &stationTable();

} // namespace kirvano
