#include "settingsreader.h"

namespace kirvano {

namespace {
bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
} // namespace

void FieldReader::skipDelimiter()
{
    const qsizetype n = m_data.size();
    if (m_pos >= n)
        return;
    const char c = m_data.at(m_pos);
    if (c == ',') {
        ++m_pos;
    } else if (c == '\r') {
        ++m_pos;
        if (m_pos < n && m_data.at(m_pos) == '\n')
            ++m_pos;
    } else if (c == '\n') {
        ++m_pos;
    }
}

std::optional<QString> FieldReader::next()
{
    const qsizetype n = m_data.size();
    while (m_pos < n && m_data.at(m_pos) == ' ')
        ++m_pos;
    if (m_pos >= n)
        return std::nullopt;

    QByteArray value;
    if (m_data.at(m_pos) == '"') {
        const qsizetype start = m_pos + 1;
        qsizetype close = m_data.indexOf('"', start);
        if (close < 0)
            close = n;
        value = m_data.mid(start, close - start);
        m_pos = close < n ? close + 1 : n;
        // Text between the closing quote and the delimiter is dropped.
        while (m_pos < n && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_data.at(m_pos) != ',' && !isLineEnd(m_data.at(m_pos)))
            ++m_pos;
        value = m_data.mid(start, m_pos - start);
    }
    skipDelimiter();
    return QString::fromLatin1(value);
}

std::optional<Settings> readSettingsFields(const QByteArray &data)
{
    FieldReader reader(data);
    Settings s;
    for (QString *member : {&s.minutesA, &s.minutesB, &s.counterA, &s.counterB, &s.password}) {
        auto field = reader.next();
        if (!field)
            return std::nullopt;
        *member = *field;
    }
    return s;
}

} // namespace kirvano
