#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQContainer_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor pink(255, 0, 255), cyan(0, 255, 255), gray(128, 128, 128);

VelQContainerImpl* implOf(VelQContainer& c)
{
    return TestSupport::implOf<VelQContainerImpl>(c);
}

// Adds the children a spec such as "a50x20 f30x10 n20x20 q60x25" names, each at (3, 4):
// a anchored, f fixed layout, n a skinned control without layout, q a plain widget.
QList<QWidget*> addChildren(QWidget* parent, const QString& spec)
{
    QList<QWidget*> children;
    for (const QString& item : spec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList size = item.mid(1).split(QLatin1Char('x'));
        const int w = size.value(0).toInt();
        const int h = size.value(1).toInt();
        QWidget* child = nullptr;
        switch (item.at(0).toLatin1()) {
        case 'a': {
            auto* c = new VelQContainer(parent);
            const int params[8] = {0, 0, 0, 0, 3, 4, w, h};
            c->setAnchorLayout(params);
            c->applyLayout();
            child = c;
            break;
        }
        case 'f': {
            auto* c = new VelQContainer(parent);
            const int rect[4] = {3, 4, w, h};
            c->setFixedLayout(rect);
            child = c;
            break;
        }
        case 'n':
            child = new VelQContainer(parent);
            child->setGeometry(3, 4, w, h);
            break;
        default:
            child = new QWidget(parent);
            child->setGeometry(3, 4, w, h);
            break;
        }
        child->show();
        children.append(child);
    }
    return children;
}

} // namespace

