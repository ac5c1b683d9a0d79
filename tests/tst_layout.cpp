#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

class tst_Layout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
    }

    void geometry_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("fixed from keys") << QByteArray(R"({"x": 3, "y": 4, "w": 50, "h": 20})")
                                         << QSize(200, 100) << QRect(3, 4, 50, 20);
        QTest::newRow("no keys at all") << QByteArray("{}") << QSize(200, 100) << QRect(0, 0, 0, 0);
        QTest::newRow("anchor stretch right margin")
            << QByteArray(R"({"h": 10, "layout": {"type": 0, "x": 5, "r": 10}})") << QSize(200, 100)
            << QRect(5, 0, 185, 10);
        QTest::newRow("anchor centred odd parent")
            << QByteArray(R"({"w": 50, "h": 10, "layout": {"hor": 1}})") << QSize(101, 100)
            << QRect(25, 0, 50, 10);
        QTest::newRow("anchor centred with offset")
            << QByteArray(R"({"w": 50, "h": 10, "layout": {"hor": 1, "ver": 1, "x": 3, "y": -2}})")
            << QSize(100, 41) << QRect(28, 13, 50, 10);
        QTest::newRow("anchor right edge")
            << QByteArray(R"({"w": 30, "h": 10, "layout": {"hor": 2, "x": 4}})") << QSize(200, 100)
            << QRect(166, 0, 30, 10);
        QTest::newRow("anchor bottom stretch")
            << QByteArray(R"({"w": 30, "layout": {"y": 100, "b": 0, "r": 0}})") << QSize(300, 400)
            << QRect(0, 100, 300, 300);
        QTest::newRow("anchor centred stretch ignores x in width")
            << QByteArray(R"({"h": 10, "layout": {"hor": 1, "x": 7, "r": 20}})") << QSize(100, 50)
            << QRect(17, 0, 80, 10);
        QTest::newRow("anchor explicit types")
            << QByteArray(R"({"w": 40, "h": 30, "layout": {"wType": 1, "hType": 2, "x": 10}})")
            << QSize(100, 50) << QRect(10, 0, 50, 0);
        QTest::newRow("anchor bottom aligned stretch")
            << QByteArray(R"({"w": 40, "layout": {"ver": 2, "y": 5, "b": 10}})") << QSize(100, 50)
            << QRect(0, 5, 40, 40);
        QTest::newRow("fill") << QByteArray(
            R"({"layout": {"type": 1, "x": 1, "y": 2, "r": 3, "b": 4}})")
                              << QSize(100, 50) << QRect(1, 2, 96, 44);
        QTest::newRow("geometry of 2^31")
            << QByteArray(R"({"x": 2147483647, "w": 2147483647, "h": -5})") << QSize(100, 50)
            << QRect(16777215, 0, 16777215, 0);
        QTest::newRow("anchor 2^31 stretch")
            << QByteArray(R"({"layout": {"x": -2147483648, "r": 2147483647}})") << QSize(100, 50)
            << QRect(-16777215, 0, 101, 0);
    }

    void geometry()
    {
        QFETCH(QByteArray, element);
        QFETCH(QSize, parent);
        QFETCH(QRect, expected);
        QWidget host;
        host.resize(parent);
        VelQPushButton button(&host);
        const ::Json::Value json = parsed(element);
        button.loadAttributes(&json);
        button.applyLayout();
        QCOMPARE(button.geometry(), expected);
    }

    void fixedLayoutFixesTheSize()
    {
        QWidget host;
        host.resize(300, 300);
        VelQPushButton button(&host);
        const ::Json::Value json = parsed(R"({"x": 1, "y": 2, "w": 30, "h": 20})");
        button.loadAttributes(&json);
        QCOMPARE(button.layoutType(), int(LayoutFixed));
        button.applyLayout();
        QCOMPARE(button.minimumSize(), QSize(30, 20));
        QCOMPARE(button.maximumSize(), QSize(30, 20));
    }

    void layoutTypeThreeAppliesAtOnce()
    {
        QWidget host;
        VelQPushButton button(&host);
        const int rect[4] = {5, 6, 70, 80};
        button.setFixedLayout(rect);
        QCOMPARE(button.geometry(), QRect(5, 6, 70, 80));
        const ::Json::Value json = parsed(R"({"x": 1, "w": 2, "layout": {"type": 3}})");
        button.loadAttributes(&json);
        QCOMPARE(button.geometry(), QRect(5, 6, 70, 80));
        QCOMPARE(button.layoutType(), 3);
    }

    void otherLayoutTypesLeaveGeometry()
    {
        QWidget host;
        host.resize(200, 200);
        VelQPushButton button(&host);
        button.setGeometry(7, 8, 9, 10);
        for (const char* json : {R"({"layout": {"type": 2}})", R"({"layout": {"type": 9}})"}) {
            const ::Json::Value element = parsed(json);
            button.loadAttributes(&element);
            button.applyLayout();
            QCOMPARE(button.geometry(), QRect(7, 8, 9, 10));
        }
        QCOMPARE(button.layoutType(), 9);
        const int* numbers = nullptr;
        button.layoutParams(numbers);
        QVERIFY(!numbers);
    }

    void withoutParentNothingMoves()
    {
        VelQPushButton outer;
        outer.setGeometry(1, 2, 3, 4);
        VelQPushButton inner(&outer);
        const int fill[4] = {0, 0, 0, 0};
        outer.setFillLayout(fill);
        inner.setFillLayout(fill);
        outer.applyLayout();
        QCOMPARE(outer.geometry(), QRect(1, 2, 3, 4));
        QCOMPARE(inner.geometry(), QRect(0, 0, 100, 30));
    }

    void childrenFollowDepthFirst()
    {
        QWidget host;
        host.resize(400, 300);
        VelQPushButton outer(&host);
        VelQPushButton inner(&outer);
        const int anchor[8] = {0, 0, 1, 1, 10, 10, 10, 10};
        outer.setAnchorLayout(anchor);
        const int fill[4] = {2, 2, 2, 2};
        inner.setFillLayout(fill);
        outer.applyLayout();
        QCOMPARE(outer.geometry(), QRect(10, 10, 380, 280));
        QCOMPARE(inner.geometry(), QRect(2, 2, 376, 276));
    }

    void commonKeys()
    {
        QWidget host;
        VelQPushButton button(&host);
        button.setVisible(false);
        const ::Json::Value json
            = parsed("{\"name\": \"ok\", \"tooltip\": \"\xC4\xE3\", \"enable\": false}");
        button.loadAttributes(&json);
        QCOMPARE(button.objectName(), QStringLiteral("ok"));
        QCOMPARE(button.toolTip(), QString::fromUtf8("\xE4\xBD\xA0"));
        QVERIFY(!button.isEnabled());
        QVERIFY(!button.isHidden());
        const ::Json::Value hidden = parsed(R"({"visibility": false, "name": 5})");
        button.loadAttributes(&hidden);
        QVERIFY(button.isHidden());
        QCOMPARE(button.objectName(), QStringLiteral("5"));
    }

    void reservedLayoutIsStored()
    {
        QWidget host;
        host.resize(100, 100);
        VelQPushButton button(&host);
        button.setGeometry(1, 1, 1, 1);
        ReservedLayout reserved {{1, 2, 3, 4}, 0.5};
        button.setReservedLayout(reserved);
        button.applyLayout();
        QCOMPARE(button.layoutType(), int(LayoutReserved));
        QCOMPARE(button.controlBase()->reserved.ratio, 0.5);
        QCOMPARE(button.geometry(), QRect(1, 1, 1, 1));
    }
};

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
