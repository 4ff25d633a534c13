#include "splashwindow.h"

#include "placement.h"
#include "splashlayout.h"

#include "app/maincontroller.h"

#include "fonts.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>

namespace kirvano {

using namespace splashlayout;

namespace {

void addLabel(const ControlSpec &drawn, QWidget *window)
{
    auto *label = new QLabel(drawn.text, window);
    label->setObjectName(QString::fromLatin1(drawn.name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(designFont(drawn.font));
    label->setAlignment((drawn.flags & Centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setGeometry(drawn.rect.toPixels());
    // Transparent, so the photograph shows around the letters, which take
    // the system's highlight-text colour.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::HighlightedText));
    label->setPalette(palette);
    // One that fits its text keeps its corner and takes the size of one line.
    if (drawn.flags & FitsText)
        label->resize(label->sizeHint());
}

} // namespace

SplashWindow::SplashWindow(MainController &main)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(PicturePath)
{
    setObjectName(QStringLiteral("frmlogo"));
    setWindowTitle(Caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(px(ClientWidth), px(ClientHeight));

    for (const ControlSpec &drawn : Controls)
        addLabel(drawn, this);

    centreOnScreen(this);

    m_adapter = new QtWindow(this);
    auto *timer = new QtTimer(QStringLiteral("Timer1"), Timer1Interval, true, this);
    timer->onTick([&main] { main.splashTimer1_Timer(); });
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    // Unscaled from the corner: the picture is a pixel column and two rows
    // larger than the window, which cuts them off.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace kirvano
