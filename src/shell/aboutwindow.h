#pragma once

#include <QWidget>

namespace kirvano {

class QtWindow;

// frmabout: what the product is and who makes it.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *mainWindow);

    QtWindow *adapter() const { return m_adapter; }

private:
    QtWindow *m_adapter;
};

} // namespace kirvano
