#include "settings/settingsstore.h"

#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kirvano;
using kirvano::test::freshFolder;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// In octal, as chmod takes it.
QString modeOf(const QString &path)
{
    struct stat st = {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? QString::number(st.st_mode & 07777, 8)
                                                                 : QStringLiteral("<missing>");
}

QString defaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return QString::number(0666 & ~mask, 8);
}

} // namespace

TEST(SettingsStore, WritesExactBytesOfBothFiles)
{
    const QString dir = freshFolder("bytes");
    SettingsStore store(dir + "/conf/config_bmb.dat", dir + "/config.txt");
    ASSERT_TRUE(store.save(Settings::defaults()).ok);

    EXPECT_EQ(readAll(dir + "/conf/config_bmb.dat"), QByteArray("1\r\n1\r\n0\r\n0\r\n4826\r\n"));
    EXPECT_EQ(readAll(dir + "/config.txt"), QByteArray("Tempo Gruppo A = 1\r\n"
                                                       "Tempo Gruppo B = 1\r\n"
                                                       "Contatore    A = 0\r\n"
                                                       "Contatore    B = 0\r\n"
                                                       "Option Password= ****\r\n"));

    Settings s{"15", "20", "123", "7", QString()};
    ASSERT_TRUE(store.save(s).ok);
    EXPECT_EQ(readAll(dir + "/conf/config_bmb.dat"), QByteArray("15\r\n20\r\n123\r\n7\r\n\r\n"));
    EXPECT_TRUE(readAll(dir + "/config.txt").endsWith("Option Password= ****\r\n"));
    EXPECT_EQ(store.load(), s);
}

TEST(SettingsStore, StoresOneBytePerCharacter)
{
    const QString dir = freshFolder("latin1");
    SettingsStore store(dir + "/s.dat", dir + "/config.txt");
    Settings s = Settings::defaults();
    s.password = QString::fromUtf8("p\xc3\xa8");
    ASSERT_TRUE(store.save(s).ok);
    EXPECT_EQ(readAll(dir + "/s.dat").right(4), QByteArray("p\xe8\r\n"));
    EXPECT_EQ(store.load()->password, s.password);
}

TEST(SettingsStore, LoadFailsOnMissingShortOrEmptyMinutes)
{
    const QString dir = freshFolder("load");
    SettingsStore store(dir + "/s.dat", dir + "/config.txt");
    EXPECT_FALSE(store.load()); // no file

    for (const char *bad : {"1\r\n1\r\n0\r\n0\r\n", "\r\n1\r\n0\r\n0\r\n4826\r\n", "1\r\n\r\n0\r\n0\r\n4826\r\n"}) {
        writeAll(dir + "/s.dat", bad);
        EXPECT_FALSE(store.load()) << bad;
    }
    // Empty counters and password are accepted, and so are non-numbers.
    writeAll(dir + "/s.dat", "abc\r\n1\r\n\r\n\r\n\r\nextra\r\n");
    EXPECT_EQ(store.load(), (Settings{"abc", "1", "", "", ""}));

    // A folder where the file should be is unreadable.
    QDir().mkpath(dir + "/d.dat");
    EXPECT_FALSE(SettingsStore(dir + "/d.dat").load());
}

TEST(SettingsStore, ReportFollowsTheCurrentDirectory)
{
    const QString a = freshFolder("cwd-a");
    const QString b = freshFolder("cwd-b");
    const QString old = QDir::currentPath();
    SettingsStore store(a + "/s.dat"); // report path relative: "config.txt"

    QDir::setCurrent(a);
    ASSERT_TRUE(store.save(Settings::defaults()).ok);
    QDir::setCurrent(b);
    Settings s = Settings::defaults();
    s.counterA = "9";
    ASSERT_TRUE(store.save(s).ok);
    QDir::setCurrent(old);

    EXPECT_TRUE(readAll(a + "/config.txt").contains("Contatore    A = 0\r\n"));
    EXPECT_TRUE(readAll(b + "/config.txt").contains("Contatore    A = 9\r\n"));
}

