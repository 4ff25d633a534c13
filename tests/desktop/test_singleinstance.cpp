// The lock beside the settings file. Second starts, killed boards and the
// socket are driven with the real program in tests/e2e.

#include "desktop/singleinstance.h"
#include "support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kirvano;

TEST(SingleInstance, ANewSettingsFolderIsMadeOwnerOnly)
{
    const QString folder = test::freshFolder("newfolder") + "/config/kirvano";
    SingleInstance instance(folder + "/config_bmb.dat");
    ASSERT_TRUE(instance.claim());
    const QFile::Permissions groupAndOthers =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_FALSE(QFileInfo(folder).permissions() & groupAndOthers);
    EXPECT_TRUE(QFile::exists(folder + "/config_bmb.dat.lock"));
}

TEST(SingleInstance, AFolderThatCannotHoldTheLockStillLetsTheBoardRun)
{
    // A file where the settings folder should be: nothing can be made in it.
    const QString notAFolder = test::freshFolder("unusable") + "/kirvano";
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    SingleInstance instance(notAFolder + "/config_bmb.dat");
    EXPECT_TRUE(instance.claim());
}

TEST(SingleInstance, TheBoardLetsGoAsItsEventLoopEndsBeforeItShutsDown)
{
    const QString settingsPath = test::freshFolder("shutdown") + "/config_bmb.dat";
    SingleInstance board(settingsPath);
    ASSERT_TRUE(board.claim());
    ASSERT_FALSE(SingleInstance(settingsPath).claim());

    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    // The board object is still there, as while the program shuts down: a
    // later start becomes the board.
    EXPECT_TRUE(SingleInstance(settingsPath).claim());
}
