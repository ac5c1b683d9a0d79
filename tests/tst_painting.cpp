// The shared painters pixel for pixel: kept layouts and marks land where QPainter puts them, and
// a reload, size, state, theme, text or font shows at the next paint.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQPushButton_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;
using Impl = VelQControlBaseImpl;

using Pixels = QList<QPair<QPoint, QColor>>;
using Draw = std::function<void(QPainter*)>;
struct Paint {
    QSize size;
    Draw draw;
    Pixels pixels;
    QRect ink;
    int tolerance;
    QRect reaches;
    qreal ratio;
    Draw same;
};
Q_DECLARE_METATYPE(Paint)

namespace {

const QColor cornerTL(255, 0, 0), cornerTR(0, 255, 0), cornerBL(0, 0, 255), cornerBR(255, 255, 0);
const QColor bandT(0, 255, 255), bandB(255, 0, 255), bandL(128, 0, 0), bandR(0, 128, 0);
const QColor centreA(0, 0, 128), centreB(128, 128, 0), transparent(0, 0, 0, 0);
const QColor edgeMagenta(255, 0, 255), centreGreen(0, 200, 0), reloadedBlue(0, 0, 255),
    disabledGray(90, 90, 90), themedCyan(0, 255, 255);

// A 30-high image with 10-pixel slices: each corner, band and centre half its own colour.
QImage nineSliceSource(int width = 30)
{
    const QColor grid[3][3]
        = {{cornerTL, bandT, cornerTR}, {bandL, centreA, bandR}, {cornerBL, bandB, cornerBR}};
    const int edges[] = {0, 10, width - 10, width};
    QImage image(width, 30, QImage::Format_ARGB32);
    QPainter p(&image);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.fillRect(
                edges[column], row * 10, edges[column + 1] - edges[column], 10, grid[row][column]);
    p.fillRect(QRect(QPoint(10 + (width - 20) / 2, 10), QPoint(width - 11, 19)), centreB);
    return image;
}

// A 12 x 12 nine-slice source: a 4-pixel magenta edge around a centre of another colour.
QByteArray framed(QColor centre)
{
    QImage image = solid(12, 12, edgeMagenta);
    QPainter(&image).fillRect(4, 4, 4, 4, centre);
    return png(image);
}

// A record framing images/name.png with 4-pixel slices.
QByteArray framedRecord(const QByteArray& name)
{
    return R"({"type": 1, "name": ")" + name + R"(", "img": "images/)" + name
        + R"(.png", "margin": [4, 4, 4, 4]})";
}

bool loadTheme(const QString& name, QColor centre)
{
    return loadThemePackage(name,
        {{"style.json", styleJson({framedRecord("cyan")})},
            {"theme.json", R"({"elements": [{"child": [
                {"name": "cyanButton", "style": [["cyan", 0, 0]]}]}]})"},
            {"images/themed.png", framed(centre)}, {"images/cyan.png", framed(themedCyan)}});
}

// A 12 × 12 face at scale 1 or 2 whose top-left pixels tell the art apart: red then black at
// 1×; blue, green, then yellow, cyan below, at 2×.
QImage cornerArt(int scale)
{
    QImage image = solid(12 * scale, 12 * scale, Qt::white);
    const QColor colours[2][4]
        = {{Qt::red, Qt::black, Qt::white, Qt::white}, {Qt::blue, Qt::green, Qt::yellow, Qt::cyan}};
    for (int i = 0; i < 4; ++i)
        image.setPixelColor(i % 2, i / 2, colours[scale - 1][i]);
    return image;
}

// The smallest rectangle holding every pixel that is not fully transparent.
QRect inked(const QImage& image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                r |= QRect(x, y, 1, 1);
    return r;
}

NineSlice slice(const QString& path, int m = 10, bool tiled = false)
{
    return {path, m, m, m, m, false, false, false, false, tiled};
}

TextStyle dejaVu(QColor colour, int vAlign = 1)
{
    return {false, false, 12, false, QStringLiteral("DejaVu Sans"), colour, 0, 0, true, 0, vAlign};
}

