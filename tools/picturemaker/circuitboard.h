#pragma once

#include "random.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QVector>

// How the random router fills the free parts of a board.
struct RandomRouting
{
    int attempts = 400;
    double grid = 6;      // trace pitch
    double width = 2;     // trace width
    double clearance = 2; // gap kept to other copper
    double segmentMin = 12;
    double segmentMax = 60;
    int segmentsMax = 4;
    double busChance = 0.3; // chance that a route is a bus of parallel traces
    int busMax = 5;
    double viaRing = 5;
    double viaHole = 2.4;
    double padChance = 0.2; // an end on an exposed pad rather than a via
};

// A bare printed circuit board: copper under green solder mask (traces,
// pours, tented vias), exposed gold pads and white silkscreen. Coordinates
// are logical; render() draws at `scale` pixels per unit.
class CircuitBoard
{
public:
    CircuitBoard(QSizeF size, double scale, std::uint32_t seed);

    void addTrace(const QPolygonF &path, double width);
    // `count` parallel traces `pitch` apart, centred on `centre`; returns them.
    QVector<QPolygonF> addBus(const QPolygonF &centre, int count, double pitch, double width);
    void addVia(QPointF centre, double ring, double hole);
    void addPad(const QRectF &rect, bool round);
    // Copper poured over `area`, kept `clearance` away from the other copper.
    void addPour(const QPainterPath &area, double clearance);
    void addSilk(const QPainterPath &outline, double width);
    void addSilkText(QPointF baseline, const QString &text, double height);
    // Keeps the random router out of `area`.
    void keepOut(const QPainterPath &area);
    void routeRandomly(Random &random, const RandomRouting &routing);

    QImage render() const;

    double scale() const { return m_scale; }
    QSizeF size() const { return m_size; }

    QColor mask{10, 66, 36};
    QColor maskOverCopper{38, 108, 46};
    QColor silk{232, 234, 222};
    double weavePitch = 5;

private:
    struct Trace
    {
        QPolygonF path;
        double width;
    };
    struct Via
    {
        QPointF centre;
        double ring;
        double hole;
    };
    struct Pad
    {
        QRectF rect;
        bool round;
    };
    struct Pour
    {
        QPainterPath area;
        double clearance;
    };
    struct SilkText
    {
        QPointF baseline;
        QString text;
        double height;
    };

    bool isFree(const QPolygonF &path, double reach) const;
    bool isFree(QPointF point, double reach) const;
    void reserve(const QPolygonF &path, double reach);
    void reserve(QPointF point, double reach);
    QPolygonF randomRoute(Random &random, const RandomRouting &routing) const;
    void drawCopper(QPainter &p, double grow) const;
    QImage copperMask() const;
    void shadeBoard(QImage &image) const;
    void drawPads(QPainter &p) const;
    void drawViaHoles(QPainter &p) const;
    void drawSilk(QPainter &p) const;

    QSizeF m_size;
    double m_scale;
    std::uint32_t m_seed;
    QImage m_taken; // logical-size map of what the router must avoid
    QVector<Trace> m_traces;
    QVector<Via> m_vias;
    QVector<Pad> m_pads;
    QVector<Pour> m_pours;
    QVector<QPair<QPainterPath, double>> m_silk;
    QVector<SilkText> m_silkText;
};

// Parallel copy of a polyline at a signed distance (mitred corners).
QPolygonF offsetPolyline(const QPolygonF &line, double distance);
