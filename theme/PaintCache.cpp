#include "theme/PaintCache.h"

#include "framework/VelQControlBaseImpl.h"

#include <QCache>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QTextLayout>

#include <memory>
#include <tuple>

namespace VelQtLib::PaintCache {

bool operator==(const NineSliceKey& a, const NineSliceKey& b)
{
    return std::tie(a.image, a.left, a.right, a.top, a.bottom, a.width, a.height, a.repeatCenter,
               a.smooth, a.bottomBand, a.rightBand, a.devicePixelRatio, a.imageScale)
        == std::tie(b.image, b.left, b.right, b.top, b.bottom, b.width, b.height, b.repeatCenter,
            b.smooth, b.bottomBand, b.rightBand, b.devicePixelRatio, b.imageScale);
}

uint qHash(const NineSliceKey& k, uint seed = 0)
{
    return ::qHash(k.image, seed) ^ uint(k.left) ^ uint(k.right) << 6 ^ uint(k.top) << 12
        ^ uint(k.bottom) << 18 ^ uint(k.width) * 2654435761u ^ uint(k.height) * 40503u
        ^ uint(k.repeatCenter) << 28 ^ uint(k.smooth) << 29 ^ uint(k.bottomBand) << 30
        ^ uint(k.rightBand) << 31 ^ uint(k.devicePixelRatio) << 24 ^ uint(k.imageScale) << 26;
}

namespace {

constexpr int maxFonts = 256;
constexpr int maxElidedTexts = 2048;
// Layouts are counted in characters plus a share for the line itself: a layout of 24 characters
// takes about 1.7 KiB, so a full cache a few MiB. Longer texts are rarely painted again
// unchanged; they are laid out at every paint.
constexpr int maxLayoutCost = 64 * 1024;
constexpr int layoutCostPerLine = 32;
constexpr int maxLayoutText = 256;
// Nine-slice images and premultiplied copies are counted in KiB; one image may take at most a
// quarter of the whole.
constexpr int maxNineSliceKiB = 16 * 1024;
constexpr int maxPremultipliedKiB = 8 * 1024;

struct FontKey {
    QString family;
    int size;
    bool bold;
    bool italic;
    bool underline;
    bool operator==(const FontKey& o) const
    {
        return std::tie(family, size, bold, italic, underline)
            == std::tie(o.family, o.size, o.bold, o.italic, o.underline);
    }
};

uint qHash(const FontKey& k, uint seed = 0)
{
    return ::qHash(k.family, seed) ^ uint(k.size) ^ (uint(k.bold) << 29) ^ (uint(k.italic) << 30)
        ^ (uint(k.underline) << 31);
}

FontKey fontKey(const TextStyle& s)
{
    return {s.family, s.size, s.bold, s.italic, s.underline};
}

// A text shaped in a font at a width. Elided texts key on the text style's font; kept layouts on
// the painter's font, already resolved against its device, as a widget's own font can add
// spacing, kerning or hinting to a text style's font. The device's resolution is not part of
// either, as text styles always give their size in pixels.
template<class Font> struct TextKey {
    QString text;
    Font font;
    int width;
    bool operator==(const TextKey& o) const
    {
        return width == o.width && text == o.text && font == o.font;
    }
};

template<class Font> uint qHash(const TextKey<Font>& k, uint seed = 0)
{
    using ::qHash;
    return qHash(k.text, seed) ^ qHash(k.font, seed) ^ uint(k.width) * 2654435761u;
}

using ElideKey = TextKey<FontKey>;
using LayoutKey = TextKey<QFont>;

// A layout of more than one line is kept as null, so that it is not laid out again.
struct LayoutEntry {
    std::unique_ptr<QTextLayout> layout;
};

struct FontEntry {
    QFont font;
    QFontMetrics metrics;
};

struct Caches {
    QHash<FontKey, FontEntry> fonts;
    QCache<ElideKey, QString> elided {maxElidedTexts};
    QCache<LayoutKey, LayoutEntry> layouts {maxLayoutCost};
    QCache<NineSliceKey, QImage> nineSlices {maxNineSliceKiB};
    // By QImage::cacheKey(), which is new for every image and every change of one.
    QCache<qint64, QImage> premultiplied {maxPremultipliedKiB};
};

Caches& caches()
{
    static Caches instance;
    // Fonts added to or removed from the database can change how a family resolves. Packages
    // load before the application exists, and console programs have no font database at all,
    // so the watch starts with the first GUI application seen.
    static bool watching = false;
    if (!watching) {
        if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            QObject::connect(app, &QGuiApplication::fontDatabaseChanged, app, [] {
                caches().fonts.clear();
                caches().elided.clear();
                caches().layouts.clear();
            });
            watching = true;
        }
    }
    return instance;
}

const FontEntry& fontEntry(const TextStyle& style)
{
    QHash<FontKey, FontEntry>& fonts = caches().fonts;
    const FontKey key = fontKey(style);
    auto it = fonts.find(key);
    if (it != fonts.end())
        return *it;
    if (fonts.size() >= maxFonts)
        fonts.clear();
    const QFont font = fontOf(style);
    return *fonts.insert(key, {font, QFontMetrics(font)});
}

// True when text is certain to fit in width without being laid out: printable Latin-1 only (no
// tabs, no variant separators), every character in the font itself rather than a fallback, and
// no wider than its length in the font's widest character.
bool surelyFits(const QString& text, const QFontMetrics& metrics, int width)
{
    const int widest = metrics.maxWidth();
    if (widest <= 0 || qint64(text.size()) * widest > width)
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u > 0xff || !metrics.inFont(c))
            return false;
    }
    return true;
}

} // namespace

