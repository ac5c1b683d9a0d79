#include "theme/ThemeManager.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QtEndian>

#include <cstring>

namespace VelQtLib {

namespace {

// Images whose decoded size would exceed this are refused before decoding.
constexpr qint64 maxDecodedBytes = 256ll << 20;

// Headers hold any 32-bit numbers; divided rather than multiplied, so nothing overflows.
bool tooLarge(qint64 width, qint64 height)
{
    const qint64 w = qAbs(width);
    const qint64 h = qAbs(height);
    return w != 0 && h > maxDecodedBytes / 4 / w;
}

// An icon's directory states each image's size, and the reader reports that; the PNG or
// bitmap stored inside may claim a far larger one, which is what the decoder allocates. The
// reader also allocates each entry's stated byte count before reading it, so an entry must
// end within the file.
bool iconHidesLargeImage(const QByteArray& bytes)
{
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    const qint64 size = bytes.size();
    if (size < 6)
        return false;
    const int count = qFromLittleEndian<quint16>(d + 4);
    for (int i = 0; i < count && 6 + 16 * qint64(i + 1) <= size; ++i) {
        const uchar* entry = d + 6 + 16 * i;
        const qint64 length = qFromLittleEndian<quint32>(entry + 8);
        const qint64 at = qFromLittleEndian<quint32>(entry + 12);
        if (at + length > size)
            return true;
        if (at + 24 > size)
            continue;
        const uchar* image = d + at;
        if (std::memcmp(image, "\x89PNG", 4) == 0) {
            if (tooLarge(qFromBigEndian<quint32>(image + 16), qFromBigEndian<quint32>(image + 20)))
                return true;
        } else if (tooLarge(qFromLittleEndian<qint32>(image + 4),
                       qFromLittleEndian<qint32>(image + 8) / 2)) {
            return true;
        }
    }
    return false;
}

// A GIF's decoder allocates the logical screen its header states, which the reader does not
// report when the file holds no image of that size.
bool gifScreenTooLarge(const QByteArray& bytes)
{
    const auto* d = reinterpret_cast<const uchar*>(bytes.constData());
    return bytes.size() >= 10
        && tooLarge(qFromLittleEndian<quint16>(d + 6), qFromLittleEndian<quint16>(d + 8));
}

QImage decodeBytes(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Asked first: once the handler has read the header it no longer recognises the format.
    const QByteArray format = reader.format();
    const QSize size = reader.size();
    if (size.isValid() && tooLarge(size.width(), size.height()))
        return QImage();
    if ((format == "ico" || format == "cur") && iconHidesLargeImage(bytes))
        return QImage();
    if (format == "gif" && gifScreenTooLarge(bytes))
        return QImage();
    return reader.read();
}

QImage decodeFile(const QString& fileName)
{
    // Paths come from packages: a device or a pipe behind one could block or never end.
    const QFileInfo info(fileName);
    if (!info.isFile() || info.size() > qint64(CThemePackage::maxEntrySize))
        return QImage();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return decodeBytes(file.readAll());
}

// The disabled look that the application style gives the image, pixel for pixel.
QImage disabledLook(QImage image)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QImage();
    image.setDevicePixelRatio(1);
    const QIcon icon(QPixmap::fromImage(image));
    QImage look = icon.pixmap(image.size(), QIcon::Disabled, QIcon::Off).toImage();
    look.setDevicePixelRatio(1);
    return look;
}

// "x@2x.png" for "x.png" and scale 2: the suffix goes before the file name's extension.
QString scaledArtPath(const QString& path, int scale)
{
    const int name = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= name)
        dot = path.size();
    return path.left(dot) + QStringLiteral("@%1x").arg(scale) + path.mid(dot);
}

QImage builtInImage(void (*draw)(QPainter&))
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(0);
    QPainter painter(&image);
    const QColor color(0xcc, 0xcc, 0xcc);
    painter.setPen(QPen(color, 1));
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    return image;
}

