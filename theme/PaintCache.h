#pragma once

#include "theme/StyleTypes.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;
class QTextLayout;

// What the painters keep between paints: fonts, shortened texts, laid-out texts, premultiplied
// copies of images and nine-slice images drawn at a size. Every key holds all that decides the
// result, so nothing stale is ever returned; the caches are bounded and emptied when a package is
// loaded.
namespace VelQtLib::PaintCache {

// The font of a text style.
QFont font(const TextStyle& style);
// text shortened at its right end to fit width in the style's font.
QString elidedRight(const QString& text, const TextStyle& style, int width);

// text laid out in font, with words wrapped at width, as QPainter::drawText lays out a text in a
// box of that width; null when it takes more than one line or is too long to keep.
const QTextLayout* singleLine(const QString& text, const QFont& font, int width);

// image in premultiplied ARGB, which the raster engine blends without converting every row to
// it first; image itself when it is in another format or too large to copy.
const QImage& premultiplied(const QImage& image);

// What decides the pixels of a nine-slice image drawn at a size.
struct NineSliceKey {
    qint64 image = 0; // QImage::cacheKey(): new for every decoded or changed image
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    int width = 0;
    int height = 0;
    bool repeatCenter = false;
    bool smooth = false;
    bool bottomBand = true;
    bool rightBand = true;
    // The device pixel ratio drawn for, and the ratio of the image's own art (1, 2 or 3): the
    // pieces are cut from the image at its scale and drawn at the device's.
    int devicePixelRatio = 1;
    int imageScale = 1;
};

// The nine-slice image of key drawn once by paint into a transparent image of its size at its
// device pixel ratio; null when it is too large to keep.
const QImage* nineSlice(const NineSliceKey& key, const std::function<void(QPainter*)>& paint);

// Drops everything kept.
void clear();

} // namespace VelQtLib::PaintCache
