// The real board against its reference model, on seeded random sequences.
//   KIRVANO_MODEL_SEED=N        replays sequence N alone (printed on failure)
//   KIRVANO_MODEL_FIRST_SEED=N  first seed of the run (default 1)
//   KIRVANO_MODEL_SEQUENCES=N   number of sequences (default 2000)
#include "boardmodelcheck.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cstdio>

using namespace kirvano;
using namespace kirvano::test;

namespace {

constexpr qint64 Minute = 60000;

quint64 envNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

BoardModel::Station designedTile()
{
    BoardModel::Station s;
    s.interval = 60000;
    s.caption = QStringLiteral("START");
    s.fontName = QStringLiteral("Arial");
    s.fontSize = 8.25;
    return s;
}

} // namespace

TEST(BoardModel, RealBoardAgreesWithTheModelOnSeededSequences)
{
    const bool single = qEnvironmentVariableIsSet("KIRVANO_MODEL_SEED");
    const quint64 first = single ? envNumber("KIRVANO_MODEL_SEED", 1) : envNumber("KIRVANO_MODEL_FIRST_SEED", 1);
    const quint64 count = single ? 1 : envNumber("KIRVANO_MODEL_SEQUENCES", 2000);

    QElapsedTimer timer;
    timer.start();
    BoardModelCheck::Coverage total;
    qint64 simulated = 0;
    std::size_t steps = 0;
    int failures = 0;
    for (quint64 seed = first; seed < first + count; ++seed) {
        BoardModelCheck check(seed);
        const std::string problem = check.run();
        total.add(check.coverage());
        simulated += check.harness().clock.now();
        steps += check.log().size();
        if (!problem.empty()) {
            ADD_FAILURE() << problem << "\nReplay with KIRVANO_MODEL_SEED=" << seed;
            if (++failures == 3)
                break;
        }
    }
    std::printf("%llu sequences, %zu steps, %.1f simulated hours in %lld ms: %d clicks, %d stop questions "
                "(%d Yes, %d of them after expiry), %d cancels, %lld expiries, %lld sounds, %d Stop all, "
                "%d cleared by Clear call, %d option sessions, %d counter resets\n",
                static_cast<unsigned long long>(count), steps, simulated / 3600000.0,
                static_cast<long long>(timer.elapsed()), total.clicks, total.questionsYes + total.questionsNo,
                total.questionsYes, total.yesAfterExpiry, total.cancels, static_cast<long long>(total.expiries),
                static_cast<long long>(total.plays), total.stopAlls, total.clearedByClearCall, total.optionsSessions,
                total.counterResets);

    if (count >= 500 && failures == 0) {
        // The sequences must keep reaching the corners, or agreeing means little.
        EXPECT_GT(total.questionsNo, 0);
        EXPECT_GT(total.questionsYes, 0);
        EXPECT_GT(total.yesAfterExpiry, 0);
        EXPECT_GT(total.cancels, 0);
        EXPECT_GT(total.stopAlls, 0);
        EXPECT_GT(total.clearedByClearCall, 0);
        EXPECT_GT(total.optionsSessions, 0);
        EXPECT_GT(total.counterResets, 0);
        EXPECT_GT(total.expiries, 100);
        EXPECT_GT(total.plays, total.expiries);
    }
}

TEST(BoardModel, SequencesAreReplayable)
{
    BoardModelCheck a(77);
    BoardModelCheck b(77);
    ASSERT_EQ(a.run(), "");
    ASSERT_EQ(b.run(), "");
    EXPECT_EQ(a.log().size(), b.log().size());
    for (std::size_t i = 1; i < a.log().size() && i < b.log().size(); ++i)
        EXPECT_EQ(a.log()[i], b.log()[i]) << "step " << i;
}

// The check itself must notice a board that goes its own way.
TEST(BoardModel, TheCheckCatchesADisagreement)
{
    BoardModelCheck check(5);
    ASSERT_EQ(check.start(), "");
    for (int i = 0; i < 30 && !check.finished(); ++i)
        ASSERT_EQ(check.step(), "");
    MainHarness &h = check.harness();

    const auto caught = [&](auto tamper, auto undo, const char *what) {
        tamper();
        const std::string problem = check.compare();
        EXPECT_NE(problem.find(what), std::string::npos) << problem;
        undo();
        EXPECT_EQ(check.compare(), "");
    };
    const Colour colour = h.colour(7);
    caught([&] { h.leds[6]->setFillColor(0x123456); }, [&] { h.leds[6]->setFillColor(colour); }, "station 7 LED");
    const QString caption = h.start(9).caption();
    caught([&] { h.start(9).setCaption("1/0"); }, [&] { h.start(9).setCaption(caption); }, "station 9 caption");
    const double size = h.start(30).fontSize();
    caught([&] { h.start(30).setFontSize(9); }, [&] { h.start(30).setFontSize(size); }, "station 30 font");
    const QString counter = h.main->settings().counterB;
    caught([&] { h.main->settings().counterB += "1"; }, [&] { h.main->settings().counterB = counter; }, "counters");
    caught([&] { h.main->soundQueue()[32] = "x"; }, [&] { h.main->soundQueue()[32].clear(); }, "soundQueue[32]");
    caught([&] { h.mediaPlayer.plays.push_back({0, "x"}); }, [&] { h.mediaPlayer.plays.pop_back(); }, "media player");
    h.messages.show("?", MessageButtons::Ok, MessageIcon::None, AppTitle);
    EXPECT_NE(check.compare().find("message boxes"), std::string::npos);
    h.messages.shown.pop_back();
    // Changing a timer restarts its countdown, so this one comes last.
    h.stationTimer(12).setInterval(h.stationTimer(12).interval() + 1);
    EXPECT_NE(check.compare().find("station 12 timer"), std::string::npos);
}

