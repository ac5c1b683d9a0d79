#pragma once

#include "controls/VelQSpinBox.h"

namespace VelQtLib {

// The spin box adds nothing to the base implementation.
class VELQTLIB_EXPORT VelQSpinBoxImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQSpinBoxImpl(VelQSpinBox* owner);
};

} // namespace VelQtLib
