#include "controls/VelQProgressBar_p.h"

#include "controls/FillLength_p.h"
#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QPainter>

namespace VelQtLib {

VelQProgressBar::VelQProgressBar(QWidget* parent)
    : VelQControl<QProgressBar>(parent)
{
    setImpl(new VelQProgressBarImpl(this));
}

VelQProgressBar::~VelQProgressBar() = default;

VelQProgressBarImpl::VelQProgressBarImpl(VelQProgressBar* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

// The bar has one look, so painting leaves the state alone.
void VelQProgressBarImpl::onPaint()
{
    QPainter painter(owner);
    draw(&painter, QRect(0, 0, owner->width(), owner->height()));
}

QRect VelQProgressBarImpl::chunkRect(const QRect& r) const
{
    const qint64 range = qint64(bar()->maximum()) - bar()->minimum();
    // An empty range (Qt's busy indicator) has no fraction to show.
    if (range == 0)
        return QRect(r.left(), r.top(), 0, 0);
    // The fraction is value / range, not (value - minimum) / range.
    if (bar()->orientation() == Qt::Horizontal)
        return QRect(
            r.left(), r.top(), fillLength(bar()->value(), float(range), r.width()), r.height());
    const int fill = fillLength(bar()->value(), float(range), r.height());
    return QRect(r.left(), r.top() + r.height() - fill, r.width(), fill);
}

void VelQProgressBarImpl::draw(QPainter* painter, const QRect& rect)
{
    const QRect groove(rect.left(), rect.top(), rect.width(), rect.height());
    drawImageStyle(painter, grooveStyle, groove);
    drawImageStyle(painter, chunkStyle, chunkRect(groove));
    if (showText)
        drawStyledText(painter, QStringLiteral("%1%").arg(bar()->value()), textStyle, groove, true);
}

bool VelQProgressBarImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().image(0, {&grooveStyle}).image(2, {&chunkStyle}).text(4, {&textStyle}).read(*json);
    const AttrReader attr(json);
    if (!attr)
        return result;
    attr.read("showText", showText);
    int value = 0;
    if (!restyling && attr.read("val", value))
        bar()->setValue(value);
    return result;
}

} // namespace VelQtLib
