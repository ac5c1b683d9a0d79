#include "controls/VelQMenuBar_p.h"

#include "controls/VelQMenu_p.h"
#include "framework/StyleSlots.h"

#include <QMouseEvent>

namespace VelQtLib {

VelQMenuBar::VelQMenuBar(QWidget* parent)
    : VelQControl<QMenuBar>(parent)
{
    setImpl(new VelQMenuBarImpl(this));
    setAttribute(Qt::WA_MouseTracking);
}

VelQMenuBar::~VelQMenuBar() = default;

VelQMenuBarImpl* VelQMenuBar::d() const
{
    return static_cast<VelQMenuBarImpl*>(const_cast<VelQMenuBar*>(this)->impl());
}

void VelQMenuBar::mousePressEvent(QMouseEvent* event)
{
    QMenuBar::mousePressEvent(event);
}

void VelQMenuBar::mouseReleaseEvent(QMouseEvent* event)
{
    QMenuBar::mouseReleaseEvent(event);
    if (d()->pressedIndex != -1) {
        d()->pressedIndex = -1;
        repaint();
    }
}

void VelQMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    QMenuBar::mouseMoveEvent(event);
    const int index = actionIndexAt(this, event->pos());
    if (index != -1 && index != d()->hoverIndex) {
        d()->hoverIndex = index;
        repaint();
    }
}

void VelQMenuBar::leaveEvent(QEvent* event)
{
    QMenuBar::leaveEvent(event);
    if (d()->hoverIndex != -1) {
        d()->hoverIndex = -1;
        repaint();
    }
}

VelQMenuBarImpl::VelQMenuBarImpl(VelQMenuBar* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQMenuBarImpl::draw(QPainter* painter, const QRect&)
{
    const QList<QAction*> actions = bar()->actions();
    for (int i = 0; i < actions.size(); ++i) {
        const QRect r = bar()->actionGeometry(actions[i]);
        const int look = i == pressedIndex ? Pressed : i == hoverIndex ? Hover : Normal;
        drawImageStyle(painter, itemStyles[look], r);
        drawStyledText(painter, actions[i]->text(), itemTextStyles[look], r, true);
    }
}

bool VelQMenuBarImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&background})
        .imageGroup(1, itemStyles)
        .textGroup(5, itemTextStyles)
        .image(9, {&popupBackground})
        .imageGroup(9, popupItemStyles)
        .textGroup(13, popupTextStyles)
        .read(*json);
    bar()->update();
    return result;
}

} // namespace VelQtLib
