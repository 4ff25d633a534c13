// The real program driven from outside, as an operator drives it: under
// the X display and with the sound server that scripts/test starts.

#include "kirvanosession.h"
#include "monitorrecorder.h"
#include "x11desktop.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>

#include <gtest/gtest.h>

using namespace kirvano::e2e;

// File contents in failure messages, CR LF shown.
void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << QString::fromLatin1(bytes).replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

namespace {

const QSize SplashSize(423, 244);
const QSize ClientSize(826, 441);

// The program's windows as the operator tells them apart. Tooltips and
// menus carry the application's name "Kirvano" as their title too.
using Match = KirvanoSession::Match;
const Match IsMainWindow = [](const WindowInfo &w) { return w.title == "Kirvano  v. 1.3.0  by Marbolin"; };
const Match IsMessageBox = [](const WindowInfo &w) { return w.title == "Kirvano" && !w.overrideRedirect; };
const Match IsSplash = [](const WindowInfo &w) { return w.geometry.size() == SplashSize; };
const Match IsOptions = [](const WindowInfo &w) { return w.title == "Option"; };
// The pointer is parked away from the buttons, so no tooltip is up.
const Match IsMenu = [](const WindowInfo &w) { return w.overrideRedirect; };

const QByteArray DefaultSettings = "1\r\n1\r\n0\r\n0\r\n4826\r\n";

QByteArray report(const char *minA, const char *minB, const char *cntA, const char *cntB)
{
    return QByteArray("Tempo Gruppo A = ") + minA + "\r\nTempo Gruppo B = " + minB + "\r\nContatore    A = " + cntA
           + "\r\nContatore    B = " + cntB + "\r\nOption Password= ****\r\n";
}

// Where a station's START button and a point of its LED's rim (the ring
// of colour around the button) lie in the main window's client area.
QPoint tileOrigin(int station)
{
    const int k = (station - 1) % 16;
    const int frameTop = station <= 16 ? 0 : 216;
    return QPoint(8 + 96 * (k % 8), frameTop + 96 * (k / 8));
}
QPoint startButton(int station)
{
    return tileOrigin(station) + QPoint(68, 72);
}
QPoint ledRim(int station)
{
    return tileOrigin(station) + QPoint(36, 72);
}

const QColor Green(0, 192, 0);
const QColor Red(255, 0, 0);

bool near(const QColor &a, const QColor &b)
{
    return a.isValid() && qAbs(a.red() - b.red()) <= 8 && qAbs(a.green() - b.green()) <= 8
           && qAbs(a.blue() - b.blue()) <= 8;
}

std::string describe(const QColor &c)
{
    return c.isValid() ? QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()).toStdString()
                       : std::string("nothing");
}

// The main window: its X window holds the menu bar above the client area.
struct MainWindow
{
    WindowInfo window;

    int menuBarHeight() const { return window.geometry.height() - ClientSize.height(); }
    QPoint client(QPoint p) const { return p + QPoint(0, menuBarHeight()); }
    QColor led(int station) const { return X11Desktop::pixel(window, client(ledRim(station))); }
    void clickStart(int station) const
    {
        X11Desktop::click(window, client(startButton(station)));
        // No tooltip over the LEDs.
        X11Desktop::parkPointer();
    }
    bool ledBecomes(int station, const QColor &colour, int timeoutMs) const
    {
        return waitUntil([&] { return near(led(station), colour); }, timeoutMs);
    }
};

class OperatorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "no X display: scripts/test runs these tests under Xvfb with a window manager";
        const QString missing = X11Desktop::missingTools();
        ASSERT_TRUE(missing.isEmpty()) << "missing tools: " << missing.toStdString() << " (scripts/test installs them)";
        ASSERT_TRUE(QFile::exists(KirvanoSession::program()))
            << "KIRVANO_E2E_PROGRAM names no program: " << KirvanoSession::program().toStdString();
        X11Desktop::parkPointer();
    }

    void TearDown() override
    {
        if (!HasFailure() || !session)
            return;
        std::cerr << "program output:\n" << session->output().toStdString() << std::endl;
        // What the screen showed, for the one who reads the failure.
        const QString shot =
            QStringLiteral("%1/e2e-%2.png")
                .arg(qEnvironmentVariable("KIRVANO_TEST_BINARY_DIR", QStringLiteral(".")),
                     QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        if (X11Desktop::screenshot().save(shot))
            std::cerr << "screenshot: " << shot.toStdString() << std::endl;
    }

    KirvanoSession &begin(const QString &name, const QByteArray *settings)
    {
        session = std::make_unique<KirvanoSession>(name);
        if (settings)
            session->writeSettings(*settings);
        return *session;
    }

    std::optional<MainWindow> waitForMainWindow(int timeoutMs)
    {
        const auto w = session->waitForWindow(IsMainWindow, timeoutMs);
        return w ? std::optional<MainWindow>(MainWindow{*w}) : std::nullopt;
    }

    // "&Exit" from the "&Timer" menu, by its access keys.
    void chooseExit(const MainWindow &main)
    {
        X11Desktop::keys(main.window, {QStringLiteral("alt+t")});
        ASSERT_TRUE(session->waitForWindow(IsMenu, 5000)) << "the Timer menu did not open";
        X11Desktop::press({QStringLiteral("e")});
    }

    std::unique_ptr<KirvanoSession> session;
};

} // namespace

