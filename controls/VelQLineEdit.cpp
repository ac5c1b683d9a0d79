#include "controls/VelQLineEdit_p.h"

#include "framework/AttrReader.h"
#include "framework/ClearBackground_p.h"

#include <QKeyEvent>

namespace VelQtLib {

VelQLineEdit::VelQLineEdit(QWidget* parent)
    : VelQControl<QLineEdit>(parent)
{
    setImpl(new VelQLineEditImpl(this));
    setFrame(false);
    clearBackground(this);
}

VelQLineEdit::~VelQLineEdit() = default;

VelQLineEditImpl* VelQLineEdit::d() const
{
    return static_cast<VelQLineEditImpl*>(const_cast<VelQLineEdit*>(this)->impl());
}

void VelQLineEdit::setTipText(const QString& text)
{
    d()->tipText = text;
}

bool VelQLineEdit::event(QEvent* event)
{
    // A captured combination must reach the edit, not trigger the application's shortcut.
    if (event->type() == QEvent::ShortcutOverride && d()->shortcutMode
        && VelQLineEditImpl::capturesKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

// The skin first, then Qt's text and cursor in the state's font and colour.
void VelQLineEdit::paintEvent(QPaintEvent* event)
{
    d()->onPaint();
    d()->applyStateStyle(d()->state);
    QLineEdit::paintEvent(event);
}

void VelQLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (echoMode() != Normal
        && (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Paste)
            || event->matches(QKeySequence::Copy)))
        return;
    if (d()->shortcutMode)
        d()->captureShortcut(event);
    else
        QLineEdit::keyPressEvent(event);
}

void VelQLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    d()->onFocusIn();
}

void VelQLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    d()->onFocusOut();
}

void VelQLineEdit::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
}

void VelQLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
}

void VelQLineEdit::mouseMoveEvent(QMouseEvent* event)
{
    QLineEdit::mouseMoveEvent(event);
}

VelQLineEditImpl::VelQLineEditImpl(VelQLineEdit* owner)
    : VelQEditImplBase(owner, owner->typeName())
{
}

bool VelQLineEditImpl::isEmpty() const
{
    return edit()->text().isEmpty();
}

bool VelQLineEditImpl::capturesKey(int key)
{
    return key == Qt::Key_Backspace || key == Qt::Key_Delete
        || (key >= Qt::Key_F1 && key <= Qt::Key_F35) || (key >= Qt::Key_A && key <= Qt::Key_Z);
}

void VelQLineEditImpl::captureShortcut(QKeyEvent* event)
{
    const int key = event->key();
    if (!capturesKey(key)) {
        event->ignore();
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        edit()->clear();
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        edit()->setText(QLatin1Char('F') + QString::number(key - Qt::Key_F1 + 1));
    } else {
        QStringList parts;
        const Qt::KeyboardModifiers modifiers = event->modifiers();
        if (modifiers & Qt::ControlModifier)
            parts << QStringLiteral("CTRL");
        if (modifiers & Qt::AltModifier)
            parts << QStringLiteral("ALT");
        if (modifiers & Qt::ShiftModifier)
            parts << QStringLiteral("SHIFT");
        parts << QString(QChar(key));
        edit()->setText(parts.join(QLatin1Char('+')));
    }
}

bool VelQLineEditImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQEditImplBase::parseAttributes(json);
    if (!json)
        return result;
    // The hint is drawn in the Hover text style.
    if (styleSlots().read(*json) > 0)
        tipStyle = textStyles[Hover];
    const AttrReader attr(json);
    if (!attr)
        return result;
    if (!restyling) {
        QString text;
        if (attr.readUtf8("text", text))
            edit()->setText(text);
        bool password = false;
        if (attr.read("ispassord", password) && password) {
            edit()->setContextMenuPolicy(Qt::NoContextMenu);
            edit()->setEchoMode(QLineEdit::Password);
        }
        attr.readText("tip", tipText);
        attr.read("shortcut", shortcutMode);
    }
    // An absent right or bottom margin mirrors the left or top one.
    int left = 0;
    int top = 0;
    attr.read("leftMargin", left);
    int right = left;
    attr.read("rightMargin", right);
    attr.read("topMargin", top);
    int bottom = top;
    attr.read("bottomMargin", bottom);
    edit()->setContentsMargins(left, top, right, bottom);
    return result;
}

} // namespace VelQtLib
