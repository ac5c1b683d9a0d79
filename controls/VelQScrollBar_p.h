#pragma once

#include "controls/VelQScrollBar.h"

#include <array>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQScrollBarImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQScrollBarImpl(VelQScrollBar* owner);

    void onPaint() override;
    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void onMousePress(QMouseEvent* event) override;
    void onMouseRelease(QMouseEvent* event) override;
    void onLeave(QEvent* event) override;
    void onMouseMove(QMouseEvent* event) override;

    ImageStyle background;
    int thumbState = 0;
    ImageStyle subLineStyles[4];
    int addLineState = 0;
    ImageStyle addLineStyles[4];
    int subLineState = 0;
    ImageStyle thumbStyles[4];
    QString upIcon;
    QString downIcon;
    QString thumbIcon;
    ImageOffset upIconOffset {0, 0, 1, 1};
    ImageOffset downIconOffset {0, 0, 1, 1};
    int thicknessOverride = -1;

private:
    struct Part {
        QStyle::SubControl control;
        int* state;
    };
    // The thumb, the add-line button and the sub-line button, in the order they are tracked.
    std::array<Part, 3> parts();
    VelQScrollBar* bar() const { return static_cast<VelQScrollBar*>(owner); }
    // Sets a part's state and repaints that part when it changed.
    void setPartState(const Part& part, int value);
};

} // namespace VelQtLib