TEST_F(OperatorTest, FirstStartWithoutSettingsWarnsWritesDefaultsThenShowsTheSplash)
{
    KirvanoSession &k = begin(QStringLiteral("firststart"), nullptr);
    ASSERT_TRUE(k.start());

    const auto box = k.waitForWindow(IsMessageBox, 20000);
    ASSERT_TRUE(box) << "no message box \"Kirvano\"";
    // The defaults are written once the operator has read the message.
    EXPECT_FALSE(QFile::exists(k.settingsPath()));
    EXPECT_FALSE(k.hasWindow(IsMainWindow));
    X11Desktop::keys(*box, {QStringLiteral("Return")});

    EXPECT_TRUE(waitUntil([&] { return KirvanoSession::read(k.settingsPath()) == DefaultSettings; }, 5000))
        << "settings file: " << KirvanoSession::read(k.settingsPath()).value_or("(none)").toStdString();
    EXPECT_EQ(KirvanoSession::read(k.reportPath()), report("1", "1", "0", "0"));

    const auto splash = k.waitForWindow(IsSplash, 5000);
    ASSERT_TRUE(splash) << "no 423x244 splash window";
    EXPECT_EQ(splash->offset, QPoint(0, 0)) << "the splash has a window frame";
    EXPECT_FALSE(k.hasWindow(IsMessageBox));

    ASSERT_TRUE(waitForMainWindow(8000)) << "the main window did not come up";
    EXPECT_TRUE(waitUntil([&] { return !k.hasWindow(IsSplash); }, 3000)) << "the splash stayed";
    EXPECT_TRUE(k.isRunning());
}

TEST_F(OperatorTest, SplashHandsOverToTheMainWindowAfterAboutTwoSeconds)
{
    KirvanoSession &k = begin(QStringLiteral("splash"), &DefaultSettings);
    ASSERT_TRUE(k.start());

    const auto splash = k.waitForWindow(IsSplash, 20000);
    ASSERT_TRUE(splash) << "no 423x244 splash window";
    QElapsedTimer shown;
    shown.start();
    EXPECT_EQ(splash->offset, QPoint(0, 0)) << "the splash has a window frame";
    EXPECT_FALSE(k.hasWindow(IsMainWindow));

    const auto main = waitForMainWindow(8000);
    ASSERT_TRUE(main) << "the main window did not come up";
    // The splash's own 2 s timer, neither at once nor the main window's 5 s
    // fallback; the margins allow for seeing both windows a little late.
    EXPECT_GE(shown.elapsed(), 1000);
    EXPECT_LE(shown.elapsed(), 4000);
    EXPECT_FALSE(k.hasWindow(IsSplash));
    EXPECT_FALSE(k.hasWindow(IsMessageBox)) << "a valid settings file gives no message";

    // 826 x 441 below the menu bar: the LED rims sit where that puts them.
    EXPECT_EQ(main->window.geometry.width(), ClientSize.width());
    EXPECT_GT(main->menuBarHeight(), 10);
    EXPECT_LT(main->menuBarHeight(), 40);
    EXPECT_NE(main->window.offset, QPoint(0, 0)) << "the main window has no frame";
    for (int station : {1, 8, 9, 16, 17, 32})
        EXPECT_TRUE(near(main->led(station), Green)) << "station " << station << ": " << describe(main->led(station));
}

