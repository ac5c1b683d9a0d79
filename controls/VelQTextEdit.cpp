#include "controls/VelQTextEdit_p.h"

#include "controls/VelQScrollBar.h"
#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"
#include "framework/ScrollBarChild.h"

#include <QPainter>

namespace VelQtLib {

VelQTextEdit::VelQTextEdit(QWidget* parent)
    : VelQControl<QTextEdit>(parent)
{
    setImpl(new VelQTextEditImpl(this));
    clearBackground(viewport());
    // WARNING: scoped to the text edit itself. A rule that reached the scroll bars would hand
    // their geometry to the style sheet style, which lays the arrows of the bars' partial
    // sheets over the whole groove.
    setStyleSheet(QStringLiteral("VelQtLib--VelQTextEdit { background-color: rgba(0, 0, 0, 0); }"));
    setVerticalScrollBar(new VelQScrollBar(Qt::Vertical, this));
    setHorizontalScrollBar(new VelQScrollBar(Qt::Horizontal, this));
    viewport()->installEventFilter(this);
    setFrameStyle(QFrame::NoFrame);
}

VelQTextEdit::~VelQTextEdit() = default;

VelQTextEditImpl* VelQTextEdit::d() const
{
    return static_cast<VelQTextEditImpl*>(const_cast<VelQTextEdit*>(this)->impl());
}

void VelQTextEdit::setTipText(const QString& text)
{
    d()->tipText = text;
}

bool VelQTextEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Paint) {
        d()->applyStateStyle(d()->state);
        QPainter painter(viewport());
        d()->draw(&painter, QRect(0, 0, viewport()->width(), viewport()->height()));
    }
    return QTextEdit::eventFilter(watched, event);
}

// The document only: the skin is painted by the viewport's filter, and the text edit never
// takes the Disabled look.
void VelQTextEdit::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
}

void VelQTextEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    d()->onFocusIn();
}

void VelQTextEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    d()->onFocusOut();
}

void VelQTextEdit::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
}

void VelQTextEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
}

void VelQTextEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
}

VelQTextEditImpl::VelQTextEditImpl(VelQTextEdit* owner)
    : VelQEditImplBase(owner, owner->typeName())
{
}

bool VelQTextEditImpl::isEmpty() const
{
    return edit()->document()->isEmpty();
}

bool VelQTextEditImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQEditImplBase::parseAttributes(json);
    if (!json)
        return result;
    styleSlots().text(8, {&tipStyle}).read(*json);
    const AttrReader attr(json);
    if (attr) {
        if (!restyling) {
            QString text;
            if (attr.readUtf8("text", text))
                edit()->setText(text);
            attr.readText("tip", tipText);
        }
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        attr.read("leftMargin", left);
        attr.read("rightMargin", right);
        attr.read("topMargin", top);
        attr.read("bottomMargin", bottom);
        edit()->setContentsMargins(left, top, right, bottom);
    }
    // The scroll-bar children apply with or without "attr".
    readScrollBarChildren(*json, qobject_cast<VelQScrollBar*>(edit()->horizontalScrollBar()),
        qobject_cast<VelQScrollBar*>(edit()->verticalScrollBar()), thicknessLongSheetRule);
    return result;
}

} // namespace VelQtLib
