// The lock beside the settings file. Second starts, killed boards and the
// socket are driven with the real program in tests/e2e.

#include "shell/singleinstance.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
