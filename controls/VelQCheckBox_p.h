#pragma once

#include "controls/VelQCheckBox.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQCheckBoxImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    // Indexes of textStyles.
    enum LabelStyle { UncheckedLabel = 0, CheckedLabel = 1, DisabledLabel = 2 };

    explicit VelQCheckBoxImpl(VelQCheckBox* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    // The tile, when the look has one.
    const ImageStyle* outlineStyle() const override { return &uncheckedStyles[Normal]; }

    QString iconPath = QStringLiteral("IDB_UNCHECK");
    QString hotIconPath = QStringLiteral("IDB_UNCHECK");
    QString siconPath = QStringLiteral("IDB_CHECKED");
    QString sHotIconPath = QStringLiteral("IDB_CHECKED");
    QString disableSIconPath;
    QString disableIconPath;
    ImageOffset iconOffset {0, 0, 0, 1};
    TextStyle textStyles[3];
    bool showIcon = true;
    bool showText = true;
    ImageStyle uncheckedStyles[4];
    ImageStyle checkedStyles[4];

private:
    VelQCheckBox* box() const { return static_cast<VelQCheckBox*>(owner); }
    // Hover marks left at the built-in image follow the normal marks.
    void followNormalMarks();
    const QString& markPath(bool checked) const;
    int labelIndent() const;
};

} // namespace VelQtLib
