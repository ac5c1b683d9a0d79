// The theme package's images. Each comment names the nine-slice widths its style record uses.
#include "Art.h"

#include <QPainter>

#include <array>

namespace Art {

namespace {

struct FaceLook {
    const char* state;
    QColor fill;
    QColor border;
};

// Neutral faces of buttons, combo boxes and tiles, by state. Hover keeps the surface face and
// strengthens its outline: a grey hover fill would read like the disabled face.
std::array<FaceLook, 4> neutralFaces()
{
    return {{
        {"normal", palette().surface, palette().border},
        {"hover", palette().surface, palette().borderStrong},
        {"pressed", palette().pressedFill, palette().borderStrong},
        {"disabled", palette().disabledFill, palette().disabledBorder},
    }};
}

// Checked tiles of the icon check boxes and icon radio buttons.
std::array<FaceLook, 4> checkedTiles()
{
    return {{
        {"normal", palette().selection, palette().accent},
        {"hover", palette().selection, palette().accentHover},
        {"pressed", palette().selectionPressed, palette().accentPressed},
        {"disabled", palette().disabledFill, palette().markDisabled},
    }};
}

void drawFaces(const QString& root)
{
    // 12 × 12, slices 5 on every side.
    for (const FaceLook& f : neutralFaces())
        save(face(12, 12, controlRadius, f.fill, f.border), root,
            QStringLiteral("images/button/face_%1.png").arg(f.state));
    for (const FaceLook& f : checkedTiles())
        save(face(12, 12, controlRadius, f.fill, f.border), root,
            QStringLiteral("images/tile/on_%1.png").arg(f.state));
    // Flat hover tiles of menu bar entries, without outline.
    save(face(12, 12, controlRadius, palette().flatHover, QColor()), root,
        QStringLiteral("images/tile/flat_hover.png"));
    save(face(12, 12, controlRadius, palette().flatPressed, QColor()), root,
        QStringLiteral("images/tile/flat_pressed.png"));
}

// The face of a button with an extension area: 35 × 22, slices top 10, right 28, bottom 10,
// left 5. Column 7 (the right slice's first) holds the divider, only in the stretched rows,
// so it ends 10 pixels short of the top and bottom edges.
void drawExtensionFaces(const QString& root)
{
    for (const FaceLook& f : neutralFaces()) {
        QImage image = face(35, 22, controlRadius, f.fill, f.border);
        QPainter p(&image);
        const QColor divider = f.state == QLatin1String("normal") ? palette().border : f.border;
        p.fillRect(QRect(7, 10, 1, 2), divider);
        p.end();
        save(image, root, QStringLiteral("images/button/ext_%1.png").arg(f.state));
    }
}

// Round buttons: 53 × 53 circles, drawn 1:1 (no slices).
void drawRoundFaces(const QString& root)
{
    for (const FaceLook& f : neutralFaces())
        save(disc(53, f.fill, f.border), root,
            QStringLiteral("images/button/round_%1.png").arg(f.state));
}

QImage chevron(const QColor& color)
{
    QImage image = canvas(12, 12);
    QPainter p;
    begin(p, image);
    chevronDown(p, QRectF(2.5, 3, 7, 7), color);
    return image;
}

void drawChevrons(const QString& root)
{
    save(chevron(palette().text2), root, QStringLiteral("images/button/chevron.png"));
    save(chevron(palette().text), root, QStringLiteral("images/button/chevron_hot.png"));
    save(chevron(palette().text2), root, QStringLiteral("images/combo/arrow.png"));
    save(chevron(palette().text), root, QStringLiteral("images/combo/arrow_hot.png"));
}

// Check box marks: 18 × 18, drawn unscaled at the box's left edge.
void drawCheckMarks(const QString& root)
{
    const FaceLook boxes[] = {
        {"normal", palette().surface, palette().borderStrong},
        {"hover", palette().surface2, palette().glyph},
        {"disabled", palette().disabledFill, palette().disabledBorder},
    };
    for (const FaceLook& b : boxes)
        save(face(18, 18, controlRadius, b.fill, b.border), root,
            QStringLiteral("images/check/box_%1.png").arg(b.state));

    const FaceLook marks[] = {
        {"normal", palette().accent, palette().accent},
        {"hover", palette().accentHover, palette().accentHover},
        {"disabled", palette().markDisabled, palette().markDisabled},
    };
    for (const FaceLook& m : marks) {
        QImage image = face(18, 18, controlRadius, m.fill, m.border);
        QPainter p;
        begin(p, image);
        p.setPen(strokePen(palette().onAccent, 2));
        const QPointF tick[] = {{4.5, 9.2}, {7.6, 12.2}, {13.5, 6.2}};
        p.drawPolyline(tick, 3);
        p.end();
        save(image, root, QStringLiteral("images/check/on_%1.png").arg(m.state));
    }
}

// Radio marks: 18 × 18 rings and filled dots.
void drawRadioMarks(const QString& root)
{
    const FaceLook rings[] = {{"normal", palette().surface, palette().borderStrong},
        {"hover", palette().surface2, palette().glyph}};
    for (const FaceLook& r : rings)
        save(disc(18, r.fill, r.border), root,
            QStringLiteral("images/radio/ring_%1.png").arg(r.state));
    const FaceLook dots[] = {{"normal", palette().accent, palette().onAccent},
        {"hover", palette().accentHover, palette().onAccent}};
    for (const FaceLook& d : dots) {
        QImage image = canvas(18, 18);
        QPainter p;
        begin(p, image);
        p.setPen(Qt::NoPen);
        p.setBrush(d.fill);
        p.drawEllipse(QRectF(0, 0, 18, 18));
        p.setBrush(d.border);
        p.drawEllipse(QPointF(9, 9), 3.5, 3.5);
        p.end();
        save(image, root, QStringLiteral("images/radio/dot_%1.png").arg(d.state));
    }
}

// Edit frames: 12 × 12, slices 5. Focus shows an accent border with a soft inner ring.
void drawEditFrames(const QString& root)
{
    save(face(12, 12, controlRadius, palette().surface, palette().border), root,
        QStringLiteral("images/edit/normal.png"));
    save(face(12, 12, controlRadius, palette().disabledFill, palette().disabledBorder), root,
        QStringLiteral("images/edit/disabled.png"));
    QImage focus = face(12, 12, controlRadius, palette().surface, palette().accent);
    QPainter p;
    begin(p, focus);
    QColor ring = palette().accent;
    ring.setAlpha(70);
    p.setPen(QPen(ring, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(1.5, 1.5, 9, 9), controlRadius - 1.5, controlRadius - 1.5);
    p.end();
    save(focus, root, QStringLiteral("images/edit/focus.png"));
}

// Scroll bars: 12-px arrow glyphs and pill thumbs 8 px thick inside a 12-px bar; vertical
// thumbs slice 5 at top and bottom, horizontal ones 5 at left and right.
void drawScrollBars(const QString& root)
{
    struct Arrow {
        const char* name;
        int angle;
    };
    const Arrow arrows[] = {{"up", 0}, {"down", 180}, {"left", 270}, {"right", 90}};
    for (const Arrow& a : arrows) {
        for (const bool hot : {false, true}) {
            QImage image = canvas(12, 12);
            QPainter p;
            begin(p, image);
            triangle(p, QPointF(6, 6.5), 7, a.angle, hot ? palette().text : palette().glyph);
            p.end();
            save(image, root,
                QStringLiteral("images/scroll/%1%2.png").arg(a.name, hot ? "_hot" : ""));
        }
    }
    const FaceLook thumbs[] = {{"normal", palette().thumb, QColor()},
        {"hover", palette().thumbHover, QColor()}, {"pressed", palette().glyph, QColor()}};
    for (const FaceLook& t : thumbs) {
        QImage vertical = canvas(12, 12);
        QPainter p;
        begin(p, vertical);
        box(p, QRectF(2, 0, 8, 12), 4, t.fill, t.border);
        p.end();
        save(vertical, root, QStringLiteral("images/scroll/thumb_v_%1.png").arg(t.state));
        save(vertical.transformed(QTransform().rotate(90)), root,
            QStringLiteral("images/scroll/thumb_h_%1.png").arg(t.state));
    }
}

// Progress bars: 14 × 12 pills, slices 6 at left and right (the middle 2 columns stretch),
// none at top and bottom, drawn at the bar's height of 12.
void drawProgress(const QString& root)
{
    save(face(14, 12, 6, palette().border, QColor()), root,
        QStringLiteral("images/progress/groove.png"));
    save(face(14, 12, 6, palette().accent, QColor()), root,
        QStringLiteral("images/progress/chunk.png"));
}

// Sliders: a 4-px channel (8 × 4 pills, slices 2 along the channel) and 20 × 20 thumbs: a
// white disc whose accent centre grows under the mouse.
void drawSliders(const QString& root)
{
    const QColor channel = palette().border;
    save(face(8, 4, 2, channel, QColor()), root, QStringLiteral("images/slider/channel_h.png"));
    save(face(8, 4, 2, palette().accent, QColor()), root,
        QStringLiteral("images/slider/filled_h.png"));
    save(face(4, 8, 2, channel, QColor()), root, QStringLiteral("images/slider/channel_v.png"));
    save(face(4, 8, 2, palette().accent, QColor()), root,
        QStringLiteral("images/slider/filled_v.png"));

    struct Thumb {
        const char* state;
        QColor ring;
        QColor centre;
        qreal radius;
    };
    const Thumb thumbs[] = {
        {"normal", palette().borderStrong, palette().accent, 4},
        {"hover", palette().borderStrong, palette().accentHover, 5},
        {"pressed", palette().borderStrong, palette().accentPressed, 3.5},
        {"disabled", palette().disabledBorder, palette().markDisabled, 4},
    };
    for (const Thumb& t : thumbs) {
        QImage image = canvas(20, 20);
        QPainter p;
        begin(p, image);
        p.setPen(QPen(t.ring, 1));
        p.setBrush(palette().surface);
        p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
        p.setPen(Qt::NoPen);
        p.setBrush(t.centre);
        p.drawEllipse(QPointF(10, 10), t.radius, t.radius);
        p.end();
        save(image, root, QStringLiteral("images/slider/thumb_%1.png").arg(t.state));
    }
}

// Page backgrounds: 16 × 16; the bottom-right corner follows the window frame's inner radius
// (slices: right 6, bottom 6; the lower area adds its top line, slice top 1).
void drawPages(const QString& root)
{
    const QPainterPath shape = cornerPath(QRectF(0, 0, 16, 16), 0, 0, windowRadius - 1, 0);
    QImage upper = canvas(16, 16);
    QPainter p;
    begin(p, upper);
    p.fillPath(shape, palette().surface);
    p.end();
    save(upper, root, QStringLiteral("images/page/upper.png"));

    QImage lower = canvas(16, 16);
    begin(p, lower);
    p.fillPath(shape, palette().surface2);
    p.fillRect(QRect(0, 0, 16, 1), palette().border);
    p.end();
    save(lower, root, QStringLiteral("images/page/lower.png"));
}

} // namespace

void drawThemeImages(const QString& root)
{
    drawFaces(root);
    drawExtensionFaces(root);
    drawRoundFaces(root);
    drawChevrons(root);
    drawCheckMarks(root);
    drawRadioMarks(root);
    drawEditFrames(root);
    drawScrollBars(root);
    drawProgress(root);
    drawSliders(root);
    drawPages(root);
}

} // namespace Art
