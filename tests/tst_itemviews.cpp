#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQListView_p.h>
#include <controls/VelQTableView_p.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor back(0, 0, 255), row0(0, 200, 0), row1(200, 0, 0), row2(255, 0, 255),
    spare(90, 90, 90), text0(255, 255, 255), text1(255, 255, 0), text2(0, 255, 255),
    iconColour(255, 128, 0), header0(40, 40, 40), headerText(128, 64, 0), onColour(255, 255, 128),
    offColour(128, 0, 255), pictureColour(0, 128, 128), stampFace(10, 20, 30),
    stampHot(250, 100, 10), buttonA(160, 160, 0), buttonB(0, 160, 160), buttonC(100, 50, 0),
    buttonHot(200, 200, 200);

const QByteArray rowStyles = R"([["back", 0, 0], ["row0", 0, 2], ["row1", 0, 3], ["row2", 0, 4],
    ["text0", 0, 6], ["text1", 0, 7], ["text2", 0, 8], ["header0", 0, 10], ["headerText", 0, 14]])";

// A list view's row template: the buttons "left" (10..69), "right" (200..259) and "over"
// (40..99, later, so above "left"), all 5..34 high.
const QByteArray rowTemplate = R"(, "child": [{"type": "qtscrollbar", "w": 10},
    {"type": "qtcontainer", "name": "template", "w": 300, "h": 40, "child": [
      {"type": "qtbutton", "name": "left", "x": 10, "y": 5, "w": 60, "h": 30,
       "style": [["buttonA", 0, 0], ["buttonHot", 0, 1]], "attr": {"text": ""}},
      {"type": "qtbutton", "name": "right", "x": 200, "y": 5, "w": 60, "h": 30,
       "style": [["buttonB", 0, 0], ["buttonHot", 0, 1]], "attr": {"text": ""}},
      {"type": "qtbutton", "name": "over", "x": 40, "y": 5, "w": 60, "h": 30,
       "style": [["buttonC", 0, 0]], "attr": {"text": ""}}]}])";

const QList<QByteArray> kinds = {"list", "listview", "tree", "table"};

// Rows of "MMM": a list's items, or editable ones of a model of columns (three in a table, one
// elsewhere) under "HHH"; a table's columns are 120 wide, its rows 30 high.
void fill(QAbstractItemView* view, int rows)
{
    if (auto* list = qobject_cast<QListWidget*>(view)) {
        for (int i = 0; i < rows; ++i)
            list->addItem(QStringLiteral("MMM"));
        return;
    }
    auto* table = qobject_cast<QTableView*>(view);
    auto* model = new QStandardItemModel(rows, table ? 3 : 1, view);
    for (int column = 0; column < model->columnCount(); ++column) {
        model->setHorizontalHeaderItem(column, new QStandardItem(QStringLiteral("HHH")));
        for (int row = 0; row < rows; ++row)
            model->setItem(row, column, new QStandardItem(QStringLiteral("MMM")));
    }
    view->setModel(model);
    if (table) {
        table->verticalHeader()->setDefaultSectionSize(30);
        table->horizontalHeader()->setDefaultSectionSize(120);
    }
}

// A cell's rectangle in the view's own coordinates.
QRect cellRect(QAbstractItemView* view, int row, int column = 0)
{
    return view->visualRect(view->model()->index(row, column))
        .translated(view->viewport()->geometry().topLeft());
}

// Where a cell shows its background: 150 pixels in (between a list view's buttons), or
// beside the right edge of a narrower cell.
QPoint backgroundSpot(const QRect& cell)
{
    return QPoint(qMin(cell.left() + 150, cell.right() - 2), cell.center().y());
}

void kindRows(const QList<QByteArray>& list = kinds)
{
    QTest::addColumn<QByteArray>("kind");
    for (const QByteArray& kind : list)
        QTest::newRow(kind.constData()) << kind;
}

QList<int> selectedRows(QAbstractItemView* view)
{
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// A program's row painter: rows 33 high; it counts the rows it paints.
class TallRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), 33);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        ++painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
    mutable int painted = 0;
};

