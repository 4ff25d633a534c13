#pragma once

#include "twips.h"

#include <QPixmap>
#include <QWidget>

class QLabel;

namespace kirvano {

class MainController;
class QtTimer;
class QtWindow;

// frmlogo: the borderless splash shown while the program starts, a
// circuit-board photograph with the product name, version and the maker's
// lines. Its own timer hands over to the main window after two seconds.
// It takes no input and deletes itself once closed.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(MainController &main);

    QtWindow *adapter() const { return m_adapter; }

    static constexpr int ClientWidth = 6345;
    static constexpr int ClientHeight = 3660;
    static const QString PicturePath;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &text, TwipRect rect, const QFont &font, Qt::Alignment alignment);

    QPixmap m_picture;
    QtWindow *m_adapter;
    QtTimer *m_timer;
};

} // namespace kirvano
