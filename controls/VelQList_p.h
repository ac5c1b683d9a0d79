#pragma once

#include "controls/VelQList.h"

#include <QItemDelegate>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQListImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQListImpl(VelQList* owner);

    bool parseAttributes(const ::Json::Value*& json) override;
    void fillSamples() override;

    int itemHeight = 20;
    ImageStyle background;
    ImageStyle itemStyles[4];
    TextStyle itemTextStyles[4];

private:
    VelQList* list() const { return static_cast<VelQList*>(owner); }
};

// Paints a list row from the list's records by its state; under the mouse wins over selected.
class VELQTLIB_EXPORT VelQListItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    VelQListItemDelegate(VelQListImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    VelQListImpl* m_impl;
};

} // namespace VelQtLib
