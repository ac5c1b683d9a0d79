#include "controls/VelQTableView_p.h"

#include "controls/VelQCheckBox.h"
#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"
#include "framework/Library.h"
#include "framework/StyleSlots.h"
#include "theme/ThemeManager.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace VelQtLib {

namespace {

// Model role of a cell's image path.
constexpr int imageRole = Qt::UserRole + 100;

const ImageOffset centred {0, 0, 1, 1};

// True when the mouse pointer lies in rect of the viewport.
bool cursorIn(const QWidget* viewport, const QRect& rect)
{
    return QRect(viewport->mapToGlobal(rect.topLeft()), rect.size()).contains(QCursor::pos());
}

} // namespace

VelQTableView::VelQTableView(QWidget* parent)
    : VelQItemView<QTableView>(parent)
{
    auto* impl = new VelQTableViewImpl(this);
    setImpl(impl);
    setItemDelegate(new VelQTableViewitemDelegate(impl, this));
    auto* horizontalHeader = new VelQTableHeader(Qt::Horizontal, impl, this);
    auto* verticalHeader = new VelQTableHeader(Qt::Vertical, impl, this);
    installSkinnedScrollBars(this);
    setHorizontalHeader(horizontalHeader);
    setVerticalHeader(verticalHeader);
    verticalHeader->hide();
    setShowGrid(false);
    installBackgroundWidgets(
        this, new VelQConerWidget(this), new VelQViewport(this), &impl->background);
    selectSingleRows(this);
    setFrameStyle(0);
    clearBackground(viewport());
    paintViewportWith(&impl->background);
    paintOwnSurface();
    trackRowHover(this);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setAttribute(Qt::WA_MouseTracking);
}

VelQTableView::~VelQTableView() = default;

VelQTableViewImpl* VelQTableView::d() const
{
    return static_cast<VelQTableViewImpl*>(const_cast<VelQTableView*>(this)->impl());
}

void VelQTableView::setColumnWidget(int column, QWidget* widget)
{
    if (!widget) {
        d()->columnWidgets.remove(column);
        return;
    }
    widget->setVisible(false);
    d()->columnWidgets.insert(column, widget);
}

void VelQTableView::setCheckImage(bool checked, const QString& path)
{
    if (const QImage* image = CThemeManager::instance().getImage(path, false))
        d()->checkSize = image->size();
    if (checked) {
        d()->checkedImg = path;
        d()->checkBox->setCheckedIcon(path);
    } else {
        d()->uncheckImg = path;
        d()->checkBox->setUncheckedIcon(path);
    }
}

void VelQTableView::setCheckStyle(bool on)
{
    d()->checkStyle = on;
}

void VelQTableView::setItemHeight(int height)
{
    d()->itemHeight = height;
}

void VelQTableView::leaveEvent(QEvent* event)
{
    QTableView::leaveEvent(event);
    if (d()->hoverRow != -1) {
        d()->hoverRow = -1;
        viewport()->repaint();
    }
}

VelQTableViewImpl::VelQTableViewImpl(VelQTableView* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
    , checkBox(new VelQCheckBox(owner))
{
    for (ImageStyle& style : itemStyles)
        style.valid = false;
    // Only drawn into cells and the header, never shown itself.
    checkBox->hide();
    checkBox->setShowText(false);
    ImageStyle none;
    none.valid = false;
    checkBox->setUncheckedStyle(4, none);
    checkBox->setCheckedStyle(4, none);
}

void VelQTableViewImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, background, rect);
}

QRect VelQTableViewImpl::checkRect(const QRect& cell) const
{
    return QRect(cell.left() + 5, cell.top(), checkSize.height(), cell.height());
}

void VelQTableViewImpl::drawCheck(QPainter* painter, const QRect& rect, bool checked) const
{
    // The shared box is hidden; nobody listens to it.
    const QSignalBlocker blocker(checkBox);
    checkBox->setChecked(checked);
    checkBox->impl()->draw(painter, rect);
}

