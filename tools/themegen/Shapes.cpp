#include "Art.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTransform>

#include <cstdio>
#include <cstdlib>

namespace Art {

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
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
    const QString file = QDir(root).filePath(path);
    if (!QDir().mkpath(QFileInfo(file).absolutePath())
        || !image.convertToFormat(QImage::Format_ARGB32).save(file, "PNG")) {
        std::fprintf(stderr, "themegen: cannot write %s\n", qPrintable(file));
        std::exit(1);
    }
}

} // namespace Art
