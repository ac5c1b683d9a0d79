#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildButtonPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Button Controls"),
        QStringLiteral("Different kinds of buttons, Regular, Disabled with icons"));
    struct Row {
        const char* caption;
        int captionWidth;
        const char* themeElement;
        QSize size;
        int icon; // 0: none
        int disabledIcon;
        int iconDx;
    };
    const Row rows[] = {
        {"Normal Buttons", 100, "qtbutton", {100, 50}, 0, 0, 0},
        {"Icon Text Buttons", 150, "iconTextButton", {100, 50}, 1, 1, 0},
        {"Icon Buttons", 150, "iconButton", {60, 50}, 3, 3, 0},
        {"Extension Buttons", 150, "extButton", {120, 50}, 4, 4, 0},
        {"Round Icon Buttons", 150, "iconButton2", {53, 53}, 5, 4, 2},
        {"Icon Text Buttons", 150, "iconButton3", {60, 60}, 3, 3, 0},
    };
    int y = 120;
    for (const Row& row : rows) {
        addCaption(page, QLatin1String(row.caption), y, row.captionWidth);
        for (const bool disabled : {false, true}) {
            auto* button = addControl<VelQPushButton>(
                page, row.themeElement, QRect(QPoint(disabled ? 300 : 150, y), row.size));
            button->setText(disabled ? QStringLiteral("Disable") : QStringLiteral("Button"));
            button->setDisabled(disabled);
            const int icon = disabled ? row.disabledIcon : row.icon;
            if (icon)
                button->setIconPath(iconPath(icon));
            if (row.iconDx) {
                ImageOffset offset = button->iconOffset();
                offset.dx = row.iconDx;
                button->setIconOffset(offset);
            }
        }
        y += 60;
    }
    return page;
}

} // namespace Gallery
