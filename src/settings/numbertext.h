#pragma once

#include <QLocale>
#include <QString>

namespace kirvano {

// A setting text read as a decimal number in the given regional format.
// Text that is not a number, or not a finite one, counts as 0.
double textToNumber(const QString &text, const QLocale &locale);

// A number in its shortest general form: no grouping, no trailing zeros,
// the regional decimal separator, up to 15 significant digits.
QString numberToText(double value, const QLocale &locale);

// The options dialog's leading-number rule: spaces and tabs ignored, an
// optional sign, digits, optionally a point and digits; the longest such
// beginning, else 0. The point is the only decimal separator.
double leadingNumber(const QString &text);

} // namespace kirvano
