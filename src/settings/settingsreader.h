#pragma once

#include "settings.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kirvano {

// Reads comma- or line-delimited fields from the bytes of a text file,
// one byte per character (Latin-1):
//  - spaces in front of a field are skipped;
//  - a field that begins with a double quote runs to the next double quote;
//    anything after the closing quote up to the next comma or line end is dropped;
//  - otherwise a field runs to the next comma, CR or LF; trailing spaces are kept;
//  - a line end (CR LF, CR or LF) ending a field is consumed with it;
//  - the end of the data before a field has started is a failed read.
class FieldReader
{
public:
    explicit FieldReader(const QByteArray &data) : m_data(data) {}

    std::optional<QString> next();

private:
    void skipDelimiter();

    const QByteArray &m_data;
    qsizetype m_pos = 0;
};

// The five settings in file order, or nothing when fewer than five fields
// can be read. Whatever follows the fifth field is ignored.
std::optional<Settings> readSettingsFields(const QByteArray &data);

} // namespace kirvano
