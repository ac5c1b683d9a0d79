#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

#include <vector>

namespace VelQtLib {

// What a key's value must be; each kind accepts exactly what its reader converts.
enum class KeyKind {
    Bool,
    Int,
    UInt,
    Name, // a string read as UTF-8: names, object names
    Text, // a display text: GBK unless the document declares UTF-8
    Image, // an image path, looked up in the packages and then on disk
    ImageColour, // AARRGGBB hexadecimal digits
    TextColour, // RRGGBB hexadecimal digits
    ColourNumber, // 0xRRGGBB as a JSON number
    Margins, // [top, right, bottom, left]
    Encoding, // "utf-8"
    Object,
    Array,
    StyleList, // a control's "style" list of [record, 0, slot]
    StyleName, // the name of a style record
};

// One key a reader takes: its kind, its default and what it does, as the format reference
// lists it.
struct KeySpec {
    const char* key;
    KeyKind kind;
    const char* fallback; // the value an absent key gives, as authors read it
    const char* meaning;
};

using KeyTable = std::vector<KeySpec>;

VELQTLIB_EXPORT const KeySpec* findKey(const KeyTable& table, const char* key);
// The kind as the reference names it: "true or false", "number", "image path".
VELQTLIB_EXPORT QString kindName(KeyKind kind);
// True when the value converts the way the key's reader converts it.
VELQTLIB_EXPORT bool acceptsValue(KeyKind kind, const ::Json::Value& value);
// "must be a number"
VELQTLIB_EXPORT QString expectation(KeyKind kind);

// Keys of a "style.json" root, of an image style record ("type" 1), of a text style record
// ("type" 2) and of a "theme.json" root.
VELQTLIB_EXPORT const KeyTable& styleDocumentKeys();
VELQTLIB_EXPORT const KeyTable& imageStyleKeys();
VELQTLIB_EXPORT const KeyTable& textStyleKeys();
VELQTLIB_EXPORT const KeyTable& themeDocumentKeys();

} // namespace VelQtLib
