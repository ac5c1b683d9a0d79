#pragma once

#include "controls/VelQSlider.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQSliderImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQSliderImpl(VelQSlider* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void onMousePress(QMouseEvent* event) override;
    void onMouseRelease(QMouseEvent* event) override;
    void onEnter(QEvent* event) override;
    void onLeave(QEvent* event) override;
    void onMouseMove(QMouseEvent* event) override;

    ImageStyle channelStyle;
    ImageStyle filledStyle;
    ImageStyle thumbStyles[4];
    int channelSize = 10;
    int thumbW = 20;
    int thumbH = 20;

private:
    VelQSlider* slider() const { return static_cast<VelQSlider*>(owner); }
    bool overThumb(const QMouseEvent* event) const;
};

} // namespace VelQtLib
