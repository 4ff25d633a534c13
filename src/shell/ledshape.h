#pragma once

#include "platform/shape.h"

#include <QWidget>

namespace kirvano {

// A filled rounded rectangle with a thin outline: a station's LED or a row band.
class LedShape : public QWidget, public IShape
{
    Q_OBJECT
public:
    LedShape(Colour colour, QWidget *parent);

    Colour fillColor() const { return m_colour; }
    void setFillColor(Colour colour) override;

    // 0x00BBGGRR to a QColor.
    static QColor toQColor(Colour colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Colour m_colour;
};

} // namespace kirvano
