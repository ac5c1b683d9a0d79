#include "controls/VelQTreeView_p.h"

#include "framework/AttrReader.h"
#include "framework/Library.h"

#include <QPainter>
#include <QStandardItemModel>

namespace VelQtLib {

VelQTreeView::VelQTreeView(QWidget* parent)
    : VelQItemView<QTreeView>(parent)
{
    auto* impl = new VelQTreeViewImpl(this);
    setImpl(impl);
    auto* delegate = new VelQTreeViewItemDelegate(impl, this);
    setHeader(new VelQTreeHeader(impl, this));
    setHeaderHidden(true);
    installBackgroundWidgets(
        this, new VelQTreeConerWidget(this), new VelQTreeViewport(this), &impl->background);
    selectSingleRows(this);
    installSkinnedScrollBars(this);
    setItemDelegate(delegate);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    paintViewportWith(&impl->background);
    paintOwnSurface();
    trackRowHover(this);
    setExpandsOnDoubleClick(true);
    setAttribute(Qt::WA_MouseTracking);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Every row is itemHeight high, so Qt need not ask each row for its size.
    setUniformRowHeights(true);
}

VelQTreeView::~VelQTreeView() = default;

VelQTreeViewImpl::VelQTreeViewImpl(VelQTreeView* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQTreeViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, background, rect);
}

bool VelQTreeViewImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    rowStyleSlots(background, itemStyles, itemTextStyles).read(*json);
    readViewScrollBars(*json, tree(), [this](const ScrollBarChild& child) {
        if (child.arrowSize)
            arrowSize = *child.arrowSize;
        barThickness = child.thickness;
        setScrollBarSheet(child.horizontalBar, child.verticalBar,
            scrollBarShortSheetTrailingBlank(barThickness, barThickness));
    });
    if (const AttrReader attr(json); attr && attr.read("itemHeight", itemHeight))
        tree()->doItemsLayout();
    tree()->viewport()->update();
    return result;
}

void VelQTreeViewImpl::fillSamples()
{
    if (!IsDesignMode())
        return;
    auto* model = new QStandardItemModel(tree());
    for (int i = 0; i < 100; ++i) {
        auto* item = new QStandardItem(QStringLiteral("item1"));
        item->setCheckable(true);
        item->appendRow({new QStandardItem(QStringLiteral("item2")),
            new QStandardItem(QStringLiteral("item3"))});
        model->appendRow(item);
    }
    tree()->setModel(model);
}

VelQTreeViewItemDelegate::VelQTreeViewItemDelegate(VelQTreeViewImpl* impl, QObject* parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

void VelQTreeViewItemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    paintRow(painter, option, index, m_impl->itemStyles, m_impl->itemTextStyles,
        RowPriority::SelectedWins);
}

QSize VelQTreeViewItemDelegate::sizeHint(
    const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize hint = QItemDelegate::sizeHint(option, index);
    hint.setHeight(rowHeightOr20(m_impl->itemHeight));
    if (hasIconRole(index))
        hint.rwidth() += 4 + rowIconSize(hint.height());
    return hint;
}

VelQTreeHeader::VelQTreeHeader(VelQTreeViewImpl* impl, QWidget* parent)
    : SkinnedHeader(Qt::Horizontal, parent)
{
    setLook(&impl->background, &impl->itemTextStyles[Normal]);
    // As QTreeView's own header: the last column takes the rest of the width.
    setStretchLastSection(true);
}

} // namespace VelQtLib