// Calls Qt's setter on view after construction and measures what Qt's views do with it.
QVariantList afterSetter(QAbstractItemView* view, const QByteArray& setter)
{
    if (setter == "extendedSelection") {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->selectAll();
        return {view->selectionModel()->selectedIndexes().size()};
    }
    if (setter == "header") {
        auto* tree = qobject_cast<QTreeView*>(view);
        QHeaderView* header
            = tree ? tree->header() : static_cast<QTableView*>(view)->verticalHeader();
        header->show();
        QCoreApplication::processEvents();
        const QImage image = render(header);
        // Section labels painted over the header's background.
        const int painted = image.width() * image.height()
            - countNear(image, image.pixelColor(image.width() - 1, image.height() - 1), 8);
        return {header->isVisible(), header->sizeHint().height() > 0, painted > 20,
            view->viewport()->geometry().intersects(header->geometry())};
    }
    // As programs often do: the replaced painter is deleted.
    QAbstractItemDelegate* replaced = view->itemDelegate();
    auto* tall = new TallRows(view);
    view->setItemDelegate(tall);
    delete replaced;
    // A list view adopts a row template through its painter.
    if (qobject_cast<VelQListView*>(view))
        new VelQContainer(view);
    if (auto* control = dynamic_cast<IVelQControlBase*>(view))
        control->fillSamples();
    view->doItemsLayout();
    view->viewport()->update();
    (void)QTest::qWaitFor([&] { return tall->painted > 0; });
    QVariantList rows {tall->painted > 0, view->itemDelegate(view->model()->index(0, 0)) == tall};
    // A table's rows are as high as its vertical header makes them.
    for (int row = 0; row < 3 && !qobject_cast<QTableView*>(view); ++row)
        rows << view->visualRect(view->model()->index(row, 0)).height();
    return rows;
}

} // namespace

class tst_ItemViews : public QObject {
    Q_OBJECT

    QWidget host;

