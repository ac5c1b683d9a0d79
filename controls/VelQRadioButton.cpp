#include "controls/VelQRadioButton_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QButtonGroup>

#include <algorithm>

namespace VelQtLib {

namespace {

// An alignment of -1 leaves the field as it was.
void readAlignment(const AttrReader& attr, const char* key, int& out)
{
    int value = out;
    if (attr.read(key, value) && value != -1)
        out = value;
}

} // namespace

VelQRadioButton::VelQRadioButton(QWidget* parent)
    : VelQControl<QRadioButton>(parent)
{
    setImpl(new VelQRadioButtonImpl(this));
}

VelQRadioButton::~VelQRadioButton() = default;

VelQRadioButtonImpl* VelQRadioButton::d() const
{
    return static_cast<VelQRadioButtonImpl*>(const_cast<VelQRadioButton*>(this)->impl());
}

bool VelQRadioButton::setUncheckedIcon(const QString& path)
{
    d()->iconPath = path;
    return true;
}

bool VelQRadioButton::setCheckedIcon(const QString& path)
{
    d()->siconPath = path;
    return true;
}

void VelQRadioButton::mousePressEvent(QMouseEvent* event)
{
    d()->onMousePress(event);
    QRadioButton::mousePressEvent(event);
}

void VelQRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    // Every release that reaches a member of an exclusive set checks it, also one dragged off
    // it; Qt never unchecks the checked member, so its own click after a release over the
    // button leaves it checked. Anywhere else Qt's click may uncheck, and inverting first would
    // cancel its toggle.
    if (inExclusiveSet())
        setChecked(!isChecked());
    d()->onMouseRelease(event);
    QRadioButton::mouseReleaseEvent(event);
}

// Whether Qt refuses to uncheck this button once it is checked: an exclusive group, or an
// auto-exclusive button with auto-exclusive siblings.
bool VelQRadioButton::inExclusiveSet() const
{
    if (group())
        return group()->exclusive();
    if (!autoExclusive() || !parentWidget())
        return false;
    const QList<QAbstractButton*> buttons = parentWidget()->findChildren<QAbstractButton*>();
    return std::count_if(buttons.cbegin(), buttons.cend(), [](const QAbstractButton* b) {
        return b->autoExclusive() && !b->group();
    }) > 1;
}

VelQRadioButtonImpl::VelQRadioButtonImpl(VelQRadioButton* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
    // Only the checked look starts with a (white) background.
    for (ImageStyle& style : uncheckedStyles)
        style.valid = false;
}

void VelQRadioButtonImpl::draw(QPainter* painter, const QRect& rect)
{
    const bool checked = button()->isChecked();
    const bool knownState = state >= Normal && state <= Disabled;
    if (knownState)
        drawImageStyle(painter, (checked ? checkedStyles : uncheckedStyles)[state], rect);
    if (showIcon) {
        const QString& mark = markPath(checked);
        if (!mark.isEmpty())
            drawAlignedImage(painter, mark, iconOffset, rect, !owner->isEnabled());
    }
    if (showText && knownState) {
        // The label is not indented: its text style's offset leaves room for the mark.
        const int label = state == Disabled ? DisabledLabel
            : checked                       ? CheckedLabel
                                            : UncheckedLabel;
        drawStyledText(painter, button()->text(), textStyles[label], rect, true);
    }
}

const QString& VelQRadioButtonImpl::markPath(bool checked) const
{
    if (checked)
        return state == Hover && !sHotIconPath.isEmpty() ? sHotIconPath : siconPath;
    return state == Hover && !hotIconPath.isEmpty() ? hotIconPath : iconPath;
}

bool VelQRadioButtonImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .imageGroup(0, uncheckedStyles)
        .imageGroup(4, checkedStyles)
        .text(8, {&textStyles[UncheckedLabel], &textStyles[CheckedLabel]})
        .text(9, {&textStyles[CheckedLabel], &textStyles[DisabledLabel]})
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    attr.read("pushlike", pushlike);
    attr.read("showIcon", showIcon);
    attr.read("showText", showText);
    attr.readUtf8("iconPath", iconPath);
    attr.readUtf8("hotIconPath", hotIconPath);
    attr.readUtf8("siconPath", siconPath);
    attr.readUtf8("sHotIconPath", sHotIconPath);
    readAlignment(attr, "iconHor", iconOffset.hAlign);
    readAlignment(attr, "iconVer", iconOffset.vAlign);
    if (!restyling) {
        QString text;
        attr.readText("text", text);
        button()->setText(text);
    }
    attr.read("iconX", iconOffset.dx);
    attr.read("iconY", iconOffset.dy);
    return result;
}

} // namespace VelQtLib
