#include "alarm/alarmplayer.h"

#include "support/fakes.h"
#include "support/faketimer.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

using namespace kirvano;
using kirvano::test::FakeMediaPlayer;
using kirvano::test::FakeTimer;
using kirvano::test::VirtualClock;

namespace {

QString pathOf(int slot)
{
    return QStringLiteral("/opt/kirvano/suoni_timer/%1.wav").arg(slot + 1);
}

// Start times of the plays of one path.
std::vector<qint64> startTimes(const FakeMediaPlayer &mediaPlayer, const QString &path)
{
    std::vector<qint64> times;
    for (const auto &p : mediaPlayer.plays)
        if (p.path == path)
            times.push_back(p.at);
    return times;
}

void expectEvery(const std::vector<qint64> &times, qint64 period)
{
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_EQ(times[i] - times[i - 1], period) << "between plays " << i - 1 << " and " << i;
}

// The main window's share of the alarm: a queue, Timerplay created running
// at 10 ms, and wmp1, all on the virtual clock.
class AlarmPlayerTest : public ::testing::Test
{
protected:
    void fill(int slot) { queue[slot] = pathOf(slot); }

    // Lets the cursor tick exactly once more.
    void nextTick() { clock.advanceTo(player.nextTickAt()); }

    std::vector<qint64> playsOf(const QString &path) const { return startTimes(mediaPlayer, path); }

    VirtualClock clock;
    SoundQueue queue;
    FakeTimer timer{clock, EmptySlotInterval, true, QStringLiteral("Timerplay")};
    FakeMediaPlayer mediaPlayer{&clock};
    AlarmPlayer player{queue, timer, mediaPlayer, [this] { return clock.now(); }};
};

} // namespace

TEST_F(AlarmPlayerTest, CursorIsSixteenBitAndStartsAtZero)
{
    static_assert(std::is_same_v<decltype(player.cursor()), qint16>);
    EXPECT_EQ(player.cursor(), 0);
    EXPECT_EQ(timer.interval(), 10);
    EXPECT_TRUE(timer.isEnabled());
}

TEST_F(AlarmPlayerTest, FirstSweepVisitsSlotOneFirstAndSlotZeroLast)
{
    std::vector<int> visited;
    for (int i = 0; i < 32; ++i) {
        nextTick();
        visited.push_back(player.cursor());
    }
    std::vector<int> expected;
    for (int slot = 1; slot <= 31; ++slot)
        expected.push_back(slot);
    expected.push_back(0);
    EXPECT_EQ(visited, expected);
}

TEST_F(AlarmPlayerTest, FirstSweepStartsSoundsInTheSameOrder)
{
    for (int slot = 0; slot < 32; ++slot)
        fill(slot);
    clock.advance(32 * SoundInterval);

    ASSERT_EQ(mediaPlayer.plays.size(), 32u);
    EXPECT_EQ(mediaPlayer.plays.front().path, pathOf(1));
    EXPECT_EQ(mediaPlayer.plays.front().at, 10);
    EXPECT_EQ(mediaPlayer.plays[30].path, pathOf(31));
    EXPECT_EQ(mediaPlayer.plays.back().path, pathOf(0));
    EXPECT_EQ(mediaPlayer.plays.back().at, 10 + 31 * 5000);
}

TEST_F(AlarmPlayerTest, WithoutAlarmASweepIs320MsAndThePlayerIsNeverTouched)
{
    clock.advance(319);
    EXPECT_EQ(player.cursor(), 31);
    clock.advance(1);
    EXPECT_EQ(player.cursor(), 0);

    clock.advance(60 * 60 * 1000);
    EXPECT_EQ(player.cursor(), 0); // 32 + 360000 ticks
    // The cursor's walk costs no wake-up: Timerplay ticked once, found
    // every slot empty and stopped.
    EXPECT_EQ(timer.ticks(), 1);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(timer.interval(), 10);
    EXPECT_TRUE(mediaPlayer.plays.empty());
}

TEST_F(AlarmPlayerTest, OneExpiredStationIsStartedEvery5310Ms)
{
    fill(4);
    clock.advance(10 * 5310);

    const auto times = playsOf(pathOf(4));
    ASSERT_EQ(times.size(), 10u);
    EXPECT_EQ(times.front(), 40); // slot 4 is the 4th tick of the first sweep
    expectEvery(times, 5310);
    EXPECT_EQ(mediaPlayer.plays.size(), times.size());
}

