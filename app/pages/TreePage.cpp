#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QIcon>
#include <QStandardItemModel>

namespace Gallery {

using namespace VelQtLib;

namespace {

// A tree of 100 top-level rows "item1", each with one child row "item2", "item3"; with icons,
// the three items of row i carry the row's cycled icon.
void addTree(QWidget* page, QWidget* window, const QRect& geometry, bool icons)
{
    auto* tree = addItemView<VelQTreeView>(page, "qttree", geometry);
    // The theme outlines the viewport itself; Qt's frame would double that line.
    tree->setFrameStyle(QFrame::NoFrame);
    auto* model = new QStandardItemModel(window);
    const CycledIcons cycled;
    for (int row = 0; row < 100; ++row) {
        // An item given a null icon would still hold one, and rows keep room for it.
        const auto item = [&](const char* text) {
            auto* it = new QStandardItem(QLatin1String(text));
            if (icons)
                it->setIcon(cycled.at(row));
            return it;
        };
        QStandardItem* parent = item("item1");
        parent->appendRow({item("item2"), item("item3")});
        model->appendRow(parent);
    }
    tree->setModel(model);
}

} // namespace

QWidget* buildTreePage(const PageHost& host)
{
    // The tree page shares the table page's title.
    QWidget* page = createPage(
        host, QStringLiteral("Tableview Controls"), QStringLiteral("Different kinds of Tableview"));
    addCaption(page, QStringLiteral("Tableview"), 120, 150);
    addTree(page, host.window, QRect(150, 120, 200, 200), false);
    addTree(page, host.window, QRect(150, 340, 200, 200), true);
    return page;
}

} // namespace Gallery
