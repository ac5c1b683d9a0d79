#include "theme/ThemeManager.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

namespace VelQtLib {

namespace {

// Images whose decoded size would exceed this are refused before decoding.
constexpr qint64 maxDecodedBytes = 256ll << 20;

QImage readImage(QImageReader& reader)
{
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() * 4 > maxDecodedBytes)
        return QImage();
    return reader.read();
}

QImage decodeBytes(const uchar* data, quint32 size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readImage(reader);
}

QImage decodeFile(const QString& fileName)
{
    // Paths come from packages: a device or a pipe behind one could block or never end.
    if (!QFileInfo(fileName).isFile())
        return QImage();
    QImageReader reader(fileName);
    return readImage(reader);
}

// The disabled look that the application style gives the image.
QImage disabledLook(const QImage& image)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QImage();
    const QIcon icon(QPixmap::fromImage(image));
    return icon.pixmap(image.size(), QIcon::Disabled, QIcon::Off).toImage();
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
    if (entry)
        image = decodeBytes(entry->bytes.get(), entry->size);
    if (image.isNull()) {
        const QString underImages = QStringLiteral("images/") + path;
        if (QFile::exists(path))
            image = decodeFile(path);
        else if (QFile::exists(underImages))
            image = decodeFile(underImages);
    }
    return image.isNull() ? nullptr : new QImage(std::move(image));
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
