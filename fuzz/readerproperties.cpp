#include "readerproperties.h"

#include "referencereader.h"

#include "settings/numbertext.h"
#include "settings/settingsreader.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <cmath>
#include <string_view>
#include <utility>

namespace kirvano::fuzz {

namespace {

QString latin1(const std::string &bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string describe(const QString &text)
{
    std::string out;
    for (QChar c : text) {
        const ushort u = c.unicode();
        if (u >= 0x20 && u < 0x7f && u != '\\') {
            out += static_cast<char>(u);
        } else {
            static const char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[(u >> 4) & 0xf];
            out += hex[u & 0xf];
        }
    }
    return out;
}

// The five values in file order.
const QString &field(const Settings &s, int i)
{
    const QString *fields[] = {&s.minutesA, &s.minutesB, &s.counterA, &s.counterB, &s.password};
    return *fields[i];
}

QString &field(Settings &s, int i)
{
    return const_cast<QString &>(field(std::as_const(s), i));
}

// Five values made from the first five lines of the data, cut to what the
// writer can store unquoted: no comma, CR or LF, no leading space or quote.
Settings safeSettingsFrom(const QByteArray &data)
{
    Settings s;
    const QList<QByteArray> lines = data.split('\n');
    for (int i = 0; i < 5 && i < lines.size(); ++i) {
        QByteArray value = lines.at(i);
        value.replace(',', QByteArray()).replace('\r', QByteArray());
        qsizetype skip = 0;
        while (skip < value.size() && (value.at(skip) == ' ' || value.at(skip) == '"'))
            ++skip;
        field(s, i) = QString::fromLatin1(value.mid(skip));
    }
    return s;
}

std::string checkAgainstReference(const QByteArray &data, const std::optional<Settings> &read)
{
    const auto expected = referenceFields(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    if (read.has_value() != expected.has_value())
        return read ? "the reader found five fields where the reference found fewer"
                    : "the reader failed where the reference found five fields";
    if (!read)
        return {};
    for (int i = 0; i < 5; ++i) {
        const QString want = latin1((*expected)[static_cast<std::size_t>(i)]);
        if (field(*read, i) != want)
            return "field " + std::to_string(i + 1) + " reads \"" + describe(field(*read, i)) + "\", the reference \""
                   + describe(want) + "\"";
    }
    return {};
}

std::string checkNumbers(const Settings &s)
{
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::Italian, QLocale::Italy)};
    for (const QString &value : {s.minutesA, s.minutesB, s.counterA, s.counterB, s.password}) {
        if (!std::isfinite(leadingNumber(value)))
            return "leadingNumber of \"" + describe(value) + "\" is not finite";
        for (const QLocale &locale : locales) {
            const double number = textToNumber(value, locale);
            if (!std::isfinite(number))
                return "textToNumber of \"" + describe(value) + "\" is not finite";
            // What a station shows and counts: up to 3 units, a counter plus units.
            for (double shown : {number, number * 3, number + 3}) {
                const QString text = numberToText(shown, locale);
                if (text.isEmpty() || text.size() > 24)
                    return "numberToText gives \"" + describe(text) + "\"";
            }
        }
    }
    return {};
}

std::string checkRoundTrips(const QByteArray &data)
{
    const Settings safe = safeSettingsFrom(data);
    const auto back = readSettingsFields(SettingsStore::settingsBytes(safe));
    if (!back || *back != safe)
        return "settings without comma, line end, leading space or quote do not read back equal";

    // The password is the one value an operator types freely (no line ends).
    Settings typed = safe;
    QByteArray password = data.left(64);
    password.replace('\r', QByteArray()).replace('\n', QByteArray());
    typed.password = QString::fromLatin1(password);
    const auto withPassword = readSettingsFields(SettingsStore::settingsBytes(typed));
    if (!withPassword)
        return "a password made the settings file unreadable";
    for (int i = 0; i < 4; ++i) {
        if (field(*withPassword, i) != field(typed, i))
            return "a password changed field " + std::to_string(i + 1);
    }

    const QList<QByteArray> report = SettingsStore::reportBytes(safe).split('\n');
    const char *labels[] = {
        "Tempo Gruppo A = ", "Tempo Gruppo B = ", "Contatore    A = ", "Contatore    B = ", "Option Password= "};
    Settings values = safe;
    values.password = QStringLiteral("****");
    if (report.size() != 6 || !report.at(5).isEmpty())
        return "the report file does not have five lines";
    for (int i = 0; i < 5; ++i) {
        const QByteArray want = labels[i] + field(values, i).toLatin1() + '\r';
        if (report.at(i) != want)
            return "report line " + std::to_string(i + 1) + " is wrong";
    }
    return {};
}

std::string checkStoreLoad(const QByteArray &data, const std::optional<Settings> &read, const QString &scratchFile)
{
    {
        QFile file(scratchFile);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
            return "cannot write the scratch file " + scratchFile.toStdString();
    }
    const SettingsStore store(scratchFile, QFileInfo(scratchFile).absolutePath() + QStringLiteral("/config.txt"));
    const auto loaded = store.load();
    const bool usable = read && !read->minutesA.isEmpty() && !read->minutesB.isEmpty();
    if (loaded.has_value() != usable)
        return usable ? "SettingsStore::load refused readable settings" : "SettingsStore::load took unusable settings";
    if (loaded && *loaded != *read)
        return "SettingsStore::load gives other values than the reader";
    return {};
}

} // namespace

std::string checkReaderProperties(const QByteArray &data, const QString &scratchFile)
{
    const std::optional<Settings> read = readSettingsFields(data);
    std::string problem = checkAgainstReference(data, read);
    if (problem.empty() && read)
        problem = checkNumbers(*read);
    if (problem.empty())
        problem = checkRoundTrips(data);
    if (problem.empty() && !scratchFile.isEmpty())
        problem = checkStoreLoad(data, read, scratchFile);
    return problem;
}

} // namespace kirvano::fuzz
