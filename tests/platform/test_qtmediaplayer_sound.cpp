// wmp1 heard for real: a private sound server with a null sink, its monitor
// recorded while the real adapter plays.

#include "platform/qt/qtmediaplayer.h"

#include "logcapture.h"
#include "loopwatch.h"
#include "sinkrecorder.h"
#include "soundserver.h"
#include "stationsounds.h"
#include "wavfile.h"

#include "support/testenv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>

using namespace kirvano;
using namespace kirvano::test;

namespace {

// From play() to the sink takes about 200 ms; a loaded machine takes longer.
constexpr int StartLatencyMs = 3000;
// Bound of every wait for a sound that should come.
constexpr int WaitMs = 10000;
// Longest time a play() may take: it must return at once.
constexpr qint64 PromptMs = 500;
// Longest tick gap of the event loop while sound plays.
constexpr qint64 StallMs = 500;
// A recorded peak within this fraction of 0.82 times the file's peak.
constexpr double PeakTolerance = 0.03;

class QtMediaPlayerSound : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!PrivateSoundServer::missingTools().isEmpty())
            return;
        server = new PrivateSoundServer;
        serverError = server->start();
        // Every player of this program talks to the private server only.
        qputenv("PULSE_SERVER", server->address().toLocal8Bit());
    }

    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }

    void SetUp() override
    {
        const QString missing = PrivateSoundServer::missingTools();
        if (!missing.isEmpty())
            GTEST_SKIP() << "sound tools not installed: " << missing.toStdString();
        ASSERT_TRUE(serverError.isEmpty()) << serverError.toStdString();
        const QString error = recorder.start(server->address());
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        dir = freshFolder(QStringLiteral("sounds"));
    }

    // Assigns a path and checks that the assignment returned at once.
    void assign(QtMediaPlayer &player, const QString &path)
    {
        QElapsedTimer took;
        took.start();
        player.play(path);
        EXPECT_LT(took.elapsed(), PromptMs) << "setURL(" << path.toStdString() << ") held up the event loop";
    }

    // Assigns a path and records from then until `afterMs` past the start of
    // its sound; only what came first if no sound comes.
    SoundRecording playAndRecord(QtMediaPlayer &player, const QString &path, int afterMs)
    {
        recorder.restart();
        assign(player, path);
        if (!recorder.waitForSound(WaitMs))
            return recorder.record(recorder.recordedMs());
        return recorder.record(recorder.recordedMs() + afterMs);
    }

    static PrivateSoundServer *server;
    static QString serverError;

    SinkRecorder recorder;
    LoopWatch loop;
    QString dir;
};

PrivateSoundServer *QtMediaPlayerSound::server = nullptr;
QString QtMediaPlayerSound::serverError;

} // namespace

TEST_F(QtMediaPlayerSound, PlaysAStationSoundOnceAtVolume82)
{
    const QString file = stationSound(5);
    const WavInfo info = readWav(file);
    ASSERT_GT(info.peak, 0.5) << file.toStdString();
    ASSERT_GT(info.milliseconds, 1000);
    ASSERT_LT(info.milliseconds, 5000);

    QtMediaPlayer player;
    EXPECT_EQ(player.objectName(), QStringLiteral("wmp1"));
    EXPECT_FLOAT_EQ(player.volume(), 0.82f);

    const SoundRecording rec = playAndRecord(player, file, int(info.milliseconds) + 700);
    const double start = rec.firstSound();
    ASSERT_GE(start, 0) << "nothing reached the sink";
    EXPECT_LT(start, StartLatencyMs);

    const double ratio = rec.peak() / info.peak;
    std::cout << "recorded peak " << rec.peak() << " / file peak " << info.peak << " = " << ratio << std::endl;
    EXPECT_NEAR(ratio, 0.82, 0.82 * PeakTolerance);

    // Once, whole: the sound lasts as long as the file and does not come back.
    const double heard = rec.lastSound() - start;
    std::cout << "heard " << heard << " ms of a " << info.milliseconds << " ms file, " << start << " ms after setURL"
              << std::endl;
    EXPECT_NEAR(heard, info.milliseconds, 300);
    EXPECT_LT(loop.longestGap(), StallMs);
}

TEST_F(QtMediaPlayerSound, NothingPlayingRecordsExactSilence)
{
    recorder.restart();
    EXPECT_TRUE(recorder.record(1000).isExactSilence());

    QtMediaPlayer player; // created, never assigned
    recorder.restart();
    const SoundRecording rec = recorder.record(1000);
    EXPECT_EQ(rec.milliseconds(), 1000);
    EXPECT_TRUE(rec.isExactSilence()) << "peak " << rec.peak();
}

