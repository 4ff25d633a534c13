#include "savesets.h"

#include "support/mainharness.h"
#include "support/testenv.h"

#include "settings/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

using namespace kirvano;
using namespace kirvano::test;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Lowers this process's file-size limit: every write past the first bytes
// of a file fails (EFBIG), as on a disk that filled up part-way.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldSignal);
    }

private:
    rlimit m_old{};
    void (*m_oldSignal)(int) = nullptr;
};

} // namespace

// A process that saves in a loop is killed at random moments: the settings
// file must always hold one complete set, old or new, never a torn or empty one.
TEST(SaveSafety, KilledWhileSavingLeavesACompleteOldOrNewFile)
{
    const QString folder = freshFolder(QStringLiteral("killed"));
    const QString settingsPath = folder + QStringLiteral("/config/config_bmb.dat");
    const QString reportPath = folder + QStringLiteral("/config.txt");
    const SettingsStore store(settingsPath, reportPath);
    const Settings sets[] = {firstSaveSet(), secondSaveSet()};
    ASSERT_TRUE(store.save(sets[0]).ok);

    std::mt19937 random(20240611);
    int seen[2] = {0, 0};
    int killedBeforeFirstSave = 0;
    QElapsedTimer budget;
    budget.start();
    int kills = 0;
    for (; kills < 200 && budget.elapsed() < 120000; ++kills) {
        QProcess child;
        child.start(QStringLiteral(KIRVANO_SAVELOOPER), {settingsPath, reportPath});
        ASSERT_TRUE(child.waitForStarted(30000)) << child.errorString().toStdString();
        // Mostly once it is saving, sometimes while it is still starting.
        if (random() % 8 != 0) {
            ASSERT_TRUE(child.waitForReadyRead(30000))
                << "the saver never started saving: " << child.readAllStandardError().toStdString();
        } else {
            ++killedBeforeFirstSave;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        child.kill(); // SIGKILL: no handler, no flush, no clean-up runs
        ASSERT_TRUE(child.waitForFinished(30000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit)
            << "the saver ended by itself: " << child.readAllStandardError().toStdString();

        const QByteArray bytes = readAll(settingsPath);
        const auto loaded = store.load();
        ASSERT_TRUE(loaded) << "kill " << kills << " left " << bytes.toStdString();
        const int which = *loaded == sets[0] ? 0 : *loaded == sets[1] ? 1 : -1;
        ASSERT_NE(which, -1) << "kill " << kills << " left a mixed set: " << bytes.toStdString();
        EXPECT_EQ(bytes, SettingsStore::settingsBytes(sets[which]));
        ++seen[which];

        // The report is written after the settings file: it may lag one
        // save behind, but it too is always whole.
        const QByteArray report = readAll(reportPath);
        EXPECT_TRUE(report == SettingsStore::reportBytes(sets[0]) || report == SettingsStore::reportBytes(sets[1]))
            << "kill " << kills << " left the report " << report.toStdString();
    }
    std::printf("%d kills in %lld ms (%d while starting): %d times the first set, %d times the second\n", kills,
                static_cast<long long>(budget.elapsed()), killedBeforeFirstSave, seen[0], seen[1]);
    EXPECT_GE(kills, 100) << "too few kills within the time";
    // A save killed between creating its temporary file and the rename may
    // leave that file behind; harmless, since nothing reads it, but counted.
    const int strays = static_cast<int>(QDir(folder + QStringLiteral("/config")).entryList(QDir::Files).size()
                                        + QDir(folder).entryList(QDir::Files).size())
                       - 2;
    std::printf("%d temporary files left behind by interrupted saves\n", strays);
    // Kills must have landed at different points of the loop.
    EXPECT_GT(seen[0], kills / 10);
    EXPECT_GT(seen[1], kills / 10);
}

namespace {

// Ways to make a save fail that hold for root too, who ignores permission
// bits: a regular file where the settings folder should be (the path runs
// under a regular file), a folder where the settings file or the report
// file should be (neither can be opened as a file, nor replaced by a rename).
struct Blocker
{
    const char *name;
    std::function<void(const MainHarness &)> block;
    std::function<void(const MainHarness &)> unblock;
    bool blocksSettingsFile;
};

std::vector<Blocker> blockers()
{
    const auto configFolder = [](const MainHarness &h) { return h.folder + QStringLiteral("/config"); };
    const auto report = [](const MainHarness &h) { return h.folder + QStringLiteral("/config.txt"); };
    return {
        {"a regular file in place of the settings folder",
         [=](const MainHarness &h) {
             QDir(configFolder(h)).removeRecursively();
             QFile f(configFolder(h));
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
         },
         [=](const MainHarness &h) { ASSERT_TRUE(QFile::remove(configFolder(h))); }, true},
        {"a folder in place of the settings file",
         [](const MainHarness &h) {
             QFile::remove(h.settingsPath());
             ASSERT_TRUE(QDir().mkpath(h.settingsPath() + QStringLiteral("/inside")));
         },
         [](const MainHarness &h) { ASSERT_TRUE(QDir(h.settingsPath()).removeRecursively()); }, true},
        {"a folder in place of the report file",
         [=](const MainHarness &h) {
             QFile::remove(report(h));
             ASSERT_TRUE(QDir().mkpath(report(h)));
         },
         [=](const MainHarness &h) { ASSERT_TRUE(QDir(report(h)).removeRecursively()); }, false},
    };
}

} // namespace

TEST(SaveSafety, AFailedSaveAtTheStartOfARunDoesNotHoldBackItsMinutes)
{
    MainHarness h(QStringLiteral("runlate"));
    h.writeSettings("2\r\n1\r\n0\r\n0\r\npw\r\n");
    h.main->startUp();
    h.clock.advance(5000);
    // A folder where the settings file should be: every save fails.
    QFile::remove(h.settingsPath());
    ASSERT_TRUE(QDir().mkpath(h.settingsPath()));
    // The operator reads the box for three minutes before pressing OK.
    h.messages.responder = [&h](const FakeMessageBox::Shown &) {
        h.clock.advance(3 * 60000);
        return MessageAnswer::Ok;
    };

    h.start(1).click();
    const qint64 sold = h.clock.now();
    h.clock.advance(5000); // the run begins, its units are counted and the save fails
    ASSERT_EQ(h.messages.count(), 1);
    EXPECT_TRUE(h.messages.shown[0].prompt.startsWith("Impossibile salvare"));
    // Two minutes booked: red two minutes after the run began, not five.
    EXPECT_EQ(h.colour(1), led::Red);
    EXPECT_EQ(h.start(1).caption(), "2/2");
    h.clock.advanceTo(sold + 5000 + 2 * 60000);
    EXPECT_EQ(h.main->settings().counterA, "1");
}

TEST(SaveSafety, UnwritableFolderGivesAClearMessageKeepsTheValuesAndRecovers)
{
    for (const Blocker &b : blockers()) {
        SCOPED_TRACE(b.name);
        MainHarness h(QStringLiteral("unwritable"));
        h.writeSettings("3\r\n4\r\n10\r\n20\r\npw\r\n");
        h.main->startUp();
        h.clock.advance(2000);
        ASSERT_EQ(h.messages.count(), 0);

        h.main->settings().minutesB = QStringLiteral("6");
        b.block(h);
        EXPECT_FALSE(h.main->saveSettings());
        ASSERT_EQ(h.messages.count(), 1);
        const FakeMessageBox::Shown &shown = h.messages.shown[0];
        EXPECT_TRUE(shown.is(MessageButtons::Ok, MessageIcon::Critical));
        EXPECT_EQ(shown.title, "Kirvano");
        EXPECT_TRUE(shown.prompt.startsWith("Impossibile salvare la configurazione")) << shown.prompt.toStdString();
        const QString failedFile =
            b.blocksSettingsFile ? QStringLiteral("config_bmb.dat") : QStringLiteral("config.txt");
        EXPECT_TRUE(shown.prompt.contains(failedFile)) << shown.prompt.toStdString();
        EXPECT_EQ(h.main->settings(), (Settings{"3", "6", "10", "20", "pw"}));

        // The board goes on; a sale counted meanwhile stays in memory.
        h.start(1).click();
        h.clock.advance(5000);
        EXPECT_EQ(h.colour(1), led::Yellow);
        EXPECT_EQ(h.main->settings().counterA, "11");

        b.unblock(h);
        EXPECT_TRUE(h.main->saveSettings());
        EXPECT_EQ(h.settingsBytes(), QByteArray("3\r\n6\r\n11\r\n20\r\npw\r\n"));
        EXPECT_EQ(h.reportBytes(), SettingsStore::reportBytes(h.main->settings()));

        // The next start reads what was saved, without a message.
        MainHarness next(QStringLiteral("next"));
        next.writeSettings(h.settingsBytes());
        next.main->startUp();
        EXPECT_EQ(next.messages.count(), 0);
        EXPECT_EQ(next.main->settings(), h.main->settings());
    }
}

TEST(SaveSafety, AFullDiskKeepsTheOldFilesWholeAndEverySaleForTheNextSave)
{
    MainHarness h(QStringLiteral("fulldisk"));
    h.writeSettings("1\r\n1\r\n7\r\n3\r\n4826\r\n");
    h.main->startUp();
    h.clock.advance(5000);
    ASSERT_TRUE(h.main->saveSettings());
    const QByteArray settings = h.settingsBytes();
    const QByteArray report = h.reportBytes();

    h.start(1).click();
    {
        const FileSizeLimit full(8);
        h.clock.advance(5000); // the run begins, its unit is counted, the save fails
    }
    EXPECT_EQ(h.settingsBytes(), settings);
    EXPECT_EQ(h.reportBytes(), report);
    EXPECT_EQ(h.main->settings().counterA, "8");
    ASSERT_EQ(h.messages.count(), 1);
    const QString prompt = h.messages.shown[0].prompt;
    EXPECT_TRUE(prompt.startsWith("Impossibile salvare la configurazione nel file:\r\n" + h.settingsPath()))
        << prompt.toStdString();
    EXPECT_TRUE(prompt.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG)))) << prompt.toStdString();

    // Room again: the next sale's save writes both.
    h.start(2).click();
    h.clock.advance(5000);
    EXPECT_EQ(h.settingsBytes(), QByteArray("1\r\n1\r\n9\r\n3\r\n4826\r\n"));
}
