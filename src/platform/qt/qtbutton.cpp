#include "qtbutton.h"

#include "fonts.h"

#include <QFontMetricsF>

namespace kirvano {

QtButton::QtButton(QPushButton *button, bool bold)
    : QObject(button), m_button(button), m_face(button->font().family()), m_points(button->font().pointSizeF()),
      m_bold(bold)
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
    QFont font = designFont(m_face, m_points, m_bold);
    // Whether the face is installed does not change while the program runs.
    static const bool digital7Installed = hasFamily(QStringLiteral("Digital-7"));
    if (m_face == QLatin1String("Digital-7") && !digital7Installed) {
        const qreal room = m_button->width() - 6;
        qreal size = m_points;
        while (size > 4 && QFontMetricsF(font).horizontalAdvance(m_button->text()) > room) {
            size -= 0.5;
            font.setPointSizeF(size);
        }
    }
    m_button->setFont(font);
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
