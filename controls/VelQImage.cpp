#include "controls/VelQImage_p.h"

#include "framework/AttrReader.h"
#include "theme/ThemeManager.h"

#include <QPainter>

namespace VelQtLib {

namespace {

// Position of an extent in a box: 1 centred, 2 at the end, anything else at the start.
int placed(int align, int box, int extent)
{
    if (align == 1)
        return (box - extent) / 2;
    if (align == 2)
        return box - extent;
    return 0;
}

} // namespace

VelQImage::VelQImage(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQImageImpl(this));
}

VelQImage::~VelQImage() = default;

VelQImageImpl* VelQImage::d() const
{
    return static_cast<VelQImageImpl*>(const_cast<VelQImage*>(this)->impl());
}

QString VelQImage::path() const
{
    return d()->path;
}

void VelQImage::setPath(const QString& path)
{
    if (d()->path == path)
        return;
    d()->path = path;
    update();
}

bool VelQImage::fill() const
{
    return d()->fill;
}

void VelQImage::setFill(bool fill)
{
    if (d()->fill == fill)
        return;
    d()->fill = fill;
    update();
}

VelQImageImpl::VelQImageImpl(VelQImage* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

// A picture has no states: painting leaves the state alone.
void VelQImageImpl::onPaint()
{
    QPainter painter(owner);
    draw(&painter, QRect(0, 0, owner->width(), owner->height()));
}

void VelQImageImpl::draw(QPainter* painter, const QRect& rect)
{
    if (path.isEmpty())
        return;
    const QImage* image = CThemeManager::instance().getImage(path, false);
    if (!image || image->isNull())
        return;
    const int w = owner->width();
    const int h = owner->height();
    if (fill) {
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawImage(QRect(rect.left(), rect.top(), w, h), *image, image->rect());
        return;
    }
    const QSize size = image->size();
    painter->drawImage(QPoint(rect.left() + placed(hAlign, w, size.width()),
                           rect.top() + placed(vAlign, h, size.height())),
        *image);
}

bool VelQImageImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    if (!restyling)
        attr.readUtf8("path", path);
    attr.read("fill", fill);
    return result;
}

} // namespace VelQtLib
