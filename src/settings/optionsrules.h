#pragma once

#include "settings.h"

#include <QString>

namespace kirvano {

// The options dialog's rules on the settings, apart from its widgets.

// The most characters the login box takes.
constexpr int PasswordMaxLength = 4;

// Told when "Cambia Password" refuses a password.
inline const QString UnstorablePasswordText = QStringLiteral(
    "La password può avere al massimo 4 caratteri, non può iniziare con uno spazio o con le virgolette (\") e "
    "non può contenere virgole (,).\r\n"
    "La password non è stata cambiata.");

// Without a password the dialog opens on its pages at once.
bool needsLogin(const Settings &settings);

// The login compares character for character: case matters.
bool passwordMatches(const Settings &settings, const QString &typed);

// "Imposta": what a minutes box holds afterwards, which is also what is
// stored: its leading number as plain digits, "1" for anything below 1.
QString minutesFromText(const QString &typed);

// "Reset": both counters back to "0".
void resetCounters(Settings &settings);

// "Cambia Password": takes the new password, unless the login box could not
// take it or the settings file would give it back otherwise: either would
// lock everyone out. Returns whether it was taken.
bool changePassword(Settings &settings, const QString &typed);

// The page that an item of the page list shows; -1 is no item.
enum class OptionsPage { None, Tempo, Contatore, Password };
OptionsPage pageOf(int item);

} // namespace kirvano
