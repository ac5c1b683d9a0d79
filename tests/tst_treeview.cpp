#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQTreeView_p.h>

#include <QStandardItemModel>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor treeBack(0, 0, 255), itemNormal(0, 200, 0), itemHover(200, 0, 0),
    itemSelected(255, 0, 255), spare(90, 90, 90), textNormal(255, 255, 255), textHover(255, 255, 0),
    textSelected(0, 255, 255), iconColour(255, 128, 0);

const char* const skin = R"({"w": 200, "h": 200, "style": [["back", 0, 0], ["item0", 0, 2],
    ["item1", 0, 3], ["item2", 0, 4], ["text0", 0, 6], ["text1", 0, 7], ["text2", 0, 8]]})";

std::unique_ptr<VelQTreeView> skinnedTree(QWidget* parent, const QByteArray& json = skin)
{
    return placed<VelQTreeView>(parent, json);
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

// Press, release, double click and release, as a window system delivers them.
void doubleClick(QWidget* w, QPoint pos)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonDblClick, pos, Qt::LeftButton, Qt::LeftButton);
    sendMouse(w, QEvent::MouseButtonRelease, pos, Qt::LeftButton);
}

} // namespace

class tst_TreeView : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("tree.data"),
            {boxStyle("back", treeBack), boxStyle("item0", itemNormal),
                boxStyle("item1", itemHover), boxStyle("item2", itemSelected),
                boxStyle("spare", spare), textStyle("text0", textNormal, 16, bold),
                textStyle("text1", textHover, 16, bold),
                textStyle("text2", textSelected, 16, bold)}));
        host.resize(400, 400);
    }

    void cleanup() { host.hide(); }

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
        const QImage image = render(tree.get());
        QCOMPARE_PIXEL(image, 190, 30, background);
        QVERIFY(holds(image, textColour, 8, QRect(20, 21, 80, 18)));
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
        tree->setModel(model(tree.get(), solidIcon(iconColour, 64)));
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
        tree->setModel(model(tree.get(), solidIcon(iconColour, 64)));
        const QImage image = render(tree.get());
        // The tree keeps QTreeView's frame: the viewport sits inside it.
        const QRect second = tree->visualRect(tree->model()->index(1, 0))
                                 .translated(tree->viewport()->geometry().topLeft());
        // A 30-pixel row has a 24-pixel icon in a 28-pixel column; the text follows it.
        QCOMPARE_PIXEL(image, second.left() + 2, second.top() + 3, iconColour);
        QCOMPARE_PIXEL(image, second.left() + 25, second.top() + 26, iconColour);
        QCOMPARE_PIXEL(image, second.left() + 26, second.top() + 15, itemNormal);
        QVERIFY(!holds(image, textNormal, 8, QRect(second.left(), second.top(), 28, 30)));
        QVERIFY(holds(image, textNormal, 8, QRect(second.left() + 28, second.top(), 40, 30)));
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
        const QImage image = render(tree.get());
        const QPoint corner = tree->cornerWidget()->geometry().center();
        QCOMPARE_PIXEL(image, corner.x(), corner.y(), treeBack);
    }

    void ownSurfaceShowsTheBackground()
    {
        auto tree = skinnedTree(&host, R"({"w": 100, "h": 100, "style": [["back", 0, 0]]})");
        // Only where nothing covers the view does its own surface show.
        tree->viewport()->hide();
        const QImage image = render(tree.get());
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
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, selected);
        auto tree = skinnedTree(&host, R"({"w": 200, "h": 100, "style": )" + style + "}");
        tree->setModel(model(tree.get()));
        tree->setCurrentIndex(tree->model()->index(1, 0));
        const QImage image = render(tree.get());
        QCOMPARE_PIXEL(image, 190, 10, normal);
        QCOMPARE_PIXEL(image, 190, 30, selected);
    }

    void expansionStaysQts()
    {
        auto tree = skinnedTree(&host);
        QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(tree->selectionBehavior(), QAbstractItemView::SelectRows);
        tree->setModel(model(tree.get()));
        QVERIFY(shown(&host));
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
    }
};

QTEST_MAIN(tst_TreeView)
#include "tst_treeview.moc"
