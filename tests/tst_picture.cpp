#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQImage_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), magenta(255, 0, 255),
    clear(0, 0, 0, 0);

// Red, green, blue and magenta quarters, clockwise from the top left, so that any shift or
// scaling shows on the pixels.
QImage quarters(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2;
            const bool bottom = y >= h / 2;
            image.setPixelColor(x, y, bottom ? (right ? magenta : blue) : (right ? green : red));
        }
    }
    return image;
}

} // namespace

class tst_Picture : public QObject {
    Q_OBJECT

    QWidget host;

    std::unique_ptr<VelQImage> picture(const QByteArray& attr, QSize size = QSize(100, 60))
    {
        auto p = std::make_unique<VelQImage>(&host);
        const ::Json::Value json = parsed(R"({"w": )" + QByteArray::number(size.width())
            + R"(, "h": )" + QByteArray::number(size.height()) + R"(, "attr": )" + attr + "}");
        p->loadAttributes(&json);
        p->applyLayout();
        return p;
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("app.data"), {},
            {{"small.png", png(quarters(40, 40))}, {"big.png", png(quarters(120, 80))}}));
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({})}, {"images/themed.png", solidPng(magenta, 8, 8)}}));
        host.resize(300, 200);
    }

    // Each row: where the image's top-left and bottom-right pixels land, and what surrounds.
    void placement_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<QColor>>("colours");
        QTest::newRow("centred unscaled")
            << QByteArray(R"({"path": "small.png", "fill": false})")
            << QList<QPoint> {{30, 10}, {49, 29}, {50, 30}, {69, 49}, {29, 10}, {30, 9}, {70, 49},
                   {69, 50}}
            << QList<QColor> {red, red, magenta, magenta, clear, clear, clear, clear};
        QTest::newRow("larger than the widget is cut")
            << QByteArray(R"({"path": "big.png", "fill": false})")
            << QList<QPoint> {{0, 0}, {49, 29}, {50, 30}, {99, 59}, {50, 29}, {49, 30}}
            << QList<QColor> {red, red, magenta, magenta, green, blue};
        QTest::newRow("stretched by default")
            << QByteArray(R"({"path": "small.png"})")
            << QList<QPoint> {{0, 0}, {47, 27}, {52, 32}, {99, 59}, {99, 0}, {0, 59}}
            << QList<QColor> {red, red, magenta, magenta, green, blue};
        QTest::newRow("stretched when fill is true")
            << QByteArray(R"({"path": "big.png", "fill": true})")
            << QList<QPoint> {{0, 0}, {47, 27}, {52, 32}, {99, 59}}
            << QList<QColor> {red, red, magenta, magenta};
        QTest::newRow("theme package entry")
            << QByteArray(R"({"path": "Images\\Themed.png", "fill": false})")
            << QList<QPoint> {{46, 26}, {53, 33}, {45, 26}, {54, 33}}
            << QList<QColor> {magenta, magenta, clear, clear};
        QTest::newRow("missing image draws nothing")
            << QByteArray(R"({"path": "nothing.png"})") << QList<QPoint> {{0, 0}, {50, 30}}
            << QList<QColor> {clear, clear};
        QTest::newRow("no path draws nothing")
            << QByteArray("{}") << QList<QPoint> {{50, 30}} << QList<QColor> {clear};
    }

    void placement()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QColor>, colours);
        auto p = picture(attr);
        QCOMPARE(p->size(), QSize(100, 60));
        const QImage image = paintedAlone(p.get(), true);
        for (int i = 0; i < points.size(); ++i)
            QCOMPARE_PIXEL(image, points[i].x(), points[i].y(), colours[i]);
    }

    void stretchedImageFillsTheWidget()
    {
        auto p = picture(R"({"path": "small.png"})", QSize(100, 60));
        const QImage image = paintedAlone(p.get(), true);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 100; ++x)
                QCOMPARE(qAlpha(image.pixel(x, y)), 255);
        }
    }

    void unreadableAttributesKeepFields()
    {
        auto p = picture(R"({"path": "small.png", "fill": false})");
        const ::Json::Value json = parsed(R"({"attr": {"path": [1], "fill": "no"}})");
        p->loadAttributes(&json);
        QCOMPARE(p->path(), QStringLiteral("small.png"));
        QVERIFY(!p->fill());
        const ::Json::Value noAttr = parsed(R"({"w": 100, "h": 60})");
        p->loadAttributes(&noAttr);
        QCOMPARE(p->path(), QStringLiteral("small.png"));
    }

    void settersRepaint()
    {
        auto p = picture("{}");
        p->setPath(QStringLiteral("small.png"));
        p->setFill(false);
        const QImage image = paintedAlone(p.get(), true);
        QCOMPARE_PIXEL(image, 30, 10, red);
        QCOMPARE_PIXEL(image, 29, 10, clear);
    }

    void paintingKeepsTheState()
    {
        auto p = picture(R"({"path": "small.png"})");
        p->setEnabled(false);
        paintedAlone(p.get(), true);
        QCOMPARE(p->impl()->state, int(Normal));
        // A disabled picture shows its image unchanged.
        QCOMPARE_PIXEL(paintedAlone(p.get(), true), 5, 5, red);
    }

    void fromDescription()
    {
        QWidget window;
        window.resize(200, 100);
        const ::Json::Value root = parsed(R"({"elements": [{"type": "image", "name": "logo",
            "layout": {"type": 1, "x": 10, "y": 10, "r": 10, "b": 10},
            "attr": {"path": "small.png", "fill": false}}]})");
        QVERIFY(LoadElements(&root, &window));
        auto* p = window.findChild<VelQImage*>(QStringLiteral("logo"));
        QVERIFY(p);
        QCOMPARE(p->geometry(), QRect(10, 10, 180, 80));
        const QImage image = paintedAlone(p, true);
        QCOMPARE_PIXEL(image, 70, 20, red);
        QCOMPARE_PIXEL(image, 109, 59, magenta);
        QCOMPARE_PIXEL(image, 110, 59, clear);
    }
};

QTEST_MAIN(tst_Picture)
#include "tst_picture.moc"
