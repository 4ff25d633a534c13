#pragma once

#include "twips.h"

#include "settings/optionsrules.h"

#include <QString>

#include <array>

namespace kirvano::optionslayout {

// The options dialog as drawn, in twips.

inline const QString Caption = QStringLiteral("Option");
inline const QString IconPath = QStringLiteral(":/icons/option-16.png");
constexpr int ClientWidth = 4950;  // 330 px
constexpr int ClientHeight = 3015; // 201 px

constexpr FontSpec WindowFont{"MS Sans Serif", 8.25, false};
constexpr FontSpec Inherited{nullptr, 0, false};
constexpr FontSpec Sans975{"MS Sans Serif", 9.75, false};
constexpr FontSpec Sans975Bold{"MS Sans Serif", 9.75, true};
constexpr FontSpec Sans12{"MS Sans Serif", 12, false};
constexpr FontSpec Arial1425{"Arial", 14.25, false};

enum Kind { Frame, Label, TextBox, Button, List };

enum Flag {
    Plain = 0,
    Hidden = 1,
    Disabled = 2,
    FitsText = 4, // a label that grows to its text on one line
    Centred = 8,
    Red = 16,     // text colour 0x0000FF
    Counter = 32, // highlight-text background, single border, right-aligned
    Default = 64, // the button Enter presses
};

struct ControlSpec
{
    const char *name;
    Kind kind;
    const char *container; // nullptr: the dialog's client area
    TwipRect rect;
    const char *text;
    FontSpec font;
    int flags;
};

// Containers come before their controls, and later controls lie above
// earlier ones: the three pages lie on top of each other to the right of
// the list, and the login panel, made last, covers them all.
// clang-format off
constexpr std::array<ControlSpec, 26> Controls{{
    {"lstopt", List, nullptr, {120, 240, 975, 2595}, nullptr, Inherited, Plain},

    {"Frametmp", Frame, nullptr, {1200, 120, 3615, 2775}, "Tempo", Inherited, Hidden},
    {"Label34", Label, "Frametmp", {1440, 240, 510, 240}, "Minuti", Sans975, FitsText},
    {"Label2", Label, "Frametmp", {600, 840, 1095, 255}, "Gruppo A", Sans975Bold, Plain},
    {"TextMin_A", TextBox, "Frametmp", {1920, 720, 735, 375}, "0", Sans12, Centred},
    {"Label4", Label, "Frametmp", {600, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Plain},
    {"TextMin_B", TextBox, "Frametmp", {1920, 1320, 735, 375}, "0", Sans12, Centred},
    {"Lbokmin", Label, "Frametmp", {1560, 1800, 345, 300}, "OK", Sans12, Hidden | FitsText | Centred | Red},
    {"Cmdimp", Button, "Frametmp", {1200, 2160, 1095, 375}, "Imposta", Inherited, Plain},

    {"Framecnt", Frame, nullptr, {1200, 120, 3615, 2775}, "Contatore", Inherited, Hidden},
    {"Label3", Label, "Framecnt", {960, 240, 1650, 240}, "Contatore globlale", Sans975, FitsText},
    {"Label5", Label, "Framecnt", {480, 840, 1095, 255}, "Gruppo A", Sans975Bold, Plain},
    {"Lbcnt_a", Label, "Framecnt", {1920, 720, 1140, 360}, "0", Arial1425, Counter},
    {"Label6", Label, "Framecnt", {480, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Plain},
    {"Lbcnt_b", Label, "Framecnt", {1920, 1320, 1140, 360}, "0", Arial1425, Counter},
    {"Cmdrstcnt", Button, "Framecnt", {1200, 2160, 1095, 375}, "Reset", Inherited, Plain},

    {"Framepass", Frame, nullptr, {1200, 120, 3615, 2775}, "Password", Inherited, Hidden},
    {"Textnewpass", TextBox, "Framepass", {960, 1080, 1575, 315}, "New-Password", Inherited, Centred},
    {"Cmdpass", Button, "Framepass", {960, 1560, 1575, 375}, "Cambia Password", Inherited, Disabled},
    {"lbokpass", Label, "Framepass", {360, 2040, 2850, 240}, "Password salvata consuccesso", Sans975,
     Hidden | FitsText | Red},
    {"Label1", Label, "Framepass", {360, 2400, 2970, 195}, "Ricordati di scrivere e salvare la password", Inherited,
     FitsText},

    {"Framelog", Frame, nullptr, {120, 120, 4695, 2775}, "", Inherited, Plain},
    {"Lblogin", Label, "Framelog", {1320, 360, 1830, 240}, "Immettere Password", Sans975, FitsText},
    {"Textlog", TextBox, "Framelog", {1320, 960, 1815, 375}, "Insert password", Inherited, Centred},
    {"Lbkopass", Label, "Framelog", {1440, 1560, 1560, 240}, "Password errata !", Sans975,
     Hidden | FitsText | Centred | Red},
    {"Cmdlog", Button, "Framelog", {1320, 1920, 1815, 375}, "LogIn", Inherited, Default},
}};
// clang-format on

constexpr std::array<const char *, 3> PageItems{"Tempo", "Contatore", "Password"};

// By tab index; labels and frames take no focus.
constexpr std::array<const char *, 9> TabOrder{"lstopt",  "Textnewpass", "Cmdpass",   "Cmdrstcnt", "Cmdimp",
                                               "Textlog", "Cmdlog",      "TextMin_A", "TextMin_B"};

// Characters that can be typed into the text boxes.
constexpr int PasswordLimit = PasswordMaxLength;
constexpr int MinutesLimit = 2;

} // namespace kirvano::optionslayout
