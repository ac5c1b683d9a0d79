#include "controls/VelQTabWidget_p.h"

#include "framework/AttrReader.h"
#include "framework/Library.h"
#include "framework/StyleSlots.h"
#include "framework/WidgetRange_p.h"

#include <QMouseEvent>
#include <QPainter>

namespace VelQtLib {

namespace {

enum ItemState { ItemNormal = 0, ItemHovered = 1, ItemCurrent = 2 };

} // namespace

VelQTabWidget::VelQTabWidget(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQTabWidgetImpl(this));
    setAttribute(Qt::WA_MouseTracking);
}

VelQTabWidget::~VelQTabWidget() = default;

VelQTabWidgetImpl* VelQTabWidget::d() const
{
    return static_cast<VelQTabWidgetImpl*>(const_cast<VelQTabWidget*>(this)->impl());
}

void VelQTabWidget::addItem(
    const QString& text, const QString& iconPath, const QString& selectedIconPath)
{
    d()->items.append({iconPath, selectedIconPath, text});
    update();
}

int VelQTabWidget::count() const
{
    return d()->items.size();
}

int VelQTabWidget::currentIndex() const
{
    return d()->currentIndex;
}

void VelQTabWidget::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == d()->currentIndex)
        return;
    d()->currentIndex = index;
    update();
    emit currentChanged(index);
}

QRect VelQTabWidget::tabRect(int index) const
{
    return d()->itemRect(index);
}

void VelQTabWidget::mousePressEvent(QMouseEvent* event)
{
    const int index = d()->itemAt(event->pos());
    if (index < 0)
        return;
    d()->currentIndex = index;
    update();
    emit currentChanged(index);
}

void VelQTabWidget::mouseReleaseEvent(QMouseEvent*) { }

void VelQTabWidget::mouseMoveEvent(QMouseEvent* event)
{
    // Between items the last hovered item stays lit.
    const int index = d()->itemAt(event->pos());
    if (index < 0 || index == d()->hoverIndex)
        return;
    d()->hoverIndex = index;
    update();
}

void VelQTabWidget::enterEvent(EnterEvent* event)
{
    QWidget::enterEvent(event);
}

void VelQTabWidget::leaveEvent(QEvent*)
{
    if (d()->hoverIndex == -1)
        return;
    d()->hoverIndex = -1;
    update();
}

VelQTabWidgetImpl::VelQTabWidgetImpl(VelQTabWidget* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

QRect VelQTabWidgetImpl::itemRect(int index) const
{
    // Kept within widget sizes so that the rectangle's far edge stays in int range.
    const int extent = qBound(0, itemSize, QWIDGETSIZE_MAX);
    const int start = withinWidgetRange(qint64(index) * (qint64(extent) + itemSpace));
    if (vertical)
        return QRect(0, start, owner->width(), extent);
    return QRect(start, 0, extent, owner->height());
}

int VelQTabWidgetImpl::itemAt(const QPoint& pos) const
{
    // Items reaching past the widget's edge cannot be hit beyond it, even during a drag.
    if (!owner->rect().contains(pos))
        return -1;
    for (int i = 0; i < items.size(); ++i) {
        if (itemRect(i).contains(pos))
            return i;
    }
    return -1;
}

void VelQTabWidgetImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, backgroundStyle, rect);
    for (int i = 0; i < items.size(); ++i) {
        const QRect r = itemRect(i);
        if (!r.intersects(rect))
            continue;
        const TabItem& item = items.at(i);
        const bool current = i == currentIndex;
        const int s = current ? ItemCurrent : i == hoverIndex ? ItemHovered : ItemNormal;
        drawImageStyle(painter, itemStyles[s], r);
        if (showText)
            drawStyledText(painter, item.text, itemTextStyles[s], r);
        if (hasIcon) {
            const QString& icon = current && !item.selectedIconPath.isEmpty()
                ? item.selectedIconPath
                : item.iconPath;
            if (!icon.isEmpty())
                drawAlignedImage(painter, icon, iconOffset, r, false);
        }
    }
}

bool VelQTabWidgetImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&backgroundStyle})
        .imageGroup(1, itemStyles)
        .textGroup(5, itemTextStyles)
        .read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    attr.read("itemSize", itemSize);
    // A strip is a row unless "isHor" says false.
    bool horizontal = true;
    attr.read("isHor", horizontal);
    vertical = !horizontal;
    attr.read("itemSpace", itemSpace);
    int flag = 0;
    if (attr.read("showText", flag))
        showText = flag != 0;
    if (attr.read("hasIcon", flag))
        hasIcon = flag != 0;
    return result;
}

void VelQTabWidgetImpl::fillSamples()
{
    if (!IsDesignMode())
        return;
    auto* tabs = static_cast<VelQTabWidget*>(owner);
    for (const char* text : {"item1", "item2", "item3"})
        tabs->addItem(QString::fromLatin1(text));
}

} // namespace VelQtLib
