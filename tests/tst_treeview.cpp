#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQTreeView_p.h>

#include <QStandardItemModel>
#include <QtTest>

using namespace VelQtLib;
using TestSupport::parsed;

namespace {

const QColor treeBack(0, 0, 255), itemNormal(0, 200, 0), itemHover(200, 0, 0),
    itemSelected(255, 0, 255), spare(90, 90, 90), textNormal(255, 255, 255), textHover(255, 255, 0),
    textSelected(0, 255, 255), iconColour(255, 128, 0);

QByteArray box(const char* name, QColor c)
{
    return QByteArray(R"({"type": 1, "name": ")") + name + R"(", "drawImg": false, "clr": ")"
        + QByteArray::number(c.rgba(), 16) + R"("})";
}

QByteArray text(const char* name, QColor c)
{
    return QByteArray(R"({"type": 2, "name": ")") + name
        + R"(", "family": "DejaVu Sans", "size": 16, "bold": true, "clr": ")"
        + QByteArray::number(c.rgb() & 0xffffff, 16) + R"("})";
}

const char* const skin = R"({"w": 200, "h": 200, "style": [["back", 0, 0], ["item0", 0, 2],
    ["item1", 0, 3], ["item2", 0, 4], ["text0", 0, 6], ["text1", 0, 7], ["text2", 0, 8]]})";

std::unique_ptr<VelQTreeView> skinnedTree(QWidget* parent, const QByteArray& json = skin)
{
    auto tree = std::make_unique<VelQTreeView>(parent);
    const ::Json::Value element = parsed(json);
    tree->loadAttributes(&element);
    tree->applyLayout();
    return tree;
}

// Three top-level rows "MMMM", the first with two children.
QStandardItemModel* model(QObject* parent, const QIcon& icon = QIcon())
{
    auto* m = new QStandardItemModel(parent);
    for (int i = 0; i < 3; ++i) {
        auto* item = new QStandardItem(QStringLiteral("MMMM"));
        if (!icon.isNull())
            item->setIcon(icon);
        if (i == 0) {
            item->appendRow(new QStandardItem(QStringLiteral("child")));
            item->appendRow(new QStandardItem(QStringLiteral("child")));
        }
        m->appendRow(item);
    }
    return m;
}

QIcon icon(QColor colour)
{
    QPixmap pixmap(64, 64);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

bool holds(const QImage& image, const QRect& area, QColor colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (TestSupport::near(image.pixel(x, y), colour, 8))
                return true;
        }
    }
    return false;
}

// Press, release, double click and release, as a window system delivers them.
void doubleClick(QWidget* w, QPoint pos)
{
    using TestSupport::sendMouse;
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
}

void hoverAt(QAbstractItemView* view, QPoint pos)
{
    QHoverEvent event(QEvent::HoverMove, pos, QPoint(-1, -1));
    QCoreApplication::sendEvent(view->viewport(), &event);
}

} // namespace

