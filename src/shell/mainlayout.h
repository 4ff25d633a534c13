#pragma once

#include "layouttable.h"

#include "station/stationparams.h"
#include "version.h"

#include <QString>

#include <array>
#include <vector>

namespace kirvano::mainlayout {

// The main window as drawn, in twips.

inline const QString Caption = QStringLiteral("Kirvano  v. " KIRVANO_VERSION "  by Marbolin");
constexpr int ClientWidth = 12390; // 826 px
constexpr int ClientHeight = 6615; // 441 px

constexpr FontSpec WindowFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec LabelFont{"Arial", 9.75, true}; // the station names
constexpr FontSpec StartFont{"Arial", 8.25, true}; // START, until a sale sets the caption's own

// The board as a layout table: the frames, the bands and the 32 tiles, in
// the order they are stacked, the START buttons on top of everything.
struct BoardTable
{
    std::vector<ControlSpec> controls;
    std::vector<int> tabOrder; // the START buttons, station by station
    // The rows of each station's controls, by station number - 1.
    std::array<int, StationCount> labels;
    std::array<int, StationCount> leds;
    std::array<int, StationCount> buttons;
};

const BoardTable &boardTable();

// The names of the timers that are not widgets.
QString stationTimerName(int station);
inline const QString PlayTimerName = QStringLiteral("Timerplay");
inline const QString HandOffTimerName = QStringLiteral("Timerlogo");

} // namespace kirvano::mainlayout
