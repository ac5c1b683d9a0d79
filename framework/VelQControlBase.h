#pragma once

#include "framework/IVelQControlBase.h"

class QObject;
class QWidget;

namespace VelQtLib {

enum LayoutType {
    LayoutNone = -1,
    LayoutAnchor = 0,
    LayoutFill = 1,
    LayoutReserved = 2,
    LayoutFixed = 3
};

// The part common to every control widget: its common keys and its geometry rule.
class VELQTLIB_EXPORT VelQControlBase {
public:
    explicit VelQControlBase(QWidget* owner);
    virtual ~VelQControlBase();

    // "name", "tooltip", "visibility", "enable" and the layout keys of a description element.
    virtual void parseCommon(const ::Json::Value* json);
    // Places owner in its parent by the layout rule, then lays out its skinned children.
    void applyLayout();
    // Gives the control another theme element and applies it.
    void setThemeName(const QString& name);
    // Applies a Fixed layout's numbers to owner at once.
    void applyFixed();

    int layoutType = LayoutNone;
    // Anchor: hor, ver, wType, hType, x, y, w, h; Fill: left, top, right, bottom; Fixed: x, y, w,
    // h.
    int numbers[8] = {};
    ReservedLayout reserved;
    QWidget* owner = nullptr;
};

// The control interface of a widget, or null when it is no skinned control.
VELQTLIB_EXPORT IVelQControlBase* controlOf(QObject* object);

} // namespace VelQtLib
