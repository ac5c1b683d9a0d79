#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCanvas_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

class tst_Canvas : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        // Elements named like the canvas's factory key, or not named at all, must not reach it.
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({boxStyle("red", Qt::red)})},
                {"theme.json", R"({"elements": [{"child": [
                    {"attr": {"unnamed": 1}}, {"name": "canvas", "attr": {"named": 1}}]}]})"}}));
        host.resize(300, 200);
    }

    void factory()
    {
        const ::Json::Value json = parsed(R"({"x": 5, "y": 6, "w": 70, "h": 40})");
        std::unique_ptr<QWidget> w(CreateControl("canvas", &json, &host));
        auto* canvas = qobject_cast<VelQCanvas*>(w.get());
        QVERIFY(canvas);
        QCOMPARE(canvas->typeName(), QStringLiteral("canvas"));
        QVERIFY(canvas->impl()->typeName.isEmpty());
        canvas->applyLayout();
        QCOMPARE(canvas->geometry(), QRect(5, 6, 70, 40));
    }

    void noThemeElementApplies()
    {
        CThemeManager::instance().setUseThemePackage(false);
        VelQCanvas canvas(&host);
        QVERIFY(canvas.impl()->attributes.empty());
        QVERIFY(!CThemeManager::instance().useThemePackage());
    }

    void greyEverywhere_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hovered");
        QTest::newRow("plain") << QByteArray("{}") << true << false;
        QTest::newRow("a style list is not painted")
            << QByteArray(R"({"style": [["red", 0, 0]], "attr": {}})") << true << false;
        QTest::newRow("disabled") << QByteArray("{}") << false << false;
        QTest::newRow("hovered") << QByteArray("{}") << true << true;
    }

    void greyEverywhere()
    {
        QFETCH(QByteArray, description);
        QFETCH(bool, enabled);
        QFETCH(bool, hovered);
        VelQCanvas canvas(&host);
        const ::Json::Value json = parsed(description);
        canvas.loadAttributes(&json);
        canvas.setGeometry(0, 0, 64, 48);
        canvas.setEnabled(enabled);
        if (hovered)
            sendEnter(&canvas);
        QCOMPARE(countNear(paintedAlone(&canvas, true), Qt::gray, 0), 64 * 48);
    }
};

QTEST_MAIN(tst_Canvas)
#include "tst_canvas.moc"
