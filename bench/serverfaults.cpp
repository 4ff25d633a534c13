// The real alarm player (QtMediaPlayer) while its sound server misbehaves,
// on a private PulseAudio null sink whose monitor is recorded.
//
// "restarts N": a single expired station's rhythm (its sound every 5310 ms);
// N times the server ends (SIGKILL and SIGTERM in turn, at another moment
// of the rhythm each time) and starts again on the same socket 0.2 to 3 s
// later. A restart
// counts as heard again when sound reaches the sink within two sweeps
// (11 s) of the server's return.
// "hang SECONDS": the same rhythm while the server is stopped (SIGSTOP) for
// the span, then continued: the threads before, at most during and after
// it, and whether the alarm is heard again.
// "sweep TRIALS": a new assignment lands across the end of a stream, 100 µs
// later in each trial, centred on the moment the server removes the stream
// (from `pactl subscribe`, median of 5). scripts/bench runs it built with
// AddressSanitizer: any report ends it with a failure.

#include "benchenv.h"

#include "platform/qt/qtmediaplayer.h"

#include "platform/sinkrecorder.h"
#include "platform/soundserver.h"
#include "platform/stationsounds.h"
#include "platform/wavfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace kirvano;
using namespace kirvano::bench;
using namespace kirvano::test;

namespace {

constexpr int RhythmMs = 5310;
constexpr int HeardAgainMs = 11000;

// A single expired station: its sound every 5310 ms, the first one now.
class Rhythm
{
public:
    explicit Rhythm(QtMediaPlayer &mediaPlayer) : m_mediaPlayer(mediaPlayer)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { m_mediaPlayer.play(stationSound(1)); });
        m_mediaPlayer.play(stationSound(1));
        m_timer.start(RhythmMs);
    }

private:
    QtMediaPlayer &m_mediaPlayer;
    QTimer m_timer;
};

QString seconds(const std::vector<double> &ms)
{
    if (ms.empty())
        return QStringLiteral("—");
    double sum = 0;
    for (double v : ms)
        sum += v;
    return QStringLiteral("mean %1 s, max %2 s")
        .arg(sum / double(ms.size()) / 1000, 0, 'f', 1)
        .arg(*std::max_element(ms.begin(), ms.end()) / 1000, 0, 'f', 1);
}

bool restarts(QtMediaPlayer &mediaPlayer, PrivateSoundServer &server, int count)
{
    Rhythm rhythm(mediaPlayer);
    std::vector<double> heardAfter;
    for (int i = 0; i < count; ++i) {
        QTest::qWait(2000 + (i * 1777) % RhythmMs);
        if (i % 2)
            ::kill(pid_t(server.pid()), SIGTERM);
        else
            server.kill();
        // Away for 0.2 to 3 s, so that some sounds fall due while it is.
        QTest::qWait(200 + (i * 1300) % 2800);
        const QString error = server.restart();
        QElapsedTimer back;
        back.start();
        SinkRecorder recorder;
        const bool heard = error.isEmpty() && recorder.start(server.address()).isEmpty()
                           && recorder.waitForSound(HeardAgainMs - int(back.elapsed()));
        if (heard)
            heardAfter.push_back(double(back.elapsed()));
        std::fprintf(stderr, "restart %d: %s after %.1f s %s\n", i + 1, heard ? "heard" : "NOT heard",
                     back.elapsed() / 1e3, qPrintable(error));
    }
    const int heard = int(heardAfter.size());
    printRow(QStringLiteral("Sound server restarted on the same socket while a station calls (SIGKILL and SIGTERM "
                            "in turn, at another moment of the 5310 ms rhythm each time, away 0.2 to 3 s): heard "
                            "again within two sweeps (11 s) of the server's return"),
             QStringLiteral("%1 of %2 (%3)").arg(heard).arg(count).arg(seconds(heardAfter)),
             QStringLiteral("%1 of %1").arg(count), int(heard == count));
    return heard == count;
}