TEST_F(OperatorTest, ExpiredStationTurnsRedAndCallsUntilClearCall)
{
    const QByteArray zeroMinutes = "0\r\n1\r\n0\r\n0\r\n4826\r\n";
    KirvanoSession &k = begin(QStringLiteral("expiry"), &zeroMinutes);
    MonitorRecorder sink;
    ASSERT_TRUE(sink.start()) << sink.error().toStdString();
    ASSERT_TRUE(k.start());
    const auto main = waitForMainWindow(20000);
    ASSERT_TRUE(main) << "the main window did not come up";
    ASSERT_TRUE(near(main->led(1), Green)) << describe(main->led(1));
    EXPECT_LT(sink.loudestSince(0), MonitorRecorder::Threshold) << "sound before any sale";

    const qint64 sold = sink.position();
    main->clickStart(1);
    // Five seconds of arming, then yellow and red in the same tick.
    ASSERT_TRUE(main->ledBecomes(1, Red, 20000)) << "station 1 is " << describe(main->led(1));
    EXPECT_TRUE(waitUntil([&] { return sink.loudestSince(sold) > 10 * MonitorRecorder::Threshold; }, 12000))
        << "no alarm heard on test_sink, peak " << sink.loudestSince(sold);

    X11Desktop::keys(main->window, {QStringLiteral("F3")});
    EXPECT_TRUE(main->ledBecomes(1, Green, 5000)) << "station 1 is " << describe(main->led(1));
    // The sound in progress may play to its end (under 5 s); after that a
    // whole sweep of the queue (about 5.3 s) must pass without a sound.
    EXPECT_TRUE(waitUntil([&] { return sink.trailingSilence() >= 7.0; }, 20000))
        << "the alarm goes on after Clear call";
    EXPECT_TRUE(k.isRunning());
}

TEST_F(OperatorTest, OptionsLoginAndANewUnitLengthIsSaved)
{
    KirvanoSession &k = begin(QStringLiteral("options"), &DefaultSettings);
    ASSERT_TRUE(k.start());
    const auto main = waitForMainWindow(20000);
    ASSERT_TRUE(main) << "the main window did not come up";

    X11Desktop::keys(main->window, {QStringLiteral("F12")});
    const auto dialog = k.waitForWindow(IsOptions, 5000);
    ASSERT_TRUE(dialog) << "F12 opened no \"Option\" window";
    EXPECT_EQ(dialog->geometry.size(), QSize(330, 201));

    // Login: a click into the password box empties it.
    const QPoint textlog(156, 84), textMinA(232, 68), imposta(196, 164);
    X11Desktop::click(*dialog, textlog);
    X11Desktop::type(*dialog, QStringLiteral("4826"));
    X11Desktop::keys(*dialog, {QStringLiteral("Return")});

    // The "Tempo" page: Gruppo A gets 15 minutes.
    X11Desktop::click(*dialog, textMinA);
    X11Desktop::keys(*dialog, {QStringLiteral("ctrl+a")});
    X11Desktop::type(*dialog, QStringLiteral("15"));
    X11Desktop::click(*dialog, imposta);

    EXPECT_TRUE(
        waitUntil([&] { return KirvanoSession::read(k.settingsPath()) == "15\r\n1\r\n0\r\n0\r\n4826\r\n"; }, 5000))
        << "settings file: " << KirvanoSession::read(k.settingsPath()).value_or("(none)").toStdString();
    EXPECT_EQ(KirvanoSession::read(k.reportPath()), report("15", "1", "0", "0"));
    EXPECT_TRUE(k.isRunning());
}

