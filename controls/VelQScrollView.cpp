#include "controls/VelQScrollView_p.h"

#include "controls/VelQScrollBar.h"
#include "framework/ClearBackground_p.h"
#include "framework/ScrollBarChild.h"
#include "framework/StyleSlots.h"
#include "theme/ThemeManager.h"

#include <QPainter>

namespace VelQtLib {

VelQScrollView::VelQScrollView(QWidget* parent)
    : VelQControl<QScrollArea>(parent)
{
    setImpl(new VelQScrollViewImpl(this));
    setHorizontalScrollBar(new VelQScrollBar(Qt::Horizontal, this));
    setVerticalScrollBar(new VelQScrollBar(Qt::Vertical, this));
    setFrameStyle(0);
    clearBackground(viewport());
}

VelQScrollView::~VelQScrollView() = default;

VelQScrollViewImpl* VelQScrollView::d() const
{
    return static_cast<VelQScrollViewImpl*>(const_cast<VelQScrollView*>(this)->impl());
}

VelQContainer* VelQScrollView::content() const
{
    return d()->content;
}

void VelQScrollView::applyLayout()
{
    VelQControl<QScrollArea>::applyLayout();
    VelQContainer* container = content();
    if (!parentWidget() || !container || container != widget())
        return;
    container->applyLayout();
    // The content's layout put it at its own origin; setting the alignment again makes the
    // scroll area place it by the bars.
    setAlignment(alignment());
}

bool VelQScrollView::event(QEvent* event)
{
    // Paint events of the viewport reach paintEvent; only the area's own arrive here.
    if (event->type() != QEvent::Paint)
        return VelQControl<QScrollArea>::event(event);
    QPainter painter(this);
    d()->draw(&painter, rect());
    drawFrame(&painter);
    return true;
}

void VelQScrollView::scrollContentsBy(int dx, int dy)
{
    QScrollArea::scrollContentsBy(dx, dy);
    emit scrollPosChanged(dx, dy);
}

VelQScrollViewImpl::VelQScrollViewImpl(VelQScrollView* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

VelQScrollBar* VelQScrollViewImpl::bar(Qt::Orientation orientation) const
{
    return qobject_cast<VelQScrollBar*>(orientation == Qt::Horizontal
            ? view()->horizontalScrollBar()
            : view()->verticalScrollBar());
}

void VelQScrollViewImpl::onPaint()
{
    QWidget* viewport = view()->viewport();
    QPainter painter(viewport);
    draw(&painter, viewport->rect());
}

void VelQScrollViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, backgroundStyle, rect);
}

bool VelQScrollViewImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    // Any slot styles the background; the last record found wins.
    const CThemeManager& manager = CThemeManager::instance();
    forEachStyleEntry(*json, [&](const QString& name, int slot) {
        if (slot >= 0)
            manager.getImageStyle(name, backgroundStyle);
    });
    // A child's arrow size would only give its bar a sheet that the thickness sheet replaces at
    // once, so the scroll view follows the thickness-only rule.
    readScrollBarChildren(*json, bar(Qt::Horizontal), bar(Qt::Vertical), thicknessLongSheetRule);
    return result;
}

void VelQScrollViewImpl::fillSamples()
{
    // QScrollArea deletes the widget it replaces: never drop content already shown.
    if (view()->widget())
        return;
    for (QObject* child : view()->children()) {
        if (auto* container = qobject_cast<VelQContainer*>(child)) {
            content = container;
            view()->setWidget(container);
            return;
        }
    }
}

} // namespace VelQtLib
