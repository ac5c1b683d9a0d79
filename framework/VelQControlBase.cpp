#include "framework/VelQControlBase.h"

#include "framework/ShowWhenBuilt_p.h"
#include "framework/VelQControlBaseImpl.h"
#include "framework/WidgetRange_p.h"
#include "theme/Json.h"

#include <QMenu>
#include <QWidget>

namespace VelQtLib {

namespace {

int boundedSize(int v)
{
    return qBound(0, v, QWIDGETSIZE_MAX);
}

// One axis of an anchor layout: returns the position and sets extent.
int anchorAxis(int align, int sizeType, qint64 pos, qint64 size, qint64 parent, int& extent)
{
    const qint64 start = align == 0 ? pos : 0;
    qint64 length = 0;
    if (sizeType == 0)
        length = size;
    else if (sizeType == 1)
        length = parent - size - start;
    extent = withinWidgetRange(length);
    switch (align) {
    case 0:
        return withinWidgetRange(pos);
    case 1:
        return withinWidgetRange((parent - extent) / 2 + pos);
    case 2:
        return withinWidgetRange(parent - pos - extent);
    default:
        // An alignment outside 0..2 leaves the position undefined; the origin is used.
        return 0;
    }
}

} // namespace

VelQControlBase::VelQControlBase(QWidget* owner)
    : owner(owner)
{
}

VelQControlBase::~VelQControlBase() = default;

void VelQControlBase::parseCommon(const ::Json::Value* json)
{
    // Menus are never placed by descriptions.
    if (!json || !owner || qobject_cast<QMenu*>(owner))
        return;
    QString text;
    if (Json::readUtf8(*json, "name", text))
        owner->setObjectName(text);
    if (Json::readDisplayText(*json, "tooltip", text))
        owner->setToolTip(text);
    bool visible = true;
    Json::readBool(*json, "visibility", visible);
    ShowWhenBuilt::show(owner, visible);
    bool flag = true;
    if (Json::readBool(*json, "enable", flag))
        owner->setEnabled(flag);

    const ::Json::Value* layout = Json::objectMember(*json, "layout");
    if (!layout) {
        layoutType = LayoutFixed;
        numbers[0] = Json::intOr(*json, "x", 0);
        numbers[1] = Json::intOr(*json, "y", 0);
        numbers[2] = Json::intOr(*json, "w", 0);
        numbers[3] = Json::intOr(*json, "h", 0);
        return;
    }
    unsigned type = 0;
    Json::readUInt(*layout, "type", type);
    layoutType = int(type);
    switch (layoutType) {
    case LayoutAnchor: {
        int& wType = numbers[2];
        int& hType = numbers[3];
        numbers[6] = Json::intOr(*json, "w", 0);
        numbers[7] = Json::intOr(*json, "h", 0);
        wType = hType = 0;
        Json::readInt(*layout, "x", numbers[4]);
        Json::readInt(*layout, "y", numbers[5]);
        if (Json::readInt(*layout, "r", numbers[6]))
            wType = 1;
        if (Json::readInt(*layout, "b", numbers[7]))
            hType = 1;
        Json::readInt(*layout, "hor", numbers[0]);
        Json::readInt(*layout, "ver", numbers[1]);
        Json::readInt(*layout, "wType", wType);
        Json::readInt(*layout, "hType", hType);
        break;
    }
    case LayoutFill:
        numbers[0] = Json::intOr(*layout, "x", 0);
        numbers[1] = Json::intOr(*layout, "y", 0);
        numbers[2] = Json::intOr(*layout, "r", 0);
        numbers[3] = Json::intOr(*layout, "b", 0);
        break;
    case LayoutFixed:
        applyFixed();
        break;
    default:
        break;
    }
}

void VelQControlBase::applyFixed()
{
    owner->setGeometry(withinWidgetRange(numbers[0]), withinWidgetRange(numbers[1]),
        boundedSize(numbers[2]), boundedSize(numbers[3]));
    owner->setFixedHeight(boundedSize(numbers[3]));
    owner->setFixedWidth(boundedSize(numbers[2]));
}

void VelQControlBase::applyLayout()
{
    if (!owner || !owner->parentWidget())
        return;
    const QSize parent = owner->parentWidget()->size();
    switch (layoutType) {
    case LayoutFill:
        owner->setGeometry(withinWidgetRange(numbers[0]), withinWidgetRange(numbers[1]),
            withinWidgetRange(qint64(parent.width()) - numbers[2] - numbers[0]),
            withinWidgetRange(qint64(parent.height()) - numbers[3] - numbers[1]));
        break;
    case LayoutFixed:
        applyFixed();
        break;
    case LayoutAnchor: {
        int width = 0;
        int height = 0;
        const int left
            = anchorAxis(numbers[0], numbers[2], numbers[4], numbers[6], parent.width(), width);
        const int top
            = anchorAxis(numbers[1], numbers[3], numbers[5], numbers[7], parent.height(), height);
        owner->setGeometry(left, top, width, height);
        break;
    }
    default:
        break;
    }
    for (QObject* child : owner->children()) {
        if (IVelQControlBase* control = controlOf(child)) {
            if (control->controlBase())
                control->applyLayout();
        }
    }
}

void VelQControlBase::setThemeName(const QString& name)
{
    if (!owner)
        return;
    const QVariant property = owner->property("impl");
    if (!property.canConvert<void*>())
        return;
    if (auto* impl = static_cast<VelQControlBaseImpl*>(property.value<void*>())) {
        impl->themeName = name;
        impl->applyTheme();
    }
}

IVelQControlBase* controlOf(QObject* object)
{
    return dynamic_cast<IVelQControlBase*>(object);
}

} // namespace VelQtLib
