#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQProgressBar_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor grooveBlue(0, 0, 255), chunkMagenta(255, 0, 255), textYellow(255, 255, 0);

std::unique_ptr<VelQProgressBar> skinned(QSize size, const QByteArray& attr = "{}")
{
    auto bar = std::make_unique<VelQProgressBar>();
    bar->resize(size);
    const ::Json::Value json
        = parsed(R"({"style": [["groove", 0, 0], ["chunk", 0, 2], ["digits", 0, 4]], "attr": )"
            + attr + "}");
    bar->loadAttributes(&json);
    return bar;
}

// The box the chunk's colour covers in image.
QRect chunkOf(const QImage& image)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (near(image.pixel(x, y), chunkMagenta))
                found |= QRect(x, y, 1, 1);
        }
    }
    return found;
}

} // namespace

class tst_ProgressBar : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("progress.data"),
            {boxStyle("groove", grooveBlue), boxStyle("chunk", chunkMagenta),
                textStyle("digits", textYellow, 14, R"("hor": 1)")}));
    }

    void chunkAndText_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QRect>("chunk");
        QTest::newRow("0%") << 0 << QRect();
        QTest::newRow("45%") << 45 << QRect(0, 0, 90, 24);
        QTest::newRow("100%") << 100 << QRect(0, 0, 200, 24);
    }

    void chunkAndText()
    {
        QFETCH(int, value);
        QFETCH(QRect, chunk);
        auto bar = skinned(
            QSize(200, 24), R"({"showText": true, "val": )" + QByteArray::number(value) + "}");
        QCOMPARE(bar->value(), value);
        const QImage image = paintedAlone(bar.get());

        // The expected picture: groove, chunk, then the value text centred in the digits style.
        QImage expected(200, 24, QImage::Format_ARGB32);
        expected.fill(grooveBlue);
        {
            QPainter p(&expected);
            p.fillRect(chunk, chunkMagenta);
            TextStyle digits;
            CThemeManager::instance().getTextStyle(QStringLiteral("digits"), digits);
            VelQControlBaseImpl::drawStyledText(
                &p, QString::number(value) + QLatin1Char('%'), digits, QRect(0, 0, 200, 24), true);
        }
        QCOMPARE(image, expected);
        // The text is really there: yellow pixels in the middle of the bar.
        QVERIFY(countNear(image, textYellow, 40, QRect(80, 0, 40, 24)) > 10);
    }

    void chunkGeometry_data()
    {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("chunk");
        QTest::newRow("half of 200")
            << QByteArray("0 100 50 h") << QSize(200, 10) << QRect(0, 0, 100, 10);
        QTest::newRow("vertical from the bottom")
            << QByteArray("0 100 25 v") << QSize(30, 100) << QRect(0, 75, 30, 25);
        QTest::newRow("fraction is value over range")
            << QByteArray("50 150 100 h") << QSize(200, 10) << QRect(0, 0, 200, 10);
        QTest::newRow("truncated toward zero")
            << QByteArray("0 3 1 h") << QSize(100, 10) << QRect(0, 0, 33, 10);
        QTest::newRow("empty range shows no chunk")
            << QByteArray("0 0 0 h") << QSize(100, 10) << QRect();
    }

    void chunkGeometry()
    {
        QFETCH(QByteArray, setup);
        QFETCH(QSize, size);
        QFETCH(QRect, chunk);
        const QList<QByteArray> f = setup.split(' ');
        auto bar = skinned(size);
        bar->setOrientation(f[3] == "h" ? Qt::Horizontal : Qt::Vertical);
        bar->resize(size);
        bar->setRange(f[0].toInt(), f[1].toInt());
        bar->setValue(f[2].toInt());
        QCOMPARE(chunkOf(paintedAlone(bar.get())), chunk);
    }

    void sameLookInEveryState()
    {
        auto bar = skinned(QSize(100, 10), R"({"val": 50})");
        const QImage normal = paintedAlone(bar.get());
        sendEnter(bar.get());
        sendMouse(
            bar.get(), QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(paintedAlone(bar.get()), normal);
        bar->setEnabled(false);
        QCOMPARE(paintedAlone(bar.get()), normal);
        QCOMPARE(bar->impl()->state, int(Pressed));
    }

    void defaultsAreWhiteBoxesWithoutText()
    {
        VelQProgressBar bar;
        bar.resize(100, 10);
        bar.setValue(50);
        auto* d = static_cast<VelQProgressBarImpl*>(bar.impl());
        QVERIFY(!d->showText);
        const QImage image = paintedAlone(&bar);
        QCOMPARE_PIXEL(image, 10, 5, QColor(Qt::white));
        QCOMPARE_PIXEL(image, 90, 5, QColor(Qt::white));
    }

    void attrKeys()
    {
        auto bar = skinned(QSize(100, 10), R"({"showText": true, "val": 30})");
        auto* d = static_cast<VelQProgressBarImpl*>(bar->impl());
        QVERIFY(d->showText);
        QCOMPARE(bar->value(), 30);
        // Absent keys leave the fields alone.
        const ::Json::Value none = parsed(R"({"attr": {}})");
        bar->loadAttributes(&none);
        QVERIFY(d->showText);
        QCOMPARE(bar->value(), 30);
        const ::Json::Value bad = parsed(R"({"attr": {"showText": "no", "val": [5]}})");
        bar->loadAttributes(&bad);
        QVERIFY(d->showText);
        QCOMPARE(bar->value(), 30);
        // Slots other than 0, 2 and 4 are skipped.
        const ::Json::Value other = parsed(R"({"style": [["chunk", 0, 1], ["chunk", 0, 3]]})");
        bar->loadAttributes(&other);
        QCOMPARE_PIXEL(paintedAlone(bar.get()), 90, 5, grooveBlue);
    }

    void extremeValuesDoNotOverflow()
    {
        auto bar = skinned(QSize(100, 10));
        bar->setRange(INT_MIN, INT_MAX);
        bar->setValue(INT_MAX);
        paintedAlone(bar.get());
        bar->setRange(INT_MAX - 1, INT_MAX);
        bar->setValue(INT_MAX);
        QCOMPARE(chunkOf(paintedAlone(bar.get())), QRect(0, 0, 100, 10));
    }
};

QTEST_MAIN(tst_ProgressBar)
#include "tst_progressbar.moc"
