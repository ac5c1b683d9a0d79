#pragma once

#include "controls/VelQListView.h"

#include <QItemDelegate>
#include <QMap>
#include <QPointer>

namespace VelQtLib {

class VelQListViewItemDelegate;

class VELQTLIB_EXPORT VelQListViewImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQListViewImpl(VelQListView* owner);

    bool parseAttributes(const ::Json::Value*& json) override;
    // Adopts the first VelQContainer child as the item template, whatever the mode.
    void fillSamples() override;

    VelQListView* view() const { return static_cast<VelQListView*>(owner); }
    // Moves the recorded rectangles with scrolled rows and forgets rows out of view.
    void scrollControlRects(int dx, int dy);

    int itemHeight = 20;
    int itemWidth = 20;
    QPointer<QWidget> itemTemplate;
    ImageStyle background;
    ImageStyle itemStyles[4];
    VelQListView::SizeHintCallback sizeHintCallback = nullptr;
    VelQListView::FillCallback fillCallback = nullptr;
    // Where each drawn control of each row was placed, in viewport coordinates.
    QMap<int, QMap<VelQControlBaseImpl*, QRect>> controlRects;
    // Null once a program has deleted it after putting its own in its place.
    QPointer<VelQListViewItemDelegate> delegate;
};

// Draws each row as a copy of the template and reports presses on its controls.
class VELQTLIB_EXPORT VelQListViewItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    VelQListViewItemDelegate(VelQListViewImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

    // The template's skinned controls, depth first, the template first.
    QVector<VelQControlBaseImpl*> controls;

private:
    // The last control of row whose rectangle holds pos; never the template itself.
    VelQControlBaseImpl* controlAt(int row, const QPoint& pos) const;

    VelQListViewImpl* m_impl;
    // The row and control last under the mouse, to repaint rows as the hover moves.
    int m_hoverRow = -1;
    VelQControlBaseImpl* m_hoverControl = nullptr;
};

} // namespace VelQtLib
