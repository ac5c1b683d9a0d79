// The window's images, which the theme packages hold so that the window follows the theme: the
// frame, the caption band, its buttons, and the navigation column with its glyphs. Each comment
// names the nine-slice widths its record uses.
#include "Art.h"

#include <QPainter>

#include <functional>

namespace Art {

namespace {

// The window: a 16 × 16 rounded frame, slices 7 on every side.
void drawFrame(const QString& root)
{
    save(face(16, 16, windowRadius, palette().surface, palette().borderStrong), root,
        QStringLiteral("images/window/frame.png"));
}

// The caption band, 46 × 40, laid out at exactly 40 pixels high: the logo lives in the left
// slice (44), the separator in the bottom row; slices left 44, right 1, none at top and bottom.
void drawCaption(const QString& root)
{
    QImage image = canvas(46, 40);
    QPainter p;
    begin(p, image);
    const QRectF logo(14, 8, 22, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().accent);
    p.drawRoundedRect(logo, 6, 6);
    p.setPen(strokePen(palette().onAccent, 2.4));
    const QPointF v[] = {{logo.x() + 6.5, logo.y() + 7}, {logo.x() + 11, logo.y() + 15.5},
        {logo.x() + 15.5, logo.y() + 7}};
    p.drawPolyline(v, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 39, 46, 1), palette().border);
    p.end();
    save(image, root, QStringLiteral("images/window/caption.png"));
}

// The navigation column: 16 × 16 with its right separator and the window's inner radius at
// the bottom-left corner; slices top 0, right 1, bottom 6, left 6.
void drawNavigation(const QString& root)
{
    QImage image = canvas(16, 16);
    QPainter p;
    begin(p, image);
    p.fillPath(cornerPath(QRectF(0, 0, 16, 16), 0, 0, 0, windowRadius - 1), palette().navigation);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(15, 0, 1, 16), palette().border);
    p.end();
    save(image, root, QStringLiteral("images/window/navigation.png"));
}

// Navigation items: flat 12 × 12 hover tiles (slices 5) and the selected tile, 15 × 36 for a
// 36-pixel-high item, whose accent marker sits in the left slice; slices top 10, right 5,
// bottom 10, left 8.
void drawNavigationTiles(const QString& root)
{
    save(face(12, 12, controlRadius, palette().navHover, QColor()), root,
        QStringLiteral("images/nav/tile_hover.png"));
    save(face(12, 12, controlRadius, palette().navPressed, QColor()), root,
        QStringLiteral("images/nav/tile_pressed.png"));
    QImage selected = face(15, 36, controlRadius, palette().surface, palette().border);
    QPainter p;
    begin(p, selected);
    p.setPen(Qt::NoPen);
    p.setBrush(palette().accent);
    p.drawRoundedRect(QRectF(3, 10, 3, 16), 1.5, 1.5);
    p.end();
    save(selected, root, QStringLiteral("images/nav/tile_selected.png"));
}

