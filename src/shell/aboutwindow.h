#pragma once

#include <QWidget>

namespace kirvano {

class QtWindow;

// frmabout: what the product is and who makes it. A fixed dialog owned by
// the main window, created hidden and disabled; the "&About" command shows
// and enables it. It deletes itself once closed, so every opening is fresh.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *mainWindow);

    // The handle the main window shows, enables and closes it by.
    QtWindow *adapter() const { return m_adapter; }

private:
    void centreOn(const QWidget *owner);

    QtWindow *m_adapter;
};

} // namespace kirvano
