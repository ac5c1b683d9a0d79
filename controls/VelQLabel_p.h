#pragma once

#include "controls/VelQLabel.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQLabelImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQLabelImpl(VelQLabel* owner);

    // Paints the shown text into rect; used when the label is drawn into a view's rows.
    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    // Sets the widget's font, text colour and alignment from textStyle.
    void applyStyle();
    // The label's text as painted into a rectangle width wide: shortened by textStyle's elide
    // mode when it does not fit.
    QString shownText(int width) const;

    TextStyle textStyle;

private:
    VelQLabel* label() const { return static_cast<VelQLabel*>(owner); }
};

} // namespace VelQtLib