// Caption buttons: 12 × 12 tiles (slices 5) and 16 × 16 glyphs; close turns accent with a
// white glyph under the mouse.
void drawCaptionButtons(const QString& root)
{
    save(face(12, 12, controlRadius, palette().captionHover, QColor()), root,
        QStringLiteral("images/caption/tile_hover.png"));
    save(face(12, 12, controlRadius, palette().captionPressed, QColor()), root,
        QStringLiteral("images/caption/tile_pressed.png"));
    save(face(12, 12, controlRadius, palette().accent, QColor()), root,
        QStringLiteral("images/caption/close_hover.png"));
    save(face(12, 12, controlRadius, palette().accentPressed, QColor()), root,
        QStringLiteral("images/caption/close_pressed.png"));

    using Glyph = std::function<void(QPainter&)>;
    const auto drawGlyph = [&](const QString& name, const QColor& color, const Glyph& draw) {
        QImage image = canvas(16, 16);
        QPainter p;
        begin(p, image);
        p.setPen(strokePen(color, 1.3));
        p.setBrush(Qt::NoBrush);
        draw(p);
        p.end();
        save(image, root, QStringLiteral("images/caption/%1.png").arg(name));
    };
    const Glyph close = [](QPainter& p) {
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    };
    // The theme switch shows where it leads: a moon on the light theme, a sun on the dark one.
    const Glyph moon = [](QPainter& p) {
        QPainterPath crescent;
        crescent.addEllipse(QPointF(8, 8), 5.5, 5.5);
        QPainterPath bite;
        bite.addEllipse(QPointF(11, 5.5), 4.6, 4.6);
        p.drawPath(crescent.subtracted(bite));
    };
    const Glyph sun = [](QPainter& p) {
        p.drawEllipse(QPointF(8, 8), 2.8, 2.8);
        for (int i = 0; i < 8; ++i) {
            const QLineF ray = QLineF::fromPolar(5.2, i * 45).translated(8, 8);
            p.drawLine(QLineF::fromPolar(7, i * 45).translated(8, 8).p2(), ray.p2());
        }
    };
    const Glyph minimise = [](QPainter& p) {
        p.drawLine(QPointF(3.5, 8.5), QPointF(12.5, 8.5));
    };
    const Glyph help = [](QPainter& p) {
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        QPainterPath hook;
        hook.moveTo(6, 6.4);
        hook.arcTo(QRectF(6, 4.2, 4, 4), 180, -250);
        hook.lineTo(8, 9.4);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(palette().text);
        p.drawEllipse(QPointF(8, 11.6), 0.95, 0.95);
    };
    drawGlyph(QStringLiteral("close"), palette().text, close);
    drawGlyph(QStringLiteral("close_hot"), palette().onAccent, close);
    drawGlyph(QStringLiteral("min"), palette().text, minimise);
    drawGlyph(QStringLiteral("help"), palette().text, help);
    drawGlyph(QStringLiteral("theme"), palette().text, &palette() == &dark ? sun : moon);
}

// A glyph drawn with the painter's pen; filled parts use color.
using NavGlyph = void (*)(QPainter&, const QColor& color);

void buttonGlyph(QPainter& p, const QColor&)
{
    p.drawRoundedRect(QRectF(2.75, 5.75, 14.5, 8.5), 3, 3);
    p.drawLine(QPointF(7, 10), QPointF(13, 10));
}

void checkGlyph(QPainter& p, const QColor&)
{
    p.drawRoundedRect(QRectF(3.75, 3.75, 12.5, 12.5), 3, 3);
    const QPointF tick[] = {{6.6, 10.2}, {9, 12.6}, {13.4, 7.6}};
    p.drawPolyline(tick, 3);
}

void radioGlyph(QPainter& p, const QColor& color)
{
    p.drawEllipse(QPointF(10, 10), 6.25, 6.25);
    p.setBrush(color);
    p.drawEllipse(QPointF(10, 10), 2.2, 2.2);
}

void comboGlyph(QPainter& p, const QColor&)
{
    // A closed box with its arrow above the list it opens.
    p.drawRoundedRect(QRectF(2.75, 2.75, 14.5, 6), 2, 2);
    const QPointF chevron[] = {{12, 5}, {13.5, 6.5}, {15, 5}};
    p.drawPolyline(chevron, 3);
    p.drawLine(QPointF(4.5, 12.5), QPointF(15.5, 12.5));
    p.drawLine(QPointF(4.5, 16), QPointF(12, 16));
}

void editGlyph(QPainter& p, const QColor&)
{
    QPainterPath pencil;
    pencil.moveTo(4, 16);
    pencil.lineTo(4.8, 12.6);
    pencil.lineTo(12.8, 4.6);
    pencil.lineTo(15.4, 7.2);
    pencil.lineTo(7.4, 15.2);
    pencil.closeSubpath();
    p.drawPath(pencil);
    p.drawLine(QPointF(11.2, 6.2), QPointF(13.8, 8.8));
}

