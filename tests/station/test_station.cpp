#include "station/station.h"

#include "support/fakes.h"
#include "support/faketimer.h"

#include <gtest/gtest.h>

using namespace kirvano;
using namespace kirvano::test;

namespace {

constexpr qint64 Minute = 60000;

class StationTest : public ::testing::Test
{
protected:
    explicit StationTest(int number = 1) : station(stationTable().at(number - 1), led, button, timer, context) {}

    void clicks(int n, qint64 apart = 0)
    {
        for (int i = 0; i < n; ++i) {
            if (i > 0)
                clock.advance(apart);
            button.click();
        }
    }

    QString counter() const { return settings.counterA; }

    VirtualClock clock;
    Settings settings = Settings::defaults();
    SoundQueue queue;
    FakeMessageBox messages;
    int saves = 0;
    StationContext context{settings, queue, messages, "/opt/kirvano", QLocale::c(), [this] { ++saves; }};
    FakeShape led;
    FakeButton button{"START"};
    FakeTimer timer{clock, 3000, false, "Timer1"};
    Station station;
};

} // namespace

TEST_F(StationTest, OneClickArmsThenRunsMinuteByMinuteAndExpires)
{
    button.click();
    EXPECT_EQ(led.fillColor(), led::Green);
    EXPECT_EQ(button.caption(), "1/0");
    EXPECT_EQ(button.fontName(), "Digital-7");
    EXPECT_EQ(button.fontSize(), 15);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.interval(), 5000);
    EXPECT_EQ(counter(), "0");

    clock.advance(4999);
    EXPECT_EQ(led.fillColor(), led::Green);
    clock.advance(1);
    EXPECT_EQ(led.fillColor(), led::Yellow);
    EXPECT_EQ(timer.interval(), Minute);
    EXPECT_EQ(counter(), "1");
    EXPECT_EQ(saves, 1); // counted units are saved at once
    EXPECT_EQ(button.caption(), "1/0");

    clock.advance(Minute - 1);
    EXPECT_EQ(led.fillColor(), led::Yellow);
    clock.advance(1);
    EXPECT_EQ(led.fillColor(), led::Red);
    EXPECT_EQ(button.caption(), "1/1");
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(queue[0], "/opt/kirvano/suoni_timer/1.wav");
    EXPECT_EQ(station.units(), 1);
    EXPECT_EQ(saves, 1);
}

TEST_F(StationTest, EveryClickRestartsTheFiveSecondWait)
{
    clicks(3, 2000);
    EXPECT_EQ(button.caption(), "3/0");
    clock.advance(4999);
    EXPECT_EQ(led.fillColor(), led::Green);
    clock.advance(1);
    EXPECT_EQ(led.fillColor(), led::Yellow);
    EXPECT_EQ(counter(), "3");
}

TEST_F(StationTest, FourthClickCancelsTheSale)
{
    clicks(4, 1000);
    EXPECT_EQ(led.fillColor(), led::Green);
    EXPECT_EQ(button.caption(), "START");
    EXPECT_EQ(button.fontName(), "Arial");
    EXPECT_EQ(button.fontSize(), 8);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(station.units(), 0);
    clock.advance(10 * Minute);
    EXPECT_EQ(counter(), "0");
    EXPECT_EQ(led.fillColor(), led::Green);

    // The next sale starts again from one unit.
    button.click();
    EXPECT_EQ(button.caption(), "1/0");
}

TEST_F(StationTest, ThreeUnitsOfFifteenMinutesShow45Over45)
{
    settings.minutesA = "15";
    clicks(3);
    EXPECT_EQ(button.caption(), "45/0");
    clock.advance(5000);
    EXPECT_EQ(led.fillColor(), led::Yellow);
    clock.advance(44 * Minute);
    EXPECT_EQ(button.caption(), "45/44");
    EXPECT_EQ(led.fillColor(), led::Yellow);
    clock.advance(Minute);
    EXPECT_EQ(button.caption(), "45/45");
    EXPECT_EQ(led.fillColor(), led::Red);
    clock.advance(10 * Minute);
    EXPECT_EQ(button.caption(), "45/45");
    EXPECT_EQ(station.elapsed(), 45);
}

TEST_F(StationTest, ZeroMinutesTurnsYellowAndRedInTheFirstTickAndStillCounts)
{
    settings.minutesA = "0";
    settings.counterA = "12";
    clicks(2);
    EXPECT_EQ(button.caption(), "0/0");
    clock.advance(5000);
    EXPECT_EQ(led.fillColor(), led::Red);
    EXPECT_EQ(counter(), "14"); // numeric addition, not "122"
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_FALSE(queue[0].isEmpty());
}

TEST_F(StationTest, FractionalMinutesExpireAtTheNextWholeMinute)
{
    settings.minutesA = "1.5";
    button.click();
    EXPECT_EQ(button.caption(), "1.5/0");
    clock.advance(5000 + Minute);
    EXPECT_EQ(button.caption(), "1.5/1");
    EXPECT_EQ(led.fillColor(), led::Yellow);
    clock.advance(Minute);
    EXPECT_EQ(button.caption(), "1.5/2");
    EXPECT_EQ(led.fillColor(), led::Red);
}

