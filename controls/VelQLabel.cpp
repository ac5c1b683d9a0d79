#include "controls/VelQLabel_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QFontMetrics>
#include <QPalette>

namespace VelQtLib {

VelQLabel::VelQLabel(QWidget* parent)
    : VelQControl<QLabel>(parent)
{
    setImpl(new VelQLabelImpl(this));
    setText(QStringLiteral("label"));
}

VelQLabel::~VelQLabel() = default;

VelQLabelImpl* VelQLabel::d() const
{
    return static_cast<VelQLabelImpl*>(const_cast<VelQLabel*>(this)->impl());
}

void VelQLabel::setText(const QString& s)
{
    d()->text = s;
    QLabel::setText(s);
}

void VelQLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
}

void VelQLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
}

void VelQLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
}

void VelQLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
}

void VelQLabel::enterEvent(QEvent* event)
{
    QLabel::enterEvent(event);
}

void VelQLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
}

void VelQLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (d()->textStyle.elideMode != Qt::ElideNone)
        QLabel::setText(d()->shortened(width()));
}

VelQLabelImpl::VelQLabelImpl(VelQLabel* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQLabelImpl::draw(QPainter* painter, const QRect& rect)
{
    drawStyledText(painter, label()->text(), textStyle, rect);
}

bool VelQLabelImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().text(0, {&textStyle}).read(*json);
    const AttrReader attr(json);
    QString newText;
    if (!restyling && attr.readText("text", newText))
        label()->setText(newText);
    applyStyle();
    return result;
}

void VelQLabelImpl::applyStyle()
{
    owner->setFont(fontOf(textStyle));
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(textStyle.color));
    owner->setPalette(palette);
    label()->setAlignment(alignmentOf(textStyle));
}

QString VelQLabelImpl::shortened(int width) const
{
    const auto mode = Qt::TextElideMode(qBound(0, textStyle.elideMode, int(Qt::ElideNone)));
    return QFontMetrics(fontOf(textStyle)).elidedText(text, mode, width);
}

} // namespace VelQtLib
