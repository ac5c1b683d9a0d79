#include "controls/VelQEditImplBase_p.h"

#include <QWidget>

namespace VelQtLib {

VelQEditImplBase::VelQEditImplBase(QWidget* owner, const QString& typeName)
    : VelQControlBaseImpl(owner, typeName)
{
}

StyleSlots VelQEditImplBase::styleSlots()
{
    StyleSlots table;
    table.imageGroup(0, bgStyles).textGroup(4, textStyles);
    return table;
}

void VelQEditImplBase::applyStateStyle(int s)
{
    if (s < Normal || s > Disabled)
        return;
    const TextStyle& style = textStyles[s];
    const QBrush text(style.color);
    if (!owner->testAttribute(Qt::WA_SetPalette) || !owner->palette().isCopyOf(m_applied)
        || m_applied.brush(QPalette::Text) != text) {
        QPalette palette = owner->palette();
        palette.setBrush(QPalette::Text, text);
        owner->setPalette(palette);
        m_applied = owner->palette();
    }
    // Only size and family: bold, italic and underline stay as they are.
    QFont font(style.family);
    font.setPixelSize(qMax(1, style.size));
    owner->setFont(font);
}

void VelQEditImplBase::draw(QPainter* painter, const QRect& rect)
{
    if (state == Hover)
        state = Normal;
    drawImageStyle(painter, bgStyles[state], rect);
    if (isEmpty() && !tipText.isEmpty())
        drawStyledText(
            painter, tipText, tipStyle, rect.marginsRemoved(owner->contentsMargins()), true);
}

void VelQEditImplBase::fillSamples()
{
    applyStateStyle(Normal);
}

void VelQEditImplBase::onEnter(QEvent*)
{
    if (state != Focused)
        state = Hover;
    owner->repaint();
}

void VelQEditImplBase::onLeave(QEvent*)
{
    if (state != Focused)
        state = Normal;
    owner->repaint();
}

void VelQEditImplBase::onFocusIn()
{
    state = Focused;
    owner->repaint();
}

void VelQEditImplBase::onFocusOut()
{
    state = Normal;
    owner->repaint();
}

} // namespace VelQtLib
