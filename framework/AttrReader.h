#pragma once

#include "theme/Json.h"

namespace VelQtLib {

// Reads the "attr" object of a description element. Every read leaves its output untouched
// and returns false when the key is absent or holds a value of a type that cannot convert.
class VELQTLIB_EXPORT AttrReader {
public:
    explicit AttrReader(const ::Json::Value* element);

    // True when the element has an "attr" object.
    explicit operator bool() const { return m_attr != nullptr; }
    bool has(const char* key) const;
    const ::Json::Value* value(const char* key) const;

    bool read(const char* key, bool& out) const;
    bool read(const char* key, int& out) const;
    bool read(const char* key, unsigned& out) const;
    // Names, paths and texts meant as UTF-8.
    bool readUtf8(const char* key, QString& out) const;
    // Display texts: GBK bytes, or UTF-8 where the document declares it.
    bool readText(const char* key, QString& out) const;

private:
    const ::Json::Value* m_attr = nullptr;
};

} // namespace VelQtLib
