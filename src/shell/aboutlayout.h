#pragma once

#include "layouttable.h"
#include "makerinfo.h"

#include "version.h"

#include <QString>

#include <array>

namespace kirvano::aboutlayout {

// The about window as drawn, in twips.

inline const QString Caption = QStringLiteral("About Kirvano");
inline const QString PicturePath = QStringLiteral(":/pictures/about-logo.bmp");
constexpr int ClientWidth = 5595;  // 373 px
constexpr int ClientHeight = 3765; // 251 px

constexpr FontSpec WindowFont{"MS Sans Serif", 8.25, false};

// Runs of spaces long enough push the next words onto a line of their own.
inline QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}
constexpr int LineBreak = 60;

inline const QString Description =
    QStringLiteral("Kirvano,software per gestione playground, parchi e attrazioni a tempo.") + spaces(28)
    + QStringLiteral("Version: " KIRVANO_VERSION) + spaces(14);

inline const QString Credits = QStringLiteral("Programma ideato e sviluppato da:") + spaces(LineBreak)
                               + QStringLiteral("Marbolin") + spaces(LineBreak) + QStringLiteral("Distribuito da:")
                               + spaces(LineBreak) + QStringLiteral("Marbolin - Italia");

using enum ControlKind;

// No label fits its text: each breaks it into lines within its box.
// clang-format off
inline const std::array<ControlSpec, 5> Controls{{
    {"Image1", Picture, NoContainer, {120, 120, 2010, 3435}, PicturePath, Inherited, Stretched},
    {"Label1", Label, NoContainer, {2280, 120, 3135, 615}, Description, Inherited, Wraps | Opaque},
    {"Label2", Label, NoContainer, {2280, 840, 3135, 975}, Credits, Inherited, Wraps | Opaque},
    {"Label4", Label, NoContainer, {2280, 2040, 3135, 435}, maker::Web + QLatin1Char('\n') + maker::Mail, Inherited,
     Wraps | Opaque},
    {"Label3", Label, NoContainer, {2280, 3480, 3255, 255}, maker::Rights, Inherited, Wraps | Opaque},
}};
// clang-format on

} // namespace kirvano::aboutlayout
