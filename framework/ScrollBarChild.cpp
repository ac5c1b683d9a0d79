#include "framework/ScrollBarChild.h"

#include "controls/VelQScrollBar.h"
#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"
#include "theme/ThemeManager.h"

namespace VelQtLib {

namespace {

bool isScrollBarChild(const ::Json::Value& child)
{
    const ::Json::Value* type = Json::member(child, "type");
    std::string name;
    return type && Json::toStdString(*type, name) && name.find("scrollbar") != std::string::npos;
}

void applyChildStyles(const ::Json::Value& child, VelQScrollBar* bar)
{
    const CThemeManager& manager = CThemeManager::instance();
    forEachStyleEntry(child, [&](const QString& name, int slot) {
        ImageStyle style;
        if (!manager.getImageStyle(name, style))
            return;
        // Here the first record of each part styles all of its states.
        if (slot == 0)
            bar->setBackgroundStyle(style);
        else if (slot >= 2 && slot <= 5)
            bar->setSubLineStyle(slot == 2 ? 4 : slot - 2, style);
        else if (slot >= 6 && slot <= 9)
            bar->setAddLineStyle(slot == 6 ? 4 : slot - 6, style);
        else if (slot >= 10 && slot <= 13)
            bar->setThumbStyle(slot == 10 ? 4 : slot - 10, style);
    });
}

} // namespace

void readScrollBarChildren(const ::Json::Value& element, VelQScrollBar* horizontal,
    VelQScrollBar* vertical, const ScrollBarRule& rule)
{
    const ::Json::Value* children = Json::arrayMember(element, "child");
    if (!children)
        return;
    for (const ::Json::Value& child : *children) {
        if (!isScrollBarChild(child))
            continue;
        const AttrReader attr(&child);
        ScrollBarChild info;
        info.horizontalBar = horizontal;
        info.verticalBar = vertical;
        attr.read("hor", info.horizontal);
        info.bar = info.horizontal ? horizontal : vertical;
        if (!info.bar)
            continue;
        QString icon;
        if (attr.readUtf8("upicon", icon))
            info.bar->setArrowIcon(true, icon);
        if (attr.readUtf8("downicon", icon))
            info.bar->setArrowIcon(false, icon);
        if (attr.readUtf8("thumbicon", icon))
            info.bar->setThumbIcon(icon);
        int size = 0;
        if (attr.read("size", size))
            info.arrowSize = size;
        info.thickness = Json::intOr(child, info.horizontal ? "h" : "w", 0);
        if (rule)
            rule(info);
        applyChildStyles(child, info.bar);
    }
}

void thicknessLongSheetRule(const ScrollBarChild& child)
{
    const int t = child.thickness;
    setScrollBarSheet(child.horizontalBar, child.verticalBar, scrollBarLongSheet(t, t, t));
}

QString scrollBarLongSheet(int vertical, int horizontal, int arrow)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
                          "QScrollBar::add-line:vertical{ width:%3px;width:%3px; "
                          "subcontrol-origin: margin;} QScrollBar::sub-line:vertical{ "
                          "width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(vertical)
        .arg(horizontal)
        .arg(arrow);
}

QString scrollBarShortSheet(int vertical, int horizontal)
{
    return QStringLiteral("QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; }")
        .arg(vertical)
        .arg(horizontal);
}

QString scrollBarShortSheetTrailingBlank(int vertical, int horizontal)
{
    return scrollBarShortSheet(vertical, horizontal) + QLatin1Char(' ');
}

QString scrollBarArrowSheet(Qt::Orientation orientation, int arrow)
{
    if (orientation == Qt::Horizontal)
        return QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; } "
                              "QScrollBar::sub-line{ width:%1px;width:%1px; }")
            .arg(arrow);
    return QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; } "
                          "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }")
        .arg(arrow);
}

void setScrollBarSheet(VelQScrollBar* horizontal, VelQScrollBar* vertical, const QString& sheet)
{
    if (horizontal)
        horizontal->setStyleSheet(sheet);
    if (vertical)
        vertical->setStyleSheet(sheet);
}

} // namespace VelQtLib
