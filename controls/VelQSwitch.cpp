#include "controls/VelQSwitch_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QKeyEvent>
#include <QVariantAnimation>

namespace VelQtLib {

VelQSwitch::VelQSwitch(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQSwitchImpl(this));
    setFocusPolicy(Qt::StrongFocus);
}

VelQSwitch::~VelQSwitch() = default;

VelQSwitchImpl* VelQSwitch::d() const
{
    return static_cast<VelQSwitchImpl*>(const_cast<VelQSwitch*>(this)->impl());
}

void VelQSwitch::setLeftText(const QString& text)
{
    d()->leftText = text;
}

void VelQSwitch::setRightText(const QString& text)
{
    d()->rightText = text;
}

void VelQSwitch::mousePressEvent(QMouseEvent* event)
{
    d()->onMousePress(event);
    d()->toggle();
}

void VelQSwitch::mouseReleaseEvent(QMouseEvent* event)
{
    d()->onMouseRelease(event);
}

void VelQSwitch::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        d()->toggle();
    else
        VelQControl<QWidget>::keyPressEvent(event);
}

VelQSwitchImpl::VelQSwitchImpl(VelQSwitch* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
    , animation(new QVariantAnimation(owner))
{
    connect(animation, &QVariantAnimation::valueChanged, this, &VelQSwitchImpl::valueChanged);
    connect(animation, &QVariantAnimation::finished, this, &VelQSwitchImpl::finished);
}

void VelQSwitchImpl::toggle()
{
    if (animating)
        return;
    animating = true;
    const int end = travel(owner->width());
    animation->setStartValue(off ? 0 : end);
    animation->setEndValue(off ? end : 0);
    animation->setDuration(qMax(0, speed));
    animation->start(QAbstractAnimation::KeepWhenStopped);
}

void VelQSwitchImpl::valueChanged(const QVariant& value)
{
    thumbPos = value.toInt();
    owner->repaint();
}

void VelQSwitchImpl::finished()
{
    animating = false;
    off = !off;
    owner->repaint();
}

void VelQSwitchImpl::draw(QPainter* painter, const QRect& rect)
{
    // A resting thumb keeps to its end, also after a resize.
    if (!animating)
        thumbPos = off ? 0 : travel(rect.width());
    const int w = thumbSize.width();
    const int h = thumbSize.height();
    drawImageStyle(painter, trackStyle, rect);
    // While sliding, the label of the old state stays.
    if (off) {
        const QRect box(rect.x() + rect.width() - w, rect.y() + margin, w, h);
        drawStyledText(painter, rightText, rightTextStyle, box, true);
    } else {
        const QRect box(rect.x() + margin, rect.y() + margin, w, h);
        drawStyledText(painter, leftText, leftTextStyle, box, true);
    }
    if (state >= Normal && state <= Disabled) {
        const QRect thumb(rect.x() + margin + thumbPos, rect.y() + margin, w, h);
        drawImageStyle(painter, thumbStyles[state], thumb);
    }
}

bool VelQSwitchImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&trackStyle})
        .imageGroup(2, thumbStyles)
        .text(6, {&leftTextStyle})
        .text(7, {&rightTextStyle})
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    // Every description sets both texts and the thumb size anew.
    if (!restyling) {
        QString left;
        attr.readText("leftText", left);
        switchWidget()->setLeftText(left);
        QString right = left;
        attr.readText("rightText", right);
        switchWidget()->setRightText(right);
    }
    int thumbW = 25;
    int thumbH = 25;
    attr.read("thumbW", thumbW);
    attr.read("thumbH", thumbH);
    thumbSize = QSize(thumbW, thumbH);
    attr.read("speed", speed);
    int on = 0;
    if (!restyling && attr.read("on", on)) {
        // The description's position wins over a slide that is under way.
        if (animating) {
            animation->stop();
            animating = false;
        }
        off = on == 0;
        owner->update();
    }
    attr.read("margin", margin);
    return result;
}

} // namespace VelQtLib
