#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQTabWidget_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor backBlue(0, 0, 255), normalGreen(0, 200, 0), hoverRed(200, 0, 0),
    currentMagenta(255, 0, 255), iconCyan(0, 255, 255), selectedYellow(255, 255, 0),
    textWhite(255, 255, 255);

const QByteArray fullStyle = R"([["back", 0, 0], ["normal", 0, 1], ["hover", 0, 2],
    ["current", 0, 3], ["text", 0, 5]])";

// Three tabs of 80 with gaps of 4, in a 300 × 40 row or a 40 × 300 column.
std::unique_ptr<VelQTabWidget> strip(QWidget* parent, bool vertical = false,
    const QByteArray& extraAttr = R"("showText": 0)", const QByteArray& style = fullStyle)
{
    auto tabs = std::make_unique<VelQTabWidget>(parent);
    const QByteArray attr = R"({"itemSize": 80, "itemSpace": 4, "isHor": )"
        + QByteArray(vertical ? "false" : "true") + ", " + extraAttr + "}";
    const ::Json::Value json
        = parsed(QByteArray(vertical ? R"({"w": 40, "h": 300)" : R"({"w": 300, "h": 40)")
            + R"(, "style": )" + style + R"(, "attr": )" + attr + "}");
    tabs->loadAttributes(&json);
    tabs->applyLayout();
    for (int i = 0; i < 3; ++i)
        tabs->addItem(
            QStringLiteral("Tab %1").arg(i), QStringLiteral("icon.png"), QStringLiteral("sel.png"));
    return tabs;
}

// The middle of tab i of a strip made by strip().
QPoint middle(int i, bool vertical = false)
{
    const int along = i * 84 + 40;
    return vertical ? QPoint(20, along) : QPoint(along, 20);
}

} // namespace

