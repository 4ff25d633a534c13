#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

namespace kirvano::test {

class FakeTimer;

// Virtual time for fake timers. advance() fires due timers in deadline
// order (ties in creation order), so an hour of station time runs in
// microseconds. A timer never fires again while its own handler runs, and
// the ticks it misses meanwhile are lost, as with Qt's timers; a nested
// advance() (a message box left open while time passes) keeps delivering
// the other timers' ticks.
class VirtualClock
{
public:
    qint64 now() const { return m_now; }

    void advance(qint64 ms);
    void advanceTo(qint64 time);

    // Runs `call` when the loop next gets control back: after the handler
    // that is running now (or at the next advance()).
    void post(std::function<void()> call) { m_posted.push_back(std::move(call)); }

    void add(FakeTimer *timer) { m_timers.push_back(timer); }
    void remove(FakeTimer *timer);

private:
    FakeTimer *nextDue(qint64 limit) const;
    void runPosted();

    qint64 m_now = 0;
    std::vector<FakeTimer *> m_timers;
    std::vector<std::function<void()>> m_posted;
};

} // namespace kirvano::test
