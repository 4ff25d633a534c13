// Idle cost and peak memory of the running program: the real main window
// is built in-process as main.cpp builds it, brought through the hand-off,
// and then left alone for a measured span (60 s by default). Scenario
// "idle": every station idle. Scenario "busy": 24 stations running and 8
// expired, their alarms taking turns. Scenario "after-alarms": as busy for
// a few sweeps, then "Stop all", and measured idle: the sound system's
// threads must have gone quiet again. CPU time is the kernel's account of
// the whole process (user + system, all threads, sound threads included).
// With "polling", a 10 ms timer walks the queue beside the program as
// Timerplay first did (reading it, playing nothing): the reference the
// sleeping sweep is compared with. "measuring" and "measured" on stderr
// mark the span for a measurement from outside.
//
// Usage: bench_load idle|busy|after-alarms [seconds] [polling]

#include "benchenv.h"

#include "alarm/pollingreference.h"
#include "app/maincontroller.h"
#include "main/program.h"
#include "platform/qt/qttimer.h"
#include "shell/fonts.h"
#include "shell/mainwindow.h"
#include "station/station.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace kirvano;
using namespace kirvano::bench;

namespace {

constexpr int RunningStations = 24;
constexpr int StationCount = 32;

// Runs the event loop for ms milliseconds.
void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sells 1 to 3 units on stations 1..24 and one unit on 25..32 through the
// real START buttons, waits for the runs to begin, then lets 25..32 reach
// their end through their own tick handler instead of waiting the minutes.
bool makeBusy(Program &program)
{
    for (int n = 1; n <= StationCount; ++n) {
        auto *button = program.mainWindow().findChild<QPushButton *>(QStringLiteral("CmdStart%1").arg(n));
        if (!button)
            return false;
        const int clicks = n <= RunningStations ? 1 + n % 3 : 1;
        for (int c = 0; c < clicks; ++c)
            button->click();
    }
    runFor(ArmingInterval + 500);
    Board &board = program.controller().board();
    for (int n = RunningStations + 1; n <= StationCount; ++n) {
        Station &s = board.station(n);
        for (int guard = 0; s.phase() != Station::Phase::Expired && guard < 1000; ++guard)
            s.onTimerTick();
    }
    return true;
}

// The reference sweep reads the queue and plays nothing.
class Unheard : public IMediaPlayer
{
public:
    void play(const QString &) override {}
};

QString boardState(Program &program)
{
    int running = 0, expired = 0, idle = 0;
    Board &board = program.controller().board();
    for (int n = 1; n <= StationCount; ++n) {
        switch (board.station(n).phase()) {
        case Station::Phase::Running:
            ++running;
            break;
        case Station::Phase::Expired:
            ++expired;
            break;
        case Station::Phase::Ready:
        case Station::Phase::Arming:
            ++idle;
        }
    }
    return QStringLiteral("%1 idle, %2 running, %3 expired").arg(idle).arg(running).arg(expired);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString scenario = QString::fromLatin1(argc > 1 ? argv[1] : "idle");
    const bool afterAlarms = scenario == QLatin1String("after-alarms");
    const bool busy = scenario == QLatin1String("busy") || afterAlarms;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    const bool polling = argc > 3 && std::strcmp(argv[3], "polling") == 0;

    PrivateEnvironment env;
    // 99 minutes a unit: no station ends by itself during the measurement.
    env.writeSettings(QStringLiteral("99"), QStringLiteral("99"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirvano"));
    QApplication::setOrganizationName(QStringLiteral("Marbolin"));
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();

    Program program(programFolder(), env.settingsPath());
    program.controller().startUp();
    runFor(2500); // the splash hands over at 2 s
    if (busy && !makeBusy(program)) {
        printRow(QStringLiteral("Load: START buttons not found"), QStringLiteral("—"), QStringLiteral("found"), 0);
        return 1;
    }
    runFor(busy ? 1000 : 3500); // past Timerlogo's single tick at 5 s
    if (afterAlarms) {
        runFor(12000); // a few sounds; each stream closes a second after its end
        program.controller().stopAll();
        runFor(6000);
    }
    std::unique_ptr<QtTimer> referenceTimer;
    Unheard unheard;
    std::unique_ptr<test::PollingReference> reference;
    if (polling) {
        referenceTimer = std::make_unique<QtTimer>(QStringLiteral("reference"), EmptySlotInterval, true, nullptr);
        reference =
            std::make_unique<test::PollingReference>(program.controller().soundQueue(), *referenceTimer, unheard);
    }
    const QString before = boardState(program);

    std::fprintf(stderr, "measuring\n");
    const ProcessUsage start = processUsage();
    const std::int64_t t0 = nowNs();
    runFor(seconds * 1000);
    const std::int64_t wall = nowNs() - t0;
    const ProcessUsage end = processUsage();
    std::fprintf(stderr, "measured\n");
    const QString after = boardState(program);

    const double cpuPercent = 100.0 * double(end.cpuNs - start.cpuNs) / double(wall);
    const double wakeups = double(end.voluntarySwitches - start.voluntarySwitches) / (double(wall) / 1e9);
    const double hwm = statusMB("VmHWM");
    const QString platform = QGuiApplication::platformName();
    const QString label = (afterAlarms ? QStringLiteral("idle after alarms")
                           : busy      ? QStringLiteral("busy")
                                       : QStringLiteral("idle"))
                          + (polling ? QStringLiteral(", 10 ms polling reference") : QString());
    const QString what = busy && !afterAlarms ? QStringLiteral("%1: %2, %3").arg(label, after, soundSetting())
                                              : QStringLiteral("%1: %2").arg(label, after);
    const QString span = QStringLiteral("%1 s, in-process main window, %2").arg(seconds).arg(platform);
    const bool stateKept = before == after;

    printRow(QStringLiteral("CPU, %1 (%2)").arg(what, span),
             QStringLiteral("%1 % of one core (%2 ms)")
                 .arg(cpuPercent, 0, 'f', 3)
                 .arg(nsToMs(end.cpuNs - start.cpuNs), 0, 'f', 0),
             busy && !afterAlarms ? QStringLiteral("—") : QStringLiteral("< 0.5 %"),
             busy && !afterAlarms ? -1 : int(cpuPercent < 0.5));
    printRow(QStringLiteral("Sleeps/wake-ups per second, %1 (voluntary context switches, all threads)").arg(label),
             QString::number(wakeups, 'f', 1));
    printRow(QStringLiteral("Peak resident memory (VmHWM), %1").arg(label), QStringLiteral("%1 MB").arg(hwm, 0, 'f', 1),
             QStringLiteral("< 60 MB"), int(hwm >= 0 && hwm < 60.0));
    if (!stateKept)
        printRow(QStringLiteral("Load: board state changed during the measurement"),
                 before + QStringLiteral(" → ") + after, QStringLiteral("unchanged"), 0);
    return stateKept ? 0 : 1;
}
