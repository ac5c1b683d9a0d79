#include "controls/VelQList_p.h"

#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"
#include "framework/Library.h"

#include <QPainter>

namespace VelQtLib {

VelQList::VelQList(QWidget* parent)
    : VelQItemView<QListWidget>(parent)
{
    auto* impl = new VelQListImpl(this);
    setImpl(impl);
    setItemDelegate(new VelQListItemDelegate(impl, this));
    installSkinnedScrollBars(this);
    setFrameStyle(0);
    clearBackground(viewport());
    paintViewportWith(&impl->background);
    trackRowHover(this);
    setAttribute(Qt::WA_MouseTracking);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is itemHeight high, so Qt need not ask each row for its size.
    setUniformItemSizes(true);
}

VelQList::~VelQList() = default;

VelQListImpl::VelQListImpl(VelQList* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

bool VelQListImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    rowStyleSlots(background, itemStyles, itemTextStyles).read(*json);
    if (const AttrReader attr(json); attr) {
        readMultiSelect(attr, list());
        if (attr.read("itemHeight", itemHeight))
            list()->doItemsLayout();
    }
    readViewScrollBars(*json, list(), thicknessLongSheetRule);
    list()->viewport()->update();
    return result;
}

void VelQListImpl::fillSamples()
{
    if (!IsDesignMode())
        return;
    for (int i = 0; i < 20; ++i)
        list()->addItem(QStringLiteral("item %1").arg(i));
}

VelQListItemDelegate::VelQListItemDelegate(VelQListImpl* impl, QObject* parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

void VelQListItemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    paintRow(
        painter, option, index, m_impl->itemStyles, m_impl->itemTextStyles, RowPriority::HoverWins);
}

QSize VelQListItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    return QSize(option.rect.width(), rowHeightOr20(m_impl->itemHeight));
}

} // namespace VelQtLib
