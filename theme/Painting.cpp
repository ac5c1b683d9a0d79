// The painting operations every control's draw is built from.
#include "framework/VelQControlBaseImpl.h"

#include "theme/PaintCache.h"
#include "theme/ThemeManager.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>

#include <cmath>

namespace VelQtLib {

namespace {

// Records, attributes and descriptions may hold any int. Coordinates are kept within widget
// sizes, so that sums of a few of them, and the far edges Qt computes, stay in int range; the
// parts cut off this way lie far outside any paint device.
int bounded(int v)
{
    return qBound(-QWIDGETSIZE_MAX, v, QWIDGETSIZE_MAX);
}

// Position of an extent inside a box by alignment 0 start, 1 centre, 2 end; 0 otherwise.
int alignedPos(int align, int start, int boxExtent, int extent)
{
    switch (align) {
    case 0:
        return start;
    case 1:
        return start + (boxExtent - extent) / 2;
    case 2:
        return start + boxExtent - extent;
    default:
        return 0;
    }
}

// The part of the painter's logical coordinates that can reach its device: the device, the
// exposed region of a widget being painted and the clip; null when it cannot be told.
QRect reachableArea(QPainter* p)
{
    const QPaintEngine* engine = p->paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->width() <= 0 || device->height() <= 0)
        return QRect();
    QRect area(0, 0, device->width(), device->height());
    if (!engine->systemClip().isEmpty())
        area &= engine->systemClip().boundingRect();
    bool invertible = false;
    const QTransform toLogical = p->deviceTransform().inverted(&invertible);
    if (!invertible)
        return QRect();
    area = toLogical.mapRect(area).adjusted(-1, -1, 1, 1);
    if (p->hasClipping())
        area &= p->clipBoundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    return area;
}

// The pixels of an image's art for a rectangle in logical pixels.
QRect artPixels(const QRect& logical, int scale)
{
    return QRect(logical.topLeft() * scale, logical.size() * scale);
}

// A piece drawn from source, in logical pixels of the image; skipped when either rectangle is
// empty.
void drawPiece(
    QPainter* p, const QRect& target, const QImage& image, const QRect& source, int scale)
{
    if (target.width() > 0 && target.height() > 0 && source.width() > 0 && source.height() > 0)
        p->drawImage(target, image, artPixels(source, scale));
}

// The nine pieces of a nine-slice image as key describes them, at x, y; every piece is skipped
// when either of its rectangles is empty. Slices and sizes are logical pixels; the image's art
// has imageScale pixels to each.
void drawPieces(QPainter* p, const QImage& image, const PaintCache::NineSliceKey& k, int x, int y)
{
    const int s = qMax(1, k.imageScale);
    const int iw = image.width() / s;
    const int ih = image.height() / s;
    const int w = k.width;
    const int h = k.height;
    const int L = k.left;
    const int R = k.right;
    const int T = k.top;
    const int B = k.bottom;

    if (T != 0)
        drawPiece(p, QRect(x + L, y, w - L - R, T), image, QRect(L, 0, iw - L - R, T), s);
    if (B != 0 && k.bottomBand)
        drawPiece(
            p, QRect(x + L, y + h - B, w - L - R, B), image, QRect(L, ih - B, iw - L - R, B), s);
    if (L != 0)
        drawPiece(p, QRect(x, y + T, L, h - T - B), image, QRect(0, T, L, ih - T - B), s);
    if (R != 0 && k.rightBand) {
        const QRect target(x + w - R, y + T, R, h - T - B);
        const QRect source(iw - R, T, R, ih - T - B);
        if (L != 0 && x + L - 1 > x + w - R) {
            // Too narrow for both bands: the right band starts at the left band's last column.
            p->save();
            p->setClipRect(QRect(x + L - 1, y + T, R, h - T - B), Qt::IntersectClip);
            drawPiece(p, target, image, source, s);
            p->restore();
        } else {
            drawPiece(p, target, image, source, s);
        }
    }
    if (L != 0 && T != 0)
        drawPiece(p, QRect(x, y, L, T), image, QRect(0, 0, L, T), s);
    if (R != 0 && T != 0)
        drawPiece(p, QRect(x + w - R, y, R, T), image, QRect(iw - R, 0, R, T), s);
    if (L != 0 && B != 0)
        drawPiece(p, QRect(x, y + h - B, L, B), image, QRect(0, ih - B, L, B), s);
    if (R != 0 && B != 0)
        drawPiece(p, QRect(x + w - R, y + h - B, R, B), image, QRect(iw - R, ih - B, R, B), s);

    const QRect centre(x + L, y + T, w - L - R, h - T - B);
    const QRect source(L, T, iw - L - R, ih - T - B);
    if (centre.width() <= 0 || centre.height() <= 0 || source.width() <= 0 || source.height() <= 0)
        return;
    if (!k.repeatCenter) {
        p->drawImage(centre, image, artPixels(source, s));
        return;
    }
    p->save();
    p->setClipRect(centre, Qt::IntersectClip);
    const int nx = int(std::ceil(float(centre.width()) / float(source.width())));
    const int ny = int(std::ceil(float(centre.height()) / float(source.height())));
    for (int row = 0; row < ny; ++row) {
        for (int col = 0; col < nx; ++col) {
            const QPoint at(centre.x() + col * source.width(), centre.y() + row * source.height());
            p->drawImage(at, image, artPixels(source, s));
        }
    }
    p->restore();
}

// The device pixel ratio of the painter's device; 1 when it cannot be told.
qreal devicePixelRatioOf(QPainter* p)
{
    const QPaintDevice* device = p->device();
    return device ? device->devicePixelRatioF() : 1.0;
}

// A nine-slice image drawn once into an image of its own at a whole device pixel ratio gives the
// same pixels when that image is drawn unscaled: only that ratio as the scale, whole-pixel moves,
// full opacity and plain source-over blending keep that true.
bool canReuse(QPainter* p, int ratio)
{
    const QTransform& t = p->deviceTransform();
    return t.type() <= QTransform::TxScale && t.m11() == ratio && t.m22() == ratio
        && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy()) && p->opacity() == 1.0
        && p->compositionMode() == QPainter::CompositionMode_SourceOver;
}

