#include "controls/VelQSpinBox_p.h"

#include "framework/ClearBackground_p.h"

namespace VelQtLib {

VelQSpinBox::VelQSpinBox(QWidget* parent)
    : VelQControl<QSpinBox>(parent)
{
    setImpl(new VelQSpinBoxImpl(this));
    setFrame(false);
    clearBackground(this);
}

VelQSpinBox::~VelQSpinBox() = default;

void VelQSpinBox::mousePressEvent(QMouseEvent* event)
{
    QSpinBox::mousePressEvent(event);
}

void VelQSpinBox::mouseReleaseEvent(QMouseEvent* event)
{
    QSpinBox::mouseReleaseEvent(event);
}

void VelQSpinBox::mouseMoveEvent(QMouseEvent* event)
{
    QSpinBox::mouseMoveEvent(event);
}

void VelQSpinBox::enterEvent(EnterEvent* event)
{
    QSpinBox::enterEvent(event);
}

void VelQSpinBox::leaveEvent(QEvent* event)
{
    QSpinBox::leaveEvent(event);
}

VelQSpinBoxImpl::VelQSpinBoxImpl(VelQSpinBox* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

} // namespace VelQtLib
