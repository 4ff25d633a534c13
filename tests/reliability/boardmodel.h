#pragma once

#include "platform/shape.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

namespace kirvano::test {

// The board, the sound queue and the alarm player's cursor as their state
// tables describe them, written apart from the real code so the two can be
// checked against each other. Time is virtual: timers due at the same
// instant tick in creation order (Timerplay, then Timer1..Timer32), as on
// the test clock. Minutes per unit are whole or halves; counters whole.
class BoardModel
{
public:
    static constexpr Colour Green = 0x00C000;
    static constexpr Colour Yellow = 0x00FFFF;
    static constexpr Colour Red = 0x0000FF;

    struct Station
    {
        Colour led = Green;
        bool timerEnabled = false;
        int interval = 0;
        qint64 deadline = 0;
        QString caption;
        QString fontName;
        double fontSize = 0;
        int units = 0;
        int elapsed = 0;
    };

    struct Play
    {
        qint64 at;
        QString path;
    };

    // `designed` is how every station tile is created; minutes are the
    // groups' minutes per unit as text, counters their units sold.
    BoardModel(const Station &designed, QString appFolder, QString minutesA, QString minutesB, qint64 counterA,
               qint64 counterB);

    // The operator's START click. Returns whether the station asks its stop
    // question; then answerStopQuestion() gives the answer, after any time
    // that passed while the question was open.
    bool clickStart(int n);
    void answerStopQuestion(int n, bool yes);
    void stopAll();
    void clearCall();
    // "Imposta" with the minutes it stores, and "Reset" of the counters.
    void setMinutes(const QString &minutesA, const QString &minutesB);
    void resetCounters();

    void advanceTo(qint64 time);
    qint64 now() const { return m_now; }
    // When the next station timer is due, or -1 when all are stopped.
    qint64 nextStationTick() const;

    const Station &station(int n) const { return m_stations[n - 1]; }
    const QString &slot(int index) const { return m_queue[index]; }
    int cursor() const { return m_cursor; }
    qint64 playerDeadline() const { return m_playerDeadline; }
    const std::vector<Play> &plays() const { return m_plays; }
    qint64 expiries() const { return m_expiries; }
    QString minutes(int group) const { return group == 0 ? m_minutesA : m_minutesB; }
    QString counter(int group) const { return QString::number(group == 0 ? m_counterA : m_counterB); }

private:
    static int groupOf(int n) { return n <= 16 ? 0 : 1; }
    double minutesOf(int n) const;
    double booked(int n) const;
    QString bookedText(int n) const;
    QString soundPath(int n) const;

    void startTimer(Station &s, int interval);
    void book(int n);
    void reset(int n);
    void stationTick(int n);
    void playerTick();
    // Runs ticks of the player alone, all due before `limit` while the
    // queue is empty: each moves the cursor and nothing else.
    void skipEmptySweeps(qint64 limit);

    std::array<Station, 32> m_stations;
    std::array<QString, 33> m_queue;
    QString m_appFolder;
    QString m_minutesA;
    QString m_minutesB;
    qint64 m_counterA;
    qint64 m_counterB;
    qint64 m_now = 0;
    int m_cursor = 0;
    int m_playerInterval = 10;
    qint64 m_playerDeadline = 10;
    std::vector<Play> m_plays;
    qint64 m_expiries = 0;
};

} // namespace kirvano::test