TEST(AlarmPlayer, SeveralStationsTakeTurnsInSlotOrder)
{
    const std::vector<std::vector<int>> sets = {
        {0, 31},
        {3, 7, 20},
        {1, 2, 3, 4, 5},
        {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30},
    };
    for (const auto &expired : sets) {
        SCOPED_TRACE(::testing::Message() << expired.size() << " stations from slot " << expired.front());
        VirtualClock clock;
        SoundQueue queue;
        FakeTimer timer(clock, EmptySlotInterval, true);
        FakeMediaPlayer mediaPlayer(&clock);
        AlarmPlayer player(queue, timer, mediaPlayer, [&clock] { return clock.now(); });
        for (int slot : expired)
            queue[slot] = pathOf(slot);

        const qint64 k = static_cast<qint64>(expired.size());
        const qint64 sweep = k * 5000 + (32 - k) * 10;
        clock.advance(3 * sweep);

        // Ascending slot order beginning after the cursor: the first sweep
        // starts at slot 1, so slot 0 comes last in it.
        std::vector<int> order;
        for (int slot : expired)
            if (slot != 0)
                order.push_back(slot);
        if (expired.front() == 0)
            order.push_back(0);
        ASSERT_EQ(mediaPlayer.plays.size(), 3 * expired.size());
        for (size_t i = 0; i < mediaPlayer.plays.size(); ++i)
            EXPECT_EQ(mediaPlayer.plays[i].path, pathOf(order[i % order.size()])) << "play " << i;
        for (int slot : expired) {
            const auto times = startTimes(mediaPlayer, pathOf(slot));
            ASSERT_EQ(times.size(), 3u) << "slot " << slot;
            expectEvery(times, sweep);
        }
    }
}

TEST_F(AlarmPlayerTest, StationsOneAndThirtyTwoAreBothHeardAndSlot32IsNeverRead)
{
    fill(0);
    fill(31);
    queue[32] = QStringLiteral("/opt/kirvano/suoni_timer/nobody.wav");

    const qint64 sweep = 2 * 5000 + 30 * 10;
    clock.advance(20 * sweep);

    EXPECT_EQ(playsOf(pathOf(0)).size(), 20u);
    EXPECT_EQ(playsOf(pathOf(31)).size(), 20u);
    expectEvery(playsOf(pathOf(0)), sweep);
    expectEvery(playsOf(pathOf(31)), sweep);
    EXPECT_TRUE(playsOf(queue[32]).empty());
    EXPECT_EQ(mediaPlayer.plays.size(), 40u);
}

TEST_F(AlarmPlayerTest, ResettingWhileTheCursorLingersStillWaitsOutFiveSeconds)
{
    fill(5);
    clock.advance(50);
    ASSERT_EQ(mediaPlayer.plays.size(), 1u);
    ASSERT_EQ(player.cursor(), 5);

    clock.advance(100);
    queue[5].clear(); // the operator resets station 6
    clock.advance(4899);
    EXPECT_EQ(player.cursor(), 5) << "moved on before the 5000 ms were over";
    clock.advance(1);
    EXPECT_EQ(player.cursor(), 6);
    EXPECT_EQ(timer.interval(), 10);

    // Not started again; the sweeps are back to 320 ms, walked without a wake-up.
    const int ticks = timer.ticks();
    clock.advance(10 * 320);
    EXPECT_EQ(player.cursor(), 6);
    EXPECT_EQ(timer.ticks(), ticks);
    EXPECT_EQ(mediaPlayer.plays.size(), 1u);
}

TEST_F(AlarmPlayerTest, StationExpiringJustAfterTheCursorPassedIsHeardOneSweepLater)
{
    clock.advance(100); // the cursor has just visited slot 10
    ASSERT_EQ(player.cursor(), 10);
    fill(10);
    clock.advance(319);
    EXPECT_TRUE(mediaPlayer.plays.empty());
    clock.advance(1);
    ASSERT_EQ(mediaPlayer.plays.size(), 1u);
    EXPECT_EQ(mediaPlayer.plays.front().at, 420);
}

TEST_F(AlarmPlayerTest, AllThirtyTwoExpiredTakes160SecondsASweep)
{
    for (int slot = 0; slot < 32; ++slot)
        fill(slot);
    clock.advance(3 * 160000);

    EXPECT_EQ(mediaPlayer.plays.size(), 3u * 32u);
    for (int slot = 0; slot < 32; ++slot) {
        const auto times = playsOf(pathOf(slot));
        ASSERT_EQ(times.size(), 3u) << "slot " << slot;
        expectEvery(times, 160000);
    }
    EXPECT_EQ(timer.interval(), 5000);
}

TEST_F(AlarmPlayerTest, CursorStaysWithinTheStationSlots)
{
    // Slots filled and emptied while the cursor runs, over many sweeps.
    for (int i = 0; i < 5000; ++i) {
        if (i % 7 == 0)
            fill((i / 7) % 32);
        if (i % 11 == 0)
            queue[(i / 3) % 32].clear();
        nextTick();
        ASSERT_GE(player.cursor(), 0) << "tick " << i;
        ASSERT_LE(player.cursor(), 31) << "tick " << i;
    }
    for (const auto &p : mediaPlayer.plays)
        EXPECT_NE(p.path, QString());
}

TEST_F(AlarmPlayerTest, TheSameSoundIsAssignedAgainEverySweep)
{
    // A sound is assigned anew even when it is the one assigned last, so the
    // player restarts it from its beginning.
    fill(0);
    clock.advance(3 * 5310);
    ASSERT_EQ(mediaPlayer.plays.size(), 3u);
    EXPECT_EQ(mediaPlayer.plays[1].path, mediaPlayer.plays[0].path);
    EXPECT_EQ(mediaPlayer.plays[2].path, mediaPlayer.plays[0].path);
}
