#include "bringtofront.h"

#include <QApplication>
#include <QWidget>

namespace kirvano {

namespace {

void raiseWindow(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
}

bool isOwnWindow(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip;
}

} // namespace

void bringBoardToFront(QWidget *mainWindow, const QString &activationToken)
{
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    // Qt's Wayland windows read the token from here at their next request
    // for activation, and spend it.
    if (wayland && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toLatin1());
    if (mainWindow->isVisible())
        raiseWindow(mainWindow);
    QWidget *modal = QApplication::activeModalWidget();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != mainWindow && window != modal && isOwnWindow(window))
            raiseWindow(window);
    }
    if (modal)
        raiseWindow(modal);
    if (wayland && activationToken.isEmpty())
        QApplication::alert(mainWindow);
    // A token no window took is not left for a later one.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

} // namespace kirvano
