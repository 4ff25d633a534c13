#include "titlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace kirvano {

namespace {

QToolButton *titleButton(QWidget *bar, const char *name, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(bar->style()->standardIcon(icon));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TitleBar::TitleBar(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("titleBar"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Window).darker(115));
    setPalette(palette);

    auto *icon = new QLabel(this);
    icon->setPixmap(window->windowIcon().pixmap(16, 16));
    auto *caption = new QLabel(window->windowTitle(), this);
    caption->setAlignment(Qt::AlignCenter);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    QToolButton *minimise = titleButton(this, "minimiseButton", QStyle::SP_TitleBarMinButton);
    QToolButton *close = titleButton(this, "closeButton", QStyle::SP_TitleBarCloseButton);
    connect(minimise, &QToolButton::clicked, window, &QWidget::showMinimized);
    connect(close, &QToolButton::clicked, window, &QWidget::close);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 2, 2);
    row->addWidget(icon);
    row->addWidget(caption, 1);
    row->addWidget(minimise);
    row->addWidget(close);
}

void TitleBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle())
        window()->windowHandle()->startSystemMove();
    QWidget::mousePressEvent(event);
}

} // namespace kirvano
