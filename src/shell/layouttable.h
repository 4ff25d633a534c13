#pragma once

#include "platform/shape.h"

#include <QRect>
#include <QString>

namespace kirvano {

// The windows were drawn in twips, 1440 to the inch: 15 to a pixel at 96 dpi.
constexpr int TwipsPerPixel = 15;

constexpr int px(int twips)
{
    return twips / TwipsPerPixel;
}

// A rectangle in twips, relative to its container's top-left corner.
struct TwipRect
{
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const { return QRect(px(left), px(top), px(width), px(height)); }
};

// A font as drawn: face, size in points, weight. No face: the container's font.
struct FontSpec
{
    const char *face;
    double points;
    bool bold;
};

constexpr FontSpec Inherited{nullptr, 0, false};

// Every window's layout is a table of these, one row a control, in the order
// they are made: containers before their controls, and later controls lie
// above earlier ones.
enum class ControlKind {
    Frame,   // a captioned frame that holds controls
    Label,   // plain text
    TextBox, // one line of text to type
    Button,
    List,    // one item a line of its text, one of them chosen at a time
    Picture, // its text is the path of its image
    Shape,   // a filled rounded rectangle of its colour: an LED, a band
};

enum ControlFlag : unsigned {
    Plain = 0,
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    FitsText = 1u << 2,      // a label that grows to its text on one line
    TakesTextSize = 1u << 3, // a label that keeps its corner and takes the size of its text
    Centred = 1u << 4,
    Wraps = 1u << 5,     // a label that breaks its text into lines within its box
    Opaque = 1u << 6,    // fills its background
    OnPicture = 1u << 7, // a label on a photograph: transparent, its letters in highlight-text colour
    Red = 1u << 8,       // text colour 0x0000FF
    Counter = 1u << 9,   // highlight-text background, single border, right-aligned
    Default = 1u << 10,  // the button Enter presses
    Stretched = 1u << 11 // a picture filling its box, its proportions not kept
};

constexpr int NoContainer = -1; // the window's client area

struct ControlSpec
{
    QString name; // the object name
    ControlKind kind;
    int container; // the row of its frame, or NoContainer
    TwipRect rect;
    QString text;
    FontSpec font;
    unsigned flags;
    Colour colour = 0; // a shape's fill
    QString toolTip = {};
};

} // namespace kirvano
