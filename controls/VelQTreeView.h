#pragma once

#include "controls/ItemViewSupport.h"

#include <QTreeView>

namespace VelQtLib {

class VelQTreeViewImpl;

// A QTreeView with a hidden header whose background and items (text with an optional icon) are
// painted from the theme, with skinned scroll bars. Expansion, branches, keys and selection are
// Qt's.
class VELQTLIB_EXPORT VelQTreeView : public VelQItemView<QTreeView> {
    Q_OBJECT
public:
    explicit VelQTreeView(QWidget* parent = nullptr);
    ~VelQTreeView() override;

    QString typeName() const override { return QStringLiteral("qttree"); }

private:
    Q_DISABLE_COPY(VelQTreeView)
};

} // namespace VelQtLib
