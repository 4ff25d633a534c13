#include "splashwindow.h"

#include "maincontroller.h"

#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"

#include <QLabel>
#include <QScreen>

namespace kirvano {

SplashWindow::SplashWindow(MainController &main)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmlogo"));
    setWindowTitle(QStringLiteral("Logo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(423, 244);
    auto *name = new QLabel(QStringLiteral("Kirvano ® "), this);
    name->setObjectName(QStringLiteral("Label1"));
    name->setGeometry(32, 64, 167, 40);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    m_adapter = new QtWindow(this);
    m_timer = new QtTimer(QStringLiteral("Timer1"), 2000, true, this);
    m_timer->onTick([&main] { main.splashTimer1_Timer(); });
}

} // namespace kirvano