void progressGlyph(QPainter& p, const QColor& color)
{
    p.drawRoundedRect(QRectF(2.75, 7.25, 14.5, 5.5), 2.75, 2.75);
    p.fillRect(QRectF(4.5, 9, 6.5, 2), color);
}

void sliderGlyph(QPainter& p, const QColor&)
{
    p.drawLine(QPointF(3, 10), QPointF(17, 10));
    p.setBrush(palette().navigation);
    p.drawEllipse(QPointF(8, 10), 2.8, 2.8);
}

void menuGlyph(QPainter& p, const QColor&)
{
    p.drawLine(QPointF(3.5, 5.5), QPointF(16.5, 5.5));
    p.drawLine(QPointF(3.5, 10), QPointF(16.5, 10));
    p.drawLine(QPointF(3.5, 14.5), QPointF(11.5, 14.5));
}

void tableGlyph(QPainter& p, const QColor&)
{
    p.drawRoundedRect(QRectF(2.75, 3.75, 14.5, 12.5), 2, 2);
    p.drawLine(QPointF(3, 8), QPointF(17, 8));
    p.drawLine(QPointF(3, 12), QPointF(17, 12));
    p.drawLine(QPointF(8, 8), QPointF(8, 16));
}

void treeGlyph(QPainter& p, const QColor& color)
{
    p.drawLine(QPointF(5, 6.5), QPointF(5, 14.5));
    p.drawLine(QPointF(5, 10), QPointF(10, 10));
    p.drawLine(QPointF(5, 14.5), QPointF(10, 14.5));
    p.drawLine(QPointF(12.5, 10), QPointF(16.5, 10));
    p.drawLine(QPointF(12.5, 14.5), QPointF(16.5, 14.5));
    p.drawLine(QPointF(8, 4.5), QPointF(16.5, 4.5));
    p.setBrush(color);
    p.drawEllipse(QPointF(5, 4.5), 1.6, 1.6);
}

void listGlyph(QPainter& p, const QColor&)
{
    for (const qreal y : {5.5, 10.0, 14.5}) {
        p.drawLine(QPointF(8, y), QPointF(16.5, y));
        p.drawPoint(QPointF(4.5, y));
    }
}

// The navigation glyphs, 20 × 20, in three colours: normal, under the mouse and selected.
void drawNavigationGlyphs(const QString& root)
{
    struct Entry {
        const char* name;
        NavGlyph draw;
    };
    const Entry entries[] = {{"button", buttonGlyph}, {"check", checkGlyph}, {"radio", radioGlyph},
        {"combo", comboGlyph}, {"edit", editGlyph}, {"progress", progressGlyph},
        {"slider", sliderGlyph}, {"menubar", menuGlyph}, {"tableview", tableGlyph},
        {"tree", treeGlyph}, {"list", listGlyph}};
    struct Variant {
        const char* suffix;
        QColor color;
    };
    const Variant variants[]
        = {{"", palette().text2}, {"_hot", palette().text}, {"_on", palette().accent}};
    for (const Entry& e : entries) {
        for (const Variant& v : variants) {
            QImage image = canvas(20, 20);
            QPainter p;
            begin(p, image);
            p.setPen(strokePen(v.color, 1.5));
            p.setBrush(Qt::NoBrush);
            e.draw(p, v.color);
            p.end();
            save(image, root, QStringLiteral("images/nav/%1%2.png").arg(e.name, v.suffix));
        }
    }
}

} // namespace

void drawWindowImages(const QString& root)
{
    drawFrame(root);
    drawCaption(root);
    drawNavigation(root);
    drawNavigationTiles(root);
    drawCaptionButtons(root);
    drawNavigationGlyphs(root);
}

} // namespace Art
