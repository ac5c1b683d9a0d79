// Scrolling and repainting an item view must cost the same per frame whatever the size of its
// model: only the rows in view are painted, and painting looks nothing up by name.
#include <VelQtLib.h>

#include <QAbstractTableModel>
#include <QTemporaryDir>
#include <QtTest>

#include <zipwriter/ZipWriter.h>

using namespace VelQtLib;

namespace {

// Rows made up on request, so that a million of them cost no memory.
class GeneratedModel : public QAbstractTableModel {
public:
    GeneratedModel(int rows, int columns)
        : m_rows(rows)
        , m_columns(columns)
    {
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : m_rows; }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : m_columns;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role == Qt::DisplayRole)
            return QStringLiteral("item %1 %2").arg(index.row()).arg(index.column());
        if (role == Qt::CheckStateRole && index.column() == 0)
            return index.row() % 2 == 0;
        return QVariant();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::DisplayRole && orientation == Qt::Horizontal)
            return QStringLiteral("Column %1").arg(section);
        return QVariant();
    }

private:
    int m_rows;
    int m_columns;
};

const char* const listSkin = R"({"style": [["back", 0, 0], ["row", 0, 2],
    ["text", 0, 6]], "child": [{"type": "qtscrollbar", "w": 12}]})";
const char* const tableSkin = R"({"style": [["back", 0, 0], ["row", 0, 2],
    ["text", 0, 6], ["back", 0, 10], ["text", 0, 14]], "attr": {"checkstyle": true,
    "itemHeight": 30}, "child": [{"type": "qtscrollbar", "w": 12}]})";
const char* const listViewSkin = R"({"elements": [{"type": "qtlistview", "name": "view",
    "w": 400, "h": 300, "style": [["back", 0, 0], ["row", 0, 2]], "attr": {"itemHeight": 30},
    "child": [{"type": "qtcontainer", "w": 400, "h": 30, "child": [
      {"type": "qtbutton", "x": 10, "y": 4, "w": 60, "h": 22, "attr": {"text": "Open"}},
      {"type": "qtbutton", "x": 80, "y": 4, "w": 60, "h": 22, "attr": {"text": "Close"}}]}]}]})";

// Skins a top-level view and gives it the size of a typical view in a window.
template<class View> void load(View* view, const char* json)
{
    ::Json::Value element;
    VelQtLib::Json::parse(json, json + qstrlen(json), element);
    view->loadAttributes(&element);
    view->resize(500, 300);
}

// Scrolls by one step inside a 3000-pixel window in the middle of the view and paints every
// visible row again, as one frame of a user scrolling.
void scrollFrames(QAbstractItemView* view)
{
    QScrollBar* bar = view->verticalScrollBar();
    const int middle = bar->maximum() / 2;
    const int window = qMin(3000, bar->maximum());
    const int base = qMax(0, middle - window / 2);
    int step = 0;
    QBENCHMARK
    {
        step = (step + 37) % qMax(1, window);
        bar->setValue(base + step);
        view->viewport()->repaint();
    }
}

void addRowCounts()
{
    QTest::addColumn<int>("rows");
    QTest::newRow("100 rows") << 100;
    QTest::newRow("1000000 rows") << 1000000;
}

} // namespace

class bench_Views : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Init();
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QStringLiteral("bench.data"));
        ZipWriter zip(path);
        QVERIFY(zip.add("style.json", R"({"style": [
            {"type": 1, "name": "back", "drawImg": false, "clr": "fff6f6f8"},
            {"type": 1, "name": "row", "drawImg": false, "clr": "ffffffff", "border": true,
             "borderclr": "ffdcdce1", "leftBorder": false, "rightBorder": false,
             "topBorder": false},
            {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 12, "clr": "1f1f24"}]})"));
        QVERIFY(zip.close());
        QVERIFY(LoadAppPackage(path));
    }

    void list_data() { addRowCounts(); }
    void list()
    {
        QFETCH(int, rows);
        VelQList list;
        load(&list, listSkin);
        QStringList texts;
        texts.reserve(rows);
        for (int i = 0; i < rows; ++i)
            texts << QStringLiteral("item %1").arg(i);
        list.addItems(texts);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        scrollFrames(&list);
    }

    void table_data() { addRowCounts(); }
    void table()
    {
        QFETCH(int, rows);
        VelQTableView table;
        load(&table, tableSkin);
        GeneratedModel model(rows, 5);
        table.setModel(&model);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        scrollFrames(&table);
    }

    void tree_data() { addRowCounts(); }
    void tree()
    {
        QFETCH(int, rows);
        VelQTreeView tree;
        load(&tree, listSkin);
        GeneratedModel model(rows, 1);
        tree.setModel(&model);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        scrollFrames(&tree);
    }

    void listView_data() { addRowCounts(); }
    void listView()
    {
        QFETCH(int, rows);
        QWidget window;
        window.resize(400, 300);
        ::Json::Value root;
        VelQtLib::Json::parse(listViewSkin, listViewSkin + qstrlen(listViewSkin), root);
        LoadElements(&root, &window);
        auto* view = window.findChild<VelQListView*>(QStringLiteral("view"));
        QVERIFY(view);
        GeneratedModel model(rows, 1);
        view->setModel(&model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        scrollFrames(view);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(bench_Views)
#include "bench_views.moc"