TEST_F(QtMediaPlayerSound, MissingOrUnplayableFileIsSilentAndLogged)
{
    QFile garbage(dir + QStringLiteral("/garbage.wav"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(20000, '\x5a'));
    garbage.close();

    for (const QString &path : {dir + QStringLiteral("/suoni_timer/1.wav"), garbage.fileName()}) {
        SCOPED_TRACE(path.toStdString());
        LogCapture log;
        QtMediaPlayer player;
        recorder.restart();
        assign(player, path);
        const SoundRecording rec = recorder.record(2000);
        EXPECT_TRUE(rec.isExactSilence()) << "peak " << rec.peak();
        EXPECT_TRUE(log.contains(QStringLiteral("wmp1"))) << "no error in the log";
        EXPECT_LT(loop.longestGap(), StallMs);
    }
}

TEST_F(QtMediaPlayerSound, PlaysAgainAfterAFailedFile)
{
    const QString station = stationSound(7);
    const WavInfo info = readWav(station);
    QtMediaPlayer player;
    assign(player, dir + QStringLiteral("/missing.wav"));
    QTest::qWait(300); // the failure is reported

    const SoundRecording rec = playAndRecord(player, station, int(info.milliseconds) + 300);
    ASSERT_GE(rec.firstSound(), 0) << "silent after a failed file";
    EXPECT_NEAR(rec.peak() / info.peak, 0.82, 0.82 * PeakTolerance);
    EXPECT_LT(loop.longestGap(), StallMs);
}

TEST_F(QtMediaPlayerSound, MissingFileStopsTheSoundInProgress)
{
    const QString tone = dir + QStringLiteral("/tone4s.wav");
    ASSERT_TRUE(writeToneWav(tone, 4.0, 440, 0.5));

    QtMediaPlayer player;
    const SoundRecording before = playAndRecord(player, tone, 500);
    ASSERT_GT(before.peak(), 0.3);

    assign(player, dir + QStringLiteral("/missing.wav"));
    const SoundRecording after = recorder.record(2000);
    EXPECT_LT(after.lastSound(), 600) << "the old sound played on";
    EXPECT_TRUE(recorder.record(500).isExactSilence());
}

TEST_F(QtMediaPlayerSound, NewFileReplacesTheSoundInProgress)
{
    const QString longTone = dir + QStringLiteral("/long.wav");
    const QString shortTone = dir + QStringLiteral("/short.wav");
    ASSERT_TRUE(writeToneWav(longTone, 4.0, 440, 0.25));
    ASSERT_TRUE(writeToneWav(shortTone, 0.5, 660, 0.5));

    QtMediaPlayer player;
    ASSERT_GE(playAndRecord(player, longTone, 500).firstSound(), 0);

    recorder.restart();
    assign(player, shortTone);
    // The short tone is the louder one.
    ASSERT_TRUE(recorder.waitForSound(WaitMs, 0.3)) << "the new sound was not heard";
    const SoundRecording rec = recorder.record(recorder.recordedMs() + 1500);
    const double start = rec.firstSound(0.3);
    // The old sound ends where the new one starts: nothing of it after the new one.
    EXPECT_NEAR(rec.lastSound() - start, 500, 100);
    // Never both at once: the two tones would add up past the louder one.
    EXPECT_LT(rec.peak(), 0.82 * 0.5 * (1 + PeakTolerance));
}

TEST_F(QtMediaPlayerSound, SameFileAgainRestartsFromItsStart)
{
    const QString tone = dir + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeToneWav(tone, 1.5, 440, 0.5));

    QtMediaPlayer player;
    recorder.restart();
    assign(player, tone);
    ASSERT_TRUE(recorder.waitForSound(WaitMs));
    recorder.restart(); // the sound started about now
    recorder.record(1000);
    assign(player, tone);
    const SoundRecording rec = recorder.record(1500 + StartLatencyMs);
    // Restarted 1 s into a 1.5 s tone: 1.5 s more of it from the assignment.
    const double end = rec.lastSound();
    EXPECT_GT(end, 1300) << "the same file was not played again";
    EXPECT_LT(end, 1500 + StartLatencyMs);
    EXPECT_TRUE(recorder.record(300).isExactSilence());
}

