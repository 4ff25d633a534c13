#pragma once

#include <QString>

namespace kirvano {

enum class Group { A, B };

// The whole persistent state: five texts, in the order of the settings file.
// They are held as text and read as numbers only where arithmetic needs them.
struct Settings
{
    QString strMin_a;
    QString strMin_b;
    QString strCnt_a;
    QString StrCnt_b;
    QString strPass;

    static Settings defaults()
    {
        return {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                QStringLiteral("4826")};
    }

    QString &minutes(Group g) { return g == Group::A ? strMin_a : strMin_b; }
    const QString &minutes(Group g) const { return g == Group::A ? strMin_a : strMin_b; }
    QString &counter(Group g) { return g == Group::A ? strCnt_a : StrCnt_b; }
    const QString &counter(Group g) const { return g == Group::A ? strCnt_a : StrCnt_b; }

    friend bool operator==(const Settings &, const Settings &) = default;
};

} // namespace kirvano
