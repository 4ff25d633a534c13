#pragma once

#include "platform/button.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QPushButton>

namespace kirvano {

// IButton on a QPushButton. Face and size follow the logic; the window
// says which font that makes for the caption the button shows.
class QtButton : public QObject, public IButton
{
    Q_OBJECT
public:
    using FontFor = Callback<QFont(const QString &face, double points)>;

    QtButton(QPushButton *button, FontFor fontFor);

    void setCaption(const QString &caption) override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;

    // Raised after every change of the caption.
    Callback<void()> onCaptionChanged;

private:
    void applyFont();

    QPointer<QPushButton> m_button;
    FontFor m_fontFor;
    QString m_face;
    double m_points;
};

} // namespace kirvano
