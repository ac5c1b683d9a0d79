#pragma once

#include "controls/VelQImage.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQImageImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQImageImpl(VelQImage* owner);

    void onPaint() override;
    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    bool fill = true;
    int vAlign = 1; // 1 centred, 2 bottom, else top
    int hAlign = 1; // 1 centred, 2 right, else left
    QString path;
};

} // namespace VelQtLib
