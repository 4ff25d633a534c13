#include "boardmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kirvano::test {

namespace {

constexpr int ArmingMs = 5000;
constexpr int MinuteMs = 60000;
constexpr int EmptySlotMs = 10;
constexpr int SoundMs = 5000;

// Whole numbers and halves, as a station writes them: "3", "4.5".
QString halvesText(double value)
{
    const qint64 halves = std::llround(value * 2);
    const QString whole = QString::number(halves / 2);
    return halves % 2 == 0 ? whole : whole + QStringLiteral(".5");
}

} // namespace

BoardModel::BoardModel(const Station &designed, QString appFolder, QString minutesA, QString minutesB, qint64 counterA,
                       qint64 counterB)
    : m_appFolder(std::move(appFolder))
    , m_minutesA(std::move(minutesA))
    , m_minutesB(std::move(minutesB))
    , m_counterA(counterA)
    , m_counterB(counterB)
{
    m_stations.fill(designed);
}

double BoardModel::minutesOf(int n) const
{
    return (groupOf(n) == 0 ? m_minutesA : m_minutesB).toDouble();
}

double BoardModel::booked(int n) const
{
    return station(n).units * minutesOf(n);
}

QString BoardModel::bookedText(int n) const
{
    return halvesText(booked(n)) + QLatin1Char('/') + QString::number(station(n).elapsed);
}

QString BoardModel::soundPath(int n) const
{
    return m_appFolder + QStringLiteral("/suoni_timer/") + QString::number(n) + QStringLiteral(".wav");
}

// Setting the interval restarts a running countdown; enabling a stopped
// timer starts one: either way the next tick is one interval from now.
void BoardModel::startTimer(Station &s, int interval)
{
    s.interval = interval;
    s.timerEnabled = true;
    s.deadline = m_now + interval;
}

bool BoardModel::clickStart(int n)
{
    switch (station(n).led) {
    case Red:
        reset(n);
        return false;
    case Green:
        book(n);
        return false;
    case Yellow:
        return true;
    default:
        return false;
    }
}

void BoardModel::answerStopQuestion(int n, bool yes)
{
    if (yes)
        reset(n);
}

void BoardModel::book(int n)
{
    Station &s = m_stations[n - 1];
    s.units += 1;
    if (s.units > 3) {
        reset(n);
        return;
    }
    s.elapsed = 0;
    startTimer(s, ArmingMs);
    s.fontName = QStringLiteral("Digital-7");
    s.fontSize = 15;
    s.caption = bookedText(n);
}

void BoardModel::reset(int n)
{
    Station &s = m_stations[n - 1];
    s.units = 0;
    s.timerEnabled = false;
    s.led = Green;
    s.fontName = QStringLiteral("Arial");
    s.fontSize = 8;
    s.caption = QStringLiteral("START");
    m_queue[n - 1].clear();
}

void BoardModel::stopAll()
{
    for (int n = 1; n <= 32; ++n)
        reset(n);
}

void BoardModel::clearCall()
{
    for (int n = 1; n <= 32; ++n) {
        if (station(n).led == Red)
            reset(n);
    }
}

void BoardModel::setMinutes(const QString &minutesA, const QString &minutesB)
{
    m_minutesA = minutesA;
    m_minutesB = minutesB;
}

void BoardModel::resetCounters()
{
    m_counterA = 0;
    m_counterB = 0;
}

void BoardModel::stationTick(int n)
{
    Station &s = m_stations[n - 1];
    if (s.led == Green) {
        // The first tick ends the arming: the run begins and is counted.
        startTimer(s, MinuteMs);
        s.led = Yellow;
        (groupOf(n) == 0 ? m_counterA : m_counterB) += s.units;
    } else {
        s.elapsed += 1;
        s.caption = bookedText(n);
    }
    if (s.elapsed >= booked(n)) {
        s.timerEnabled = false;
        s.led = Red;
        m_queue[n - 1] = soundPath(n);
        ++m_expiries;
    }
}

void BoardModel::playerTick()
{
    m_cursor += 1;
    if (m_cursor > 31)
        m_cursor = 0;
    const QString &path = m_queue[m_cursor];
    m_playerInterval = path.isEmpty() ? EmptySlotMs : SoundMs;
    m_playerDeadline = m_now + m_playerInterval;
    if (!path.isEmpty())
        m_plays.push_back({m_now, path});
}

qint64 BoardModel::nextStationTick() const
{
    qint64 next = -1;
    for (const Station &s : m_stations) {
        if (s.timerEnabled && (next < 0 || s.deadline < next))
            next = s.deadline;
    }
    return next;
}

void BoardModel::skipEmptySweeps(qint64 limit)
{
    if (!std::all_of(m_queue.begin(), m_queue.end(), [](const QString &slot) { return slot.isEmpty(); }))
        return;
    // The player ticks before a station due at the same instant, so the
    // queue is still empty at that instant too.
    const qint64 station = nextStationTick();
    const qint64 bound = station >= 0 ? std::min(limit, station) : limit;
    if (m_playerDeadline > bound)
        return;
    const qint64 ticks = (bound - m_playerDeadline) / EmptySlotMs + 1;
    m_cursor = static_cast<int>((m_cursor + ticks) % 32);
    m_now = m_playerDeadline + (ticks - 1) * EmptySlotMs;
    m_playerInterval = EmptySlotMs;
    m_playerDeadline = m_now + EmptySlotMs;
}

void BoardModel::advanceTo(qint64 time)
{
    for (;;) {
        skipEmptySweeps(time);
        // Due timers in deadline order; at the same instant the player
        // first, then the stations in ascending order.
        int due = -1;
        qint64 at = std::numeric_limits<qint64>::max();
        if (m_playerDeadline <= time) {
            due = 0;
            at = m_playerDeadline;
        }
        for (int n = 1; n <= 32; ++n) {
            const Station &s = station(n);
            if (s.timerEnabled && s.deadline <= time && s.deadline < at) {
                due = n;
                at = s.deadline;
            }
        }
        if (due < 0)
            break;
        m_now = at;
        if (due == 0) {
            playerTick();
        } else {
            m_stations[due - 1].deadline += m_stations[due - 1].interval;
            stationTick(due);
        }
    }
    m_now = std::max(m_now, time);
}

} // namespace kirvano::test
