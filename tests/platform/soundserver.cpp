#include "soundserver.h"

#include "support/testenv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace kirvano::test {

PrivateSoundServer::~PrivateSoundServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            kill();
    }
}

QString PrivateSoundServer::missingTools()
{
    QStringList missing;
    const char *server = qEnvironmentVariableIsEmpty("KIRVANO_TEST_PIPEWIRE_RUNTIME") ? "pulseaudio" : "pipewire-pulse";
    for (const char *tool : {server, "parec", "pactl"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    return missing.join(QStringLiteral(", "));
}

QString PrivateSoundServer::start()
{
    m_dir = freshFolder(QStringLiteral("pulse"));
    QFile::setPermissions(m_dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_socket = m_dir + QStringLiteral("/native");
    return launch();
}

QString PrivateSoundServer::restart()
{
    kill();
    QFile::remove(m_socket);
    return launch();
}

QString PrivateSoundServer::launch()
{
    const QString dir = m_dir;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *var : {"HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
        env.insert(QString::fromLatin1(var), dir);
    env.remove(QStringLiteral("PULSE_SERVER"));
    // No session bus, and no DISPLAY to autolaunch one through X11: on a bus
    // this server claims org.PulseAudio1, and exits when another PulseAudio
    // on that bus holds it already.
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.remove(QStringLiteral("DISPLAY"));
    m_process.setProcessEnvironment(env);
    m_process.setStandardOutputFile(dir + QStringLiteral("/log"));
    m_process.setStandardErrorFile(dir + QStringLiteral("/log"), QIODevice::Append);
    // The server ends with its test, also when the test is killed.
    m_process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    const QString pipewire = qEnvironmentVariable("KIRVANO_TEST_PIPEWIRE_RUNTIME");
    if (!pipewire.isEmpty())
        launchPipeWirePulse(env, pipewire);
    else
        // norewinds: without it the first sound reaches the sink up to 2 s late.
        m_process.start(QStringLiteral("pulseaudio"),
                        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--system=false"),
                         QStringLiteral("--use-pid-file=no"), QStringLiteral("--exit-idle-time=-1"),
                         QStringLiteral("--disallow-exit"), QStringLiteral("--realtime=no"),
                         QStringLiteral("--high-priority=no"), QStringLiteral("--no-cpu-limit"), QStringLiteral("-L"),
                         QStringLiteral("module-null-sink sink_name=test_sink rate=48000 channels=2 norewinds=1"),
                         QStringLiteral("-L"),
                         QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(m_socket)});
    if (!m_process.waitForStarted(5000))
        return m_process.program() + QStringLiteral(" did not start: ") + m_process.errorString();

    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo(m_socket).exists()) {
        if (m_process.state() == QProcess::NotRunning || waited.elapsed() > 10000)
            return m_process.program() + QStringLiteral(" gave no socket, see ") + dir + QStringLiteral("/log");
        QThread::msleep(10);
    }
    return {};
}

void PrivateSoundServer::launchPipeWirePulse(QProcessEnvironment env, const QString &runtime)
{
    // PipeWire's pulse server alone, on the PipeWire that scripts/test-pipewire
    // runs; it listens on PULSE_RUNTIME_PATH/native, this server's socket.
    env.insert(QStringLiteral("PIPEWIRE_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_STATE_HOME"), m_dir);
    m_process.setProcessEnvironment(env);
    m_process.start(QStringLiteral("pipewire-pulse"), {});
}

void PrivateSoundServer::kill()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

} // namespace kirvano::test
