#pragma once

#include <QWidget>

namespace kirvano {

class MainController;
class QtTimer;
class QtWindow;

// frmlogo: the borderless splash shown while the program starts. Its own
// timer hands over to the main window after two seconds.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(MainController &main);

    QtWindow *adapter() const { return m_adapter; }

private:
    QtWindow *m_adapter;
    QtTimer *m_timer;
};

} // namespace kirvano
