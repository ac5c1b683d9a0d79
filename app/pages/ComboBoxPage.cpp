#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QIcon>
#include <QLineEdit>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildComboBoxPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("ComboBox Controls"),
        QStringLiteral("Different kinds of ComboBox, Regular, Disabled with icons"));
    struct Row {
        const char* caption;
        int captionWidth;
        bool editable;
        bool icons;
    };
    const Row rows[] = {
        {"ComboBox", 150, false, false},
        {"Edit ComboBox", 100, true, false},
        {"Icon ComboBox", 100, false, true},
    };
    const CycledIcons cycled;
    int y = 120;
    for (const Row& row : rows) {
        addCaption(page, QLatin1String(row.caption), y, row.captionWidth);
        auto* combo = addControl<VelQComboBox>(page, "qtcombobox", QRect(150, y, 150, 40));
        combo->setEditable(row.editable);
        // Qt's edit field starts 5 pixels in; the skin's text starts at 12.
        if (combo->lineEdit())
            combo->lineEdit()->setTextMargins(7, 0, 0, 0);
        for (int i = 0; i < 10; ++i) {
            const QString text = QStringLiteral("Item - %1").arg(i);
            if (row.icons)
                combo->insertItem(combo->count(), cycled.at(i), text);
            else
                combo->insertItem(combo->count(), text);
        }
        y += 60;
    }
    return page;
}

} // namespace Gallery
