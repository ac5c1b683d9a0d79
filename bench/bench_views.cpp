// Scrolling and repainting an item view must cost the same per frame whatever the size of its
// model: only the rows in view are painted, and painting looks nothing up by name. The two
// sizes of each view take turns, round after round.
#include "BenchSupport.h"

#include <VelQtLib.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <zipwriter/ZipWriter.h>

#include <functional>
#include <memory>

using namespace VelQtLib;

namespace {

// Texts repeat every hundred rows, so that both sizes paint the same glyphs: what a row costs
// to draw depends on its text, which is not what is measured here.
QString rowText(int row)
{
    return QStringLiteral("%1").arg(row % 100, 2, 10, QLatin1Char('0'));
}

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
            return QStringLiteral("item %1 %2").arg(rowText(index.row())).arg(index.column());
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

// One frame of a user scrolling: a step inside a window of scroll positions in the middle of
// the view, then every visible row painted again. Both sizes of a view scroll through a window
// of the same extent, so that they show as many different rows.
class Scroller {
public:
    Scroller(QAbstractItemView* view, int window)
        : m_view(view)
        , m_window(qMax(1, window))
    {
        m_base = qMax(0, view->verticalScrollBar()->maximum() / 2 - m_window / 2);
    }
    void frame()
    {
        m_step = (m_step + 37) % m_window;
        m_view->verticalScrollBar()->setValue(m_base + m_step);
        m_view->viewport()->repaint();
    }

private:
    QAbstractItemView* m_view;
    int m_window;
    int m_base = 0;
    int m_step = 0;
};

struct Sized {
    std::unique_ptr<QWidget> owner;
    std::unique_ptr<GeneratedModel> model;
    QAbstractItemView* view = nullptr;
};

Sized makeList(int rows)
{
    auto* list = new VelQList;
    load(list, listSkin);
    QStringList texts;
    texts.reserve(rows);
    for (int i = 0; i < rows; ++i)
        texts << QStringLiteral("item %1").arg(rowText(i));
    list->addItems(texts);
    Sized s;
    s.owner.reset(list);
    s.view = list;
    return s;
}

template<class View> Sized makeModelView(int rows, int columns, const char* skin)
{
    auto* view = new View;
    load(view, skin);
    Sized s;
    s.model = std::make_unique<GeneratedModel>(rows, columns);
    view->setModel(s.model.get());
    s.owner.reset(view);
    s.view = view;
    return s;
}

Sized makeListView(int rows)
{
    auto* window = new QWidget;
    window->resize(400, 300);
    ::Json::Value root;
    VelQtLib::Json::parse(listViewSkin, listViewSkin + qstrlen(listViewSkin), root);
    LoadElements(&root, window);
    Sized s;
    s.owner.reset(window);
    auto* view = window->findChild<VelQListView*>(QStringLiteral("view"));
    if (!view)
        return s;
    s.model = std::make_unique<GeneratedModel>(rows, 1);
    view->setModel(s.model.get());
    s.view = view;
    return s;
}

} // namespace

int main(int argc, char* argv[])
{
    Init();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.data"));
    {
        ZipWriter zip(path);
        zip.add("style.json", R"({"style": [
            {"type": 1, "name": "back", "drawImg": false, "clr": "fff6f6f8"},
            {"type": 1, "name": "row", "drawImg": false, "clr": "ffffffff", "border": true,
             "borderclr": "ffdcdce1", "leftBorder": false, "rightBorder": false,
             "topBorder": false},
            {"type": 2, "name": "text", "family": "DejaVu Sans", "size": 12, "clr": "1f1f24"}]})");
        if (!zip.close() || !LoadAppPackage(path))
            return 1;
    }

    const QList<QPair<QString, std::function<Sized(int)>>> kinds = {
        {QStringLiteral("list"), makeList},
        {QStringLiteral("table"),
            [](int rows) {
                return makeModelView<VelQTableView>(rows, 5, tableSkin);
            }},
        {QStringLiteral("tree"),
            [](int rows) {
                return makeModelView<VelQTreeView>(rows, 1, listSkin);
            }},
        {QStringLiteral("list view"), makeListView},
    };
    const int framesPerRound = 50;
    const int roundCount = Bench::rounds(15);
    for (const auto& [name, make] : kinds) {
        Sized sizes[2] = {make(100), make(1000000)};
        QVector<double> samples[2];
        for (Sized& s : sizes) {
            if (!s.view)
                return 1;
            s.owner->show();
            if (!QTest::qWaitForWindowExposed(s.owner.get()))
                return 1;
        }
        // At most 3000 positions (pixels or rows, as the view scrolls), and no more than the
        // small model has.
        const int window = qMin(3000,
            qMin(sizes[0].view->verticalScrollBar()->maximum(),
                sizes[1].view->verticalScrollBar()->maximum()));
        Scroller scrollers[2] = {Scroller(sizes[0].view, window), Scroller(sizes[1].view, window)};
        const QString section = QStringLiteral("item view %1").arg(name);
        if (Bench::underCallgrind()) {
            const QString labels[2]
                = {QStringLiteral("100 rows"), QStringLiteral("1,000,000 rows")};
            for (int size = 1; size >= 0; --size) {
                for (int i = 0; i < 5; ++i)
                    scrollers[size].frame();
                Bench::countInstructions(
                    section, labels[size], framesPerRound, [&] { scrollers[size].frame(); });
            }
            continue;
        }
        const QVector<std::function<void()>> frames = {[&] { scrollers[0].frame(); },
            [&] {
                scrollers[1].frame();
            }};
        for (int round = 0; round < roundCount + 1; ++round) {
            const QVector<double> us = Bench::interleaved(frames, framesPerRound, 5, round);
            // The first round brings both views' rows and glyphs into the caches.
            if (round > 0)
                for (int size = 0; size < 2; ++size)
                    samples[size] << us[size];
        }
        Bench::printFigure(section, QStringLiteral("100 rows"), samples[0], "us/frame");
        Bench::printFigure(section, QStringLiteral("1,000,000 rows"), samples[1], "us/frame");
        Bench::printRatio(
            section, QStringLiteral("1,000,000 / 100 rows"), samples[1], samples[0], 1.1);
    }
    return 0;
}
