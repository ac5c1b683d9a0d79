#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QString>

class QPainter;

// The gallery's palette and the shapes its images are drawn from.
namespace Art {

// The colours of one variant of the gallery's theme: the design's roles, then the steps between
// them that the art needs.
struct Palette {
    QColor accent;
    QColor accentHover;
    QColor accentPressed;
    QColor surface;
    QColor surface2;
    QColor navigation;
    QColor border;
    QColor borderStrong;
    QColor text;
    QColor text2;
    QColor textDisabled;
    QColor disabledFill;
    QColor disabledBorder;
    QColor selection;
    // Glyphs and marks drawn on the accent.
    QColor onAccent;
    // A pressed neutral face: one step past the hover fill.
    QColor pressedFill;
    // Glyphs that sit on neutral faces without competing with text.
    QColor glyph;
    // A checked tile pressed, and the marks and centres of disabled checked controls.
    QColor selectionPressed;
    QColor markDisabled;
    // Flat tiles without outline under the mouse and pressed: menu bar entries, navigation
    // items and caption buttons.
    QColor flatHover;
    QColor flatPressed;
    QColor navHover;
    QColor navPressed;
    QColor captionHover;
    QColor captionPressed;
    // Scroll-bar thumbs by state.
    QColor thumb;
    QColor thumbHover;
};

// The light variant, and the dark one: the same roles on dark surfaces.
extern const Palette light;
extern const Palette dark;

// The palette the drawing functions use; light until useDark.
const Palette& palette();
void useDark(bool dark);

// The radius of control corners and of the window frame.
constexpr qreal controlRadius = 4;
constexpr qreal windowRadius = 6;

// Draws the art at 1 or 2 device pixels to each logical one; 1 until set. At 2 the same shapes
// get twice the pixels (a 1-pixel outline two device pixels), saved as "name@2x.png".
void useScale(int scale);

// A transparent ARGB image of w × h logical pixels at the scale in use.
QImage canvas(int w, int h);
// A painter with antialiasing on.
void begin(QPainter& painter, QImage& image);

// A rounded box over the whole rectangle with a crisp 1-px border inside its edge; an invalid
// border colour draws none.
void box(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border);
// A box image of w × h: the usual nine-slice face whose corners are radius + 1 wide.
QImage face(int w, int h, qreal radius, const QColor& fill, const QColor& border);
// A size × size circle: fill inside a 1-px border.
QImage disc(int size, const QColor& fill, const QColor& border);
// A rounded rectangle path with its own radius per corner (top-left, top-right, bottom-right,
// bottom-left).
QPainterPath cornerPath(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl);

// A stroke of width w with round ends and joins.
QPen strokePen(const QColor& color, qreal w);
// A chevron pointing down, centred in r.
void chevronDown(QPainter& p, const QRectF& r, const QColor& color, qreal width = 1.5);
// A small filled triangle pointing towards angle (0 up, 90 right, 180 down, 270 left).
void triangle(QPainter& p, const QPointF& centre, qreal size, int angle, const QColor& color);

// Writes image as PNG under root/path, with "@2x" before the extension at scale 2, creating
// folders; aborts the program on failure.
void save(const QImage& image, const QString& root, const QString& path);

// The image sets of the gallery: a theme package's controls and the window around them, in the
// palette in use, and the program's icons.
void drawThemeImages(const QString& root);
void drawWindowImages(const QString& root);
void drawIcons(const QString& root);

} // namespace Art
