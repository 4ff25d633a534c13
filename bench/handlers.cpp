// Handler costs (Google Benchmark): one minute tick of all 32 stations, one
// Timerplay tick, one Stop all, and a station's first tick (which saves the
// counters), on fakes (the logic alone) and on the real main window
// (offscreen unless QT_QPA_PLATFORM says otherwise). Prints the standard
// report on stderr and the results table rows on stdout.

#include "benchenv.h"

#include "support/mainharness.h"

#include "platform/qt/fonts.h"
#include "shell/mainwindow.h"
#include "station/station.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <thread>

using namespace kirvano;
using namespace kirvano::bench;

namespace {

constexpr int StationCount = 32;
constexpr int UnitsPerSale = 3;
constexpr int MinutesPerUnit = 99; // 297 booked minutes: far from the end
constexpr int TicksBeforeReset = 290;

// Puts every station in the state a sale leaves it in once its run has
// begun, without the first tick's save: three units booked by the START
// button, LED yellow, timer on its minute. Stations past `running` are
// made expired instead, with their alarm queued.
void prepareBoard(MainController &main, int running = StationCount)
{
    Board &board = main.board();
    board.mnStopall_Click();
    for (int n = 1; n <= StationCount; ++n) {
        Station &s = board.station(n);
        for (int c = 0; c < UnitsPerSale; ++c)
            s.button().click();
        s.Timer_Timer(); // the run begins
        if (n > running) {
            for (int guard = 0; s.phase() != Station::Phase::Expired && guard < 1000; ++guard)
                s.Timer_Timer();
        }
    }
}

void minuteTickAll(benchmark::State &state, MainController &main, bool repaint)
{
    prepareBoard(main);
    Board &board = main.board();
    int ticks = 0;
    for (auto _ : state) {
        if (++ticks > TicksBeforeReset) {
            state.PauseTiming();
            prepareBoard(main);
            ticks = 1;
            state.ResumeTiming();
        }
        for (int n = 1; n <= StationCount; ++n)
            board.station(n).Timer_Timer();
        if (repaint)
            QCoreApplication::sendPostedEvents(); // the update requests: the repaint of what changed
    }
    main.board().mnStopall_Click();
}

void firstTick(benchmark::State &state, MainController &main)
{
    Station &s = main.board().station(1);
    for (auto _ : state) {
        state.PauseTiming();
        s.ClearT();
        s.button().click();
        state.ResumeTiming();
        s.Timer_Timer();
    }
    s.ClearT();
}

void fillQueue(MainController &main)
{
    for (int n = 1; n <= StationCount; ++n)
        main.soundQueue()[n - 1] = main.board().station(n).soundPath();
}

void playerTick(benchmark::State &state, MainController &main, bool filled, test::FakeMediaPlayer *fake = nullptr)
{
    main.board().mnStopall_Click();
    if (filled)
        fillQueue(main);
    int batch = 0;
    for (auto _ : state) {
        main.alarm().Timerplay_Timer();
        if (fake && ++batch == 1000) {
            state.PauseTiming();
            fake->plays.clear();
            batch = 0;
            state.ResumeTiming();
        }
    }
    main.board().mnStopall_Click();
}

// The real player between two sounds: in the program they are at least
// 5 s apart, so each assignment finds the previous file loaded.
bool loaded(const QMediaPlayer *player)
{
    switch (player->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
    case QMediaPlayer::InvalidMedia:
        return true;
    default:
        return false;
    }
}

void settle(const MainWindow &frmMain)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const QList<QMediaPlayer *> players = frmMain.findChildren<QMediaPlayer *>();
        if (waited.elapsed() > 50 && std::all_of(players.begin(), players.end(), loaded))
            return;
    }
}

// Qt 6.4's GStreamer backend can deadlock in QMediaPlayer::setSource: the
// main thread flushes the new pipeline while its streaming thread, linking
// the decoder's pad, waits for a lock the main thread holds. A watchdog
// reports that as a row and ends the program instead of hanging the run.
class Watchdog
{
public:
    explicit Watchdog(std::string what) : m_what(std::move(what)), m_thread([this] { watch(); }) {}
    ~Watchdog()
    {
        m_done = true;
        m_thread.join();
    }
    void alive() { m_lastAlive = nowNs(); ++m_count; }

private:
    void watch()
    {
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            if (nowNs() - m_lastAlive > std::int64_t(15) * 1000000000) {
                printRow(QString::fromStdString("Handler: " + m_what),
                         QStringLiteral("hung in QMediaPlayer::setSource after %1 sounds (GStreamer deadlock)").arg(m_count.load()),
                         QStringLiteral("no hang"), 0);
                std::_Exit(3);
            }
        }
    }

    std::string m_what;
    std::atomic<std::int64_t> m_lastAlive{nowNs()};
    std::atomic<int> m_count{0};
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