bool VelQTableViewImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    rowStyleSlots(background, itemStyles, itemTextStyles)
        .imageGroup(10, headerStyles)
        .textGroup(14, headerTextStyles)
        .read(*json);
    if (const AttrReader attr(json); attr) {
        readMultiSelect(attr, table());
        if (attr.read("itemHeight", itemHeight))
            table()->horizontalHeader()->setFixedHeight(qBound(0, itemHeight, QWIDGETSIZE_MAX));
        attr.read("checkstyle", checkStyle);
        QString path;
        if (attr.readUtf8("checkedImg", path))
            table()->setCheckImage(true, path);
        if (attr.readUtf8("uncheckImg", path))
            table()->setCheckImage(false, path);
    }
    readViewScrollBars(*json, table(), [this](const ScrollBarChild& child) {
        if (child.arrowSize)
            arrowSize = *child.arrowSize;
        barThickness = child.thickness;
        setScrollBarSheet(child.horizontalBar, child.verticalBar,
            scrollBarLongSheet(barThickness, barThickness, arrowSize));
    });
    table()->viewport()->update();
    return result;
}

void VelQTableViewImpl::fillSamples()
{
    if (!IsDesignMode())
        return;
    auto* model = new QStandardItemModel(table());
    table()->setModel(model);
    model->setHorizontalHeaderLabels({tr("Col1"), tr("Col2"), tr("Col3"), tr("Col4"), tr("Col5")});
    for (int row = 0; row < 100; ++row) {
        QList<QStandardItem*> items;
        for (int column = 0; column < 5; ++column)
            items.append(new QStandardItem(QStringLiteral("item %1 %2").arg(row).arg(column)));
        model->appendRow(items);
    }
}

VelQTableViewitemDelegate::VelQTableViewitemDelegate(VelQTableViewImpl* impl, QObject* parent)
    : QItemDelegate(parent)
    , m_impl(impl)
{
}

void VelQTableViewitemDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!index.isValid())
        return;
    painter->save();
    const QRect cell = option.rect;
    QRect textRect = cell;
    const bool checkColumn = index.column() == 0 && m_impl->checkStyle;
    if (checkColumn)
        textRect.setLeft(cell.x() + 10 + m_impl->checkSize.width());
    const QString imagePath = index.data(imageRole).toString();
    const QImage* image
        = imagePath.isEmpty() ? nullptr : CThemeManager::instance().getImage(imagePath, false);
    QRect imageRect;
    if (image) {
        imageRect = QRect(textRect.topLeft(), QSize(image->width() + 10, textRect.height()));
        textRect.setLeft(textRect.left() + 10 + image->width());
    }
    // The hover look spans the whole row under the mouse.
    QStyle::State state = option.state;
    if (index.row() == m_impl->hoverRow)
        state |= QStyle::State_MouseOver;
    const int look = rowState(state, RowPriority::SelectedWins);
    VelQControlBaseImpl::drawImageStyle(painter, m_impl->itemStyles[look], cell);
    VelQControlBaseImpl::drawStyledText(painter, index.data(Qt::DisplayRole).toString(),
        m_impl->itemTextStyles[look], textRect, true);
    if (QWidget* widget = m_impl->columnWidgets.value(index.column())) {
        stampColumnWidget(painter, widget, cell);
    } else {
        if (image) {
            painter->save();
            painter->setClipRect(cell);
            VelQControlBaseImpl::drawAlignedImage(painter, imagePath, centred, imageRect, false);
            painter->restore();
        }
        if (checkColumn) {
            m_impl->drawCheck(
                painter, m_impl->checkRect(cell), index.data(Qt::CheckStateRole).toBool());
        }
    }
    painter->restore();
}

