#include "optionsrules.h"

#include "numbertext.h"
#include "settingsstore.h"

namespace kirvano {

bool needsLogin(const Settings &settings)
{
    return !settings.password.isEmpty();
}

bool passwordMatches(const Settings &settings, const QString &typed)
{
    return typed == settings.password;
}

QString minutesFromText(const QString &typed)
{
    const double value = leadingNumber(typed);
    return value < 1 ? QStringLiteral("1") : numberToText(value, QLocale::c());
}

void resetCounters(Settings &settings)
{
    settings.counterA = QStringLiteral("0");
    settings.counterB = QStringLiteral("0");
}

bool changePassword(Settings &settings, const QString &typed)
{
    if (typed.size() > PasswordMaxLength || !SettingsStore::keepsPassword(typed))
        return false;
    settings.password = typed;
    return true;
}

OptionsPage pageOf(int item)
{
    switch (item) {
    case 0:
        return OptionsPage::Tempo;
    case 1:
        return OptionsPage::Contatore;
    case 2:
        return OptionsPage::Password;
    default:
        return OptionsPage::None;
    }
}

} // namespace kirvano
