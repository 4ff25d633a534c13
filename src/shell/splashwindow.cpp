#include "splashwindow.h"

#include "placement.h"

#include "app/maincontroller.h"
#include "makerinfo.h"
#include "version.h"

#include "platform/qt/fonts.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace kirvano {

const QString SplashWindow::PicturePath = QStringLiteral(":/pictures/splash.jpg");

SplashWindow::SplashWindow(MainController &main)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(PicturePath)
{
    setObjectName(QStringLiteral("frmlogo"));
    setWindowTitle(QStringLiteral("Logo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(px(ClientWidth), px(ClientHeight));

    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
    QLabel *name = addLabel("Label1", QStringLiteral("Kirvano ® "), {480, 960, 2505, 600},
                            designFont(QStringLiteral("Comic Sans MS"), 21.75, true), Qt::AlignHCenter | Qt::AlignTop);
    QLabel *version = addLabel("Label2", QStringLiteral(" vers.:" KIRVANO_VERSION), {3000, 1200, 1155, 270},
                               designFont(QStringLiteral("Arial"), 11.25, true), Qt::AlignHCenter | Qt::AlignTop);
    addLabel("Label6", maker::Web + QLatin1Char('\n') + maker::Mail, {480, 2400, 3015, 705},
             designFont(QStringLiteral("Arial"), 12, true), left);
    addLabel("Label3", maker::Rights, {480, 3120, 4215, 255}, designFont(QStringLiteral("Arial"), 9.75, true), left);
    // These two fit their text: they keep their corner and take the size of one line.
    name->resize(name->sizeHint());
    version->resize(version->sizeHint());

    centreOnScreen(this);

    m_adapter = new QtWindow(this);
    m_timer = new QtTimer(QStringLiteral("Timer1"), 2000, true, this);
    m_timer->onTick([&main] { main.splashTimer1_Timer(); });
}

QLabel *SplashWindow::addLabel(const char *name, const QString &text, TwipRect rect, const QFont &font,
                               Qt::Alignment alignment)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(rect.toPixels());
    // Transparent, so the photograph shows around the letters, which take
    // the system's highlight-text colour.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::HighlightedText));
    label->setPalette(palette);
    return label;
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    // Unscaled from the corner: the picture is a pixel column and two rows
    // larger than the window, which cuts them off.
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

} // namespace kirvano
