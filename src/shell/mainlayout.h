#pragma once

#include "twips.h"

#include "platform/shape.h"
#include "version.h"

#include <QString>

#include <array>

namespace kirvano::mainlayout {

// The main window as drawn, in twips.

inline const QString Caption = QStringLiteral("Kirvano  v. " KIRVANO_VERSION "  by Marbolin");
constexpr int ClientWidth = 12390; // 826 px
constexpr int ClientHeight = 6615; // 441 px

constexpr FontSpec WindowFont{"MS Sans Serif", 8.25, true};
constexpr FontSpec LabelFont{"Arial", 9.75, true}; // the station names
constexpr FontSpec StartFont{"Arial", 8.25, true}; // START, until a sale sets the caption's own

struct FrameSpec
{
    const char *name;
    const char *caption;
    TwipRect rect;
};

// One frame per group, the second overlapping the first's bottom edge by one pixel row.
// clang-format off
constexpr std::array<FrameSpec, 2> Frames{{
    {"FraTimer1", "Gruppo A", {120, 0, 12135, 3255}},
    {"FraTimer2", "Gruppo B", {120, 3240, 12135, 3255}},
}};
// clang-format on

struct BandSpec
{
    const char *name;
    int frame; // index into Frames
    TwipRect rect;
};

// The navy band under each row of eight tiles.
constexpr Colour BandColour = 0x800000;
// clang-format off
constexpr std::array<BandSpec, 4> Bands{{
    {"Shape1", 0, {360, 480, 11415, 1215}},
    {"Shape2", 0, {360, 1920, 11415, 1215}},
    {"Shape3", 1, {360, 480, 11415, 1215}},
    {"Shape4", 1, {360, 1920, 11415, 1215}},
}};
// clang-format on

// A station tile: two rows of eight per frame, one inch apart.
struct TileSpec
{
    int frame; // index into Frames
    TwipRect label;
    TwipRect led;
    TwipRect button;
};

constexpr TileSpec tile(int station)
{
    const int k = (station - 1) % 16;
    const int x = 1440 * (k % 8);
    const int y = 1440 * (k / 8);
    return TileSpec{
        station <= 16 ? 0 : 1,
        {600 + x, 240 + y, station <= 9 ? 825 : 870, 240},
        {480 + x, 600 + y, 1095, 975},
        {600 + x, 720 + y, 855, 735},
    };
}

// Designed intervals of the station timers; the stations set their own
// before they ever start them.
constexpr int designedStationInterval(int station)
{
    return station == 1 ? 3000 : station <= 4 ? 6000 : 60000;
}

constexpr int TimerlogoInterval = 5000;
constexpr int TimerplayInterval = 10;

} // namespace kirvano::mainlayout
