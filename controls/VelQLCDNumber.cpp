#include "controls/VelQLCDNumber_p.h"

#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"
#include "framework/StyleSlots.h"

namespace VelQtLib {

VelQLCDNumber::VelQLCDNumber(QWidget* parent)
    : VelQControl<QLCDNumber>(parent)
{
    setImpl(new VelQLCDNumberImpl(this));
    setFrameStyle(0);
    clearBackground(this);
}

VelQLCDNumber::~VelQLCDNumber() = default;

void VelQLCDNumber::paintEvent(QPaintEvent* event)
{
    impl()->onPaint();
    QLCDNumber::paintEvent(event);
}

VelQLCDNumberImpl::VelQLCDNumberImpl(VelQLCDNumber* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQLCDNumberImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, bgStyle, rect);
    // Active and inactive alike, so that the digits keep their colour when the window loses
    // activation; a disabled number keeps the disabled look.
    QPalette palette = owner->palette();
    palette.setBrush(QPalette::Active, QPalette::WindowText, QBrush(color));
    palette.setBrush(QPalette::Inactive, QPalette::WindowText, QBrush(color));
    owner->setPalette(palette);
}

bool VelQLCDNumberImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().image(0, {&bgStyle}).read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    int digits = 0;
    // Qt's own range; outside it Qt would clamp the same way, but with a warning.
    if (attr.read("digitCount", digits))
        lcd()->setDigitCount(qBound(0, digits, 99));
    // 0xAARRGGBB with the alpha ignored; an opaque colour needs the unsigned range.
    unsigned rgb = 0;
    int signedRgb = 0;
    if (attr.read("color", rgb))
        color = QColor(QRgb(rgb));
    else if (attr.read("color", signedRgb))
        color = QColor(QRgb(unsigned(signedRgb)));
    QString text;
    if (!restyling && attr.readUtf8("text", text))
        lcd()->display(text);
    return result;
}

} // namespace VelQtLib
