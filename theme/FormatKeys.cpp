#include "theme/FormatKeys.h"

#include "theme/Json.h"

#include <cstring>

namespace VelQtLib {

const KeySpec* findKey(const KeyTable& table, const char* key)
{
    for (const KeySpec& spec : table) {
        // Asked for every member of every element loaded: most keys differ at the first letter.
        if (spec.key[0] == key[0] && std::strcmp(spec.key, key) == 0)
            return &spec;
    }
    return nullptr;
}

QString kindName(KeyKind kind)
{
    switch (kind) {
    case KeyKind::Bool:
        return QStringLiteral("true or false");
    case KeyKind::Int:
        return QStringLiteral("number");
    case KeyKind::UInt:
        return QStringLiteral("number, 0 or more");
    case KeyKind::Name:
        return QStringLiteral("string");
    case KeyKind::Text:
        return QStringLiteral("display text");
    case KeyKind::Image:
        return QStringLiteral("image path");
    case KeyKind::ImageColour:
        return QStringLiteral("colour AARRGGBB");
    case KeyKind::TextColour:
        return QStringLiteral("colour RRGGBB");
    case KeyKind::ColourNumber:
        return QStringLiteral("number 0xRRGGBB");
    case KeyKind::Margins:
        return QStringLiteral("[top, right, bottom, left]");
    case KeyKind::Encoding:
        return QStringLiteral("\"utf-8\"");
    case KeyKind::Object:
        return QStringLiteral("object");
    case KeyKind::Array:
        return QStringLiteral("array");
    case KeyKind::StyleList:
        return QStringLiteral("array of [record, 0, slot]");
    case KeyKind::StyleName:
        return QStringLiteral("style record name");
    }
    return QString();
}

bool acceptsValue(KeyKind kind, const ::Json::Value& value)
{
    switch (kind) {
    case KeyKind::Bool:
        return value.isConvertibleTo(::Json::booleanValue);
    case KeyKind::Int:
        return value.isConvertibleTo(::Json::intValue);
    case KeyKind::UInt:
        return value.isConvertibleTo(::Json::uintValue);
    case KeyKind::ColourNumber:
        return !value.isNull() && !value.isString()
            && (value.isConvertibleTo(::Json::uintValue)
                || value.isConvertibleTo(::Json::intValue));
    case KeyKind::Margins:
    case KeyKind::Array:
    case KeyKind::StyleList:
        return value.isArray();
    case KeyKind::Object:
        return value.isObject();
    default:
        return value.isConvertibleTo(::Json::stringValue);
    }
}

QString expectation(KeyKind kind)
{
    switch (kind) {
    case KeyKind::Bool:
        return QStringLiteral("must be true or false");
    case KeyKind::Int:
    case KeyKind::ColourNumber:
        return QStringLiteral("must be a number");
    case KeyKind::UInt:
        return QStringLiteral("must be a number, 0 or more");
    case KeyKind::Margins:
        return QStringLiteral("must be an array of four numbers [top, right, bottom, left]");
    case KeyKind::Array:
    case KeyKind::StyleList:
        return QStringLiteral("must be an array");
    case KeyKind::Object:
        return QStringLiteral("must be an object");
    default:
        return QStringLiteral("must be a string");
    }
}

const KeyTable& styleDocumentKeys()
{
    static const KeyTable keys = {
        {"style", KeyKind::Array, "required",
            "the style records; without it the package does not load"},
        {"encoding", KeyKind::Encoding, "GBK", "\"utf-8\" reads the font families as UTF-8"},
    };
    return keys;
}

const KeyTable& imageStyleKeys()
{
    static const KeyTable keys = {
        {"type", KeyKind::Int, "required", "1: an image style"},
        {"name", KeyKind::Name, "\"\"",
            "the name controls look the record up by; \"empty\" draws nothing"},
        {"drawImg", KeyKind::Bool, "true",
            "true paints the nine-slice image \"img\"; false paints the box"},
        {"clr", KeyKind::ImageColour, "\"ffffffff\"", "fill colour of the box"},
        {"borderclr", KeyKind::ImageColour, "\"ffffffff\"", "border colour of the box"},
        {"round", KeyKind::Int, "0", "corner radius of the box, in pixels"},
        {"borderSize", KeyKind::Int, "1", "border width of the box, in pixels"},
        {"border", KeyKind::Bool, "false", "draw the box's border"},
        {"leftBorder", KeyKind::Bool, "true", "draw the left side of the border"},
        {"topBorder", KeyKind::Bool, "true", "draw the top side of the border"},
        {"rightBorder", KeyKind::Bool, "true", "draw the right side of the border"},
        {"bottomBorder", KeyKind::Bool, "true", "draw the bottom side of the border"},
        {"img", KeyKind::Image, "none", "the nine-slice image"},
        {"margin", KeyKind::Margins, "[0, 0, 0, 0]",
            "widths of the image's four border bands, in pixels: top, right, bottom, left"},
        {"repeatCenter", KeyKind::Bool, "false",
            "tile the image's centre instead of stretching it"},
        {"repeatLeft", KeyKind::Bool, "false", "kept; the border bands are always stretched"},
        {"repeatTop", KeyKind::Bool, "false", "kept; the border bands are always stretched"},
        {"repeatRight", KeyKind::Bool, "false", "kept; the border bands are always stretched"},
        {"repeatBottom", KeyKind::Bool, "false", "kept; the border bands are always stretched"},
    };
    return keys;
}

const KeyTable& textStyleKeys()
{
    static const KeyTable keys = {
        {"type", KeyKind::Int, "required", "2: a text style"},
        {"name", KeyKind::Name, "\"\"", "the name controls look the record up by"},
        {"family", KeyKind::Text, "Microsoft YaHei", "font family"},
        {"size", KeyKind::Int, "12", "font size, in pixels"},
        {"bold", KeyKind::Bool, "false", "bold font"},
        {"italic", KeyKind::Bool, "false", "italic font"},
        {"underline", KeyKind::Bool, "false", "underlined font"},
        {"clr", KeyKind::TextColour, "\"ffffffff\"", "text colour; always opaque"},
        {"x", KeyKind::Int, "0", "text offset from the left, in pixels"},
        {"y", KeyKind::Int, "0", "text offset from the top, in pixels"},
        {"hor", KeyKind::Int, "0", "horizontal alignment: 0 left, 1 centre, 2 right"},
        {"ver", KeyKind::Int, "1", "vertical alignment: 0 top, 1 centre, 2 bottom"},
        {"isHor", KeyKind::Bool, "true", "false turns the text by 90 degrees"},
    };
    return keys;
}

const KeyTable& themeDocumentKeys()
{
    static const KeyTable keys = {
        {"elements", KeyKind::Array, "required",
            "one element whose \"child\" array holds the theme elements"},
        {"encoding", KeyKind::Encoding, "GBK",
            "\"utf-8\" reads the display texts of the theme elements as UTF-8"},
    };
    return keys;
}

} // namespace VelQtLib
