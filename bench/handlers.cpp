// Handler costs (Google Benchmark): one minute tick of all 32 stations, one
// Timerplay wake, a slot's news to the player, one sound start, one Stop all, and a station's first tick (which saves
// the counters), on fakes (the logic alone) and on the real main window (offscreen unless QT_QPA_PLATFORM says
// otherwise). Prints the standard report on stderr and the results table rows on stdout.

#include "benchenv.h"

#include "support/mainharness.h"

#include "app/maincontroller.h"
#include "main/program.h"
#include "platform/qt/qtmediaplayer.h"
#include "shell/fonts.h"
#include "shell/mainwindow.h"
#include "station/station.h"

#include <QApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

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
    board.stopAll();
    for (int n = 1; n <= StationCount; ++n) {
        Station &s = board.station(n);
        for (int c = 0; c < UnitsPerSale; ++c)
            s.button().click();
        s.onTimerTick(); // the run begins
        if (n > running) {
            for (int guard = 0; s.phase() != Station::Phase::Expired && guard < 1000; ++guard)
                s.onTimerTick();
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
            board.station(n).onTimerTick();
        if (repaint)
            QCoreApplication::sendPostedEvents(); // the update requests: the repaint of what changed
    }
    main.board().stopAll();
}

void firstTick(benchmark::State &state, MainController &main)
{
    Station &s = main.board().station(1);
    for (auto _ : state) {
        state.PauseTiming();
        s.reset();
        s.button().click();
        state.ResumeTiming();
        s.onTimerTick();
    }
    s.reset();
}

void fillQueue(MainController &main)
{
    for (int n = 1; n <= StationCount; ++n)
        main.soundQueue()[n - 1] = main.board().station(n).soundPath();
}

// Timerplay wakes only for a filled slot; on fakes the virtual clock takes
// it from one sound to the next.
void playerWake(benchmark::State &state, test::MainHarness &h)
{
    MainController &main = *h.main;
    main.board().stopAll();
    fillQueue(main);
    int batch = 0;
    for (auto _ : state) {
        h.clock.advanceTo(main.alarm().nextTickAt());
        if (++batch == 1000) {
            state.PauseTiming();
            h.mediaPlayer.plays.clear();
            batch = 0;
            state.ResumeTiming();
        }
    }
    main.board().stopAll();
}

// What the queue's news costs a station's expiry and its reset: the player
// catches up with the cursor and sets Timerplay for the next sound.
void slotFilledAndEmptied(benchmark::State &state, MainController &main)
{
    main.board().stopAll();
    SoundQueue &queue = main.soundQueue();
    const QString path = main.board().station(6).soundPath();
    for (auto _ : state) {
        queue[5] = path;
        queue[5].clear();
    }
}

// One sound start on the event thread: the real player's assignment, the
// sounds 30 ms apart, each replacing the one before.
void realSoundStart(benchmark::State &state, Program &program)
{
    auto *player = program.mainWindow().findChild<QtMediaPlayer *>(QStringLiteral("wmp1"));
    if (!player) {
        state.SkipWithError("wmp1 not found");
        return;
    }
    int n = 0;
    for (auto _ : state) {
        player->play(program.controller().board().station(1 + n++ % StationCount).soundPath());
        state.PauseTiming();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        state.ResumeTiming();
    }
}

void stopAll(benchmark::State &state, MainController &main)
{
    for (auto _ : state) {
        state.PauseTiming();
        prepareBoard(main, 24);
        state.ResumeTiming();
        main.stopAll();
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
                printRow(name, QString::fromStdString("failed: " + run.error_message), QStringLiteral("—"), 0);
                continue;
            }
            const double scale = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const double wall = run.GetAdjustedRealTime() * scale;
            const double cpu = run.GetAdjustedCPUTime() * scale;
            auto us = [](double v) { return QString::number(v, 'f', v < 10 ? 2 : 1); };
            printRow(name,
                     QStringLiteral("%1 µs (CPU %2 µs, %3 iterations)").arg(us(wall), us(cpu)).arg(run.iterations));
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
    fakes.main->startUp();
    fakes.main->handOver();
    MainController &f = *fakes.main;

    Program program(programFolder(), env.settingsPath());
    MainController &r = program.controller();
    r.startUp();
    r.handOver();
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
    reg("first tick of a station (run begins, counters saved), " + real,
        [&r](benchmark::State &s) { firstTick(s, r); });
    reg("Timerplay wake at a filled slot (sound started), fakes",
        [&fakes](benchmark::State &s) { playerWake(s, fakes); });
    reg("a slot filled and emptied again (Timerplay set twice), fakes",
        [&f](benchmark::State &s) { slotFilledAndEmptied(s, f); });
    reg("a slot filled and emptied again (Timerplay set twice), " + real,
        [&r](benchmark::State &s) { slotFilledAndEmptied(s, r); });
    // Each Stop all needs a fresh board whose 32 runs have begun, and every
    // beginning saves the counters: a fixed count keeps that to seconds.
    reg("Stop all, 24 running and 8 expired, fakes", [&f](benchmark::State &s) { stopAll(s, f); })->Iterations(100);
    reg("Stop all, 24 running and 8 expired, " + real, [&r](benchmark::State &s) { stopAll(s, r); })->Iterations(100);
    reg("sound start on the event thread (the player's play()), " + real + ", " + soundSetting().toStdString(),
        [&program](benchmark::State &s) { realSoundStart(s, program); })
        ->Iterations(200);

    TableReporter table;
    BothReporters reporters(table);
    benchmark::RunSpecifiedBenchmarks(&reporters);
    benchmark::Shutdown();
    return 0;
}
