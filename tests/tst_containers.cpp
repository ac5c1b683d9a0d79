// Where controls go and what holds them: the layout keys of every control, the container and its
// arrangements, the group box and the splitter.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQContainer_p.h>
#include <controls/VelQGroupBox_p.h>
#include <controls/VelQSplitter_p.h>

#include <QFontMetrics>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor pink(255, 0, 255), cyan(0, 255, 255), gray(128, 128, 128), black(0, 0, 0),
    red(255, 0, 0), white(255, 255, 255), none(0, 0, 0, 0), orange(255, 128, 0);

// Adds the children a spec such as "a50x20 f30x10 n20x20 q60x25" names, each at (3, 4):
// a anchored, f fixed layout, n a skinned control without layout, q a plain widget.
QList<QWidget*> addChildren(QWidget* parent, const QString& spec)
{
    QList<QWidget*> children;
    for (const QString& item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList size = item.mid(1).split(QLatin1Char('x'));
        const int w = size.value(0).toInt();
        const int h = size.value(1).toInt();
        const char kind = item.at(0).toLatin1();
        auto* control = kind == 'q' ? nullptr : new VelQContainer(parent);
        QWidget* child = control ? control : new QWidget(parent);
        const int params[8] = {0, 0, 0, 0, 3, 4, w, h};
        child->setGeometry(3, 4, w, h);
        if (kind == 'a')
            control->setAnchorLayout(params);
        if (kind == 'f')
            control->setFixedLayout(params + 4);
        if (kind == 'w')
            child->setWindowFlag(Qt::Window);
        if (control)
            control->applyLayout();
        child->show();
        children.append(child);
    }
    return children;
}

using Points = QList<QPoint>;

} // namespace