void VelQTableViewitemDelegate::stampColumnWidget(
    QPainter* painter, QWidget* widget, const QRect& cell) const
{
    const QVector<VelQControlBaseImpl*> controls = stampControls(widget);
    if (controls.isEmpty())
        return;
    const QWidget* viewport = m_impl->table()->viewport();
    painter->save();
    painter->setClipRect(cell);
    fitStamp(controls.first()->owner, cell.size());
    controls.first()->draw(painter, cell);
    for (int i = 1; i < controls.size(); ++i) {
        QWidget* owner = controls[i]->owner;
        const QRect rect(owner->mapTo(widget, QPoint(0, 0)) + cell.topLeft(), owner->size());
        drawStamped(controls[i], painter, rect, cursorIn(viewport, rect));
    }
    painter->restore();
}

bool VelQTableViewitemDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::MouseMove) {
        trackHover(index);
        if (m_impl->columnWidgets.value(index.column())) {
            QWidget* viewport = m_impl->table()->viewport();
            const QRect cell = m_impl->table()->visualRect(index);
            if (cursorIn(viewport, cell))
                viewport->repaint(cell);
        }
    } else if (event->type() == QEvent::MouseButtonPress && index.column() == 0
        && m_impl->checkStyle) {
        toggleCheck(event, model, option, index);
    }
    return QItemDelegate::editorEvent(event, model, option, index);
}

void VelQTableViewitemDelegate::trackHover(const QModelIndex& index) const
{
    if (index.row() == m_impl->hoverRow)
        return;
    // The hover look spans the row: both the old and the new row are painted again.
    VelQTableView* table = m_impl->table();
    QWidget* viewport = table->viewport();
    const auto updateRow = [&](int row) {
        viewport->update(
            0, table->rowViewportPosition(row), viewport->width(), table->rowHeight(row));
    };
    if (m_impl->hoverRow != -1)
        updateRow(m_impl->hoverRow);
    m_impl->hoverRow = index.row();
    m_impl->hoverIndex = index;
    updateRow(index.row());
}

void VelQTableViewitemDelegate::toggleCheck(QEvent* event, QAbstractItemModel* model,
    const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const auto* press = static_cast<QMouseEvent*>(event);
    if (!m_impl->checkRect(option.rect).contains(press->pos()))
        return;
    const bool checked = index.data(Qt::CheckStateRole).toBool();
    model->setData(index, !checked, Qt::CheckStateRole);
}

VelQTableHeader::VelQTableHeader(
    Qt::Orientation orientation, VelQTableViewImpl* impl, QWidget* parent)
    : SkinnedHeader(orientation, parent)
    , m_impl(impl)
{
    setLook(&impl->headerStyles[0], &impl->headerTextStyles[0]);
    // As QTableView's own headers.
    setSectionsClickable(true);
    setHighlightSections(true);
}

bool VelQTableHeader::carriesCheck(int logical) const
{
    return orientation() == Qt::Horizontal && logical == 0 && m_impl->checkStyle;
}

QRect VelQTableHeader::titleRect(int logical, const QRect& section) const
{
    if (!carriesCheck(logical))
        return section;
    return section.adjusted(10 + m_impl->checkSize.width(), 0, 0, 0);
}

void VelQTableHeader::paintSectionExtras(QPainter* painter, int logical, const QRect& section) const
{
    if (carriesCheck(logical))
        m_impl->drawCheck(painter, m_impl->checkRect(section), m_impl->headerChecked);
}

void VelQTableHeader::mousePressEvent(QMouseEvent* event)
{
    if (count() > 0 && carriesCheck(0)) {
        const QRect section = sectionRect(0);
        if (m_impl->checkRect(section).contains(event->pos())) {
            m_impl->headerChecked = !m_impl->headerChecked;
            m_impl->table()->repaint(section);
            emit m_impl->table()->headerCheckedChanged(m_impl->headerChecked);
            viewport()->update();
        }
    }
    QHeaderView::mousePressEvent(event);
}

} // namespace VelQtLib
