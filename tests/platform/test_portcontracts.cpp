// The same cases on the fakes the logic is tested with and on the Qt
// adapters the program runs on: a fake that is kinder than the real port
// would hide faults of the logic.

#include "platform/qt/qtmessagebox.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"

#include "support/fakes.h"
#include "support/faketimer.h"
#include "support/guitest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

using namespace kirvano;

namespace {

// Each driver makes timers, windows and message boxes of one implementation
// and lets time pass for them: virtual time for the fakes, real time in the
// event loop for Qt.

class FakeDriver
{
public:
    FakeDriver() { m_messages.loop = &m_clock; }

    ITimer &timer(int interval, bool enabled)
    {
        m_timers.push_back(std::make_unique<test::FakeTimer>(m_clock, interval, enabled));
        return *m_timers.back();
    }

    // A shown, enabled window.
    IWindow &window()
    {
        m_windows.push_back(std::make_unique<test::FakeWindow>(true, true));
        test::FakeWindow *w = m_windows.back().get();
        // As the fake window factory does: the window's timers go with it.
        w->onClosed = [this, w] {
            for (test::FakeTimer *t : m_owned[w])
                t->setEnabled(false);
        };
        return *w;
    }

    // A running timer of the window.
    ITimer &windowTimer(IWindow &window, int interval)
    {
        m_timers.push_back(std::make_unique<test::FakeTimer>(m_clock, interval, true));
        m_owned[static_cast<test::FakeWindow *>(&window)].push_back(m_timers.back().get());
        return *m_timers.back();
    }

    IMessageBox &messages() { return m_messages; }

    // The next box is answered `afterMs` after it opens.
    void answerNextBox(MessageAnswer answer, int afterMs)
    {
        m_messages.responder = [this, answer, afterMs](const test::FakeMessageBox::Shown &) {
            m_messages.responder = nullptr;
            m_clock.advance(afterMs);
            return answer;
        };
    }

    qint64 now() const { return m_clock.now(); }
    void wait(int ms) { m_clock.advance(ms); }
    bool waitFor(const std::function<bool()> &done, int timeoutMs)
    {
        const qint64 end = m_clock.now() + timeoutMs;
        while (!done() && m_clock.now() < end)
            m_clock.advance(1);
        return done();
    }

private:
    test::VirtualClock m_clock;
    test::FakeMessageBox m_messages;
    std::vector<std::unique_ptr<test::FakeWindow>> m_windows;
    std::vector<std::unique_ptr<test::FakeTimer>> m_timers;
    std::map<test::FakeWindow *, std::vector<test::FakeTimer *>> m_owned;
};

class QtDriver
{
public:
    QtDriver() { m_clock.start(); }

    ITimer &timer(int interval, bool enabled)
    {
        return *new QtTimer(QStringLiteral("Timer"), interval, enabled, &m_owner);
    }

    IWindow &window()
    {
        m_widgets.push_back(std::make_unique<QWidget>());
        QWidget *widget = m_widgets.back().get();
        widget->resize(120, 80);
        auto *adapter = new QtWindow(widget);
        adapter->show();
        return *adapter;
    }

    // A running timer of the window: a child of its widget, as the windows
    // of the program make theirs.
    ITimer &windowTimer(IWindow &window, int interval)
    {
        return *new QtTimer(QStringLiteral("Timer"), interval, true, dynamic_cast<QtWindow &>(window).widget());
    }

    IMessageBox &messages() { return m_messages; }

    // The next box is answered `afterMs` after it opens, by clicking its button.
    void answerNextBox(MessageAnswer answer, int afterMs)
    {
        const QMessageBox::StandardButton button = answer == MessageAnswer::Yes  ? QMessageBox::Yes
                                                   : answer == MessageAnswer::No ? QMessageBox::No
                                                                                 : QMessageBox::Ok;
        m_answerer.emplace(button, afterMs);
    }