void realSoundTick(benchmark::State &state, MainWindow &frmMain, const std::string &name)
{
    MainController &main = frmMain.controller();
    main.board().mnStopall_Click();
    fillQueue(main);
    Watchdog watchdog(name);
    for (auto _ : state) {
        watchdog.alive();
        main.alarm().Timerplay_Timer();
        state.PauseTiming();
        settle(frmMain);
        state.ResumeTiming();
    }
    main.board().mnStopall_Click();
    for (QMediaPlayer *player : frmMain.findChildren<QMediaPlayer *>())
        player->stop();
}

void stopAll(benchmark::State &state, MainController &main)
{
    for (auto _ : state) {
        state.PauseTiming();
        prepareBoard(main, 24);
        state.ResumeTiming();
        main.mnStopall_Click();
    }
}

// Collects the runs as rows of the results table.
class TableReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            const QString name = QString::fromStdString("Handler: " + run.run_name.function_name);
            if (run.error_occurred) {
                printRow(name,
                         QString::fromStdString("failed: " + run.error_message), QStringLiteral("—"), 0);
                continue;
            }
            const double scale = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const double wall = run.GetAdjustedRealTime() * scale;
            const double cpu = run.GetAdjustedCPUTime() * scale;
            auto us = [](double v) { return QString::number(v, 'f', v < 10 ? 2 : 1); };
            printRow(name, QStringLiteral("%1 µs (CPU %2 µs, %3 iterations)").arg(us(wall), us(cpu)).arg(run.iterations));
        }
    }
};

// Both reporters: the usual console report for the log, the table for the script.
class BothReporters : public benchmark::ConsoleReporter
{
public:
    explicit BothReporters(TableReporter &table) : ConsoleReporter(OO_None), m_table(table)
    {
        SetOutputStream(&std::cerr);
        SetErrorStream(&std::cerr);
    }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        m_table.ReportRuns(runs);
    }

private:
    TableReporter &m_table;
};

} // namespace

int main(int argc, char *argv[])
{
    PrivateEnvironment env;
    env.writeSettings(QString::number(MinutesPerUnit), QString::number(MinutesPerUnit));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);

    test::MainHarness fakes(QStringLiteral("bench"));
    fakes.writeSettings(QStringLiteral("%1\r\n%1\r\n0\r\n0\r\n4826\r\n").arg(MinutesPerUnit).toLatin1());
    fakes.main->Form_Load();
    fakes.main->splashTimer1_Timer();
    MainController &f = *fakes.main;

    MainWindow frmMain(programFolder(), env.settingsPath());
    MainController &r = frmMain.controller();
    r.Form_Load();
    r.splashTimer1_Timer();
    QCoreApplication::processEvents();
    const QString platform = QGuiApplication::platformName();
    const std::string real = "real widgets (" + platform.toStdString() + ")";

    auto reg = [](const std::string &name, auto fn) {
        return benchmark::RegisterBenchmark(name.c_str(), fn)->Unit(benchmark::kMicrosecond);
    };
    reg("minute tick of all 32 stations, fakes", [&f](benchmark::State &s) { minuteTickAll(s, f, false); });
    reg("minute tick of all 32 stations, " + real, [&r](benchmark::State &s) { minuteTickAll(s, r, false); });
    reg("minute tick of all 32 stations and the repaint, " + real,
        [&r](benchmark::State &s) { minuteTickAll(s, r, true); });
    reg("first tick of a station (run begins, counters saved), fakes", [&f](benchmark::State &s) { firstTick(s, f); });
    reg("first tick of a station (run begins, counters saved), " + real, [&r](benchmark::State &s) { firstTick(s, r); });
    reg("Timerplay tick, empty slot, fakes", [&f](benchmark::State &s) { playerTick(s, f, false); });
    reg("Timerplay tick, empty slot, " + real, [&r](benchmark::State &s) { playerTick(s, r, false); });
    reg("Timerplay tick, filled slot (sound started), fakes",
        [&f, &fakes](benchmark::State &s) { playerTick(s, f, true, &fakes.wmp1); });
    reg("Stop all, 24 running and 8 expired, fakes", [&f](benchmark::State &s) { stopAll(s, f); });
    reg("Stop all, 24 running and 8 expired, " + real, [&r](benchmark::State &s) { stopAll(s, r); });
    // Last, since it may end the program (see Watchdog). More sound starts
    // than the default 40: KIRVANO_BENCH_SOUND_STARTS.
    const std::string sound = "Timerplay tick, filled slot (sound started), " + real + ", " + soundSetting().toStdString();
    reg(sound, [&frmMain, sound](benchmark::State &s) { realSoundTick(s, frmMain, sound); })
        ->Iterations(qEnvironmentVariableIntValue("KIRVANO_BENCH_SOUND_STARTS") > 0
                         ? qEnvironmentVariableIntValue("KIRVANO_BENCH_SOUND_STARTS")
                         : 40);

    TableReporter table;
    BothReporters reporters(table);
    benchmark::RunSpecifiedBenchmarks(&reporters);
    benchmark::Shutdown();
    return 0;
}