void drawSides(QPainter* p, const ImageStyle& s, int bs, int x, int y, int w, int h)
{
    if (s.bottomBorder)
        p->drawLine(x, y + h - bs, x + w - bs, y + h - bs);
    if (s.topBorder)
        p->drawLine(x, y, x + w - bs, y);
    if (s.rightBorder)
        p->drawLine(x + w - bs, y, x + w - bs, y + h - bs);
    if (s.leftBorder)
        p->drawLine(x, y, x, y + h - bs);
}

// A text that QPainter::drawText would lay out as one plain line: no line breaks, tabs or length
// variants for it to rewrite first, and no decoration that it draws apart from the glyphs.
bool plainLine(QPainter* p, const QString& text, const QTextOption& option)
{
    const QPaintEngine* engine = p->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || text.isEmpty()
        || option.textDirection() != Qt::LeftToRight)
        return false;
    const QFont& font = p->font();
    if (font.underline() || font.overline() || font.strikeOut())
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n' || u == '\r' || u == '\t' || u == 0x9c)
            return false;
    }
    return true;
}

// QPainter::drawText(box, text, option) of a plain line with its layout kept: the line is placed
// in the box and clipped exactly as drawText does, so the glyphs land on the same pixels without
// the text being shaped again. False when the text is not such a line.
bool drawKeptLine(QPainter* p, const QRectF& box, const QString& text, const QTextOption& option)
{
    if (!plainLine(p, text, option))
        return false;
    const QTextLayout* layout = PaintCache::singleLine(text, p->font(), int(box.width()));
    if (!layout)
        return false;
    const QTextLine line = layout->lineAt(0);
    // drawText places the line by its exact height; QTextLine::height() is rounded up.
    const qreal height = line.ascent() + line.descent();
    const Qt::Alignment align = option.alignment();
    qreal yoff = 0;
    if (align & Qt::AlignBottom)
        yoff = box.height() - height;
    else if (align & Qt::AlignVCenter)
        yoff = (box.height() - height) / 2;
    // The clip is decided by the widest line, the line placed by its advance.
    const qreal width = line.naturalTextWidth();
    qreal boundsX = 0;
    qreal x = 0;
    if (align & Qt::AlignRight) {
        boundsX = box.width() - width;
        x = box.width() - line.horizontalAdvance();
    } else if (align & Qt::AlignHCenter) {
        boundsX = (box.width() - width) / 2;
        x = (box.width() - line.horizontalAdvance()) / 2;
    }
    const QRectF bounds(box.x() + boundsX, box.y() + yoff, width, height);
    const bool clip = !box.contains(bounds);
    if (clip) {
        p->save();
        p->setClipRect(box, Qt::IntersectClip);
    }
    line.draw(p, QPointF(box.x() + x, box.y() + yoff));
    if (clip)
        p->restore();
    return true;
}

void drawTextLine(QPainter* p, const QRectF& box, const QString& text, const QTextOption& option)
{
    if (!drawKeptLine(p, box, text, option))
        p->drawText(box, text, option);
}

} // namespace

