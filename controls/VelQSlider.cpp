#include "controls/VelQSlider_p.h"

#include "controls/FillLength_p.h"
#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QMouseEvent>
#include <QStyleOptionSlider>

namespace VelQtLib {

VelQSlider::VelQSlider(QWidget* parent, Qt::Orientation orientation)
    : VelQControl<QSlider>(orientation, parent)
{
    setImpl(new VelQSliderImpl(this));
}

VelQSlider::VelQSlider(Qt::Orientation orientation, QWidget* parent)
    : VelQSlider(parent, orientation)
{
}

VelQSlider::~VelQSlider() = default;

VelQSliderImpl* VelQSlider::d() const
{
    return static_cast<VelQSliderImpl*>(const_cast<VelQSlider*>(this)->impl());
}

int VelQSlider::thumbLength() const
{
    return orientation() == Qt::Horizontal ? d()->thumbW : d()->thumbH;
}

QSize VelQSlider::thumbSize() const
{
    return QSize(d()->thumbW, d()->thumbH);
}

QRect VelQSlider::thumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect r = style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    r.setWidth(d()->thumbW);
    r.setHeight(d()->thumbH);
    return r;
}

// Moves without a button matter only while the pointer is inside, for the thumb's hover look.
void VelQSlider::enterEvent(EnterEvent* event)
{
    VelQControl<QSlider>::enterEvent(event);
    setAttribute(Qt::WA_MouseTracking);
}

void VelQSlider::leaveEvent(QEvent* event)
{
    VelQControl<QSlider>::leaveEvent(event);
    setAttribute(Qt::WA_MouseTracking, false);
}

VelQSliderImpl::VelQSliderImpl(VelQSlider* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQSliderImpl::draw(QPainter* painter, const QRect& rect)
{
    const VelQSlider* s = slider();
    const qint64 range = qint64(s->maximum()) - s->minimum();
    // The fraction is value / range, not (value - minimum) / range.
    const float divisor = range == 0 ? 100.0f : float(range);
    QRect channel;
    QRect filled;
    if (s->orientation() == Qt::Horizontal) {
        const int y = rect.top() + (rect.height() - channelSize) / 2;
        channel = QRect(rect.left(), y, rect.width(), channelSize);
        filled = QRect(rect.left(), y, fillLength(s->value(), divisor, rect.width()), channelSize);
    } else {
        const int x = rect.left() + (rect.width() - channelSize) / 2;
        const int length = fillLength(s->value(), divisor, rect.height());
        channel = QRect(x, rect.top(), channelSize, rect.height());
        filled = QRect(x, rect.bottom() - length, channelSize, length);
    }
    drawImageStyle(painter, channelStyle, channel);
    drawImageStyle(painter, filledStyle, filled);
    drawImageStyle(painter, thumbStyles[state], s->thumbRect());
}

bool VelQSliderImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&channelStyle})
        .image(2, {&filledStyle})
        .imageGroup(4, thumbStyles)
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    attr.read("thumbW", thumbW);
    attr.read("thumbH", thumbH);
    attr.read("channelSize", channelSize);
    if (restyling)
        return result;
    // Every "attr" sets the orientation and the position, to horizontal and 0 when absent.
    bool horizontal = true;
    attr.read("isHor", horizontal);
    slider()->setOrientation(horizontal ? Qt::Horizontal : Qt::Vertical);
    int minimum = slider()->minimum();
    int maximum = slider()->maximum();
    int value = 0;
    attr.read("min", minimum);
    attr.read("max", maximum);
    attr.read("val", value);
    slider()->setMaximum(maximum);
    slider()->setMinimum(minimum);
    slider()->setSliderPosition(value);
    return result;
}

bool VelQSliderImpl::overThumb(const QMouseEvent* event) const
{
    return slider()->thumbRect().contains(event->pos());
}

void VelQSliderImpl::onMousePress(QMouseEvent* event)
{
    if (overThumb(event))
        setState(Pressed);
}

void VelQSliderImpl::onMouseRelease(QMouseEvent* event)
{
    setState(overThumb(event) ? Hover : Normal);
}

void VelQSliderImpl::onEnter(QEvent*) { }

void VelQSliderImpl::onLeave(QEvent*)
{
    setState(Normal);
}

void VelQSliderImpl::onMouseMove(QMouseEvent* event)
{
    // Dragging keeps the pressed look wherever the pointer goes.
    if (state == Pressed)
        return;
    setState(overThumb(event) ? Hover : Normal);
}

} // namespace VelQtLib
