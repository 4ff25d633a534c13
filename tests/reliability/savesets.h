#pragma once

#include "settings/settings.h"

namespace kirvano::test {

// Two complete sets of settings that differ in every value and in length,
// so a file torn between them, or cut short, cannot pass for either.
inline Settings firstSaveSet()
{
    return {QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("123456"), QStringLiteral("7"),
            QStringLiteral("4826")};
}

inline Settings secondSaveSet()
{
    return {QStringLiteral("1"), QStringLiteral("99"), QStringLiteral("42"), QStringLiteral("1000000"),
            QStringLiteral("pw")};
}

} // namespace kirvano::test
