#include "ledshape.h"

#include <QPainter>

namespace kirvano {

LedShape::LedShape(Colour colour, QWidget *parent) : QWidget(parent), m_colour(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

QColor LedShape::toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void LedShape::setFillColor(Colour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void LedShape::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(toQColor(m_colour));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(r.width(), r.height()) / 6.0;
    p.drawRoundedRect(r, radius, radius);
}

} // namespace kirvano
