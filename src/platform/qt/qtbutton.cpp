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
    if (captionChanged)
        captionChanged();
}

QString QtButton::caption() const
{
    return m_button->text();
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
    m_button->setFont(m_fontFor(m_face, m_points));
}

void QtButton::setEnabled(bool enabled)
{
    m_button->setEnabled(enabled);
}

bool QtButton::isEnabled() const
{
    return m_button->isEnabled();
}

void QtButton::setDefault(bool isDefault)
{
    m_button->setDefault(isDefault);
}

bool QtButton::isDefault() const
{
    return m_button->isDefault();
}

} // namespace kirvano
