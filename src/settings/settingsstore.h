#pragma once

#include "settings.h"

#include <QString>

#include <optional>

namespace kirvano {

// The settings file and the report file. The settings file lives at one
// fixed absolute path; the report file "config.txt" follows the process's
// current directory at the moment of writing.
class SettingsStore
{
public:
    struct SaveResult
    {
        bool ok = true;
        QString file;   // the file that could not be written
        QString reason; // the system's reason
    };

    explicit SettingsStore(QString settingsPath = defaultSettingsPath(),
                           QString reportPath = QStringLiteral("config.txt"));

    // The platform's fixed location of the settings file.
    static QString defaultSettingsPath();

    const QString &settingsPath() const { return m_settingsPath; }

    // Makes the settings file's folder, owner-only, unless it is there.
    bool makeSettingsFolder() const;

    // The five values as read by the reading rule, or nothing when the file
    // is missing, unreadable, holds fewer than five fields, or its first or
    // second value is empty.
    std::optional<Settings> load() const;

    // Writes the settings file, then the report file. Each is written whole
    // to a temporary file and renamed over the old one (over a link's
    // target), so a crash or a full disk never leaves a torn file behind: a
    // save that fails leaves the old file as it was. The settings file is readable by its owner
    // only, and so is its folder when the save creates it.
    SaveResult save(const Settings &settings) const;

    // Whether a password comes back from the file exactly as it was saved.
    // The reading rule skips leading spaces, ends a field at a comma and
    // runs a field that begins with a double quote to the next quote.
    static bool keepsPassword(const QString &password);

    static QByteArray settingsBytes(const Settings &settings);
    static QByteArray reportBytes(const Settings &settings);

private:
    QString m_settingsPath;
    QString m_reportPath;
};

} // namespace kirvano
