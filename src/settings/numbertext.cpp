#include "numbertext.h"

#include <cmath>

namespace kirvano {

double textToNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return 0.0;
    return value;
}

QString numberToText(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

double leadingNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t'))
            s.append(c);
    }

    qsizetype i = 0;
    const qsizetype n = s.size();
    auto isDigit = [&](qsizetype at) { return at < n && s.at(at) >= QLatin1Char('0') && s.at(at) <= QLatin1Char('9'); };

    if (i < n && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        ++i;
    const qsizetype intStart = i;
    while (isDigit(i))
        ++i;
    qsizetype end = i;
    const bool hasInt = i > intStart;
    if (i < n && s.at(i) == QLatin1Char('.') && isDigit(i + 1)) {
        ++i;
        while (isDigit(i))
            ++i;
        end = i;
    } else if (!hasInt) {
        return 0.0;
    }

    bool ok = false;
    const double value = QLocale::c().toDouble(s.left(end), &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

} // namespace kirvano
