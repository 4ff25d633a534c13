// wmp1 with no sound server at all: silent, and the program runs on.

#include "platform/qt/qtmediaplayer.h"

#include "loopwatch.h"
#include "stationsounds.h"

#include "support/testenv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace kirvano;
using namespace kirvano::test;

namespace {

constexpr qint64 PromptMs = 500;
constexpr qint64 StallMs = 500;

} // namespace

TEST(QtMediaPlayerNoServer, PlaysNothingAndHoldsNothingUp)
{
    // A server address where none listens, set before the first player is made.
    qputenv("PULSE_SERVER", ("unix:" + freshFolder(QStringLiteral("no-server")) + "/native").toLocal8Bit());
    LoopWatch loop;
    ASSERT_TRUE(QFile::exists(stationSound(1))) << stationSound(1).toStdString();

    QElapsedTimer took;
    took.start();
    auto player = std::make_unique<QtMediaPlayer>();
    EXPECT_LT(took.elapsed(), PromptMs) << "creating the player held up the event loop";

    const QString garbage = freshFolder(QStringLiteral("garbage")) + QStringLiteral("/3.wav");
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(20000, 'Z'));
    file.close();

    // Good files, the same again, unplayable and missing ones in between.
    const QStringList paths = {stationSound(1),
                               stationSound(1),
                               garbage,
                               stationSound(4),
                               garbage,
                               garbage,
                               QStringLiteral("/nonexistent/suoni_timer/2.wav"),
                               stationSound(32)};
    for (const QString &path : paths) {
        took.restart();
        player->play(path);
        EXPECT_LT(took.elapsed(), PromptMs) << "setURL(" << path.toStdString() << ") held up the event loop";
        QTest::qWait(400);
    }
    QTest::qWait(1000);
    EXPECT_LT(loop.longestGap(), StallMs);
    EXPECT_GT(loop.ticks(), 100) << "the event loop stopped running";

    took.restart();
    player.reset();
    EXPECT_LT(took.elapsed(), PromptMs) << "the player hung on its way out";
}

TEST(QtMediaPlayerNoServer, StuckPlayerIsLeftBehindAndTheProgramRunsOn)
{
    qputenv("PULSE_SERVER", ("unix:" + freshFolder(QStringLiteral("no-server-2")) + "/native").toLocal8Bit());
    LoopWatch loop;
    QtMediaPlayer player;
    QObject *firstPlayer = player.worker();
    ASSERT_TRUE(firstPlayer);

    // Hold the player's thread as a deadlock inside the media framework would.
    QMetaObject::invokeMethod(
        firstPlayer, [] { QThread::msleep(QtMediaPlayer::StuckAfterMs + 1500); }, Qt::QueuedConnection);
    QElapsedTimer took;
    took.start();
    player.play(stationSound(1));
    EXPECT_LT(took.elapsed(), PromptMs);
    QTest::qWait(QtMediaPlayer::StuckAfterMs + 200);
    EXPECT_EQ(player.abandonedPlayers(), 0);

    took.restart();
    player.play(stationSound(2)); // the first player has been stuck too long
    EXPECT_LT(took.elapsed(), PromptMs);
    EXPECT_EQ(player.abandonedPlayers(), 1);
    ASSERT_TRUE(player.worker());
    EXPECT_NE(player.worker(), firstPlayer);
    EXPECT_FLOAT_EQ(player.volume(), 0.82f);
    QTest::qWait(300);
    EXPECT_LT(loop.longestGap(), StallMs);
}
