#pragma once

#include "controls/ItemViewSupport.h"

#include <QListView>

namespace VelQtLib {

class VelQListViewImpl;

// A QListView whose rows are drawn from a hidden item template: the VelQContainer given as a
// child in its description, laid out at each row's size and stamped into the row. A press on
// a control of a row is reported by pressCtrl.
class VELQTLIB_EXPORT VelQListView : public VelQItemView<QListView> {
    Q_OBJECT
public:
    // A row's size hint from the view and the row's style option.
    using SizeHintCallback = QSize (*)(QListView* view, const QStyleOptionViewItem& option);
    // Fills the template from a row's data before the row is drawn.
    using FillCallback = void (*)(QWidget* itemTemplate, const QModelIndex& index);

    explicit VelQListView(QWidget* parent = nullptr);
    ~VelQListView() override;

    // Used only while the view has a template.
    void setSizeHintCallback(SizeHintCallback callback);
    void setFillCallback(FillCallback callback);

    QString typeName() const override { return QStringLiteral("qtlistview"); }

signals:
    // A press landed on pWidget, a control of the template, in the row of index.
    void pressCtrl(QWidget* pWidget, QModelIndex index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    VelQListViewImpl* d() const;
    Q_DISABLE_COPY(VelQListView)
};

} // namespace VelQtLib
