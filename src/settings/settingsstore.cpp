#include "settingsstore.h"

#include "settingsreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace kirvano {

namespace {

const QByteArray CrLf("\r\n");

QByteArray line(const QString &text)
{
    return text.toLatin1() + CrLf;
}

#ifdef Q_OS_WIN
constexpr bool SettingsOwnerOnly = false;
#else
// The settings file holds the password in clear: other accounts must not read it.
constexpr bool SettingsOwnerOnly = true;
#endif

constexpr QFile::Permissions OwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions OwnerFile = QFile::ReadOwner | QFile::WriteOwner;

// A folder that is already there keeps its mode: it may be shared or not ours.
bool makeFolder(const QString &folder, bool ownerOnly)
{
    if (!ownerOnly || QFileInfo(folder).isDir())
        return QDir().mkpath(folder);
    QDir().mkpath(QFileInfo(folder).path());
    QDir().mkdir(folder, OwnerFolder);
    return QFileInfo(folder).isDir(); // also when another process made it meanwhile
}

// Qt gives the C library's reasons in English; its own translations have
// some of them, "No space left on device" among them.
QString systemReason(const QString &reason)
{
    return QCoreApplication::translate("QIODevice", reason.toUtf8().constData());
}

SettingsStore::SaveResult writeWhole(const QString &path, const QByteArray &bytes, bool ownerOnly)
{
    const QFileInfo info(path);
    if (!makeFolder(info.absolutePath(), ownerOnly))
        return {false, info.absoluteFilePath(),
                QStringLiteral("impossibile creare la cartella %1").arg(info.absolutePath())};

    // Written to a new file beside the target (a link's target, when the path
    // is a link) that then replaces it; never in place, where a failure
    // part-way would leave the old file torn or empty.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that a write the disk refuses fails here, with its
    // reason; a short write is followed by one for the rest, which gives it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, info.absoluteFilePath(), systemReason(file.errorString())};
    // Restricted while still empty, before the password goes in.
    if (ownerOnly)
        file.setPermissions(OwnerFile);
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = systemReason(file.errorString());
            file.cancelWriting();
            return {false, info.absoluteFilePath(), reason};
        }
        written += n;
    }
    if (!file.commit())
        return {false, info.absoluteFilePath(), systemReason(file.errorString())};
    return {};
}

} // namespace

SettingsStore::SettingsStore(QString settingsPath, QString reportPath)
    : m_settingsPath(std::move(settingsPath))
    , m_reportPath(std::move(reportPath))
{
}

QString SettingsStore::defaultSettingsPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\WINDOWS\\config_bmb.dat");
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/kirvano/config_bmb.dat");
#endif
}

bool SettingsStore::makeSettingsFolder() const
{
    return makeFolder(QFileInfo(m_settingsPath).absolutePath(), true);
}

std::optional<Settings> SettingsStore::load() const
{
    QFile file(m_settingsPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    auto settings = readSettingsFields(data);
    if (!settings || settings->minutesA.isEmpty() || settings->minutesB.isEmpty())
        return std::nullopt;
    return settings;
}

QByteArray SettingsStore::settingsBytes(const Settings &s)
{
    return line(s.minutesA) + line(s.minutesB) + line(s.counterA) + line(s.counterB) + line(s.password);
}

QByteArray SettingsStore::reportBytes(const Settings &s)
{
    return line(QStringLiteral("Tempo Gruppo A = ") + s.minutesA)
           + line(QStringLiteral("Tempo Gruppo B = ") + s.minutesB)
           + line(QStringLiteral("Contatore    A = ") + s.counterA)
           + line(QStringLiteral("Contatore    B = ") + s.counterB) + line(QStringLiteral("Option Password= ****"));
}

bool SettingsStore::keepsPassword(const QString &password)
{
    Settings s = Settings::defaults();
    s.password = password;
    const auto read = readSettingsFields(settingsBytes(s));
    return read && read->password == password;
}

SettingsStore::SaveResult SettingsStore::save(const Settings &settings) const
{
    const SaveResult result = writeWhole(m_settingsPath, settingsBytes(settings), SettingsOwnerOnly);
    if (!result.ok)
        return result;
    return writeWhole(m_reportPath, reportBytes(settings), false);
}

} // namespace kirvano
