#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

// Parts soldered onto the board, drawn from above and lit from the top left.
namespace parts {

// Quad flat pack: `pins` gull-wing leads on each side (0 left, 1 top,
// 2 right, 3 bottom), numbered left to right and top to bottom.
struct Qfp
{
    QPointF centre;
    double body = 80;
    int pins = 12;
    double pitch = 6;
    double lead = 8;
    double leadWidth = 3;

    QPointF pinEnd(int side, int i) const;
    QRectF land(int side, int i) const;
    QPainterPath silhouette() const;
};
void drawQfp(QPainter &p, const Qfp &chip, const QStringList &marking);

// Small outline package lying horizontally, leads on top (0) and bottom (1).
struct Soic
{
    QPointF centre;
    double length = 50;
    double width = 20;
    int pins = 4;
    double pitch = 12;
    double lead = 6;
    double leadWidth = 4;

    QPointF pinEnd(int side, int i) const;
    QRectF land(int side, int i) const;
    QPainterPath silhouette() const;
};
void drawSoic(QPainter &p, const Soic &chip, const QString &marking);

// Two-terminal chip resistor or capacitor.
struct Chip
{
    enum Kind { Resistor, Capacitor };
    QPointF centre;
    QSizeF size{12, 6.5}; // along and across its terminals
    bool vertical = false;
    Kind kind = Resistor;
    QString code;

    QRectF land(int end) const;
    QPainterPath silhouette() const;
};
void drawChip(QPainter &p, const Chip &chip);

// A quartz crystal in a low metal can.
struct Crystal
{
    QPointF centre;
    QSizeF size{44, 16};

    QRectF land(int end) const;
    QPainterPath silhouette() const;
};
void drawCrystal(QPainter &p, const Crystal &crystal, const QString &marking);

// Soft shadow of `silhouettes`, cast towards the bottom right.
void castShadow(QImage &image, double scale, const QPainterPath &silhouettes, QPointF offset, double blur,
                double opacity);

// Laser-etched or printed text centred on `centre`, `height` units high.
void drawMarking(QPainter &p, QPointF centre, const QStringList &lines, double height, const QColor &colour);

} // namespace parts
