#pragma once

#include "controls/VelQContainer.h"

namespace VelQtLib {

class VELQTLIB_EXPORT VelQContainerImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQContainerImpl(VelQContainer* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    // Places the skinned children by childLayout; does nothing for Free.
    void arrangeChildren();

    ImageStyle normalStyle;
    ImageStyle disabledStyle;
    int childLayout = VelQContainer::Free;
    int space = 0;
};

} // namespace VelQtLib
