#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

namespace VelQtLib {

class VelQControlBase;
class VelQControlBaseImpl;

// The parameters of a Reserved layout: stored as given, applied by nothing.
struct ReservedLayout {
    int values[4] = {};
    double ratio = 0.0;
};

// What the description loader and containers know of every skinned control.
class VELQTLIB_EXPORT IVelQControlBase {
public:
    virtual ~IVelQControlBase() = default;

    virtual VelQControlBase* controlBase() = 0;
    // Parses the common keys, then the control's attributes; false without an implementation.
    virtual bool loadAttributes(const ::Json::Value* json) = 0;
    virtual void setFillLayout(const int margins[4]) = 0;
    virtual void setReservedLayout(const ReservedLayout& params) = 0;
    // Also applies the geometry at once.
    virtual void setFixedLayout(const int rect[4]) = 0;
    virtual void setAnchorLayout(const int params[8]) = 0;
    // out = the layout numbers when a layout is set; untouched otherwise.
    virtual void layoutParams(const int*& out) = 0;
    virtual int layoutType() = 0;
    // The factory key of the control and the default name of its theme element.
    virtual QString typeName() const = 0;
    virtual VelQControlBaseImpl* impl() = 0;
    // Design-mode sample items, after the control's children exist.
    virtual void fillSamples() = 0;
    virtual void applyLayout() = 0;
};

} // namespace VelQtLib
