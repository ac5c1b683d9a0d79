#pragma once

#include "controls/VelQLCDNumber.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQLCDNumberImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQLCDNumberImpl(VelQLCDNumber* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    QColor color;
    ImageStyle bgStyle;

private:
    VelQLCDNumber* lcd() const { return static_cast<VelQLCDNumber*>(owner); }
};

} // namespace VelQtLib
