#include "controls/VelQScrollBar_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace VelQtLib {

namespace {

void setStates(ImageStyle (&states)[4], int state, const ImageStyle& style)
{
    if (state == 4) {
        std::fill(std::begin(states), std::end(states), style);
    } else if (state >= 0 && state < 4) {
        states[state] = style;
    }
}

} // namespace

VelQScrollBar::VelQScrollBar(QWidget* parent)
    : VelQScrollBar(Qt::Horizontal, parent)
{
}

VelQScrollBar::VelQScrollBar(Qt::Orientation orientation, QWidget* parent)
    : VelQControl<QScrollBar>(orientation, parent)
{
    setAttribute(Qt::WA_MouseTracking);
    setImpl(new VelQScrollBarImpl(this));
}

VelQScrollBar::~VelQScrollBar() = default;

VelQScrollBarImpl* VelQScrollBar::d() const
{
    return static_cast<VelQScrollBarImpl*>(const_cast<VelQScrollBar*>(this)->impl());
}

void VelQScrollBar::setBackgroundStyle(const ImageStyle& style)
{
    d()->background = style;
}

void VelQScrollBar::setSubLineStyle(int state, const ImageStyle& style)
{
    setStates(d()->subLineStyles, state, style);
}

void VelQScrollBar::setAddLineStyle(int state, const ImageStyle& style)
{
    setStates(d()->addLineStyles, state, style);
}

void VelQScrollBar::setThumbStyle(int state, const ImageStyle& style)
{
    setStates(d()->thumbStyles, state, style);
}

void VelQScrollBar::setArrowIcon(bool up, const QString& path)
{
    (up ? d()->upIcon : d()->downIcon) = path;
}

void VelQScrollBar::setThumbIcon(const QString& path)
{
    d()->thumbIcon = path;
}

QRect VelQScrollBar::partRect(QStyle::SubControl part) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

QSize VelQScrollBar::sizeHint() const
{
    QSize hint = QScrollBar::sizeHint();
    const VelQScrollBarImpl* impl = d();
    if (impl && impl->thicknessOverride != -1) {
        if (orientation() == Qt::Horizontal)
            hint.setHeight(impl->thicknessOverride);
        else
            hint.setWidth(impl->thicknessOverride);
    }
    return hint;
}

// The skin tracks its parts before QScrollBar acts on the event.
void VelQScrollBar::mousePressEvent(QMouseEvent* event)
{
    d()->onMousePress(event);
    QScrollBar::mousePressEvent(event);
}

void VelQScrollBar::mouseReleaseEvent(QMouseEvent* event)
{
    d()->onMouseRelease(event);
    QScrollBar::mouseReleaseEvent(event);
}

void VelQScrollBar::mouseMoveEvent(QMouseEvent* event)
{
    d()->onMouseMove(event);
    QScrollBar::mouseMoveEvent(event);
}

void VelQScrollBar::enterEvent(EnterEvent* event)
{
    QScrollBar::enterEvent(event);
}

void VelQScrollBar::leaveEvent(QEvent* event)
{
    d()->onLeave(event);
    QWidget::leaveEvent(event);
}

VelQScrollBarImpl::VelQScrollBarImpl(VelQScrollBar* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

std::array<VelQScrollBarImpl::Part, 3> VelQScrollBarImpl::parts()
{
    return {
        {{QStyle::SC_ScrollBarSlider, &thumbState}, {QStyle::SC_ScrollBarAddLine, &addLineState},
            {QStyle::SC_ScrollBarSubLine, &subLineState}}};
}

void VelQScrollBarImpl::setPartState(const Part& part, int value)
{
    if (*part.state == value)
        return;
    *part.state = value;
    owner->repaint(bar()->partRect(part.control));
}

void VelQScrollBarImpl::onPaint()
{
    QPainter painter(owner);
    draw(&painter, QRect(0, 0, owner->width(), owner->height()));
}

void VelQScrollBarImpl::draw(QPainter* painter, const QRect&)
{
    static const ImageOffset centred {0, 0, 1, 1};
    const QRect thumb = bar()->partRect(QStyle::SC_ScrollBarSlider);
    const QRect subLine = bar()->partRect(QStyle::SC_ScrollBarSubLine);
    const QRect addLine = bar()->partRect(QStyle::SC_ScrollBarAddLine);
    drawImageStyle(painter, background, bar()->partRect(QStyle::SC_ScrollBarGroove));
    drawImageStyle(painter, thumbStyles[thumbState], thumb);
    drawAlignedImage(painter, thumbIcon, centred, thumb, false);
    drawImageStyle(painter, subLineStyles[subLineState], subLine);
    drawAlignedImage(painter, upIcon, upIconOffset, subLine, false);
    drawImageStyle(painter, addLineStyles[addLineState], addLine);
    drawAlignedImage(painter, downIcon, downIconOffset, addLine, false);
}

bool VelQScrollBarImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&background})
        .imageGroup(2, subLineStyles, false)
        .imageGroup(6, addLineStyles, true)
        .imageGroup(10, thumbStyles, false)
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    // An absent icon key clears the icon.
    upIcon.clear();
    downIcon.clear();
    thumbIcon.clear();
    attr.readUtf8("upicon", upIcon);
    attr.readUtf8("downicon", downIcon);
    attr.readUtf8("thumbicon", thumbIcon);
    return result;
}

void VelQScrollBarImpl::onMousePress(QMouseEvent* event)
{
    for (const Part& part : parts()) {
        if (bar()->partRect(part.control).contains(event->pos()))
            setPartState(part, 2);
    }
}

void VelQScrollBarImpl::onMouseRelease(QMouseEvent* event)
{
    for (const Part& part : parts())
        setPartState(part, bar()->partRect(part.control).contains(event->pos()) ? 1 : 0);
}

void VelQScrollBarImpl::onMouseMove(QMouseEvent* event)
{
    for (const Part& part : parts()) {
        const bool over = bar()->partRect(part.control).contains(event->pos());
        if (over) {
            if (*part.state == 0)
                setPartState(part, 1);
        } else if (part.control == QStyle::SC_ScrollBarSlider) {
            // A pressed thumb stays pressed while it is dragged outside its rectangle.
            if (*part.state == 1)
                setPartState(part, 0);
        } else {
            setPartState(part, 0);
        }
    }
}

void VelQScrollBarImpl::onLeave(QEvent*)
{
    bool changed = false;
    for (const Part& part : parts()) {
        const bool pressedThumb = part.control == QStyle::SC_ScrollBarSlider && *part.state == 2;
        if (!pressedThumb && *part.state != 0) {
            *part.state = 0;
            changed = true;
        }
    }
    if (changed)
        owner->repaint();
}

} // namespace VelQtLib
