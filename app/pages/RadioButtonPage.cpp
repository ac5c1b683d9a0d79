#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QButtonGroup>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildRadioButtonPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("RadioButton Controls"),
        QStringLiteral("Different kinds of radiobuttons, Regular, Disabled with icons"));
    struct Row {
        const char* caption;
        const char* themeElement;
        QSize size;
        const char* texts[3];
        bool iconMarks;
    };
    const Row rows[] = {
        {"RadioButton", "qtradiobox", {150, 53}, {"Radio 1", "Radio 2", "Disable"}, false},
        {"Icon CheckBox", "qtradiobox2", {60, 53}, {"CheckBox", "CheckBox", "Disable"}, true},
        {"Icon Text CheckBox", "qtradiobox3", {80, 60}, {"CheckBox", "CheckBox", "Disable"}, true},
    };
    int y = 120;
    for (const Row& row : rows) {
        addCaption(page, QLatin1String(row.caption), y, 150);
        // One group per row: the rows share a parent, and each keeps its own choice.
        auto* group = new QButtonGroup(host.window);
        for (int i = 0; i < 3; ++i) {
            auto* radio = addControl<VelQRadioButton>(
                page, row.themeElement, QRect(QPoint(150 + 150 * i, y), row.size));
            radio->setText(QLatin1String(row.texts[i]));
            if (row.iconMarks) {
                radio->setUncheckedIcon(iconPath(1));
                radio->setCheckedIcon(iconPath(1));
            }
            group->addButton(radio);
            radio->setChecked(i == 0);
            radio->setDisabled(i == 2);
        }
        y += 60;
    }
    return page;
}

} // namespace Gallery
