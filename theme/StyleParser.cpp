#include "theme/StyleParser.h"

#include "theme/Json.h"
#include "theme/ThemePackage.h"

#include <cstdlib>

namespace VelQtLib {

namespace {

QColor imageColor(const ::Json::Value& record, const char* key)
{
    QColor c;
    c.setRgba(parseColorNumber(Json::stringOr(record, key, "ffffffff")));
    return c;
}

QColor textColor(const ::Json::Value& record, const char* key)
{
    // The alpha byte is ignored: text is always opaque.
    return QColor(QRgb(parseColorNumber(Json::stringOr(record, key, "ffffffff"))));
}

} // namespace

quint32 parseColorNumber(const std::string& text)
{
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 16);
    return value > 0xffffffffULL ? 0xffffffffu : quint32(value);
}

ImageStyle parseImageStyle(const ::Json::Value& record)
{
    ImageStyle s;
    s.valid = Json::stringOr(record, "name", std::string()) != "empty";
    s.noImage = !Json::boolOr(record, "drawImg", true);
    s.color = imageColor(record, "clr");
    s.borderColor = imageColor(record, "borderclr");
    s.round = Json::intOr(record, "round", 0);
    s.borderSize = Json::intOr(record, "borderSize", 1);
    s.border = Json::boolOr(record, "border", false);
    s.leftBorder = Json::boolOr(record, "leftBorder", true);
    s.topBorder = Json::boolOr(record, "topBorder", true);
    s.rightBorder = Json::boolOr(record, "rightBorder", true);
    s.bottomBorder = Json::boolOr(record, "bottomBorder", true);
    Json::readUtf8(record, "img", s.image);
    if (const ::Json::Value* margin = Json::arrayMember(record, "margin")) {
        int* const slices[4] = {&s.sliceTop, &s.sliceRight, &s.sliceBottom, &s.sliceLeft};
        for (::Json::ArrayIndex i = 0; i < 4 && i < margin->size(); ++i)
            Json::toInt((*margin)[i], *slices[i]);
    }
    s.repeatLeft = Json::boolOr(record, "repeatLeft", false);
    s.repeatRight = Json::boolOr(record, "repeatRight", false);
    s.repeatTop = Json::boolOr(record, "repeatTop", false);
    s.repeatBottom = Json::boolOr(record, "repeatBottom", false);
    s.repeatCenter = Json::boolOr(record, "repeatCenter", false);
    return s;
}

TextStyle parseTextStyle(const ::Json::Value& record, bool utf8)
{
    TextStyle s;
    s.bold = Json::boolOr(record, "bold", false);
    s.italic = Json::boolOr(record, "italic", false);
    s.size = Json::intOr(record, "size", 12);
    s.underline = Json::boolOr(record, "underline", false);
    if (const ::Json::Value* family = Json::member(record, "family"))
        Json::toText(*family, utf8, s.family);
    s.color = textColor(record, "clr");
    s.offsetX = Json::intOr(record, "x", 0);
    s.offsetY = Json::intOr(record, "y", 0);
    s.isHor = Json::boolOr(record, "isHor", true);
    s.hAlign = Json::intOr(record, "hor", 0);
    s.vAlign = Json::intOr(record, "ver", 1);
    return s;
}

bool parseStyles(CThemePackage& package, const ::Json::Value& styleValue, bool utf8)
{
    if (!styleValue.isArray() && !styleValue.isObject())
        return true;
    for (const ::Json::Value& record : styleValue) {
        const int type = Json::intOr(record, "type", 0);
        if (type != 1 && type != 2)
            continue;
        const std::string name = Json::stringOr(record, "name", std::string());
        const QString key = QString::fromUtf8(name.data(), int(name.size()));
        if (type == 1) {
            if (!package.imageStyles.contains(key))
                package.imageStyles.insert(key, parseImageStyle(record));
        } else if (!package.textStyles.contains(key)) {
            package.textStyles.insert(key, parseTextStyle(record, utf8));
        }
    }
    return true;
}

} // namespace VelQtLib
