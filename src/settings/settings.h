#pragma once

#include <QString>

namespace kirvano {

enum class Group { A, B };

// The whole persistent state: five texts, in the order of the settings file.
// They are held as text and read as numbers only where arithmetic needs them.
struct Settings
{
    QString minutesA;
    QString minutesB;
    QString counterA;
    QString counterB;
    QString password;

    static Settings defaults()
    {
        return {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                QStringLiteral("4826")};
    }

    QString &minutes(Group g) { return g == Group::A ? minutesA : minutesB; }
    const QString &minutes(Group g) const { return g == Group::A ? minutesA : minutesB; }
    QString &counter(Group g) { return g == Group::A ? counterA : counterB; }
    const QString &counter(Group g) const { return g == Group::A ? counterA : counterB; }

    friend bool operator==(const Settings &, const Settings &) = default;
};

} // namespace kirvano
