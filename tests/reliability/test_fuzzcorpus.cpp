// Every seed and every input the fuzzer ever found a fault with, replayed
// through the settings reader and SettingsStore::load with the same checks.
#include "readerproperties.h"
#include "referencereader.h"

#include "support/testenv.h"

#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

QString fuzzFolder(const char *sub)
{
    return qEnvironmentVariable("KIRVANO_TEST_SOURCE_DIR") + QStringLiteral("/fuzz/") + QLatin1String(sub);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

// Runs every file of the folder through the checks; returns how many.
int replayFolder(const char *sub)
{
    const QString scratch = test::freshFolder(QStringLiteral("replay")) + QStringLiteral("/config_bmb.dat");
    const QDir dir(fuzzFolder(sub));
    int files = 0;
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (file.fileName() == QStringLiteral(".gitkeep"))
            continue;
        const std::string problem = fuzz::checkReaderProperties(readAll(file.filePath()), scratch);
        EXPECT_EQ(problem, "") << sub << "/" << file.fileName().toStdString();
        ++files;
    }
    return files;
}

} // namespace

TEST(FuzzCorpus, EverySeedKeepsTheReadersPromises)
{
    EXPECT_GE(replayFolder("corpus"), 25);
}

TEST(FuzzCorpus, EveryRegressionInputKeepsTheReadersPromises)
{
    ASSERT_TRUE(QDir(fuzzFolder("regressions")).exists());
    replayFolder("regressions");
}

// The seeds are named for what loading them gives: "valid-" ones load,
// "fail-" ones lead to the defaults.
TEST(FuzzCorpus, SeedsLoadAsTheirNamesSay)
{
    const QDir dir(fuzzFolder("corpus"));
    int valid = 0;
    int failing = 0;
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files, QDir::Name)) {
        const bool loads =
            SettingsStore(file.filePath(), test::freshFolder("report") + "/config.txt").load().has_value();
        if (file.fileName().startsWith(QStringLiteral("valid-"))) {
            EXPECT_TRUE(loads) << file.fileName().toStdString();
            ++valid;
        } else if (file.fileName().startsWith(QStringLiteral("fail-"))) {
            EXPECT_FALSE(loads) << file.fileName().toStdString();
            ++failing;
        } else {
            ADD_FAILURE() << "seed without valid-/fail- in its name: " << file.fileName().toStdString();
        }
    }
    EXPECT_GE(valid, 10);
    EXPECT_GE(failing, 10);
}

// The reference reading the fuzzer compares with, on the file's own cases.
TEST(FuzzCorpus, ReferenceReaderFollowsTheReadingRule)
{
    using F = fuzz::ReferenceFields;
    EXPECT_EQ(fuzz::referenceFields("1\r\n1\r\n0\r\n0\r\n4826\r\n"), (F{"1", "1", "0", "0", "4826"}));
    EXPECT_EQ(fuzz::referenceFields("1,5\r\n7\r\n8\r\npw\r\nlost\r\n"), (F{"1", "5", "7", "8", "pw"}));
    EXPECT_EQ(fuzz::referenceFields("  a\n\r\"b,c\"x\rd \n e"), (F{"a", "", "b,c", "d ", "e"}));
    EXPECT_EQ(fuzz::referenceFields("1\r\n1\r\n0\r\n0\r\n\"abc"), (F{"1", "1", "0", "0", "abc"}));
    EXPECT_EQ(fuzz::referenceFields(std::string_view("\0\r\n1\r\n0\r\n0\r\n5", 13)),
              (F{std::string(1, '\0'), "1", "0", "0", "5"}));
    EXPECT_FALSE(fuzz::referenceFields(""));
    EXPECT_FALSE(fuzz::referenceFields("1\r\n1\r\n0\r\n0\r\n"));
    EXPECT_FALSE(fuzz::referenceFields("1\r\n1\r\n0\r\n0\r\n   "));
    EXPECT_FALSE(fuzz::referenceFields("1,2,3,4,"));
}
