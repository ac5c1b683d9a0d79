#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQGroupBox_p.h>

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor black(0, 0, 0), red(255, 0, 0), white(255, 255, 255), none(0, 0, 0, 0),
    pink(255, 0, 255);

VelQGroupBoxImpl* implOf(VelQGroupBox& box)
{
    return TestSupport::implOf<VelQGroupBoxImpl>(box);
}

} // namespace

class tst_GroupBox : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("groupbox.data"),
            {textStyle("caption", red, 14), boxStyle("pinkBox", pink)}));
        host.resize(300, 200);
        host.show();
    }

    void frame_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bottomShows");
        QTest::addColumn<QColor>("line");
        QTest::newRow("no caption")
            << QByteArray(R"("showText": false, "text": "Title")") << QString() << true << black;
        QTest::newRow("caption") << QByteArray(R"("text": "Title")") << "Title" << true << black;
        QTest::newRow("line below the widget")
            << QByteArray(R"("size": false)") << QString() << false << black;
        QTest::newRow("line inside with size true")
            << QByteArray(R"("size": true)") << QString() << true << black;
        QTest::newRow("number colour")
            << QByteArray(R"("color": 16711680)") << QString() << true << red;
        QTest::newRow("negative colour")
            << QByteArray(R"("color": -1)") << QString() << true << white;
        QTest::newRow("array colour ignored")
            << QByteArray(R"("color": [255], "size": "no")") << QString() << true << black;
    }

    void frame()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QString, caption);
        QFETCH(bool, bottomShows);
        QFETCH(QColor, line);
        VelQGroupBox box(&host);
        const ::Json::Value json = parsed(R"({"w": 120, "h": 60, "style": [["caption", 0, 2]],
            "attr": {)"
            + attr + "}}");
        box.loadAttributes(&json);
        box.applyLayout();
        const TextStyle& style = implOf(box)->textStyle;
        QCOMPARE(style.color, red);
        const QFontMetrics metrics(fontOf(style));
        const int m = metrics.height() / 2;
        const int tw = caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption);
        const QImage image = paintedAlone(&box);
        // The top line runs from the left edge to left + 5, and from left + 9 + tw on.
        QCOMPARE_PIXEL(image, 0, m, line);
        QCOMPARE_PIXEL(image, 5, m, line);
        QCOMPARE_PIXEL(image, 9 + tw, m, line);
        QCOMPARE_PIXEL(image, 117, m, line);
        QCOMPARE_PIXEL(image, 118, m, line);
        QCOMPARE_PIXEL(image, 119, m, none);
        QCOMPARE_PIXEL(image, 8 + tw, m - 1, none);
        if (caption.isEmpty()) {
            QCOMPARE_PIXEL(image, 6, m, none);
            QCOMPARE_PIXEL(image, 8, m, none);
        }
        QCOMPARE_PIXEL(image, 0, 30, line);
        QCOMPARE_PIXEL(image, 118, 30, line);
        QCOMPARE_PIXEL(image, 60, 59, bottomShows ? line : none);
        QCOMPARE_PIXEL(image, 0, 59, line);
        QCOMPARE_PIXEL(image, 60, 58, none);
        QCOMPARE_PIXEL(image, 0, m - 1, none);
    }

    void captionSitsInTheGap()
    {
        VelQGroupBox box(&host);
        const ::Json::Value json = parsed(R"({"w": 160, "h": 60,
            "style": [["pinkBox", 0, 0], ["caption", 0, 2], ["pinkBox", 0, 1]],
            "attr": {"text": "MMMM"}})");
        box.loadAttributes(&json);
        box.applyLayout();
        const QImage image = paintedAlone(&box);
        const int tw = QFontMetrics(fontOf(implOf(box)->textStyle)).horizontalAdvance("MMMM");
        const auto [first, last] = columnsOf(image, red, 80);
        QVERIFY2(first >= 7 && first <= 9, QByteArray::number(first));
        QVERIFY2(last < 7 + tw + 5 && last > 7 + tw - 4, QByteArray::number(last));
        // The background record is kept but not painted.
        QCOMPARE(implOf(box)->backgroundStyle.color, pink);
        QCOMPARE_PIXEL(image, 80, 30, none);
    }

    void drawsIntoAnyRectangle()
    {
        VelQGroupBox box(&host);
        implOf(box)->showText = false;
        QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            box.impl()->draw(&painter, QRect(50, 20, 100, 60));
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        const int m = 20 + QFontMetrics(fontOf(TextStyle())).height() / 2;
        QCOMPARE_PIXEL(image, 50, m, black);
        QCOMPARE_PIXEL(image, 148, 79, black);
        QCOMPARE_PIXEL(image, 149, 79, none);
        QCOMPARE_PIXEL(image, 49, m, none);
    }
};

QTEST_MAIN(tst_GroupBox)
#include "tst_groupbox.moc"
