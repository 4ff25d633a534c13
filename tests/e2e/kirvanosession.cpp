#include "kirvanosession.h"

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace kirvano::e2e {

KirvanoSession::KirvanoSession(const QString &name)
{
    const QString root = test::freshFolder(name);
    m_home = root + QStringLiteral("/home");
    m_config = root + QStringLiteral("/config");
    m_work = root + QStringLiteral("/work");
    for (const QString &dir : {m_home, m_config, m_work})
        QDir().mkpath(dir);
}

KirvanoSession::KirvanoSession(QString home, QString config, QString work)
    : m_home(std::move(home))
    , m_config(std::move(config))
    , m_work(std::move(work))
{
}

KirvanoSession::~KirvanoSession()
{
    kill();
}

std::unique_ptr<KirvanoSession> KirvanoSession::anotherStart() const
{
    return std::unique_ptr<KirvanoSession>(new KirvanoSession(m_home, m_config, m_work));
}

void KirvanoSession::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString KirvanoSession::program()
{
    return qEnvironmentVariable("KIRVANO_E2E_PROGRAM");
}

void KirvanoSession::writeSettings(const QByteArray &content) const
{
    QDir().mkpath(QFileInfo(settingsPath()).path());
    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(content), content.size());
}

std::optional<QByteArray> KirvanoSession::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

bool KirvanoSession::start()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config);
    // The real desktop platform, unscaled, whatever the caller's session says.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char *name : {"QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                             "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"})
        env.remove(QLatin1String(name));
    env.insert(m_environment);
    m_process.setProcessEnvironment(env);
    m_process.setWorkingDirectory(m_work);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program(), {});
    return m_process.waitForStarted(10000);
}

bool KirvanoSession::waitForExit(int timeoutMs)
{
    return waitUntil([this] { return m_process.state() == QProcess::NotRunning; }, timeoutMs);
}

QString KirvanoSession::output()
{
    m_output += m_process.readAll();
    return QString::fromLocal8Bit(m_output);
}

std::optional<WindowInfo> KirvanoSession::findWindow(const Match &fits) const
{
    for (const WindowInfo &w : X11Desktop::windowsOf(m_process.processId())) {
        if (fits(w))
            return w;
    }
    return std::nullopt;
}

std::optional<WindowInfo> KirvanoSession::waitForWindow(const Match &fits, int timeoutMs) const
{
    std::optional<WindowInfo> found;
    waitUntil([&] { return (found = findWindow(fits)).has_value(); }, timeoutMs);
    return found;
}

} // namespace kirvano::e2e