    // A skinned view of kind named "view", 400 × 300, built from a description (every row slot
    // skinned and rows 30 high by default; a list view's rows are 40 through its row template)
    // and filled with rows.
    QAbstractItemView* view(const QByteArray& kind, int rows = 5,
        const QByteArray& style = rowStyles, QByteArray attr = QByteArray())
    {
        if (attr.isEmpty())
            attr = kind == "listview" ? R"({"itemHeight": 40})" : R"({"itemHeight": 30})";
        const ::Json::Value root
            = parsed(R"({"elements": [{"type": "qt)" + (kind == "table" ? "datagrid" : kind)
                + R"(", "name": "view", "w": 400, "h": 300, "style": )" + style + R"(, "attr": )"
                + attr + (kind == "listview" ? rowTemplate : QByteArray()) + "}]}");
        LoadElements(&root, &host);
        auto* made = host.findChild<QAbstractItemView*>(QStringLiteral("view"));
        if (made)
            fill(made, rows);
        return made;
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("views.data"),
            {boxStyle("back", back), boxStyle("row0", row0), boxStyle("row1", row1),
                boxStyle("row2", row2), boxStyle("spare", spare), boxStyle("header0", header0),
                boxStyle("face", stampFace), boxStyle("stampHot", stampHot),
                boxStyle("buttonA", buttonA), boxStyle("buttonB", buttonB),
                boxStyle("buttonC", buttonC), boxStyle("buttonHot", buttonHot),
                textStyle("text0", text0, 16, bold), textStyle("text1", text1, 16, bold),
                textStyle("text2", text2, 16, bold), textStyle("headerText", headerText, 16, bold)},
            {{"on.png", solidPng(onColour, 16, 20)}, {"off.png", solidPng(offColour, 16, 20)},
                {"picture.png", solidPng(pictureColour, 12, 12)}}));
        // A theme whose check boxes show their mark right of their label.
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({textStyle("label", iconColour, 16, bold)})},
                {"theme.json", R"({"elements": [{"child": [{"name": "markRight",
                    "style": [["label", 0, 8], ["label", 0, 9]],
                    "attr": {"text": "MMM", "iconHor": 2}}]}]})"}}));
        host.resize(500, 400);
    }

    // Hover comes only from the steps of a test, never from where the pointer was left.
    void init() { QCursor::setPos(host.mapToGlobal(QPoint(520, 420))); }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void rowLooks_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        const QByteArray all = rowStyles;
        for (const QByteArray& kind : kinds) {
            // Only the list lets the row under the mouse win over the selection.
            const bool hoverWins = kind == "list";
            const char* k = kind.constData();
            QTest::addRow("%s selected", k) << kind << all << "selected" << row0 << row2 << text2;
            QTest::addRow("%s under the mouse", k)
                << kind << all << "hovered" << row0 << row1 << text1;
            QTest::addRow("%s selected under the mouse", k)
                << kind << all << "selected hovered" << row0 << (hoverWins ? row1 : row2)
                << (hoverWins ? text1 : text2);
            // A selected row without records shows what a table paints under its rows.
            if (kind == "table")
                QTest::addRow("%s: no records", k) << kind << QByteArray(R"([["back", 0, 0]])")
                                                   << "selected" << back << QColor() << QColor();
            QTest::addRow("%s: slot 2 fills every state", k)
                << kind << QByteArray(R"([["back", 0, 0], ["spare", 0, 2]])") << "selected" << spare
                << spare << QColor();
            QTest::addRow("%s: slot 4 only selected", k)
                << kind << QByteArray(R"([["back", 0, 0], ["row0", 0, 2], ["spare", 0, 4]])")
                << "selected" << row0 << spare << QColor();
            // 5 is the unused fourth state, 6 a text, 10 and 14 the header's.
            QTest::addRow("%s: ignored slots", k)
                << kind << QByteArray(R"([["back", 0, 0], ["row0", 0, 2], ["spare", 0, 1],
                    ["spare", 0, -1], ["spare", 0, 5], ["spare", 0, 6], ["spare", 0, 10],
                    ["spare", 0, 14], ["spare", 0, 18]])")
                << "selected" << row0 << row0 << QColor();
        }
    }

    // The row's look spans all its cells; the other rows keep theirs, and below the rows the
    // viewport shows its background. A list view's rows copy its template, where the control
    // under the mouse shows its hover look. The hover look follows the pointer through the
    // window: both rows are painted again, also where Qt repaints only the cells it selects.
    void rowLooks()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, style);
        QFETCH(QString, state);
        QFETCH(QColor, normal);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const bool selected = state.contains(QLatin1String("selected")),
                   hovered = state.contains(QLatin1String("hovered"));
        QAbstractItemView* v = view(kind, 5, style);
        QVERIFY(shown(&host));
        const int columns = v->model()->columnCount();
        if (selected)
            v->setCurrentIndex(v->model()->index(1, 0));
        // What the window shows at rows 0 and 1, as painted after the events.
        const auto onScreen = [&](const QColor& top, const QColor& next) {
            const QPoint first = v->mapTo(&host, backgroundSpot(cellRect(v, 0))),
                         second = v->mapTo(&host, backgroundSpot(cellRect(v, 1)));
            return pixelMismatch(host.screen()->grabWindow(host.winId()).toImage(),
                {{first.x(), first.y(), top}, {second.x(), second.y(), next}});
        };
        if (hovered) {
            if (!selected)
                v->setSelectionBehavior(QAbstractItemView::SelectItems);
            const QRect r = v->visualRect(v->model()->index(1, columns - 1));
            const QPoint at
                = kind == "listview" ? r.topLeft() + QPoint(230, 20) : backgroundSpot(r);
            QTest::mouseMove(v->viewport(), at - QPoint(0, r.height()));
            QTRY_COMPARE(onScreen(row1, selected ? row2 : normal), QByteArray());
            QTest::mouseMove(v->viewport(), at);
            moveOnViewport(v, at);
            QTRY_COMPARE(onScreen(normal, background), QByteArray());
        }
        const QImage image = render(v);
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < columns; ++column) {
                const QRect r = cellRect(v, row, column);
                const QPoint at = backgroundSpot(r);
                const QColor own = row == 1 ? background : normal;
                if (own.isValid())
                    QCOMPARE_PIXEL(image, at.x(), at.y(), own);
                if (text.isValid() && kind != "listview")
                    QVERIFY(holds(image, row == 1 ? text : text0, 8, r));
                if (kind != "listview")
                    continue;
                QCOMPARE(r.height(), 40);
                QCOMPARE_PIXELS(image,
                    {{r.left() + 10, r.top() + 5, buttonA}, {r.left() + 50, r.top() + 20, buttonC},
                        {r.left() + 259, r.top() + 34, row == 1 && hovered ? buttonHot : buttonB},
                        {r.left() + 260, r.top() + 20, own}, {r.left() + 200, r.top() + 4, own}});
            }
        }
        const QRect viewport = v->viewport()->geometry();
        QCOMPARE_PIXEL(image, viewport.right() - 2, viewport.bottom() - 2, back);
        if (!hovered)
            return;
        // Leaving the view forgets the row under the mouse.
        sendLeave(kind == "table" ? static_cast<QWidget*>(v) : v->viewport());
        QTRY_COMPARE(onScreen(normal, selected ? row2 : normal), QByteArray());
    }

    void keysAndSelectionStayQts_data() { kindRows({"list", "tree", "table"}); }

    // Keys and clicks select as in Qt's views; a tree expands as Qt's does, without editing.
    void keysAndSelectionStayQts()
    {
        QFETCH(QByteArray, kind);
        QAbstractItemView* v = view(kind, 3, rowStyles, R"({"multiselect": true})");
        auto* model = qobject_cast<QStandardItemModel*>(v->model());
        for (int child = 0; child < 2 && kind == "tree"; ++child)
            model->item(0)->appendRow(new QStandardItem(QStringLiteral("child")));
        QVERIFY(shown(&host));
        QCOMPARE(v->verticalScrollMode(), QAbstractItemView::ScrollPerPixel);
        v->setFocus();
        v->setCurrentIndex(v->model()->index(0, 0));
        QTest::keyClick(v, Qt::Key_Down);
        QCOMPARE(v->currentIndex().row(), 1);
        QCOMPARE(selectedRows(v), QList<int> {1});
        QTest::keyClick(v, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(selectedRows(v), kind == "tree" ? QList<int> {2} : (QList<int> {1, 2}));
        click(v->viewport(), v->visualRect(v->model()->index(0, 0)).center());
        QCOMPARE(v->currentIndex().row(), 0);
        QCOMPARE(selectedRows(v), QList<int> {0});
        auto* tree = qobject_cast<QTreeView*>(v);
        if (!tree)
            return;
        const QModelIndex parent = model->index(0, 0);
        const QPoint centre = tree->visualRect(parent).center();
        // Press, release, double click and release, as a window system delivers them.
        const auto doubleClick = [&] {
            QWidget* w = tree->viewport();
            click(w, centre);
            sendMouse(w, QEvent::MouseButtonDblClick, centre, Qt::LeftButton, Qt::LeftButton);
            sendMouse(w, QEvent::MouseButtonRelease, centre, Qt::LeftButton);
        };
        doubleClick();
        QVERIFY(tree->isExpanded(parent));
        QVERIFY(!tree->viewport()->findChild<QLineEdit*>());
        QCOMPARE(tree->visualRect(model->index(1, 0)).top(), 60);
        doubleClick();
        QVERIFY(!tree->isExpanded(parent));
        tree->setCurrentIndex(parent);
        QTest::keyClick(tree, Qt::Key_Right);
        QVERIFY(tree->isExpanded(parent));
        QTest::keyClick(tree, Qt::Key_Down);
        QCOMPARE(tree->currentIndex(), model->index(0, 0, parent));
    }

    void rowsAndIcons_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("iconSize");
        QTest::addColumn<bool>("multi");
        for (const QByteArray& kind : {QByteArray("list"), QByteArray("tree")}) {
            const char* k = kind.constData();
            // Only lists and tables read "multiselect".
            QTest::addRow("%s default", k) << kind << QByteArray("{}") << 20 << 16 << false;
            QTest::addRow("%s given", k)
                << kind << QByteArray(R"({"itemHeight": 33, "multiselect": true})") << 33 << 32
                << (kind == "list");
            QTest::addRow("%s zero", k)
                << kind << QByteArray(R"({"itemHeight": 0})") << 20 << 16 << false;
            QTest::addRow("%s wrong types", k)
                << kind << QByteArray(R"({"itemHeight": "40", "multiselect": "yes"})") << 20 << 16
                << false;
            for (int height : {24, 25, 32})
                QTest::addRow("%s %d high", k, height)
                    << kind << R"({"itemHeight": )" + QByteArray::number(height) + "}" << height
                    << (height < 25 ? 16 : 24) << false;
        }
    }

    // Rows are as high as the description says, 20 by default; the icon, sized by the row, is
    // centred in a column 4 wider than itself and the text follows the column. A tree's size
    // hint widens by the column.
    void rowsAndIcons()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, attr);
        QFETCH(int, height);
        QFETCH(int, iconSize);
        QFETCH(bool, multi);
        QAbstractItemView* v = view(kind, 2, R"([["row0", 0, 2], ["text0", 0, 6]])", attr);
        v->model()->setData(v->model()->index(0, 0), solidIcon(iconColour, 64), Qt::DecorationRole);
        QVERIFY(shown(&host));
        QCOMPARE(v->selectionMode(),
            multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        const QRect second = v->visualRect(v->model()->index(1, 0));
        QCOMPARE(second.top(), height);
        QCOMPARE(second.height(), height);
        if (kind == "list")
            QCOMPARE(second.width(), v->viewport()->width());
        const QImage image = render(v);
        const QRect row = cellRect(v, 0);
        const int column = iconSize + 4;
        const QPair<int, int> icon = columnsOf(image, iconColour, 8, row);
        QCOMPARE(icon, qMakePair(row.left() + 2, row.left() + 1 + iconSize));
        const int top = row.top() + (height - iconSize) / 2;
        QCOMPARE_PIXELS(
            image, {{icon.first, top, iconColour}, {icon.first, top + iconSize - 1, iconColour}});
        if (top > row.top())
            QCOMPARE_PIXEL(image, icon.first, top - 1, row0);
        const int textStart = columnsOf(image, text0, 8, row).first - row.left();
        QVERIFY2(textStart >= column && textStart <= column + 4, QByteArray::number(textStart));
        QVERIFY(!holds(image, iconColour, 8, cellRect(v, 1)));
        if (kind != "tree")
            return;
        QStyleOptionViewItem option;
        option.initFrom(v);
        QItemDelegate plain;
        for (int r = 0; r < 2; ++r) {
            const QModelIndex index = v->model()->index(r, 0);
            QCOMPARE(v->itemDelegate()->sizeHint(option, index),
                QSize(plain.sizeHint(option, index).width() + (r ? 0 : column), height));
        }
    }

    void badInputIsHarmless_data() { kindRows(); }

    void badInputIsHarmless()
    {
        QFETCH(QByteArray, kind);
        QAbstractItemView* v = view(kind, 3, R"([["back", 0, 0]])");
        auto* control = dynamic_cast<IVelQControlBase*>(v);
        host.show();
        for (const char* element : {R"({"style": 5, "child": [5, "x", {"type": 7},
                 {"type": "scrollbar", "w": "wide", "attr": 3, "style": {"a": 1}}],
                 "attr": {"itemHeight": [], "multiselect": {}}})",
                 R"({"style": [["row0"]], "child": {"type": "x"},
                 "attr": {"itemHeight": [], "itemMode": "icons", "spacing": {}}})",
                 R"({"style": {"x": 1}, "child": 3, "attr": {"itemHeight": "tall",
                 "checkstyle": [], "checkedImg": 5, "uncheckImg": {}}})",
                 R"({"attr": {"itemHeight": 2147483647}})"}) {
            reload(*control, element);
            render(v);
            v->verticalScrollBar()->setValue(v->verticalScrollBar()->maximum());
            render(v);
        }
        if (auto* listView = qobject_cast<VelQListView*>(v))
            QCOMPARE(listView->viewMode(), QListView::ListMode);
        const ::Json::Value* none = nullptr;
        QVERIFY(!control->impl()->parseAttributes(none));
    }

    void qtSettersWin_data() { kindRows(); }

    // Each default a skinned view gives itself yields to Qt's own setter called afterwards,
    // while the skin goes on painting the view's background: in the viewport, in the corner
    // between the bars, and wherever nothing covers the view.
    void qtSettersWin()
    {
        QFETCH(QByteArray, kind);
        QAbstractItemView* ours = view(kind, 3, R"([["back", 0, 0]])", "{}");
        QAbstractItemView* qts = kind == "list" ? new QListWidget(&host)
            : kind == "listview"                ? new QListView(&host)
            : kind == "tree" ? static_cast<QAbstractItemView*>(new QTreeView(&host))
                             : new QTableView(&host);
        fill(qts, 3);
        qts->setGeometry(0, 300, 400, 100);
        QVERIFY(shown(&host));
        for (const QByteArray setter : {"extendedSelection", "itemDelegate", "header"})
            if (!kind.startsWith("list") || setter != "header")
                QCOMPARE(afterSetter(ours, setter), afterSetter(qts, setter));
        QImage image = render(ours->viewport());
        QCOMPARE_PIXEL(image, image.width() - 2, image.height() - 2, back);
        if (kind.startsWith("list"))
            return;
        // Rows wider and taller than the view: both bars show.
        ours->setFixedSize(200, 80);
        ours->model()->setData(ours->model()->index(0, 0), QString(80, QLatin1Char('M')));
        if (auto* tree = qobject_cast<QTreeView*>(ours))
            tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        else
            static_cast<QTableView*>(ours)->setColumnWidth(0, 1000);
        QWidget* corner = static_cast<QAbstractScrollArea*>(ours)->cornerWidget();
        QTRY_VERIFY(corner->isVisible() && !corner->geometry().isEmpty());
        const QPoint centre = corner->geometry().center();
        QCOMPARE_PIXEL(render(ours), centre.x(), centre.y(), back);
        ours->viewport()->hide();
        if (auto* table = qobject_cast<QTableView*>(ours))
            table->horizontalHeader()->hide();
        QCOMPARE_PIXEL(render(ours), 50, 50, back);
    }

    void textFromTheFirstRole()
    {
        auto* list = static_cast<QListWidget*>(view("list", 0));
        auto* item = new QListWidgetItem(list);
        item->setData(Qt::ToolTipRole, QStringLiteral("MMMM"));
        item->setData(Qt::UserRole, 5);
        auto* iconOnly = new QListWidgetItem(list);
        iconOnly->setIcon(solidIcon(iconColour, 64));
        iconOnly->setData(Qt::ToolTipRole, QStringLiteral("MMMM"));
        const QImage image = render(list);
        QVERIFY(holds(image, text0, 8, QRect(0, 0, 400, 30)));
        // The icon is the lowest role there: it gives an empty text and is no second-role icon.
        QVERIFY(!holds(image, text0, 8, QRect(0, 30, 400, 30)));
        QVERIFY(!holds(image, iconColour, 8, QRect(0, 30, 400, 30)));
    }

    void programBarsAreSkinnedToo()
    {
        VelQList list(&host);
        auto* own = new VelQScrollBar(Qt::Vertical, &host);
        list.setVerticalScrollBar(own);
        reload(list, R"({"child": [{"type": "qtscrollbar", "w": 11}]})");
        QCOMPARE(own->sizeHint().width(), 11);
        list.setHorizontalScrollBar(new QScrollBar(Qt::Horizontal));
        reload(list, R"({"child": [{"type": "qtscrollbar", "h": 7, "attr": {"hor": true}}]})");
        // A child for a bar that is not skinned is passed over.
        QCOMPARE(own->sizeHint().width(), 11);
    }

    void pressCarriesControlAndRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<QString>("change");
        QTest::newRow("left button") << 2 << QPoint(15, 20) << "left" << 0 << "";
        QTest::newRow("right button") << 0 << QPoint(230, 10) << "right" << 0 << "";
        QTest::newRow("later control wins the overlap") << 1 << QPoint(50, 20) << "over" << 0 << "";
        QTest::newRow("root area") << 1 << QPoint(150, 20) << QString() << 0 << "";
        QTest::newRow("beside a button") << 1 << QPoint(230, 37) << QString() << 0 << "";
        // Rows moved by the scroll answer at their new place, painted again or not.
        QTest::newRow("after scrolling") << 4 << QPoint(230, 10) << "right" << 100 << "";
        // Rectangles of a resized view are forgotten until the rows are painted again.
        QTest::newRow("resized") << 1 << QPoint(15, 20) << QString() << 0 << "resize";
        QTest::newRow("template deleted") << 1 << QPoint(230, 10) << QString() << 0 << "delete";
    }

    void pressCarriesControlAndRow()
    {
        QFETCH(int, row);
        QFETCH(QPoint, offset);
        QFETCH(QString, control);
        QFETCH(int, scroll);
        QFETCH(QString, change);
        auto* v = static_cast<VelQListView*>(view("listview", 30));
        // The program fills the template for each row it paints, and sizes the rows itself.
        static int filled = 0;
        static QWidget* filledTemplate = nullptr;
        filled = 0;
        v->setFillCallback([](QWidget* templ, const QModelIndex&) {
            ++filled;
            filledTemplate = templ;
        });
        v->setSizeHintCallback(
            [](QListView*, const QStyleOptionViewItem&) { return QSize(100, 41); });
        v->resize(300, 200);
        QVERIFY(shown(&host));
        auto* d = static_cast<VelQListViewImpl*>(v->impl());
        QTRY_VERIFY(d->controlRects.contains(4));
        QVERIFY(filled >= 5);
        QCOMPARE(filledTemplate, v->findChild<QWidget*>(QStringLiteral("template")));
        QCOMPARE(v->visualRect(v->model()->index(1, 0)).height(), 41);
        v->verticalScrollBar()->setValue(scroll);
        const QPoint at = v->visualRect(v->model()->index(row, 0)).topLeft() + offset;
        if (change == QLatin1String("resize")) {
            v->setFixedSize(280, 150);
            QVERIFY(d->controlRects.isEmpty());
        } else if (change == QLatin1String("delete")) {
            delete v->findChild<VelQContainer*>(QStringLiteral("template"));
            QTest::mouseMove(v->viewport(), at);
        }
        QSignalSpy spy(v, SIGNAL(pressCtrl(QWidget*, QModelIndex)));
        click(v->viewport(), at);
        QCOMPARE(spy.count(), control.isEmpty() ? 0 : 1);
        if (!control.isEmpty()) {
            QCOMPARE(spy.at(0).at(0).value<QWidget*>(), v->findChild<QWidget*>(control));
            QCOMPARE(spy.at(0).at(1).value<QModelIndex>(), v->model()->index(row, 0));
        }
        // Rows scrolled out of view are forgotten.
        QTRY_COMPARE(d->controlRects.contains(0), scroll == 0);
        v->verticalScrollBar()->setValue(1000);
        QTRY_VERIFY(d->controlRects.size() <= 6);
        render(v);
    }

    void iconMode_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QSize>("size");
        QTest::newRow("width 0") << QByteArray(R"("itemMode": 1, "itemWidth": 0, "itemHeight": 30)")
                                 << QSize(20, 30);
        QTest::newRow("given") << QByteArray(R"("itemMode": 2, "itemWidth": 50, "itemHeight": 0)")
                               << QSize(50, 20);
        QTest::newRow("list mode")
            << QByteArray(R"("itemMode": 0, "itemWidth": 50)") << QSize(-1, 20);
    }

    // Without a container child to copy, rows stay empty over the background.
    void iconMode()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QSize, size);
        auto v = placed<VelQListView>(&host,
            R"({"w": 200, "h": 100, "style": [["back", 0, 0],
            ["row0", 0, 2]], "child": [{"type": "qtbutton", "w": 10, "h": 10}], "attr": {)"
                + attr + "}}");
        v->fillSamples();
        fill(v.get(), 3);
        QCOMPARE(v->viewMode(), size.width() < 0 ? QListView::ListMode : QListView::IconMode);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 77, 5);
        const QSize hint = v->itemDelegate()->sizeHint(option, v->model()->index(0, 0));
        QCOMPARE(hint, size.width() < 0 ? QSize(77, size.height()) : size);
        const QRect second = cellRect(v.get(), 1);
        QCOMPARE(second.height(), size.height());
        QCOMPARE_PIXEL(render(v.get()), second.center().x(), second.center().y(), back);
    }

    // Check boxes of 16 x 20 in the first column and the header move the text 10 + 16 in, a
    // picture of 12 centred in 22 pixels 10 + 12; a click on a row's box toggles it, the
    // header's only tells the program. The item height is the header's, not the rows'.
    void checkBoxesAndPictures()
    {
        auto* table = static_cast<VelQTableView*>(view("table", 40, rowStyles,
            R"({"itemHeight": 44, "checkstyle": true, "checkedImg": "on.png",
                "uncheckImg": "off.png"})"));
        auto* m = static_cast<QStandardItemModel*>(table->model());
        QVERIFY(table->verticalHeader()->isHidden());
        QHeaderView* header = table->horizontalHeader();
        QCOMPARE(header->height(), 44);
        QCOMPARE(table->rowHeight(0), 30);
        m->item(1, 0)->setData(true, Qt::CheckStateRole);
        m->setData(m->index(0, 1), QStringLiteral("picture.png"), Qt::UserRole + 100);
        m->setData(m->index(1, 1), QStringLiteral("missing.png"), Qt::UserRole + 100);
        QVERIFY(shown(&host));
        QImage image = render(table);
        const QRect first = cellRect(table, 0), second = cellRect(table, 1),
                    picture = cellRect(table, 0, 1);
        const int y = first.center().y();
        QCOMPARE_PIXELS(image,
            {{first.left() + 5, y, offColour}, {first.left() + 20, y, offColour},
                {first.left() + 4, y, row0}, {second.left() + 5, second.center().y(), onColour},
                {picture.left() + 16, picture.top() + 9, pictureColour},
                {picture.left() + 5, picture.top() + 8, row0}});
        QCOMPARE(columnsOf(image, pictureColour, 8, picture).first, picture.left() + 5);
        // The text starts at most 3 pixels after from.
        const auto textAt = [](const QImage& image, const QColor& colour, QRect r, int from) {
            const int start = columnsOf(image, colour, 8, r).first - r.left();
            return start >= from && start <= from + 3;
        };
        QVERIFY(textAt(image, text0, first, 26) && textAt(image, text0, picture, 22)
            && textAt(image, text0, cellRect(table, 1, 1), 0));
        // Other columns carry no check box.
        QVERIFY(!holds(image, offColour, 8, picture));
        image = render(header);
        QCOMPARE_PIXELS(image, {{5, 22, offColour}, {100, 2, header0}});
        QVERIFY(textAt(image, headerText, QRect(0, 0, 120, 44), 26));
        QVERIFY(holds(image, headerText, 8, QRect(120, 0, 30, 44)));
        // Outside the check area a click only selects.
        const QPoint box = table->visualRect(m->index(0, 0)).topLeft() + QPoint(10, 15);
        for (const auto& [offset, checked] : {std::pair(0, true), {0, false}, {50, false}}) {
            click(table->viewport(), box + QPoint(offset, 0));
            QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole), QVariant(checked));
        }
        QCOMPARE(table->currentIndex().row(), 0);
        QSignalSpy spy(table, &VelQTableView::headerCheckedChanged);
        QSignalSpy pressed(header, &QHeaderView::sectionPressed);
        click(header->viewport(), QPoint(10, 22));
        QCOMPARE(spy.takeFirst(), QVariantList {true});
        QTRY_VERIFY(near(render(header).pixel(5, 22), onColour));
        QCOMPARE(m->index(2, 0).data(Qt::CheckStateRole), QVariant());
        // Beside the box a press only reaches Qt's header, as every press does.
        click(header->viewport(), QPoint(60, 22));
        QCOMPARE(spy.count(), 0);
        QCOMPARE(pressed.count(), 2);
        QObject::connect(table, &VelQTableView::headerCheckedChanged, [m](bool checked) {
            for (int row = 0; row < m->rowCount(); ++row)
                m->setData(m->index(row, 0), checked, Qt::CheckStateRole);
        });
        click(header->viewport(), QPoint(10, 22));
        QCOMPARE(spy.takeFirst(), QVariantList {false});
        QCOMPARE(m->index(2, 0).data(Qt::CheckStateRole), QVariant(false));
        click(header->viewport(), QPoint(10, 22));
        const QRect last = cellRect(table, 4);
        QCOMPARE_PIXEL(render(table), last.left() + 8, last.center().y(), onColour);
        // The check column shows the mark alone, whatever look a program gives its check boxes.
        for (auto* box : table->findChildren<VelQCheckBox*>())
            box->setThemeName(QStringLiteral("markRight"));
        QVERIFY(!holds(render(table), iconColour, 8, cellRect(table, 0)));
        // A column widget (here a container stamping a button at 4, 4, as the gallery's table
        // has) is drawn into the column's cells instead of the check box and pictures.
        for (int row = 0; row < 40; ++row)
            m->setData(m->index(row, 0), QStringLiteral("picture.png"), Qt::UserRole + 100);
        auto* stamped = new VelQContainer(&host);
        ImageStyle none;
        none.valid = false;
        stamped->setBackgroundStyle(none);
        reload(*new VelQPushButton(stamped), R"({"x": 4, "y": 4, "w": 50, "h": 22,
            "style": [["face", 0, 0], ["stampHot", 0, 1]], "attr": {"text": ""}})");
        stamped->show();
        table->setColumnWidget(0, stamped);
        QVERIFY(stamped->isHidden());
        // The row's first cell shows the button at 4, 4 and nothing else of the cell's.
        const auto stampedIn = [&](int row) {
            const QImage image = render(table);
            const QRect cell = cellRect(table, row);
            for (const QColor& hidden : {offColour, onColour, pictureColour})
                QVERIFY(!holds(image, hidden, 8, cell));
            QCOMPARE_PIXELS(image,
                {{cell.left() + 4, cell.top() + 4, stampFace},
                    {cell.left() + 54, cell.top() + 25, row0}});
        };
        stampedIn(2);
        table->verticalScrollBar()->setValue(95);
        stampedIn(4);
        // The control under the mouse pointer shows its hover look.
        moveOnViewport(
            table, table->visualRect(table->model()->index(5, 0)).topLeft() + QPoint(20, 15));
        image = render(table);
        const QRect cell = cellRect(table, 5);
        QCOMPARE_PIXELS(image,
            {{cell.left() + 30, cell.top() + 10, stampHot},
                {cell.left() + 30, cell.top() + 40, stampFace}});
        table->setColumnWidget(0, nullptr);
        image = render(table);
        QVERIFY(!holds(image, stampFace, 8, cell));
        QVERIFY(holds(image, pictureColour, 8, cell) && holds(image, onColour, 8, cell));
        table->setCheckStyle(false);
        QVERIFY(!holds(render(table), onColour, 8, cell));
        // A deleted column widget is dropped.
        table->setColumnWidget(0, stamped);
        delete stamped;
        render(table);
        reload(*table, R"({"attr": {"itemHeight": -4}})");
        QCOMPARE(header->height(), 0);
    }

    // Design-mode sample items: present only when the program runs inside the designer or the
    // emulator, so the test runs itself again from such a path.
    void samplesOnlyInDesignMode()
    {
        const ::Json::Value root = parsed(R"({"elements": [{"type": "list", "name": "list"},
            {"type": "combobox", "name": "combo"}, {"type": "tree", "name": "tree"},
            {"type": "datagrid", "name": "table"}, {"type": "menubar", "name": "bar"}]})");
        QWidget window;
        LoadElements(&root, &window);
        QVERIFY(window.findChild<VelQMenuBar*>(QStringLiteral("bar"))->actions().isEmpty());
        const auto model = [&](const char* name) {
            return window.findChild<QAbstractItemView*>(QLatin1String(name))->model();
        };
        const auto rows = [&](const char* name) {
            return model(name) ? model(name)->rowCount() : 0;
        };
        QList<int> facts = {
            rows("list"), window.findChild<VelQComboBox*>()->count(), rows("tree"), rows("table")};
        if (!IsDesignMode()) {
            QCOMPARE(facts, (QList<int> {0, 0, 0, 0}));
            const QByteArray out = runInDesignMode(QStringLiteral("samplesOnlyInDesignMode"));
            QVERIFY2(
                out.contains("PASS   : tst_ItemViews::samplesOnlyInDesignMode()"), out.constData());
            return;
        }
        // The tree's rows are checkable and each holds one child.
        const QModelIndex first = model("tree")->index(0, 0);
        facts << int(first.flags() & Qt::ItemIsUserCheckable) << model("tree")->rowCount(first)
              << model("table")->columnCount();
        QCOMPARE(facts, (QList<int> {20, 3, 100, 100, 16, 1, 5}));
    }
};

QTEST_MAIN(tst_ItemViews)
#include "tst_itemviews.moc"
