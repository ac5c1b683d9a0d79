#pragma once

#include "controls/VelQGroupBox.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQGroupBoxImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQGroupBoxImpl(VelQGroupBox* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    bool showText = true;
    ImageStyle backgroundStyle; // read from the style list; the frame is drawn without it
    QString text;
    TextStyle textStyle;
    QColor lineColor = QColor(0, 0, 0);
    int bottomInset = 1; // the bottom line lies this far above the bottom edge
};

} // namespace VelQtLib
