#include "benchenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace kirvano::bench {

std::int64_t nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

PrivateEnvironment::PrivateEnvironment()
{
    m_root = qEnvironmentVariable("KIRVANO_BENCH_ROOT");
    if (m_root.isEmpty() || !QDir(m_root).exists()) {
        QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/kirvano-bench-XXXXXX"));
        dir.setAutoRemove(false);
        m_root = dir.path();
        m_owned = true;
    }
    for (const char *sub : {"home", "config/kirvano", "runtime", "work"})
        QDir(m_root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(m_root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", (m_root + QStringLiteral("/home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_root + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (m_root + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("GST_REGISTRY", (m_root + QStringLiteral("/gst-registry.bin")).toLocal8Bit());
    // Never the user's sound server: a benchmark is silent unless the caller
    // names a private one.
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        qputenv("PULSE_SERVER", ("unix:" + m_root + QStringLiteral("/runtime/no-sound-server")).toLocal8Bit());
    QDir::setCurrent(m_root + QStringLiteral("/work"));
    writeSettings();
}

PrivateEnvironment::~PrivateEnvironment()
{
    if (m_owned)
        QDir(m_root).removeRecursively();
}

QString PrivateEnvironment::settingsPath() const
{
    return m_root + QStringLiteral("/config/kirvano/config_bmb.dat");
}

void PrivateEnvironment::writeSettings(const QString &minA, const QString &minB) const
{
    QFile f(settingsPath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(settingsPath()));
        std::exit(2);
    }
    f.write(QStringLiteral("%1\r\n%2\r\n0\r\n0\r\n4826\r\n").arg(minA, minB).toLatin1());
}

QString programFolder()
{
    return QStringLiteral(KIRVANO_BENCH_PROGRAM_DIR);
}

ProcessUsage processUsage()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    auto ns = [](const timeval &tv) { return std::int64_t(tv.tv_sec) * 1000000000 + std::int64_t(tv.tv_usec) * 1000; };
    return {ns(ru.ru_utime) + ns(ru.ru_stime), ru.ru_nvcsw, ru.ru_nivcsw};
}

int threadCount()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

double statusMB(const char *field)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() * 1024.0 / 1e6;
    }
    return -1;
}

QString soundSetting()
{
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    const QString socket = server.startsWith(QLatin1String("unix:")) ? server.mid(5) : server;
    return QFile::exists(socket) ? QStringLiteral("sounds on a private null sink")
                                 : QStringLiteral("no sound server, sounds silent");
}

void printRow(const QString &measure, const QString &figure, const QString &target, int met)
{
    const char *verdict = met < 0 ? "—" : (met ? "met" : "**missed**");
    std::printf("| %s | %s | %s | %s |\n", qPrintable(measure), qPrintable(figure), qPrintable(target), verdict);
    std::fflush(stdout);
}

} // namespace kirvano::bench
