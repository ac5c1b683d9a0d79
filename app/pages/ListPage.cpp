#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QIcon>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildListPage(const PageHost& host)
{
    QWidget* page = createPage(
        host, QStringLiteral("List Controls"), QStringLiteral("Different kinds of List"));
    const CycledIcons cycled;
    for (const bool icons : {false, true}) {
        const int y = icons ? 300 : 120;
        addCaption(page, icons ? QStringLiteral("Icon List") : QStringLiteral("List"), y, 150);
        auto* list = addItemView<VelQList>(page, "qtlist", QRect(150, y, 400, 150));
        for (int i = 0; i < 20; ++i) {
            if (icons)
                new QListWidgetItem(cycled.at(i), QStringLiteral("Item1"), list);
            else
                list->insertItem(list->count(), QStringLiteral("Item1"));
        }
    }
    return page;
}

} // namespace Gallery
