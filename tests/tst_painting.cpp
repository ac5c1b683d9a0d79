#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;

using Pixels = QList<QPair<QPoint, QColor>>;
Q_DECLARE_METATYPE(Pixels)

namespace {

const QColor cornerTL(255, 0, 0), cornerTR(0, 255, 0), cornerBL(0, 0, 255), cornerBR(255, 255, 0);
const QColor bandT(0, 255, 255), bandB(255, 0, 255), bandL(128, 0, 0), bandR(0, 128, 0);
const QColor centreA(0, 0, 128), centreB(128, 128, 0);
const QColor transparent(0, 0, 0, 0);

// A 30 × 30 image with 10-pixel slices: each corner, band and centre half its own colour.
QImage nineSliceSource(int width = 30)
{
    QImage image(width, 30, QImage::Format_ARGB32);
    QPainter p(&image);
    const int r = width - 10;
    p.fillRect(0, 0, 10, 10, cornerTL);
    p.fillRect(r, 0, 10, 10, cornerTR);
    p.fillRect(0, 20, 10, 10, cornerBL);
    p.fillRect(r, 20, 10, 10, cornerBR);
    p.fillRect(10, 0, r - 10, 10, bandT);
    p.fillRect(10, 20, r - 10, 10, bandB);
    p.fillRect(0, 10, 10, 10, bandL);
    p.fillRect(r, 10, 10, 10, bandR);
    p.fillRect(10, 10, (r - 10) / 2, 10, centreA);
    p.fillRect(10 + (r - 10) / 2, 10, (r - 10) - (r - 10) / 2, 10, centreB);
    return image;
}

// A transparent w × h image with what draw paints on it.
template<class Draw> QImage painted(int w, int h, Draw draw)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(&p);
    return image;
}

NineSlice slice(const QString& path)
{
    NineSlice s;
    s.image = path;
    s.sliceLeft = s.sliceRight = s.sliceTop = s.sliceBottom = 10;
    return s;
}

// A 12 × 12 face in logical pixels at scale 1 or 2 whose top-left pixels tell the art apart:
// red then black at 1×; blue, green, then yellow, cyan below, at 2×.
QImage cornerArt(int scale)
{
    QImage image = TestSupport::solid(12 * scale, 12 * scale, Qt::white);
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

} // namespace

