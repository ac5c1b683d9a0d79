#include "controls/ItemViewSupport.h"

#include "controls/VelQScrollBar.h"
#include "framework/AttrReader.h"

#include <QIcon>
#include <QPainter>
#include <QScrollBar>

namespace VelQtLib {

ViewBackgroundWidget::ViewBackgroundWidget(QWidget* parent)
    : QWidget(parent)
{
}

void ViewBackgroundWidget::paintEvent(QPaintEvent*)
{
    if (!m_background)
        return;
    QPainter painter(this);
    VelQControlBaseImpl::drawImageStyle(&painter, *m_background, rect());
}

int rowState(QStyle::State state, RowPriority priority)
{
    const bool hover = state & QStyle::State_MouseOver;
    const bool selected = state & QStyle::State_Selected;
    if (priority == RowPriority::HoverWins)
        return hover ? 1 : selected ? 2 : 0;
    return selected ? 2 : hover ? 1 : 0;
}

int rowIconSize(int rowHeight)
{
    if (rowHeight <= 24)
        return 16;
    return rowHeight <= 32 ? 24 : 32;
}

namespace {

// QAbstractScrollArea hooks a replacing bar to its own scrolling only, while QAbstractItemView
// hears its bars (and pages lazy models in as they reach their end) through connections made
// once, to the bars it was built with. This keeps whatever bars the view holds connected as Qt
// connects those first ones, by the same signatures, so that a connection Qt made itself is
// never made twice.
class ScrollBarLink : public QObject {
public:
    explicit ScrollBarLink(QAbstractItemView* view)
        : QObject(view)
        , m_view(view)
    {
        link();
        // A bar set later is added to the holder of the one it replaces.
        for (QScrollBar* bar : {view->horizontalScrollBar(), view->verticalScrollBar()}) {
            if (QWidget* holder = bar->parentWidget())
                holder->installEventFilter(this);
        }
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded)
            link();
        return false;
    }

private:
    void link()
    {
        QScrollBar* vertical = m_view->verticalScrollBar();
        QScrollBar* horizontal = m_view->horizontalScrollBar();
        connect(vertical, SIGNAL(actionTriggered(int)), m_view, SLOT(verticalScrollbarAction(int)),
            Qt::UniqueConnection);
        connect(horizontal, SIGNAL(actionTriggered(int)), m_view,
            SLOT(horizontalScrollbarAction(int)), Qt::UniqueConnection);
        connect(vertical, SIGNAL(valueChanged(int)), m_view,
            SLOT(verticalScrollbarValueChanged(int)), Qt::UniqueConnection);
        connect(horizontal, SIGNAL(valueChanged(int)), m_view,
            SLOT(horizontalScrollbarValueChanged(int)), Qt::UniqueConnection);
    }

    QAbstractItemView* m_view;
};

} // namespace

void linkScrollBars(QAbstractItemView* view)
{
    new ScrollBarLink(view);
}

void installSkinnedScrollBars(QAbstractItemView* view)
{
    auto* horizontal = new VelQScrollBar(Qt::Horizontal, view);
    auto* vertical = new VelQScrollBar(Qt::Vertical, view);
    view->setVerticalScrollBar(vertical);
    view->setHorizontalScrollBar(horizontal);
    linkScrollBars(view);
}

StyleSlots rowStyleSlots(
    ImageStyle& background, ImageStyle (&itemStyles)[4], TextStyle (&itemTextStyles)[4])
{
    StyleSlots table;
    table.image(0, {&background}).imageGroup(2, itemStyles).textGroup(6, itemTextStyles);
    return table;
}

void installBackgroundWidgets(QAbstractScrollArea* view, ViewBackgroundWidget* corner,
    ViewBackgroundWidget* viewport, const ImageStyle* background)
{
    corner->setBackground(background);
    view->setCornerWidget(corner);
    viewport->setBackground(background);
    view->setViewport(viewport);
}

