#pragma once

#include "layouttable.h"

#include <QFont>
#include <QString>

namespace kirvano {

// The faces the windows were designed with are not on every system; each
// gets the nearest installed face: Arial and MS Sans Serif a metric sans,
// Comic Sans MS Comic Neue, Digital-7 a seven-segment face.
void installFontSubstitutions();

// A font by face, size in points and weight, with the substitutions above.
QFont designFont(const QString &face, double points, bool bold);
QFont designFont(const FontSpec &font);

// Whether a face is installed under its own name.
bool hasFamily(const QString &face);

// The font for a caption on a button: a seven-segment substitute that is
// wider than the face it stands in for is shrunk until the caption fits.
QFont captionFont(const QString &face, double points, bool bold, const QString &caption, int buttonWidth);

} // namespace kirvano