TEST(SettingsStore, FailedSaveNamesTheFileAndKeepsTheOldOne)
{
    const QString dir = freshFolder("fail");
    SettingsStore good(dir + "/s.dat", dir + "/config.txt");
    ASSERT_TRUE(good.save(Settings::defaults()).ok);

    // Tests run as root, which ignores permission bits: a folder in the
    // file's place cannot be written by anyone.
    QDir().mkpath(dir + "/blocked.dat");
    SettingsStore blocked(dir + "/blocked.dat", dir + "/config.txt");
    const auto r = blocked.save(Settings::defaults());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.file.endsWith("blocked.dat"));
    EXPECT_FALSE(r.reason.isEmpty());

    // The report cannot be written: the settings file is already complete.
    QDir().mkpath(dir + "/rep/config.txt");
    SettingsStore reportBlocked(dir + "/s.dat", dir + "/rep/config.txt");
    Settings s = Settings::defaults();
    s.counterB = "5";
    const auto r2 = reportBlocked.save(s);
    EXPECT_FALSE(r2.ok);
    EXPECT_TRUE(r2.file.endsWith("config.txt"));
    EXPECT_EQ(good.load(), s);

    // No temporary files are left behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files), QStringList({"config.txt", "s.dat"}));
}

TEST(SettingsStore, ALinkedSettingsFileIsSavedThroughToItsTarget)
{
    const QString dir = freshFolder("link");
    QDir().mkpath(dir + "/real");
    writeAll(dir + "/real/s.dat", "old");
    ASSERT_TRUE(QFile::link("real/s.dat", dir + "/s.dat"));
    ASSERT_TRUE(SettingsStore(dir + "/s.dat", dir + "/config.txt").save(Settings::defaults()).ok);
    EXPECT_EQ(QFileInfo(dir + "/s.dat").symLinkTarget(), dir + "/real/s.dat");
    EXPECT_EQ(readAll(dir + "/real/s.dat"), SettingsStore::settingsBytes(Settings::defaults()));
}

TEST(SettingsStore, DefaultLocationIsFixedUnderTheConfigFolder)
{
    const QString path = SettingsStore::defaultSettingsPath();
    EXPECT_TRUE(QDir::isAbsolutePath(path));
    EXPECT_EQ(path, qEnvironmentVariable("XDG_CONFIG_HOME") + "/kirvano/config_bmb.dat");
    const QString old = QDir::currentPath();
    QDir::setCurrent(freshFolder("elsewhere"));
    EXPECT_EQ(SettingsStore::defaultSettingsPath(), path);
    QDir::setCurrent(old);
}

TEST(SettingsStore, SettingsFileAndNewFolderAreOwnerOnly)
{
    const QString dir = freshFolder("modes");
    SettingsStore store(dir + "/conf/config_bmb.dat", dir + "/config.txt");
    ASSERT_TRUE(store.save(Settings::defaults()).ok);

    EXPECT_EQ(modeOf(dir + "/conf"), "700");
    EXPECT_EQ(modeOf(dir + "/conf/config_bmb.dat"), "600");
    EXPECT_EQ(modeOf(dir + "/config.txt"), defaultFileMode());
}

TEST(SettingsStore, SaveTightensAnOpenSettingsFileAndLeavesItsFolder)
{
    const QString dir = freshFolder("tighten");
    QDir().mkpath(dir + "/conf");
    ASSERT_EQ(::chmod(QFile::encodeName(dir + "/conf").constData(), 0755), 0);
    writeAll(dir + "/conf/config_bmb.dat", "1\r\n1\r\n0\r\n0\r\n4826\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(dir + "/conf/config_bmb.dat").constData(), 0644), 0);

    SettingsStore store(dir + "/conf/config_bmb.dat", dir + "/config.txt");
    ASSERT_TRUE(store.save(Settings::defaults()).ok);

    EXPECT_EQ(modeOf(dir + "/conf/config_bmb.dat"), "600");
    EXPECT_EQ(modeOf(dir + "/conf"), "755");
}