TEST_F(StationTest, NumbersFollowTheRegionalFormat)
{
    context.locale = QLocale(QLocale::Italian, QLocale::Italy);
    settings.minutesA = "1,5";
    settings.counterA = "2";
    clicks(3);
    EXPECT_EQ(button.caption(), "4,5/0");
    clock.advance(5000);
    EXPECT_EQ(counter(), "5");
}

TEST_F(StationTest, TextThatIsNoNumberCountsAsZero)
{
    settings.minutesA = "abc";
    settings.counterA = "abc";
    clicks(2);
    EXPECT_EQ(button.caption(), "0/0");
    clock.advance(5000);
    EXPECT_EQ(counter(), "2");
    EXPECT_EQ(led.fillColor(), led::Red);
}

TEST_F(StationTest, ClickOnARedStationResetsWithoutAQuestion)
{
    settings.minutesA = "0";
    button.click();
    clock.advance(5000);
    ASSERT_EQ(led.fillColor(), led::Red);
    button.click();
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(led.fillColor(), led::Green);
    EXPECT_EQ(button.caption(), "START");
    EXPECT_TRUE(queue[0].isEmpty());
    EXPECT_EQ(counter(), "1");
}

TEST_F(StationTest, RunningStationAsksBeforeStopping)
{
    settings.minutesA = "10";
    button.click();
    clock.advance(5000 + 2 * Minute);
    ASSERT_EQ(button.caption(), "10/2");

    messages.answerNext(MessageAnswer::No);
    button.click();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown[0].prompt, "Stop Timer1?");
    EXPECT_TRUE(messages.shown[0].is(MessageButtons::YesNo, MessageIcon::Question));
    EXPECT_EQ(messages.shown[0].title, "Kirvano");
    EXPECT_EQ(led.fillColor(), led::Yellow);
    clock.advance(Minute);
    EXPECT_EQ(button.caption(), "10/3");

    messages.answerNext(MessageAnswer::Yes);
    button.click();
    EXPECT_EQ(led.fillColor(), led::Green);
    EXPECT_EQ(button.caption(), "START");
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(counter(), "1"); // a stopped sale stays counted
}

TEST_F(StationTest, StationExpiringWhileItsQuestionIsOpen)
{
    button.click();
    clock.advance(5000 + 30000);
    // The operator takes a minute to answer: the station expires meanwhile.
    messages.responder = [this](const FakeMessageBox::Shown &) {
        clock.advance(Minute);
        EXPECT_EQ(led.fillColor(), led::Red);
        EXPECT_FALSE(queue[0].isEmpty());
        return MessageAnswer::Yes;
    };
    button.click();
    EXPECT_EQ(led.fillColor(), led::Green);
    EXPECT_TRUE(queue[0].isEmpty());

    // No leaves an expired station expired.
    button.click();
    clock.advance(5000 + 30000);
    messages.responder = [this](const FakeMessageBox::Shown &) {
        clock.advance(Minute);
        return MessageAnswer::No;
    };
    button.click();
    EXPECT_EQ(led.fillColor(), led::Red);
    EXPECT_FALSE(queue[0].isEmpty());
}

TEST_F(StationTest, ResetKeepsElapsedButTheNextSaleShowsZero)
{
    settings.minutesA = "5";
    button.click();
    clock.advance(5000 + 3 * Minute);
    station.reset();
    EXPECT_EQ(station.elapsed(), 3);
    EXPECT_EQ(station.units(), 0);
    button.click();
    EXPECT_EQ(button.caption(), "5/0");
}

TEST_F(StationTest, MinutesChangedDuringARunCountFromTheNextTick)
{
    settings.minutesA = "10";
    button.click();
    clock.advance(5000 + 2 * Minute);
    settings.minutesA = "3";
    EXPECT_EQ(button.caption(), "10/2");
    clock.advance(Minute);
    EXPECT_EQ(button.caption(), "3/3");
    EXPECT_EQ(led.fillColor(), led::Red);
}

namespace {
class GroupBStationTest : public StationTest
{
protected:
    GroupBStationTest() : StationTest(32) {}
};
} // namespace

TEST_F(GroupBStationTest, UsesGroupBSettingsAndItsOwnSlot)
{
    settings.minutesA = "7";
    settings.minutesB = "2";
    clicks(2);
    EXPECT_EQ(button.caption(), "4/0");
    clock.advance(5000);
    EXPECT_EQ(settings.counterB, "2");
    EXPECT_EQ(settings.counterA, "0");
    clock.advance(4 * Minute);
    EXPECT_EQ(queue[31], "/opt/kirvano/suoni_timer/32.wav");
    EXPECT_TRUE(queue[32].isEmpty());

    button.click(); // acknowledges the alarm
    button.click(); // a new sale
    clock.advance(5000 + 1);
    messages.answerNext(MessageAnswer::Yes);
    button.click();
    EXPECT_EQ(messages.shown.back().prompt, "Stop Timer32?");
}
