#include "platform/qt/fonts.h"
#include "settings/settingsstore.h"
#include "shell/mainwindow.h"
#include "shell/translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirvano"));
    QApplication::setApplicationVersion(QStringLiteral("1.3.0"));
    QApplication::setOrganizationName(QStringLiteral("Marbolin"));
    QApplication::setDesktopFileName(QStringLiteral("kirvano"));
    // Only the main window's accepted close request ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    kirvano::installQtItalianTranslations(app);
    kirvano::installFontSubstitutions();

    kirvano::MainWindow frmMain(QCoreApplication::applicationDirPath(),
                                kirvano::SettingsStore::defaultSettingsPath());
    frmMain.controller().Form_Load();
    return app.exec();
}
