#include "controls/VelQListView_p.h"

#include "controls/VelQContainer.h"
#include "controls/VelQScrollBar.h"
#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace VelQtLib {

VelQListView::VelQListView(QWidget* parent)
    : VelQItemView<QListView>(parent)
{
    auto* impl = new VelQListViewImpl(this);
    setImpl(impl);
    impl->delegate = new VelQListViewItemDelegate(impl, this);
    setItemDelegate(impl->delegate);
    installSkinnedScrollBars(this);
    setFrameStyle(0);
    viewport()->setBackgroundRole(QPalette::NoRole);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    paintViewportWith(&impl->background);
    trackRowHover(this);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSpacing(1);
    setAttribute(Qt::WA_MouseTracking);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

VelQListView::~VelQListView() = default;

VelQListViewImpl* VelQListView::d() const
{
    return static_cast<VelQListViewImpl*>(const_cast<VelQListView*>(this)->impl());
}

void VelQListView::setSizeHintCallback(SizeHintCallback callback)
{
    d()->sizeHintCallback = callback;
    doItemsLayout();
}

void VelQListView::setFillCallback(FillCallback callback)
{
    d()->fillCallback = callback;
    viewport()->update();
}

void VelQListView::resizeEvent(QResizeEvent* event)
{
    QListView::resizeEvent(event);
    d()->controlRects.clear();
}

void VelQListView::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    d()->scrollControlRects(dx, dy);
}

VelQListViewImpl::VelQListViewImpl(VelQListView* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
    for (ImageStyle& style : itemStyles)
        style.valid = false;
}

void VelQListViewImpl::scrollControlRects(int dx, int dy)
{
    // Scrolling moves the painted rows without painting them again, so their recorded places
    // move with them; rows scrolled out of view are painted again before they can be hit.
    const QRect visible = view()->viewport()->rect();
    for (auto row = controlRects.begin(); row != controlRects.end();) {
        bool inView = false;
        for (QRect& rect : *row) {
            rect.translate(dx, dy);
            inView = inView || rect.intersects(visible);
        }
        row = inView ? std::next(row) : controlRects.erase(row);
    }
}

bool VelQListViewImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots()
        .image(0, {&background})
        .image(2, {&itemStyles[0], &itemStyles[1], &itemStyles[2], &itemStyles[3]})
        .image(3, {&itemStyles[1]})
        .image(4, {&itemStyles[2]})
        .read(*json);
    if (const AttrReader attr(json); attr) {
        attr.read("itemHeight", itemHeight);
        attr.read("itemWidth", itemWidth);
        int value = 0;
        if (attr.read("spacing", value))
            view()->setSpacing(value);
        if (attr.read("itemMode", value))
            view()->setViewMode(value != 0 ? QListView::IconMode : QListView::ListMode);
    }
    readViewScrollBars(*json, view(), [](const ScrollBarChild& child) {
        if (child.arrowSize) {
            child.bar->setStyleSheet(scrollBarArrowSheet(
                child.horizontal ? Qt::Horizontal : Qt::Vertical, *child.arrowSize));
        }
        if (!child.horizontal) {
            setScrollBarSheet(child.horizontalBar, child.verticalBar,
                scrollBarShortSheet(child.thickness, child.thickness));
        }
    });
    view()->doItemsLayout();
    return result;
}

void VelQListViewImpl::fillSamples()
{
    VelQContainer* found = nullptr;
    for (QObject* child : view()->children()) {
        if ((found = qobject_cast<VelQContainer*>(child)))
            break;
    }
    if (!found)
        return;
    found->hide();
    itemTemplate = found;
    if (delegate)
        delegate->controls = stampControls(found);
    controlRects.clear();
    view()->doItemsLayout();
}

VelQListViewItemDelegate::VelQListViewItemDelegate(VelQListViewImpl* impl, QObject* parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

QSize VelQListViewItemDelegate::sizeHint(
    const QStyleOptionViewItem& option, const QModelIndex&) const
{
    if (m_impl->sizeHintCallback && !controls.isEmpty())
        return m_impl->sizeHintCallback(m_impl->view(), option);
    const int height = rowHeightOr20(m_impl->itemHeight);
    if (m_impl->view()->viewMode() != QListView::ListMode)
        return QSize(rowHeightOr20(m_impl->itemWidth), height);
    return QSize(option.rect.width(), height);
}

void VelQListViewItemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QWidget* itemTemplate = m_impl->itemTemplate;
    if (!index.isValid() || controls.isEmpty() || !itemTemplate)
        return;
    const QRect row = option.rect;
    painter->save();
    if (auto* root = qobject_cast<VelQContainer*>(itemTemplate)) {
        root->setBackgroundStyle(
            m_impl->itemStyles[rowState(option.state, RowPriority::SelectedWins)]);
    }
    const QPoint cursor = m_impl->view()->viewport()->mapFromGlobal(QCursor::pos());
    controls.first()->draw(painter, row);
    if (m_impl->fillCallback)
        m_impl->fillCallback(itemTemplate, index);
    fitStamp(itemTemplate, row.size());
    QMap<VelQControlBaseImpl*, QRect>& rects = m_impl->controlRects[index.row()];
    for (int i = 1; i < controls.size(); ++i) {
        VelQControlBaseImpl* control = controls[i];
        if (!control->flag)
            continue;
        const QRect rect(control->owner->mapTo(itemTemplate, QPoint(0, 0)) + row.topLeft(),
            control->owner->size());
        rects.insert(control, rect);
        drawStamped(control, painter, rect, rect.contains(cursor));
    }
    painter->restore();
}

VelQControlBaseImpl* VelQListViewItemDelegate::controlAt(int row, const QPoint& pos) const
{
    const QMap<VelQControlBaseImpl*, QRect> rects = m_impl->controlRects.value(row);
    for (int i = controls.size() - 1; i >= 1; --i) {
        const auto found = rects.constFind(controls[i]);
        if (found != rects.cend() && found->contains(pos))
            return controls[i];
    }
    return nullptr;
}

bool VelQListViewItemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    // The controls went with a template deleted elsewhere.
    const bool stamped = m_impl->itemTemplate && !controls.isEmpty();
    if (stamped
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove)) {
        const QPoint pos = static_cast<QMouseEvent*>(event)->pos();
        VelQControlBaseImpl* hit
            = option.rect.contains(pos) ? controlAt(index.row(), pos) : nullptr;
        if (event->type() == QEvent::MouseButtonPress) {
            if (hit)
                emit m_impl->view()->pressCtrl(hit->owner, index);
        } else if (hit != m_hoverControl || index.row() != m_hoverRow) {
            // Stamped controls show their hover look only when their row is painted again.
            QWidget* viewport = m_impl->view()->viewport();
            if (m_hoverControl && m_hoverRow != -1)
                viewport->update(m_impl->view()->visualRect(model->index(m_hoverRow, 0)));
            if (hit)
                viewport->update(option.rect);
            m_hoverRow = index.row();
            m_hoverControl = hit;
        }
    }
    return QItemDelegate::editorEvent(event, model, option, index);
}

} // namespace VelQtLib