QFont fontOf(const TextStyle& style)
{
    QFont font(style.family);
    font.setPixelSize(qMax(1, style.size));
    font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

Qt::Alignment alignmentOf(const TextStyle& style)
{
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    Qt::Alignment flags;
    if (style.hAlign >= 0 && style.hAlign <= 2)
        flags |= horizontal[style.hAlign];
    if (style.vAlign >= 0 && style.vAlign <= 2)
        flags |= vertical[style.vAlign];
    return flags;
}

void VelQControlBaseImpl::drawImageStyle(
    QPainter* p, const ImageStyle& s, int x, int y, int w, int h)
{
    if (!s.valid)
        return;
    if (s.noImage)
        drawStyleFrame(p, s, x, y, w, h);
    else
        drawNineSlice(p, s.nineSlice(), x, y, w, h);
}

void VelQControlBaseImpl::drawImageStyle(QPainter* p, const ImageStyle& s, const QRect& r)
{
    drawImageStyle(p, s, r.x(), r.y(), r.width(), r.height());
}

void VelQControlBaseImpl::drawStyleFrame(
    QPainter* p, const ImageStyle& s, int x, int y, int w, int h)
{
    x = bounded(x);
    y = bounded(y);
    w = bounded(w);
    h = bounded(h);
    const int bs = bounded(s.borderSize);
    const int round = bounded(s.round);
    p->setPen(QPen(QBrush(s.borderColor), qreal(bs), Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    const QRect full(x, y, w, h);
    QLinearGradient gradient(x, 0, x + w, 0);
    if (s.gradient) {
        gradient.setColorAt(0.0, s.color);
        gradient.setColorAt(1.0, s.gradientColor);
    }
    const bool allSides = s.leftBorder && s.topBorder && s.rightBorder && s.bottomBorder;
    const bool drawBorder = s.border && bs != 0;
    if (round != 0) {
        const QRect inner(x + bs, y + bs, w - 2 * bs, h - 2 * bs);
        p->setRenderHint(QPainter::Antialiasing, true);
        QPainterPath path;
        path.addRoundedRect(QRectF(full), round, round, Qt::AbsoluteSize);
        if (s.gradient) {
            p->fillPath(path, gradient);
        } else {
            p->setBrush(QBrush(s.color));
            p->fillPath(path, p->brush());
        }
        if (!drawBorder)
            return;
        if (allSides) {
            // The outline's radii are roundness percentages, not pixels.
            const int roundness = qBound(0, round, 99);
            p->drawRoundedRect(QRectF(inner), roundness, roundness, Qt::RelativeSize);
            return;
        }
        drawSides(p, s, bs, x, y, w, h);
        return;
    }
    QRect inner(x, y, w - bs, h - bs);
    if (s.gradient) {
        p->fillRect(full, gradient);
    } else {
        p->setBrush(QBrush(s.color));
        p->fillRect(full, p->brush());
    }
    if (!drawBorder)
        return;
    if (allSides)
        p->drawRects(&inner, 1);
    else
        drawSides(p, s, bs, x, y, w, h);
}

void VelQControlBaseImpl::drawStyleFrame(QPainter* p, const ImageStyle& s, const QRect& r)
{
    drawStyleFrame(p, s, r.x(), r.y(), r.width(), r.height());
}

void VelQControlBaseImpl::drawNineSlice(QPainter* p, const NineSlice& s, int x, int y, int w, int h)
{
    if (w == 0 || h == 0)
        return;
    x = bounded(x);
    y = bounded(y);
    w = bounded(w);
    h = bounded(h);
    const qreal ratio = devicePixelRatioOf(p);
    const QImage* img = CThemeManager::instance().getImage(s.image, false, ratio);
    if (!img)
        return;
    const int right = bounded(s.sliceRight);
    const int bottom = bounded(s.sliceBottom);
    const int scale = qRound(img->devicePixelRatioF());
    // Art of fewer pixels than the device's is scaled smoothly, as Qt scales icons. The two
    // outer bands are skipped when they would start left of or above the device.
    const bool smooth = p->testRenderHint(QPainter::SmoothPixmapTransform) || ratio > scale;
    const int wholeRatio = ratio == std::floor(ratio) ? int(ratio) : 0;
    const PaintCache::NineSliceKey key {img->cacheKey(), bounded(s.sliceLeft), right,
        bounded(s.sliceTop), bottom, w, h, s.repeatCenter, smooth, y + h - bottom >= 0,
        x + w - right >= 0, wholeRatio, scale};
    if (wholeRatio > 0 && canReuse(p, wholeRatio)) {
        const QImage* drawn = PaintCache::nineSlice(
            key, [&](QPainter* target) { drawPieces(target, *img, key, 0, 0); });
        if (drawn) {
            p->drawImage(QPoint(x, y), *drawn);
            return;
        }
    }
    const bool wasSmooth = p->testRenderHint(QPainter::SmoothPixmapTransform);
    p->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    drawPieces(p, *img, key, x, y);
    p->setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

void VelQControlBaseImpl::drawNineSlice(QPainter* p, const NineSlice& s, const QRect& r)
{
    drawNineSlice(p, s, r.x(), r.y(), r.width(), r.height());
}

void VelQControlBaseImpl::drawAlignedImage(
    QPainter* p, const QString& path, const ImageOffset& o, int x, int y, int w, int h, bool gray)
{
    const qreal ratio = devicePixelRatioOf(p);
    const QImage* image = CThemeManager::instance().getImage(path, gray, ratio);
    if (!image || image->width() == 0 || image->height() == 0)
        return;
    const int scale = qRound(image->devicePixelRatioF());
    const int X = alignedPos(o.hAlign, bounded(x), bounded(w), image->width() / scale);
    const int Y = alignedPos(o.vAlign, bounded(y), bounded(h), image->height() / scale);
    const bool wasSmooth = p->testRenderHint(QPainter::SmoothPixmapTransform);
    p->setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth || ratio > scale);
    p->drawImage(QPoint(X + bounded(o.dx), Y + bounded(o.dy)), PaintCache::premultiplied(*image));
    p->setRenderHint(QPainter::SmoothPixmapTransform, wasSmooth);
}

void VelQControlBaseImpl::drawAlignedImage(
    QPainter* p, const QString& path, const ImageOffset& o, const QRect& r, bool gray)
{
    drawAlignedImage(p, path, o, r.x(), r.y(), r.width(), r.height(), gray);
}

void VelQControlBaseImpl::drawAlignedIcon(
    QPainter* p, const QIcon& icon, const QSize& size, const ImageOffset& o, const QRect& r)
{
    if (icon.isNull())
        return;
    const QPixmap pixmap = icon.pixmap(size.width(), size.height(), QIcon::Normal, QIcon::Off);
    const int X = alignedPos(o.hAlign, bounded(r.x()), bounded(r.width()), bounded(size.width()));
    const int Y = alignedPos(o.vAlign, bounded(r.y()), bounded(r.height()), bounded(size.height()));
    p->drawPixmap(QPoint(X + bounded(o.dx), Y + bounded(o.dy)), pixmap);
}

void VelQControlBaseImpl::drawStyledText(
    QPainter* p, const QString& text, const TextStyle& ts, int x, int y, int w, int h, bool isHor)
{
    x = bounded(x);
    y = bounded(y);
    w = bounded(w);
    h = bounded(h);
    const int offsetX = bounded(ts.offsetX);
    const int offsetY = bounded(ts.offsetY);
    QRect box(x + offsetX, y + offsetY, w - offsetX, h - offsetY);
    p->setBrush(QBrush(ts.color));
    p->setRenderHint(QPainter::TextAntialiasing, true);
    if (ts.vAlign == 2) {
        box.setTop(y + offsetY);
        box.setHeight(h + offsetY);
    }
    const QFont font = PaintCache::font(ts);
    const QTextOption option(alignmentOf(ts));
    if (isHor) {
        p->setPen(ts.color);
        p->setFont(font);
        if (ts.elideMode == Qt::ElideNone)
            drawTextLine(p, QRectF(box), text, option);
        else
            drawTextLine(p, QRectF(box), PaintCache::elidedRight(text, ts, w - 2), option);
        return;
    }
    if (w <= 0 || h <= 0)
        return;
    // Turned a quarter clockwise, image column i lands on row y + i and image row j on column
    // x + w - 1 - j. Only the part that can reach the device is rendered, so that a huge box
    // never needs a huge temporary image.
    QRect part(0, 0, h, w);
    const QRect reachable = reachableArea(p);
    if (reachable.isValid()) {
        const QRect visible = reachable & QRect(x, y, w, h);
        if (visible.isEmpty())
            return;
        part = QRect(QPoint(visible.top() - y, x + w - 1 - visible.right()),
            QPoint(visible.bottom() - y, x + w - 1 - visible.left()));
    }
    QImage turned(part.size(), QImage::Format_ARGB32);
    turned.fill(0);
    {
        QPainter tp(&turned);
        tp.translate(-part.topLeft());
        tp.setPen(ts.color);
        tp.setFont(font);
        drawTextLine(&tp, QRectF(0, 0, h, w), text, option);
    }
    p->save();
    p->rotate(90);
    p->drawImage(QPoint(y + part.left(), -x - w + part.top()), turned);
    p->restore();
}

void VelQControlBaseImpl::drawStyledText(
    QPainter* p, const QString& text, const TextStyle& ts, const QRect& r)
{
    drawStyledText(p, text, ts, r.x(), r.y(), r.width(), r.height(), ts.isHor);
}

void VelQControlBaseImpl::drawStyledText(
    QPainter* p, const QString& text, const TextStyle& ts, const QRect& r, bool isHor)
{
    drawStyledText(p, text, ts, r.x(), r.y(), r.width(), r.height(), isHor);
}

} // namespace VelQtLib
