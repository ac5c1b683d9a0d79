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

namespace Palette {
const QColor accent(0xe8, 0x3a, 0x1d);
const QColor accentHover(0xf0, 0x57, 0x3c);
const QColor accentPressed(0xc4, 0x2f, 0x15);
const QColor surface(0xff, 0xff, 0xff);
const QColor surface2(0xf6, 0xf6, 0xf8);
const QColor navigation(0xf0, 0xf0, 0xf3);
const QColor border(0xdc, 0xdc, 0xe1);
const QColor borderStrong(0xbd, 0xbd, 0xc6);
const QColor text(0x1f, 0x1f, 0x24);
const QColor text2(0x6b, 0x6b, 0x76);
const QColor textDisabled(0xa9, 0xa9, 0xb3);
const QColor disabledFill(0xf2, 0xf2, 0xf4);
const QColor disabledBorder(0xe6, 0xe6, 0xea);
const QColor selection(0xfd, 0xe7, 0xe2);
// A pressed neutral face: one step darker than the hover fill.
const QColor pressedFill(0xe6, 0xe6, 0xeb);
// Glyphs that sit on neutral faces without competing with text.
const QColor glyph(0x8a, 0x8a, 0x95);
} // namespace Palette

// The radius of control corners and of the window frame.
constexpr qreal controlRadius = 4;
constexpr qreal windowRadius = 6;

// A transparent ARGB image.
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

// Writes image as PNG under root/path, creating folders; aborts the program on failure.
void save(const QImage& image, const QString& root, const QString& path);

// The three image sets of the gallery.
void drawThemeImages(const QString& root);
void drawAppImages(const QString& root);
void drawIcons(const QString& root);

} // namespace Art