// A few fixed points of the model itself, straight from the state tables.
TEST(BoardModel, ModelFollowsTheStateTables)
{
    BoardModel m(designedTile(), "/app", "15", "0", 12, 0);
    // Three clicks with 15 minutes per unit: 45/0, the run begins 5 s after the last click.
    m.advanceTo(1000);
    EXPECT_FALSE(m.clickStart(5));
    m.advanceTo(3000);
    m.clickStart(5);
    m.advanceTo(5000);
    m.clickStart(5);
    EXPECT_EQ(m.station(5).caption, "45/0");
    EXPECT_EQ(m.station(5).fontName, "Digital-7");
    EXPECT_EQ(m.station(5).fontSize, 15);
    m.advanceTo(9999);
    EXPECT_EQ(m.station(5).led, BoardModel::Green);
    m.advanceTo(10000);
    EXPECT_EQ(m.station(5).led, BoardModel::Yellow);
    EXPECT_EQ(m.counter(0), "15");
    EXPECT_EQ(m.station(5).interval, 60000);
    EXPECT_TRUE(m.clickStart(5)); // the stop question, answered No
    m.answerStopQuestion(5, false);
    m.advanceTo(10000 + 45 * Minute - 1);
    EXPECT_EQ(m.station(5).caption, "45/44");
    m.advanceTo(10000 + 45 * Minute);
    EXPECT_EQ(m.station(5).led, BoardModel::Red);
    EXPECT_EQ(m.station(5).caption, "45/45");
    EXPECT_FALSE(m.station(5).timerEnabled);
    EXPECT_EQ(m.slot(4), "/app/suoni_timer/5.wav");

    // Zero minutes: yellow and red in the first tick, the units still counted.
    m.clickStart(20);
    m.clickStart(20);
    EXPECT_EQ(m.station(20).caption, "0/0");
    m.advanceTo(m.now() + 5000);
    EXPECT_EQ(m.station(20).led, BoardModel::Red);
    EXPECT_EQ(m.counter(1), "2");

    // Clear call resets only the red ones; a fourth click cancels a sale.
    m.clickStart(1);
    m.clearCall();
    EXPECT_EQ(m.station(5).led, BoardModel::Green);
    EXPECT_EQ(m.station(20).caption, "START");
    EXPECT_EQ(m.slot(4), "");
    EXPECT_EQ(m.station(1).caption, "15/0");
    for (int i = 0; i < 3; ++i)
        m.clickStart(1);
    EXPECT_EQ(m.station(1).caption, "START");
    EXPECT_EQ(m.station(1).units, 0);
    EXPECT_FALSE(m.station(1).timerEnabled);
}

TEST(BoardModel, ModelPlayerSweepsFromSlotOne)
{
    BoardModel m(designedTile(), "/app", "0", "1.5", 0, 0);
    m.clickStart(1);
    m.advanceTo(5000); // station 1 expires at once; the player first visits slots 1..31
    EXPECT_EQ(m.station(1).led, BoardModel::Red);
    m.advanceTo(5310);
    ASSERT_EQ(m.plays().size(), 1u);
    EXPECT_EQ(m.plays()[0].at, 5120); // the tick after 5000: ticks fall on every 10 ms, slot 0 at 5120
    EXPECT_EQ(m.cursor(), 0);
    m.advanceTo(5120 + 5310);
    ASSERT_EQ(m.plays().size(), 2u);
    EXPECT_EQ(m.plays()[1].at - m.plays()[0].at, 5310);

    // Halves: one unit of 1.5 minutes shows 1.5/0, 1.5/1, and expires at 1.5/2.
    m.clickStart(17);
    EXPECT_EQ(m.station(17).caption, "1.5/0");
    m.advanceTo(m.now() + 5000 + 2 * Minute - 1);
    EXPECT_EQ(m.station(17).caption, "1.5/1");
    m.advanceTo(m.now() + 1);
    EXPECT_EQ(m.station(17).caption, "1.5/2");
    EXPECT_EQ(m.station(17).led, BoardModel::Red);
}
