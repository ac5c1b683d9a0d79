#include "controls/VelQSplitter_p.h"

#include "framework/StyleSlots.h"

namespace VelQtLib {

VelQSplitter::VelQSplitter(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQSplitterImpl(this));
}

VelQSplitter::~VelQSplitter() = default;

void VelQSplitter::mousePressEvent(QMouseEvent*) { }

void VelQSplitter::mouseReleaseEvent(QMouseEvent*) { }

void VelQSplitter::mouseMoveEvent(QMouseEvent*) { }

void VelQSplitter::enterEvent(EnterEvent* event)
{
    QWidget::enterEvent(event);
}

void VelQSplitter::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
}

VelQSplitterImpl::VelQSplitterImpl(VelQSplitter* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
    barStyle.valid = false;
}

void VelQSplitterImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, barStyle, rect);
}

bool VelQSplitterImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (json)
        StyleSlots().image(0, {&barStyle}).read(*json);
    return result;
}

} // namespace VelQtLib
