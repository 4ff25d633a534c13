#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

namespace kirvano {

bool hasFamily(const QString &face)
{
    return QFontDatabase::families().contains(face, Qt::CaseInsensitive);
}

void installFontSubstitutions()
{
    // DSEG14 rather than DSEG7: the caption's "/" needs a glyph of its own.
    QFont::insertSubstitutions(
        QStringLiteral("Digital-7"),
        {QStringLiteral("DSEG14 Classic"), QStringLiteral("DSEG7 Classic"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Liberation Sans")});
}

QFont designFont(const QString &face, double points, bool bold)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont designFont(const FontSpec &font)
{
    return designFont(QString::fromLatin1(font.face), font.points, font.bold);
}

QFont captionFont(const QString &face, double points, bool bold, const QString &caption, int buttonWidth)
{
    QFont font = designFont(face, points, bold);
    // Whether the face is installed does not change while the program runs.
    static const bool digital7Installed = hasFamily(QStringLiteral("Digital-7"));
    if (face == QLatin1String("Digital-7") && !digital7Installed) {
        const qreal room = buttonWidth - 6;
        qreal size = points;
        while (size > 4 && QFontMetricsF(font).horizontalAdvance(caption) > room) {
            size -= 0.5;
            font.setPointSizeF(size);
        }
    }
    return font;
}

} // namespace kirvano
