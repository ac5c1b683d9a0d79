#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQMenuBar_p.h>
#include <controls/VelQMenu_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor menuBack(0, 0, 255), entry0(0, 200, 0), entry1(200, 0, 0), entry2(255, 0, 255),
    entry3(90, 90, 90), text0(255, 255, 255), text1(255, 255, 0), iconColour(255, 128, 0),
    arrowGrey(0xcc, 0xcc, 0xcc);

ImageStyle fill(QColor colour)
{
    ImageStyle style;
    style.color = colour;
    return style;
}

VelQMenuImpl* implOf(QMenu* menu)
{
    return static_cast<VelQMenuImpl*>(static_cast<VelQMenu*>(menu)->impl());
}

// A menu skinned in code as the gallery does, with four entries.
std::unique_ptr<VelQMenu> codeMenu()
{
    auto menu = std::make_unique<VelQMenu>(QStringLiteral("File"));
    menu->setBackgroundStyle(fill(menuBack));
    menu->setItemStyle(0, fill(entry0));
    menu->setItemStyle(1, fill(entry1));
    TextStyle normal;
    normal.family = QStringLiteral("DejaVu Sans");
    normal.color = text0;
    TextStyle hot = normal;
    hot.color = text1;
    menu->setItemTextStyle(0, normal);
    menu->setItemTextStyle(1, hot);
    menu->addAction(QStringLiteral("MMMM"));
    menu->addSeparator();
    menu->addAction(QStringLiteral("MMMM"));
    menu->addMenu(QStringLiteral("More"))->addAction(QStringLiteral("inner"));
    // Leaves a band of the menu's own background around the entries.
    menu->setContentsMargins(4, 4, 4, 4);
    return menu;
}

QPoint centreOf(QMenu* menu, int action)
{
    return menu->actionGeometry(menu->actions().at(action)).center();
}

} // namespace

