#pragma once

#include "theme/StyleTypes.h"

#include <json/value.h>

namespace VelQtLib {

class CThemePackage;

// A colour string of style.json as a number: strtoul base 16, saturated at 32 bits.
VELQTLIB_EXPORT quint32 parseColorNumber(const std::string& text);

// Builds one record from its style.json object, starting from the style.json defaults.
VELQTLIB_EXPORT ImageStyle parseImageStyle(const ::Json::Value& record);
// utf8: the document declares UTF-8, so the font family is not read as GBK.
VELQTLIB_EXPORT TextStyle parseTextStyle(const ::Json::Value& record, bool utf8 = false);

// Stores every record of a "style" value into the package; the first record of a name wins.
VELQTLIB_EXPORT bool parseStyles(
    CThemePackage& package, const ::Json::Value& styleValue, bool utf8 = false);

} // namespace VelQtLib
