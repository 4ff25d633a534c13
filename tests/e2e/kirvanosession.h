#pragma once

#include "x11desktop.h"

#include <QByteArray>
#include <QProcess>
#include <QString>

#include <memory>
#include <optional>

namespace kirvano::e2e {

// One run of the real program as an operator meets it: its own HOME,
// XDG_CONFIG_HOME and working folder, started from outside, watched
// through its windows and its two files.
class KirvanoSession
{
public:
    explicit KirvanoSession(const QString &name);
    ~KirvanoSession();

    // Another start of the program on the same HOME, settings and working
    // folder, as a second click on the menu entry gives.
    std::unique_ptr<KirvanoSession> anotherStart() const;

    // The program under test: KIRVANO_E2E_PROGRAM, set by CTest.
    static QString program();

    QString settingsPath() const { return m_config + QStringLiteral("/kirvano/config_bmb.dat"); }
    QString reportPath() const { return m_work + QStringLiteral("/config.txt"); }
    void writeSettings(const QByteArray &content) const;
    static std::optional<QByteArray> read(const QString &path);

    // Set in the program's environment over what start() sets itself.
    void setEnvironment(const QString &name, const QString &value) { m_environment.insert(name, value); }
    bool start();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    qint64 pid() const { return m_process.processId(); }
    // Waits for the process to end by itself.
    bool waitForExit(int timeoutMs);
    // Ends the program at once, as a crash does: no close request, no save.
    void kill();
    int exitCode() const { return m_process.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return m_process.exitStatus(); }
    QString output();

    using Match = std::function<bool(const WindowInfo &)>;
    // The first viewable window of the program that fits.
    std::optional<WindowInfo> findWindow(const Match &fits) const;
    bool hasWindow(const Match &fits) const { return findWindow(fits).has_value(); }
    // The same, polled until the time is up.
    std::optional<WindowInfo> waitForWindow(const Match &fits, int timeoutMs) const;

private:
    KirvanoSession(QString home, QString config, QString work);

    QString m_home;
    QString m_config;
    QString m_work;
    QProcess m_process;
    QProcessEnvironment m_environment;
    QByteArray m_output;
};

} // namespace kirvano::e2e