class tst_Menu : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("menu.data"),
            {boxStyle("back", menuBack), boxStyle("entry0", entry0), boxStyle("entry1", entry1),
                boxStyle("entry2", entry2), boxStyle("entry3", entry3),
                textStyle("text0", text0, 14, bold), textStyle("text1", text1, 14, bold)}));
        host.resize(500, 300);
    }

    // The entry under the mouse, or pressed, takes its look until the mouse leaves the bar or
    // the button is released.
    void barLooks()
    {
        VelQMenuBar bar(&host);
        QVERIFY(bar.testAttribute(Qt::WA_MouseTracking));
        const ::Json::Value json = parsed(R"({"x": 0, "y": 0, "w": 400, "h": 30, "style": [
            ["entry0", 0, 1], ["entry1", 0, 2], ["entry2", 0, 3], ["text0", 0, 5]]})");
        bar.loadAttributes(&json);
        bar.applyLayout();
        QMenu file(QStringLiteral("File"));
        QMenu edit(QStringLiteral("Edit"));
        bar.addMenu(&file);
        bar.addMenu(&edit);
        auto* d = static_cast<VelQMenuBarImpl*>(bar.impl());
        const QRect first = bar.actionGeometry(bar.actions().at(0));
        const QRect second = bar.actionGeometry(bar.actions().at(1));
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        const auto faceOf = [&](const QRect& entry) {
            return render(&bar).pixel(entry.topLeft() + QPoint(1, 1));
        };

        sendMouse(&bar, QEvent::MouseMove, second.center());
        QCOMPARE(d->hoverIndex, 1);
        QVERIFY(near(faceOf(second), entry1));
        QVERIFY(near(faceOf(first), entry0));
        QVERIFY(holds(render(&bar), text0, 8, first));
        // Outside every entry the hover stays; leaving the bar clears it.
        sendMouse(&bar, QEvent::MouseMove, QPoint(390, 15));
        QCOMPARE(d->hoverIndex, 1);
        sendLeave(&bar);
        QCOMPARE(d->hoverIndex, -1);
        QVERIFY(near(faceOf(second), entry0));

        d->pressedIndex = 0;
        d->hoverIndex = 0;
        QVERIFY(near(faceOf(first), entry2));
        sendMouse(&bar, QEvent::MouseButtonRelease, QPoint(390, 15), Qt::LeftButton);
        QCOMPARE(d->pressedIndex, -1);
        QVERIFY(near(faceOf(first), entry1));
    }

    void barStyleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<int>("field");
        QTest::addColumn<QList<QColor>>("expected");
        // field 0: itemStyles, 1: popupItemStyles, 2: popupBackground then background,
        // 3: itemTextStyles then popupTextStyles
        QTest::newRow("slot 1 fills every state") << QByteArray(R"([["entry1", 0, 1]])") << 0
                                                  << QList<QColor> {entry1, entry1, entry1, entry1};
        QTest::newRow("slots 2 to 4") << QByteArray(
            R"([["entry0", 0, 1], ["entry1", 0, 2], ["entry2", 0, 3], ["entry3", 0, 4]])")
                                      << 0 << QList<QColor> {entry0, entry1, entry2, entry3};
        QTest::newRow("slot 9 fills the pop-up group") << QByteArray(
            R"([["entry2", 0, 9]])") << 1 << QList<QColor> {entry2, entry2, entry2, entry2};
        QTest::newRow("slots 10 to 12")
            << QByteArray(R"([["entry0", 0, 9], ["entry1", 0, 10], ["entry3", 0, 12]])") << 1
            << QList<QColor> {entry0, entry1, entry0, entry3};
        QTest::newRow("backgrounds") << QByteArray(R"([["back", 0, 0], ["entry3", 0, 9]])") << 2
                                     << QList<QColor> {entry3, menuBack};
        QTest::newRow("texts: slot 5 fills the bar's, 13 the pop-ups'")
            << QByteArray(R"([["text0", 0, 5], ["text1", 0, 6], ["text1", 0, 13]])") << 3
            << QList<QColor> {text0, text1, text0, text0, text1, text1, text1, text1};
        QTest::newRow("ignored") << QByteArray(
            R"([["entry3", 0, -1], ["entry3", 0, 17], ["entry3", 0, 5], ["entry3", 0, 13]])")
                                 << 0 << QList<QColor> {Qt::white, Qt::white, Qt::white, Qt::white};
    }

    void barStyleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(int, field);
        QFETCH(QList<QColor>, expected);
        VelQMenuBar bar(&host);
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        QVERIFY(bar.loadAttributes(&json));
        auto* d = static_cast<VelQMenuBarImpl*>(bar.impl());
        QList<QColor> actual;
        if (field == 0) {
            for (const ImageStyle& s : d->itemStyles)
                actual << s.color;
        } else if (field == 1) {
            for (const ImageStyle& s : d->popupItemStyles)
                actual << s.color;
        } else if (field == 2) {
            actual << d->popupBackground.color << d->background.color;
        } else {
            for (const TextStyle& t : d->itemTextStyles)
                actual << t.color;
            for (const TextStyle& t : d->popupTextStyles)
                actual << t.color;
        }
        QCOMPARE(actual, expected);
    }

    // The entry under the mouse takes the hovered look, a separator excepted, and keeps it
    // when the mouse leaves the menu, until the menu closes.
    void menuLooks()
    {
        auto menu = codeMenu();
        QMenu* m = menu.get();
        // A titled menu is opaque.
        QCOMPARE(m->title(), QStringLiteral("File"));
        QVERIFY(!m->testAttribute(Qt::WA_TranslucentBackground));
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        const auto entryFace = [&](int action) {
            const QRect entry = m->actionGeometry(m->actions().at(action));
            return render(m).pixel(entry.right() - 1, entry.center().y());
        };
        const QRect first = m->actionGeometry(m->actions().at(0));
        const QRect third = m->actionGeometry(m->actions().at(2));
        QImage image = render(m);
        QCOMPARE_PIXEL(image, 0, 0, menuBack);
        QVERIFY(near(entryFace(0), entry0));
        QVERIFY(holds(image, text0, 8, first));

        sendMouse(m, QEvent::MouseMove, centreOf(m, 2));
        QCOMPARE(implOf(m)->hoverIndex, 2);
        QVERIFY(near(entryFace(2), entry1));
        QVERIFY(holds(render(m), text1, 8, third));
        QVERIFY(near(entryFace(0), entry0));

        sendMouse(m, QEvent::MouseMove, centreOf(m, 1));
        QCOMPARE(implOf(m)->hoverIndex, 1);
        QVERIFY(near(entryFace(1), entry0));
        QVERIFY(near(entryFace(2), entry0));

        sendMouse(m, QEvent::MouseMove, centreOf(m, 0));
        sendLeave(m);
        sendMouse(m, QEvent::MouseMove, QPoint(-50, -50));
        QCOMPARE(implOf(m)->hoverIndex, 0);
        QVERIFY(near(entryFace(0), entry1));
        menu->hide();
        QCOMPARE(implOf(m)->hoverIndex, -1);
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(near(entryFace(0), entry0));
        menu->hide();
    }

    void iconColumnAndArrow()
    {
        auto menu = codeMenu();
        menu->setIconColumn(20);
        menu->actions().at(0)->setIcon(solidIcon(iconColour));
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        const QImage image = render(menu.get());
        const QRect first = menu->actionGeometry(menu->actions().at(0));
        const int middle = first.top() + first.height() / 2;
        // A 16 × 16 icon centred in the 20-pixel column, over the entry's background.
        QCOMPARE_PIXEL(image, first.left() + 2, middle, iconColour);
        QCOMPARE_PIXEL(image, first.left() + 17, middle, iconColour);
        QCOMPARE_PIXEL(image, first.left() + 1, middle, entry0);
        QCOMPARE_PIXEL(image, first.left() + 18, middle, entry0);
        QVERIFY(!holds(image, text0, 8, QRect(first.left(), first.top(), 24, first.height())));
        QVERIFY(holds(image, text0, 8, QRect(first.left() + 24, first.top(), 20, first.height())));

        // The sub-menu's arrow: a chevron pointing right, ending 3 pixels in.
        const QRect sub = menu->actionGeometry(menu->actions().at(3));
        const QPoint tip(sub.right() - 3, sub.top() + sub.height() / 2);
        for (const QPoint& p : {QPoint(0, 0), QPoint(-3, -3), QPoint(-3, 3)})
            QCOMPARE_PIXEL(image, (tip + p).x(), (tip + p).y(), arrowGrey);
        for (const QPoint& p : {QPoint(2, 0), QPoint(-5, 0), QPoint(-3, -6), QPoint(-3, 6)})
            QCOMPARE_PIXEL(image, (tip + p).x(), (tip + p).y(), entry0);
        // Entries without a sub-menu have no arrow.
        QCOMPARE_PIXEL(image, first.right() - 3, middle, entry0);
        menu->hide();
    }

    void describedLook_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("hover");
        QTest::addColumn<QColor>("background");
        QTest::newRow("item0 only") << QByteArray(R"({"background": "back", "item0": "entry2"})")
                                    << entry2 << entry2 << menuBack;
        QTest::newRow("unknown names")
            << QByteArray(R"({"background": "none", "item0": "entry0", "item1": "none"})") << entry0
            << entry0 << QColor(Qt::white);
        QTest::newRow("keys under attr are not read")
            << QByteArray(R"({"item0": "entry0", "attr": {"item1": "entry1"}})") << entry0 << entry0
            << QColor(Qt::white);
    }

    void describedLook()
    {
        QFETCH(QByteArray, json);
        VelQMenu menu;
        const ::Json::Value element = parsed(json);
        QVERIFY(menu.loadAttributes(&element));
        auto* d = implOf(&menu);
        QTEST(d->itemStyles[0].color, "normal");
        QTEST(d->itemStyles[1].color, "hover");
        QTEST(d->background.color, "background");
    }

    void nestedItemsCarryTheSkin()
    {
        VelQMenu menu(&host);
        const ::Json::Value element = parsed(R"({"background": "back", "item0": "entry0",
            "item1": "entry1", "text0": "text0", "text2": "text1", "items": [
              {"text": "Open"},
              {"text": "Recent", "items": [
                {"text": "one"},
                {"text": "Deeper", "items": [{"text": "two"}, {"text": "three"}]}]},
              {"text": "Quit"}]})");
        menu.loadAttributes(&element);
        QCOMPARE(menu.actions().size(), 3);
        QCOMPARE(menu.actions().at(2)->text(), QStringLiteral("Quit"));
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("Open"));
        QMenu* second = menu.actions().at(1)->menu();
        QVERIFY(qobject_cast<VelQMenu*>(second));
        QCOMPARE(second->title(), QStringLiteral("Recent"));
        QCOMPARE(second->parent(), &menu);
        QMenu* third = second->actions().at(1)->menu();
        QVERIFY(qobject_cast<VelQMenu*>(third));
        QCOMPARE(third->actions().size(), 2);
        QCOMPARE(third->actions().at(1)->text(), QStringLiteral("three"));
        for (QMenu* sub : {static_cast<QMenu*>(&menu), second, third}) {
            VelQMenuImpl* d = implOf(sub);
            QCOMPARE(d->background.color, menuBack);
            QCOMPARE(d->itemStyles[0].color, entry0);
            QCOMPARE(d->itemStyles[1].color, entry1);
            QCOMPARE(d->itemStyles[3].color, entry0);
            // text0 styles every state, text2 then the pressed one.
            for (int state = 0; state < 4; ++state)
                QCOMPARE(d->itemTextStyles[state].color, state == 2 ? text1 : text0);
            QVERIFY(sub->windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(sub->testAttribute(Qt::WA_TranslucentBackground));
        }
        third->setContentsMargins(4, 4, 4, 4);
        third->popup(QPoint(10, 10));
        QTRY_VERIFY(third->isVisible());
        const QImage image = render(third);
        QCOMPARE_PIXEL(image, 1, 1, menuBack);
        const QRect entry = third->actionGeometry(third->actions().at(0));
        QCOMPARE_PIXEL(image, entry.right() - 1, entry.center().y(), entry0);
        third->hide();
    }

    void badItemsAreHarmless()
    {
        VelQMenu menu;
        const ::Json::Value element = parsed(R"({"background": 5, "item0": [], "items": [
            5, "text", null, {"text": 7}, {"items": 3}, {"text": "sub", "items": {"a": 1}}]})");
        QVERIFY(menu.loadAttributes(&element));
        QCOMPARE(menu.actions().size(), 6);
        QVERIFY(menu.actions().at(4)->menu());
        QVERIFY(menu.actions().at(5)->menu()->actions().isEmpty());
        const ::Json::Value notArray = parsed(R"({"items": "x"})");
        QVERIFY(menu.loadAttributes(&notArray));
        QCOMPARE(menu.actions().size(), 6);
        const ::Json::Value* none = nullptr;
        QVERIFY(menu.impl()->parseAttributes(none));
        // States out of range are ignored.
        menu.setItemStyle(4, fill(entry3));
        menu.setItemStyle(-1, fill(entry3));
        menu.setItemTextStyle(4, TextStyle());
        for (const ImageStyle& s : implOf(&menu)->itemStyles)
            QCOMPARE(s.color, QColor(Qt::white));
    }
};

QTEST_MAIN(tst_Menu)
#include "tst_menu.moc"
