#include "qtbutton.h"

namespace kirvano {

QtButton::QtButton(QPushButton *button, FontFor fontFor)
    : QObject(button)
    , m_button(button)
    , m_fontFor(std::move(fontFor))
    , m_face(button->font().family())
    , m_points(button->font().pointSizeF())
{
    connect(button, &QPushButton::clicked, this, [this] { click(); });
}

void QtButton::setCaption(const QString &caption)
{
    if (m_button->text() == caption)
        return;
    m_button->setText(caption);
    applyFont();
    onCaptionChanged.fire();
}

void QtButton::setFontName(const QString &name)
{
    if (m_face == name)
        return;
    m_face = name;
    applyFont();
}

void QtButton::setFontSize(double points)
{
    if (m_points == points)
        return;
    m_points = points;
    applyFont();
}

void QtButton::applyFont()
{
    m_button->setFont(m_fontFor.fire(m_face, m_points));
}

} // namespace kirvano
