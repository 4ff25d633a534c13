#pragma once

#include "boardmodel.h"

#include "support/mainharness.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

namespace kirvano::test {

// Drives a whole main window on fakes and the reference model with the same
// seeded sequence of operator actions and minute ticks, and compares them
// after every step: each station's LED, caption, font, timer and units, the
// counters and minutes, the sound queue, the player's cursor and timer, what
// the media player was asked to play, and every message box shown.
class BoardModelCheck
{
public:
    // How much of the interesting ground a sequence covered.
    struct Coverage
    {
        int clicks = 0;
        int questionsYes = 0;
        int questionsNo = 0;
        int yesAfterExpiry = 0; // the station expired while its question was open
        int cancels = 0;        // a fourth booking click
        int stopAlls = 0;
        int clearedByClearCall = 0;
        int optionsSessions = 0;
        int counterResets = 0;
        qint64 expiries = 0;
        qint64 plays = 0;

        void add(const Coverage &other);
    };

    explicit BoardModelCheck(quint64 seed);
    ~BoardModelCheck();
    BoardModelCheck(const BoardModelCheck &) = delete;
    BoardModelCheck &operator=(const BoardModelCheck &) = delete;

    // Plays the sequence to its end; returns the first disagreement, or an
    // empty text when the real board and the model agreed throughout.
    std::string run();

    // Start-up and the splash's hand-off, then the comparison.
    std::string start();
    // One step of the sequence, then the comparison.
    std::string step();
    bool finished() const;
    // What differs between the real board and the model now.
    std::string compare() const;

    MainHarness &harness() { return *m_h; }
    const std::vector<std::string> &log() const { return m_log; }
    qint64 horizon() const { return m_horizon; }
    const Coverage &coverage() const { return m_coverage; }

private:
    struct Question
    {
        qint64 delay = 0;
        bool yes = false;
    };

    qint64 between(qint64 low, qint64 high);
    bool chance(int percent);
    int pickStation();
    Question pickQuestion(int n);

    std::string advance(qint64 ms);
    std::string clickStart(int n);
    std::string bookingBurst();
    std::string advanceSomeTime();
    std::string stopAll();
    std::string clearCall();
    std::string optionsSession();

    void note(std::string text);
    std::string fail(const std::string &what) const;

    quint64 m_seed;
    std::mt19937_64 m_random;
    std::unique_ptr<MainHarness> m_h;
    std::unique_ptr<BoardModel> m_model;
    QString m_password;
    qint64 m_horizon = 0;
    std::vector<int> m_focus;
    int m_expectedMessages = 0;
    mutable std::size_t m_playsChecked = 0;
    Coverage m_coverage;
    std::vector<std::string> m_log;
};

} // namespace kirvano::test
