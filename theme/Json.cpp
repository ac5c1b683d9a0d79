#include "theme/Json.h"

#include "theme/ThemeManager.h"

#include <json/reader.h>

#include <cstring>
#include <exception>

namespace VelQtLib::Json {

namespace {

KeyProbe* probe = nullptr;

} // namespace

bool parse(const char* begin, const char* end, ::Json::Value& out, ParseError* error)
{
    ::Json::Reader reader;
    try {
        ::Json::Value parsed;
        if (reader.parse(begin, end, parsed, true)) {
            out.swap(parsed);
            return true;
        }
    } catch (const std::exception&) {
        // JsonCpp throws when nesting exceeds its stack limit.
        if (error)
            *error = {0, "nesting too deep"};
        return false;
    }
    if (error) {
        const auto errors = reader.getStructuredErrors();
        *error = errors.empty() ? ParseError {0, "not valid JSON"}
                                : ParseError {errors.front().offset_start, errors.front().message};
    }
    return false;
}

const ::Json::Value* member(const ::Json::Value& value, const char* key)
{
    if (!value.isObject())
        return nullptr;
    if (Q_UNLIKELY(probe))
        probe->asked(value, key);
    return value.find(key, key + std::strlen(key));
}

const ::Json::Value* arrayMember(const ::Json::Value& value, const char* key)
{
    const ::Json::Value* m = member(value, key);
    return m && m->isArray() ? m : nullptr;
}

const ::Json::Value* objectMember(const ::Json::Value& value, const char* key)
{
    const ::Json::Value* m = member(value, key);
    return m && m->isObject() ? m : nullptr;
}

bool toBool(const ::Json::Value& value, bool& out)
{
    if (!value.isConvertibleTo(::Json::booleanValue))
        return false;
    out = value.asBool();
    return true;
}

bool toInt(const ::Json::Value& value, int& out)
{
    if (!value.isConvertibleTo(::Json::intValue))
        return false;
    out = value.asInt();
    return true;
}

bool toUInt(const ::Json::Value& value, unsigned& out)
{
    if (!value.isConvertibleTo(::Json::uintValue))
        return false;
    out = value.asUInt();
    return true;
}

bool toStdString(const ::Json::Value& value, std::string& out)
{
    if (!value.isConvertibleTo(::Json::stringValue))
        return false;
    out = value.asString();
    return true;
}

bool toUtf8(const ::Json::Value& value, QString& out)
{
    std::string s;
    if (!toStdString(value, s))
        return false;
    out = QString::fromUtf8(s.data(), int(s.size()));
    return true;
}

bool toText(const ::Json::Value& value, bool utf8, QString& out)
{
    std::string s;
    if (!toStdString(value, s))
        return false;
    // Zero-terminated either way: a text ends at its first zero byte.
    out = utf8 ? QString::fromUtf8(s.c_str()) : CThemeManager::fromGbk(s.c_str());
    return true;
}

bool readBool(const ::Json::Value& object, const char* key, bool& out)
{
    const ::Json::Value* m = member(object, key);
    return m && toBool(*m, out);
}

bool readInt(const ::Json::Value& object, const char* key, int& out)
{
    const ::Json::Value* m = member(object, key);
    return m && toInt(*m, out);
}

bool readUInt(const ::Json::Value& object, const char* key, unsigned& out)
{
    const ::Json::Value* m = member(object, key);
    return m && toUInt(*m, out);
}

bool readUtf8(const ::Json::Value& object, const char* key, QString& out)
{
    const ::Json::Value* m = member(object, key);
    return m && toUtf8(*m, out);
}

bool readDisplayText(const ::Json::Value& object, const char* key, QString& out)
{
    const ::Json::Value* m = member(object, key);
    return m && toText(*m, CThemeManager::instance().textsAreUtf8(), out);
}

bool boolOr(const ::Json::Value& object, const char* key, bool fallback)
{
    readBool(object, key, fallback);
    return fallback;
}

int intOr(const ::Json::Value& object, const char* key, int fallback)
{
    readInt(object, key, fallback);
    return fallback;
}

std::string stringOr(const ::Json::Value& object, const char* key, const std::string& fallback)
{
    std::string out = fallback;
    if (const ::Json::Value* m = member(object, key))
        toStdString(*m, out);
    return out;
}

bool declaresUtf8(const ::Json::Value& root)
{
    const std::string encoding = stringOr(root, "encoding", std::string());
    return QString::fromStdString(encoding).compare(QLatin1String("utf-8"), Qt::CaseInsensitive)
        == 0;
}

KeyProbe::KeyProbe()
{
    probe = this;
}

KeyProbe::~KeyProbe()
{
    probe = nullptr;
}

KeyProbe* KeyProbe::active()
{
    return probe;
}

} // namespace VelQtLib::Json
