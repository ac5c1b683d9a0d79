#pragma once

#include "controls/VelQProgressBar.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQProgressBarImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQProgressBarImpl(VelQProgressBar* owner);

    void onPaint() override;
    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    bool showText = false;
    TextStyle textStyle;
    ImageStyle grooveStyle;
    ImageStyle chunkStyle;

private:
    VelQProgressBar* bar() const { return static_cast<VelQProgressBar*>(owner); }
    // The chunk over the groove box r, growing from the left or from the bottom.
    QRect chunkRect(const QRect& r) const;
};

} // namespace VelQtLib
