#include "circuitboard.h"

#include "imagefilters.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QPointF unit(QPointF v)
{
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF();
}

QPointF normal(QPointF a, QPointF b)
{
    const QPointF u = unit(b - a);
    return QPointF(-u.y(), u.x());
}

double length(const QPolygonF &line)
{
    double total = 0;
    for (int i = 1; i < line.size(); ++i)
        total += std::hypot(line[i].x() - line[i - 1].x(), line[i].y() - line[i - 1].y());
    return total;
}

QPointF direction(int octant)
{
    const double a = octant * std::numbers::pi / 4;
    return QPointF(std::round(std::cos(a) * 1000) / 1000, std::round(std::sin(a) * 1000) / 1000);
}

int channel(double v)
{
    return std::clamp(int(std::lround(v)), 0, 255);
}

} // namespace

QPolygonF offsetPolyline(const QPolygonF &line, double distance)
{
    QPolygonF out;
    const int n = line.size();
    for (int i = 0; i < n; ++i) {
        if (i == 0) {
            out << line[0] + normal(line[0], line[1]) * distance;
        } else if (i == n - 1) {
            out << line[i] + normal(line[i - 1], line[i]) * distance;
        } else {
            const QPointF a = normal(line[i - 1], line[i]);
            const QPointF b = normal(line[i], line[i + 1]);
            const double dot = a.x() * b.x() + a.y() * b.y();
            out << line[i] + (a + b) * (distance / (1 + dot));
        }
    }
    return out;
}

CircuitBoard::CircuitBoard(QSizeF size, double scale, std::uint32_t seed)
    : m_size(size)
    , m_scale(scale)
    , m_seed(seed)
    , m_taken(size.toSize(), QImage::Format_Grayscale8)
{
    m_taken.fill(0);
}

void CircuitBoard::addTrace(const QPolygonF &path, double width)
{
    m_traces.push_back({path, width});
    reserve(path, width / 2);
}

QVector<QPolygonF> CircuitBoard::addBus(const QPolygonF &centre, int count, double pitch, double width)
{
    QVector<QPolygonF> lines;
    for (int k = 0; k < count; ++k) {
        lines << offsetPolyline(centre, (k - (count - 1) / 2.0) * pitch);
        addTrace(lines.back(), width);
    }
    return lines;
}

void CircuitBoard::addVia(QPointF centre, double ring, double hole)
{
    m_vias.push_back({centre, ring, hole});
    reserve(centre, ring / 2);
}

void CircuitBoard::addPad(const QRectF &rect, bool round)
{
    m_pads.push_back({rect, round});
    QPainterPath area;
    area.addRect(rect);
    keepOut(area);
}

void CircuitBoard::addPour(const QPainterPath &area, double clearance)
{
    m_pours.push_back({area, clearance});
}

void CircuitBoard::addSilk(const QPainterPath &outline, double width)
{
    m_silk.push_back({outline, width});
}

void CircuitBoard::addSilkText(QPointF baseline, const QString &text, double height)
{
    m_silkText.push_back({baseline, text, height});
}

void CircuitBoard::keepOut(const QPainterPath &area)
{
    QPainter p(&m_taken);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(area, Qt::white);
}

bool CircuitBoard::isFree(QPointF point, double reach) const
{
    for (int a = 0; a < 8; ++a) {
        const QPoint q = (point + direction(a) * reach).toPoint();
        if (m_taken.valid(q) && qGray(m_taken.pixel(q)) > 0)
            return false;
    }
    const QPoint c = point.toPoint();
    return !(m_taken.valid(c) && qGray(m_taken.pixel(c)) > 0);
}

bool CircuitBoard::isFree(const QPolygonF &path, double reach) const
{
    for (int i = 1; i < path.size(); ++i) {
        const QPointF a = path[i - 1];
        const QPointF b = path[i];
        const QPointF n = normal(a, b);
        const int steps = std::max(1, int(std::hypot(b.x() - a.x(), b.y() - a.y()) / 0.75));
        for (int s = 0; s <= steps; ++s) {
            const QPointF c = a + (b - a) * (double(s) / steps);
            for (double side : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
                const QPoint q = (c + n * (side * reach)).toPoint();
                if (m_taken.valid(q) && qGray(m_taken.pixel(q)) > 0)
                    return false;
            }
        }
    }
    return isFree(path.front(), reach) && isFree(path.back(), reach);
}

void CircuitBoard::reserve(const QPolygonF &path, double reach)
{
    QPainter p(&m_taken);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2 * reach, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path);
}

