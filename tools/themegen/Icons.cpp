// The gallery's six program icons, 24 × 24 with alpha: flat glyphs in their own colours, so
// that they read on white faces, on the accent tint of checked tiles and grayed when disabled.
#include "Art.h"

#include <QPainter>
#include <QtMath>

namespace Art {

namespace {

QPainterPath star(const QPointF& c, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 ? inner : outer;
        const qreal a = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point(c.x() + r * qCos(a), c.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void starIcon(QPainter& p)
{
    p.setPen(QPen(QColor(0xd9, 0x77, 0x06), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf5, 0x9e, 0x0b));
    p.drawPath(star(QPointF(12, 12.8), 10.2, 4.4));
}

void folderIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x25, 0x63, 0xeb));
    p.drawPath(cornerPath(QRectF(2, 4, 9, 5), 2, 2, 0, 0));
    p.drawRoundedRect(QRectF(2, 6, 20, 14), 2.5, 2.5);
    p.setBrush(QColor(0x60, 0xa5, 0xfa));
    p.drawRoundedRect(QRectF(2, 9, 20, 11), 2.5, 2.5);
}

void gearIcon(QPainter& p)
{
    const QPointF c(12, 12);
    QPainterPath gear;
    gear.addEllipse(c, 7, 7);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2, -10.5, 4, 6), 1, 1);
        gear = gear.united(QTransform().translate(c.x(), c.y()).rotate(i * 45).map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(c, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x0d, 0x94, 0x88));
    p.drawPath(gear.subtracted(hole));
}

void plusIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7c, 0x3a, 0xed));
    p.drawRoundedRect(QRectF(2, 2, 20, 20), 5, 5);
    p.setPen(strokePen(Qt::white, 2.4));
    p.drawLine(QPointF(12, 7), QPointF(12, 17));
    p.drawLine(QPointF(7, 12), QPointF(17, 12));
}

// A play triangle centred on its box; the round button nudges it right to centre it optically.
void playIcon(QPainter& p)
{
    QPainterPath triangle;
    triangle.moveTo(6, 3);
    triangle.lineTo(20, 12);
    triangle.lineTo(6, 21);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x16, 0xa3, 0x4a), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x22, 0xc5, 0x5e));
    p.drawPath(triangle);
}

void heartIcon(QPainter& p)
{
    QPainterPath heart;
    heart.moveTo(12, 20.5);
    heart.cubicTo(4, 15, 1.5, 11, 3, 7);
    heart.cubicTo(4.5, 3.5, 9.5, 3, 12, 7);
    heart.cubicTo(14.5, 3, 19.5, 3.5, 21, 7);
    heart.cubicTo(22.5, 11, 20, 15, 12, 20.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe1, 0x1d, 0x48));
    p.drawPath(heart);
}

} // namespace

void drawIcons(const QString& root)
{
    void (*const icons[])(QPainter&)
        = {starIcon, folderIcon, gearIcon, plusIcon, playIcon, heartIcon};
    for (int i = 0; i < 6; ++i) {
        QImage image = canvas(24, 24);
        QPainter p;
        begin(p, image);
        icons[i](p);
        p.end();
        save(image, root, QStringLiteral("icon%1.png").arg(i + 1));
    }
}

} // namespace Art
