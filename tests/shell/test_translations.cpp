// What Qt itself writes in the program's boxes is Italian once the
// program's start-up has installed Qt's translations.

#include "platform/qt/qtmessagebox.h"
#include "shell/mainwindow.h"
#include "shell/translations.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

// Notes every message box that comes up and answers it with its first button.
class BoxReader
{
public:
    BoxReader()
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                const QList<QAbstractButton *> buttons = box->buttons();
                for (QAbstractButton *button : buttons)
                    captions.append(button->text());
                buttons.first()->click();
            }
        });
        m_poll.start(5);
    }

    QStringList texts;
    QStringList captions;

private:
    QTimer m_poll;
};

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
    MainWindow window(test::freshFolder("app"), settingsPath);

    BoxReader boxes;
    window.controller().Form_Load();
    const QStringList failures = boxes.texts.filter("Impossibile salvare");
    ASSERT_FALSE(failures.isEmpty()) << boxes.texts.join(" | ").toStdString();
    const QString expected = "Impossibile salvare la configurazione nel file:\n"
                             + QDir::toNativeSeparators(settingsPath)
                             + "\nIl nome di file fa riferimento ad una cartella";
    EXPECT_EQ(failures.first().toStdString(), expected.toStdString());
    // The splash that start-up opened goes with the test.
    if (IWindow *splash = window.controller().frmlogo())
        splash->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(QtTextsInItalian, StandardButtonsOfTheYesNoQuestion)
{
    QtMessageBox messages;
    BoxReader boxes;
    messages.show("Attenzione vuoi uscire?", mb::YesNo | mb::Question, AppTitle);
    EXPECT_EQ(boxes.captions.join(' ').toStdString(), "&Sì &No");
}
