#pragma once

#include "framework/VelQControl.h"

#include <QLabel>

#include <tuple>

namespace VelQtLib {

class VelQLabelExImpl;

// A place in a rich label's document; all -1 when there is none.
struct TextPosition {
    int block = -1;
    int line = -1; // line of the block's layout
    int column = -1; // cursor position, as QTextLine::xToCursor gives it

    bool isValid() const { return block != -1 && line != -1 && column != -1; }
    friend bool operator==(const TextPosition& a, const TextPosition& b)
    {
        return std::tie(a.block, a.line, a.column) == std::tie(b.block, b.line, b.column);
    }
    friend bool operator!=(const TextPosition& a, const TextPosition& b) { return !(a == b); }
    friend bool operator<(const TextPosition& a, const TextPosition& b)
    {
        return std::tie(a.block, a.line, a.column) < std::tie(b.block, b.line, b.column);
    }
};

// A label that paints a text document itself, with a selection that a double click makes and
// mouse moves extend.
class VELQTLIB_EXPORT VelQLabelEx : public VelQControl<QLabel> {
    Q_OBJECT
public:
    explicit VelQLabelEx(QWidget* parent = nullptr);
    ~VelQLabelEx() override;

    void setPlainText(const QString& text);
    QString toHtml() const;

    QString typeName() const override { return QStringLiteral("qtlabelex"); }

protected:
    // The mouse reaches the implementation only while text interaction is on; Qt's label
    // handlers never run.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQLabelExImpl* d() const;
    bool interactive() const;
    Q_DISABLE_COPY(VelQLabelEx)
};

} // namespace VelQtLib
