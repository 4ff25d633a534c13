#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace kirvano::fuzz {

// Runs the settings reader on any bytes and checks what it promises:
//  - it agrees field for field with the plain reference reading;
//  - the numbers the stations and the options dialog read from the values
//    are finite and written back in a short form;
//  - settings whose values hold no comma, CR or LF and do not begin with a
//    space or a double quote read back equal after settingsBytes();
//  - whatever the password, the four numbers still read back;
//  - the report file has its five labelled lines;
//  - with a scratch file, SettingsStore::load() gives the reader's values,
//    or nothing when the first or second is empty.
// Returns a description of the first broken promise, or an empty text.
std::string checkReaderProperties(const QByteArray &data, const QString &scratchFile = {});

} // namespace kirvano::fuzz
