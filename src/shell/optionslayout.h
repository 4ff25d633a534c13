#pragma once

#include "layouttable.h"

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
constexpr FontSpec Sans975{"MS Sans Serif", 9.75, false};
constexpr FontSpec Sans975Bold{"MS Sans Serif", 9.75, true};
constexpr FontSpec Sans12{"MS Sans Serif", 12, false};
constexpr FontSpec Arial1425{"Arial", 14.25, false};

// The rows of the table, in its order.
enum Row {
    PageList,
    TempoPage,
    MinutesTitle,
    GroupATitle,
    MinutesA,
    GroupBTitle,
    MinutesB,
    MinutesSaved,
    SetMinutes,
    CounterPage,
    CounterTitle,
    CounterATitle,
    CounterA,
    CounterBTitle,
    CounterB,
    ResetCounters,
    PasswordPage,
    NewPassword,
    ChangePassword,
    PasswordSaved,
    PasswordReminder,
    LoginPanel,
    LoginTitle,
    LoginBox,
    WrongPassword,
    LogIn,
    RowCount
};

using enum ControlKind;

// The three pages lie on top of each other to the right of the list, and
// the login panel, made last, covers them all.
// clang-format off
inline const std::array<ControlSpec, RowCount> Controls{{
    {"lstopt", List, NoContainer, {120, 240, 975, 2595}, "Tempo\nContatore\nPassword", Inherited, Plain},

    {"Frametmp", Frame, NoContainer, {1200, 120, 3615, 2775}, "Tempo", Inherited, Hidden | Opaque},
    {"Label34", Label, TempoPage, {1440, 240, 510, 240}, "Minuti", Sans975, FitsText},
    {"Label2", Label, TempoPage, {600, 840, 1095, 255}, "Gruppo A", Sans975Bold, Wraps},
    {"TextMin_A", TextBox, TempoPage, {1920, 720, 735, 375}, "0", Sans12, Centred},
    {"Label4", Label, TempoPage, {600, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Wraps},
    {"TextMin_B", TextBox, TempoPage, {1920, 1320, 735, 375}, "0", Sans12, Centred},
    {"Lbokmin", Label, TempoPage, {1560, 1800, 345, 300}, "OK", Sans12, Hidden | FitsText | Centred | Red},
    {"Cmdimp", Button, TempoPage, {1200, 2160, 1095, 375}, "Imposta", Inherited, Plain},

    {"Framecnt", Frame, NoContainer, {1200, 120, 3615, 2775}, "Contatore", Inherited, Hidden | Opaque},
    {"Label3", Label, CounterPage, {960, 240, 1650, 240}, "Contatore globlale", Sans975, FitsText},
    {"Label5", Label, CounterPage, {480, 840, 1095, 255}, "Gruppo A", Sans975Bold, Wraps},
    {"Lbcnt_a", Label, CounterPage, {1920, 720, 1140, 360}, "0", Arial1425, Counter | Wraps},
    {"Label6", Label, CounterPage, {480, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Wraps},
    {"Lbcnt_b", Label, CounterPage, {1920, 1320, 1140, 360}, "0", Arial1425, Counter | Wraps},
    {"Cmdrstcnt", Button, CounterPage, {1200, 2160, 1095, 375}, "Reset", Inherited, Plain},

    {"Framepass", Frame, NoContainer, {1200, 120, 3615, 2775}, "Password", Inherited, Hidden | Opaque},
    {"Textnewpass", TextBox, PasswordPage, {960, 1080, 1575, 315}, "New-Password", Inherited, Centred},
    {"Cmdpass", Button, PasswordPage, {960, 1560, 1575, 375}, "Cambia Password", Inherited, Disabled},
    {"lbokpass", Label, PasswordPage, {360, 2040, 2850, 240}, "Password salvata consuccesso", Sans975,
     Hidden | FitsText | Red},
    {"Label1", Label, PasswordPage, {360, 2400, 2970, 195}, "Ricordati di scrivere e salvare la password", Inherited,
     FitsText},

    {"Framelog", Frame, NoContainer, {120, 120, 4695, 2775}, "", Inherited, Opaque},
    {"Lblogin", Label, LoginPanel, {1320, 360, 1830, 240}, "Immettere Password", Sans975, FitsText},
    {"Textlog", TextBox, LoginPanel, {1320, 960, 1815, 375}, "Insert password", Inherited, Centred},
    {"Lbkopass", Label, LoginPanel, {1440, 1560, 1560, 240}, "Password errata !", Sans975,
     Hidden | FitsText | Centred | Red},
    {"Cmdlog", Button, LoginPanel, {1320, 1920, 1815, 375}, "LogIn", Inherited, Default},
}};
// clang-format on

// Labels and frames take no focus.
constexpr std::array<int, 9> TabOrder{PageList, NewPassword, ChangePassword, ResetCounters, SetMinutes,
                                      LoginBox, LogIn,       MinutesA,       MinutesB};

// Characters that can be typed into the text boxes.
constexpr int PasswordLimit = PasswordMaxLength;
constexpr int MinutesLimit = 2;

} // namespace kirvano::optionslayout
