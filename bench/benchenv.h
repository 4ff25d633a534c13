#pragma once

#include <QString>

#include <cstdint>

namespace kirvano::bench {

// Nanoseconds on the monotonic clock, the clock Qt's timers run on.
std::int64_t nowNs();

inline double nsToMs(std::int64_t ns)
{
    return static_cast<double>(ns) / 1e6;
}

// A private HOME, XDG_CONFIG_HOME, XDG_RUNTIME_DIR, GStreamer registry and
// working folder, so no benchmark touches the user's files, with a valid
// settings file in it so no message box blocks the start. The folder named
// by KIRVANO_BENCH_ROOT (made by scripts/bench, kept across runs so the
// GStreamer registry is built once) is used if set, else a fresh one that
// goes away with this object. Must be made before the QApplication.
class PrivateEnvironment
{
public:
    PrivateEnvironment();
    ~PrivateEnvironment();
    PrivateEnvironment(const PrivateEnvironment &) = delete;
    PrivateEnvironment &operator=(const PrivateEnvironment &) = delete;

    const QString &root() const { return m_root; }
    QString settingsPath() const;
    // Rewrites the settings file: minutes of groups A and B, counters 0.
    void writeSettings(const QString &minA = QStringLiteral("1"), const QString &minB = QStringLiteral("1")) const;

private:
    QString m_root;
    bool m_owned = false;
};

// The folder that holds the program and its "suoni_timer" sounds.
QString programFolder();

// What the kernel accounts to this process, all threads together.
struct ProcessUsage
{
    std::int64_t cpuNs = 0;             // user + system time
    std::int64_t voluntarySwitches = 0; // sleeps: roughly, wake-ups
    std::int64_t involuntarySwitches = 0;
};
ProcessUsage processUsage();

// Threads of this process now.
int threadCount();

// A "VmHWM"/"VmRSS" line of /proc/self/status in MB (10^6 bytes), or -1.
double statusMB(const char *field);

// How the sounds are heard: on the sound server named by PULSE_SERVER, or
// nowhere when that names no server.
QString soundSetting();

// One row of the results table: measure, figure, target, verdict.
void printRow(const QString &measure, const QString &figure, const QString &target = QStringLiteral("—"), int met = -1);

} // namespace kirvano::bench