    qint64 now() const { return m_clock.elapsed(); }
    void wait(int ms) { QTest::qWait(ms); }
    bool waitFor(const std::function<bool()> &done, int timeoutMs) { return QTest::qWaitFor(done, timeoutMs); }

private:
    QElapsedTimer m_clock;
    QObject m_owner;
    QtMessageBox m_messages;
    std::optional<test::BoxAnswerer> m_answerer;
    std::vector<std::unique_ptr<QWidget>> m_widgets;
};

// Real timers never fire early; on the millisecond clock a tick may look a
// few milliseconds early. Late is fine up to a generous bound.
constexpr int Early = 10;
constexpr int Late = 1000;

// The times of a timer's ticks on the driver's clock.
template<typename Driver>
struct TickLog
{
    TickLog(Driver &d, ITimer &timer) : driver(d)
    {
        timer.onTick([this] { times.push_back(driver.now()); });
    }
    int count() const { return static_cast<int>(times.size()); }
    bool waitForTicks(int n)
    {
        return driver.waitFor([this, n] { return count() >= n; }, Late);
    }
    // How long after `since` the first tick came, waiting for it; -1 if it did not.
    qint64 firstTickAfter(qint64 since) { return waitForTicks(1) ? times[0] - since : -1; }

    Driver &driver;
    std::vector<qint64> times;
};

template<typename Driver>
class PortContract : public ::testing::Test
{
protected:
    Driver d;
};

using Drivers = ::testing::Types<FakeDriver, QtDriver>;

class DriverNames
{
public:
    template<typename T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, FakeDriver> ? "Fake" : "Qt";
    }
};

TYPED_TEST_SUITE(PortContract, Drivers, DriverNames);

TYPED_TEST(PortContract, SettingTheIntervalOfARunningTimerRestartsItsCountdown)
{
    auto &d = this->d;
    ITimer &timer = d.timer(200, true);
    TickLog log(d, timer);
    d.wait(100);
    ASSERT_EQ(log.count(), 0);
    timer.setInterval(200);
    EXPECT_GE(log.firstTickAfter(d.now()), 200 - Early);
}

TYPED_TEST(PortContract, EnablingAStoppedTimerStartsAFullInterval)
{
    auto &d = this->d;
    ITimer &timer = d.timer(200, true);
    TickLog log(d, timer);
    d.wait(100);
    timer.setEnabled(false);
    d.wait(30);
    ASSERT_EQ(log.count(), 0);
    timer.setEnabled(true);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_GE(log.firstTickAfter(d.now()), 200 - Early);
}

TYPED_TEST(PortContract, ADisabledTimerStaysSilent)
{
    auto &d = this->d;
    ITimer &timer = d.timer(20, true);
    TickLog log(d, timer);
    ASSERT_TRUE(log.waitForTicks(1));
    timer.setEnabled(false);
    const int stopped = log.count();
    d.wait(150);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(log.count(), stopped);
}

TYPED_TEST(PortContract, SettingTheIntervalOfAStoppedTimerDoesNotStartIt)
{
    auto &d = this->d;
    ITimer &timer = d.timer(5000, false);
    TickLog log(d, timer);
    timer.setInterval(20);
    d.wait(150);
    EXPECT_FALSE(timer.isEnabled());
    EXPECT_EQ(log.count(), 0);
    // The interval is kept for the next start.
    timer.setEnabled(true);
    EXPECT_TRUE(log.waitForTicks(1));
    EXPECT_EQ(timer.interval(), 20);
}

TYPED_TEST(PortContract, AHandlerSettingItsOwnIntervalCountsTheNewIntervalFromItsTick)
{
    auto &d = this->d;
    ITimer &timer = d.timer(30, true);
    std::vector<qint64> ticks;
    timer.onTick([&] {
        ticks.push_back(d.now());
        if (ticks.size() == 1)
            timer.setInterval(200);
    });
    ASSERT_TRUE(d.waitFor([&] { return ticks.size() >= 2; }, Late));
    EXPECT_GE(ticks[1] - ticks[0], 200 - Early);
}

TYPED_TEST(PortContract, AClosedWindowsTimersStop)
{
    auto &d = this->d;
    IWindow &window = d.window();
    ITimer &timer = d.windowTimer(window, 20);
    TickLog log(d, timer);
    ASSERT_TRUE(log.waitForTicks(1));
    window.close();
    const int closed = log.count();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(timer.isEnabled());
    d.wait(150);
    EXPECT_EQ(log.count(), closed);
}

