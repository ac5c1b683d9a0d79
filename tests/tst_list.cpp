#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQList_p.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor listBack(0, 0, 255), rowNormal(0, 200, 0), rowHover(200, 0, 0),
    rowSelected(255, 0, 255), rowSpare(90, 90, 90), textNormal(255, 255, 255),
    textHover(255, 255, 0), textSelected(0, 255, 255), iconColour(255, 128, 0);

const char* const skin = R"({"w": 200, "h": 200, "style": [["back", 0, 0], ["row0", 0, 2],
    ["row1", 0, 3], ["row2", 0, 4], ["text0", 0, 6], ["text1", 0, 7], ["text2", 0, 8]],
    "attr": {"itemHeight": 30}})";

std::unique_ptr<VelQList> skinnedList(QWidget* parent, const QByteArray& json = skin)
{
    return placed<VelQList>(parent, json);
}

// Columns of rows y0..y1 that hold the colour.
QPair<int, int> columnsIn(const QImage& image, int y0, int y1, QColor colour)
{
    return columnsOf(image, colour, 8, QRect(0, y0, image.width(), y1 - y0 + 1));
}

// A program's row painter: rows 33 high, or row r 25 + 10 r high when growing; it counts the
// rows it paints.
class TallRows : public QStyledItemDelegate {
public:
    TallRows(bool growing, QObject* parent)
        : QStyledItemDelegate(parent)
        , growing(growing)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(),
            growing ? 25 + 10 * index.row() : 33);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        ++painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
    const bool growing;
    mutable int painted = 0;
};

// A view of kind over three editable rows of two columns: a skinned one (its background the
// "back" record) or Qt's own.
QAbstractItemView* makeView(const QByteArray& kind, bool skinned, QWidget* parent)
{
    QAbstractItemView* view = nullptr;
    if (kind == "list") {
        auto* list = skinned ? new VelQList(parent) : new QListWidget(parent);
        for (const char* text : {"r0", "r1", "r2"}) {
            auto* item = new QListWidgetItem(QLatin1String(text), list);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
        }
        view = list;
    } else {
        if (kind == "listview")
            view = skinned ? new VelQListView(parent) : new QListView(parent);
        else if (kind == "tree")
            view = skinned ? new VelQTreeView(parent) : new QTreeView(parent);
        else
            view = skinned ? new VelQTableView(parent) : new QTableView(parent);
        auto* model = new QStandardItemModel(3, 2, view);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 2; ++column)
                model->setItem(
                    row, column, new QStandardItem(QStringLiteral("r%1c%2").arg(row).arg(column)));
        }
        model->setHorizontalHeaderLabels({QStringLiteral("H0"), QStringLiteral("H1")});
        view->setModel(model);
    }
    if (skinned) {
        const ::Json::Value json = parsed(R"({"style": [["back", 0, 0]]})");
        dynamic_cast<IVelQControlBase*>(view)->loadAttributes(&json);
    }
    view->setGeometry(skinned ? 0 : 200, 0, 200, 200);
    view->show();
    return view;
}

// Calls Qt's setter on view after construction and measures what Qt's views do with it.
QVariantList afterSetter(QAbstractItemView* view, const QByteArray& setter)
{
    const QModelIndex first = view->model()->index(0, 0);
    auto* tall = new TallRows(setter == "uniformRowHeights", view);
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(view))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(view))
        header = table->verticalHeader();
    if (setter == "editTriggers") {
        view->setEditTriggers(QAbstractItemView::DoubleClicked);
        const QPoint at = view->visualRect(first).center();
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        return {view->viewport()->findChild<QLineEdit*>() != nullptr};
    }
    if (setter == "extendedSelection") {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->selectAll();
        return {view->selectionModel()->selectedIndexes().size()};
    }
    if (setter == "header") {
        header->show();
        QCoreApplication::processEvents();
        const QImage image = render(header);
        // Section labels painted over the header's background.
        const int painted = image.width() * image.height()
            - countNear(image, image.pixelColor(image.width() - 1, image.height() - 1), 8);
        return {header->isVisible(), header->sizeHint().height() > 0, painted > 20,
            view->viewport()->geometry().intersects(header->geometry())};
    }
    if (setter == "spacing") {
        static_cast<QListView*>(view)->setSpacing(0);
        const QRect r0 = view->visualRect(first), r1 = view->visualRect(view->model()->index(1, 0));
        return {r0.top(), r1.top() - r0.bottom() - 1};
    }
    // As programs often do: the replaced painter is deleted.
    QAbstractItemDelegate* replaced = view->itemDelegate();
    view->setItemDelegate(tall);
    delete replaced;
    // A list view adopts a row template through its painter.
    if (qobject_cast<VelQListView*>(view))
        new VelQContainer(view);
    if (auto* control = dynamic_cast<IVelQControlBase*>(view))
        control->fillSamples();
    if (setter == "uniformRowHeights")
        static_cast<QTreeView*>(view)->setUniformRowHeights(false);
    view->doItemsLayout();
    view->viewport()->update();
    (void)QTest::qWaitFor([&] { return tall->painted > 0; });
    QVariantList rows {tall->painted > 0, view->itemDelegate(first) == tall};
    // A table's rows are as high as its vertical header makes them.
    for (int row = 0; row < 3 && !qobject_cast<QTableView*>(view); ++row)
        rows << view->visualRect(view->model()->index(row, 0)).height();
    return rows;
}

} // namespace

