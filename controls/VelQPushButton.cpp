#include "controls/VelQPushButton_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"
#include "theme/ThemeManager.h"

#include <QMouseEvent>
#include <QPainter>

namespace VelQtLib {

namespace {

ImageStyle defaultFace(const QColor& fill)
{
    ImageStyle face;
    face.color = fill;
    face.gradientColor = Qt::white;
    face.borderColor = QColor(0xcc, 0xcc, 0xcc);
    face.borderSize = 1;
    return face;
}

} // namespace

VelQPushButton::VelQPushButton(QWidget* parent)
    : VelQControl<QPushButton>(parent)
{
    setImpl(new VelQPushButtonImpl(this));
    setAttribute(Qt::WA_MouseTracking);
}

VelQPushButton::~VelQPushButton() = default;

VelQPushButtonImpl* VelQPushButton::d() const
{
    return static_cast<VelQPushButtonImpl*>(const_cast<VelQPushButton*>(this)->impl());
}

void VelQPushButton::setIconPath(const QString& path)
{
    if (d()->iconPath == path)
        return;
    d()->iconPath = path;
    update();
}

ImageOffset& VelQPushButton::iconOffset()
{
    return d()->iconOffset;
}

void VelQPushButton::setIconOffset(const ImageOffset& offset)
{
    d()->iconOffset = offset;
}

VelQPushButtonImpl::VelQPushButtonImpl(VelQPushButton* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
    , imageStyles {defaultFace(QColor(0xf5, 0xf5, 0xf5)), defaultFace(QColor(0xed, 0xfb, 0xff)),
          defaultFace(QColor(0xf5, 0xf5, 0xf5)), ImageStyle()}
{
    for (TextStyle& text : textStyles)
        text.hAlign = 1;
}

void VelQPushButtonImpl::draw(QPainter* painter, const QRect& rect)
{
    const int s = state;
    const int w = owner->width();
    const int h = owner->height();
    const QRect textBox(rect.left() + txtX, rect.top() + txtY, w - txtX, h - txtY);
    const bool validState = s >= Normal && s <= Disabled;
    if (!isExtBtn || !extHover) {
        if (validState) {
            drawImageStyle(painter, imageStyles[s], rect);
            if (showText)
                drawStyledText(painter, button()->text(), textStyles[s], textBox, true);
        }
    } else if (validState) {
        // Only the extension area shows the state's look; the main area stays Normal.
        drawImageStyle(painter, imageStyles[s], rect);
        painter->save();
        painter->setClipRect(0, 0, w - extWidth, h);
        drawImageStyle(painter, imageStyles[Normal], rect);
        painter->restore();
        if (showText)
            drawStyledText(painter, button()->text(), textStyles[Normal], textBox, true);
    }
    drawIcon(painter, rect);
}

void VelQPushButtonImpl::drawIcon(QPainter* painter, const QRect& rect)
{
    const QRect box(rect.left(), rect.top(), owner->width(), owner->height());
    if (hasIcon) {
        if (state == Hover && !hotIconPath.isEmpty())
            drawAlignedImage(painter, hotIconPath, iconOffset, box, false);
        else if (!iconPath.isEmpty())
            drawAlignedImage(painter, iconPath, iconOffset, box, !owner->isEnabled());
    }
    if (isExtBtn) {
        static const ImageOffset centred {0, 0, 1, 1};
        const QRect ext(owner->width() - extWidth, rect.top(), extWidth, owner->height());
        if (state == Hover && !extHotIconPath.isEmpty())
            drawAlignedImage(painter, extHotIconPath, centred, ext, false);
        else if (!extIconPath.isEmpty())
            drawAlignedImage(painter, extIconPath, centred, ext, false);
    }
}

bool VelQPushButtonImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().imageGroup(0, imageStyles).textGroup(4, textStyles).read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    // A theme element styles the button without replacing its text and icon.
    const bool fromTheme = CThemeManager::instance().useThemePackage();
    attr.read("hasIcon", hasIcon);
    if (!fromTheme)
        attr.readUtf8("iconPath", iconPath);
    if (attr.read("isExtBtn", isExtBtn) && isExtBtn)
        owner->setAttribute(Qt::WA_MouseTracking);
    attr.read("extWidth", extWidth);
    attr.readUtf8("extIconPath", extIconPath);
    attr.readUtf8("extHotIconPath", extHotIconPath);
    if (!fromTheme) {
        QString text;
        attr.readText("text", text);
        button()->setText(text);
    }
    attr.readUtf8("hotIconPath", hotIconPath);
    attr.read("showText", showText);
    attr.read("iconHor", iconOffset.hAlign);
    attr.read("iconVer", iconOffset.vAlign);
    attr.read("iconX", iconOffset.dx);
    attr.read("iconY", iconOffset.dy);
    attr.read("txtX", txtX);
    attr.read("txtY", txtY);
    return result;
}

void VelQPushButtonImpl::onMouseMove(QMouseEvent* event)
{
    if (!isExtBtn)
        return;
    const bool over = event->pos().x() > owner->width() - extWidth;
    if (over != extHover) {
        extHover = over;
        owner->update();
    }
}

} // namespace VelQtLib
