#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQSplitter_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor barOrange(255, 128, 0);

// A parent that counts the mouse events its children pass on.
class Recorder : public QWidget {
public:
    int presses = 0;
    int moves = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void mouseMoveEvent(QMouseEvent*) override { ++moves; }
};

} // namespace

class tst_Splitter : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("app.data"), {boxStyle("bar", barOrange)}));
        host.resize(300, 200);
    }

    void look_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QColor>("colour");
        const QColor nothing(0, 0, 0, 0);
        QTest::newRow("no style paints nothing") << QByteArray("{}") << nothing;
        QTest::newRow("other slots are skipped")
            << QByteArray(R"({"style": [["bar", 0, 1], ["bar", 0, -1]]})") << nothing;
        QTest::newRow("slot 0 styles the bar")
            << QByteArray(R"({"style": [["bar", 0, 0]]})") << barOrange;
        QTest::newRow("empty clears it")
            << QByteArray(R"({"style": [["bar", 0, 0], ["empty", 0, 0]]})") << nothing;
    }

    void look()
    {
        QFETCH(QByteArray, description);
        QFETCH(QColor, colour);
        VelQSplitter splitter(&host);
        splitter.setGeometry(0, 0, 6, 50);
        const ::Json::Value json = parsed(description);
        splitter.loadAttributes(&json);
        const QImage image = paintedAlone(&splitter, true);
        QCOMPARE_PIXEL(image, 0, 0, colour);
        QCOMPARE_PIXEL(image, 3, 25, colour);
        QCOMPARE_PIXEL(image, 5, 49, colour);
    }

    void swallowsTheMouse()
    {
        Recorder parent;
        parent.resize(200, 200);
        VelQSplitter splitter(&parent);
        splitter.setGeometry(100, 0, 6, 200);
        const ::Json::Value json = parsed(R"({"style": [["bar", 0, 0]]})");
        splitter.loadAttributes(&json);
        QVERIFY(shown(&parent));

        QTest::mousePress(&splitter, Qt::LeftButton, Qt::NoModifier, QPoint(3, 50));
        QTest::mouseMove(&splitter, QPoint(40, 60));
        QTest::mouseRelease(&splitter, Qt::LeftButton, Qt::NoModifier, QPoint(40, 60));
        QCOMPARE(parent.presses, 0);
        QCOMPARE(splitter.geometry(), QRect(100, 0, 6, 200));
        QCOMPARE(splitter.impl()->state, int(Normal));

        // An ordinary child passes the same press on to its parent.
        QWidget plain(&parent);
        plain.setGeometry(10, 10, 20, 20);
        plain.show();
        QTest::mousePress(&plain, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(parent.presses, 1);
        QTest::mouseRelease(&plain, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }

    void hoverKeepsTheLook()
    {
        VelQSplitter splitter(&host);
        splitter.setGeometry(0, 0, 6, 50);
        const ::Json::Value json = parsed(R"({"style": [["bar", 0, 0]]})");
        splitter.loadAttributes(&json);
        sendEnter(&splitter);
        QCOMPARE(splitter.impl()->state, int(Normal));
        QCOMPARE_PIXEL(paintedAlone(&splitter, true), 3, 25, barOrange);
    }
};

QTEST_MAIN(tst_Splitter)
#include "tst_splitter.moc"
