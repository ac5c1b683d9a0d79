#include "Art.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTransform>

#include <cstdio>
#include <cstdlib>

namespace Art {

const Palette light {QColor(0xe8, 0x3a, 0x1d), QColor(0xf0, 0x57, 0x3c), QColor(0xc4, 0x2f, 0x15),
    QColor(0xff, 0xff, 0xff), QColor(0xf6, 0xf6, 0xf8), QColor(0xf0, 0xf0, 0xf3),
    QColor(0xdc, 0xdc, 0xe1), QColor(0xbd, 0xbd, 0xc6), QColor(0x1f, 0x1f, 0x24),
    QColor(0x6b, 0x6b, 0x76), QColor(0xa9, 0xa9, 0xb3), QColor(0xf2, 0xf2, 0xf4),
    QColor(0xe6, 0xe6, 0xea), QColor(0xfd, 0xe7, 0xe2), QColor(0xff, 0xff, 0xff),
    QColor(0xe6, 0xe6, 0xeb), QColor(0x8a, 0x8a, 0x95), QColor(0xfb, 0xd5, 0xcc),
    QColor(0xd0, 0xd0, 0xd6), QColor(0xea, 0xea, 0xee), QColor(0xdf, 0xdf, 0xe5),
    QColor(0xe6, 0xe6, 0xeb), QColor(0xdc, 0xdc, 0xe2), QColor(0xed, 0xed, 0xf1),
    QColor(0xe2, 0xe2, 0xe7), QColor(0xc9, 0xc9, 0xd0), QColor(0xa9, 0xa9, 0xb3)};

// The accent stays; where it sits on dark fills its hover is lifted a step.
const Palette dark {QColor(0xe8, 0x3a, 0x1d), QColor(0xff, 0x5a, 0x3d), QColor(0xc4, 0x2f, 0x15),
    QColor(0x1c, 0x1c, 0x21), QColor(0x24, 0x24, 0x2b), QColor(0x20, 0x20, 0x26),
    QColor(0x3a, 0x3a, 0x44), QColor(0x55, 0x55, 0x5f), QColor(0xed, 0xed, 0xf2),
    QColor(0xa4, 0xa4, 0xb0), QColor(0x62, 0x62, 0x6c), QColor(0x26, 0x26, 0x2c),
    QColor(0x30, 0x30, 0x38), QColor(0x4a, 0x21, 0x19), QColor(0xff, 0xff, 0xff),
    QColor(0x2e, 0x2e, 0x36), QColor(0x8c, 0x8c, 0x98), QColor(0x5a, 0x28, 0x1e),
    QColor(0x3a, 0x3a, 0x44), QColor(0x2a, 0x2a, 0x32), QColor(0x33, 0x33, 0x3c),
    QColor(0x2a, 0x2a, 0x31), QColor(0x32, 0x32, 0x3a), QColor(0x2a, 0x2a, 0x31),
    QColor(0x34, 0x34, 0x3c), QColor(0x45, 0x45, 0x4f), QColor(0x5a, 0x5a, 0x66)};

namespace {
const Palette* current = &light;
int currentScale = 1;
} // namespace

void useScale(int scale)
{
    currentScale = scale;
}

const Palette& palette()
{
    return *current;
}

void useDark(bool dark)
{
    current = dark ? &Art::dark : &light;
}

QImage canvas(int w, int h)
{
    QImage image(w * currentScale, h * currentScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(currentScale);
    image.fill(Qt::transparent);
    return image;
}

void begin(QPainter& painter, QImage& image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
}

void box(QPainter& p, const QRectF& r, qreal radius, const QColor& fill, const QColor& border)
{
    // Half-pixel inset: the 1-px stroke then covers exactly the outermost pixel row.
    const QRectF edge = r.adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal inner = qMax<qreal>(0, radius - 0.5);
    p.setPen(border.isValid() ? QPen(border, 1) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    if (!border.isValid()) {
        p.drawRoundedRect(r, radius, radius);
        return;
    }
    p.drawRoundedRect(edge, inner, inner);
}

QImage face(int w, int h, qreal radius, const QColor& fill, const QColor& border)
{
    QImage image = canvas(w, h);
    QPainter p;
    begin(p, image);
    box(p, QRectF(0, 0, w, h), radius, fill, border);
    return image;
}

QImage disc(int size, const QColor& fill, const QColor& border)
{
    QImage image = canvas(size, size);
    QPainter p;
    begin(p, image);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    return image;
}

QPainterPath cornerPath(const QRectF& r, qreal tl, qreal tr, qreal br, qreal bl)
{
    QPainterPath path;
    path.moveTo(r.left() + tl, r.top());
    path.lineTo(r.right() - tr, r.top());
    path.arcTo(QRectF(r.right() - 2 * tr, r.top(), 2 * tr, 2 * tr), 90, -90);
    path.lineTo(r.right(), r.bottom() - br);
    path.arcTo(QRectF(r.right() - 2 * br, r.bottom() - 2 * br, 2 * br, 2 * br), 0, -90);
    path.lineTo(r.left() + bl, r.bottom());
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * bl, 2 * bl, 2 * bl), 270, -90);
    path.lineTo(r.left(), r.top() + tl);
    path.arcTo(QRectF(r.left(), r.top(), 2 * tl, 2 * tl), 180, -90);
    path.closeSubpath();
    return path;
}

QPen strokePen(const QColor& color, qreal w)
{
    return QPen(color, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void chevronDown(QPainter& p, const QRectF& r, const QColor& color, qreal width)
{
    const QPointF c = r.center();
    const qreal half = r.width() / 2;
    const QPointF points[] = {{c.x() - half, c.y() - half / 2}, {c.x(), c.y() + half / 2},
        {c.x() + half, c.y() - half / 2}};
    p.setPen(strokePen(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points, 3);
}

void triangle(QPainter& p, const QPointF& centre, qreal size, int angle, const QColor& color)
{
    QPainterPath path;
    path.moveTo(0, -size / 2);
    path.lineTo(size / 2, size / 4);
    path.lineTo(-size / 2, size / 4);
    path.closeSubpath();
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(turn.map(path));
}

void save(const QImage& image, const QString& root, const QString& path)
{
    QString name = path;
    if (currentScale > 1)
        name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(currentScale));
    const QString file = QDir(root).filePath(name);
    if (!QDir().mkpath(QFileInfo(file).absolutePath())
        || !image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
        std::fprintf(stderr, "themegen: cannot write %s\n", qPrintable(file));
        std::exit(1);
    }
}

} // namespace Art