class tst_TreeView : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Init();
        const QByteArray style = "{\"style\": [" + box("back", treeBack) + ","
            + box("item0", itemNormal) + "," + box("item1", itemHover) + ","
            + box("item2", itemSelected) + "," + box("spare", spare) + ","
            + text("text0", textNormal) + "," + text("text1", textHover) + ","
            + text("text2", textSelected) + "]}";
        const QString path = TestSupport::writeArchive(
            TestSupport::scratchPath(QStringLiteral("tree.data")), {{"style.json", style}});
        QVERIFY(LoadAppPackage(path));
        host.resize(400, 400);
    }

    void construction()
    {
        VelQTreeView tree(&host);
        QCOMPARE(tree.typeName(), QStringLiteral("qttree"));
        QVERIFY(qobject_cast<VelQTreeViewItemDelegate*>(tree.itemDelegate()));
        QVERIFY(qobject_cast<VelQTreeHeader*>(tree.header()));
        QVERIFY(tree.isHeaderHidden());
        QVERIFY(qobject_cast<VelQTreeConerWidget*>(tree.cornerWidget()));
        QVERIFY(qobject_cast<VelQTreeViewport*>(tree.viewport()));
        QVERIFY(qobject_cast<VelQScrollBar*>(tree.verticalScrollBar()));
        QVERIFY(qobject_cast<VelQScrollBar*>(tree.horizontalScrollBar()));
        QCOMPARE(tree.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(tree.selectionBehavior(), QAbstractItemView::SelectRows);
    }

    void itemLooks_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("textColour");
        QTest::newRow("normal") << false << false << itemNormal << textNormal;
        QTest::newRow("selected") << true << false << itemSelected << textSelected;
        QTest::newRow("under the mouse") << false << true << itemHover << textHover;
        QTest::newRow("selected under the mouse") << true << true << itemSelected << textSelected;
    }

    void itemLooks()
    {
        QFETCH(bool, selected);
        QFETCH(bool, hovered);
        QFETCH(QColor, background);
        QFETCH(QColor, textColour);
        auto tree = skinnedTree(&host);
        tree->setModel(model(tree.get()));
        if (selected)
            tree->setCurrentIndex(tree->model()->index(1, 0));
        if (hovered)
            hoverAt(tree.get(), QPoint(100, 30));
        const QImage image = TestSupport::render(tree.get());
        image.save(QStringLiteral("/tmp/tst_tree_%1.png").arg(QTest::currentDataTag()));
        QCOMPARE_PIXEL(image, 190, 30, background);
        QVERIFY(holds(image, QRect(20, 21, 80, 18), textColour));
        QCOMPARE_PIXEL(image, 190, 10, itemNormal);
        QCOMPARE_PIXEL(image, 190, 50, itemNormal);
        QCOMPARE_PIXEL(image, 100, 150, treeBack);
    }

    void rowHeight_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<int>("height");
        QTest::newRow("default") << QByteArray("{}") << 20;
        QTest::newRow("given") << QByteArray(R"({"itemHeight": 28})") << 28;
        QTest::newRow("zero") << QByteArray(R"({"itemHeight": 0})") << 20;
        QTest::newRow("wrong type") << QByteArray(R"({"itemHeight": "28"})") << 20;
    }

    void rowHeight()
    {
        QFETCH(QByteArray, attr);
        QFETCH(int, height);
        auto tree = skinnedTree(&host, R"({"w": 200, "h": 200, "attr": )" + attr + "}");
        tree->setModel(model(tree.get()));
        tree->expandAll();
        QCOMPARE(tree->visualRect(tree->model()->index(1, 0)).top(), 3 * height);
        QCOMPARE(tree->visualRect(tree->model()->index(1, 0)).height(), height);
    }

    void iconWidensTheHint()
    {
        auto tree = skinnedTree(&host);
        tree->setModel(model(tree.get(), icon(iconColour)));
        auto* plainModel = model(tree.get());
        QStyleOptionViewItem option;
        option.initFrom(tree.get());
        QItemDelegate plain;
        const QSize withIcon = tree->itemDelegate()->sizeHint(option, tree->model()->index(1, 0));
        QCOMPARE(
            withIcon.width(), plain.sizeHint(option, tree->model()->index(1, 0)).width() + 4 + 16);
        QCOMPARE(withIcon.height(), 20);
        const QSize without = tree->itemDelegate()->sizeHint(option, plainModel->index(1, 0));
        QCOMPARE(without.width(), plain.sizeHint(option, plainModel->index(1, 0)).width());
    }

    void iconDrawn()
    {
        auto tree = skinnedTree(&host, R"({"w": 200, "h": 200, "style": [["item0", 0, 2],
            ["text0", 0, 6]], "attr": {"itemHeight": 30}})");
        tree->setModel(model(tree.get(), icon(iconColour)));
        const QImage image = TestSupport::render(tree.get());
        // The tree keeps QTreeView's frame: the viewport sits inside it.
        const QRect second = tree->visualRect(tree->model()->index(1, 0))
                                 .translated(tree->viewport()->geometry().topLeft());
        // A 30-pixel row has a 24-pixel icon in a 28-pixel column; the text follows it.
        QCOMPARE_PIXEL(image, second.left() + 2, second.top() + 3, iconColour);
        QCOMPARE_PIXEL(image, second.left() + 25, second.top() + 26, iconColour);
        QCOMPARE_PIXEL(image, second.left() + 26, second.top() + 15, itemNormal);
        QVERIFY(!holds(image, QRect(second.left(), second.top(), 28, 30), textNormal));
        QVERIFY(holds(image, QRect(second.left() + 28, second.top(), 40, 30), textNormal));
    }

    void cornerShowsTheBackground()
    {
        auto tree = skinnedTree(&host, R"({"w": 100, "h": 100, "style": [["back", 0, 0]]})");
        auto* m = new QStandardItemModel(tree.get());
        for (int i = 0; i < 40; ++i)
            m->appendRow(new QStandardItem(QString(80, QLatin1Char('M'))));
        tree->setModel(m);
        tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        host.show();
        QTRY_VERIFY(tree->cornerWidget()->isVisible());
        const QImage image = TestSupport::render(tree.get());
        const QPoint corner = tree->cornerWidget()->geometry().center();
        QCOMPARE_PIXEL(image, corner.x(), corner.y(), treeBack);
        host.hide();
    }

    void ownSurfaceShowsTheBackground()
    {
        auto tree = skinnedTree(&host, R"({"w": 100, "h": 100, "style": [["back", 0, 0]]})");
        // Only where nothing covers the view does its own surface show.
        tree->viewport()->hide();
        const QImage image = TestSupport::render(tree.get());
        QCOMPARE_PIXEL(image, 50, 50, treeBack);
    }

    void styleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("selected");
        QTest::newRow("slot 2 fills every state")
            << QByteArray(R"([["spare", 0, 2]])") << spare << spare;
        QTest::newRow("slot 4 only selected")
            << QByteArray(R"([["item0", 0, 2], ["spare", 0, 4]])") << itemNormal << spare;
        QTest::newRow("header slots are ignored") << QByteArray(
            R"([["item0", 0, 2], ["spare", 0, 10], ["spare", 0, 14], ["spare", 0, 1], ["spare", 0, -2]])")
                                                  << itemNormal << itemNormal;
        QTest::newRow("unknown name")
            << QByteArray(R"([["item0", 0, 2], ["none", 0, 4]])") << itemNormal << itemNormal;
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, selected);
        auto tree = skinnedTree(&host, R"({"w": 200, "h": 100, "style": )" + style + "}");
        tree->setModel(model(tree.get()));
        tree->setCurrentIndex(tree->model()->index(1, 0));
        const QImage image = TestSupport::render(tree.get());
        QCOMPARE_PIXEL(image, 190, 10, normal);
        QCOMPARE_PIXEL(image, 190, 30, selected);
    }

    void scrollBarChildren_data()
    {
        QTest::addColumn<QByteArray>("children");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<int>("thickness");
        QTest::addColumn<int>("arrow");
        QTest::newRow("none") << QByteArray("[]") << QString() << 23 << 23;
        QTest::newRow("vertical") << QByteArray(
            R"([{"type": "qtscrollbar", "w": 12, "attr": {"size": 30}}])")
                                  << scrollBarShortSheetTrailingBlank(12, 12) << 12 << 30;
        QTest::newRow("horizontal")
            << QByteArray(R"([{"type": "qtscrollbar", "w": 12, "h": 8, "attr": {"hor": true}}])")
            << scrollBarShortSheetTrailingBlank(8, 8) << 8 << 23;
        QTest::newRow("without w") << QByteArray(R"([{"type": "scrollbar"}])")
                                   << scrollBarShortSheetTrailingBlank(0, 0) << 0 << 23;
    }

    void scrollBarChildren()
    {
        QFETCH(QByteArray, children);
        QFETCH(QString, sheet);
        QFETCH(int, thickness);
        QFETCH(int, arrow);
        auto tree = skinnedTree(&host, R"({"child": )" + children + R"(, "attr": {}})");
        QCOMPARE(tree->verticalScrollBar()->styleSheet(), sheet);
        QCOMPARE(tree->horizontalScrollBar()->styleSheet(), sheet);
        auto* d = static_cast<VelQTreeViewImpl*>(tree->impl());
        QCOMPARE(d->barThickness, thickness);
        QCOMPARE(d->arrowSize, arrow);
    }

    void expansionStaysQts()
    {
        auto tree = skinnedTree(&host);
        tree->setModel(model(tree.get()));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        const QModelIndex parent = tree->model()->index(0, 0);
        const QPoint centre = tree->visualRect(parent).center();
        doubleClick(tree->viewport(), centre);
        QVERIFY(tree->isExpanded(parent));
        QCOMPARE(tree->visualRect(tree->model()->index(1, 0)).top(), 60);
        doubleClick(tree->viewport(), centre);
        QVERIFY(!tree->isExpanded(parent));
        tree->setFocus();
        tree->setCurrentIndex(parent);
        QTest::keyClick(tree.get(), Qt::Key_Right);
        QVERIFY(tree->isExpanded(parent));
        QTest::keyClick(tree.get(), Qt::Key_Down);
        QCOMPARE(tree->currentIndex(), tree->model()->index(0, 0, parent));
        host.hide();
    }

    void builtFromDescriptions_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("type name") << QByteArray("qttree");
        QTest::newRow("alias") << QByteArray("tree");
    }

    void builtFromDescriptions()
    {
        QFETCH(QByteArray, type);
        const ::Json::Value root = parsed(R"({"elements": [{"type": ")" + type
            + R"(", "name": "made", "w": 150, "h": 90, "attr": {"itemHeight": 26}}]})");
        QWidget window;
        LoadElements(&root, &window);
        auto* tree = window.findChild<VelQTreeView*>(QStringLiteral("made"));
        QVERIFY(tree);
        QCOMPARE(static_cast<VelQTreeViewImpl*>(tree->impl())->itemHeight, 26);
        QVERIFY(!tree->model() || tree->model()->rowCount() == 0);
    }
};

QTEST_MAIN(tst_TreeView)
#include "tst_treeview.moc"
