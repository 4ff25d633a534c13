#pragma once

#include "layouttable.h"
#include "makerinfo.h"

#include "version.h"

#include <QString>

#include <array>

namespace kirvano::splashlayout {

// The splash window as drawn, in twips.

inline const QString Caption = QStringLiteral("Logo"); // never seen: there is no title bar
inline const QString PicturePath = QStringLiteral(":/pictures/splash.jpg");
constexpr int ClientWidth = 6345;  // 423 px
constexpr int ClientHeight = 3660; // 244 px

constexpr FontSpec Comic2175Bold{"Comic Sans MS", 21.75, true};
constexpr FontSpec Arial1125Bold{"Arial", 11.25, true};
constexpr FontSpec Arial12Bold{"Arial", 12, true};
constexpr FontSpec Arial975Bold{"Arial", 9.75, true};

using enum ControlKind;

// Every control is a label on the photograph.
// clang-format off
inline const std::array<ControlSpec, 4> Controls{{
    {"Label1", Label, NoContainer, {480, 960, 2505, 600}, QStringLiteral("Kirvano ® "), Comic2175Bold,
     OnPicture | TakesTextSize | Centred},
    {"Label2", Label, NoContainer, {3000, 1200, 1155, 270}, QStringLiteral(" vers.:" KIRVANO_VERSION), Arial1125Bold,
     OnPicture | TakesTextSize | Centred},
    {"Label6", Label, NoContainer, {480, 2400, 3015, 705}, maker::Web + QLatin1Char('\n') + maker::Mail, Arial12Bold,
     OnPicture},
    {"Label3", Label, NoContainer, {480, 3120, 4215, 255}, maker::Rights, Arial975Bold, OnPicture},
}};
// clang-format on

} // namespace kirvano::splashlayout
