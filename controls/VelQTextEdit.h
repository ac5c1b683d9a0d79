#pragma once

#include "framework/VelQControl.h"

#include <QTextEdit>

namespace VelQtLib {

class VelQTextEditImpl;

// A frameless, transparent QTextEdit whose viewport shows a skinned background per state and
// a hint while the document is empty, under Qt's own document painting; its two scroll bars
// are VelQScrollBars, skinned by the description's "scrollbar" children.
class VELQTLIB_EXPORT VelQTextEdit : public VelQControl<QTextEdit> {
    Q_OBJECT
public:
    explicit VelQTextEdit(QWidget* parent = nullptr);
    ~VelQTextEdit() override;

    // The hint shown while the document is empty; it shows at the next paint.
    void setTipText(const QString& text);

    QString typeName() const override { return QStringLiteral("qttext"); }

protected:
    // Paints the skin into the viewport before Qt paints the document over it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The mouse is QTextEdit's alone: it does not change the skin's state.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    VelQTextEditImpl* d() const;
    Q_DISABLE_COPY(VelQTextEdit)
};

} // namespace VelQtLib
