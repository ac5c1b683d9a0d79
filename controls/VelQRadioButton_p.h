#pragma once

#include "controls/VelQRadioButton.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQRadioButtonImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    // Indexes of textStyles.
    enum LabelStyle { UncheckedLabel = 0, CheckedLabel = 1, DisabledLabel = 2 };

    explicit VelQRadioButtonImpl(VelQRadioButton* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    // The tile, when the look has one.
    const ImageStyle* outlineStyle() const override { return &uncheckedStyles[Normal]; }

    QString iconPath;
    QString hotIconPath;
    QString siconPath;
    QString sHotIconPath;
    ImageOffset iconOffset {0, 0, 0, 1};
    bool showIcon = true;
    bool showText = true;
    bool pushlike = false; // kept for descriptions; nothing depends on it
    TextStyle textStyles[3];
    ImageStyle uncheckedStyles[4];
    // Valid white boxes until styled, unlike uncheckedStyles.
    ImageStyle checkedStyles[4];

private:
    VelQRadioButton* button() const { return static_cast<VelQRadioButton*>(owner); }
    const QString& markPath(bool checked) const;
};

} // namespace VelQtLib
