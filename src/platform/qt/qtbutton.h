#pragma once

#include "platform/button.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace kirvano {

// IButton on a QPushButton. Face and size follow the logic; the window
// says which font that makes for the caption the button shows.
class QtButton : public QObject, public IButton
{
    Q_OBJECT
public:
    using FontFor = std::function<QFont(const QString &face, double points)>;

    QtButton(QPushButton *button, FontFor fontFor);

    void setCaption(const QString &caption) override;
    QString caption() const override;
    void setFontName(const QString &name) override;
    QString fontName() const override { return m_face; }
    void setFontSize(double points) override;
    double fontSize() const override { return m_points; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void setDefault(bool isDefault) override;
    bool isDefault() const override;

    // Called after every change of the caption.
    std::function<void()> captionChanged;

private:
    void applyFont();

    QPointer<QPushButton> m_button;
    FontFor m_fontFor;
    QString m_face;
    double m_points;
};

} // namespace kirvano
