#include "station/board.h"

#include "support/fakes.h"
#include "support/faketimer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kirvano;
using namespace kirvano::test;

namespace {

constexpr qint64 Minute = 60000;

class BoardTest : public ::testing::Test
{
protected:
    BoardTest()
    {
        for (int i = 0; i < StationCount; ++i) {
            leds.push_back(std::make_unique<FakeShape>());
            buttons.push_back(std::make_unique<FakeButton>("START"));
            timers.push_back(std::make_unique<FakeTimer>(clock));
        }
        board = std::make_unique<Board>(context, [this](const StationParams &p) {
            const int i = p.number - 1;
            return StationControls{*leds[i], *buttons[i], *timers[i]};
        });
    }

    Colour colour(int n) const { return leds[n - 1]->fillColor(); }
    FakeButton &start(int n) { return *buttons[n - 1]; }

    VirtualClock clock;
    Settings settings = Settings::defaults();
    SoundQueue queue;
    FakeMessageBox messages;
    StationContext context{settings, queue, messages, "/k", QLocale::c(), {}};
    std::vector<std::unique_ptr<FakeShape>> leds;
    std::vector<std::unique_ptr<FakeButton>> buttons;
    std::vector<std::unique_ptr<FakeTimer>> timers;
    std::unique_ptr<Board> board;
};

} // namespace

TEST_F(BoardTest, TableGivesEveryStationItsOwnTexts)
{
    const auto &t = stationTable();
    ASSERT_EQ(t.size(), 32u);
    EXPECT_EQ(t[24].stopQuestion, "Stop Timer25?");
    EXPECT_EQ(t[19].soundFileName, "\\suoni_timer\\20.wav");
    for (const StationParams &p : t) {
        EXPECT_EQ(p.group, p.number <= 16 ? Group::A : Group::B);
        EXPECT_EQ(p.soundSlot(), p.number - 1);
    }
}

// Stations 1, 9, 10, 16, 17 and 32 behave alike with their own texts and group.
class BoardStationTest : public BoardTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(BoardStationTest, SellsRunsAndExpiresWithItsOwnGroupAndSlot)
{
    const int n = GetParam();
    const bool groupA = n <= 16;
    settings.minutesA = "2";
    settings.minutesB = "3";
    start(n).click();
    start(n).click();
    EXPECT_EQ(start(n).caption(), groupA ? "4/0" : "6/0");
    clock.advance(5000);
    EXPECT_EQ(settings.counterA, groupA ? "2" : "0");
    EXPECT_EQ(settings.counterB, groupA ? "0" : "2");

    messages.answerNext(MessageAnswer::No);
    start(n).click();
    EXPECT_EQ(messages.shown.back().prompt, QStringLiteral("Stop Timer%1?").arg(n));

    clock.advance((groupA ? 4 : 6) * Minute);
    EXPECT_EQ(colour(n), led::Red);
    for (int i = 0; i < 33; ++i)
        EXPECT_EQ(queue[i].isEmpty(), i != n - 1) << i;
    EXPECT_EQ(queue[n - 1], QStringLiteral("/k/suoni_timer/%1.wav").arg(n));
    for (int other = 1; other <= 32; ++other) {
        if (other != n) {
            EXPECT_EQ(colour(other), led::Green);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Stations, BoardStationTest, ::testing::Values(1, 9, 10, 16, 17, 32));

TEST_F(BoardTest, ClearCallWithNoRedStationChangesNothing)
{
    start(1).click(); // arming
    start(2).click();
    clock.advance(5000); // station 2 running, station 1 too
    start(3).click();    // arming
    const auto before = std::make_tuple(start(1).caption(), start(3).caption(), colour(1), colour(3));
    board->clearCalls();
    EXPECT_EQ(before, std::make_tuple(start(1).caption(), start(3).caption(), colour(1), colour(3)));
    EXPECT_TRUE(timers[0]->isEnabled());
    EXPECT_TRUE(timers[2]->isEnabled());
    EXPECT_EQ(timers[2]->interval(), 5000);
}

TEST_F(BoardTest, ClearCallResetsOnlyRedStations)
{
    settings.minutesA = "0";
    settings.minutesB = "0";
    start(3).click();
    start(20).click();
    clock.advance(5000);
    ASSERT_EQ(colour(3), led::Red);
    ASSERT_EQ(colour(20), led::Red);
    settings.minutesA = "2";
    start(5).click();
    clock.advance(5000 + Minute);
    ASSERT_EQ(colour(5), led::Yellow);

    board->clearCalls();
    EXPECT_EQ(colour(3), led::Green);
    EXPECT_EQ(colour(20), led::Green);
    EXPECT_TRUE(queue[2].isEmpty());
    EXPECT_TRUE(queue[19].isEmpty());
    EXPECT_EQ(colour(5), led::Yellow);
    EXPECT_EQ(start(5).caption(), "2/1");
    clock.advance(Minute);
    EXPECT_EQ(colour(5), led::Red); // expires later as planned
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(BoardTest, StopAllResetsEverythingAndKeepsTheCounters)
{
    settings.minutesA = "0";
    start(1).click(); // will expire
    start(2).click(); // will run
    start(2).click();
    start(17).click(); // will run
    clock.advance(5000);
    start(4).click(); // arming, not counted yet
    start(4).click();
    settings.minutesA = "5";
    ASSERT_EQ(colour(1), led::Red);
    ASSERT_EQ(settings.counterA, "3");
    ASSERT_EQ(settings.counterB, "1");

    board->stopAll();
    for (int n = 1; n <= 32; ++n) {
        EXPECT_EQ(colour(n), led::Green) << n;
        EXPECT_EQ(start(n).caption(), "START") << n;
        EXPECT_FALSE(timers[n - 1]->isEnabled()) << n;
        EXPECT_EQ(board->station(n).units(), 0) << n;
    }
    for (const QString &slot : queue)
        EXPECT_TRUE(slot.isEmpty());
    clock.advance(10 * Minute);
    EXPECT_EQ(settings.counterA, "3");
    EXPECT_EQ(settings.counterB, "1");
    EXPECT_EQ(messages.count(), 0);

    start(4).click();
    EXPECT_EQ(start(4).caption(), "5/0"); // books one unit from 0
}
