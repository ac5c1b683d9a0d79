#include "controls/VelQLabelEx_p.h"

#include "framework/AttrReader.h"
#include "framework/StyleSlots.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

namespace VelQtLib {

VelQLabelEx::VelQLabelEx(QWidget* parent)
    : VelQControl<QLabel>(parent)
{
    setImpl(new VelQLabelExImpl(this));
    setPlainText(QStringLiteral("label"));
}

VelQLabelEx::~VelQLabelEx() = default;

VelQLabelExImpl* VelQLabelEx::d() const
{
    return static_cast<VelQLabelExImpl*>(const_cast<VelQLabelEx*>(this)->impl());
}

void VelQLabelEx::setPlainText(const QString& text)
{
    d()->document->setPlainText(text);
}

QString VelQLabelEx::toHtml() const
{
    return d()->document->toHtml();
}

bool VelQLabelEx::interactive() const
{
    return textInteractionFlags() != Qt::NoTextInteraction;
}

void VelQLabelEx::mousePressEvent(QMouseEvent* event)
{
    if (interactive())
        d()->onMousePress(event);
}

void VelQLabelEx::mouseReleaseEvent(QMouseEvent* event)
{
    if (interactive())
        d()->onMouseRelease(event);
}

void VelQLabelEx::mouseMoveEvent(QMouseEvent* event)
{
    if (interactive())
        d()->onMouseMove(event);
}

void VelQLabelEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (interactive())
        d()->onMouseDoubleClick(event);
}

void VelQLabelEx::enterEvent(EnterEvent* event)
{
    QLabel::enterEvent(event);
}

void VelQLabelEx::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
}

VelQLabelExImpl::VelQLabelExImpl(VelQLabelEx* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
    , document(std::make_unique<QTextDocument>())
{
}

VelQLabelExImpl::~VelQLabelExImpl() = default;

void VelQLabelExImpl::draw(QPainter* painter, const QRect& rect)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->translate(rect.topLeft());
    document->setPageSize(rect.size());
    if (selectionStart.isValid() && selectionEnd.isValid())
        drawSelection(painter);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setBrush(QPalette::Text, QBrush(textStyle.color));
    context.cursorPosition = -1;
    document->documentLayout()->draw(painter, context);
    painter->restore();
}

void VelQLabelExImpl::drawSelection(QPainter* painter) const
{
    document->size(); // lays the document out at its page size
    const QTextLayout* layout = document->firstBlock().layout();
    if (!layout)
        return;
    // Moves may drag the end before the start.
    const TextPosition& from = std::min(selectionStart, selectionEnd);
    const TextPosition& to = std::max(selectionStart, selectionEnd);
    const int lines = layout->lineCount();
    if (from.line >= lines || to.line >= lines)
        return;
    const QColor highlight(155, 202, 239);
    const auto fill = [&](qreal x, qreal y, qreal w, qreal h) {
        painter->fillRect(QRect(int(x), int(y), int(w), int(h)), highlight);
    };
    const QTextLine first = layout->lineAt(from.line);
    const QTextLine last = layout->lineAt(to.line);
    if (from.line != to.line) {
        const qreal x1 = first.cursorToX(from.column);
        fill(x1 + 5, first.y() + 5, first.horizontalAdvance() - x1, first.height());
        fill(5, last.y() + 5, last.cursorToX(to.column), last.height());
        for (int i = from.line + 1; i < to.line; ++i) {
            const QTextLine line = layout->lineAt(i);
            fill(5, line.y() + 5, line.horizontalAdvance(), line.height());
        }
    } else if (!document->isEmpty()) {
        const qreal x1 = last.cursorToX(from.column);
        const qreal x2 = last.cursorToX(to.column);
        fill(x1 + 5, last.y() + 5, x2 - x1, last.height());
    }
}

bool VelQLabelExImpl::parseAttributes(const ::Json::Value*& json)
{
    const bool result = VelQControlBaseImpl::parseAttributes(json);
    if (!json)
        return result;
    StyleSlots().text(0, {&textStyle}).read(*json);
    QString text;
    if (!restyling && AttrReader(json).readText("text", text))
        document->setPlainText(text);
    document->setDefaultFont(fontOf(textStyle));
    return result;
}

void VelQLabelExImpl::onMousePress(QMouseEvent*) { }

void VelQLabelExImpl::onMouseRelease(QMouseEvent*)
{
    owner->setMouseTracking(false);
    owner->repaint();
}

void VelQLabelExImpl::onMouseMove(QMouseEvent* event)
{
    const TextPosition p = hitTest(event->pos());
    if (p == selectionEnd)
        return;
    selectionEnd = p;
    owner->repaint();
}

void VelQLabelExImpl::onMouseDoubleClick(QMouseEvent*)
{
    selectionStart = {0, 0, 0};
    selectionEnd = endPosition();
    owner->repaint();
}

void VelQLabelExImpl::clearSelection()
{
    selectionStart = TextPosition();
    selectionEnd = TextPosition();
}

TextPosition VelQLabelExImpl::endPosition()
{
    TextPosition end;
    end.block = document->blockCount();
    document->setPageSize(QSizeF(owner->width() + 20, owner->height() + 10));
    document->size();
    const QTextLayout* layout = document->firstBlock().layout();
    if (layout && layout->lineCount() > 0) {
        end.line = layout->lineCount() - 1;
        QTextCursor cursor(document.get());
        cursor.movePosition(QTextCursor::End);
        end.column = cursor.position();
    }
    return end;
}

TextPosition VelQLabelExImpl::hitTest(const QPoint& p) const
{
    document->size();
    int blockIndex = 0;
    for (QTextBlock block = document->firstBlock(); block.isValid();
         block = block.next(), ++blockIndex) {
        const QTextLayout* layout = block.layout();
        if (!layout)
            continue;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.rect().contains(p))
                return {blockIndex, i, line.xToCursor(p.x())};
        }
    }
    return TextPosition();
}

void VelQLabelExImpl::setSelection(const TextPosition& a, const TextPosition& b)
{
    selectionStart = std::min(a, b);
    selectionEnd = std::max(a, b);
}

} // namespace VelQtLib