TYPED_TEST(PortContract, ACancelledCloseLeavesTheWindowOpenAndItsTimersRunning)
{
    auto &d = this->d;
    IWindow &window = d.window();
    ITimer &timer = d.windowTimer(window, 20);
    TickLog log(d, timer);
    // The request asks the operator, who takes a while and says No.
    int ticksWhileAsking = -1;
    window.onCloseRequest([&] {
        const int before = log.count();
        const bool yes = d.messages().show(QStringLiteral("Chiudere?"), MessageButtons::YesNo, MessageIcon::Question)
                         == MessageAnswer::Yes;
        ticksWhileAsking = log.count() - before;
        return yes;
    });
    d.answerNextBox(MessageAnswer::No, 150);
    window.close();
    EXPECT_GT(ticksWhileAsking, 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_TRUE(log.waitForTicks(log.count() + 1));
}

TYPED_TEST(PortContract, CloseRaisesTheCloseRequestOnceAndAClosedWindowNoMore)
{
    auto &d = this->d;
    IWindow &window = d.window();
    int requests = 0;
    window.onCloseRequest([&] {
        ++requests;
        return true;
    });
    window.close();
    d.wait(50);
    EXPECT_EQ(requests, 1);
    window.close();
    d.wait(50);
    EXPECT_EQ(requests, 1);
}

TYPED_TEST(PortContract, AHiddenDisabledWindowKeepsItsTimersAndTheProgramCanCloseIt)
{
    auto &d = this->d;
    IWindow &window = d.window();
    ITimer &timer = d.windowTimer(window, 20);
    TickLog log(d, timer);
    window.setEnabled(false);
    window.hide();
    EXPECT_TRUE(log.waitForTicks(2));
    window.close();
    EXPECT_FALSE(timer.isEnabled());
}

TYPED_TEST(PortContract, AModalBoxLetsTicksThroughAndReturnsTheAnswer)
{
    auto &d = this->d;
    ITimer &timer = d.timer(20, true);
    TickLog log(d, timer);
    for (MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        const int before = log.count();
        d.answerNextBox(answer, 150);
        EXPECT_EQ(d.messages().show(QStringLiteral("Stop Timer3?"), MessageButtons::YesNo, MessageIcon::Question),
                  answer);
        EXPECT_GE(log.count() - before, 2) << "answer " << int(answer);
    }
}

TYPED_TEST(PortContract, ATickThatWaitsInABoxLosesTheTicksDueMeanwhile)
{
    auto &d = this->d;
    ITimer &other = d.timer(20, true);
    TickLog otherLog(d, other);
    ITimer &timer = d.timer(100, true);
    std::vector<qint64> ticks;
    qint64 answeredAt = -1;
    int otherTicksWhileOpen = -1;
    timer.onTick([&] {
        ticks.push_back(d.now());
        if (ticks.size() > 1)
            return;
        const int before = otherLog.count();
        d.answerNextBox(MessageAnswer::Ok, 450);
        d.messages().show(QStringLiteral("Impossibile salvare"), MessageButtons::Ok, MessageIcon::Critical);
        otherTicksWhileOpen = otherLog.count() - before;
        answeredAt = d.now();
    });
    ASSERT_TRUE(d.waitFor([&] { return answeredAt >= 0; }, 3000));
    EXPECT_GT(otherTicksWhileOpen, 2);
    ASSERT_TRUE(d.waitFor([&] { return ticks.size() >= 2; }, Late));
    // The four ticks due while the box was open do not come in a burst
    // after it; the timer goes on at its pace.
    int soonAfter = 0;
    for (qint64 t : ticks)
        soonAfter += t >= answeredAt && t < answeredAt + 50 ? 1 : 0;
    EXPECT_LE(soonAfter, 1);
}

TYPED_TEST(PortContract, ABoxAskedForLaterFromATickLetsThatTimerGoOn)
{
    auto &d = this->d;
    ITimer &timer = d.timer(100, true);
    std::vector<qint64> ticks;
    timer.onTick([&] {
        ticks.push_back(d.now());
        if (ticks.size() > 1)
            return;
        d.answerNextBox(MessageAnswer::Ok, 900);
        d.messages().showLater(QStringLiteral("Impossibile salvare"), MessageIcon::Critical);
    });
    // Opened inside the tick, the box would swallow the ticks of 900 ms.
    EXPECT_TRUE(d.waitFor([&] { return ticks.size() >= 5; }, 800)) << ticks.size() << " ticks";
    d.wait(1000); // the box has been answered
}

} // namespace