void CircuitBoard::reserve(QPointF point, double reach)
{
    QPainter p(&m_taken);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(point, reach, reach);
}

QPolygonF CircuitBoard::randomRoute(Random &random, const RandomRouting &r) const
{
    const double g = r.grid;
    QPointF at(std::round(random.uniform(0, m_size.width()) / g) * g,
               std::round(random.uniform(0, m_size.height()) / g) * g);
    int octant = random.range(0, 7);
    QPolygonF route{at};
    const int segments = random.range(1, r.segmentsMax);
    for (int s = 0; s < segments; ++s) {
        const bool diagonal = octant % 2 == 1;
        const double step = diagonal ? g * std::numbers::sqrt2 : g;
        const double len = std::max(1.0, std::round(random.uniform(r.segmentMin, r.segmentMax) / step)) * step;
        at += direction(octant) * len;
        route << at;
        octant = (octant + (random.chance(0.5) ? 1 : 7)) % 8;
    }
    return route;
}

void CircuitBoard::routeRandomly(Random &random, const RandomRouting &r)
{
    const QRectF inside(QPointF(0, 0), m_size);
    const double endReach = r.viaRing / 2 + r.clearance;
    for (int attempt = 0; attempt < r.attempts; ++attempt) {
        QPolygonF route = randomRoute(random, r);
        const int count = random.chance(r.busChance) ? random.range(2, r.busMax) : 1;
        const double pitch = std::max(r.grid, r.width + r.clearance + 0.5);
        auto linesOf = [&](const QPolygonF &centre) {
            QVector<QPolygonF> lines;
            for (int k = 0; k < count; ++k)
                lines << offsetPolyline(centre, (k - (count - 1) / 2.0) * pitch);
            return lines;
        };
        // Bus ends are staggered so that their vias do not touch.
        auto staggered = [&](QPolygonF line, int k) {
            if (count > 1 && k % 2 == 1) {
                const QPointF d = unit(line.back() - line[line.size() - 2]);
                line << line.back() + d * (r.viaRing + r.clearance);
                line.remove(line.size() - 2);
            }
            return line;
        };
        bool ok = false;
        QVector<QPolygonF> lines;
        while (route.size() >= 2 && length(route) >= r.segmentMin) {
            lines = linesOf(route);
            ok = true;
            for (int k = 0; k < count && ok; ++k) {
                lines[k] = staggered(lines[k], k);
                ok = isFree(lines[k], r.width / 2 + r.clearance)
                     && (!inside.contains(lines[k].front()) || isFree(lines[k].front(), endReach))
                     && (!inside.contains(lines[k].back()) || isFree(lines[k].back(), endReach));
            }
            if (ok)
                break;
            route.removeLast();
        }
        if (!ok)
            continue;
        for (const QPolygonF &line : lines) {
            addTrace(line, r.width);
            for (QPointF end : {line.front(), line.back()}) {
                if (!inside.contains(end))
                    continue;
                if (count == 1 && random.chance(r.padChance)) {
                    const double s = r.viaRing * 1.1;
                    addPad(QRectF(end - QPointF(s / 2, s / 2), QSizeF(s, s)), random.chance(0.5));
                } else {
                    addVia(end, r.viaRing, r.viaHole);
                }
                reserve(end, r.viaRing / 2 + r.clearance / 2);
            }
        }
    }
}