TEST_F(OperatorTest, ExitAnsweredNoKeepsRunningAndYesEndsBothSaving)
{
    const QByteArray zeroMinutes = "0\r\n0\r\n5\r\n7\r\n4826\r\n";
    KirvanoSession &k = begin(QStringLiteral("exit"), &zeroMinutes);
    ASSERT_TRUE(k.start());
    const auto main = waitForMainWindow(20000);
    ASSERT_TRUE(main) << "the main window did not come up";

    // Two units in Gruppo A, one in Gruppo B.
    main->clickStart(1);
    main->clickStart(1);
    main->clickStart(17);
    ASSERT_TRUE(main->ledBecomes(1, Red, 20000)) << "station 1 is " << describe(main->led(1));
    ASSERT_TRUE(main->ledBecomes(17, Red, 5000)) << "station 17 is " << describe(main->led(17));
    // A counted sale is saved at once.
    const QByteArray counted = "0\r\n0\r\n7\r\n8\r\n4826\r\n";
    EXPECT_TRUE(waitUntil([&] { return KirvanoSession::read(k.settingsPath()) == counted; }, 5000))
        << "settings file: " << KirvanoSession::read(k.settingsPath()).value_or("(none)").toStdString();

    // Every close request saves before it asks, so without the files the
    // question finds them written again.
    QFile::remove(k.settingsPath());
    QFile::remove(k.reportPath());
    chooseExit(*main);
    auto question = k.waitForWindow(IsMessageBox, 5000);
    ASSERT_TRUE(question) << "no exit question";
    EXPECT_EQ(KirvanoSession::read(k.settingsPath()), counted);
    EXPECT_EQ(KirvanoSession::read(k.reportPath()), report("0", "0", "7", "8"));
    X11Desktop::keys(*question, {QStringLiteral("n")});
    EXPECT_TRUE(waitUntil([&] { return !k.hasWindow(IsMessageBox); }, 5000));
    EXPECT_TRUE(k.isRunning());
    EXPECT_TRUE(k.hasWindow(IsMainWindow));

    // The close request answered Yes saves as well.
    QFile::remove(k.settingsPath());
    QFile::remove(k.reportPath());
    chooseExit(*main);
    question = k.waitForWindow(IsMessageBox, 5000);
    ASSERT_TRUE(question) << "no exit question the second time";
    X11Desktop::keys(*question, {QStringLiteral("Return")});
    ASSERT_TRUE(k.waitForExit(10000)) << "Yes did not end the program";
    EXPECT_EQ(k.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(k.exitCode(), 0);
    EXPECT_EQ(KirvanoSession::read(k.settingsPath()), counted);
    EXPECT_EQ(KirvanoSession::read(k.reportPath()), report("0", "0", "7", "8"));
}

TEST_F(OperatorTest, ASecondStartBringsTheBoardForwardAndEndsWithoutWriting)
{
    const QByteArray settings = "1\r\n1\r\n5\r\n7\r\n4826\r\n";
    KirvanoSession &k = begin(QStringLiteral("secondstart"), &settings);
    ASSERT_TRUE(k.start());
    auto main = waitForMainWindow(20000);
    ASSERT_TRUE(main) << "the main window did not come up";

    X11Desktop::run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowminimize"), QStringLiteral("--sync"), main->window.id});
    ASSERT_TRUE(waitUntil([&] { return !k.hasWindow(IsMainWindow); }, 5000)) << "the main window was not minimised";
    // However long the board has run, its lock is not taken for stale.
    QFile lock(k.settingsPath() + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::ReadOnly)) << "no lock beside the settings file";
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    lock.close();
    // Without the files, anything the second start writes shows.
    QFile::remove(k.settingsPath());
    QFile::remove(k.reportPath());

    const auto second = k.anotherStart();
    ASSERT_TRUE(second->start());
    ASSERT_TRUE(second->waitForExit(15000))
        << "the second start did not end" << (second->hasWindow(IsMessageBox) ? " (it shows a message box)" : "");
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_FALSE(QFile::exists(k.settingsPath()));
    EXPECT_FALSE(QFile::exists(k.reportPath()));

    main = waitForMainWindow(5000);
    ASSERT_TRUE(main) << "the running board did not come forward";
    ASSERT_TRUE(k.isRunning());
    main->clickStart(1);
    EXPECT_TRUE(
        waitUntil([&] { return KirvanoSession::read(k.settingsPath()) == "1\r\n1\r\n6\r\n7\r\n4826\r\n"; }, 15000))
        << "settings file: " << KirvanoSession::read(k.settingsPath()).value_or("(none)").toStdString();
}

TEST_F(OperatorTest, AKilledBoardDoesNotBlockTheNextStart)
{
    KirvanoSession &k = begin(QStringLiteral("killed"), &DefaultSettings);
    ASSERT_TRUE(k.start());
    ASSERT_TRUE(waitForMainWindow(20000)) << "the main window did not come up";
    k.kill();
    ASSERT_TRUE(QFile::exists(k.settingsPath() + ".lock")) << "the killed board left no lock to take over";

    const auto next = k.anotherStart();
    ASSERT_TRUE(next->start());
    ASSERT_TRUE(next->waitForWindow(IsMainWindow, 20000)) << "the start after the killed board did not come up";

    // It answers a later start in its turn, in place of the dead one.
    const auto later = k.anotherStart();
    ASSERT_TRUE(later->start());
    ASSERT_TRUE(later->waitForExit(15000))
        << "the later start did not end" << (later->hasWindow(IsMessageBox) ? " (it shows a message box)" : "");
    EXPECT_EQ(later->exitCode(), 0);
    EXPECT_TRUE(next->isRunning());
}

TEST_F(OperatorTest, ASecondStartThatCannotReachTheBoardSaysSoAndEnds)
{
    KirvanoSession &k = begin(QStringLiteral("unreachable"), &DefaultSettings);
    // A live holder of the lock that does not answer on the socket.
    QLockFile held(k.settingsPath() + ".lock");
    ASSERT_TRUE(held.tryLock(0));

    ASSERT_TRUE(k.start());
    const auto box = k.waitForWindow(IsMessageBox, 20000);
    ASSERT_TRUE(box) << "no message box \"Kirvano\"";
    EXPECT_FALSE(k.hasWindow(IsSplash));
    X11Desktop::keys(*box, {QStringLiteral("Return")});
    ASSERT_TRUE(k.waitForExit(5000)) << "OK did not end the program";
    EXPECT_EQ(k.exitCode(), 0);
    EXPECT_EQ(KirvanoSession::read(k.settingsPath()), DefaultSettings);
    EXPECT_FALSE(QFile::exists(k.reportPath()));
}
