#pragma once

#include "controls/ItemViewSupport.h"

#include <QListWidget>

namespace VelQtLib {

class VelQListImpl;

// A QListWidget whose viewport background and rows (text with an optional icon) are painted
// from the theme, with skinned scroll bars. Items, selection, keys and scrolling are Qt's.
class VELQTLIB_EXPORT VelQList : public VelQItemView<QListWidget> {
    Q_OBJECT
public:
    explicit VelQList(QWidget* parent = nullptr);
    ~VelQList() override;

    QString typeName() const override { return QStringLiteral("qtlist"); }

private:
    Q_DISABLE_COPY(VelQList)
};

} // namespace VelQtLib
