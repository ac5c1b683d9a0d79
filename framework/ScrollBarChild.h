#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

#include <functional>
#include <optional>

namespace VelQtLib {

class VelQScrollBar;

// One scroll-bar child of a scrollable control's description, as its control rule sees it.
struct ScrollBarChild {
    bool horizontal = false; // "attr"."hor"
    std::optional<int> arrowSize; // "attr"."size", when given
    int thickness = 0; // the child's "h" when horizontal, else its "w"
    VelQScrollBar* bar = nullptr; // the bar the child skins
    // Both bars of the control, for the sheets that a child sets on both.
    VelQScrollBar* horizontalBar = nullptr;
    VelQScrollBar* verticalBar = nullptr;
};

// A scrollable control's use of a child's "size" and thickness.
using ScrollBarRule = std::function<void(const ScrollBarChild&)>;

// Applies every "scrollbar" entry of element's "child" array to one of the two bars: its
// icons, then rule, then its "style" list.
VELQTLIB_EXPORT void readScrollBarChildren(const ::Json::Value& element, VelQScrollBar* horizontal,
    VelQScrollBar* vertical, const ScrollBarRule& rule);

// The rule of the text edit and the list: "size" is not used, and both bars get the long
// sheet with the child's thickness in all three places.
VELQTLIB_EXPORT void thicknessLongSheetRule(const ScrollBarChild& child);

// The style sheets a scrollable control builds from a child's thickness and arrow size.
VELQTLIB_EXPORT QString scrollBarLongSheet(int vertical, int horizontal, int arrow);
VELQTLIB_EXPORT QString scrollBarShortSheet(int vertical, int horizontal);
VELQTLIB_EXPORT QString scrollBarShortSheetTrailingBlank(int vertical, int horizontal);
VELQTLIB_EXPORT QString scrollBarArrowSheet(Qt::Orientation orientation, int arrow);

// Sets sheet on both bars.
VELQTLIB_EXPORT void setScrollBarSheet(
    VelQScrollBar* horizontal, VelQScrollBar* vertical, const QString& sheet);

} // namespace VelQtLib
