#pragma once

#include <QString>

#include "callback.h"

namespace kirvano {

// A station's START button: its caption, the caption's font face and size,
// and its click.
class IButton
{
public:
    virtual ~IButton() = default;

    virtual void setCaption(const QString &caption) = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;

    Callback<void()> onClick;

    // Delivers a click, as the toolkit does when the operator presses the button.
    void click() { onClick.fire(); }
};

} // namespace kirvano
