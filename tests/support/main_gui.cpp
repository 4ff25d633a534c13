#include "testenv.h"

#include "shell/fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    kirvano::test::setUpPrivateEnvironment();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kirvano::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