class tst_Containers : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("containers.data"),
            {boxStyle("pink", pink), boxStyle("cyan", cyan), boxStyle("bar", orange),
                textStyle("caption", red, 14)}));
        host.resize(400, 300);
        host.show();
    }

    void geometry_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<int>("type");
        const QSize big(200, 100), small(100, 50);
        const auto add = [](const char* name, const char* element, QSize parent, QRect expected,
                             int type = LayoutAnchor) {
            QTest::newRow(name) << element << parent << expected << type;
        };
        add("fixed from keys", R"({"x": 3, "y": 4, "w": 50, "h": 20})", big, {3, 4, 50, 20},
            LayoutFixed);
        add("no keys at all", "{}", big, {}, LayoutFixed);
        add("anchor stretch right margin", R"({"h": 10, "layout": {"type": 0, "x": 5, "r": 10}})",
            big, {5, 0, 185, 10});
        add("anchor centred odd parent", R"({"w": 50, "h": 10, "layout": {"hor": 1}})", {101, 100},
            {25, 0, 50, 10});
        add("anchor centred with offset",
            R"({"w": 50, "h": 10, "layout": {"hor": 1, "ver": 1, "x": 3, "y": -2}})", {100, 41},
            {28, 13, 50, 10});
        add("anchor right edge", R"({"w": 30, "h": 10, "layout": {"hor": 2, "x": 4}})", big,
            {166, 0, 30, 10});
        add("anchor bottom stretch", R"({"w": 30, "layout": {"y": 100, "b": 0, "r": 0}})",
            {300, 400}, {0, 100, 300, 300});
        add("anchor centred stretch ignores x in width",
            R"({"h": 10, "layout": {"hor": 1, "x": 7, "r": 20}})", small, {17, 0, 80, 10});
        add("anchor explicit types",
            R"({"w": 40, "h": 30, "layout": {"wType": 1, "hType": 2, "x": 10}})", small,
            {10, 0, 50, 0});
        add("anchor bottom aligned stretch", R"({"w": 40, "layout": {"ver": 2, "y": 5, "b": 10}})",
            small, {0, 5, 40, 40});
        add("fill", R"({"layout": {"type": 1, "x": 1, "y": 2, "r": 3, "b": 4}})", small,
            {1, 2, 96, 44}, LayoutFill);
        add("type 3 takes no keys", R"({"x": 1, "w": 2, "layout": {"type": 3}})", small, {},
            LayoutFixed);
        add("type 2 leaves the geometry", R"({"x": 1, "layout": {"type": 2}})", small,
            {7, 8, 9, 10}, 2);
        add("type 9 leaves the geometry", R"({"layout": {"type": 9, "x": 1}})", small,
            {7, 8, 9, 10}, 9);
        add("geometry of 2^31", R"({"x": 2147483647, "w": 2147483647, "h": -5})", small,
            {16777215, 0, 16777215, 0}, LayoutFixed);
        add("anchor 2^31 stretch", R"({"layout": {"x": -2147483648, "r": 2147483647}})", small,
            {-16777215, 0, 101, 0});
    }

    void geometry()
    {
        QFETCH(QString, element);
        QFETCH(QSize, parent);
        QFETCH(QRect, expected);
        QFETCH(int, type);
        QWidget host;
        host.resize(parent);
        VelQPushButton button(&host);
        button.setGeometry(7, 8, 9, 10);
        reload(button, element.toUtf8());
        button.applyLayout();
        QCOMPARE(button.geometry(), expected);
        QCOMPARE(button.layoutType(), type);
        // A fixed layout also fixes the size.
        QCOMPARE(button.maximumSize() == expected.size(), type == LayoutFixed);
    }

    void nestedLayoutsAndCommonKeys()
    {
        QWidget host;
        host.resize(400, 300);
        VelQPushButton outer;
        outer.setGeometry(1, 2, 3, 4);
        VelQPushButton inner(&outer);
        const int anchor[8] = {0, 0, 1, 1, 10, 10, 10, 10};
        outer.setAnchorLayout(anchor);
        const int fill[4] = {2, 2, 2, 2};
        inner.setFillLayout(fill);
        // Without a parent nothing moves, not even the children.
        outer.applyLayout();
        QCOMPARE(outer.geometry(), QRect(1, 2, 3, 4));
        QCOMPARE(inner.geometry(), QRect(0, 0, 100, 30));
        outer.setParent(&host);
        outer.applyLayout();
        QCOMPARE(outer.geometry(), QRect(10, 10, 380, 280));
        QCOMPARE(inner.geometry(), QRect(2, 2, 376, 276));
        // A reserved layout is kept for its host; the control itself stays.
        inner.setReservedLayout(ReservedLayout {{1, 2, 3, 4}, 0.5});
        outer.applyLayout();
        QCOMPARE(inner.layoutType(), int(LayoutReserved));
        QCOMPARE(inner.geometry(), QRect(2, 2, 376, 276));
        // The keys every control reads besides its place.
        inner.setVisible(false);
        reload(inner, "{\"name\": \"ok\", \"tooltip\": \"\xC4\xE3\", \"enable\": false}");
        QCOMPARE(inner.objectName(), QStringLiteral("ok"));
        QCOMPARE(inner.toolTip(), QString::fromUtf8("\xE4\xBD\xA0"));
        QVERIFY(!inner.isEnabled() && !inner.isHidden());
        reload(inner, R"({"visibility": false, "name": 5})");
        QVERIFY(inner.isHidden());
        QCOMPARE(inner.objectName(), QStringLiteral("5"));
    }

    void arrangement_data()
    {
        QTest::addColumn<QString>("mode"); // the raw JSON value
        QTest::addColumn<int>("space");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("children");
        QTest::addColumn<Points>("expected");
        const auto add = [](const char* name, const char* mode, int space, QSize size,
                             const char* children, const Points& expected) {
            QTest::newRow(name) << mode << space << size << children << expected;
        };
        add("row", "0", 10, {300, 100}, "a50x20 a80x30 a30x40", {{10, 4}, {70, 4}, {160, 4}});
        add("column", "1", 10, {300, 200}, "a50x20 a50x30 a50x40", {{3, 10}, {3, 40}, {3, 80}});
        add("wrapping rows", "2", 10, {150, 200}, "a60x25 a60x25 a60x25",
            {{10, 10}, {80, 10}, {10, 45}});
        add("wrapping columns", "3", 10, {200, 150}, "a25x60 a25x60 a25x60",
            {{10, 10}, {10, 80}, {45, 10}});
        add("row of fixed and unlaid children", "0", 5, {300, 100}, "f50x20 n40x20 a30x20",
            {{5, 4}, {60, 4}, {105, 4}});
        add("plain widget keeps its place in a row", "0", 10, {300, 100}, "a50x20 q40x20 a30x20",
            {{10, 4}, {3, 4}, {70, 4}});
        add("windows and other objects keep out", "0", 10, {300, 100}, "a50x20 w40x20 a30x20",
            {{10, 4}, {3, 4}, {70, 4}});
        add("plain widget still breaks the row", "2", 10, {150, 200}, "a60x25 q70x40 a60x25",
            {{10, 10}, {3, 4}, {10, 60}});
        add("wrap uses the height of the child that does not fit", "2", 0, {100, 200},
            "a50x80 a50x10 a50x30", {{0, 0}, {50, 0}, {0, 30}});
        add("out of range", "7", 10, {300, 100}, "a50x20", {{3, 4}});
        add("childLayout as a string", R"("0")", 10, {300, 100}, "a50x20", {{3, 4}});
        add("no arrangement", "4", 10, {300, 100}, "a50x20 n40x20", {{3, 4}, {3, 4}});
    }

    // Hidden, as an item view's row template is, a container gets no resize events and arranges
    // on request; shown, any resize arranges again from scratch, not from the last places.
    void arrangement()
    {
        QFETCH(QString, mode);
        QFETCH(int, space);
        QFETCH(QSize, size);
        QFETCH(QString, children);
        QFETCH(Points, expected);
        VelQContainer container(&host);
        QVERIFY(container.hasMouseTracking());
        const QList<QWidget*> widgets = addChildren(&container, children);
        new QObject(&container);
        const QString json(R"({"w": %1, "h": %2, "attr": {"childLayout": %3, "space": %4}})");
        reload(container, json.arg(size.width()).arg(size.height()).arg(mode).arg(space).toUtf8());
        container.hide();
        container.applyLayout();
        QCOMPARE(container.size(), size);
        const auto places = [&] {
            Points places;
            for (QWidget* w : widgets)
                places << w->geometry().topLeft();
            return places;
        };
        QCOMPARE(places().count(QPoint(3, 4)), widgets.size());
        container.layoutChildren();
        QCOMPARE(places(), expected);
        container.show();
        for (const QSize& again : {size, size + QSize(0, 1)}) {
            container.setMinimumSize(0, 0);
            container.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            container.resize(again);
            QCOMPARE(container.size(), size);
            QCOMPARE(places(), expected);
        }
    }

    void background_data()
    {
        QTest::addColumn<bool>("splitter");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QColor>("enabled");
        QTest::addColumn<QColor>("disabled");
        const auto add = [](const char* name, bool splitter, const char* style, QColor enabled,
                             QColor disabled) {
            QTest::newRow(name) << splitter << style << enabled << disabled;
        };
        add("default gray", false, "[]", gray, gray);
        add("slot 0 styles both", false, R"([["pink", 0, 0]])", pink, pink);
        add("slot 1 disabled", false, R"([["pink", 0, 0], ["cyan", 0, 1]])", pink, cyan);
        add("slot 0 after slot 1 wins", false, R"([["cyan", 0, 1], ["pink", 0, 0]])", pink, pink);
        add("unknown name and slot", false, R"([["nothing", 0, 0], ["pink", 0, 2]])", gray, gray);
        add("empty paints nothing", false, R"([["empty", 0, 0]])", none, none);
        add("splitter: no style", true, "[]", none, none);
        add("splitter: other slots are skipped", true, R"([["bar", 0, 1], ["bar", 0, -1]])", none,
            none);
        add("splitter: slot 0 styles the bar", true, R"([["bar", 0, 0]])", orange, orange);
        add("splitter: empty clears it", true, R"([["bar", 0, 0], ["empty", 0, 0]])", none, none);
    }

    // The container's background and the splitter's bar, which look the same under the mouse.
    void background()
    {
        QFETCH(bool, splitter);
        QFETCH(QString, style);
        QFETCH(QColor, enabled);
        QFETCH(QColor, disabled);
        const ::Json::Value json = parsed(QStringLiteral(R"({"type": "%1", "w": 60, "h": 40,
            "style": %2})")
                                              .arg(splitter ? "qtsplitter" : "qtcontainer", style)
                                              .toUtf8());
        std::unique_ptr<QWidget> control(CreateFromJson(&json, &host));
        sendEnter(control.get());
        QImage image = paintedAlone(control.get(), true);
        for (const QPoint& p : {QPoint(0, 0), QPoint(30, 20), QPoint(59, 39)})
            QCOMPARE_PIXEL(image, p.x(), p.y(), enabled);
        control->setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(control.get(), true), 30, 20, disabled);
    }

    void backgroundFromCode()
    {
        VelQContainer container(&host);
        container.setGeometry(0, 0, 60, 40);
        ImageStyle style;
        style.color = cyan;
        container.setBackgroundStyle(style);
        QCOMPARE_PIXEL(render(&container), 30, 20, cyan);
        style.valid = false;
        container.setBackgroundStyle(style);
        QCOMPARE_PIXEL(paintedAlone(&container), 30, 20, none);
        container.setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(&container), 30, 20, gray);
        // Item views stamp it into any rectangle.
        container.setEnabled(true);
        container.setBackgroundStyle(ImageStyle());
        const QImage image = paintedBy({50, 50}, Qt::transparent, [&](QPainter* p) {
            container.impl()->draw(p, {10, 20, 5, 5});
        });
        QCOMPARE_PIXELS(image, {{12, 22, white}, {9, 22, none}});
    }

    void groupBoxFrame_data()
    {
        QTest::addColumn<QString>("attr");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bottomShows");
        QTest::addColumn<QColor>("line");
        QTest::newRow("no caption")
            << R"("showText": false, "text": "Title")" << QString() << true << black;
        QTest::newRow("caption") << R"("text": "Title")" << QString("Title") << true << black;
        QTest::newRow("line below the widget") << R"("size": false)" << QString() << false << black;
        QTest::newRow("line inside with size true")
            << R"("size": true)" << QString() << true << black;
        QTest::newRow("number colour") << R"("color": 16711680)" << QString() << true << red;
        QTest::newRow("negative colour") << R"("color": -1)" << QString() << true << white;
        QTest::newRow("array colour")
            << R"("color": [255], "size": "no")" << QString() << true << black;
    }

    // The group box draws its frame and caption but no background, in place or stamped into any
    // rectangle as item views do.
    void groupBoxFrame()
    {
        QFETCH(QString, attr);
        QFETCH(QString, caption);
        QFETCH(bool, bottomShows);
        QFETCH(QColor, line);
        VelQGroupBox box(&host);
        reload(box,
            R"({"w": 120, "h": 60, "style": [["pink", 0, 0], ["caption", 0, 2],
            ["pink", 0, 1]], "attr": {)"
                + attr.toUtf8() + "}}");
        box.applyLayout();
        auto* d = implOf<VelQGroupBoxImpl>(box);
        QCOMPARE(d->textStyle.color, red);
        const QFontMetrics metrics(fontOf(d->textStyle));
        const int m = metrics.height() / 2;
        const int tw = caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption);
        const QImage image = paintedAlone(&box);
        // The top line runs from the left edge to left + 5, and from left + 9 + tw on.
        for (const int x : {0, 5, 9 + tw, 117, 118})
            QCOMPARE_PIXEL(image, x, m, line);
        for (const QPoint& p : {QPoint(0, 30), QPoint(118, 30), QPoint(0, 59)})
            QCOMPARE_PIXEL(image, p.x(), p.y(), line);
        QList<QPoint> blank {{119, m}, {8 + tw, m - 1}, {60, 58}, {0, m - 1}};
        if (caption.isEmpty())
            blank << QPoint(6, m) << QPoint(8, m);
        for (const QPoint& p : blank)
            QCOMPARE_PIXEL(image, p.x(), p.y(), none);
        QCOMPARE_PIXEL(image, 60, 59, bottomShows ? line : none);
        if (!caption.isEmpty()) {
            const auto [first, last] = columnsOf(image, red, 80);
            QVERIFY2(first >= 7 && first <= 9, QByteArray::number(first));
            QVERIFY2(last < 7 + tw + 5 && last > 7 + tw - 4, QByteArray::number(last));
        }
        const QImage stamped = paintedBy({200, 100}, Qt::transparent, [&](QPainter* p) {
            d->draw(p, {50, 20, 100, 60});
        });
        QCOMPARE_PIXELS(
            stamped, {{50, 20 + m, line}, {148, 79, line}, {149, 79, none}, {49, 20 + m, none}});
    }

    void splitterSwallowsTheMouse()
    {
        // A parent that counts the presses its children pass on.
        struct Recorder : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent*) override { ++presses; }
        } parent;
        parent.resize(200, 200);
        VelQSplitter splitter(&parent);
        splitter.setGeometry(100, 0, 6, 200);
        reload(splitter, R"({"style": [["bar", 0, 0]]})");
        QVERIFY(shown(&parent));
        QTest::mousePress(&splitter, Qt::LeftButton, Qt::NoModifier, QPoint(3, 50));
        QTest::mouseMove(&splitter, QPoint(40, 60));
        QTest::mouseRelease(&splitter, Qt::LeftButton, Qt::NoModifier, QPoint(40, 60));
        QCOMPARE(parent.presses, 0);
        QCOMPARE(splitter.geometry(), QRect(100, 0, 6, 200));
        QCOMPARE(splitter.impl()->state, int(Normal));
    }
};

QTEST_MAIN(tst_Containers)
#include "tst_containers.moc"
