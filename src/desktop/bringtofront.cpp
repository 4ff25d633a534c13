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

void bringBoardToFront(QWidget *mainWindow)
{
    if (mainWindow->isVisible())
        raiseWindow(mainWindow);
    QWidget *modal = QApplication::activeModalWidget();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != mainWindow && window != modal && isOwnWindow(window))
            raiseWindow(window);
    }
    if (modal)
        raiseWindow(modal);
}

} // namespace kirvano