// Text shortened and drawn by the painter, the same as QPainter::drawText draws it.
Paint likeDrawText(const QString& text, const TextStyle& style, QRect box, qreal ratio = 1)
{
    const Draw drawText = [=](QPainter* p) {
        const QFont font = fontOf(style);
        p->setRenderHint(QPainter::TextAntialiasing, true);
        p->setPen(style.color);
        p->setFont(font);
        p->drawText(QRectF(box),
            QFontMetrics(font).elidedText(text, Qt::ElideRight, box.width() - 2),
            QTextOption(alignmentOf(style)));
    };
    return {{box.right() + 12, box.bottom() + 12},
        [=](QPainter* p) { Impl::drawStyledText(p, text, style, box, true); }, {}, {}, 3, {}, ratio,
        drawText};
}

const char* const longText = "A label far too long for its button";
const QByteArray framedButton = R"({"w": 40, "h": 20, "style": [["face", 0, 0],
    ["disabled", 0, 3]], "attr": {"showText": false}})";

} // namespace

class tst_Painting : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QImage ramp(14, 10, QImage::Format_ARGB32);
        for (int y = 0; y < ramp.height(); ++y)
            for (int x = 0; x < ramp.width(); ++x)
                ramp.setPixel(x, y, qRgba(40 + 15 * x, 200 - 20 * y, 90, 18 * x + 7 * y));
        QVERIFY(loadAppPackage(QStringLiteral("painting.data"),
            {framedRecord("face"), framedRecord("disabled"), framedRecord("themed"),
                textStyle("text", Qt::black, 13)},
            {{"images/face.png", framed(centreGreen)},
                {"images/disabled.png", framed(disabledGray)},
                {"images/nine.png", png(nineSliceSource())},
                {"images/narrow.png", png(nineSliceSource(20))},
                {"images/nine28.png", png(nineSliceSource(28))},
                {"images/wide50.png", png(solid(50, 8, Qt::red))},
                {"images/tall.png", png(solid(20, 40, QColor(10, 20, 30)))},
                {"images/hd.png", png(cornerArt(1))}, {"images/hd@2x.png", png(cornerArt(2))},
                {"images/hd@1x.png", png(cornerArt(2))}, {"images/lo.png", png(cornerArt(1))},
                {"images/ramp.png", png(ramp)}}));
        // Only images of this format are blended from a premultiplied copy.
        QCOMPARE(CThemeManager::instance().getImage("images/ramp.png", false)->format(),
            QImage::Format_ARGB32);
    }

    // What a painter puts on a transparent image of a logical size at a device pixel ratio, twice
    // alike (the second from caches): what "same" paints when given; pixels near their colours
    // (within tolerance); the ink's bounds equal to ink, or inside it for a negative tolerance and
    // reaching into reaches if given; nothing painted when no pixels, ink or "same" are given.
    void painters_data()
    {
        QTest::addColumn<Paint>("paint");
        const auto row
            = [](const char* name, QSize size, const Draw& draw, const Pixels& pixels,
                  QRect ink = {}, int tolerance = 3, QRect reaches = {}, qreal ratio = 1) {
                  QTest::newRow(name) << Paint {size, draw, pixels, ink, tolerance, reaches, ratio};
              };
        // A 20 × 20 face with 5-pixel slices: the art of the device pixel ratio is drawn pixel for
        // pixel; without it the 1× image is scaled smoothly, its first two pixels blended. At 1×
        // the plain name wins over an "@1x" one. An aligned image takes the same art, at its
        // logical size.
        const auto art = [](const char* path, int alignedSide = 0) {
            return [=](QPainter* p) {
                if (!alignedSide)
                    Impl::drawNineSlice(p, slice(path, 5), 0, 0, 20, 20);
                else
                    Impl::drawAlignedImage(
                        p, path, {0, 0, 1, 1}, 0, 0, alignedSide, alignedSide, false);
            };
        };
        row("1x art at 1", {20, 20}, art("images/hd.png"),
            {{{0, 0}, Qt::red}, {{1, 0}, Qt::black}});
        row("2x art at 2", {20, 20}, art("images/hd.png"),
            {{{0, 0}, Qt::blue}, {{1, 0}, Qt::green}, {{0, 1}, Qt::yellow}, {{1, 1}, Qt::cyan},
                {{39, 39}, Qt::white}},
            {}, 3, {}, 2);
        row("1x image at 2", {20, 20}, art("images/lo.png"),
            {{{0, 0}, Qt::red}, {{1, 0}, QColor(192, 0, 0)}, {{39, 39}, Qt::white}}, {}, 12, {}, 2);
        row("aligned 1x art at 1", {24, 24}, art("images/hd.png", 24), {{{6, 6}, Qt::red}});
        row("aligned 2x art at 2", {12, 12}, art("images/hd.png", 12), {{{0, 0}, Qt::blue}}, {}, 3,
            {}, 2);
        row("aligned 1x image at 2", {12, 12}, art("images/lo.png", 12), {{{0, 0}, Qt::red}}, {}, 3,
            {}, 2);
        row(
            "aligned gray 2x art at 2", {12, 12},
            [](QPainter* p) {
                Impl::drawAlignedImage(p, "images/hd.png", {0, 0, 1, 1}, 0, 0, 12, 12, true);
            },
            {{{0, 0}, QColor(119, 119, 119)}, {{1, 0}, QColor(173, 173, 173)},
                {{23, 23}, Qt::white}},
            {}, 3, {}, 2);
        const auto nine = [](const QString& path, QSize size, bool tiled = false) {
            return [=](QPainter* p) {
                Impl::drawNineSlice(p, slice(path, 10, tiled), 0, 0, size.width(), size.height());
            };
        };
        // The 10 × 10 centre (two halves) stretched to 80 × 20: the halves meet at x = 50.
        const QString nineImage = QStringLiteral("images/nine.png");
        row("stretched", {100, 40}, nine(nineImage, {100, 40}),
            {{{0, 0}, cornerTL}, {{9, 9}, cornerTL}, {{90, 0}, cornerTR}, {{0, 30}, cornerBL},
                {{99, 39}, cornerBR}, {{50, 5}, bandT}, {{50, 35}, bandB}, {{5, 20}, bandL},
                {{95, 20}, bandR}, {{12, 12}, centreA}, {{47, 27}, centreA}, {{53, 12}, centreB},
                {{87, 27}, centreB}});
        // 8 columns by 2 rows of 10 × 10 tiles: every tile repeats both halves.
        Pixels tiles;
        for (int tile = 0; tile < 8; ++tile)
            tiles << qMakePair(QPoint(12 + tile * 10, 12), centreA)
                  << qMakePair(QPoint(17 + tile * 10, 27), centreB);
        row("tiled centre", {100, 40}, nine(nineImage, {100, 40}, true), tiles);
        // A 30-wide centre over an 8-wide source centre: ceil(30 / 8) = 4 tiles, the last clipped.
        row("tiles clipped to the centre", {50, 30}, nine("images/nine28.png", {50, 30}, true),
            {{{35, 15}, centreA}, {{39, 15}, centreB}, {{40, 15}, bandR}});
        // The right band starts at the left band's last column, x = 9.
        row("too narrow", {12, 40}, nine(nineImage, {12, 40}),
            {{{5, 20}, bandL}, {{8, 20}, bandL}, {{9, 20}, bandR}, {{11, 20}, bandR}});
        row("bands just meet", {20, 40}, nine(nineImage, {20, 40}),
            {{{9, 20}, bandL}, {{10, 20}, bandR}, {{19, 20}, bandR}});
        row("image only as wide as its bands", {60, 40}, nine("images/narrow.png", {60, 40}),
            {{{30, 5}, transparent}, {{30, 20}, transparent}, {{0, 0}, cornerTL}, {{55, 20}, bandR},
                {{5, 20}, bandL}});
        // Only the corners have valid rectangles; what they show stays inside the target.
        row(
            "nine-slice with huge margins", {80, 80},
            [=](QPainter* p) { Impl::drawNineSlice(p, slice(nineImage, 1000), 20, 20, 40, 40); },
            {}, {20, 20, 40, 40}, -1);

        // The 20 × 40 image in the box (10, 10, 45, 60), with dx 1 and dy 2.
        const auto aligned = [](const char* path, ImageOffset offset, QRect box) {
            return [=](QPainter* p) {
                Impl::drawAlignedImage(p, path, offset, box, false);
            };
        };
        // Alignment 0, 1, 2 moves the image by none, half or all of the room left: 25 by 20.
        for (const int a : {0, 1, 2})
            row(qPrintable(QStringLiteral("aligned %1").arg(a)), {100, 100},
                aligned("images/tall.png", {1, 2, a, a}, {10, 10, 45, 60}), {},
                {11 + 25 * a / 2, 12 + 10 * a, 20, 40});
        row("out of range means origin", {100, 100},
            aligned("images/tall.png", {1, 2, 7, 9}, {10, 10, 45, 60}), {}, {1, 2, 20, 40});
        // (45 - 50) / 2 truncates to -2.
        row("wider than the box", {100, 100},
            aligned("images/wide50.png", {0, 0, 1, 0}, {10, 0, 45, 20}), {}, {8, 0, 50, 8});
        // An icon at the size asked, whatever its pixmap's.
        row("icon", {100, 100},
            [](QPainter* p) {
                Impl::drawAlignedIcon(p, QIcon(QPixmap::fromImage(solid(32, 32, Qt::blue))),
                    QSize(16, 16), ImageOffset {0, 0, 1, 1}, QRect(0, 0, 20, 40));
            },
            {}, {2, 12, 16, 16});

        const auto styled = [](const ImageStyle& s, QSize size) {
            return [=](QPainter* p) {
                Impl::drawImageStyle(p, s, QRect(QPoint(), size));
            };
        };
        ImageStyle s;
        s.color = Qt::red;
        s.borderColor = Qt::blue;
        s.borderSize = 1;
        s.border = true;
        row("box with border", {40, 20}, styled(s, {40, 20}),
            {{{0, 0}, Qt::blue}, {{39, 19}, Qt::blue}, {{0, 10}, Qt::blue}, {{20, 10}, Qt::red}});
        s.leftBorder = s.rightBorder = false;
        row("only bottom and top", {40, 20}, styled(s, {40, 20}),
            {{{0, 0}, Qt::blue}, {{39, 19}, Qt::blue}, {{0, 10}, Qt::red}, {{20, 10}, Qt::red}});
        s.border = false;
        row("box without border", {40, 20}, styled(s, {40, 20}),
            {{{0, 0}, Qt::red}, {{39, 19}, Qt::red}, {{0, 10}, Qt::red}, {{20, 10}, Qt::red}});
        s.round = 8;
        row("rounded", {40, 40}, styled(s, {40, 40}),
            {{{0, 0}, transparent}, {{20, 20}, Qt::red}, {{20, 0}, Qt::red}});
        ImageStyle gradient;
        gradient.color = Qt::black;
        gradient.gradientColor = Qt::white;
        gradient.gradient = true;
        row("gradient", {101, 10}, styled(gradient, {101, 10}),
            {{{2, 5}, Qt::black}, {{98, 5}, Qt::white}, {{50, 5}, QColor(128, 128, 128)}}, {}, 12);
        ImageStyle image = s;
        image.noImage = false;
        static_cast<NineSlice&>(image) = slice(nineImage);
        row("image", {40, 40}, styled(image, {40, 40}), {{{0, 0}, cornerTL}});
        s.valid = false;
        row("invalid paints nothing", {10, 10}, styled(s, {10, 10}), {});

        const auto text = [](const TextStyle& style, const char* text, QRect box) {
            return [=](QPainter* p) {
                Impl::drawStyledText(p, text, style, box);
            };
        };
        const char* words = "several words that never fit on a single line";
        TextStyle t = dejaVu(Qt::black, 0);
        row("elided", {120, 120}, text(t, words, {0, 0, 80, 60}), {}, {0, 0, 80, 20}, -1,
            {0, 0, 80, 20});
        // Turned clockwise, the first line hugs the box's right edge.
        t.isHor = false;
        row("vertical", {120, 120}, text(t, "Vertical", {30, 10, 20, 100}), {}, {30, 10, 20, 100},
            -1, {41, 50, 9, 60});
        t = dejaVu(Qt::black, 0);
        t.elideMode = Qt::ElideNone;
        row("wrapped when none", {120, 120}, text(t, words, {0, 0, 80, 60}), {}, {0, 0, 80, 60}, -1,
            {0, 26, 80, 34});
        // The box becomes (0, 3, 100, 23): the text sits on row 25, below the 20-pixel box.
        t = dejaVu(Qt::black, 2);
        t.offsetY = 3;
        row("bottom with offset", {120, 120}, text(t, "Hg", {0, 0, 100, 20}), {}, {0, 0, 100, 27},
            -1, {0, 21, 100, 6});
        t = dejaVu(Qt::blue);
        t.offsetX = 30;
        t.size = 20;
        row("colour and offset", {120, 120}, text(t, "IIII", {0, 0, 100, 30}),
            {{{32, 15}, Qt::blue}}, {30, 0, 70, 30}, -60, {30, 0, 70, 30});

        // Texts drawn from a kept layout land on exactly the pixels of QPainter::drawText while
        // text, font, colour, box, alignment and scale change from one paint to the next: rows
        // share texts, so later rows draw what earlier ones kept.
        const QStringList texts = {QStringLiteral("Check me"), QStringLiteral("Option one"),
            QStringLiteral(" Padded  "), QString::fromUtf8("Ünïcödé façade — ça, naïve"),
            QString::fromUtf8("中文文本 and 日本語"), QString::fromUtf8("שלום and سلام mixed"),
            QStringLiteral("A label far too long to fit the narrow box it is given"),
            QString::fromUtf8("ﬁne ligatures ﬂow")};
        const QList<QRect> boxes = {
            QRect(3, 2, 141, 25), QRect(0, 0, 60, 24), QRect(5, 4, 300, 9), QRect(-7, 1, 90, 31)};
        const QList<QPair<int, int>> aligns = {{0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 2}, {2, 0}};
        int n = 0;
        for (const QString& text : texts)
            for (const QRect& box : boxes)
                for (const auto& [h, v] : aligns) {
                    TextStyle style = dejaVu(QColor::fromHsv(int(qHash(text) % 360), 200, 120), v);
                    style.size = n % 4 == 0 ? 16 : 13;
                    style.bold = n % 5 == 0;
                    style.hAlign = h;
                    const qreal ratio = n % 3 == 0 ? 2.0 : n % 7 == 0 ? 1.5 : 1.0;
                    QTest::addRow("%d %s", n++, qPrintable(text))
                        << likeDrawText(text, style, box, ratio);
                }
        // Near the limit, where texts are kept whole without being shortened; the painter shortens
        // to two pixels less than its box.
        const QFontMetrics metrics(fontOf(dejaVu(Qt::black)));
        for (const char* text : {"Short", "item 0512345", "WWWWWWWWWW", "iiiiiiiiiiiiiiii",
                 "Tab\there", "Ünïcödé ä", "中文文本", "ﬁve ligatures ﬂ"})
            for (const int slack : {-1, 0, 1, 40, 200})
                QTest::addRow("%s %d", text, slack) << likeDrawText(QString::fromUtf8(text),
                    dejaVu(Qt::black), {0, 0, metrics.horizontalAdvance(text) + slack + 2, 24});

        // Marks are blended from a premultiplied copy of their image; over any background, at any
        // scale, the pixels must be those of the image itself.
        const QRect box(0, 0, 40, 30);
        for (const QColor& background :
            {QColor(Qt::transparent), QColor(Qt::white), QColor(60, 120, 180, 128)})
            for (const qreal ratio : {1.0, 2.0}) {
                const QImage* image
                    = CThemeManager::instance().getImage("images/ramp.png", false, ratio);
                QTest::addRow("%s x%g", qPrintable(background.name(QColor::HexArgb)), ratio)
                    << Paint {{52, 42},
                           [=](QPainter* p) {
                               p->fillRect(box, background);
                               Impl::drawAlignedImage(
                                   p, "images/ramp.png", {3, 2, 1, 1}, box, false);
                           },
                           {}, {}, 3, {}, ratio,
                           [=](QPainter* p) {
                               p->fillRect(box, background);
                               p->setRenderHint(QPainter::SmoothPixmapTransform, ratio > 1);
                               p->drawImage(QPoint(13 + 3, 10 + 2), *image);
                           }};
            }
    }

    void painters()
    {
        QFETCH(Paint, paint);
        const auto& [size, draw, pixels, ink, tolerance, reaches, ratio, same] = paint;
        const QImage image = paintedBy(size, Qt::transparent, draw, ratio);
        QCOMPARE(paintedBy(size, Qt::transparent, draw, ratio), image);
        if (same)
            QCOMPARE(image, paintedBy(size, Qt::transparent, same, ratio));
        for (const auto& [at, colour] : pixels)
            QVERIFY2(near(image.pixel(at), colour, qAbs(tolerance)), describe(image.pixel(at)));
        if (tolerance < 0)
            QVERIFY(ink.contains(inked(image))
                && (reaches.isNull() || reaches.intersects(inked(image))));
        else if (!ink.isNull() || (pixels.isEmpty() && !same))
            QCOMPARE(inked(image), ink);
    }

    // A button whose caches its last look filled paints the next exactly as one that never had it:
    // widths, texts, a letter-spaced widget font; then faces through sizes, a state, a theme reload
    // and a theme element given in code. Last: it replaces the theme package.
    void buttonsFollowChanges()
    {
        const QByteArray element = R"({"w": 60, "h": 24, "style": [["text", 0, 4]]})";
        const auto look = [&](VelQPushButton* button, const char* text, int width, int spacing) {
            QFont font;
            font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            button->setFont(font);
            button->setText(text);
            button->setFixedWidth(width);
            return render(button);
        };
        auto changed = placed<VelQPushButton>(&host, element);
        QImage last = look(changed.get(), longText, 90, 0);
        const std::tuple<const char*, int, int> looks[] = {{longText, 160, 0}, {longText, 60, 0},
            {"Another label too long to fit", 60, 0}, {"Short", 60, 0}, {"Short", 60, 3}};
        for (const auto& [text, width, spacing] : looks) {
            const QImage now = look(changed.get(), text, width, spacing);
            QVERIFY2(now != last.copy(QRect(QPoint(), now.size())), text);
            // Loading a package empties the caches, so the expected look is painted from nothing.
            QVERIFY(LoadAppPackage(scratchPath(QStringLiteral("painting.data"))));
            QCOMPARE(look(placed<VelQPushButton>(&host, element).get(), text, width, spacing), now);
            last = now;
        }
        QVERIFY(loadTheme(QStringLiteral("first.data"), centreGreen));
        auto button = placed<VelQPushButton>(&host, framedButton);
        QCOMPARE_PIXEL(render(button.get()), 39, 10, edgeMagenta);
        for (const QSize size : {QSize(80, 20), QSize(40, 36), QSize(24, 12), QSize(40, 20)}) {
            button->setFixedSize(size);
            const QImage after = render(button.get());
            const int w = size.width(), h = size.height();
            QCOMPARE(after.size(), size);
            QCOMPARE_PIXELS(after,
                {{w - 1, h / 2, edgeMagenta}, {w / 2, h - 1, edgeMagenta},
                    {w - 5, h / 2, centreGreen}, {w / 2, h - 5, centreGreen}, {4, 4, centreGreen}});
        }
        for (const bool enabled : {false, true}) {
            button->setEnabled(enabled);
            QCOMPARE_PIXEL(render(button.get()), 20, 10, enabled ? centreGreen : disabledGray);
        }
        auto themed = placed<VelQPushButton>(&host, R"({"w": 40, "h": 20,
            "style": [["themed", 0, 0]], "attr": {"showText": false}})");
        QCOMPARE_PIXEL(render(themed.get()), 20, 10, centreGreen);
        QVERIFY(loadTheme(QStringLiteral("second.data"), reloadedBlue));
        themed->update();
        QCOMPARE_PIXEL(render(themed.get()), 20, 10, reloadedBlue);
        button->controlBase()->setThemeName(QStringLiteral("cyanButton"));
        QCOMPARE_PIXEL(render(button.get()), 20, 10, themedCyan);
        QCOMPARE_PIXEL(
            render(placed<VelQPushButton>(&host, framedButton).get()), 20, 10, centreGreen);
    }
};

QTEST_MAIN(tst_Painting)
#include "tst_painting.moc"
