#pragma once

#include "theme/Diagnostics.h"

namespace VelQtLib {

// Checks a parsed description against the control types and the loaded packages: its keys and
// their values, control types, theme elements, style records and images.
VELQTLIB_EXPORT void checkDescription(const DocumentReport& report, const ::Json::Value& root);
// Checks a parsed "theme.json": its shape and every theme element.
VELQTLIB_EXPORT void checkThemeDocument(const DocumentReport& report, const ::Json::Value& root);

} // namespace VelQtLib
