#include "pictures.h"

#include "circuitboard.h"
#include "components.h"
#include "imagefilters.h"

#include <QFont>
#include <QPainter>

#include <cmath>

namespace {

const QSizeF Size(1020, 1471);
constexpr double Trace = 12;
constexpr double Ring = 30;
constexpr double Hole = 13;

QPolygonF line(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

// Each side of the emblem's chip fans out in two buses that bend towards
// the corners, the bottom one drops through staggered vias.
void fanOut(CircuitBoard &board, const parts::Qfp &chip)
{
    const double step = chip.pitch;
    const int half = chip.pins / 2;
    const double reach = chip.body / 2 + chip.lead - 6;
    const QPointF c = chip.centre;
    const double firstHalf = ((half - 1) / 2.0 - (chip.pins - 1) / 2.0) * step;
    const double d = 90; // diagonal run
    for (int side = 0; side < 3; ++side) {
        for (int h = 0; h < 2; ++h) {
            const double along = h == 0 ? firstHalf : -firstHalf;
            const double sign = h == 0 ? -1 : 1;
            QPolygonF centre;
            if (side == 0) {
                const QPointF s(c.x() - reach, c.y() + along);
                centre = line({s, {190, s.y()}, {190 - d, s.y() + sign * d}, {-40, s.y() + sign * d}});
            } else if (side == 2) {
                const QPointF s(c.x() + reach, c.y() + along);
                centre = line({s, {830, s.y()}, {830 + d, s.y() + sign * d}, {1060, s.y() + sign * d}});
            } else {
                const QPointF s(c.x() + along, c.y() - reach);
                centre = line({s, {s.x(), 190}, {s.x() + sign * d, 190 - d}, {s.x() + sign * d, -40}});
            }
            board.addBus(centre, half, step, Trace);
        }
    }
    for (int i = 0; i < chip.pins; ++i) {
        const QPointF s = chip.pinEnd(3, i) - QPointF(0, 6);
        const QPointF via = s + QPointF(0, i % 2 ? 50 : 100);
        board.addTrace(line({s, via}), Trace);
        board.addVia(via, Ring, Hole);
    }
}

// The monogram on the chip: an "M" drawn as a gold trace between two pads.
void drawMonogram(QPainter &p, QPointF c, double s)
{
    const QPolygonF m = line({c + QPointF(-0.5, 0.46) * s, c + QPointF(-0.5, -0.42) * s, c + QPointF(0, 0.1) * s,
                              c + QPointF(0.5, -0.42) * s, c + QPointF(0.5, 0.46) * s});
    const double width = s * 0.17;
    p.setPen(QPen(QColor(0, 0, 0, 150), width, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolyline(m.translated(s * 0.025, s * 0.035));
    QLinearGradient gold(c - QPointF(s * 0.5, s * 0.5), c + QPointF(s * 0.5, s * 0.5));
    gold.setColorAt(0, QColor(255, 236, 160));
    gold.setColorAt(0.45, QColor(222, 176, 76));
    gold.setColorAt(1, QColor(150, 104, 34));
    p.setPen(QPen(QBrush(gold), width, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    p.drawPolyline(m);
    for (QPointF end : {m.front(), m.back()}) {
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(end, width * 0.85, width * 0.85);
        p.setBrush(QColor(20, 20, 22));
        p.drawEllipse(end, width * 0.34, width * 0.34);
    }
}

QPainterPath textPath(const QString &text, const QFont &font, double width, QPointF centre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    const double k = width / box.width();
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.scale(k, k);
    t.translate(-box.center().x(), -box.center().y());
    return t.map(path);
}

void drawName(QImage &image)
{
    const QRectF plate(44, 930, 932, 290);
    QPainterPath shape;
    shape.addRoundedRect(plate, 36, 36);
    parts::castShadow(image, 1, shape, QPointF(10, 14), 14, 0.55);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(226, 184, 86), 6));
        p.setBrush(QColor(8, 26, 14, 220));
        p.drawPath(shape);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(200);
    font.setBold(true);
    const QPainterPath name = textPath(QStringLiteral("Marbolin"), font, 840, QPointF(510, 1040));
    parts::castShadow(image, 1, name, QPointF(7, 9), 6, 0.8);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient silver(0, 960, 0, 1120);
    silver.setColorAt(0, QColor(255, 255, 255));
    silver.setColorAt(0.55, QColor(232, 238, 236));
    silver.setColorAt(1, QColor(176, 190, 184));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(name);

    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(60);
    small.setBold(true);
    small.setLetterSpacing(QFont::PercentageSpacing, 112);
    p.setBrush(QColor(230, 188, 90));
    p.drawPath(textPath(QStringLiteral("SISTEMI ELETTRONICI"), small, 760, QPointF(510, 1166)));
}

} // namespace

QImage makerLogo()
{
    CircuitBoard board(Size, 1, 2009);
    board.weavePitch = 14;
    Random random(2009);

    parts::Qfp chip;
    chip.centre = QPointF(510, 500);
    chip.body = 420;
    chip.pins = 12;
    chip.pitch = 32;
    chip.lead = 44;
    chip.leadWidth = 15;

    QPainterPath reserved;
    reserved.addRect(QRectF(chip.centre - QPointF(280, 280), QSizeF(560, 560)));
    board.keepOut(reserved);
    fanOut(board, chip);

    QVector<parts::Chip> chips;
    for (int i = 0; i < 6; ++i)
        chips.push_back({QPointF(140 + i * 148, 1330), QSizeF(64, 34), false,
                         i % 2 ? parts::Chip::Capacitor : parts::Chip::Resistor,
                         i % 2 ? QString() : QStringLiteral("103")});
    QPainterPath chipShapes;
    for (const parts::Chip &c : chips) {
        chipShapes.addPath(c.silhouette());
        const QPointF a = c.land(0).center();
        const QPointF z = c.land(1).center();
        board.addTrace(line({a, a - QPointF(0, 60)}), Trace);
        board.addVia(a - QPointF(0, 60), Ring, Hole);
        board.addTrace(line({z, z + QPointF(0, 60)}), Trace);
        board.addVia(z + QPointF(0, 60), Ring, Hole);
    }
    board.keepOut(QPainterPathStroker(QPen(Qt::black, 30)).createStroke(chipShapes).united(chipShapes));

    RandomRouting routing;
    routing.attempts = 900;
    routing.grid = 26;
    routing.width = Trace;
    routing.clearance = 12;
    routing.segmentMin = 50;
    routing.segmentMax = 260;
    routing.viaRing = Ring;
    routing.viaHole = Hole;
    routing.busMax = 4;
    board.routeRandomly(random, routing);
    board.addSilkText({70, 1440}, QStringLiteral("MARBOLIN  KRV-13"), 26);

    QImage image = board.render();
    // The background falls out of focus behind the emblem and the name.
    image = filters::blurred(image, 3);
    filters::vignette(image, 0.5);

    parts::castShadow(image, 1, chip.silhouette().united(chipShapes), QPointF(14, 18), 14, 0.65);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        parts::drawQfp(p, chip, {});
        drawMonogram(p, chip.centre, 250);
        for (const parts::Chip &c : chips)
            parts::drawChip(p, c);
    }
    drawName(image);
    filters::addGrain(image, 5, 2);
    return image.convertToFormat(QImage::Format_RGB888);
}
