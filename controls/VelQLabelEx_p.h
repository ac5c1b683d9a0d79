#pragma once

#include "controls/VelQLabelEx.h"

#include <QTextDocument>

#include <memory>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQLabelExImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQLabelExImpl(VelQLabelEx* owner);
    ~VelQLabelExImpl() override;

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    // A press keeps the selection; a double click selects everything, a move drags its end.
    void onMousePress(QMouseEvent* event) override;
    void onMouseRelease(QMouseEvent* event) override;
    void onMouseMove(QMouseEvent* event) override;
    void onMouseDoubleClick(QMouseEvent* event) override;

    void clearSelection();
    // The end of the text: block count, last line of the first block, last cursor position.
    TextPosition endPosition();
    // The line under p and the cursor position there, or an invalid position.
    TextPosition hitTest(const QPoint& p) const;
    // Stores the earlier of a and b as the start.
    void setSelection(const TextPosition& a, const TextPosition& b);

    TextStyle textStyle;
    TextPosition selectionStart;
    TextPosition selectionEnd;
    std::unique_ptr<QTextDocument> document;

private:
    void drawSelection(QPainter* painter) const;
};

} // namespace VelQtLib
