#pragma once

#include <QString>

namespace kirvano {

// A control that can be shown and hidden: a frame or panel.
class IVisual
{
public:
    virtual ~IVisual() = default;

    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

// A label: visible or not, with a text.
class ILabel : public IVisual
{
public:
    virtual void setText(const QString &text) = 0;
    virtual QString text() const = 0;
};

} // namespace kirvano
