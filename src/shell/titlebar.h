#pragma once

#include <QWidget>

namespace kirvano {

// A title bar of the board's own, for where the window system leaves the
// title bar to the program (Wayland without the compositor's decorations):
// Qt's own would offer a maximise button that a window of fixed size cannot
// use. It shows the window's icon and caption, a minimise and a close
// button; dragging it moves the window.
class TitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit TitleBar(QWidget *window);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace kirvano