class tst_List : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("list.data"),
            {boxStyle("back", listBack), boxStyle("row0", rowNormal), boxStyle("row1", rowHover),
                boxStyle("row2", rowSelected), boxStyle("spare", rowSpare),
                textStyle("text0", textNormal, 20, bold), textStyle("text1", textHover, 20, bold),
                textStyle("text2", textSelected, 20, bold)}));
        host.resize(400, 400);
    }

    void cleanup() { host.hide(); }

    void rowLooks_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("textColour");
        QTest::newRow("normal") << false << false << rowNormal << textNormal;
        QTest::newRow("selected") << true << false << rowSelected << textSelected;
        QTest::newRow("under the mouse") << false << true << rowHover << textHover;
        QTest::newRow("selected under the mouse") << true << true << rowHover << textHover;
    }

    void rowLooks()
    {
        QFETCH(bool, selected);
        QFETCH(bool, hovered);
        QFETCH(QColor, background);
        QFETCH(QColor, textColour);
        auto list = skinnedList(&host);
        for (int i = 0; i < 3; ++i)
            list->addItem(QStringLiteral("MMMM"));
        list->show();
        if (selected)
            list->setCurrentRow(1);
        if (hovered)
            hoverAt(list.get(), QPoint(100, 45));
        const QImage image = render(list.get());
        QCOMPARE_PIXEL(image, 190, 45, background);
        QVERIFY(columnsIn(image, 31, 59, textColour).first >= 0);
        // The other rows keep their normal look.
        QCOMPARE_PIXEL(image, 190, 15, rowNormal);
        QCOMPARE_PIXEL(image, 190, 75, rowNormal);
        // Below the rows the viewport shows its background.
        QCOMPARE_PIXEL(image, 100, 150, listBack);
    }

    void hoverFollowsTheMouse()
    {
        auto list = skinnedList(&host);
        for (int i = 0; i < 3; ++i)
            list->addItem(QStringLiteral("row"));
        QVERIFY(shown(&host));
        QTest::mouseMove(list->viewport(), QPoint(100, 75));
        QTRY_COMPARE_WITH_TIMEOUT(render(list.get()).pixel(190, 75), rowHover.rgba(), 2000);
        QCOMPARE_PIXEL(render(list.get()), 190, 15, rowNormal);
    }

    void iconColumn_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("iconSize");
        QTest::newRow("24 high") << 24 << 16;
        QTest::newRow("25 high") << 25 << 24;
        QTest::newRow("32 high") << 32 << 24;
        QTest::newRow("33 high") << 33 << 32;
    }

    void iconColumn()
    {
        QFETCH(int, height);
        QFETCH(int, iconSize);
        auto list = skinnedList(&host,
            R"({"w": 200, "h": 200, "style": [["row0", 0, 2], ["text0", 0, 6]],
                "attr": {"itemHeight": )"
                + QByteArray::number(height) + "}}");
        new QListWidgetItem(solidIcon(iconColour, 64), QStringLiteral("MMMM"), list.get());
        const QImage image = render(list.get());
        const int column = iconSize + 4;
        const QPair<int, int> iconColumns = columnsIn(image, 0, height - 1, iconColour);
        QCOMPARE(iconColumns.first, (column - iconSize) / 2);
        QCOMPARE(iconColumns.second, (column - iconSize) / 2 + iconSize - 1);
        const int top = (height - iconSize) / 2;
        QCOMPARE_PIXEL(image, iconColumns.first, top, iconColour);
        QCOMPARE_PIXEL(image, iconColumns.first, top + iconSize - 1, iconColour);
        if (top > 0)
            QCOMPARE_PIXEL(image, iconColumns.first, top - 1, rowNormal);
        const QPair<int, int> textColumns = columnsIn(image, 0, height - 1, textNormal);
        QVERIFY2(textColumns.first >= column && textColumns.first <= column + 4,
            QByteArray::number(textColumns.first));
    }

    void textFromTheFirstRole()
    {
        auto list = skinnedList(&host);
        auto* item = new QListWidgetItem(list.get());
        item->setData(Qt::ToolTipRole, QStringLiteral("MMMM"));
        item->setData(Qt::UserRole, 5);
        auto* iconOnly = new QListWidgetItem(list.get());
        iconOnly->setIcon(solidIcon(iconColour, 64));
        iconOnly->setData(Qt::ToolTipRole, QStringLiteral("MMMM"));
        const QImage image = render(list.get());
        QVERIFY(columnsIn(image, 0, 29, textNormal).first >= 0);
        // The icon is the lowest role there: it gives an empty text and is no second-role icon.
        QCOMPARE(columnsIn(image, 30, 59, textNormal).first, -1);
        QCOMPARE(columnsIn(image, 30, 59, iconColour).first, -1);
    }

    void rowHeight_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<int>("height");
        QTest::newRow("default") << QByteArray("{}") << 20;
        QTest::newRow("given") << QByteArray(R"({"itemHeight": 33})") << 33;
        QTest::newRow("zero") << QByteArray(R"({"itemHeight": 0})") << 20;
        QTest::newRow("wrong type") << QByteArray(R"({"itemHeight": "40"})") << 20;
    }

    void rowHeight()
    {
        QFETCH(QByteArray, attr);
        QFETCH(int, height);
        auto list = skinnedList(&host, R"({"w": 200, "h": 200, "attr": )" + attr + "}");
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        list->show();
        QCOMPARE(list->visualItemRect(list->item(1)).top(), height);
        QCOMPARE(list->visualItemRect(list->item(1)).height(), height);
        QCOMPARE(list->visualItemRect(list->item(1)).width(), list->viewport()->width());
        list->hide();
    }

    void styleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("selected");
        QTest::newRow("slot 2 fills every state")
            << QByteArray(R"([["spare", 0, 2]])") << rowSpare << rowSpare;
        QTest::newRow("slot 4 only selected")
            << QByteArray(R"([["row0", 0, 2], ["spare", 0, 4]])") << rowNormal << rowSpare;
        QTest::newRow("slot 5 is the unused fourth state")
            << QByteArray(R"([["row0", 0, 2], ["spare", 0, 5]])") << rowNormal << rowNormal;
        QTest::newRow("ignored slots") << QByteArray(
            R"([["row0", 0, 2], ["spare", 0, 1], ["spare", 0, -1], ["spare", 0, 10], ["spare", 0, 6]])")
                                       << rowNormal << rowNormal;
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, selected);
        auto list = skinnedList(&host, R"({"w": 200, "h": 100, "style": )" + style + "}");
        list->addItems({QStringLiteral("a"), QStringLiteral("b")});
        list->setCurrentRow(1);
        const QImage image = render(list.get());
        QCOMPARE_PIXEL(image, 190, 10, normal);
        QCOMPARE_PIXEL(image, 190, 30, selected);
    }

    void textStyleSlots()
    {
        auto list = skinnedList(&host,
            R"({"w": 200, "h": 100, "style": [["row0", 0, 2], ["text1", 0, 6], ["text0", 0, 8]]})");
        list->addItems({QStringLiteral("MMMM"), QStringLiteral("MMMM")});
        list->setCurrentRow(1);
        const QImage image = render(list.get());
        QVERIFY(columnsIn(image, 0, 19, textHover).first >= 0);
        QVERIFY(columnsIn(image, 20, 39, textNormal).first >= 0);
        QCOMPARE(columnsIn(image, 20, 39, textHover).first, -1);
    }

    void multiselect_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<int>("mode");
        QTest::newRow("absent") << QByteArray("{}") << int(QAbstractItemView::SingleSelection);
        QTest::newRow("true") << QByteArray(R"({"multiselect": true})")
                              << int(QAbstractItemView::ExtendedSelection);
        QTest::newRow("wrong type")
            << QByteArray(R"({"multiselect": "yes"})") << int(QAbstractItemView::SingleSelection);
    }

    void multiselect()
    {
        QFETCH(QByteArray, attr);
        QFETCH(int, mode);
        auto list = skinnedList(&host, R"({"attr": )" + attr + "}");
        QCOMPARE(int(list->selectionMode()), mode);
    }

    void scrollBarChildStylesTheBar()
    {
        auto list = skinnedList(&host, R"({"w": 200, "h": 100, "child": [{"type": "qtscrollbar",
            "w": 14, "style": [["spare", 0, 0], ["row2", 0, 10]]}]})");
        for (int i = 0; i < 30; ++i)
            list->addItem(QStringLiteral("row"));
        host.show();
        QScrollBar* bar = list->verticalScrollBar();
        QTRY_COMPARE(bar->width(), 14);
        const QImage image = render(bar);
        const QRect thumb = static_cast<VelQScrollBar*>(bar)->partRect(QStyle::SC_ScrollBarSlider);
        QCOMPARE_PIXEL(image, thumb.center().x(), thumb.center().y(), rowSelected);
    }

    void programBarsAreSkinnedToo()
    {
        VelQList list(&host);
        auto* own = new VelQScrollBar(Qt::Vertical, &host);
        list.setVerticalScrollBar(own);
        const ::Json::Value element = parsed(R"({"child": [{"type": "qtscrollbar", "w": 11}]})");
        list.loadAttributes(&element);
        QCOMPARE(own->styleSheet(), scrollBarLongSheet(11, 11, 11));
        list.setHorizontalScrollBar(new QScrollBar(Qt::Horizontal));
        const ::Json::Value horizontal
            = parsed(R"({"child": [{"type": "qtscrollbar", "h": 7, "attr": {"hor": true}}]})");
        list.loadAttributes(&horizontal);
        // A child for a bar that is not skinned is passed over.
        QCOMPARE(own->styleSheet(), scrollBarLongSheet(11, 11, 11));
    }

    void keysAndSelectionStayQts()
    {
        auto list = skinnedList(&host, R"({"w": 200, "h": 100, "attr": {"multiselect": true}})");
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        list->show();
        list->setFocus();
        list->setCurrentRow(0);
        QCOMPARE(list->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
        QTest::keyClick(list.get(), Qt::Key_Down);
        QCOMPARE(list->currentRow(), 1);
        QTest::keyClick(list.get(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(list->selectedItems().size(), 2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 5));
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(list->selectedItems().size(), 1);
        list->hide();
    }

    // Each default a skinned view gives itself yields to Qt's own setter called afterwards,
    // while the skin goes on painting the view's background.
    void qtSettersWin_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("setter");
        const QList<QByteArray> common = {"editTriggers", "extendedSelection", "itemDelegate"};
        const QList<QPair<QByteArray, QList<QByteArray>>> views
            = {{"list", {"spacing"}}, {"listview", {"spacing"}},
                {"tree", {"header", "uniformRowHeights"}}, {"table", {"header"}}};
        for (const auto& view : views) {
            for (const QByteArray& setter : common + view.second)
                QTest::addRow("%s %s", view.first.constData(), setter.constData())
                    << view.first << setter;
        }
    }

    void qtSettersWin()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, setter);
        QWidget window;
        window.resize(400, 200);
        QAbstractItemView* ours = makeView(kind, true, &window);
        QAbstractItemView* qts = makeView(kind, false, &window);
        QVERIFY(shown(&window));
        QCOMPARE(afterSetter(ours, setter), afterSetter(qts, setter));
        const QImage image = render(ours->viewport());
        QCOMPARE_PIXEL(image, image.width() - 2, image.height() - 2, listBack);
    }

    void hugeRowsAreHarmless()
    {
        auto list
            = skinnedList(&host, R"({"w": 200, "h": 100, "attr": {"itemHeight": 2147483647}})");
        list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        host.show();
        render(list.get());
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        render(list.get());
    }

    void badInputIsHarmless()
    {
        auto list = skinnedList(&host, R"({"style": 5, "child": [5, "x", {"type": 7},
            {"type": "scrollbar", "w": "wide", "attr": 3, "style": {"a": 1}}],
            "attr": {"itemHeight": [], "multiselect": {}}})");
        list->addItem(QStringLiteral("a"));
        render(list.get());
        const ::Json::Value* none = nullptr;
        QVERIFY(!list->impl()->parseAttributes(none));
    }
};

QTEST_MAIN(tst_List)
#include "tst_list.moc"
