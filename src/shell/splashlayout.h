#pragma once

#include "makerinfo.h"
#include "twips.h"

#include "version.h"

#include <QString>

#include <array>

namespace kirvano::splashlayout {

// The splash window as drawn, in twips.

inline const QString Caption = QStringLiteral("Logo"); // never seen: there is no title bar
inline const QString PicturePath = QStringLiteral(":/pictures/splash.jpg");
constexpr int ClientWidth = 6345;  // 423 px
constexpr int ClientHeight = 3660; // 244 px

constexpr int Timer1Interval = 2000;

constexpr FontSpec Comic2175Bold{"Comic Sans MS", 21.75, true};
constexpr FontSpec Arial1125Bold{"Arial", 11.25, true};
constexpr FontSpec Arial12Bold{"Arial", 12, true};
constexpr FontSpec Arial975Bold{"Arial", 9.75, true};

enum Flag {
    Plain = 0,
    FitsText = 1, // a label that takes the size of its text on one line
    Centred = 2,
};

// Every control is a label on the photograph, transparent around its
// letters, which take the system's highlight-text colour.
struct ControlSpec
{
    const char *name;
    TwipRect rect;
    QString text;
    FontSpec font;
    int flags;
};

// clang-format off
inline const std::array<ControlSpec, 4> Controls{{
    {"Label1", {480, 960, 2505, 600}, QStringLiteral("Kirvano ® "), Comic2175Bold, FitsText | Centred},
    {"Label2", {3000, 1200, 1155, 270}, QStringLiteral(" vers.:" KIRVANO_VERSION), Arial1125Bold, FitsText | Centred},
    {"Label6", {480, 2400, 3015, 705}, maker::Web + QLatin1Char('\n') + maker::Mail, Arial12Bold, Plain},
    {"Label3", {480, 3120, 4215, 255}, maker::Rights, Arial975Bold, Plain},
}};
// clang-format on

} // namespace kirvano::splashlayout
