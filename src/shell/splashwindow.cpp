#include "splashwindow.h"

#include "placement.h"
#include "splashlayout.h"

#include "app/windowfactory.h"

#include "controlbuilder.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"

#include <QPainter>

namespace kirvano {

using namespace splashlayout;

SplashWindow::SplashWindow(Callback<void()> handOff)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(PicturePath)
{
    setObjectName(QStringLiteral("frmlogo"));
    setWindowTitle(Caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(px(ClientWidth), px(ClientHeight));

    buildControls(this, Controls);

    centreOnScreen(this);

    m_adapter = new QtWindow(this);
    auto *timer = new QtTimer(QStringLiteral("Timer1"), SplashInterval, true, this);
    timer->onTick([handOff] { handOff.fire(); });
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    // Unscaled from the corner: the picture is a pixel column and two rows
    // larger than the window, which cuts them off.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace kirvano
