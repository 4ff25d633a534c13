// Stress of the real alarm player (QtMediaPlayer) on a private PulseAudio
// null sink whose monitor is recorded: every sound start must be heard.
//
// "fast N": N starts, each as soon as the one before is heard, two tones
// taking turns so that each start replaces the sound in progress: a quiet
// one and a loud one, told apart by their level on the monitor.
// "rhythm SECONDS": the program's own pattern, one station sound every
// 5310 ms (a single expired station), for the given span. "ending
// SECONDS": the same with a 0.2 s tone every 1300 ms, so that many streams
// end and close by themselves in a shorter span.
//
// Rows: sound starts heard and missed, players left stuck, threads and
// resident memory growth (after a warm-up that has decoded every file),
// and what a start costs the calling (event) thread.

#include "benchenv.h"

#include "platform/qt/qtmediaplayer.h"

#include "platform/sinkrecorder.h"
#include "platform/soundserver.h"
#include "platform/stationsounds.h"
#include "platform/wavfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

using namespace kirvano;
using namespace kirvano::bench;
using namespace kirvano::test;

namespace {

constexpr int HearWithinMs = 3000;
constexpr int RhythmMs = 5310;
constexpr int EndingMs = 1300;
constexpr double QuietTone = 0.25;
constexpr double LoudTone = 0.5;
constexpr int ChunkMs = 20;

struct Tally
{
    int starts = 0;
    int heard = 0;
    std::vector<double> callUs; // play on the calling thread
    double rssAfterWarmUp = -1;
    int threadsAfterWarmUp = -1;
    qint64 warmUpMs = 0;
};

// Assigns a path and times the call on this thread.
void assign(QtMediaPlayer &player, const QString &path, Tally &t)
{
    const std::int64_t t0 = nowNs();
    player.play(path);
    t.callUs.push_back(double(nowNs() - t0) / 1e3);
    ++t.starts;
}

// Waits until the monitor carries a level in [low, high) of full scale, in
// chunks of 20 ms, so the sound in progress before it is not taken for it.
bool hearLevel(SinkRecorder &recorder, double low, double high)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < HearWithinMs) {
        const double peak = recorder.record(ChunkMs).peak();
        if (peak >= low && peak < high)
            return true;
    }
    return false;
}

void warmedUp(Tally &t, const QElapsedTimer &run)
{
    t.rssAfterWarmUp = statusMB("VmRSS");
    t.threadsAfterWarmUp = threadCount();
    t.warmUpMs = run.elapsed();
}

void fast(QtMediaPlayer &player, SinkRecorder &recorder, const QString &dir, int count, Tally &t)
{
    const QString quiet = dir + QStringLiteral("/quiet.wav");
    const QString loud = dir + QStringLiteral("/loud.wav");
    writeToneWav(quiet, 1.0, 440, QuietTone);
    writeToneWav(loud, 1.0, 660, LoudTone);
    const double quietLevel = 0.82 * QuietTone;
    const double loudLevel = 0.82 * LoudTone;
    const double between = (quietLevel + loudLevel) / 2;

    QElapsedTimer run;
    run.start();
    for (int i = 0; i < count; ++i) {
        if (i == 100)
            warmedUp(t, run);
        const bool isLoud = i % 2;
        assign(player, isLoud ? loud : quiet, t);
        const bool heard = isLoud ? hearLevel(recorder, between, 1.0) : hearLevel(recorder, quietLevel / 2, between);
        t.heard += heard;
        if (!heard)
            std::fprintf(stderr, "start %d not heard\n", i);
        if (i % 500 == 499)
            std::fprintf(stderr, "%d starts, %d heard, %.0f s\n", i + 1, t.heard, run.elapsed() / 1e3);
    }
}

