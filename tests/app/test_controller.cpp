#include "support/mainharness.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace kirvano;
using namespace kirvano::test;

namespace {

constexpr qint64 Minute = 60000;
const QByteArray Defaults("1\r\n1\r\n0\r\n0\r\n4826\r\n");

struct ControllerTest : public ::testing::Test
{
    MainHarness h{QStringLiteral("controller")};
    MainController &main = *h.main;

    // Start-up and hand-off with a valid settings file.
    void startRunning(const QByteArray &settings = Defaults)
    {
        h.writeSettings(settings);
        main.startUp();
        h.clock.advance(2000);
    }
};

} // namespace

TEST_F(ControllerTest, MissingSettingsShowTheMessageThenWriteDefaults)
{
    bool splashAtMessage = true;
    h.messages.responder = [&](const FakeMessageBox::Shown &) {
        splashAtMessage = h.windows.splash != nullptr;
        return MessageAnswer::Ok;
    };
    main.startUp();
    ASSERT_EQ(h.messages.count(), 1);
    EXPECT_EQ(h.messages.shown[0].prompt,
              "Problemi durante il caricamente della configurazione.\r\nImpostazioni di default.");
    EXPECT_TRUE(h.messages.shown[0].is(MessageButtons::Ok, MessageIcon::Critical));
    EXPECT_EQ(h.messages.shown[0].title, "Kirvano");
    EXPECT_FALSE(splashAtMessage); // the message comes before any window
    EXPECT_EQ(h.settingsBytes(), Defaults);
    EXPECT_EQ(h.reportBytes(), QByteArray("Tempo Gruppo A = 1\r\nTempo Gruppo B = 1\r\nContatore    A = 0\r\n"
                                          "Contatore    B = 0\r\nOption Password= ****\r\n"));
    EXPECT_EQ(main.settings(), Settings::defaults());
}

TEST_F(ControllerTest, ShortOrEmptyMinutesFilesAreReplacedByDefaults)
{
    for (const QByteArray &bad : {QByteArray("7\r\n8\r\n9\r\n10\r\n"), QByteArray("\r\n8\r\n9\r\n10\r\npw\r\n")}) {
        MainHarness fresh(QStringLiteral("bad"));
        fresh.writeSettings(bad);
        fresh.main->startUp();
        EXPECT_EQ(fresh.messages.count(), 1);
        EXPECT_EQ(fresh.main->settings(), Settings::defaults());
        EXPECT_EQ(fresh.settingsBytes(), Defaults);
    }
}

TEST_F(ControllerTest, ValidSettingsAreTakenAsReadWithoutAMessage)
{
    h.writeSettings("15\r\n20\r\n7\r\n8\r\n\r\n");
    main.startUp();
    EXPECT_EQ(h.messages.count(), 0);
    EXPECT_EQ(main.settings(), (Settings{"15", "20", "7", "8", ""}));
}

TEST_F(ControllerTest, SplashHandsOverAfterTwoSecondsAndTimerlogoFiresOnce)
{
    h.writeSettings(Defaults);
    main.startUp();
    ASSERT_TRUE(h.windows.splash);
    EXPECT_TRUE(h.windows.splash->isVisible());
    EXPECT_FALSE(h.mainWindow.isVisible());
    EXPECT_FALSE(h.mainWindow.isEnabled());
    EXPECT_TRUE(h.playTimer.isEnabled());
    for (int n = 1; n <= 32; ++n)
        EXPECT_FALSE(h.stationTimer(n).isEnabled());

    h.clock.advance(1999);
    EXPECT_FALSE(h.mainWindow.isVisible());
    h.clock.advance(1);
    EXPECT_TRUE(h.mainWindow.isVisible());
    EXPECT_TRUE(h.mainWindow.isEnabled());
    EXPECT_TRUE(h.windows.splash->closed());
    EXPECT_EQ(main.splash(), nullptr);

    h.clock.advance(3000);
    EXPECT_EQ(h.handOffTimer.ticks(), 1);
    EXPECT_FALSE(h.handOffTimer.isEnabled());
    h.clock.advance(60000);
    EXPECT_EQ(h.handOffTimer.ticks(), 1);
    EXPECT_EQ(h.windows.splashesMade, 1);
    EXPECT_EQ(h.windows.splashTimer->ticks(), 1);
}

TEST_F(ControllerTest, DialogOpenedBeforeTimerlogoIsOverruledByIt)
{
    startRunning();
    main.openAbout();
    EXPECT_FALSE(h.mainWindow.isEnabled());
    h.clock.advance(3000); // Timerlogo at 5 s
    EXPECT_TRUE(h.mainWindow.isEnabled());
    EXPECT_TRUE(h.windows.about->isVisible());

    // A second About in that interval keeps one about window and disables again.
    main.openAbout();
    EXPECT_EQ(h.windows.aboutsMade, 1);
    EXPECT_FALSE(h.mainWindow.isEnabled());
    h.windows.about->close();
    EXPECT_TRUE(h.mainWindow.isEnabled());
    EXPECT_EQ(main.aboutWindow(), nullptr);
}