class tst_Painting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Init();
        QImage tall(20, 40, QImage::Format_ARGB32);
        tall.fill(QColor(10, 20, 30));
        const QString path = TestSupport::scratchPath(QStringLiteral("painting.data"));
        TestSupport::writeArchive(path,
            {{"style.json", R"({"style": []})"},
                {"images/nine.png", TestSupport::png(nineSliceSource())},
                {"images/narrow.png", TestSupport::png(nineSliceSource(20))},
                {"images/nine28.png", TestSupport::png(nineSliceSource(28))},
                {"images/wide50.png", TestSupport::png(TestSupport::solid(50, 8, Qt::red))},
                {"images/tall.png", TestSupport::png(tall)},
                {"images/hd.png", TestSupport::png(cornerArt(1))},
                {"images/hd@2x.png", TestSupport::png(cornerArt(2))},
                {"images/lo.png", TestSupport::png(cornerArt(1))}});
        QVERIFY(LoadAppPackage(path));
    }

    // Device pixels of a 20 × 20 face with 5-pixel slices: the art of the device pixel ratio is
    // drawn pixel for pixel; without it the 1× image is scaled smoothly, not pixel-doubled.
    void artForTheDevicePixelRatio_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<Pixels>("pixels");
        QTest::newRow("1x art at 1")
            << "images/hd.png" << 1 << Pixels {{{0, 0}, Qt::red}, {{1, 0}, Qt::black}};
        QTest::newRow("2x art at 2")
            << "images/hd.png" << 2
            << Pixels {{{0, 0}, Qt::blue}, {{1, 0}, Qt::green}, {{0, 1}, Qt::yellow},
                   {{1, 1}, Qt::cyan}, {{39, 39}, Qt::white}};
        QTest::newRow("1x image at 2")
            << "images/lo.png" << 2 << Pixels {{{0, 0}, Qt::red}, {{39, 39}, Qt::white}};
    }

    void artForTheDevicePixelRatio()
    {
        QFETCH(QString, path);
        QFETCH(int, ratio);
        QFETCH(Pixels, pixels);
        NineSlice face;
        face.image = path;
        face.sliceLeft = face.sliceRight = face.sliceTop = face.sliceBottom = 5;
        // Twice, so that the second comes from the cache.
        for (int pass = 0; pass < 2; ++pass) {
            QImage device(20 * ratio, 20 * ratio, QImage::Format_ARGB32_Premultiplied);
            device.setDevicePixelRatio(ratio);
            device.fill(Qt::transparent);
            QPainter painter(&device);
            VelQControlBaseImpl::drawNineSlice(&painter, face, 0, 0, 20, 20);
            painter.end();
            const QImage shown = device.convertToFormat(QImage::Format_ARGB32);
            for (const auto& pixel : pixels)
                QCOMPARE_PIXEL(shown, pixel.first.x(), pixel.first.y(), pixel.second);
            if (path == QLatin1String("images/lo.png"))
                QVERIFY(!TestSupport::near(shown.pixel(1, 0), Qt::red)
                    && !TestSupport::near(shown.pixel(1, 0), Qt::black));
        }
        // An aligned image takes the same art, at its logical size.
        QImage device(24, 24, QImage::Format_ARGB32_Premultiplied);
        device.setDevicePixelRatio(ratio);
        device.fill(Qt::transparent);
        QPainter painter(&device);
        VelQControlBaseImpl::drawAlignedImage(
            &painter, path, ImageOffset {0, 0, 1, 1}, 0, 0, 24 / ratio, 24 / ratio, false);
        painter.end();
        QCOMPARE_PIXEL(device.convertToFormat(QImage::Format_ARGB32), (24 - 12 * ratio) / 2,
            (24 - 12 * ratio) / 2, pixels.first().second);
    }

    void nineSlice_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("tiled");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Pixels>("pixels");
        // The 10 × 10 centre (two halves) stretched to 80 × 20: the halves meet at x = 50.
        QTest::newRow("stretched")
            << "images/nine.png" << false << QSize(100, 40)
            << Pixels {{{0, 0}, cornerTL}, {{9, 9}, cornerTL}, {{90, 0}, cornerTR},
                   {{0, 30}, cornerBL}, {{99, 39}, cornerBR}, {{50, 5}, bandT}, {{50, 35}, bandB},
                   {{5, 20}, bandL}, {{95, 20}, bandR}, {{12, 12}, centreA}, {{47, 27}, centreA},
                   {{53, 12}, centreB}, {{87, 27}, centreB}};
        // 8 columns by 2 rows of 10 × 10 tiles: every tile repeats both halves.
        Pixels tiles;
        for (int tile = 0; tile < 8; ++tile)
            tiles << qMakePair(QPoint(12 + tile * 10, 12), centreA)
                  << qMakePair(QPoint(17 + tile * 10, 27), centreB);
        QTest::newRow("tiled centre") << "images/nine.png" << true << QSize(100, 40) << tiles;
        // A 30-wide centre over an 8-wide source centre: ceil(30 / 8) = 4 tiles, the last clipped.
        QTest::newRow("tiles clipped to the centre")
            << "images/nine28.png" << true << QSize(50, 30)
            << Pixels {{{35, 15}, centreA}, {{39, 15}, centreB}, {{40, 15}, bandR}};
        // The right band starts at the left band's last column, x = 9.
        QTest::newRow("too narrow")
            << "images/nine.png" << false << QSize(12, 40)
            << Pixels {{{5, 20}, bandL}, {{8, 20}, bandL}, {{9, 20}, bandR}, {{11, 20}, bandR}};
        QTest::newRow("image only as wide as its bands")
            << "images/narrow.png" << false << QSize(60, 40)
            << Pixels {{{30, 5}, transparent}, {{30, 20}, transparent}, {{0, 0}, cornerTL},
                   {{55, 20}, bandR}, {{5, 20}, bandL}};
    }

    void nineSlice()
    {
        QFETCH(QString, source);
        QFETCH(bool, tiled);
        QFETCH(QSize, size);
        QFETCH(Pixels, pixels);
        NineSlice s = slice(source);
        s.repeatCenter = tiled;
        const QImage image = painted(size.width(), size.height(), [&](QPainter* p) {
            VelQControlBaseImpl::drawNineSlice(p, s, 0, 0, size.width(), size.height());
        });
        for (const auto& [at, colour] : pixels)
            QCOMPARE_PIXEL(image, at.x(), at.y(), colour);
    }

    void nineSliceWithHugeMargins()
    {
        NineSlice s = slice(QStringLiteral("images/nine.png"));
        s.sliceLeft = s.sliceRight = s.sliceTop = s.sliceBottom = 1000;
        const QImage image = painted(
            80, 80, [&](QPainter* p) { VelQControlBaseImpl::drawNineSlice(p, s, 20, 20, 40, 40); });
        // Only the corners have valid rectangles; what they show stays inside the target.
        QVERIFY(QRect(20, 20, 40, 40).contains(inked(image)));
    }

    void alignedImage_data()
    {
        QTest::addColumn<int>("hAlign");
        QTest::addColumn<int>("vAlign");
        QTest::addColumn<QPoint>("topLeft");
        // The 20 × 40 image in the box (10, 10, 45, 60), with dx 1 and dy 2.
        QTest::newRow("left top") << 0 << 0 << QPoint(11, 12);
        QTest::newRow("centre centre") << 1 << 1 << QPoint(10 + 12 + 1, 10 + 10 + 2);
        QTest::newRow("right bottom") << 2 << 2 << QPoint(10 + 25 + 1, 10 + 20 + 2);
        QTest::newRow("out of range means origin") << 7 << 9 << QPoint(1, 2);
    }

    void alignedImage()
    {
        QFETCH(int, hAlign);
        QFETCH(int, vAlign);
        QFETCH(QPoint, topLeft);
        const QImage image = painted(100, 100, [&](QPainter* p) {
            VelQControlBaseImpl::drawAlignedImage(p, QStringLiteral("images/tall.png"),
                ImageOffset {1, 2, hAlign, vAlign}, 10, 10, 45, 60, false);
        });
        QCOMPARE(inked(image), QRect(topLeft, QSize(20, 40)));
    }

    void alignedImageWiderThanBox()
    {
        const QImage image = painted(100, 20, [&](QPainter* p) {
            VelQControlBaseImpl::drawAlignedImage(p, QStringLiteral("images/wide50.png"),
                ImageOffset {0, 0, 1, 0}, 10, 0, 45, 20, false);
        });
        // (45 - 50) / 2 truncates to -2.
        QCOMPARE(inked(image).left(), 8);
    }

    void alignedIconUsesRequestedSize()
    {
        const QImage image = painted(100, 100, [&](QPainter* p) {
            const QIcon icon(QPixmap::fromImage(TestSupport::solid(16, 16, Qt::blue)));
            VelQControlBaseImpl::drawAlignedIcon(
                p, icon, QSize(16, 16), ImageOffset {0, 0, 1, 1}, QRect(0, 0, 20, 40));
        });
        QCOMPARE(inked(image), QRect(2, 12, 16, 16));
    }

    void frame_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("allSides");
        QTest::addColumn<QColor>("topLeft");
        QTest::addColumn<QColor>("bottomRight");
        QTest::addColumn<QColor>("leftMiddle");
        QTest::newRow("box with border")
            << true << true << QColor(Qt::blue) << QColor(Qt::blue) << QColor(Qt::blue);
        QTest::newRow("box without border")
            << false << true << QColor(Qt::red) << QColor(Qt::red) << QColor(Qt::red);
        QTest::newRow("only bottom and top")
            << true << false << QColor(Qt::blue) << QColor(Qt::blue) << QColor(Qt::red);
    }

    void frame()
    {
        QFETCH(bool, border);
        QFETCH(bool, allSides);
        QFETCH(QColor, topLeft);
        QFETCH(QColor, bottomRight);
        QFETCH(QColor, leftMiddle);
        ImageStyle s;
        s.color = Qt::red;
        s.borderColor = Qt::blue;
        s.borderSize = 1;
        s.border = border;
        s.leftBorder = s.rightBorder = allSides;
        const QImage image = painted(
            40, 20, [&](QPainter* p) { VelQControlBaseImpl::drawImageStyle(p, s, 0, 0, 40, 20); });
        QCOMPARE_PIXEL(image, 0, 0, topLeft);
        QCOMPARE_PIXEL(image, 39, 19, bottomRight);
        QCOMPARE_PIXEL(image, 0, 10, leftMiddle);
        QCOMPARE_PIXEL(image, 20, 10, QColor(Qt::red));
    }

    void roundedFrameFillsWithinCorners()
    {
        ImageStyle s;
        s.color = Qt::red;
        s.round = 8;
        const QImage image = painted(
            40, 40, [&](QPainter* p) { VelQControlBaseImpl::drawImageStyle(p, s, 0, 0, 40, 40); });
        QCOMPARE_PIXEL(image, 0, 0, transparent);
        QCOMPARE_PIXEL(image, 20, 20, QColor(Qt::red));
        QCOMPARE_PIXEL(image, 20, 0, QColor(Qt::red));
    }

    void gradientFill()
    {
        ImageStyle s;
        s.color = Qt::black;
        s.gradientColor = Qt::white;
        s.gradient = true;
        const QImage image = painted(101, 10,
            [&](QPainter* p) { VelQControlBaseImpl::drawImageStyle(p, s, 0, 0, 101, 10); });
        QVERIFY(qRed(image.pixel(2, 5)) < 20);
        QVERIFY(qRed(image.pixel(98, 5)) > 235);
        QVERIFY(qAbs(qRed(image.pixel(50, 5)) - 128) < 12);
    }

    void invalidStylePaintsNothing()
    {
        ImageStyle s;
        s.valid = false;
        const QImage image = painted(
            10, 10, [&](QPainter* p) { VelQControlBaseImpl::drawImageStyle(p, s, 0, 0, 10, 10); });
        QCOMPARE(inked(image), QRect());
    }

    void imageStylePaintsImageOrBox()
    {
        ImageStyle s;
        s.color = Qt::red;
        s.noImage = false;
        s.image = QStringLiteral("images/nine.png");
        s.sliceLeft = s.sliceRight = s.sliceTop = s.sliceBottom = 10;
        const QImage image = painted(
            40, 40, [&](QPainter* p) { VelQControlBaseImpl::drawImageStyle(p, s, 0, 0, 40, 40); });
        QCOMPARE_PIXEL(image, 0, 0, cornerTL);
    }

    void textElidesUnlessModeIsThree()
    {
        TextStyle ts;
        ts.family = QStringLiteral("DejaVu Sans");
        ts.color = Qt::black;
        ts.vAlign = 0;
        const QString text = QStringLiteral("several words that never fit on a single line");
        const QImage elided = painted(80, 60, [&](QPainter* p) {
            VelQControlBaseImpl::drawStyledText(p, text, ts, 0, 0, 80, 60, true);
        });
        QVERIFY(inked(elided).bottom() < 20);

        ts.elideMode = Qt::ElideNone;
        const QImage wrapped = painted(80, 60, [&](QPainter* p) {
            VelQControlBaseImpl::drawStyledText(p, text, ts, 0, 0, 80, 60, true);
        });
        QVERIFY(inked(wrapped).bottom() > 25);
    }

    void textBottomAlignWithOffset()
    {
        TextStyle ts;
        ts.family = QStringLiteral("DejaVu Sans");
        ts.color = Qt::black;
        ts.vAlign = 2;
        ts.offsetY = 3;
        const QImage image = painted(100, 40, [&](QPainter* p) {
            // The box becomes (0, 3, 100, 23): the text sits on row 25, below the 20-pixel rect.
            VelQControlBaseImpl::drawStyledText(p, QStringLiteral("Hg"), ts, 0, 0, 100, 20, true);
        });
        QVERIFY(inked(image).bottom() > 20);
        QVERIFY(inked(image).bottom() <= 26);
    }

    void textColourAndOffset()
    {
        TextStyle ts;
        ts.family = QStringLiteral("DejaVu Sans");
        ts.color = QColor(0, 0, 255);
        ts.offsetX = 30;
        ts.size = 20;
        const QImage image = painted(100, 30, [&](QPainter* p) {
            VelQControlBaseImpl::drawStyledText(p, QStringLiteral("IIII"), ts, 0, 0, 100, 30, true);
        });
        QVERIFY(inked(image).left() >= 30);
        const QRect ink = inked(image);
        QVERIFY(TestSupport::holds(
            image, QColor(0, 0, 255), 10, QRect(ink.left(), ink.center().y(), ink.width(), 1)));
    }

    void verticalText()
    {
        TextStyle ts;
        ts.family = QStringLiteral("DejaVu Sans");
        ts.color = Qt::black;
        ts.hAlign = 0;
        ts.vAlign = 0;
        ts.isHor = false;
        const QImage image = painted(120, 120, [&](QPainter* p) {
            VelQControlBaseImpl::drawStyledText(
                p, QStringLiteral("Vertical"), ts, QRect(30, 10, 20, 100));
        });
        const QRect ink = inked(image);
        QVERIFY(QRect(30, 10, 20, 100).contains(ink));
        QVERIFY(ink.height() > 2 * ink.width());
        // Turned clockwise, the first line hugs the box's right edge.
        QVERIFY(ink.right() > 40);
    }
};

QTEST_MAIN(tst_Painting)
#include "tst_painting.moc"
