#pragma once

#include "controls/SkinnedHeader.h"
#include "controls/VelQTreeView.h"

#include <QItemDelegate>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQTreeViewImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQTreeViewImpl(VelQTreeView* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void fillSamples() override;

    int barThickness = 23;
    int arrowSize = 23;
    int itemHeight = 0;
    ImageStyle background;
    ImageStyle itemStyles[4];
    TextStyle itemTextStyles[4];
    // Kept for a header look; a shown header paints with the background and item text.
    ImageStyle headerStyles[4];
    TextStyle headerTextStyles[4];

private:
    VelQTreeView* tree() const { return static_cast<VelQTreeView*>(owner); }
};

// Paints a tree item from the tree's records by its state; selected wins over under the mouse.
class VELQTLIB_EXPORT VelQTreeViewItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    VelQTreeViewItemDelegate(VelQTreeViewImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    VelQTreeViewImpl* m_impl;
};

// The tree's header: hidden until a program shows it, and then painted with the tree's
// background and its normal item text.
class VELQTLIB_EXPORT VelQTreeHeader : public SkinnedHeader {
    Q_OBJECT
public:
    VelQTreeHeader(VelQTreeViewImpl* impl, QWidget* parent);
};

// The corner between the tree's scroll bars, painted with the tree's background.
class VELQTLIB_EXPORT VelQTreeConerWidget : public ViewBackgroundWidget {
    Q_OBJECT
public:
    using ViewBackgroundWidget::ViewBackgroundWidget;
};

// The tree's viewport, painted with the tree's background.
class VELQTLIB_EXPORT VelQTreeViewport : public ViewBackgroundWidget {
    Q_OBJECT
public:
    using ViewBackgroundWidget::ViewBackgroundWidget;
};

} // namespace VelQtLib
