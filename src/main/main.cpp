#include "program.h"

#include "app/maincontroller.h"
#include "desktop/bringtofront.h"
#include "desktop/singleinstance.h"
#include "desktop/translations.h"
#include "platform/qt/qtmessagebox.h"
#include "settings/settingsstore.h"
#include "shell/fonts.h"
#include "shell/mainwindow.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace kirvano;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirvano"));
    QApplication::setApplicationVersion(QStringLiteral(KIRVANO_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Marbolin"));
    QApplication::setDesktopFileName(QStringLiteral("kirvano"));
    // Only the main window's accepted close request ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    installQtItalianTranslations(app);
    installFontSubstitutions();

    const QString settingsPath = SettingsStore::defaultSettingsPath();
    SingleInstance instance(settingsPath);
    if (!instance.claim()) {
        if (!instance.askRunningBoardToComeForward())
            QtMessageBox().show(QStringLiteral("Kirvano è già in esecuzione."), MessageButtons::Ok, MessageIcon::None,
                                AppTitle);
        return 0;
    }

    Program program(QCoreApplication::applicationDirPath(), settingsPath);
    instance.onComeForward([&program](const QString &token) { bringBoardToFront(&program.mainWindow(), token); });
    program.controller().startUp();
    return app.exec();
}
