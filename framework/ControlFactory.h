#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

#include <set>
#include <string>
#include <vector>

class QWidget;

namespace VelQtLib {

// Creates a new control widget without parent, or null.
using ControlCreator = QWidget* (*)();

// Registers (or replaces) the creator of a type name; listed names are also collected.
VELQTLIB_EXPORT void RegisterControl(const char* typeName, ControlCreator creator, bool listed);
// Creates a control by type name, parents it and parses element into it; null when unknown.
VELQTLIB_EXPORT QWidget* CreateControl(
    const char* typeName, const ::Json::Value* element, QWidget* parent);
VELQTLIB_EXPORT bool IsRegisteredControl(const std::string& typeName);
// Every registered type name.
VELQTLIB_EXPORT std::vector<std::string> RegisteredControls();
// The registered names whose registration was listed.
VELQTLIB_EXPORT const std::set<std::string>& ListedControls();

// Registers every control type of the library under its type name and its aliases.
void registerBuiltInControls();

} // namespace VelQtLib
