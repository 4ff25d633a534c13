// The real program on a headless Wayland compositor (GNOME's mutter, which
// scripts/test starts), watched through its own protocol log: the dialogs
// belong to the board, and a second start hands its activation token over.

#include "kirvanosession.h"
#include "waylanddesktop.h"
#include "x11desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>

using namespace kirvano::e2e;

namespace {

const QString BoardTitle = QStringLiteral("Kirvano  v. 1.3.0  by Marbolin");
constexpr unsigned F12 = 0xffc9, Return = 0xff0d, Escape = 0xff1b;

void onWayland(KirvanoSession &session)
{
    session.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    session.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), qEnvironmentVariable("KIRVANO_WAYLAND_DISPLAY"));
    session.setEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), qEnvironmentVariable("KIRVANO_WAYLAND_RUNTIME_DIR"));
}

} // namespace

TEST(WaylandTest, DialogsBelongToTheBoardAndASecondStartHandsItsTokenOver)
{
    const QString socket = qEnvironmentVariable("KIRVANO_WAYLAND_RUNTIME_DIR") + QLatin1Char('/')
                           + qEnvironmentVariable("KIRVANO_WAYLAND_DISPLAY");
    if (qEnvironmentVariableIsEmpty("KIRVANO_WAYLAND_DISPLAY") || !QFileInfo(socket).exists())
        GTEST_SKIP() << "no Wayland compositor: scripts/test starts mutter headless for this test";

    KirvanoSession board(QStringLiteral("wayland"));
    onWayland(board);
    board.setEnvironment(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
    board.writeSettings("1\r\n1\r\n0\r\n0\r\n4826\r\n");
    ASSERT_TRUE(board.start());
    auto seen = [&board](const QString &title) {
        return waitUntil([&] { return WaylandLog(board.output()).latest(title) >= 0; }, 15000);
    };
    ASSERT_TRUE(seen(BoardTitle)) << board.output().right(3000).toStdString();

    RemoteKeyboard keyboard;
    const QString why = keyboard.start();
    ASSERT_TRUE(why.isEmpty()) << why.toStdString();
    // Keys go to the window that has the keyboard: each is typed once it has.
    auto focused = [&board](const QString &title) {
        return waitUntil(
            [&] {
                const WaylandLog log(board.output());
                return log.focused >= 0 && log.focused == log.latest(title);
            },
            15000);
    };
    ASSERT_TRUE(focused(BoardTitle)) << board.output().right(3000).toStdString();
    keyboard.press({F12});
    ASSERT_TRUE(focused(QStringLiteral("Option")));
    // Logged in, then "Imposta" with a folder in the settings file's place:
    // the failure is told while the board is disabled.
    keyboard.press({'4', '8', '2', '6', Return});
    QTest::qWait(500);
    const QString settings = board.settingsPath();
    ASSERT_TRUE(QFile::remove(settings) && QDir().mkpath(settings));
    keyboard.press({Return});
    ASSERT_TRUE(focused(QStringLiteral("Kirvano")));

    WaylandLog log(board.output());
    const int boardWindow = log.latest(BoardTitle);
    EXPECT_EQ(log.windows[log.latest(QStringLiteral("Option"))].parent, boardWindow);
    EXPECT_EQ(log.windows[log.latest(QStringLiteral("Kirvano"))].parent, boardWindow);

    keyboard.press({Return, Escape});
    ASSERT_TRUE(QDir(settings).removeRecursively());
    auto again = board.anotherStart();
    onWayland(*again);
    again->setEnvironment(QStringLiteral("XDG_ACTIVATION_TOKEN"), QStringLiteral("kirvano-test-token"));
    ASSERT_TRUE(again->start());
    ASSERT_TRUE(again->waitForExit(10000));
    EXPECT_EQ(again->exitCode(), 0) << again->output().toStdString();
    const bool activated = waitUntil(
        [&] {
            log = WaylandLog(board.output());
            for (const WaylandLog::Activation &a : log.activations) {
                if (a.token == QLatin1String("kirvano-test-token") && a.window == log.latest(BoardTitle))
                    return true;
            }
            return false;
        },
        5000);
    EXPECT_TRUE(activated) << board.output().right(3000).toStdString();
}