void drawRing(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawEllipse(QRect(1, 1, 14, 14));
}

void drawBox(QPainter& p)
{
    p.drawRect(QRect(1, 1, 14, 14));
}

} // namespace

void CThemeManager::createBuiltInImages()
{
    struct BuiltIn {
        const char* key;
        void (*draw)(QPainter&);
    };
    static const BuiltIn builtIns[] = {
        {"IDB_UNSELECT", drawRing},
        {"IDB_SELECTED",
            [](QPainter& p) {
                drawRing(p);
                p.setBrush(p.pen().color());
                p.drawEllipse(QPointF(8.0, 8.0), 4.0, 4.0);
            }},
        {"IDB_UNCHECK", drawBox},
        {"IDB_CHECKED",
            [](QPainter& p) {
                drawBox(p);
                p.setRenderHint(QPainter::Antialiasing, true);
                const QPoint tick[] = {{4, 9}, {8, 13}, {14, 3}};
                p.drawPolyline(tick, 3);
            }},
    };
    for (const BuiltIn& b : builtIns) {
        const QString key = QString::fromLatin1(b.key);
        if (!m_appPackage->imageCache.contains(key))
            m_appPackage->imageCache.insert(key, new QImage(builtInImage(b.draw)));
    }
}

QImage* CThemeManager::decodeImage(const QString& path, bool& fromTheme) const
{
    const QByteArray name = packageEntryName(path);
    const PackageEntry* entry = m_appPackage->findByName(name.constData());
    fromTheme = false;
    if (!entry && m_themePackage) {
        entry = m_themePackage->findByName(name.constData());
        fromTheme = entry != nullptr;
    }
    QImage image;
    if (entry) {
        image = decodeBytes(QByteArray::fromRawData(
            reinterpret_cast<const char*>(entry->bytes.get()), int(entry->size)));
    }
    if (image.isNull()) {
        const QString underImages = QStringLiteral("images/") + path;
        if (QFile::exists(path))
            image = decodeFile(path);
        else if (QFile::exists(underImages))
            image = decodeFile(underImages);
    }
    return image.isNull() ? nullptr : new QImage(std::move(image));
}

QImage* CThemeManager::getImage(const QString& path, bool gray, qreal devicePixelRatio)
{
    for (int scale = devicePixelRatio >= 2.5 ? 3
             : devicePixelRatio >= 1.5       ? 2
                                             : 1;
         scale > 1; --scale) {
        const QString art = scaledArtPath(path, scale);
        if (m_missingArt.contains(art))
            continue;
        if (QImage* image = getImage(art, gray)) {
            image->setDevicePixelRatio(scale);
            return image;
        }
        m_missingArt.insert(art);
    }
    return getImage(path, gray);
}

QImage* CThemeManager::getImage(const QString& path, bool gray)
{
    const QString key = gray ? path + QStringLiteral("_gray") : path;
    if (QImage* cached = m_appPackage->imageCache.value(key))
        return cached;
    if (m_themePackage) {
        if (QImage* cached = m_themePackage->imageCache.value(key))
            return cached;
    }
    if (gray) {
        // Derived from the colour image, so built-in and cached images gray too.
        const QImage* colour = getImage(path, false);
        if (!colour)
            return nullptr;
        const QImage look = disabledLook(*colour);
        if (look.isNull())
            return nullptr;
        CThemePackage* owner
            = m_appPackage->imageCache.contains(path) ? m_appPackage.get() : m_themePackage.get();
        QImage* image = new QImage(look);
        owner->imageCache.insert(key, image);
        return image;
    }
    bool fromTheme = false;
    QImage* image = decodeImage(path, fromTheme);
    if (!image)
        return nullptr;
    CThemePackage* owner = fromTheme ? m_themePackage.get() : m_appPackage.get();
    owner->imageCache.insert(key, image);
    return image;
}

} // namespace VelQtLib
