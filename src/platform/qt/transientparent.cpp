#include "transientparent.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace kirvano {

void makeTransientFor(QWidget *window, QWidget *board)
{
    if (!board || !board->isVisible() || !QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    window->winId(); // makes the window handle
    window->windowHandle()->setTransientParent(board->windowHandle());
}

} // namespace kirvano
