// Timer accuracy of the real QtTimer, used as the stations and the alarm
// player use it, with the intervals shortened: each of 32 station timers is
// armed by three clicks (every click sets the arming interval again, which
// restarts the countdown), turns to its repeating interval at its first
// tick and then ticks on; a Timerplay-like 10 ms timer sets its interval at
// every tick. All run together in one event loop. Every tick is compared
// with the ideal schedule: last click + arming interval + k * interval.

#include "benchenv.h"

#include "platform/qt/qttimer.h"
#include "shell/fonts.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace kirvano;
using namespace kirvano::bench;

namespace {

constexpr int Stations = 32;
constexpr int ArmingMs = 500;   // 5000 in the program
constexpr int IntervalMs = 100; // 60000 in the program
constexpr int DefaultTicks = 600;
constexpr int Clicks = 3;
constexpr int ClickGapMs = 150;
constexpr int StaggerMs = 3; // stations are sold at different moments
constexpr int PlayMs = 10;

struct StationProbe
{
    std::unique_ptr<QtTimer> timer;
    std::int64_t lastClick = 0;
    std::vector<std::int64_t> lateness; // one per tick, first (arming) tick included

    std::int64_t ideal(size_t tick) const
    {
        return lastClick + std::int64_t(ArmingMs) * 1000000 + std::int64_t(tick) * IntervalMs * 1000000;
    }
};

struct Stats
{
    double mean = 0;
    double p99 = 0;
    double p999 = 0;
    double max = 0;
};

constexpr std::int64_t LateNs = 2000000;

void noteLate(std::vector<std::int64_t> &late, std::int64_t now, std::int64_t lateness)
{
    if (lateness > LateNs)
        late.push_back(now);
}

// Late ticks less than 50 ms apart belong to one moment: a stall of the
// whole event loop delays every timer due in it.
int moments(std::vector<std::int64_t> times)
{
    std::sort(times.begin(), times.end());
    int count = 0;
    for (size_t i = 0; i < times.size(); ++i) {
        if (i == 0 || times[i] - times[i - 1] > 50000000)
            ++count;
    }
    return count;
}

Stats stats(const std::vector<std::int64_t> &values)
{
    Stats s;
    if (values.empty())
        return s;
    double sum = 0;
    std::int64_t max = values.front();
    for (std::int64_t v : values) {
        sum += double(v);
        max = std::max(max, v);
    }
    s.mean = nsToMs(std::int64_t(sum / double(values.size())));
    s.max = nsToMs(max);
    std::vector<std::int64_t> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    s.p99 = nsToMs(sorted[size_t(double(sorted.size() - 1) * 0.99)]);
    s.p999 = nsToMs(sorted[size_t(double(sorted.size() - 1) * 0.999)]);
    return s;
}

} // namespace

