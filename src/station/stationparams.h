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
    QString stopQuestion;   // "Stop Timer7?"
    QString soundFileName;  // "\suoni_timer\7.wav"

    int soundSlot() const { return number - 1; }
};

// The parameters of stations 1..32, in station order.
const std::vector<StationParams> &stationTable();

} // namespace kirvano
