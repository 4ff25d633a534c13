#include "alarm/alarmplayer.h"
#include "pollingreference.h"

#include "support/fakes.h"
#include "support/faketimer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kirvano;
using namespace kirvano::test;

namespace {

bool queueEmpty(const SoundQueue &queue)
{
    return std::all_of(queue.begin(), queue.end(), [](const QString &slot) { return slot.isEmpty(); });
}

// Both players on one clock and one queue, each with its own Timerplay and wmp1.
struct SideBySide
{
    VirtualClock clock;
    SoundQueue queue;
    FakeTimer referenceTimer{clock, EmptySlotInterval, true};
    FakeMediaPlayer referenceSounds{&clock};
    PollingReference reference{queue, referenceTimer, referenceSounds};
    FakeTimer playTimer{clock, EmptySlotInterval, true};
    FakeMediaPlayer mediaPlayer{&clock};
    AlarmPlayer player{queue, playTimer, mediaPlayer, [this] { return clock.now(); }};
};

// A pause before the next change: mostly within a sweep or a linger, at
// times on a tick, at times a long wait.
qint64 pause(std::mt19937 &random)
{
    switch (random() % 6) {
    case 0:
        return random() % 12;
    case 1:
        return 10 * (random() % 40); // lands on the 10 ms grid of the empty ticks
    case 2:
        return random() % 400;
    case 3:
        return random() % 6000;
    case 4:
        return 5000 + random() % 400;
    default:
        return random() % 60000;
    }
}

} // namespace

TEST(SweepAgainstPollingReference, SameFilesAtTheSameTimesForRandomFillsAndClears)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(::testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        SideBySide s;
        const int spots = 1 + int(random() % 33); // some runs crowd few slots, some use all 33
        for (int step = 0; step < 150; ++step) {
            const bool wasEmpty = queueEmpty(s.queue);
            const int woken = s.playTimer.ticks();
            const qint64 from = s.clock.now();
            s.clock.advance(pause(random));
            if (wasEmpty && from > EmptySlotInterval) {
                ASSERT_EQ(s.playTimer.ticks(), woken) << "woke while every slot was empty, step " << step;
            }
            ASSERT_EQ(s.player.cursor(), s.reference.cursor()) << "at " << s.clock.now() << ", step " << step;

            const int slot = int(random() % unsigned(spots));
            if (random() % 2 == 0)
                s.queue[slot].clear();
            else
                s.queue[slot] = QStringLiteral("/k/suoni_timer/%1.wav").arg(1 + random() % 32);
        }
        s.clock.advance(200000);

        ASSERT_EQ(s.mediaPlayer.plays.size(), s.referenceSounds.plays.size());
        for (size_t i = 0; i < s.mediaPlayer.plays.size(); ++i) {
            ASSERT_EQ(s.mediaPlayer.plays[i].at, s.referenceSounds.plays[i].at) << "play " << i;
            ASSERT_EQ(s.mediaPlayer.plays[i].path, s.referenceSounds.plays[i].path) << "play " << i;
        }
        EXPECT_LT(s.playTimer.ticks(), s.referenceTimer.ticks());
    }
}