// One start every periodMs, each sound heard and ended before the next.
void rhythm(QtMediaPlayer &player, SinkRecorder &recorder, int seconds, int periodMs,
            const std::function<QString(int)> &soundOf, Tally &t)
{
    QElapsedTimer run;
    run.start();
    for (int i = 0; run.elapsed() < qint64(seconds) * 1000; ++i) {
        if (i == 32)
            warmedUp(t, run);
        recorder.restart();
        assign(player, soundOf(i), t);
        const bool heard = recorder.waitForSound(HearWithinMs);
        t.heard += heard;
        if (!heard)
            std::fprintf(stderr, "start %d (%s) not heard\n", i, qPrintable(soundOf(i)));
        // The audio of the wait is thrown away as it comes: a recording of
        // seconds would weigh on the memory figures.
        const qint64 next = qint64(i + 1) * periodMs;
        while (run.elapsed() < next) {
            QTest::qWait(int(std::min<qint64>(100, next - run.elapsed())));
            recorder.restart();
        }
        if (i % 60 == 59)
            std::fprintf(stderr, "%d starts, %d heard, %.0f s\n", i + 1, t.heard, run.elapsed() / 1e3);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const bool isEnding = argc > 1 && std::strcmp(argv[1], "ending") == 0;
    const bool isRhythm = isEnding || (argc > 1 && std::strcmp(argv[1], "rhythm") == 0);
    const int amount = argc > 2 ? std::atoi(argv[2]) : (isRhythm ? 3600 : 5000);

    PrivateEnvironment env;
    QApplication app(argc, argv);
    PrivateSoundServer server;
    const QString serverError = server.start();
    if (!serverError.isEmpty()) {
        printRow(QStringLiteral("Sound stress: no private sound server"), serverError, QStringLiteral("a server"), 0);
        return 1;
    }
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    SinkRecorder recorder;
    const QString recorderError = recorder.start(server.address());
    if (!recorderError.isEmpty()) {
        printRow(QStringLiteral("Sound stress: no recording"), recorderError, QStringLiteral("a recording"), 0);
        return 1;
    }

    const int threadsBefore = threadCount();
    Tally t;
    int abandoned = 0;
    {
        QtMediaPlayer player;
        const QString tone = env.root() + QStringLiteral("/short.wav");
        writeToneWav(tone, 0.2, 440, QuietTone);
        if (isEnding)
            rhythm(
                player, recorder, amount, EndingMs, [&tone](int) { return tone; }, t);
        else if (isRhythm)
            rhythm(
                player, recorder, amount, RhythmMs, [](int i) { return stationSound(1 + i % 32); }, t);
        else
            fast(player, recorder, env.root(), amount, t);
        abandoned = player.abandonedPlayers();
        QTest::qWait(1500); // the last sound ends and its stream closes
        const double rss = statusMB("VmRSS");
        const int threads = threadCount();

        const QString what =
            isEnding ? QStringLiteral("Sound stress, sounds that end by themselves (a 0.2 s tone every 1300 ms, %1 s)")
                           .arg(amount)
            : isRhythm
                ? QStringLiteral("Sound stress, the program's rhythm (a station sound every 5310 ms, %1 s)").arg(amount)
                : QStringLiteral("Sound stress, fast (each start as soon as the one before is heard, replacing it)");
        const int missed = t.starts - t.heard;
        printRow(what + QStringLiteral(": starts heard on the sink's monitor / missed"),
                 QStringLiteral("%1 / %2").arg(t.heard).arg(missed), QStringLiteral("0 missed"), int(missed == 0));
        const double per1000 = 1000.0 / std::max(1, t.starts);
        printRow(what + QStringLiteral(": stuck players left behind, per 1,000 starts"),
                 QStringLiteral("%1 (%2 in all)").arg(abandoned * per1000, 0, 'f', 2).arg(abandoned),
                 QStringLiteral("0"), int(abandoned == 0));
        const int warmStarts = t.starts - (isRhythm ? 32 : 100);
        const double growth = rss - t.rssAfterWarmUp;
        printRow(what + QStringLiteral(": threads before the player / after the warm-up / at the end"),
                 QStringLiteral("%1 / %2 / %3").arg(threadsBefore).arg(t.threadsAfterWarmUp).arg(threads),
                 QStringLiteral("no growth"), int(threads <= t.threadsAfterWarmUp));
        printRow(
            what
                + QStringLiteral(": resident memory growth after the warm-up (%1 starts), in all / per 1,000 starts")
                      .arg(warmStarts),
            QStringLiteral("%1 MB / %2 MB (VmRSS %3 → %4 MB)")
                .arg(growth, 0, 'f', 2)
                .arg(growth * 1000.0 / std::max(1, warmStarts), 0, 'f', 3)
                .arg(t.rssAfterWarmUp, 0, 'f', 1)
                .arg(rss, 0, 'f', 1),
            QStringLiteral("< 1 MB in all"), int(growth < 1.0));
        std::vector<double> us = t.callUs;
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double v : us)
            sum += v;
        if (!us.empty())
            printRow(
                what + QStringLiteral(": one sound start on the calling (event) thread, mean / 99th percentile / max"),
                QStringLiteral("%1 µs / %2 µs / %3 µs (%4 starts)")
                    .arg(sum / us.size(), 0, 'f', 1)
                    .arg(us[size_t(0.99 * (us.size() - 1))], 0, 'f', 1)
                    .arg(us.back(), 0, 'f', 1)
                    .arg(us.size()));
    }
    // The player's thread must have gone with it.
    QTest::qWait(200);
    const int threadsAfter = threadCount();
    printRow(QStringLiteral("Sound stress: threads after the player is gone (before it: %1)").arg(threadsBefore),
             QString::number(threadsAfter));
    std::fflush(stdout);
    // A player stuck inside the media framework would hang the way out.
    server.kill();
    std::_Exit(t.heard == t.starts && abandoned == 0 ? 0 : 1);
}