class tst_Container : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(
            QStringLiteral("container.data"), {boxStyle("pink", pink), boxStyle("cyan", cyan)}));
        host.resize(400, 300);
        host.show();
    }

    void arrangement_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("space");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("children");
        QTest::addColumn<QList<QPoint>>("expected");
        QTest::newRow("row") << 0 << 10 << QSize(300, 100) << "a50x20 a80x30 a30x40"
                             << QList<QPoint> {{10, 4}, {70, 4}, {160, 4}};
        QTest::newRow("column") << 1 << 10 << QSize(300, 200) << "a50x20 a50x30 a50x40"
                                << QList<QPoint> {{3, 10}, {3, 40}, {3, 80}};
        QTest::newRow("wrapping rows") << 2 << 10 << QSize(150, 200) << "a60x25 a60x25 a60x25"
                                       << QList<QPoint> {{10, 10}, {80, 10}, {10, 45}};
        QTest::newRow("wrapping columns") << 3 << 10 << QSize(200, 150) << "a25x60 a25x60 a25x60"
                                          << QList<QPoint> {{10, 10}, {10, 80}, {45, 10}};
        QTest::newRow("row of fixed and unlaid children")
            << 0 << 5 << QSize(300, 100) << "f50x20 n40x20 a30x20"
            << QList<QPoint> {{5, 4}, {60, 4}, {105, 4}};
        QTest::newRow("plain widget keeps its place in a row")
            << 0 << 10 << QSize(300, 100) << "a50x20 q40x20 a30x20"
            << QList<QPoint> {{10, 4}, {3, 4}, {70, 4}};
        QTest::newRow("plain widget still breaks the row")
            << 2 << 10 << QSize(150, 200) << "a60x25 q70x40 a60x25"
            << QList<QPoint> {{10, 10}, {3, 4}, {10, 60}};
        QTest::newRow("wrap uses the height of the child that does not fit")
            << 2 << 0 << QSize(100, 200) << "a50x80 a50x10 a50x30"
            << QList<QPoint> {{0, 0}, {50, 0}, {0, 30}};
        QTest::newRow("no arrangement")
            << 4 << 10 << QSize(300, 100) << "a50x20 n40x20" << QList<QPoint> {{3, 4}, {3, 4}};
    }

    void arrangement()
    {
        QFETCH(int, mode);
        QFETCH(int, space);
        QFETCH(QSize, size);
        QFETCH(QString, children);
        QFETCH(QList<QPoint>, expected);
        VelQContainer container(&host);
        container.show();
        const QList<QWidget*> widgets = addChildren(&container, children);
        const ::Json::Value json = parsed("{\"w\": " + QByteArray::number(size.width())
            + ", \"h\": " + QByteArray::number(size.height()) + R"(, "attr": {"childLayout": )"
            + QByteArray::number(mode) + R"(, "space": )" + QByteArray::number(space) + "}}");
        container.loadAttributes(&json);
        container.applyLayout();
        QCOMPARE(container.size(), size);
        QCOMPARE(widgets.size(), expected.size());
        for (int i = 0; i < widgets.size(); ++i)
            QCOMPARE(widgets[i]->pos(), expected[i]);
        // Any resize arranges again from scratch, not from the places of the last time.
        container.setMinimumSize(0, 0);
        container.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        container.resize(size + QSize(0, 1));
        QCOMPARE(container.size(), size);
        for (int i = 0; i < widgets.size(); ++i)
            QCOMPARE(widgets[i]->pos(), expected[i]);
    }

    void arrangedFromDescription()
    {
        const ::Json::Value root = parsed(R"({"elements": [{"type": "container", "name": "row",
            "layout": {"type": 1}, "attr": {"childLayout": 0, "space": 10}, "child": [
              {"type": "qtcontainer", "w": 50, "h": 20, "layout": {"y": 5}},
              {"type": "qtcontainer", "x": 1, "y": 6, "w": 80, "h": 20},
              {"type": "qtcontainer", "w": 30, "h": 20, "layout": {"y": 7}}]}]})");
        QWidget* built = LoadElements(&root, &host);
        auto* row = qobject_cast<VelQContainer*>(built);
        QVERIFY(row);
        QCOMPARE(row->geometry(), QRect(QPoint(0, 0), host.size()));
        const QList<VelQContainer*> children
            = row->findChildren<VelQContainer*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 3);
        QCOMPARE(children[0]->geometry(), QRect(10, 5, 50, 20));
        QCOMPARE(children[1]->geometry(), QRect(70, 6, 80, 20));
        QCOMPARE(children[2]->geometry(), QRect(160, 7, 30, 20));
        delete row;
    }

    void childLayoutValues_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::addColumn<int>("childLayout");
        QTest::addColumn<int>("space");
        QTest::newRow("set") << QByteArray(R"({"attr": {"childLayout": 3, "space": 4}})")
                             << QByteArray("{}") << 3 << 4;
        QTest::newRow("attr without key resets")
            << QByteArray(R"({"attr": {"childLayout": 2, "space": 4}})")
            << QByteArray(R"({"attr": {}})") << 4 << 4;
        QTest::newRow("out of range")
            << QByteArray(R"({"attr": {"childLayout": 7}})") << QByteArray("{}") << 4 << 0;
        QTest::newRow("wrong types")
            << QByteArray(R"({"attr": {"childLayout": 1, "space": 2}})")
            << QByteArray(R"({"attr": {"childLayout": "0", "space": []}})") << 4 << 2;
    }

    void childLayoutValues()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        QFETCH(int, childLayout);
        QFETCH(int, space);
        VelQContainer container(&host);
        const ::Json::Value a = parsed(first);
        const ::Json::Value b = parsed(second);
        container.loadAttributes(&a);
        container.loadAttributes(&b);
        QCOMPARE(implOf(container)->childLayout, childLayout);
        QCOMPARE(implOf(container)->space, space);
    }

    void background_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("enabled");
        QTest::addColumn<QColor>("disabled");
        QTest::newRow("default gray") << QByteArray("[]") << gray << gray;
        QTest::newRow("slot 0 styles both") << QByteArray(R"([["pink", 0, 0]])") << pink << pink;
        QTest::newRow("slot 1 disabled only")
            << QByteArray(R"([["pink", 0, 0], ["cyan", 0, 1]])") << pink << cyan;
        QTest::newRow("slot 0 after slot 1 wins")
            << QByteArray(R"([["cyan", 0, 1], ["pink", 0, 0]])") << pink << pink;
        QTest::newRow("unknown name and slot")
            << QByteArray(R"([["nothing", 0, 0], ["pink", 0, 2]])") << gray << gray;
        QTest::newRow("empty paints nothing")
            << QByteArray(R"([["empty", 0, 0]])") << QColor(0, 0, 0, 0) << QColor(0, 0, 0, 0);
    }

    void background()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, enabled);
        QFETCH(QColor, disabled);
        VelQContainer container(&host);
        container.setGeometry(0, 0, 60, 40);
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        container.loadAttributes(&json);
        container.setGeometry(0, 0, 60, 40);
        QImage image = paintedAlone(&container);
        QCOMPARE_PIXEL(image, 0, 0, enabled);
        QCOMPARE_PIXEL(image, 59, 39, enabled);
        container.setEnabled(false);
        image = paintedAlone(&container);
        QCOMPARE_PIXEL(image, 30, 20, disabled);
    }

    void setBackgroundStyle()
    {
        VelQContainer container(&host);
        container.setGeometry(0, 0, 60, 40);
        ImageStyle style;
        style.color = cyan;
        container.setBackgroundStyle(style);
        QCOMPARE_PIXEL(render(&container), 30, 20, cyan);
        style.valid = false;
        container.setBackgroundStyle(style);
        QCOMPARE_PIXEL(paintedAlone(&container), 30, 20, QColor(0, 0, 0, 0));
        container.setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(&container), 30, 20, gray);
    }

    void drawsIntoAnyRectangle()
    {
        VelQContainer container(&host);
        container.setBackgroundStyle(ImageStyle());
        QImage image(50, 50, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            container.impl()->draw(&painter, QRect(10, 20, 5, 5));
        }
        QCOMPARE_PIXEL(image, 12, 22, QColor(Qt::white));
        QCOMPARE_PIXEL(image, 9, 22, QColor(0, 0, 0, 0));
    }

    void holdsEveryControlOfTheFamily()
    {
        const ::Json::Value root = parsed(R"({"elements": [{"type": "qtcontainer", "name": "page",
            "layout": {"type": 1}, "style": [["pink", 0, 0]], "child": [
              {"type": "label", "name": "label", "x": 10, "y": 10, "w": 80, "h": 20},
              {"type": "qtlabelex", "name": "rich", "x": 100, "y": 10, "w": 80, "h": 20},
              {"type": "checkbox", "name": "check", "x": 10, "y": 40, "w": 80, "h": 20},
              {"type": "radio", "name": "radio", "x": 100, "y": 40, "w": 80, "h": 20},
              {"type": "radiobox", "name": "radio2", "x": 190, "y": 40, "w": 80, "h": 20},
              {"type": "qtswitch", "name": "switch", "x": 10, "y": 70, "w": 60, "h": 29},
              {"type": "groupbox", "name": "group", "x": 100, "y": 70, "w": 150, "h": 100,
               "attr": {"text": "Group"}, "child": [
                 {"type": "qtcheckbox", "name": "inner", "x": 10, "y": 20, "w": 80, "h": 20}]},
              {"type": "container", "name": "row", "x": 10, "y": 180, "w": 300, "h": 40,
               "attr": {"childLayout": 0, "space": 5}, "child": [
                 {"type": "qtradiobox", "w": 50, "h": 20}, {"type": "qtlabel", "w": 50, "h": 20}]}
            ]}]})");
        auto* page = qobject_cast<VelQContainer*>(LoadElements(&root, &host));
        QVERIFY(page);
        QVERIFY(page->findChild<VelQLabel*>(QStringLiteral("label")));
        QVERIFY(page->findChild<VelQLabelEx*>(QStringLiteral("rich")));
        QVERIFY(page->findChild<VelQCheckBox*>(QStringLiteral("check")));
        QVERIFY(page->findChild<VelQRadioButton*>(QStringLiteral("radio")));
        QVERIFY(page->findChild<VelQRadioButton*>(QStringLiteral("radio2")));
        QVERIFY(page->findChild<VelQSwitch*>(QStringLiteral("switch")));
        auto* inner = page->findChild<VelQCheckBox*>(QStringLiteral("inner"));
        QVERIFY(inner);
        QCOMPARE(inner->parentWidget()->objectName(), QStringLiteral("group"));
        QCOMPARE(inner->geometry(), QRect(10, 20, 80, 20));
        auto* row = page->findChild<VelQContainer*>(QStringLiteral("row"));
        QVERIFY(row);
        const QList<QWidget*> cells
            = row->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(cells.size(), 2);
        QCOMPARE(cells[0]->pos(), QPoint(5, 0));
        QCOMPARE(cells[1]->pos(), QPoint(60, 0));
        const QImage image = render(page);
        QCOMPARE_PIXEL(image, 5, 5, pink);
        // The check box shows its built-in mark, vertically centred at its left.
        QCOMPARE_PIXEL(image, 11, 43, QColor(0xcc, 0xcc, 0xcc));
        delete page;
    }

    void hiddenContainerArrangesOnRequest()
    {
        // A hidden container, as an item view's row template is, gets no resize events.
        VelQContainer container(&host);
        container.hide();
        const QList<QWidget*> widgets = addChildren(&container, QStringLiteral("a50x20 a30x20"));
        const ::Json::Value json
            = parsed(R"({"w": 200, "h": 30, "attr": {"childLayout": 0, "space": 2}})");
        container.loadAttributes(&json);
        container.hide();
        container.applyLayout();
        QCOMPARE(container.size(), QSize(200, 30));
        QCOMPARE(widgets[1]->pos(), QPoint(3, 4));
        container.layoutChildren();
        QCOMPARE(widgets[0]->pos(), QPoint(2, 4));
        QCOMPARE(widgets[1]->pos(), QPoint(54, 4));
    }

    void basics()
    {
        VelQContainer container;
        QCOMPARE(container.typeName(), QStringLiteral("qtcontainer"));
        QVERIFY(container.hasMouseTracking());
        QCOMPARE(container.property("impl").value<void*>(), static_cast<void*>(container.impl()));
    }
};

QTEST_MAIN(tst_Container)
#include "tst_container.moc"
