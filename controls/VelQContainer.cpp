#include "controls/VelQContainer_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"
#include "framework/WidgetRange_p.h"

#include <algorithm>
#include <optional>

namespace VelQtLib {

namespace {

ImageStyle grayBox()
{
    ImageStyle style;
    style.color = QColor(128, 128, 128);
    return style;
}

// The control of a child that the arrangement places: a skinned control whose layout rule
// has numbers, or that has no rule at all.
IVelQControlBase* arrangeable(QWidget* child)
{
    IVelQControlBase* control = controlOf(child);
    if (!control || !control->controlBase())
        return nullptr;
    const int* numbers = nullptr;
    control->layoutParams(numbers);
    return numbers || control->layoutType() == LayoutNone ? control : nullptr;
}

// Moves a child to x and y (each only when given) through its layout rule, so that the next
// applyLayout keeps it there; Fill and Reserved rules keep their place.
void place(
    IVelQControlBase* control, QWidget* child, std::optional<qint64> atX, std::optional<qint64> atY)
{
    // Many children or a huge "space" may run past what a widget coordinate holds.
    const auto bounded = [](std::optional<qint64> v) -> std::optional<int> {
        if (!v)
            return std::nullopt;
        return withinWidgetRange(*v);
    };
    const std::optional<int> x = bounded(atX);
    const std::optional<int> y = bounded(atY);
    VelQControlBase* base = control->controlBase();
    switch (control->layoutType()) {
    case LayoutNone:
        child->move(x.value_or(child->x()), y.value_or(child->y()));
        break;
    case LayoutAnchor: {
        int numbers[8];
        std::copy(base->numbers, base->numbers + 8, numbers);
        numbers[4] = x.value_or(numbers[4]);
        numbers[5] = y.value_or(numbers[5]);
        control->setAnchorLayout(numbers);
        break;
    }
    case LayoutFixed:
        base->numbers[0] = x.value_or(base->numbers[0]);
        base->numbers[1] = y.value_or(base->numbers[1]);
        break;
    default:
        break;
    }
}

} // namespace

VelQContainer::VelQContainer(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQContainerImpl(this));
    setAttribute(Qt::WA_MouseTracking);
}

VelQContainer::~VelQContainer() = default;

VelQContainerImpl* VelQContainer::d() const
{
    return static_cast<VelQContainerImpl*>(const_cast<VelQContainer*>(this)->impl());
}

void VelQContainer::setBackgroundStyle(const ImageStyle& style)
{
    d()->normalStyle = style;
}

void VelQContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void VelQContainer::layoutChildren()
{
    applyLayout();
    if (d()->childLayout == Free)
        return;
    d()->arrangeChildren();
    applyLayout();
}

VelQContainerImpl::VelQContainerImpl(VelQContainer* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
    , normalStyle(grayBox())
    , disabledStyle(grayBox())
{
}

void VelQContainerImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, owner->isEnabled() ? normalStyle : disabledStyle, rect);
}

bool VelQContainerImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().image(0, {&normalStyle, &disabledStyle}).image(1, {&disabledStyle}).read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    // Every description chooses the arrangement anew; without the key the children stay free.
    int mode = VelQContainer::Free;
    attr.read("childLayout", mode);
    childLayout = mode >= VelQContainer::Row && mode <= VelQContainer::WrappingColumns
        ? mode
        : VelQContainer::Free;
    attr.read("space", space);
    return result;
}

void VelQContainerImpl::arrangeChildren()
{
    const qint64 s = space;
    const QSize area = owner->size();
    qint64 x = s;
    qint64 y = s;
    for (QObject* object : owner->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow())
            continue;
        const QSize size = child->geometry().size();
        IVelQControlBase* control = arrangeable(child);
        switch (childLayout) {
        case VelQContainer::Row:
            if (control) {
                place(control, child, x, std::nullopt);
                x += size.width() + s;
            }
            break;
        case VelQContainer::Column:
            if (control) {
                place(control, child, std::nullopt, y);
                y += size.height() + s;
            }
            break;
        case VelQContainer::WrappingRows:
            // The row breaks by the height of the child that does not fit.
            if (area.width() < size.width() + s + x) {
                x = s;
                y += size.height() + s;
            }
            if (control) {
                place(control, child, x, y);
                x += size.width() + s;
            }
            break;
        case VelQContainer::WrappingColumns:
            if (area.height() < size.height() + s + y) {
                y = s;
                x += size.width() + s;
            }
            if (control) {
                place(control, child, x, y);
                y += size.height() + s;
            }
            break;
        default:
            return;
        }
    }
}

} // namespace VelQtLib
