#include "platform/qt/qtmessagebox.h"
#include "settings/settingsstore.h"
#include "shell/bringtofront.h"
#include "shell/fonts.h"
#include "shell/mainwindow.h"
#include "shell/singleinstance.h"
#include "shell/translations.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirvano"));
    QApplication::setApplicationVersion(QStringLiteral(KIRVANO_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Marbolin"));
    QApplication::setDesktopFileName(QStringLiteral("kirvano"));
    // Only the main window's accepted close request ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    kirvano::installQtItalianTranslations(app);
    kirvano::installFontSubstitutions();

    const QString settingsPath = kirvano::SettingsStore::defaultSettingsPath();
    kirvano::SingleInstance instance(settingsPath);
    if (!instance.claim()) {
        if (!instance.askRunningBoardToComeForward())
            kirvano::QtMessageBox().show(QStringLiteral("Kirvano è già in esecuzione."), kirvano::mb::OkOnly,
                                         kirvano::AppTitle);
        return 0;
    }

    kirvano::MainWindow frmMain(QCoreApplication::applicationDirPath(), settingsPath);
    instance.onComeForward([&frmMain] { kirvano::bringBoardToFront(&frmMain); });
    frmMain.controller().Form_Load();
    return app.exec();
}