TEST_F(QtMediaPlayerSound, SameFileAgainAfterItEndedIsHeardAgain)
{
    // A single expired station: its sound has ended when it is assigned again.
    const QString tone = dir + QStringLiteral("/short.wav");
    ASSERT_TRUE(writeToneWav(tone, 0.5, 440, 0.5));

    QtMediaPlayer player;
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(::testing::Message() << "round " << round);
        const SoundRecording rec = playAndRecord(player, tone, 700);
        ASSERT_GE(rec.firstSound(), 0) << "not heard";
        EXPECT_LT(rec.firstSound(), StartLatencyMs);
        EXPECT_NEAR(rec.lastSound() - rec.firstSound(), 500, 100);
        EXPECT_TRUE(recorder.record(200).isExactSilence());
    }
}

TEST_F(QtMediaPlayerSound, FloatSamplesPlayAtVolume82)
{
    const QString tone = dir + QStringLiteral("/float.wav");
    ASSERT_TRUE(writeToneWav(tone, 1.0, 440, 0.5, 48000, true));

    QtMediaPlayer mediaPlayer;
    const SoundRecording rec = playAndRecord(mediaPlayer, tone, 1200);
    ASSERT_GE(rec.firstSound(), 0) << "a float WAV is silent";
    EXPECT_NEAR(rec.peak(), 0.82 * 0.5, 0.82 * 0.5 * PeakTolerance);
}

TEST_F(QtMediaPlayerSound, PlaysOnTheOutputThatIsDefaultWhenTheSoundStarts)
{
    const QString tone = dir + QStringLiteral("/short.wav");
    ASSERT_TRUE(writeToneWav(tone, 0.5, 440, 0.5));
    QtMediaPlayer mediaPlayer;
    ASSERT_GE(playAndRecord(mediaPlayer, tone, 700).firstSound(), 0) << "not heard on test_sink, the default";

    // A second output appears and the desktop makes it the default.
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                                          QStringLiteral("sink_name=second_sink"), QStringLiteral("norewinds=1")});
    ASSERT_TRUE(pactl.waitForFinished(5000) && pactl.exitCode() == 0) << "no second sink";
    const QString module = QString::fromLatin1(pactl.readAllStandardOutput()).trimmed();
    const auto restore = qScopeGuard([&module] {
        QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), QStringLiteral("test_sink")});
        QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("unload-module"), module});
    });
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("set-default-sink"), QStringLiteral("second_sink")}),
        0);
    // Recorders made after the change: the server moves the monitors of the old default.
    SinkRecorder oldDefault, newDefault;
    for (auto [rec, sink] : {std::pair{&oldDefault, "test_sink"}, std::pair{&newDefault, "second_sink"}}) {
        const QString error = rec->start(server->address(), QString::fromLatin1(sink));
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }

    oldDefault.restart();
    assign(mediaPlayer, tone);
    EXPECT_TRUE(newDefault.waitForSound(WaitMs)) << "not heard on the new default output";
    EXPECT_TRUE(oldDefault.record(1000).isExactSilence()) << "heard on the old default output";
}

TEST_F(QtMediaPlayerSound, HeardAgainAfterTheServerRestarts)
{
    const QString tone = dir + QStringLiteral("/short.wav");
    ASSERT_TRUE(writeToneWav(tone, 0.5, 440, 0.5));
    LogCapture log;
    QtMediaPlayer mediaPlayer;
    ASSERT_GE(playAndRecord(mediaPlayer, tone, 700).firstSound(), 0);

    // Sounds fall due while the server is away, then it is back on the same socket.
    server->kill();
    for (int sweep = 0; sweep < 2; ++sweep) {
        assign(mediaPlayer, tone);
        QTest::qWait(300);
    }
    const QString restarted = server->restart();
    ASSERT_TRUE(restarted.isEmpty()) << restarted.toStdString();
    SinkRecorder after;
    const QString error = after.start(server->address());
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();

    assign(mediaPlayer, tone);
    EXPECT_TRUE(after.waitForSound(WaitMs)) << "not heard again after the server came back";
    EXPECT_EQ(log.lines().filter(QStringLiteral("no sound server")).size(), 1) << "the outage is told once";
    EXPECT_LT(loop.longestGap(), StallMs);
}

// Last: it ends this program's sound server.
TEST_F(QtMediaPlayerSound, ServerDyingMidSoundIsSurvived)
{
    auto player = std::make_unique<QtMediaPlayer>();
    recorder.restart();
    assign(*player, stationSound(1));
    ASSERT_TRUE(recorder.waitForSound(WaitMs));

    server->kill();
    QTest::qWait(500);
    assign(*player, stationSound(2));
    QTest::qWait(1000);
    EXPECT_LT(loop.longestGap(), StallMs);
    EXPECT_GT(loop.ticks(), 50);

    QElapsedTimer took;
    took.start();
    player.reset();
    EXPECT_LT(took.elapsed(), PromptMs) << "the player hung on its way out";
}