TEST_F(ControllerTest, AboutDisablesTheMainWindowUntilItCloses)
{
    startRunning();
    h.clock.advance(5000);
    main.openAbout();
    FakeWindow *about = h.windows.about;
    EXPECT_FALSE(h.mainWindow.isEnabled());
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->isEnabled());
    h.mainWindow.hide();
    about->close();
    EXPECT_TRUE(h.mainWindow.isEnabled());
    EXPECT_TRUE(h.mainWindow.isVisible());
    main.openAbout();
    EXPECT_EQ(h.windows.aboutsMade, 2); // every opening is fresh
    EXPECT_NE(h.windows.about, about);
}

TEST_F(ControllerTest, OptionShowsTheDialogOverTheMainWindowUntilItCloses)
{
    startRunning();
    h.clock.advance(5000);
    const QByteArray before = h.settingsBytes();
    main.openOptions();
    FakeWindow *options = h.windows.options;
    ASSERT_TRUE(options);
    EXPECT_EQ(main.optionsDialog(), options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(options->isEnabled());
    EXPECT_FALSE(h.mainWindow.isEnabled());

    options->close();
    EXPECT_TRUE(h.mainWindow.isEnabled());
    EXPECT_EQ(main.optionsDialog(), nullptr);
    EXPECT_EQ(h.settingsBytes(), before); // closing saves nothing

    main.openOptions();
    EXPECT_EQ(h.windows.optionsMade, 2); // every opening is a new dialog
    EXPECT_NE(h.windows.options, options);
}

TEST_F(ControllerTest, OptionAgainWhileTheDialogIsOpenShowsTheSameOne)
{
    startRunning();
    main.openOptions();
    h.clock.advance(3000); // Timerlogo gives the main window its input back
    ASSERT_TRUE(h.mainWindow.isEnabled());
    main.openOptions();
    EXPECT_EQ(h.windows.optionsMade, 1);
    EXPECT_EQ(h.windows.options->showCount, 2); // showing fills it again
    EXPECT_FALSE(h.mainWindow.isEnabled());
}

TEST_F(ControllerTest, CloseRequestSavesClosesTheOtherWindowsThenAsks)
{
    startRunning();
    main.openAbout();
    h.windows.about->close();
    h.clock.advance(5000);
    main.openOptions();
    ASSERT_TRUE(main.optionsDialog());
    EXPECT_FALSE(h.mainWindow.isEnabled());
    h.start(1).click();
    h.clock.advance(5000); // a run starts while the dialog is open
    main.settings().counterA = "41";

    QByteArray fileAtQuestion;
    bool optionsGoneAtQuestion = false;
    h.messages.responder = [&](const FakeMessageBox::Shown &s) {
        EXPECT_EQ(s.prompt, "Attenzione vuoi uscire?");
        EXPECT_TRUE(s.is(MessageButtons::YesNo, MessageIcon::Question));
        fileAtQuestion = h.settingsBytes();
        optionsGoneAtQuestion = main.optionsDialog() == nullptr && h.windows.options->closed();
        h.clock.advance(Minute); // stations go on while the question is open
        return MessageAnswer::No;
    };
    h.mainWindow.close();
    EXPECT_FALSE(h.mainWindow.closed());
    EXPECT_EQ(fileAtQuestion, QByteArray("1\r\n1\r\n41\r\n0\r\n4826\r\n"));
    EXPECT_TRUE(optionsGoneAtQuestion);
    EXPECT_TRUE(h.mainWindow.isEnabled()); // the dialog's close gave the input back
    EXPECT_EQ(h.colour(1), led::Red);      // the station ran on

    h.messages.answerAlways(MessageAnswer::Yes);
    main.requestExit();
    EXPECT_TRUE(h.mainWindow.closed());
}

TEST_F(ControllerTest, EarlyCloseRequestAnsweredNoLeavesTimerlogoToShowTheWindow)
{
    h.writeSettings(Defaults);
    main.startUp();
    h.clock.advance(1000);
    h.mainWindow.close(); // the system asks, within the splash phase
    EXPECT_TRUE(h.windows.splash->closed());
    EXPECT_FALSE(h.mainWindow.closed());
    h.clock.advance(3999);
    EXPECT_FALSE(h.mainWindow.isVisible());
    h.clock.advance(1);
    EXPECT_TRUE(h.mainWindow.isVisible());
    EXPECT_TRUE(h.mainWindow.isEnabled());
}

TEST_F(ControllerTest, SettingsWithZeroMinutesExpireAtTheFirstTickAndSaveTheUnitAtOnce)
{
    startRunning("0\r\n1\r\n5\r\n0\r\n4826\r\n");
    h.start(1).click();
    EXPECT_EQ(h.start(1).caption(), "0/0");
    h.clock.advance(4999);
    EXPECT_EQ(h.colour(1), led::Green);
    h.clock.advance(1);
    EXPECT_EQ(h.colour(1), led::Red);
    EXPECT_EQ(h.settingsBytes(), QByteArray("0\r\n1\r\n6\r\n0\r\n4826\r\n"));
    EXPECT_TRUE(h.reportBytes().contains("Contatore    A = 6\r\n"));

    // Heard within one sweep, then every 5310 ms until acknowledged.
    h.clock.advance(5310 * 3);
    ASSERT_GE(h.mediaPlayer.plays.size(), 3u);
    EXPECT_EQ(h.mediaPlayer.plays[0].path, QDir::toNativeSeparators(h.folder + "/app/suoni_timer/1.wav"));
    EXPECT_LE(h.mediaPlayer.plays[0].at, 7000 + 320);
    EXPECT_EQ(h.mediaPlayer.plays[1].at - h.mediaPlayer.plays[0].at, 5310);
    h.start(1).click();
    const size_t heard = h.mediaPlayer.plays.size();
    h.clock.advance(Minute);
    EXPECT_EQ(h.mediaPlayer.plays.size(), heard);
}

TEST_F(ControllerTest, FailedSaveIsReportedOnceAndTheProgramGoesOn)
{
    startRunning("0\r\n0\r\n0\r\n0\r\n4826\r\n");
    // Root ignores permission bits: a folder in the file's place blocks it.
    QFile::remove(h.settingsPath());
    QDir().mkpath(h.settingsPath());

    h.start(1).click();
    h.start(2).click();
    h.clock.advance(5000);
    ASSERT_EQ(h.messages.count(), 1);
    EXPECT_TRUE(h.messages.shown[0].is(MessageButtons::Ok, MessageIcon::Critical));
    EXPECT_EQ(h.messages.shown[0].title, "Kirvano");
    EXPECT_TRUE(h.messages.shown[0].prompt.contains("config_bmb.dat"));
    EXPECT_EQ(main.settings().counterA, "2"); // kept in memory
    EXPECT_EQ(h.colour(1), led::Red);
    EXPECT_EQ(h.colour(2), led::Red);

    // The close request tells the failure again, then still asks.
    h.messages.answerAlways(MessageAnswer::No);
    h.mainWindow.close();
    ASSERT_EQ(h.messages.count(), 3);
    EXPECT_TRUE(h.messages.shown[1].prompt.contains("config_bmb.dat"));
    EXPECT_EQ(h.messages.prompts().back(), "Attenzione vuoi uscire?");

    // Once the disk is writable again the next save succeeds, and a later
    // failure is reported again.
    QDir(h.settingsPath()).removeRecursively();
    h.start(3).click();
    h.start(3).click();
    h.clock.advance(5000);
    EXPECT_EQ(h.settingsBytes(), QByteArray("0\r\n0\r\n4\r\n0\r\n4826\r\n"));
    QFile::remove(h.settingsPath());
    QDir().mkpath(h.settingsPath());
    EXPECT_FALSE(main.saveSettings());
    EXPECT_EQ(h.messages.count(), 4);
}

TEST_F(ControllerTest, UnwritableFolderAtStartKeepsTheDefaultsInMemory)
{
    QDir().mkpath(h.settingsPath()); // neither readable nor writable as a file
    main.startUp();
    ASSERT_EQ(h.messages.count(), 2);
    EXPECT_TRUE(h.messages.shown[0].prompt.startsWith("Problemi durante"));
    EXPECT_TRUE(h.messages.shown[1].prompt.contains("config_bmb.dat"));
    EXPECT_EQ(main.settings(), Settings::defaults());
    h.clock.advance(2000);
    EXPECT_TRUE(h.mainWindow.isVisible());
}

TEST_F(ControllerTest, StopAllAndClearCallReachTheBoard)
{
    startRunning("0\r\n1\r\n0\r\n0\r\n4826\r\n");
    h.start(3).click();
    h.start(20).click();
    h.clock.advance(5000);
    EXPECT_EQ(h.colour(3), led::Red);
    main.clearCalls();
    EXPECT_EQ(h.colour(3), led::Green);
    EXPECT_EQ(h.colour(20), led::Yellow);
    main.stopAll();
    EXPECT_EQ(h.colour(20), led::Green);
    EXPECT_EQ(main.settings().counterB, "1");
}
