// What Qt itself writes in the program's boxes is Italian once the
// program's start-up has installed Qt's translations.

#include "app/maincontroller.h"
#include "desktop/translations.h"
#include "main/program.h"
#include "platform/qt/qtmessagebox.h"
#include "support/guitest.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

class QtTextsInItalian : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { installed = installQtItalianTranslations(*qApp); }
    void SetUp() override { ASSERT_TRUE(installed) << "Qt's Italian translations (qt6-translations-l10n) are missing"; }

    static inline bool installed = false;
};

} // namespace

TEST_F(QtTextsInItalian, SaveFailureBoxGivesQtsReason)
{
    // A folder where the settings file belongs: loading and saving fail.
    const QString settingsPath = test::freshFolder("translations") + "/config_bmb.dat";
    ASSERT_TRUE(QDir().mkpath(settingsPath));
    Program program(test::freshFolder("app"), settingsPath);

    test::BoxAnswerer boxes;
    program.controller().startUp();
    const QStringList failures = boxes.texts.filter("Impossibile salvare");
    ASSERT_FALSE(failures.isEmpty()) << boxes.texts.join(" | ").toStdString();
    const QString expected = "Impossibile salvare la configurazione nel file:\n"
                             + QDir::toNativeSeparators(settingsPath)
                             + "\nIl nome di file fa riferimento ad una cartella";
    EXPECT_EQ(failures.first().toStdString(), expected.toStdString());
    // The splash that start-up opened goes with the test.
    if (IWindow *splash = program.controller().splash())
        splash->close();
    test::flushDeletes();
}

TEST_F(QtTextsInItalian, StandardButtonsOfTheYesNoQuestion)
{
    QtMessageBox messages;
    test::BoxAnswerer boxes;
    messages.show("Attenzione vuoi uscire?", MessageButtons::YesNo, MessageIcon::Question, AppTitle);
    EXPECT_EQ(boxes.captions.join(' ').toStdString(), "&Sì &No");
}
