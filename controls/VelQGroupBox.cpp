#include "controls/VelQGroupBox_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"
#include "theme/PaintCache.h"

#include <QFontMetrics>
#include <QPainter>

#include <optional>

namespace VelQtLib {

namespace {

// An RRGGBB number; colour names and "#" strings are not understood.
std::optional<unsigned> rgbOf(const ::Json::Value& value)
{
    if (value.isNull() || value.isString())
        return std::nullopt;
    unsigned rgb = 0;
    if (Json::toUInt(value, rgb))
        return rgb;
    int signedRgb = 0;
    if (Json::toInt(value, signedRgb))
        return unsigned(signedRgb);
    return std::nullopt;
}

} // namespace

VelQGroupBox::VelQGroupBox(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQGroupBoxImpl(this));
}

VelQGroupBox::~VelQGroupBox() = default;

VelQGroupBoxImpl::VelQGroupBoxImpl(VelQGroupBox* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQGroupBoxImpl::draw(QPainter* painter, const QRect& r)
{
    painter->setPen(QPen(lineColor, 1));
    const QFontMetrics metrics(PaintCache::font(textStyle));
    const int tw = showText ? metrics.horizontalAdvance(text) : 0;
    const int th = metrics.height();
    const int middle = r.top() + th / 2;
    const int bottom = r.top() + r.height() - bottomInset;
    const int right = r.left() + r.width() - 1;
    // The top line leaves a gap from left + 5 to left + 9 + tw for the caption.
    const QPoint frame[] = {{r.left() + 5, middle}, {r.left(), middle}, {r.left(), bottom},
        {right - 1, bottom}, {right - 1, middle}, {r.left() + 9 + tw, middle}};
    painter->drawPolyline(frame, 6);
    if (showText)
        drawStyledText(painter, text, textStyle, QRect(r.left() + 7, r.top(), tw + 5, th), true);
}

bool VelQGroupBoxImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().image(0, {&backgroundStyle}).text(2, {&textStyle}).read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    if (!restyling)
        attr.readText("text", text);
    bool lineAboveEdge = true;
    if (attr.read("size", lineAboveEdge))
        bottomInset = lineAboveEdge ? 1 : 0;
    if (const ::Json::Value* color = attr.value("color")) {
        if (const std::optional<unsigned> rgb = rgbOf(*color))
            lineColor = QColor(QRgb(*rgb));
    }
    attr.read("showText", showText);
    return result;
}

} // namespace VelQtLib
