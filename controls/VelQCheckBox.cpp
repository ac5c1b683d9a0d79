#include "controls/VelQCheckBox_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"
#include "theme/ThemeManager.h"

#include <algorithm>
#include <iterator>

namespace VelQtLib {

namespace {

const QString builtInUnchecked = QStringLiteral("IDB_UNCHECK");
const QString builtInChecked = QStringLiteral("IDB_CHECKED");

void setStateStyle(ImageStyle (&styles)[4], int index, const ImageStyle& style)
{
    if (index == 4)
        std::fill(std::begin(styles), std::end(styles), style);
    else if (index >= 0 && index < 4)
        styles[index] = style;
}

} // namespace

VelQCheckBox::VelQCheckBox(QWidget* parent)
    : VelQControl<QCheckBox>(parent)
{
    setImpl(new VelQCheckBoxImpl(this));
}

VelQCheckBox::~VelQCheckBox() = default;

VelQCheckBoxImpl* VelQCheckBox::d() const
{
    return static_cast<VelQCheckBoxImpl*>(const_cast<VelQCheckBox*>(this)->impl());
}

void VelQCheckBox::setUncheckedIcon(const QString& path)
{
    d()->iconPath = path;
    if (d()->hotIconPath == builtInUnchecked)
        d()->hotIconPath = path;
}

void VelQCheckBox::setCheckedIcon(const QString& path)
{
    d()->siconPath = path;
    if (d()->sHotIconPath == builtInChecked)
        d()->sHotIconPath = path;
}

void VelQCheckBox::setUncheckedStyle(int index, const ImageStyle& style)
{
    setStateStyle(d()->uncheckedStyles, index, style);
}

void VelQCheckBox::setCheckedStyle(int index, const ImageStyle& style)
{
    setStateStyle(d()->checkedStyles, index, style);
}

void VelQCheckBox::setShowText(bool show)
{
    d()->showText = show;
}

VelQCheckBoxImpl::VelQCheckBoxImpl(VelQCheckBox* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
    // No background until the theme gives one.
    for (ImageStyle* group : {uncheckedStyles, checkedStyles}) {
        for (int s = Normal; s <= Disabled; ++s)
            group[s].valid = false;
    }
}

void VelQCheckBoxImpl::draw(QPainter* painter, const QRect& rect)
{
    const bool checked = box()->isChecked();
    if (state >= Normal && state <= Disabled)
        drawImageStyle(painter, (checked ? checkedStyles : uncheckedStyles)[state], rect);
    if (showText) {
        const int indent = labelIndent();
        const TextStyle& style = !owner->isEnabled()
            ? textStyles[DisabledLabel]
            : textStyles[checked ? CheckedLabel : UncheckedLabel];
        const QRect label(rect.x() + indent, rect.y(), rect.width() - indent, rect.height());
        drawStyledText(painter, box()->text(), style, label, true);
    }
    if (showIcon) {
        const QString& mark = markPath(checked);
        if (!mark.isEmpty())
            drawAlignedImage(painter, mark, iconOffset, rect, false);
    }
}

int VelQCheckBoxImpl::labelIndent() const
{
    // Only a mark at the left pushes the label; it measures the unchecked mark in every state.
    if (!showIcon || iconOffset.hAlign != 0 || iconPath.isEmpty())
        return 0;
    const QImage* mark = CThemeManager::instance().getImage(iconPath, false);
    return mark ? mark->width() + iconOffset.dx : 0;
}

const QString& VelQCheckBoxImpl::markPath(bool checked) const
{
    static const QString none;
    switch (state) {
    case Normal:
    case Pressed:
        return checked ? siconPath : iconPath;
    case Hover:
        return checked ? sHotIconPath : hotIconPath;
    case Disabled:
        return checked ? disableSIconPath : disableIconPath;
    default:
        return none;
    }
}

bool VelQCheckBoxImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .imageGroup(0, uncheckedStyles)
        .imageGroup(4, checkedStyles)
        .text(8, {&textStyles[UncheckedLabel]})
        .text(9, {&textStyles[CheckedLabel]})
        .text(10, {&textStyles[DisabledLabel]})
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    attr.read("iconHor", iconOffset.hAlign);
    attr.read("iconVer", iconOffset.vAlign);
    attr.read("iconX", iconOffset.dx);
    attr.read("iconY", iconOffset.dy);
    attr.read("showIcon", showIcon);
    attr.read("showText", showText);
    if (!restyling) {
        QString text;
        attr.readText("text", text);
        box()->setText(text);
    }
    attr.readUtf8("iconPath", iconPath);
    attr.readUtf8("hotIconPath", hotIconPath);
    attr.readUtf8("siconPath", siconPath);
    attr.readUtf8("sHotIconPath", sHotIconPath);
    followNormalMarks();
    attr.readUtf8("disableIconPath", disableIconPath);
    attr.readUtf8("disableSIconPath", disableSIconPath);
    return result;
}

void VelQCheckBoxImpl::followNormalMarks()
{
    if (hotIconPath == builtInUnchecked)
        hotIconPath = iconPath;
    if (sHotIconPath == builtInChecked)
        sHotIconPath = siconPath;
}

} // namespace VelQtLib
