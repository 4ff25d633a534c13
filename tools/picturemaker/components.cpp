#include "components.h"

#include "imagefilters.h"

#include <QFont>

#include <cmath>

namespace parts {

namespace {

// A lead seen from above: it leaves the body, bends down and ends in a flat foot.
void drawLead(QPainter &p, const QRectF &rect, bool horizontal, bool outward)
{
    QPointF from = horizontal ? QPointF(outward ? rect.left() : rect.right(), rect.center().y())
                              : QPointF(rect.center().x(), outward ? rect.top() : rect.bottom());
    QPointF to = horizontal ? QPointF(outward ? rect.right() : rect.left(), rect.center().y())
                            : QPointF(rect.center().x(), outward ? rect.bottom() : rect.top());
    QLinearGradient g(from, to);
    g.setColorAt(0.0, QColor(96, 96, 100));
    g.setColorAt(0.25, QColor(236, 236, 238));
    g.setColorAt(0.45, QColor(128, 128, 134));
    g.setColorAt(0.6, QColor(205, 205, 210));
    g.setColorAt(1.0, QColor(176, 176, 182));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(rect);
}

void drawBody(QPainter &p, const QRectF &body, double radius)
{
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(58, 58, 62));
    g.setColorAt(0.5, QColor(34, 34, 37));
    g.setColorAt(1, QColor(20, 20, 22));
    p.setPen(QPen(QColor(12, 12, 13), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(body, radius, radius);
    // The moulded top is a little smaller than the body's foot.
    const double inset = std::min(body.width(), body.height()) * 0.05;
    QLinearGradient top(body.topLeft(), body.bottomLeft());
    top.setColorAt(0, QColor(44, 44, 48));
    top.setColorAt(1, QColor(28, 28, 31));
    p.setPen(QPen(QColor(70, 70, 76, 160), 0.5));
    p.setBrush(top);
    p.drawRoundedRect(body.adjusted(inset, inset, -inset, -inset), radius, radius);
    // A broad soft reflection of the light on the matte top.
    QRadialGradient sheen(body.topLeft() + QPointF(body.width() * 0.3, body.height() * 0.25), body.width() * 0.7);
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawRoundedRect(body.adjusted(inset, inset, -inset, -inset), radius, radius);
}

void drawDimple(QPainter &p, QPointF centre, double r)
{
    QRadialGradient g(centre + QPointF(r * 0.3, r * 0.3), r * 1.2);
    g.setColorAt(0, QColor(62, 62, 66));
    g.setColorAt(1, QColor(14, 14, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, r, r);
}

QRectF around(QPointF c, QSizeF s)
{
    return QRectF(c.x() - s.width() / 2, c.y() - s.height() / 2, s.width(), s.height());
}

QPainterPath boxAround(QPointF c, QSizeF s)
{
    QPainterPath path;
    path.addRect(around(c, s));
    return path;
}

void drawSolder(QPainter &p, const QRectF &land)
{
    // Solder wets the land and rises against the foot: a bright grey fillet.
    QLinearGradient g(land.topLeft(), land.bottomRight());
    g.setColorAt(0, QColor(232, 232, 226));
    g.setColorAt(0.5, QColor(170, 170, 168));
    g.setColorAt(1, QColor(120, 120, 118));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(land, land.width() * 0.25, land.height() * 0.25);
}

} // namespace

QPointF Qfp::pinEnd(int side, int i) const
{
    const double offset = (i - (pins - 1) / 2.0) * pitch;
    const double reach = body / 2 + lead;
    switch (side) {
    case 0:
        return centre + QPointF(-reach, offset);
    case 1:
        return centre + QPointF(offset, -reach);
    case 2:
        return centre + QPointF(reach, offset);
    default:
        return centre + QPointF(offset, reach);
    }
}

QRectF Qfp::land(int side, int i) const
{
    const QPointF end = pinEnd(side, i);
    const QPointF inward = (centre - end) / (body / 2 + lead);
    const QPointF mid = end + inward * (lead * 0.35);
    const bool horizontal = side == 0 || side == 2;
    const QSizeF s = horizontal ? QSizeF(lead * 1.1, leadWidth * 1.5) : QSizeF(leadWidth * 1.5, lead * 1.1);
    return around(mid, s);
}

QPainterPath Qfp::silhouette() const
{
    return boxAround(centre, QSizeF(body, body));
}

void drawQfp(QPainter &p, const Qfp &chip, const QStringList &marking)
{
    for (int side = 0; side < 4; ++side) {
        for (int i = 0; i < chip.pins; ++i) {
            const QRectF land = chip.land(side, i);
            drawSolder(p, land.adjusted(-0.4, -0.4, 0.4, 0.4));
            const QPointF end = chip.pinEnd(side, i);
            const bool horizontal = side == 0 || side == 2;
            QRectF lead;
            if (horizontal)
                lead = QRectF(side == 0 ? end.x() + 0.6 : end.x() - chip.lead - 0.6, end.y() - chip.leadWidth / 2,
                              chip.lead, chip.leadWidth);
            else
                lead = QRectF(end.x() - chip.leadWidth / 2, side == 1 ? end.y() + 0.6 : end.y() - chip.lead - 0.6,
                              chip.leadWidth, chip.lead);
            drawLead(p, lead, horizontal, side == 2 || side == 3);
        }
    }
    const QRectF body = around(chip.centre, QSizeF(chip.body, chip.body));
    drawBody(p, body, 1.5);
    drawDimple(p, body.topLeft() + QPointF(chip.body * 0.14, chip.body * 0.14), chip.body * 0.045);
    drawMarking(p, chip.centre + QPointF(0, chip.body * 0.05), marking, chip.body * 0.085, QColor(178, 178, 172, 210));
}

QPointF Soic::pinEnd(int side, int i) const
{
    const double offset = (i - (pins - 1) / 2.0) * pitch;
    return centre + QPointF(offset, side == 0 ? -(width / 2 + lead) : width / 2 + lead);
}

QRectF Soic::land(int side, int i) const
{
    const QPointF end = pinEnd(side, i);
    return around(end + QPointF(0, side == 0 ? lead * 0.35 : -lead * 0.35), QSizeF(leadWidth * 1.4, lead * 1.1));
}

QPainterPath Soic::silhouette() const
{
    return boxAround(centre, QSizeF(length, width));
}

void drawSoic(QPainter &p, const Soic &chip, const QString &marking)
{
    for (int side = 0; side < 2; ++side) {
        for (int i = 0; i < chip.pins; ++i) {
            drawSolder(p, chip.land(side, i).adjusted(-0.4, -0.4, 0.4, 0.4));
            const QPointF end = chip.pinEnd(side, i);
            const QRectF lead(end.x() - chip.leadWidth / 2, side == 0 ? end.y() + 0.6 : end.y() - chip.lead - 0.6,
                              chip.leadWidth, chip.lead);
            drawLead(p, lead, false, side == 1);
        }
    }
    const QRectF body = around(chip.centre, QSizeF(chip.length, chip.width));
    drawBody(p, body, 1.0);
    drawDimple(p, body.bottomLeft() + QPointF(chip.width * 0.25, -chip.width * 0.25), chip.width * 0.08);
    drawMarking(p, chip.centre, {marking}, chip.width * 0.28, QColor(178, 178, 172, 210));
}

QRectF Chip::land(int end) const
{
    const double along = size.width() * 0.45 * (end == 0 ? -1 : 1);
    const QSizeF s(size.width() * 0.4, size.height() * 1.25);
    return vertical ? around(centre + QPointF(0, along), s.transposed()) : around(centre + QPointF(along, 0), s);
}

QPainterPath Chip::silhouette() const
{
    return boxAround(centre, vertical ? size.transposed() : size);
}

void drawChip(QPainter &p, const Chip &chip)
{
    drawSolder(p, chip.land(0));
    drawSolder(p, chip.land(1));
    const QRectF body = around(chip.centre, chip.vertical ? chip.size.transposed() : chip.size);
    const double cap = chip.size.width() * 0.2;
    // Tinned end caps, then the body between them.
    for (int end = 0; end < 2; ++end) {
        QRectF r = chip.vertical ? QRectF(body.left(), end == 0 ? body.top() : body.bottom() - cap, body.width(), cap)
                                 : QRectF(end == 0 ? body.left() : body.right() - cap, body.top(), cap, body.height());
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, QColor(240, 240, 240));
        g.setColorAt(0.5, QColor(178, 178, 180));
        g.setColorAt(1, QColor(120, 120, 124));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(r, 0.6, 0.6);
    }
    const QRectF middle = chip.vertical ? body.adjusted(0, cap, 0, -cap) : body.adjusted(cap, 0, -cap, 0);
    QLinearGradient g(middle.topLeft(), middle.bottomRight());
    if (chip.kind == Chip::Resistor) {
        g.setColorAt(0, QColor(54, 54, 56));
        g.setColorAt(1, QColor(18, 18, 20));
    } else {
        g.setColorAt(0, QColor(196, 160, 110));
        g.setColorAt(1, QColor(132, 98, 60));
    }
    p.setBrush(g);
    p.drawRect(middle);
    if (!chip.code.isEmpty()) {
        p.save();
        p.translate(chip.centre);
        if (chip.vertical)
            p.rotate(90);
        drawMarking(p, QPointF(), {chip.code}, chip.size.height() * 0.5, QColor(236, 236, 230));
        p.restore();
    }
}

QRectF Crystal::land(int end) const
{
    const double along = size.width() * 0.5 * (end == 0 ? -1 : 1);
    return around(centre + QPointF(along, 0), QSizeF(size.width() * 0.22, size.height() * 0.8));
}

QPainterPath Crystal::silhouette() const
{
    QPainterPath path;
    path.addRoundedRect(around(centre, size), size.height() / 2, size.height() / 2);
    return path;
}

void drawCrystal(QPainter &p, const Crystal &crystal, const QString &marking)
{
    drawSolder(p, crystal.land(0));
    drawSolder(p, crystal.land(1));
    const QRectF body = around(crystal.centre, crystal.size);
    const double r = crystal.size.height() / 2;
    // Polished can: a bright streak along it and a dark rim.
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(150, 152, 156));
    g.setColorAt(0.22, QColor(246, 246, 248));
    g.setColorAt(0.5, QColor(176, 178, 182));
    g.setColorAt(0.85, QColor(110, 112, 116));
    g.setColorAt(1, QColor(80, 82, 86));
    p.setPen(QPen(QColor(70, 72, 76), 0.6));
    p.setBrush(g);
    p.drawRoundedRect(body, r, r);
    p.setPen(QPen(QColor(255, 255, 255, 90), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(2, 2, -2, -2), r - 2, r - 2);
    drawMarking(p, crystal.centre + QPointF(0, 0.5), {marking}, crystal.size.height() * 0.3, QColor(60, 62, 66, 200));
}

void castShadow(QImage &image, double scale, const QPainterPath &silhouettes, QPointF offset, double blur,
                double opacity)
{
    QImage shadow(image.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        p.translate(offset);
        p.fillPath(silhouettes, QColor(0, 12, 4));
    }
    shadow = filters::blurred(shadow, blur * scale);
    QPainter p(&image);
    p.setOpacity(opacity);
    p.drawImage(0, 0, shadow);
}

void drawMarking(QPainter &p, QPointF centre, const QStringList &lines, double height, const QColor &colour)
{
    // Drawn as paths from a large font, so small sizes keep their shapes.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const double k = height / metrics.capHeight();
    const double lineStep = metrics.capHeight() * 1.6;
    const double total = lineStep * (lines.size() - 1) + metrics.capHeight();
    QPainterPath text;
    for (int i = 0; i < lines.size(); ++i) {
        const double w = metrics.horizontalAdvance(lines[i]);
        text.addText(QPointF(-w / 2, -total / 2 + metrics.capHeight() + i * lineStep), font, lines[i]);
    }
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(k, k);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(t.map(text));
}

} // namespace parts
