#include "pictures.h"

#include "circuitboard.h"
#include "components.h"
#include "imagefilters.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double Scale = 3; // drawn at three times the size, then reduced
const QSizeF Size(424, 246);

QPolygonF line(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

QPointF diagonal(double dx, double dy, double run)
{
    return QPointF(dx * run, dy * run);
}

void addViaAfter(CircuitBoard &board, QPointF from, QPointF to)
{
    board.addTrace(line({from, to}), 2);
    board.addVia(to, 5, 2.2);
}

// Silkscreen L-shaped corner marks around a footprint.
QPainterPath cornerMarks(const QRectF &r, double arm)
{
    QPainterPath path;
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QPointF arms[][2] = {
        {{arm, 0}, {0, arm}}, {{-arm, 0}, {0, arm}}, {{-arm, 0}, {0, -arm}}, {{arm, 0}, {0, -arm}}};
    for (int i = 0; i < 4; ++i) {
        path.moveTo(corners[i] + arms[i][0]);
        path.lineTo(corners[i]);
        path.lineTo(corners[i] + arms[i][1]);
    }
    return path;
}

QPainterPath boxOutline(const QRectF &r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

} // namespace

QImage splashPhoto()
{
    CircuitBoard board(Size, Scale, 1309);
    Random random(1309);

    parts::Qfp u1;
    u1.centre = QPointF(330, 122);
    u1.body = 76;
    u1.pins = 11;

    parts::Soic u2;
    u2.centre = QPointF(160, 30);

    parts::Crystal y1;
    y1.centre = QPointF(62, 34);
    y1.size = QSizeF(42, 15);

    QVector<parts::Chip> chips;
    const char *codes[] = {"472", "103", "103", "221", "4R7"};
    for (int i = 0; i < 5; ++i)
        chips.push_back(
            {QPointF(58 + i * 17, 132), QSizeF(12, 6.5), true, parts::Chip::Resistor, QString::fromLatin1(codes[i])});
    chips.push_back({QPointF(160, 132), QSizeF(12, 6.5), true, parts::Chip::Capacitor, {}});
    chips.push_back({QPointF(177, 132), QSizeF(12, 6.5), true, parts::Chip::Capacitor, {}});
    chips.push_back({QPointF(36, 58), QSizeF(11, 6), false, parts::Chip::Capacitor, {}});
    chips.push_back({QPointF(88, 58), QSizeF(11, 6), false, parts::Chip::Capacitor, {}});

    // Keep the router away from every part and its lands.
    QPainterPath parts = u1.silhouette();
    parts.addPath(u2.silhouette());
    parts.addPath(y1.silhouette());
    for (const parts::Chip &c : chips)
        parts.addPath(c.silhouette());
    board.keepOut(QPainterPathStroker(QPen(Qt::black, 8)).createStroke(parts).united(parts));
    QPainterPath qfpLeads;
    qfpLeads.addRect(QRectF(u1.centre - QPointF(48, 48), QSizeF(96, 96)));
    board.keepOut(qfpLeads);

    // U1's fan-out: buses to the left, top, right and bottom, the other pins
    // dropping through vias close to the package.
    const double l = u1.centre.x() - u1.body / 2 - u1.lead + 3;
    const double t = u1.centre.y() - u1.body / 2 - u1.lead + 3;
    const double r = u1.centre.x() + u1.body / 2 + u1.lead - 3;
    const double b = u1.centre.y() + u1.body / 2 + u1.lead - 3;
    const double pitch = u1.pitch;
    auto pinY = [&](int i) { return u1.pinEnd(0, i).y(); };
    auto pinX = [&](int i) { return u1.pinEnd(1, i).x(); };

    const double leftTop = (pinY(0) + pinY(3)) / 2;
    board.addBus(
        line({{l, leftTop}, {262, leftTop}, QPointF(262, leftTop) + diagonal(-1, -1, 26), {-10, leftTop - 26}}), 4,
        pitch, 2);
    for (int i = 4; i <= 6; ++i)
        addViaAfter(board, {l, pinY(i)}, {l - 12 - (i - 4) * 9, pinY(i)});
    const double leftLow = (pinY(7) + pinY(10)) / 2;
    board.addBus(line({{l, leftLow}, {250, leftLow}, QPointF(250, leftLow) + diagonal(-1, 1, 30), {-10, leftLow + 30}}),
                 4, pitch, 2);

    const double topMid = (pinX(0) + pinX(5)) / 2;
    board.addBus(line({{topMid, t}, {topMid, 60}, QPointF(topMid, 60) + diagonal(-1, -1, 24), {topMid - 24, -10}}), 6,
                 pitch, 2);
    for (int i = 6; i <= 10; ++i)
        addViaAfter(board, {pinX(i), t}, {pinX(i), t - (i % 2 ? 10 : 19)});

    board.addBus(line({{r, u1.centre.y()},
                       {394, u1.centre.y()},
                       QPointF(394, u1.centre.y()) + diagonal(1, 1, 14),
                       {440, u1.centre.y() + 14}}),
                 11, pitch, 2);

    const double bottomMid = (pinX(0) + pinX(4)) / 2;
    board.addBus(
        line({{bottomMid, b}, {bottomMid, 186}, QPointF(bottomMid, 186) + diagonal(-1, 1, 22), {bottomMid - 22, 260}}),
        5, pitch, 2);
    for (int i = 5; i <= 10; ++i)
        addViaAfter(board, {pinX(i), b}, {pinX(i), b + (i % 2 ? 10 : 19)});

    // The chip row: each part between two vias.
    for (const parts::Chip &c : chips) {
        const QPointF a = c.land(0).center();
        const QPointF z = c.land(1).center();
        if (c.vertical) {
            addViaAfter(board, a, a - QPointF(0, 11));
            board.addTrace(line({z, z + QPointF(0, 8), z + QPointF(0, 8) + diagonal(1, 1, 6)}), 2);
            board.addVia(z + QPointF(0, 8) + diagonal(1, 1, 6), 5, 2.2);
        } else {
            addViaAfter(board, z, z + QPointF(10, 0));
        }
    }
    // U2 and the crystal: leads up off the board edge and down to vias.
    for (int i = 0; i < u2.pins; ++i) {
        const QPointF top = u2.land(0, i).center();
        board.addTrace(line({top, {top.x(), -10}}), 2);
        const QPointF low = u2.land(1, i).center();
        addViaAfter(board, low, low + QPointF(0, i % 2 ? 9 : 15));
    }
    board.addTrace(line({y1.land(1).center(), {100, 34}, {110, 24}, {u2.land(0, 0).center().x() - 10, 24}}), 2);
    // A wide supply trace across the lower left.
    board.addTrace(line({{-10, 214}, {150, 214}, {170, 234}, {300, 234}, {320, 254}}), 5);

    RandomRouting routing;
    routing.attempts = 900;
    routing.segmentMin = 10;
    routing.segmentMax = 56;
    board.routeRandomly(random, routing);

    QPainterPath pour;
    pour.addPolygon(line({{-5, 196}, {40, 196}, {60, 176}, {200, 176}, {220, 196}, {430, 196}, {430, 251}, {-5, 251}}));
    pour.closeSubpath();
    board.addPour(pour, 2.5);
    QPainterPath corner;
    corner.addPolygon(line({{380, -5}, {430, -5}, {430, 70}, {406, 70}, {380, 44}}));
    corner.closeSubpath();
    board.addPour(corner, 2.5);

    // Silkscreen: outlines and reference designators.
    board.addSilk(cornerMarks(QRectF(u1.centre - QPointF(50, 50), QSizeF(100, 100)), 8), 1.2);
    board.addSilkText({282, 70}, QStringLiteral("U1"), 6);
    board.addSilk(boxOutline(QRectF(u2.centre - QPointF(30, 19), QSizeF(60, 38))), 1.0);
    board.addSilkText({194, 24}, QStringLiteral("U2"), 5.5);
    board.addSilk(boxOutline(QRectF(y1.centre - QPointF(28, 11), QSizeF(56, 22))), 1.0);
    board.addSilkText({48, 56}, QStringLiteral("Y1"), 5);
    const char *names[] = {"R1", "R2", "R3", "R4", "R5", "C3", "C4"};
    for (int i = 0; i < 7; ++i)
        board.addSilkText(chips[i].centre + QPointF(-5, -14), QString::fromLatin1(names[i]), 4.2);
    board.addSilkText({318, 238}, QStringLiteral("KRV-13  REV.B"), 5.5);

    QImage image = board.render();

    QPainterPath shadows = parts;
    parts::castShadow(image, Scale, shadows, QPointF(2.4, 2.8), 2.6, 0.6);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Scale, Scale);
        parts::drawQfp(p, u1, {QStringLiteral("MRB"), QStringLiteral("KV-1300"), QStringLiteral("0926  TQ")});
        parts::drawSoic(p, u2, QStringLiteral("24C16"));
        parts::drawCrystal(p, y1, QStringLiteral("16.000"));
        for (const parts::Chip &c : chips)
            parts::drawChip(p, c);

        // The glossy mask reflects a soft lamp above the top left.
        QRadialGradient lamp(QPointF(140, 30), 260);
        lamp.setColorAt(0, QColor(255, 255, 236, 46));
        lamp.setColorAt(0.5, QColor(255, 255, 236, 14));
        lamp.setColorAt(1, QColor(255, 255, 236, 0));
        p.setCompositionMode(QPainter::CompositionMode_Screen);
        p.fillRect(QRectF(QPointF(0, 0), Size), lamp);
    }

    image = filters::downscaled(image, int(Scale));
    // Close-up lens: sharp around the chip row, softer above and below.
    image = filters::depthOfField(image, [](int y) {
        const double away = std::abs(y - 128.0);
        return std::clamp((away - 26) / 52, 0.0, 1.0) * 1.8;
    });
    filters::vignette(image, 0.42);
    filters::addGrain(image, 77, 3);
    return image.convertToFormat(QImage::Format_RGB888);
}
