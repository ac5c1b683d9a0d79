#include "controls/VelQLabel_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QStyleOption>
#include <QTextDocument>

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

void VelQLabel::paintEvent(QPaintEvent* event)
{
    // Rich text, selectable text and mnemonics for a buddy are Qt's to lay out, unshortened.
    const bool plain = textFormat() == Qt::PlainText
        || (textFormat() == Qt::AutoText && !Qt::mightBeRichText(text()));
    const bool selectable = textInteractionFlags()
        & (Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable);
    if (!plain || selectable || buddy()) {
        QLabel::paintEvent(event);
        return;
    }
    // As Qt's label lays out a plain text: inside the margin and the indent.
    QRect box = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const Qt::LayoutDirection direction
        = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const Qt::Alignment align = QStyle::visualAlignment(direction, alignment());
    int indent = this->indent();
    if (indent < 0 && frameWidth())
        indent = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (indent > 0) {
        box.adjust(align & Qt::AlignLeft ? indent : 0, align & Qt::AlignTop ? indent : 0,
            align & Qt::AlignRight ? -indent : 0, align & Qt::AlignBottom ? -indent : 0);
    }
    const QString shown = d()->shownText(box.width());
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    QStyleOption option;
    option.initFrom(this);
    const int flags = int(align)
        | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(
        &painter, box, flags, option.palette, isEnabled(), shown, foregroundRole());
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

void VelQLabel::enterEvent(EnterEvent* event)
{
    QLabel::enterEvent(event);
}

void VelQLabel::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
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

QString VelQLabelImpl::shownText(int width) const
{
    const auto mode = Qt::TextElideMode(qBound(0, textStyle.elideMode, int(Qt::ElideNone)));
    if (mode == Qt::ElideNone)
        return label()->text();
    return label()->fontMetrics().elidedText(label()->text(), mode, width);
}

} // namespace VelQtLib
