#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

class QWidget;

namespace VelQtLib {

// Descriptions nested deeper than this build their first levels only.
constexpr int maxDescriptionDepth = 256;
// One description builds at most this many controls; the elements after them are skipped.
constexpr int maxDescriptionControls = 10000;

// Builds one element and, depth first, its "child" elements; null when it is skipped.
VELQTLIB_EXPORT QWidget* CreateFromJson(const ::Json::Value* element, QWidget* parent);
// Builds and lays out every element of root's "elements"; the last element's widget, or null.
VELQTLIB_EXPORT QWidget* LoadElements(const ::Json::Value* root, QWidget* parent);
// Builds window from the description name (".json" appended when missing), looked up in the
// packages and then on disk; applies the root keys to a VelQWindow.
VELQTLIB_EXPORT QWidget* LoadWindow(QWidget* window, QString name);

} // namespace VelQtLib
