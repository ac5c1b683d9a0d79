#pragma once

#include "controls/VelQComboBox.h"

#include <QItemDelegate>
#include <QListView>
#include <QPointer>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQComboBoxImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQComboBoxImpl(VelQComboBox* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    const ImageStyle* outlineStyle() const override { return &backgrounds[Normal]; }
    void fillSamples() override;

    QComboBox* comboBox() const { return static_cast<QComboBox*>(owner); }

    QString btnIcons[4];
    int itemHeight = 25;
    ImageStyle backgrounds[4];
    ImageStyle buttonStyles[4];
    TextStyle textStyles[4];
    ImageStyle listBackground;
    ImageStyle itemStyles[4];
    TextStyle itemTextStyles[4];
};

// Paints a pop-up row from the combo box's records; under the mouse wins over selected.
class VELQTLIB_EXPORT VelQComboItemDelegate : public QItemDelegate {
    Q_OBJECT
public:
    VelQComboItemDelegate(VelQComboBoxImpl* impl, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // The pop-up may outlive the implementation object while the combo box is destroyed.
    QPointer<VelQComboBoxImpl> m_impl;
};

// The combo box's pop-up list, its viewport painted with the pop-up background. Its rows are
// painted by a VelQComboItemDelegate that the list owns until Qt or a program replaces and
// deletes it.
class VELQTLIB_EXPORT VelQComboList : public QListView {
    Q_OBJECT
public:
    explicit VelQComboList(VelQComboBoxImpl* impl);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<VelQComboBoxImpl> m_impl;
};

} // namespace VelQtLib
