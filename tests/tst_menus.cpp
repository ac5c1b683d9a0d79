// Strips of items that light up under the mouse: the tab widget, the menu bar and its menus.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQMenuBar_p.h>
#include <controls/VelQMenu_p.h>
#include <controls/VelQTabWidget_p.h>

#include <QProxyStyle>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor blue(0, 0, 255), green(0, 200, 0), red(200, 0, 0), magenta(255, 0, 255),
    grey(90, 90, 90), cyan(0, 255, 255), yellow(255, 255, 0), white(255, 255, 255),
    orange(255, 128, 0), arrowGrey(0xcc, 0xcc, 0xcc);

// A platform style that leaves the menu bar without mouse tracking.
struct UntrackedBars : QProxyStyle {
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
        QStyleHintReturn* data) const override
    {
        return hint == SH_MenuBar_MouseTracking
            ? 0
            : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

const QByteArray fullStyle = R"([["back", 0, 0], ["normal", 0, 1], ["hover", 0, 2],
    ["current", 0, 3], ["text", 0, 5]])";

// Three tabs of 80 with gaps of 4, in a 300 × 40 row or a 40 × 300 column.
std::unique_ptr<VelQTabWidget> strip(
    QWidget* parent, bool vertical = false, const QByteArray& extraAttr = R"("showText": 0)")
{
    auto tabs = placed<VelQTabWidget>(parent,
        QByteArray(vertical ? R"({"w": 40, "h": 300)" : R"({"w": 300, "h": 40)") + R"(, "style": )"
            + fullStyle + R"(, "attr": {"itemSize": 80, "itemSpace": 4, "isHor": )"
            + (vertical ? "false" : "true") + ", " + extraAttr + "}}");
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

ImageStyle fill(QColor colour)
{
    ImageStyle style;
    style.color = colour;
    return style;
}

// The entries of a menu as "a b(c d)", each sub-menu skinned and owned by the menu above it.
QString tree(QMenu* menu)
{
    QStringList entries;
    for (QAction* action : menu->actions()) {
        QMenu* sub = action->menu();
        const bool skinned = qobject_cast<VelQMenu*>(sub) && sub->parent() == menu;
        entries << action->text() + (skinned ? "(" + tree(sub) + ")" : sub ? "(?)" : "");
    }
    return entries.join(' ');
}

} // namespace

class tst_Menus : public QObject {
    Q_OBJECT

    QWidget host;

