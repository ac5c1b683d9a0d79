#pragma once

#include "controls/VelQCanvas.h"

namespace VelQtLib {

// Has no type name of its own, so no theme element applies to a canvas.
class VELQTLIB_EXPORT VelQCanvasImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQCanvasImpl(VelQCanvas* owner);
};

} // namespace VelQtLib
