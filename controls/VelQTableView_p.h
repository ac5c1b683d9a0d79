#pragma once

#include "controls/SkinnedHeader.h"
#include "controls/VelQTableView.h"

#include <QItemDelegate>
#include <QMap>
#include <QPointer>

namespace VelQtLib {

class VelQCheckBox;

class VELQTLIB_EXPORT VelQTableViewImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQTableViewImpl(VelQTableView* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void fillSamples() override;

    VelQTableView* table() const { return static_cast<VelQTableView*>(owner); }
    // Where the check mark of a column-0 cell or the first header section goes.
    QRect checkRect(const QRect& cell) const;
    // Draws the check box mark, checked or not, into rect.
    void drawCheck(QPainter* painter, const QRect& rect, bool checked) const;

    int itemHeight = 20;
    ImageStyle background;
    TextStyle itemTextStyles[4];
    ImageStyle itemStyles[4];
    ImageStyle headerStyles[4];
    TextStyle headerTextStyles[4];
    int hoverRow = -1;
    QModelIndex hoverIndex;
    int barThickness = 23;
    int arrowSize = 23;
    VelQCheckBox* checkBox = nullptr;
    bool checkStyle = false;
    QSize checkSize {24, 24};
    QString checkedImg = QStringLiteral("IDB_CHECKED");
    QString uncheckImg = QStringLiteral("IDB_UNCHECK");
    bool headerChecked = false;
    // Not owned; a widget deleted elsewhere drops out.
    QMap<int, QPointer<QWidget>> columnWidgets;
};

// Paints a table cell from the table's records: selected wins over the hovered row.
class VELQTLIB_EXPORT VelQTableViewitemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    VelQTableViewitemDelegate(VelQTableViewImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

private:
    void trackHover(const QModelIndex& index) const;
    void toggleCheck(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) const;
    void stampColumnWidget(QPainter* painter, QWidget* widget, const QRect& cell) const;

    VelQTableViewImpl* m_impl;
};

// A table header painted from the table's header records; the horizontal one carries the
// header check box.
class VELQTLIB_EXPORT VelQTableHeader : public SkinnedHeader {
    Q_OBJECT
public:
    VelQTableHeader(Qt::Orientation orientation, VelQTableViewImpl* impl, QWidget* parent);

protected:
    QRect titleRect(int logical, const QRect& section) const override;
    void paintSectionExtras(QPainter* painter, int logical, const QRect& section) const override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The first section of the horizontal header, when the table has check style.
    bool carriesCheck(int logical) const;

    VelQTableViewImpl* m_impl;
};

// The corner between the table's scroll bars, painted with the table's background.
class VELQTLIB_EXPORT VelQConerWidget : public ViewBackgroundWidget {
    Q_OBJECT
public:
    using ViewBackgroundWidget::ViewBackgroundWidget;
};

// The table's viewport, painted with the table's background.
class VELQTLIB_EXPORT VelQViewport : public ViewBackgroundWidget {
    Q_OBJECT
public:
    using ViewBackgroundWidget::ViewBackgroundWidget;
};

} // namespace VelQtLib
