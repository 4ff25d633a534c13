#pragma once

#include <QString>

#include "callback.h"

namespace kirvano {

// A push button: caption, font face and size, enabled, default, click event.
class IButton
{
public:
    virtual ~IButton() = default;

    virtual void setCaption(const QString &caption) = 0;
    virtual QString caption() const = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual QString fontName() const = 0;
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setDefault(bool isDefault) = 0;
    virtual bool isDefault() const = 0;

    Callback<void()> onClick;

    // Delivers a click, as the toolkit does when the operator presses the button.
    void click() { onClick.fire(); }
};

} // namespace kirvano
