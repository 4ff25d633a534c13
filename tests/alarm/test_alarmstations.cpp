#include "alarm/alarmplayer.h"
#include "station/board.h"

#include "support/fakes.h"
#include "support/faketimer.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

using namespace kirvano;
using namespace kirvano::test;

namespace {

const QString AppFolder = QStringLiteral("/opt/kirvano");

QString soundOf(int station)
{
    return AppFolder + QStringLiteral("/suoni_timer/%1.wav").arg(station);
}

// The real board of 32 stations feeding the alarm player, on the virtual
// clock, with units of 0 minutes so a sale expires at the end of arming.
class AlarmWithStations : public ::testing::Test
{
protected:
    AlarmWithStations()
    {
        settings.minutesA = QStringLiteral("0");
        settings.minutesB = QStringLiteral("0");
        board = std::make_unique<Board>(context, [this](const StationParams &) {
            leds.emplace_back();
            buttons.emplace_back(QStringLiteral("START"));
            timers.emplace_back(clock);
            return StationControls{leds.back(), buttons.back(), timers.back()};
        });
    }

    void clickStart(int station) { buttons[station - 1].click(); }

    std::vector<qint64> startTimes(const QString &path) const
    {
        std::vector<qint64> times;
        for (const auto &p : mediaPlayer.plays)
            if (p.path == path)
                times.push_back(p.at);
        return times;
    }

    VirtualClock clock;
    // Created before the stations' timers, as in the main window.
    FakeTimer playTimer{clock, EmptySlotInterval, true, QStringLiteral("Timerplay")};
    FakeMediaPlayer mediaPlayer{&clock};
    Settings settings = Settings::defaults();
    SoundQueue soundQueue;
    FakeMessageBox messageBox;
    StationContext context{settings, soundQueue, messageBox, AppFolder, QLocale::system(), {}};
    AlarmPlayer alarm{soundQueue, playTimer, mediaPlayer, [this] { return clock.now(); }};
    // Deques keep the controls where the stations point at them.
    std::deque<FakeShape> leds;
    std::deque<FakeButton> buttons;
    std::deque<FakeTimer> timers;
    std::unique_ptr<Board> board;
};

} // namespace

TEST_F(AlarmWithStations, ExpiredStationIsHeardEverySweepUntilReset)
{
    clickStart(1);
    clock.advance(ArmingInterval);
    ASSERT_EQ(leds[0].fillColor(), led::Red);
    ASSERT_EQ(soundQueue[0], soundOf(1));
    EXPECT_TRUE(mediaPlayer.plays.empty()) << "no sound before the station expired";

    clock.advance(320); // at the latest one sweep after the expiry
    ASSERT_EQ(mediaPlayer.plays.size(), 1u);
    EXPECT_EQ(mediaPlayer.plays[0].path, soundOf(1));

    clock.advance(3 * 5310);
    const auto times = startTimes(soundOf(1));
    ASSERT_EQ(times.size(), 4u);
    for (size_t i = 1; i < times.size(); ++i)
        EXPECT_EQ(times[i] - times[i - 1], 5310);

    clickStart(1); // acknowledges the alarm: ClearT
    EXPECT_EQ(leds[0].fillColor(), led::Green);
    EXPECT_TRUE(soundQueue[0].isEmpty());
    clock.advance(10 * 5310);
    EXPECT_EQ(mediaPlayer.plays.size(), times.size());
}

TEST_F(AlarmWithStations, ClearCallSilencesStationsOneAndThirtyTwo)
{
    clickStart(1);
    clickStart(32);
    clickStart(5);
    clock.advance(ArmingInterval);
    board->station(5).reset(); // reset before the cursor reached it
    clock.advance(2 * (2 * 5000 + 30 * 10));

    EXPECT_EQ(startTimes(soundOf(1)).size(), 2u);
    EXPECT_EQ(startTimes(soundOf(32)).size(), 2u);
    EXPECT_TRUE(startTimes(soundOf(5)).empty());
    for (const auto &p : mediaPlayer.plays)
        EXPECT_TRUE(p.path == soundOf(1) || p.path == soundOf(32)) << p.path.toStdString();

    const size_t heard = mediaPlayer.plays.size();
    board->clearCalls();
    clock.advance(60000);
    EXPECT_EQ(mediaPlayer.plays.size(), heard);
    for (int slot = 0; slot < 33; ++slot)
        EXPECT_TRUE(soundQueue[slot].isEmpty()) << "slot " << slot;
}
