#pragma once

// Pieces shared by the skinned item views: the list, list view, table view, tree view and the
// combo box's pop-up.
#include "framework/ScrollBarChild.h"
#include "framework/StyleSlots.h"
#include "framework/VelQControl.h"

#include <QAbstractItemView>
#include <QVector>

namespace VelQtLib {

class AttrReader;

// Paints a viewport's background on a fresh painter, under the rows the view paints next.
void paintViewportBackground(QWidget* viewport, const ImageStyle& background);

// An item view made a skinned control. Its rows are painted by its delegate and its viewport
// background by an event filter, so paint events stay the Qt view's own (they arrive for the
// viewport, where the implementation cannot open a painter on the view), and mouse, enter and
// leave events are not forwarded: a view has no per-state look of its own.
template<class View> class VelQItemView : public VelQControl<View> {
public:
    using VelQControl<View>::VelQControl;

protected:
    // Paints background (owned by the implementation object) under the rows at every paint of
    // the current viewport.
    void paintViewportWith(const ImageStyle* background)
    {
        m_viewportBackground = background;
        this->viewport()->installEventFilter(this);
    }
    // Lets the implementation object's draw paint the view's own surface, around the viewport;
    // the viewport's paint events reach paintEvent instead.
    void paintOwnSurface() { m_paintSurface = true; }
    bool event(QEvent* event) override
    {
        if (m_paintSurface && event->type() == QEvent::Paint && this->impl())
            this->impl()->onPaint();
        return View::event(event);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_viewportBackground && watched == this->viewport() && event->type() == QEvent::Paint) {
            paintViewportBackground(this->viewport(), *m_viewportBackground);
            return false;
        }
        return View::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent* e) override { View::paintEvent(e); }
    void mousePressEvent(QMouseEvent* e) override { View::mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { View::mouseReleaseEvent(e); }
    void mouseMoveEvent(QMouseEvent* e) override { View::mouseMoveEvent(e); }
    void enterEvent(EnterEvent* e) override { View::enterEvent(e); }
    void leaveEvent(QEvent* e) override { View::leaveEvent(e); }

private:
    const ImageStyle* m_viewportBackground = nullptr;
    bool m_paintSurface = false;
};

// A plain widget painted with a view's background record: a corner or a viewport.
class VELQTLIB_EXPORT ViewBackgroundWidget : public QWidget {
    Q_OBJECT
public:
    explicit ViewBackgroundWidget(QWidget* parent);
    // The record stays owned by the view's implementation object.
    void setBackground(const ImageStyle* background) { m_background = background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ImageStyle* m_background = nullptr;
};

// The slots a row view's "style" list starts with: 0 the background, 2 to 5 the rows by state,
// 6 to 9 their texts.
StyleSlots rowStyleSlots(
    ImageStyle& background, ImageStyle (&itemStyles)[4], TextStyle (&itemTextStyles)[4]);

// Row looks by the option state: 0 normal, 1 under the mouse, 2 selected.
enum class RowPriority { HoverWins, SelectedWins };
int rowState(QStyle::State state, RowPriority priority);

// The row height a view uses for a configured one: 20 when it is not positive.
inline int rowHeightOr20(int height)
{
    return height > 0 ? height : 20;
}
// Icon size of a text row by its height: 16 up to 24, 24 up to 32, 32 above.
int rowIconSize(int rowHeight);

// Installs a view's corner and viewport widgets, both painted with its background record
// (owned by the view's implementation object).
void installBackgroundWidgets(QAbstractScrollArea* view, ViewBackgroundWidget* corner,
    ViewBackgroundWidget* viewport, const ImageStyle* background);
// Rows are selected whole, one at a time, and never edited in place.
void selectSingleRows(QAbstractItemView* view);
// Keeps the scroll bars of view, the ones it holds now and any that replace them later,
// connected to it as Qt connects the bars it builds a view with: their actions and values reach
// the view, which pages a lazy model in when its bar reaches the end.
void linkScrollBars(QAbstractItemView* view);
// Creates the two skinned bars of a view and installs them, the vertical one first, linked.
void installSkinnedScrollBars(QAbstractItemView* view);
// Gives a view's viewport hover events, so that rows under the mouse get State_MouseOver.
void trackRowHover(QAbstractItemView* view);
// Applies the scroll-bar children of element to the bars the view holds now (a program may
// have installed its own); rule builds the control's style sheets.
void readViewScrollBars(
    const ::Json::Value& element, QAbstractScrollArea* view, const ScrollBarRule& rule);
// "multiselect": true gives extended selection, false single selection.
void readMultiSelect(const AttrReader& attr, QAbstractItemView* view);
// Paints a text row: the look of its state, then its text with the icon its second role holds.
void paintRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
    const ImageStyle* itemStyles, const TextStyle* itemTextStyles, RowPriority priority);
// True when any role of the item holds an icon.
bool hasIconRole(const QModelIndex& index);

// The implementation objects of a widget's tree of skinned controls, depth first, the widget's
// own first; what a view stamps into its rows or cells.
QVector<VelQControlBaseImpl*> stampControls(QWidget* root);
// Sizes a hidden stamp and lays out its skinned children for that size.
void fitStamp(QWidget* stamp, const QSize& size);
// Draws one stamped control into rect, with the hover look when hover is set.
void drawStamped(VelQControlBaseImpl* control, QPainter* painter, const QRect& rect, bool hover);

} // namespace VelQtLib
