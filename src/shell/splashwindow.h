#pragma once

#include "platform/callback.h"

#include <QPixmap>
#include <QWidget>

namespace kirvano {

class QtWindow;

// frmlogo: the borderless splash shown while the program starts, a
// circuit-board photograph with the product name, version and the maker's
// lines. Its own timer raises `handOff` after two seconds.
// It takes no input and deletes itself once closed.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(Callback<void()> handOff);

    // The handle the main window shows and closes it by.
    QtWindow *adapter() const { return m_adapter; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    QtWindow *m_adapter;
};

} // namespace kirvano
