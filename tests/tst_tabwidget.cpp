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

    void items_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("row") << false;
        QTest::newRow("column") << true;
    }

    // Items at their places, painted over exactly their rectangles with the gaps showing the
    // background; a press picks the item under it, and the current item shows its look and
    // its selected icon.
    void items()
    {
        QFETCH(bool, vertical);
        auto tabs = strip(&host, vertical);
        const QPoint along = vertical ? QPoint(0, 1) : QPoint(1, 0);
        const QPoint across = vertical ? QPoint(39, 0) : QPoint(0, 39);
        const QImage image = render(tabs.get());
        for (int i = 0; i < 3; ++i) {
            const QPoint first = along * (84 * i);
            const QPoint last = first + along * 79;
            QCOMPARE(tabs->tabRect(i), QRect(first, last + across));
            const QColor face = i == 0 ? currentMagenta : normalGreen;
            QCOMPARE_PIXEL(image, first.x(), first.y(), face);
            QCOMPARE_PIXEL(image, (last + across).x(), (last + across).y(), face);
            QCOMPARE_PIXEL(image, (last + along).x(), (last + along).y(), backBlue);
        }
        QCOMPARE_PIXEL(image, (along * 299).x(), (along * 299).y(), backBlue);

        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        // Along the strip: the first and last pixel of item 0, a gap, item 1, past the items.
        const QList<QPair<int, int>> hits {{0, 0}, {79, 0}, {82, -1}, {260, -1}, {84, 1}};
        for (const auto& [position, item] : hits) {
            const QPoint at = vertical ? QPoint(20, position) : QPoint(position, 20);
            QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, at);
            QCOMPARE(changed.count(), item < 0 ? 0 : 1);
            if (item >= 0)
                QCOMPARE(changed.takeFirst().at(0).toInt(), item);
            QCOMPARE(tabs->currentIndex(), qMax(item, 0));
        }
        const QImage clicked = render(tabs.get());
        const QPoint offset = vertical ? QPoint(-15, -35) : QPoint(-35, -15);
        for (int i = 0; i < 3; ++i) {
            const QPoint icon = middle(i, vertical) + QPoint(-5, -5);
            const QPoint corner = middle(i, vertical) + offset;
            const QColor face = i == 1 ? currentMagenta : normalGreen;
            QCOMPARE_PIXEL(clicked, corner.x(), corner.y(), face);
            // Centred 10 × 10 icon: the selected icon on the current tab only.
            QCOMPARE_PIXEL(clicked, icon.x(), icon.y(), i == 1 ? selectedYellow : iconCyan);
            QCOMPARE_PIXEL(clicked, icon.x() + 9, icon.y() + 9, i == 1 ? selectedYellow : iconCyan);
            QCOMPARE_PIXEL(clicked, icon.x() - 1, icon.y(), face);
        }
    }

    // A press on the current item announces it again; a release alone, setting the current
    // index to itself or out of range, or a click on an empty strip announce nothing.
    void currentChanges()
    {
        auto tabs = strip(&host);
        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(0));
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(2));
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(2));
        QTest::mouseRelease(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(1));
        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed.at(0).at(0).toInt(), 0);
        QCOMPARE(changed.at(1).at(0).toInt(), 2);
        QCOMPARE(changed.at(2).at(0).toInt(), 2);
        QCOMPARE(tabs->currentIndex(), 2);
        tabs->setCurrentIndex(1);
        for (const int index : {1, 3, -1})
            tabs->setCurrentIndex(index);
        QCOMPARE(changed.count(), 4);
        QCOMPARE(changed.at(3).at(0).toInt(), 1);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE_PIXEL(render(tabs.get()), 86, 2, currentMagenta);

        VelQTabWidget empty(&host);
        empty.resize(200, 40);
        QSignalSpy none(&empty, &VelQTabWidget::currentChanged);
        QTest::mouseClick(&empty, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(none.count(), 0);
    }

    // The hovered item follows the mouse; a gap keeps the last one lit, the current look wins
    // over the hovered one, and leaving the strip clears it.
    void hoverFollowsTheMouse()
    {
        auto tabs = strip(&host);
        QVERIFY(tabs->testAttribute(Qt::WA_MouseTracking));
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs->impl());
        const QColor current = currentMagenta, normal = normalGreen, hover = hoverRed;
        const struct {
            QPoint at; // null: enter, then leave
            int hover;
            QColor faces[3];
        } steps[] = {{middle(1), 1, {current, hover, normal}},
            {QPoint(166, 20), 1, {current, hover, normal}},
            {middle(2), 2, {current, normal, hover}}, {middle(0), 0, {current, normal, normal}},
            {QPoint(), -1, {current, normal, normal}}};
        for (const auto& step : steps) {
            if (step.at.isNull()) {
                sendEnter(tabs.get());
                QCOMPARE(d->hoverIndex, 0);
                sendLeave(tabs.get());
            } else {
                sendMouse(tabs.get(), QEvent::MouseMove, step.at);
            }
            QCOMPARE(d->hoverIndex, step.hover);
            const QImage image = render(tabs.get());
            for (int i = 0; i < 3; ++i)
                QCOMPARE_PIXEL(image, middle(i).x() - 35, 5, step.faces[i]);
        }
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
        // Slot 5 gives every state its text style.
        const ::Json::Value json
            = parsed(R"({"style": )" + style.chopped(1) + R"(, ["text", 0, 5]]})");
        tabs.loadAttributes(&json);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        for (int s = 0; s < 4; ++s) {
            QVERIFY(d->itemStyles[s].noImage);
            QCOMPARE(d->itemStyles[s].color, looks[s]);
            QCOMPARE(d->itemTextStyles[s].color, textWhite);
            QCOMPARE(d->itemTextStyles[s].size, 16);
        }
    }

    void attributes_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("showText");
        QTest::addColumn<bool>("hasIcon");
        QTest::addColumn<int>("itemSize");
        QTest::newRow("without attr the orientation stays")
            << QByteArray(R"({"style": []})") << true << true << true << 50;
        QTest::newRow("missing isHor makes a row")
            << QByteArray(R"({"attr": {}})") << false << true << true << 50;
        QTest::newRow("isHor false makes a column")
            << QByteArray(R"({"attr": {"isHor": false}})") << true << true << true << 50;
        QTest::newRow("flags read as numbers")
            << QByteArray(R"({"attr": {"showText": 0, "hasIcon": 2, "itemSize": 30}})") << false
            << false << true << 30;
        QTest::newRow("flags read from booleans")
            << QByteArray(R"({"attr": {"showText": false, "hasIcon": false}})") << false << false
            << false << 50;
        QTest::newRow("unreadable values are ignored") << QByteArray(
            R"({"attr": {"isHor": "no", "showText": "0", "hasIcon": [], "itemSize": {}}})")
                                                       << false << true << true << 50;
    }

    void attributes()
    {
        QFETCH(QByteArray, element);
        VelQTabWidget tabs(&host);
        auto* d = static_cast<VelQTabWidgetImpl*>(tabs.impl());
        d->vertical = true;
        const ::Json::Value json = parsed(element);
        tabs.loadAttributes(&json);
        QTEST(d->vertical, "vertical");
        QTEST(d->showText, "showText");
        QTEST(d->hasIcon, "hasIcon");
        QTEST(d->itemSize, "itemSize");
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

    // Sample items appear only in the design tools: the test runs again from a copy of this
    // program in a folder named like the designer.
    void samplesOnlyInDesignMode()
    {
        QWidget window;
        window.resize(300, 100);
        const ::Json::Value root = parsed(R"({"elements": [{"type": "tab", "x": 0, "y": 10,
            "w": 300, "h": 40, "attr": {}, "child": []}]})");
        auto* tabs = qobject_cast<VelQTabWidget*>(LoadElements(&root, &window));
        QVERIFY(tabs);
        QCOMPARE(tabs->geometry(), QRect(0, 10, 300, 40));
        if (IsDesignMode()) {
            QCOMPARE(tabs->count(), 3);
            auto* d = static_cast<VelQTabWidgetImpl*>(tabs->impl());
            QCOMPARE(d->items.at(0).text, QStringLiteral("item1"));
            QCOMPARE(d->items.at(2).text, QStringLiteral("item3"));
            QVERIFY(d->items.at(1).iconPath.isEmpty());
            return;
        }
        QCOMPARE(tabs->count(), 0);
        const QString dir = scratchPath(QStringLiteral("LayoutForgeQt"));
        QDir().mkpath(dir);
        const QString copy = dir + QStringLiteral("/tst_tabwidget");
        QFile::remove(copy);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess process;
        process.start(copy, {QStringLiteral("samplesOnlyInDesignMode")});
        QVERIFY(process.waitForFinished(30000));
        const QByteArray out = process.readAllStandardOutput();
        QVERIFY2(process.exitCode() == 0, out.constData());
        QVERIFY2(
            out.contains("PASS   : tst_TabWidget::samplesOnlyInDesignMode()"), out.constData());
    }
};

QTEST_MAIN(tst_TabWidget)
#include "tst_tabwidget.moc"