void selectSingleRows(QAbstractItemView* view)
{
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
}

void trackRowHover(QAbstractItemView* view)
{
    view->viewport()->setAttribute(Qt::WA_Hover);
}

void readViewScrollBars(
    const ::Json::Value& element, QAbstractScrollArea* view, const ScrollBarRule& rule)
{
    // Qt deletes a replaced bar, so the bars are looked up at every read.
    readScrollBarChildren(element, qobject_cast<VelQScrollBar*>(view->horizontalScrollBar()),
        qobject_cast<VelQScrollBar*>(view->verticalScrollBar()), rule);
}

void readMultiSelect(const AttrReader& attr, QAbstractItemView* view)
{
    bool multi = false;
    if (attr.read("multiselect", multi))
        view->setSelectionMode(
            multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void paintViewportBackground(QWidget* viewport, const ImageStyle& background)
{
    QPainter painter(viewport);
    VelQControlBaseImpl::drawImageStyle(
        &painter, background, QRect(0, 0, viewport->width(), viewport->height()));
}

namespace {

// The text of an item (its lowest role's value) with the icon held by its second role, the
// icon sized by the row's height.
void paintTextRow(
    QPainter* painter, const QRect& row, const QModelIndex& index, const TextStyle& textStyle)
{
    const QMap<int, QVariant> data = index.model()->itemData(index);
    if (data.isEmpty())
        return;
    QRect textRect = row;
    const QString text = data.first().toString();
    if (data.size() > 1) {
        const QVariant second = *std::next(data.begin());
        if (second.userType() == QMetaType::QIcon) {
            const int size = rowIconSize(row.height());
            static const ImageOffset centred {0, 0, 1, 1};
            const QRect iconRect(row.x(), row.y(), size + 4, row.height());
            textRect.setLeft(row.left() + 4 + size);
            VelQControlBaseImpl::drawAlignedIcon(
                painter, second.value<QIcon>(), QSize(size, size), centred, iconRect);
        }
    }
    VelQControlBaseImpl::drawStyledText(painter, text, textStyle, textRect, true);
}

} // namespace

void paintRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
    const ImageStyle* itemStyles, const TextStyle* itemTextStyles, RowPriority priority)
{
    if (!index.isValid())
        return;
    painter->save();
    const int state = rowState(option.state, priority);
    VelQControlBaseImpl::drawImageStyle(painter, itemStyles[state], option.rect);
    paintTextRow(painter, option.rect, index, itemTextStyles[state]);
    painter->restore();
}

bool hasIconRole(const QModelIndex& index)
{
    const QMap<int, QVariant> data = index.model()->itemData(index);
    return std::any_of(data.cbegin(), data.cend(),
        [](const QVariant& value) { return value.userType() == QMetaType::QIcon; });
}

QVector<VelQControlBaseImpl*> stampControls(QWidget* root)
{
    QVector<VelQControlBaseImpl*> controls;
    const std::function<void(QObject*)> visit = [&](QObject* object) {
        if (IVelQControlBase* control = controlOf(object)) {
            if (VelQControlBaseImpl* impl = control->impl())
                controls.append(impl);
        }
        for (QObject* child : object->children())
            visit(child);
    };
    if (root)
        visit(root);
    return controls;
}

void fitStamp(QWidget* stamp, const QSize& size)
{
    // A description may have fixed the stamp's size; a row or cell gives it another.
    stamp->setFixedSize(size);
    for (QObject* child : stamp->children()) {
        if (IVelQControlBase* control = controlOf(child)) {
            if (control->controlBase())
                control->applyLayout();
        }
    }
}

void drawStamped(VelQControlBaseImpl* control, QPainter* painter, const QRect& rect, bool hover)
{
    if (!hover) {
        control->draw(painter, rect);
        return;
    }
    const int saved = control->state;
    control->state = Hover;
    control->draw(painter, rect);
    control->state = saved;
}

} // namespace VelQtLib
