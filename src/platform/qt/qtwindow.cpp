#include "qtwindow.h"

#include <QCloseEvent>

namespace kirvano {

QtWindow::QtWindow(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

void QtWindow::show()
{
    m_window->show();
    m_window->raise();
}

void QtWindow::hide()
{
    m_window->hide();
}

bool QtWindow::isVisible() const
{
    return m_window && m_window->isVisible();
}

void QtWindow::setEnabled(bool enabled)
{
    m_window->setEnabled(enabled);
}

bool QtWindow::isEnabled() const
{
    return m_window && m_window->isEnabled();
}

void QtWindow::close()
{
    if (m_window)
        m_window->close();
}

bool QtWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        if (!closeRequested()) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kirvano