    static QPoint centreOf(QMenu* m, int i)
    {
        return m->actionGeometry(m->actions().at(i)).center();
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        // Bars light up under the mouse whatever the platform's style.
        QApplication::setStyle(new UntrackedBars(QApplication::style()));
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("menus.data"),
            {boxStyle("back", blue), boxStyle("normal", green), boxStyle("hover", red),
                boxStyle("current", magenta), boxStyle("entry0", green), boxStyle("entry1", red),
                boxStyle("entry2", magenta), boxStyle("entry3", grey),
                textStyle("text0", white, 14, bold), textStyle("text1", yellow, 14, bold),
                R"({"type": 2, "name": "text", "clr": "ffffff", "size": 16, "bold": true,
                    "hor": 1, "ver": 1})"},
            {{"icon.png", solidPng(cyan)}, {"sel.png", solidPng(yellow)}}));
        host.resize(500, 400);
    }

    void items_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("row") << false;
        QTest::newRow("column") << true;
    }

    // Items at their places, painted over exactly their rectangles with the gaps showing the
    // background. The hovered item follows the mouse; a gap keeps the last one lit, the current
    // look wins over the hovered one, and leaving the strip clears it. A press picks the item
    // under it, and the current item shows its look and its selected icon.
    void items()
    {
        QFETCH(bool, vertical);
        auto tabs = strip(&host, vertical);
        QVERIFY(tabs->testAttribute(Qt::WA_MouseTracking));
        auto* d = implOf<VelQTabWidgetImpl>(*tabs);
        const auto at = [vertical](int along, int across = 20) {
            return vertical ? QPoint(across, along) : QPoint(along, across);
        };
        const QPoint along = at(1, 0), across = at(0, 39);
        const QImage image = render(tabs.get());
        for (int i = 0; i < 3; ++i) {
            const QPoint first = along * (84 * i);
            const QPoint last = first + along * 79;
            QCOMPARE(tabs->tabRect(i), QRect(first, last + across));
            const QColor face = i == 0 ? magenta : green;
            QCOMPARE_PIXEL(image, first.x(), first.y(), face);
            QCOMPARE_PIXEL(image, (last + across).x(), (last + across).y(), face);
            QCOMPARE_PIXEL(image, (last + along).x(), (last + along).y(), blue);
        }
        QCOMPARE_PIXEL(image, (along * 299).x(), (along * 299).y(), blue);

        // Faces: magenta current, red hovered, green normal.
        const struct {
            QPoint at; // null: enter, then leave
            int hover;
            QColor faces[3];
        } steps[] = {{middle(1, vertical), 1, {magenta, red, green}},
            {at(166), 1, {magenta, red, green}}, {middle(2, vertical), 2, {magenta, green, red}},
            {middle(0, vertical), 0, {magenta, green, green}},
            {QPoint(), -1, {magenta, green, green}}};
        const QPoint corner = at(-35, -15);
        for (const auto& step : steps) {
            if (step.at.isNull()) {
                sendEnter(tabs.get());
                QCOMPARE(d->hoverIndex, 0);
                sendLeave(tabs.get());
            } else {
                sendMouse(tabs.get(), QEvent::MouseMove, step.at);
            }
            QCOMPARE(d->hoverIndex, step.hover);
            const QImage hovered = render(tabs.get());
            for (int i = 0; i < 3; ++i) {
                const QPoint p = middle(i, vertical) + corner;
                QCOMPARE_PIXEL(hovered, p.x(), p.y(), step.faces[i]);
            }
        }

        QSignalSpy changed(tabs.get(), &VelQTabWidget::currentChanged);
        QList<int> current;
        // Along the strip: the first and last pixel of item 0, a gap, past the items, item 1.
        for (const int position : {0, 79, 82, 260, 84}) {
            QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, at(position));
            current << tabs->currentIndex() << int(changed.count());
        }
        QCOMPARE(current, (QList<int> {0, 1, 0, 2, 0, 2, 0, 2, 1, 3}));
        // A release alone, or setting the current index to itself or out of range, announce
        // nothing.
        QTest::mouseRelease(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(2, vertical));
        for (const int index : {2, 2, 3, -1, 1})
            tabs->setCurrentIndex(index);
        QCOMPARE(changed, (QList<QVariantList> {{0}, {0}, {1}, {2}, {1}}));
        const QImage clicked = render(tabs.get());
        for (int i = 0; i < 3; ++i) {
            const QPoint icon = middle(i, vertical) + QPoint(-5, -5);
            const QPoint face = middle(i, vertical) + corner;
            const QColor look = i == 1 ? magenta : green, mark = i == 1 ? yellow : cyan;
            // Centred 10 × 10 icon: the selected icon on the current tab only.
            QCOMPARE_PIXELS(clicked,
                {{face.x(), face.y(), look}, {icon.x(), icon.y(), mark},
                    {icon.x() + 9, icon.y() + 9, mark}, {icon.x() - 1, icon.y(), look}});
        }
        // With the third item past the far edge, a drag beyond the edge or off the strip hovers
        // nothing new and a press there picks nothing.
        tabs->setFixedSize(QSize(at(200, 40).x(), at(200, 40).y()));
        sendMouse(tabs.get(), QEvent::MouseMove, at(190));
        QCOMPARE(d->hoverIndex, 2);
        for (const QPoint& p : {at(210), at(20, 45)})
            sendMouse(tabs.get(), QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(d->hoverIndex, 2);
        sendMouse(tabs.get(), QEvent::MouseButtonPress, at(210), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(changed.count(), 5);
    }

    // Slot 1 styles every state, so a later one wins over slot 2; slot 4 styles the unused state;
    // unknown names, negative and high slots are skipped; slot 5 gives every state its text.
    void styleSlots()
    {
        auto tabs = built<VelQTabWidget>(&host, R"({"style": [["hover", 0, 2], ["normal", 0, 1],
            ["current", 0, 4], ["nothing", 0, 2], ["hover", 0, -1], ["hover", 0, 9], "hover",
            ["hover", 0], ["text", 0, 5]]})");
        auto* d = implOf<VelQTabWidgetImpl>(*tabs);
        for (int s = 0; s < 4; ++s) {
            QVERIFY(d->itemStyles[s].noImage);
            QCOMPARE(d->itemStyles[s].color, s == 3 ? magenta : green);
            QCOMPARE(d->itemTextStyles[s].color, white);
            QCOMPARE(d->itemTextStyles[s].size, 16);
        }
    }

    void textAndIconSwitches()
    {
        auto tabs = strip(&host, false, R"("showText": true, "hasIcon": false)");
        QImage image = render(tabs.get());
        const QRect first(0, 0, 80, 40);
        QVERIFY(countNear(image, white, 40, first) > 20);
        QCOMPARE(countNear(image, yellow, 10, first), 0);

        tabs = strip(&host, false, R"("showText": 0, "hasIcon": 2)");
        image = render(tabs.get());
        QCOMPARE(countNear(image, white, 40, first), 0);
        QCOMPARE(countNear(image, yellow, 0, first), 100);
        // Without a selected icon the current item keeps its icon.
        tabs->addItem(QStringLiteral("plain"), QStringLiteral("icon.png"));
        tabs->setGeometry(0, 0, 340, 40);
        QTest::mouseClick(tabs.get(), Qt::LeftButton, Qt::NoModifier, middle(3));
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE_PIXEL(render(tabs.get()), 3 * 84 + 35, 15, cyan);
    }

    void hugeSizesStayInRange()
    {
        VelQTabWidget tabs(&host);
        tabs.resize(100, 40);
        // Empty, the strip picks nothing.
        QSignalSpy changed(&tabs, &VelQTabWidget::currentChanged);
        QTest::mouseClick(&tabs, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(changed.count(), 0);
        reload(tabs, R"({"attr": {"itemSize": 2147483647, "itemSpace": 2147483647}})");
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
        if (IsDesignMode()) {
            QCOMPARE(tabs->count(), 3);
            auto* d = implOf<VelQTabWidgetImpl>(*tabs);
            QCOMPARE(d->items.at(0).text, QStringLiteral("item1"));
            QCOMPARE(d->items.at(2).text, QStringLiteral("item3"));
            QVERIFY(d->items.at(1).iconPath.isEmpty());
            return;
        }
        QCOMPARE(tabs->count(), 0);
        const QByteArray out = runInDesignMode(QStringLiteral("samplesOnlyInDesignMode"));
        QVERIFY2(out.contains("PASS   : tst_Menus::samplesOnlyInDesignMode()"), out.constData());
    }

    // The entry under the mouse, or pressed, takes its look until the mouse leaves the bar or
    // the button is released; a plain entry acts on the release.
    void barLooks()
    {
        VelQMenuBar bar(&host);
        QVERIFY(bar.testAttribute(Qt::WA_MouseTracking));
        const ::Json::Value json = parsed(R"({"x": 0, "y": 0, "w": 400, "h": 30, "style": [
            ["entry0", 0, 1], ["entry1", 0, 2], ["entry2", 0, 3], ["entry3", 0, 4],
            ["entry2", 0, 9], ["entry1", 0, 10], ["entry3", 0, 12], ["back", 0, 0],
            ["text0", 0, 5], ["text1", 0, 6], ["text1", 0, 13], ["entry3", 0, -1],
            ["entry3", 0, 17], ["entry3", 0, 5], ["entry3", 0, 13]]})");
        QVERIFY(bar.loadAttributes(&json));
        bar.applyLayout();
        // Slots 1 and 9 fill the bar's and the pop-ups' states, the next ones one state each; 0
        // and 9 hold the backgrounds, 5 and 13 the texts; other slots, and boxes as texts, are
        // ignored.
        auto* d = implOf<VelQMenuBarImpl>(bar);
        QList<QColor> all {d->background.color, d->popupBackground.color};
        for (const ImageStyle* styles : {d->itemStyles, d->popupItemStyles})
            std::for_each(styles, styles + 4, [&](const ImageStyle& s) { all << s.color; });
        for (const TextStyle* styles : {d->itemTextStyles, d->popupTextStyles})
            std::for_each(styles, styles + 4, [&](const TextStyle& s) { all << s.color; });
        QCOMPARE(all,
            (QList<QColor> {blue, magenta, green, red, magenta, grey, magenta, red, magenta, grey,
                white, yellow, white, white, yellow, yellow, yellow, yellow}));
        bar.addMenu(QStringLiteral("File"));
        bar.addMenu(QStringLiteral("Edit"));
        const QRect first = bar.actionGeometry(bar.actions().at(0));
        const QRect second = bar.actionGeometry(bar.actions().at(1));
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        const auto faceOf = [&](const QRect& entry) {
            return render(&bar).pixel(entry.topLeft() + QPoint(1, 1));
        };

        sendMouse(&bar, QEvent::MouseMove, second.center());
        QCOMPARE(d->hoverIndex, 1);
        QVERIFY(near(faceOf(second), red) && near(faceOf(first), green));
        QVERIFY(holds(render(&bar), white, 8, first));
        // Outside every entry the hover stays; leaving the bar clears it.
        sendMouse(&bar, QEvent::MouseMove, QPoint(390, 15));
        QCOMPARE(d->hoverIndex, 1);
        sendLeave(&bar);
        QCOMPARE(d->hoverIndex, -1);
        QVERIFY(near(faceOf(second), green));

        d->pressedIndex = 0;
        d->hoverIndex = 0;
        QVERIFY(near(faceOf(first), magenta));
        sendMouse(&bar, QEvent::MouseButtonRelease, QPoint(390, 15), Qt::LeftButton);
        QCOMPARE(d->pressedIndex, -1);
        QVERIFY(near(faceOf(first), red));

        // An entry without a menu acts on the click's release.
        QAction* go = bar.addAction(QStringLiteral("Go"));
        QSignalSpy triggered(go, &QAction::triggered);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(go).center());
        QCOMPARE(triggered.count(), 1);
    }

    // The entry under the mouse takes the hovered look, a separator excepted, and keeps it
    // when the mouse leaves the menu, until the menu closes.
    void menuLooks()
    {
        // Skinned in code as the gallery does, with four entries.
        auto menu = std::make_unique<VelQMenu>(QStringLiteral("File"));
        menu->setBackgroundStyle(fill(blue));
        menu->setItemStyle(0, fill(green));
        menu->setItemStyle(1, fill(red));
        for (const int state : {0, 1}) {
            TextStyle text;
            text.family = QStringLiteral("DejaVu Sans");
            text.color = state ? yellow : white;
            menu->setItemTextStyle(state, text);
        }
        menu->addAction(QStringLiteral("MMMM"));
        menu->addSeparator();
        menu->addAction(QStringLiteral("MMMM"));
        menu->addMenu(QStringLiteral("More"))->addAction(QStringLiteral("inner"));
        // Leaves a band of the menu's own background around the entries.
        menu->setContentsMargins(4, 4, 4, 4);
        QMenu* m = menu.get();
        auto* d = implOf<VelQMenuImpl>(*menu);
        // A titled menu is opaque.
        QCOMPARE(m->title(), QStringLiteral("File"));
        QVERIFY(!m->testAttribute(Qt::WA_TranslucentBackground));
        menu->setIconColumn(20);
        m->actions().at(0)->setIcon(solidIcon(orange));
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        const auto entryFace = [&](int action) {
            const QRect entry = m->actionGeometry(m->actions().at(action));
            return render(m).pixel(entry.right() - 1, entry.center().y());
        };
        const QRect first = m->actionGeometry(m->actions().at(0));
        const QRect third = m->actionGeometry(m->actions().at(2));
        QImage image = render(m);
        QCOMPARE_PIXEL(image, 0, 0, blue);
        QVERIFY(near(entryFace(0), green));
        const int middle = first.top() + first.height() / 2;
        // A 16 × 16 icon centred in the 20-pixel column, over the entry's background; the text
        // after it.
        for (const int x : {1, 2, 17, 18})
            QCOMPARE_PIXEL(image, first.left() + x, middle, x == 1 || x == 18 ? green : orange);
        QVERIFY(!holds(image, white, 8, QRect(first.left(), first.top(), 24, first.height())));
        QVERIFY(holds(image, white, 8, QRect(first.left() + 24, first.top(), 20, first.height())));
        // The sub-menu's arrow: a chevron pointing right, ending 3 pixels in; no arrow on entries
        // without a sub-menu.
        const QRect sub = m->actionGeometry(m->actions().at(3));
        const QPoint tip(sub.right() - 3, sub.top() + sub.height() / 2);
        for (const QPoint& p : {QPoint(0, 0), QPoint(-3, -3), QPoint(-3, 3)})
            QCOMPARE_PIXEL(image, (tip + p).x(), (tip + p).y(), arrowGrey);
        for (const QPoint& p : {QPoint(2, 0), QPoint(-5, 0), QPoint(-3, -6), QPoint(-3, 6)})
            QCOMPARE_PIXEL(image, (tip + p).x(), (tip + p).y(), green);
        QCOMPARE_PIXEL(image, first.right() - 3, middle, green);

        sendMouse(m, QEvent::MouseMove, centreOf(m, 2));
        QCOMPARE(d->hoverIndex, 2);
        QVERIFY(near(entryFace(2), red) && near(entryFace(0), green));
        QVERIFY(holds(render(m), yellow, 8, third));

        sendMouse(m, QEvent::MouseMove, centreOf(m, 1));
        QCOMPARE(d->hoverIndex, 1);
        QVERIFY(near(entryFace(1), green) && near(entryFace(2), green));

        sendMouse(m, QEvent::MouseMove, centreOf(m, 0));
        sendLeave(m);
        sendMouse(m, QEvent::MouseMove, QPoint(-50, -50));
        QCOMPARE(d->hoverIndex, 0);
        QVERIFY(near(entryFace(0), red));
        menu->hide();
        QCOMPARE(d->hoverIndex, -1);
        menu->popup(QPoint(10, 10));
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(near(entryFace(0), green));
        menu->hide();
    }

    void itemsFromTheDescription()
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
        QCOMPARE(tree(&menu), QStringLiteral("Open Recent(one Deeper(two three)) Quit"));
        QMenu* second = menu.actions().at(1)->menu();
        QMenu* third = second->actions().at(1)->menu();
        for (QMenu* sub : {static_cast<QMenu*>(&menu), second, third}) {
            VelQMenuImpl* d = implOf<VelQMenuImpl>(*static_cast<VelQMenu*>(sub));
            // item0 and text0 style every state, the later keys one state each.
            QList<QColor> looks {d->background.color};
            for (int state = 0; state < 4; ++state)
                looks << d->itemStyles[state].color << d->itemTextStyles[state].color;
            QCOMPARE(looks,
                (QList<QColor> {blue, green, white, red, white, green, yellow, green, white}));
            QVERIFY(sub->windowFlags() & Qt::FramelessWindowHint
                && sub->testAttribute(Qt::WA_TranslucentBackground));
        }
        third->setContentsMargins(4, 4, 4, 4);
        third->popup(QPoint(10, 10));
        QTRY_VERIFY(third->isVisible());
        const QImage image = render(third);
        QCOMPARE_PIXEL(image, 1, 1, blue);
        const QRect entry = third->actionGeometry(third->actions().at(0));
        QCOMPARE_PIXEL(image, entry.right() - 1, entry.center().y(), green);
        third->hide();
        // Bad items are harmless; unknown style names and keys under attr leave the defaults.
        const ::Json::Value bad = parsed(R"({"background": 5, "item0": [], "item1": "none",
            "attr": {"item1": "entry1"}, "items": [
            5, "text", null, {"text": 7}, {"items": 3}, {"text": "sub", "items": {"a": 1}}]})");
        VelQMenu plain;
        QVERIFY(plain.loadAttributes(&bad));
        const QString entries = QStringLiteral("   7 () sub()");
        QCOMPARE(tree(&plain), entries);
        const ::Json::Value notArray = parsed(R"({"items": "x"})");
        QVERIFY(plain.loadAttributes(&notArray));
        QCOMPARE(tree(&plain), entries);
        const ::Json::Value* none = nullptr;
        QVERIFY(plain.impl()->parseAttributes(none));
        // States out of range are ignored.
        plain.setItemStyle(4, fill(grey));
        plain.setItemStyle(-1, fill(grey));
        plain.setItemTextStyle(4, TextStyle());
        for (const ImageStyle& s : implOf<VelQMenuImpl>(plain)->itemStyles)
            QCOMPARE(s.color, white);
    }
};

QTEST_MAIN(tst_Menus)
#include "tst_menus.moc"
