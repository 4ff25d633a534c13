#include "qtwindow.h"

#include "qttimer.h"

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
        // The operator's own close box or Alt+F4 count as input, which a
        // disabled window does not take; a close by the program or by the
        // session (log-out, shut-down) is no input and goes ahead.
        if ((event->spontaneous() && !m_window->isEnabled()) || !onCloseRequest.fire()) {
            event->ignore();
            return true;
        }
        // A closed window does nothing more, even while its deletion waits
        // for a nested event loop (an open message box) to return.
        for (QtTimer *timer : m_window->findChildren<QtTimer *>())
            timer->setEnabled(false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kirvano