class tst_TabWidget : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("tabs.data"),
            {boxStyle("back", backBlue), boxStyle("normal", normalGreen),
                boxStyle("hover", hoverRed), boxStyle("current", currentMagenta),
                R"({"type": 2, "name": "text", "clr": "ffffff", "size": 16, "bold": true,
                    "hor": 1, "ver": 1})"},
            {{"icon.png", solidPng(iconCyan)}, {"sel.png", solidPng(selectedYellow)}}));
        host.resize(400, 400);
    }

    void itemRects_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<QList<QRect>>("rects");
        QTest::newRow("row") << false
                             << QList<QRect> {{0, 0, 80, 40}, {84, 0, 80, 40}, {168, 0, 80, 40}};
        QTest::newRow("column") << true
                                << QList<QRect> {{0, 0, 40, 80}, {0, 84, 40, 80}, {0, 168, 40, 80}};
    }

    void itemRects()
    {
        QFETCH(bool, vertical);
        QFETCH(QList<QRect>, rects);
        auto tabs = strip(&host, vertical);
        for (int i = 0; i < rects.size(); ++i)
            QCOMPARE(tabs->tabRect(i), rects[i]);

        // Every item is painted over exactly its rectangle; the gaps show the background.
        const QImage image = render(tabs.get());
        const QPoint along = vertical ? QPoint(0, 1) : QPoint(1, 0);
        const QPoint across = vertical ? QPoint(39, 0) : QPoint(0, 39);
        for (int i = 0; i < rects.size(); ++i) {
            const QColor face = i == 0 ? currentMagenta : normalGreen;
            const QPoint first = rects[i].topLeft();
            const QPoint last = first + along * 79;
            QCOMPARE_PIXEL(image, first.x(), first.y(), face);
            QCOMPARE_PIXEL(image, (last + across).x(), (last + across).y(), face);
            const QPoint gap = last + along;
            QCOMPARE_PIXEL(image, gap.x(), gap.y(), backBlue);
        }
        QCOMPARE_PIXEL(image, (along * 299).x(), (along * 299).y(), backBlue);
    }

    void hitTest_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<int>("along");
        QTest::addColumn<int>("expected");
        for (const bool vertical : {false, true}) {
            const char* o = vertical ? "column" : "row";
            QTest::addRow("%s first pixel", o) << vertical << 0 << 0;
            QTest::addRow("%s last pixel of item 0", o) << vertical << 79 << 0;
            QTest::addRow("%s gap", o) << vertical << 82 << -1;
            QTest::addRow("%s item 1", o) << vertical << 84 << 1;
            QTest::addRow("%s after the items", o) << vertical << 260 << -1;
        }
    }

    void hitTest()
    {
        QFETCH(bool, vertical);
        QFETCH(int, along);
        QFETCH(int, expected);
        auto tabs = strip(&host, vertical);
        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        const QPoint at = vertical ? QPoint(20, along) : QPoint(along, 20);
        QTest::mousePress(tabs.get(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(changed.count(), expected < 0 ? 0 : 1);
        if (expected >= 0)
            QCOMPARE(changed.at(0).at(0).toInt(), expected);
        QCOMPARE(tabs->currentIndex(), expected < 0 ? 0 : expected);
    }

    void clickShowsCurrentLookAndIcon_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("row") << false;
        QTest::newRow("column") << true;
    }

    void clickShowsCurrentLookAndIcon()
    {
        QFETCH(bool, vertical);
        auto tabs = strip(&host, vertical);
        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(1, vertical));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(tabs->currentIndex(), 1);

        const QImage image = render(tabs.get());
        const QPoint offset = vertical ? QPoint(-15, -35) : QPoint(-35, -15);
        for (int i = 0; i < 3; ++i) {
            const QPoint icon = middle(i, vertical) + QPoint(-5, -5);
            const QPoint corner = middle(i, vertical) + offset;
            QCOMPARE_PIXEL(image, corner.x(), corner.y(), i == 1 ? currentMagenta : normalGreen);
            // Centred 10 × 10 icon: the selected icon on the current tab only.
            QCOMPARE_PIXEL(image, icon.x(), icon.y(), i == 1 ? selectedYellow : iconCyan);
            QCOMPARE_PIXEL(image, icon.x() + 9, icon.y() + 9, i == 1 ? selectedYellow : iconCyan);
            QCOMPARE_PIXEL(image, icon.x() - 1, icon.y(), i == 1 ? currentMagenta : normalGreen);
        }
    }

    void pressingTheCurrentTabAgainEmitsAgain()
    {
        auto tabs = strip(&host);
        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(0));
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(2));
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(2));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        QCOMPARE(changed.at(1).at(0).toInt(), 2);
        QCOMPARE(changed.at(2).at(0).toInt(), 2);
        // A release alone changes nothing.
        QTest::mouseRelease(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(1));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(tabs->currentIndex(), 2);
    }

    void noItemsNoSignal()
    {
        VelQTabWidget tabs(&host);
        tabs.resize(200, 40);
        QSignalSpy changed(&tabs, &VelQTabWidget::currentChanged);
        QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(changed.count(), 0);
    }

    void hoverFollowsTheMouse()
    {
        auto tabs = strip(&host);
        QVERIFY(tabs->testAttribute(Qt::WA_MouseTracking));
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs->impl());
        const auto faceOf = [&](int i) {
            const QPoint p = middle(i) + QPoint(-35, -15);
            return render(tabs.get()).pixel(p);
        };
        sendMouse(tabs.get(), QEvent::MouseMove, middle(1));
        QCOMPARE(d->hoverIndex, 1);
        QVERIFY(near(faceOf(1), hoverRed));
        QVERIFY(near(faceOf(2), normalGreen));

        // The gap keeps the last hovered item lit.
        sendMouse(tabs.get(), QEvent::MouseMove, QPoint(166, 20));
        QCOMPARE(d->hoverIndex, 1);
        QVERIFY(near(faceOf(1), hoverRed));

        sendMouse(tabs.get(), QEvent::MouseMove, middle(2));
        QCOMPARE(d->hoverIndex, 2);
        QVERIFY(near(faceOf(1), normalGreen));
        QVERIFY(near(faceOf(2), hoverRed));

        // The current look wins over the hovered one.
        sendMouse(tabs.get(), QEvent::MouseMove, middle(0));
        QCOMPARE(d->hoverIndex, 0);
        QVERIFY(near(faceOf(0), currentMagenta));

        sendEnter(tabs.get());
        QCOMPARE(d->hoverIndex, 0);
        sendLeave(tabs.get());
        QCOMPARE(d->hoverIndex, -1);
        QVERIFY(near(faceOf(1), normalGreen));
        QVERIFY(near(faceOf(2), normalGreen));
    }

    void dragBeyondTheEdgeHitsNothing()
    {
        // The third item reaches past the widget's right edge at 200.
        VelQTabWidget tabs(&host);
        tabs.setGeometry(0, 0, 200, 40);
        const ::Json::Value json = parsed(R"({"attr": {"itemSize": 80}})");
        tabs.loadAttributes(&json);
        for (int i = 0; i < 3; ++i)
            tabs.addItem(QString::number(i));
        tabs.setGeometry(0, 0, 200, 40);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        QSignalSpy changed(&tabs, &VelQTabWidget::currentChanged);
        sendMouse(&tabs, QEvent::MouseMove, QPoint(190, 20));
        QCOMPARE(d->hoverIndex, 2);
        sendMouse(&tabs, QEvent::MouseMove, QPoint(210, 20), Qt::NoButton, Qt::LeftButton);
        sendMouse(&tabs, QEvent::MouseMove, QPoint(20, 45), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(d->hoverIndex, 2);
        sendMouse(&tabs, QEvent::MouseButtonPress, QPoint(210, 20), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(changed.count(), 0);
    }

    void styleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QList<QColor>>("looks"); // item states 0 to 3
        QTest::newRow("slot 1 styles every state")
            << QByteArray(R"([["normal", 0, 1]])")
            << QList<QColor> {normalGreen, normalGreen, normalGreen, normalGreen};
        QTest::newRow("then slot 2 styles the hovered state")
            << QByteArray(R"([["normal", 0, 1], ["hover", 0, 2]])")
            << QList<QColor> {normalGreen, hoverRed, normalGreen, normalGreen};
        QTest::newRow("slot 1 after slot 2 wins everywhere")
            << QByteArray(R"([["hover", 0, 2], ["normal", 0, 1]])")
            << QList<QColor> {normalGreen, normalGreen, normalGreen, normalGreen};
        QTest::newRow("slot 4 styles only the unused state")
            << QByteArray(R"([["normal", 0, 1], ["current", 0, 4]])")
            << QList<QColor> {normalGreen, normalGreen, normalGreen, currentMagenta};
        QTest::newRow("unknown names, negative and high slots are skipped")
            << QByteArray(R"([["normal", 0, 1], ["nothing", 0, 2], ["hover", 0, -1],
                ["hover", 0, 9], "hover", ["hover", 0]])")
            << QList<QColor> {normalGreen, normalGreen, normalGreen, normalGreen};
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QList<QColor>, looks);
        VelQTabWidget tabs(&host);
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        tabs.loadAttributes(&json);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        for (int s = 0; s < 4; ++s) {
            QVERIFY(d->itemStyles[s].noImage);
            QCOMPARE(d->itemStyles[s].color, looks[s]);
        }
    }

    void textStyleSlots()
    {
        VelQTabWidget tabs(&host);
        const ::Json::Value json = parsed(R"({"style": [["back", 0, 0], ["text", 0, 5]]})");
        tabs.loadAttributes(&json);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        QCOMPARE(d->backgroundStyle.color, backBlue);
        for (const TextStyle& text : d->itemTextStyles) {
            QCOMPARE(text.color, textWhite);
            QCOMPARE(text.size, 16);
        }
    }

    void attributes_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("showText");
        QTest::addColumn<bool>("hasIcon");
        QTest::addColumn<int>("itemSize");
        QTest::newRow("missing isHor makes a row")
            << QByteArray("{}") << false << true << true << 50;
        QTest::newRow("isHor false makes a column")
            << QByteArray(R"({"isHor": false})") << true << true << true << 50;
        QTest::newRow("flags read as numbers")
            << QByteArray(R"({"showText": 0, "hasIcon": 2, "itemSize": 30})") << false << false
            << true << 30;
        QTest::newRow("flags read from booleans")
            << QByteArray(R"({"showText": false, "hasIcon": false})") << false << false << false
            << 50;
        QTest::newRow("unreadable values are ignored")
            << QByteArray(R"({"isHor": "no", "showText": "0", "hasIcon": [], "itemSize": {}})")
            << false << true << true << 50;
    }

    void attributes()
    {
        QFETCH(QByteArray, attr);
        QFETCH(bool, vertical);
        QFETCH(bool, showText);
        QFETCH(bool, hasIcon);
        QFETCH(int, itemSize);
        VelQTabWidget tabs(&host);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        d->vertical = true;
        const ::Json::Value json = parsed(R"({"attr": )" + attr + "}");
        tabs.loadAttributes(&json);
        QCOMPARE(d->vertical, vertical);
        QCOMPARE(d->showText, showText);
        QCOMPARE(d->hasIcon, hasIcon);
        QCOMPARE(d->itemSize, itemSize);
    }

    void withoutAttrTheStripKeepsItsOrientation()
    {
        VelQTabWidget tabs(&host);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        d->vertical = true;
        const ::Json::Value json = parsed(R"({"style": []})");
        tabs.loadAttributes(&json);
        QVERIFY(d->vertical);
    }

    void textAndIconSwitches()
    {
        auto tabs = strip(&host, false, R"("showText": 1, "hasIcon": 0)");
        QImage image = render(tabs.get());
        const QRect first(0, 0, 80, 40);
        QVERIFY(countNear(image, textWhite, 40, first) > 20);
        QCOMPARE(countNear(image, selectedYellow, 10, first), 0);

        tabs = strip(&host, false, R"("showText": 0, "hasIcon": 1)");
        image = render(tabs.get());
        QCOMPARE(countNear(image, textWhite, 40, first), 0);
        QCOMPARE(countNear(image, selectedYellow, 0, first), 100);
    }

    void currentTabFallsBackToItsIcon()
    {
        auto tabs = strip(&host);
        tabs->addItem(QStringLiteral("plain"), QStringLiteral("icon.png"));
        QCOMPARE(static_cast<VelQTabWidgetImpl*>(tabs->impl())->items.last().selectedIconPath,
            QString());
        tabs->setGeometry(0, 0, 340, 40);
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(3));
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE_PIXEL(render(tabs.get()), 3 * 84 + 35, 15, iconCyan);
    }

    void setCurrentIndex()
    {
        auto tabs = strip(&host);
        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        tabs->setCurrentIndex(2);
        tabs->setCurrentIndex(2);
        tabs->setCurrentIndex(3);
        tabs->setCurrentIndex(-1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE_PIXEL(render(tabs.get()), 170, 2, currentMagenta);
    }

    void hugeSizesStayInRange()
    {
        VelQTabWidget tabs(&host);
        tabs.resize(100, 40);
        const ::Json::Value json
            = parsed(R"({"attr": {"itemSize": 2147483647, "itemSpace": 2147483647}})");
        tabs.loadAttributes(&json);
        for (int i = 0; i < 4; ++i)
            tabs.addItem(QString::number(i));
        QVERIFY(tabs.tabRect(3).left() > 0);
        render(&tabs);
        QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QCOMPARE(tabs.currentIndex(), 0);
    }

    void fromDescription()
    {
        QWidget window;
        window.resize(300, 100);
        const ::Json::Value root = parsed(R"({"elements": [{"type": "tab", "name": "tabs",
            "x": 0, "y": 10, "w": 300, "h": 40, "child": [],
            "style": [["normal", 0, 1], ["current", 0, 3]], "attr": {"itemSize": 100}}]})");
        auto* tabs = qobject_cast<VelQTabWidget*>(LoadElements(&root, &window));
        QVERIFY(tabs);
        QCOMPARE(tabs->geometry(), QRect(0, 10, 300, 40));
        // Sample items appear only in the design tools.
        QCOMPARE(tabs->count(), IsDesignMode() ? 3 : 0);
    }

    // Run again from a copy of this program in a folder named like the designer.
    void designModeSamples()
    {
        if (!IsDesignMode()) {
            const QString dir = scratchPath(QStringLiteral("LayoutForgeQt"));
            QDir().mkpath(dir);
            const QString copy = dir + QStringLiteral("/tst_tabwidget");
            QFile::remove(copy);
            QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
            QProcess process;
            process.start(copy, {QStringLiteral("designModeSamples")});
            QVERIFY(process.waitForFinished(30000));
            const QByteArray out = process.readAllStandardOutput();
            QVERIFY2(process.exitCode() == 0, out.constData());
            QVERIFY2(out.contains("PASS   : tst_TabWidget::designModeSamples()"), out.constData());
            return;
        }
        QWidget window;
        const ::Json::Value root = parsed(R"({"elements": [{"type": "qttab",
            "attr": {}, "child": []}]})");
        auto* tabs = qobject_cast<VelQTabWidget*>(LoadElements(&root, &window));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs->impl());
        QCOMPARE(d->items.at(0).text, QStringLiteral("item1"));
        QCOMPARE(d->items.at(2).text, QStringLiteral("item3"));
        QVERIFY(d->items.at(1).iconPath.isEmpty());
    }
};

QTEST_MAIN(tst_TabWidget)
#include "tst_tabwidget.moc"