void CircuitBoard::drawCopper(QPainter &p, double grow) const
{
    const QBrush brush = p.brush();
    for (const Trace &t : m_traces) {
        p.setPen(QPen(brush, t.width + 2 * grow, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(t.path);
    }
    p.setPen(Qt::NoPen);
    for (const Via &v : m_vias)
        p.drawEllipse(v.centre, v.ring / 2 + grow, v.ring / 2 + grow);
    for (const Pad &pad : m_pads) {
        const QRectF r = pad.rect.adjusted(-grow, -grow, grow, grow);
        if (pad.round)
            p.drawEllipse(r);
        else
            p.drawRect(r);
    }
}

QImage CircuitBoard::copperMask() const
{
    const QSize pixels = (m_size * m_scale).toSize();
    QImage copper(pixels, QImage::Format_ARGB32_Premultiplied);
    copper.fill(Qt::black);
    QPainter p(&copper);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(m_scale, m_scale);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    for (const Pour &pour : m_pours)
        p.fillPath(pour.area, Qt::white);
    double clearance = 0;
    for (const Pour &pour : m_pours)
        clearance = std::max(clearance, pour.clearance);
    if (!m_pours.isEmpty()) {
        p.setBrush(Qt::black);
        drawCopper(p, clearance);
    }
    p.setBrush(Qt::white);
    drawCopper(p, 0);
    return copper;
}

void CircuitBoard::shadeBoard(QImage &image) const
{
    const QImage copper = copperMask();
    const QImage soft = filters::blurred(copper, 0.5 * m_scale);
    const QImage height = filters::blurred(copper, 1.4 * m_scale);
    const double weave = weavePitch * m_scale;
    const double tau = 2 * std::numbers::pi;
    const int w = image.width();
    const int h = image.height();
    auto heightAt = [&](int x, int y) {
        x = std::clamp(x, 0, w - 1);
        y = std::clamp(y, 0, h - 1);
        return qRed(reinterpret_cast<const QRgb *>(height.constScanLine(y))[x]) / 255.0;
    };
    for (int y = 0; y < h; ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        const auto *c = reinterpret_cast<const QRgb *>(soft.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const double cu = qRed(c[x]) / 255.0;
            // Glass weave shows faintly through bare laminate, copper hides it.
            const double cloth = std::sin(tau * x / weave) * std::sin(tau * y / weave) * 0.035 * (1 - cu);
            const double mottle = (filters::valueNoise(x, y, 36 * m_scale, m_seed) - 0.5) * 0.16
                                  + (filters::valueNoise(x, y, 3 * m_scale, m_seed + 1) - 0.5) * 0.05;
            const double f = 1 + cloth + mottle;
            // Copper edges stand up under the mask: lit from the top left.
            const double slope = (heightAt(x + 1, y) - heightAt(x - 1, y)) + (heightAt(x, y + 1) - heightAt(x, y - 1));
            const double light = -slope * 0.5 * m_scale;
            const double glow = std::max(0.0, light) * 150;
            const double dark = std::max(0.0, -light) * 0.9;
            auto mixc = [&](int bare, int over, int extra) {
                const double v = (bare + (over - bare) * cu) * f * (1 - dark) + glow * extra / 255.0;
                return channel(v);
            };
            out[x] = qRgb(mixc(mask.red(), maskOverCopper.red(), 150), mixc(mask.green(), maskOverCopper.green(), 255),
                          mixc(mask.blue(), maskOverCopper.blue(), 140));
        }
    }
}

void CircuitBoard::drawPads(QPainter &p) const
{
    for (const Pad &pad : m_pads) {
        // The mask opening leaves a dark rim around the pad.
        const double rim = 0.5;
        const QRectF opening = pad.rect.adjusted(-rim, -rim, rim, rim);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(8, 40, 20, 170));
        pad.round ? p.drawEllipse(opening) : p.drawRect(opening);
        QLinearGradient gold(pad.rect.topLeft(), pad.rect.bottomRight());
        gold.setColorAt(0, QColor(252, 226, 150));
        gold.setColorAt(0.45, QColor(218, 172, 78));
        gold.setColorAt(1, QColor(150, 108, 40));
        p.setBrush(gold);
        pad.round ? p.drawEllipse(pad.rect) : p.drawRect(pad.rect);
    }
}

void CircuitBoard::drawViaHoles(QPainter &p) const
{
    p.setPen(Qt::NoPen);
    for (const Via &v : m_vias) {
        const double r = v.hole / 2;
        // The mask sags into the hole: its far wall catches the light.
        p.setBrush(QColor(96, 150, 84));
        p.drawEllipse(v.centre, r, r);
        p.setBrush(QColor(10, 30, 16));
        p.drawEllipse(v.centre - QPointF(r * 0.14, r * 0.14), r * 0.84, r * 0.84);
    }
}

void CircuitBoard::drawSilk(QPainter &p) const
{
    for (const auto &[outline, width] : m_silk) {
        p.setPen(QPen(silk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
    }
    for (const SilkText &t : m_silkText) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(1, int(std::lround(t.height * 8))));
        font.setBold(true);
        QPainterPath text;
        text.addText(QPointF(0, 0), font, t.text);
        QTransform place;
        place.translate(t.baseline.x(), t.baseline.y());
        place.scale(0.125, 0.125);
        p.setPen(Qt::NoPen);
        p.setBrush(silk);
        p.drawPath(place.map(text));
    }
}

QImage CircuitBoard::render() const
{
    QImage image((m_size * m_scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(mask);
    shadeBoard(image);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(m_scale, m_scale);
    drawPads(p);
    drawViaHoles(p);
    p.setOpacity(0.93);
    drawSilk(p);
    return image;
}
