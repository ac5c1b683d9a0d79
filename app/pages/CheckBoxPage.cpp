#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildCheckBoxPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Checkbox Controls"),
        QStringLiteral("Different kinds of checkbox, Regular, Disabled with icons"));
    struct Row {
        const char* caption;
        const char* themeElement;
        QSize size;
        bool iconMarks; // the enabled box shows icon 1 for both marks
    };
    const Row rows[] = {
        {"CheckBox", "qtcheckbox", {150, 53}, false},
        {"Icon CheckBox", "iconcheckbox", {60, 53}, true},
        {"Icon Text CheckBox", "iconcheckbox2", {80, 60}, true},
    };
    int y = 120;
    for (const Row& row : rows) {
        addCaption(page, QLatin1String(row.caption), y, 150);
        for (const bool disabled : {false, true}) {
            auto* box = addControl<VelQCheckBox>(
                page, row.themeElement, QRect(QPoint(disabled ? 300 : 150, y), row.size));
            box->setText(disabled ? QStringLiteral("Disable") : QStringLiteral("CheckBox"));
            box->setDisabled(disabled);
            if (row.iconMarks && !disabled) {
                box->setUncheckedIcon(iconPath(1));
                box->setCheckedIcon(iconPath(1));
            }
        }
        y += 60;
    }
    return page;
}

} // namespace Gallery