bool hang(QtMediaPlayer &mediaPlayer, PrivateSoundServer &server, SinkRecorder &recorder, int span)
{
    Rhythm rhythm(mediaPlayer);
    recorder.restart();
    if (!recorder.waitForSound(RhythmMs + 3000)) {
        printRow(QStringLiteral("Sound server hung: not heard before the hang"), QStringLiteral("—"),
                 QStringLiteral("heard"), 0);
        return false;
    }
    QTest::qWait(1000);
    const int before = threadCount();
    int most = before;
    ::kill(pid_t(server.pid()), SIGSTOP);
    for (int s = 0; s < span; ++s) {
        QTest::qWait(1000);
        most = std::max(most, threadCount());
    }
    ::kill(pid_t(server.pid()), SIGCONT);
    QElapsedTimer back;
    back.start();
    recorder.restart();
    const bool heard = recorder.waitForSound(HeardAgainMs);
    const qint64 heardAfter = back.elapsed();
    QTest::qWait(int(std::max<qint64>(0, HeardAgainMs - back.elapsed())));
    const int after = threadCount();
    printRow(QStringLiteral("Sound server hung (SIGSTOP) for %1 s while a station calls: threads before / at most "
                            "during / 11 s after it answers again")
                 .arg(span),
             QStringLiteral("%1 / %2 / %3").arg(before).arg(most).arg(after),
             QStringLiteral("at most one more, none after"), int(most <= before + 1 && after <= before));
    printRow(QStringLiteral("Sound server hung for %1 s: heard again after it answers").arg(span),
             heard ? QStringLiteral("after %1 s").arg(heardAfter / 1e3, 0, 'f', 1) : QStringLiteral("not within 11 s"),
             QStringLiteral("within 11 s"), int(heard));
    return most <= before + 1 && after <= before && heard;
}

// When the server removes a stream, after the assignment that made it.
double streamEndMs(QtMediaPlayer &mediaPlayer, const QString &tone, const QString &server)
{
    QProcess events;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), server);
    events.setProcessEnvironment(env);
    events.start(QStringLiteral("pactl"), {QStringLiteral("subscribe")});
    events.waitForStarted();
    QTest::qWait(300);
    std::vector<double> ends;
    for (int i = 0; i < 5; ++i) {
        events.readAll();
        const std::int64_t t0 = nowNs();
        mediaPlayer.play(tone);
        (void)QTest::qWaitFor([&] { return events.readAll().contains("'remove' on sink-input"); }, 5000);
        ends.push_back(double(nowNs() - t0) / 1e6);
        QTest::qWait(300);
    }
    events.kill();
    events.waitForFinished();
    std::sort(ends.begin(), ends.end());
    return ends[ends.size() / 2];
}

bool sweep(QtMediaPlayer &mediaPlayer, SinkRecorder &recorder, const QString &dir, const QString &server, int trials)
{
    const QString quiet = dir + QStringLiteral("/quiet.wav");
    const QString loud = dir + QStringLiteral("/loud.wav");
    writeToneWav(quiet, 0.3, 440, 0.25);
    writeToneWav(loud, 0.3, 660, 0.5);
    const double endMs = streamEndMs(mediaPlayer, quiet, server);
    const double firstMs = endMs - trials / 2 * 0.1;
    int heard = 0;
    for (int k = 0; k < trials; ++k) {
        const double at = firstMs + k * 0.1;
        const std::int64_t t0 = nowNs();
        mediaPlayer.play(quiet);
        QTest::qWait(std::max(0, int(at) - 5));
        while (double(nowNs() - t0) / 1e6 < at) {
        }
        recorder.restart();
        mediaPlayer.play(loud);
        heard += recorder.waitForSound(3000, 0.3);
        QTest::qWait(600);
    }
    printRow(QStringLiteral("Close sweep: a new assignment across a stream's end, %1 trials 100 µs apart from %2 to "
                            "%3 ms after the assignment (the server removes the stream at %4 ms), "
                            "AddressSanitizer: reports / new sounds heard")
                 .arg(trials)
                 .arg(firstMs, 0, 'f', 1)
                 .arg(firstMs + (trials - 1) * 0.1, 0, 'f', 1)
                 .arg(endMs, 0, 'f', 1),
             QStringLiteral("0 / %1 of %2").arg(heard).arg(trials), QStringLiteral("0 / all"), int(heard == trials));
    return heard == trials;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString mode = QString::fromLatin1(argc > 1 ? argv[1] : "restarts");
    const int amount = argc > 2 ? std::atoi(argv[2]) : 20;

    PrivateEnvironment env;
    QApplication app(argc, argv);
    PrivateSoundServer server;
    const QString serverError = server.start();
    if (!serverError.isEmpty()) {
        printRow(QStringLiteral("Sound server faults: no private sound server"), serverError,
                 QStringLiteral("a server"), 0);
        return 1;
    }
    qputenv("PULSE_SERVER", server.address().toLocal8Bit());
    SinkRecorder recorder;
    const QString recorderError = recorder.start(server.address());
    if (!recorderError.isEmpty()) {
        printRow(QStringLiteral("Sound server faults: no recording"), recorderError, QStringLiteral("a recording"), 0);
        return 1;
    }
    bool met = false;
    {
        QtMediaPlayer mediaPlayer;
        if (mode == QLatin1String("hang"))
            met = hang(mediaPlayer, server, recorder, amount);
        else if (mode == QLatin1String("sweep"))
            met = sweep(mediaPlayer, recorder, env.root(), server.address(), amount);
        else
            met = restarts(mediaPlayer, server, amount);
    }
    return met ? 0 : 1;
}
