#pragma once

#include "controls/ItemViewSupport.h"

#include <QTableView>

namespace VelQtLib {

class VelQTableViewImpl;

// A QTableView painted from the theme: row-wide hover, skinned headers and scroll bars, an
// optional check box in column 0 and in the first header section, an image per cell, and
// column widgets stamped into every cell of their column. Editing is off.
class VELQTLIB_EXPORT VelQTableView : public VelQItemView<QTableView> {
    Q_OBJECT
public:
    explicit VelQTableView(QWidget* parent = nullptr);
    ~VelQTableView() override;

    // A skinned control drawn into every cell of column; null removes it. The widget is hidden
    // and stays owned by the caller.
    void setColumnWidget(int column, QWidget* widget);
    // The mark of checked (or unchecked) cells and header; its image size becomes the check size.
    void setCheckImage(bool checked, const QString& path);
    // Column 0 and the first header section carry a check box.
    void setCheckStyle(bool on);
    void setItemHeight(int height);

    QString typeName() const override { return QStringLiteral("qtdatagrid"); }

signals:
    // The header check box was clicked; checked is its new state.
    void headerCheckedChanged(bool checked);

protected:
    void leaveEvent(QEvent* event) override;

private:
    VelQTableViewImpl* d() const;
    Q_DISABLE_COPY(VelQTableView)
};

} // namespace VelQtLib
