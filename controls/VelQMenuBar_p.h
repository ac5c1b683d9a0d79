#pragma once

#include "controls/VelQMenuBar.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQMenuBarImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQMenuBarImpl(VelQMenuBar* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    int hoverIndex = -1;
    int pressedIndex = -1;
    ImageStyle background;
    TextStyle itemTextStyles[4];
    ImageStyle itemStyles[4];
    // Pop-up records kept for the bar's menus.
    ImageStyle popupBackground;
    TextStyle popupTextStyles[4];
    ImageStyle popupItemStyles[4];

private:
    VelQMenuBar* bar() const { return static_cast<VelQMenuBar*>(owner); }
};

} // namespace VelQtLib