int main(int argc, char *argv[])
{
    // An optional tick count shortens trial runs.
    const int RepeatingTicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : DefaultTicks;
    PrivateEnvironment env;
    QApplication app(argc, argv);
    installFontSubstitutions();

    std::vector<std::int64_t> late; // when ticks of any timer came more than LateMs late
    late.reserve(1000);
    std::vector<StationProbe> stations(Stations);
    int finished = 0;

    for (int i = 0; i < Stations; ++i) {
        StationProbe &s = stations[i];
        s.timer = std::make_unique<QtTimer>(QStringLiteral("Timer%1").arg(i + 1), 60000, false, nullptr);
        s.lateness.reserve(RepeatingTicks + 1);
        s.timer->onTick([&s, &finished, &late, RepeatingTicks] {
            const std::int64_t now = nowNs();
            s.lateness.push_back(now - s.ideal(s.lateness.size()));
            noteLate(late, now, s.lateness.back());
            if (s.lateness.size() == 1)
                s.timer->setInterval(IntervalMs); // as the station does at its first tick
            if (s.lateness.size() == size_t(RepeatingTicks) + 1) {
                s.timer->setEnabled(false);
                if (++finished == Stations)
                    QCoreApplication::exit(0);
            }
        });
        for (int c = 0; c < Clicks; ++c) {
            QTimer::singleShot(200 + i * StaggerMs + c * ClickGapMs, Qt::PreciseTimer, [&s] {
                s.lastClick = nowNs();
                s.timer->setInterval(ArmingMs);
                s.timer->setEnabled(true);
            });
        }
    }

    QtTimer play(QStringLiteral("Timerplay"), PlayMs, true, nullptr);
    std::int64_t playArmed = nowNs();
    std::vector<std::int64_t> playLateness;
    playLateness.reserve(10000);
    play.onTick([&] {
        const std::int64_t now = nowNs();
        playLateness.push_back(now - playArmed - std::int64_t(PlayMs) * 1000000);
        noteLate(late, now, playLateness.back());
        playArmed = nowNs();
        play.setInterval(PlayMs);
    });

    // A run that cannot finish must not hang the benchmark script.
    const int limitMs =
        200 + Stations * StaggerMs + Clicks * ClickGapMs + ArmingMs + RepeatingTicks * IntervalMs + 10000;
    QTimer::singleShot(limitMs, [] { QCoreApplication::exit(1); });
    const ProcessUsage usageBefore = processUsage();
    const std::int64_t started = nowNs();
    const int rc = app.exec();
    const double wallS = nsToMs(nowNs() - started) / 1000.0;
    const ProcessUsage usageAfter = processUsage();

    std::vector<std::int64_t> all;
    std::vector<std::int64_t> drift;
    std::vector<std::int64_t> firstTicks;
    for (const StationProbe &s : stations) {
        all.insert(all.end(), s.lateness.begin(), s.lateness.end());
        if (!s.lateness.empty()) {
            firstTicks.push_back(s.lateness.front());
            drift.push_back(s.lateness.back());
        }
    }
    const Stats first = stats(firstTicks);
    const Stats tick = stats(all);
    const Stats end = stats(drift);
    const Stats playStats = stats(playLateness);

    const QString setup =
        QStringLiteral("%1 station timers, 3 clicks, %2 ms arming, %3 ticks at %4 ms, with a %5 ms player timer")
            .arg(Stations)
            .arg(ArmingMs)
            .arg(RepeatingTicks)
            .arg(IntervalMs)
            .arg(PlayMs);
    auto ms = [](double v) { return QString::number(v, 'f', 3) + QStringLiteral(" ms"); };
    if (rc != 0)
        printRow(QStringLiteral("Timer accuracy: run did not finish"),
                 QStringLiteral("%1 of %2 stations").arg(finished).arg(Stations), QStringLiteral("all"), 0);
    printRow(QStringLiteral("Timer accuracy (%1): station tick lateness, mean").arg(setup), ms(tick.mean));
    printRow(QStringLiteral("Timer accuracy: station tick lateness, 99th / 99.9th percentile"),
             ms(tick.p99) + QStringLiteral(" / ") + ms(tick.p999));
    printRow(QStringLiteral("Timer accuracy: station tick lateness, max (%1 ticks, %2 s)")
                 .arg(all.size())
                 .arg(wallS, 0, 'f', 1),
             ms(tick.max), QStringLiteral("< 5 ms"), tick.max < 5.0);
    printRow(
        QStringLiteral("Timer accuracy: first (arming) tick lateness, mean / max; the repeating schedule starts there"),
        ms(first.mean) + QStringLiteral(" / ") + ms(first.max));
    printRow(
        QStringLiteral("Timer accuracy: cumulative drift after tick %1, mean / max of 32 stations").arg(RepeatingTicks),
        ms(end.mean) + QStringLiteral(" / ") + ms(end.max), QStringLiteral("< 2 ms"), end.max < 2.0);
    printRow(QStringLiteral("Timer accuracy: ticks of any timer more than 2 ms late, in how many separate moments; "
                            "times the process was preempted"),
             QStringLiteral("%1 in %2; %3")
                 .arg(late.size())
                 .arg(moments(late))
                 .arg(usageAfter.involuntarySwitches - usageBefore.involuntarySwitches));
    printRow(QStringLiteral("Timer accuracy: Timerplay-like tick lateness, mean / 99th percentile / max (%1 ticks)")
                 .arg(playLateness.size()),
             ms(playStats.mean) + QStringLiteral(" / ") + ms(playStats.p99) + QStringLiteral(" / ")
                 + ms(playStats.max));
    return rc;
}
