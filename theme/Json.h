#pragma once

#include "framework/VelQtGlobal.h"

#include <QString>
#include <json/value.h>

#include <cstddef>
#include <string>

// Reading JSON from packages and descriptions, which come from third parties: a value of the
// wrong type reads as absent instead of raising JsonCpp's exceptions.
namespace VelQtLib::Json {

// Where and why a document did not parse: a byte offset into the text and JsonCpp's message.
struct ParseError {
    std::ptrdiff_t offset = 0;
    std::string message;
};

// Parses text (comments collected); false on a syntax error or nesting too deep to parse.
VELQTLIB_EXPORT bool parse(
    const char* begin, const char* end, ::Json::Value& out, ParseError* error = nullptr);

// The member key of an object, or null when value is not an object or has no such member.
VELQTLIB_EXPORT const ::Json::Value* member(const ::Json::Value& value, const char* key);
// The member key when it is an array; null otherwise.
VELQTLIB_EXPORT const ::Json::Value* arrayMember(const ::Json::Value& value, const char* key);
// The member key when it is an object; null otherwise.
VELQTLIB_EXPORT const ::Json::Value* objectMember(const ::Json::Value& value, const char* key);

// Conversions by JsonCpp's rules; false (out untouched) when the value cannot convert.
VELQTLIB_EXPORT bool toBool(const ::Json::Value& value, bool& out);
VELQTLIB_EXPORT bool toInt(const ::Json::Value& value, int& out);
VELQTLIB_EXPORT bool toUInt(const ::Json::Value& value, unsigned& out);
VELQTLIB_EXPORT bool toUtf8(const ::Json::Value& value, QString& out);
// Display texts: GBK bytes, or UTF-8 when utf8 is set.
VELQTLIB_EXPORT bool toText(const ::Json::Value& value, bool utf8, QString& out);
VELQTLIB_EXPORT bool toStdString(const ::Json::Value& value, std::string& out);

// Member reads: false (out untouched) when the member is absent or cannot convert.
VELQTLIB_EXPORT bool readBool(const ::Json::Value& object, const char* key, bool& out);
VELQTLIB_EXPORT bool readInt(const ::Json::Value& object, const char* key, int& out);
VELQTLIB_EXPORT bool readUInt(const ::Json::Value& object, const char* key, unsigned& out);
VELQTLIB_EXPORT bool readUtf8(const ::Json::Value& object, const char* key, QString& out);
// A display text in the encoding its document declares (CThemeManager::textsAreUtf8).
VELQTLIB_EXPORT bool readDisplayText(const ::Json::Value& object, const char* key, QString& out);

// Member reads with a default for an absent or unconvertible member.
VELQTLIB_EXPORT bool boolOr(const ::Json::Value& object, const char* key, bool fallback);
VELQTLIB_EXPORT int intOr(const ::Json::Value& object, const char* key, int fallback);
VELQTLIB_EXPORT std::string stringOr(
    const ::Json::Value& object, const char* key, const std::string& fallback);

// True when a document's root declares "encoding": "utf-8" for its display texts.
VELQTLIB_EXPORT bool declaresUtf8(const ::Json::Value& root);

// Learns which member keys the readers ask for, so that the format's key tables can be proved
// complete; one at a time, on the GUI thread.
class VELQTLIB_EXPORT KeyProbe {
public:
    KeyProbe();
    virtual ~KeyProbe();
    virtual void asked(const ::Json::Value& object, const char* key) = 0;
    // A control's "style" slot table: the slot index and whether it takes a text record.
    virtual void slot(int index, bool text) = 0;

    static KeyProbe* active();
};

} // namespace VelQtLib::Json
