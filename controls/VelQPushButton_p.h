#pragma once

#include "controls/VelQPushButton.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQPushButtonImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQPushButtonImpl(VelQPushButton* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void onMouseMove(QMouseEvent* event) override;
    const ImageStyle* outlineStyle() const override { return &imageStyles[Normal]; }

    bool extHover = false;
    bool isExtBtn = false;
    QString extHotIconPath;
    QString extIconPath;
    int extWidth = 0;
    bool hasIcon = true;
    bool showText = true;
    QString iconPath;
    QString hotIconPath;
    ImageOffset iconOffset {0, 0, 1, 1};
    int txtX = 0;
    int txtY = 0;
    ImageStyle imageStyles[4];
    TextStyle textStyles[4];

private:
    VelQPushButton* button() const { return static_cast<VelQPushButton*>(owner); }
    void drawIcon(QPainter* painter, const QRect& rect);
};

} // namespace VelQtLib