QFont font(const TextStyle& style)
{
    return fontEntry(style).font;
}

QString elidedRight(const QString& text, const TextStyle& style, int width)
{
    QCache<ElideKey, QString>& elided = caches().elided;
    ElideKey key {text, fontKey(style), width};
    if (const QString* known = elided.object(key))
        return *known;
    const FontEntry& entry = fontEntry(style);
    const QString shown = surelyFits(text, entry.metrics, width)
        ? text
        : entry.metrics.elidedText(text, Qt::ElideRight, width);
    elided.insert(std::move(key), new QString(shown));
    return shown;
}

const QTextLayout* singleLine(const QString& text, const QFont& font, int width)
{
    if (text.size() > maxLayoutText)
        return nullptr;
    QCache<LayoutKey, LayoutEntry>& layouts = caches().layouts;
    LayoutKey key {text, font, width};
    if (const LayoutEntry* known = layouts.object(key))
        return known->layout.get();
    // The options QPainter::drawText lays out with: words wrapped, alignment applied afterwards.
    QTextOption option(Qt::AlignLeft);
    option.setTextDirection(Qt::LeftToRight);
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(qMax(0, width));
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !layout->createLine().isValid();
    layout->endLayout();
    auto* entry = new LayoutEntry {oneLine ? std::move(layout) : nullptr};
    layouts.insert(std::move(key), entry, int(text.size()) + layoutCostPerLine);
    return entry->layout.get();
}

const QImage& premultiplied(const QImage& image)
{
    if (image.format() != QImage::Format_ARGB32)
        return image;
    QCache<qint64, QImage>& copies = caches().premultiplied;
    if (const QImage* known = copies.object(image.cacheKey()))
        return *known;
    const int kib = int((image.sizeInBytes() + 1023) / 1024);
    if (kib > maxPremultipliedKiB / 4)
        return image;
    auto* copy = new QImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    copies.insert(image.cacheKey(), copy, kib);
    return *copy;
}

const QImage* nineSlice(const NineSliceKey& key, const std::function<void(QPainter*)>& paint)
{
    QCache<NineSliceKey, QImage>& images = caches().nineSlices;
    if (QImage* known = images.object(key))
        return known;
    const int ratio = qMax(1, key.devicePixelRatio);
    const qint64 kib = (qint64(key.width) * key.height * ratio * ratio * 4 + 1023) / 1024;
    if (key.width <= 0 || key.height <= 0 || kib > maxNineSliceKiB / 4)
        return nullptr;
    auto* image
        = new QImage(key.width * ratio, key.height * ratio, QImage::Format_ARGB32_Premultiplied);
    if (image->isNull()) {
        delete image;
        return nullptr;
    }
    image->setDevicePixelRatio(ratio);
    image->fill(Qt::transparent);
    {
        QPainter painter(image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, key.smooth);
        paint(&painter);
    }
    images.insert(key, image, int(kib));
    return image;
}

void clear()
{
    Caches& c = caches();
    c.fonts.clear();
    c.elided.clear();
    c.layouts.clear();
    c.nineSlices.clear();
    c.premultiplied.clear();
}

} // namespace VelQtLib::PaintCache
