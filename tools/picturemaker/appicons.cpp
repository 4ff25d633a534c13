#include "pictures.h"

#include "imagefilters.h"

#include <QPainter>
#include <QPainterPath>

#include <functional>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int Supersample = 4;

// Draws `paint` on a 16-unit square at `size` pixels, smoothly.
QImage drawIcon(int size, const std::function<void(QPainter &, bool detailed)> &paint)
{
    QImage big(size * Supersample, size * Supersample, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size * Supersample / 16.0, size * Supersample / 16.0);
        paint(p, size >= 32);
    }
    return filters::downscaled(big, Supersample);
}

QPointF polar(QPointF c, double r, double degreesFromTwelve)
{
    const double a = (degreesFromTwelve - 90) * std::numbers::pi / 180;
    return c + QPointF(std::cos(a) * r, std::sin(a) * r);
}

void paintStopwatch(QPainter &p, bool detailed)
{
    const QPointF c(7.6, 9.0);
    // Crown and its stem.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 76, 88));
    p.drawRoundedRect(QRectF(5.9, 0.4, 3.4, 1.7), 0.5, 0.5);
    p.drawRect(QRectF(6.9, 1.8, 1.4, 1.6));
    // Case and face.
    QLinearGradient rim(QPointF(2, 3), QPointF(13, 15));
    rim.setColorAt(0, QColor(98, 112, 134));
    rim.setColorAt(1, QColor(28, 36, 52));
    p.setBrush(rim);
    p.setPen(QPen(QColor(16, 20, 30), 0.45));
    p.drawEllipse(c, 6.6, 6.6);
    QRadialGradient face(c - QPointF(1.6, 1.8), 6.5);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(206, 214, 224));
    p.setBrush(face);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 5.1, 5.1);
    p.setPen(QPen(QColor(40, 46, 60), detailed ? 0.45 : 0.8, Qt::SolidLine, Qt::FlatCap));
    for (int h = 0; h < 12; h += detailed ? 1 : 3)
        p.drawLine(polar(c, 4.9, h * 30), polar(c, h % 3 ? 4.3 : 3.8, h * 30));
    // The hand, ten minutes in.
    p.setPen(QPen(QColor(196, 16, 16), detailed ? 0.9 : 1.25, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, polar(c, 4.2, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 46, 60));
    p.drawEllipse(c, 0.8, 0.8);
    // The status LED, lit green, in the lower right corner.
    const QPointF led(12.9, 12.9);
    p.setBrush(QColor(10, 60, 20));
    p.drawEllipse(led, 2.9, 2.9);
    QRadialGradient glow(led - QPointF(0.9, 0.9), 3.2);
    glow.setColorAt(0, QColor(210, 255, 200));
    glow.setColorAt(0.35, QColor(60, 230, 80));
    glow.setColorAt(1, QColor(0, 130, 30));
    p.setBrush(glow);
    p.drawEllipse(led, 2.25, 2.25);
}

QPainterPath gearShape(QPointF c, double outer, double inner, int teeth)
{
    QPainterPath gear;
    const double step = 360.0 / teeth;
    for (int i = 0; i < teeth; ++i) {
        const double a = i * step;
        const QPointF pts[] = {polar(c, inner, a - step * 0.5), polar(c, inner, a - step * 0.26),
                               polar(c, outer, a - step * 0.16), polar(c, outer, a + step * 0.16),
                               polar(c, inner, a + step * 0.26)};
        for (int k = 0; k < 5; ++k)
            i == 0 && k == 0 ? gear.moveTo(pts[k]) : gear.lineTo(pts[k]);
    }
    gear.closeSubpath();
    return gear;
}

void paintOptions(QPainter &p, bool)
{
    const QPointF c(6.8, 6.8);
    QPainterPath gear = gearShape(c, 6.4, 4.7, 8);
    QPainterPath hole;
    hole.addEllipse(c, 1.9, 1.9);
    gear = gear.subtracted(hole);
    QLinearGradient steel(QPointF(1, 1), QPointF(12, 12));
    steel.setColorAt(0, QColor(176, 196, 222));
    steel.setColorAt(1, QColor(52, 78, 118));
    p.setPen(QPen(QColor(24, 36, 60), 0.5));
    p.setBrush(steel);
    p.drawPath(gear);
    // A screwdriver across the lower right: yellow handle, steel shaft.
    p.save();
    p.translate(11.2, 11.2);
    p.rotate(45);
    p.setPen(QPen(QColor(60, 60, 60), 0.35));
    p.setBrush(QColor(196, 200, 206));
    p.drawRect(QRectF(-4.6, -0.55, 4.4, 1.1));
    QLinearGradient handle(QPointF(0, -1.6), QPointF(0, 1.6));
    handle.setColorAt(0, QColor(255, 226, 80));
    handle.setColorAt(1, QColor(210, 140, 0));
    p.setPen(QPen(QColor(110, 70, 0), 0.4));
    p.setBrush(handle);
    p.drawRoundedRect(QRectF(-0.4, -1.6, 5.2, 3.2), 1.1, 1.1);
    p.restore();
}

} // namespace

QImage programIcon(int size)
{
    return drawIcon(size, paintStopwatch);
}

QImage optionsIcon(int size)
{
    return drawIcon(size, paintOptions);
}
