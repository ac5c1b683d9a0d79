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
    // The full text shortened to width by textStyle's elide mode.
    QString shortened(int width) const;

    TextStyle textStyle;
    QString text; // the full text, before any shortening

private:
    VelQLabel* label() const { return static_cast<VelQLabel*>(owner); }
};

} // namespace VelQtLib
