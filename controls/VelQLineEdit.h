#pragma once

#include "framework/VelQControl.h"

#include <QLineEdit>

namespace VelQtLib {

class VelQLineEditImpl;

// A frameless, transparent QLineEdit over a skinned background per state, with a hint while
// it is empty. Qt draws the text and cursor in the state's font and colour. Password mode
// also blocks copy, paste and select-all; shortcut mode turns key presses into their names.
class VELQTLIB_EXPORT VelQLineEdit : public VelQControl<QLineEdit> {
    Q_OBJECT
public:
    explicit VelQLineEdit(QWidget* parent = nullptr);
    ~VelQLineEdit() override;

    // The hint shown while the edit is empty; it shows at the next paint.
    void setTipText(const QString& text);

    QString typeName() const override { return QStringLiteral("qtdedit"); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The mouse is QLineEdit's alone: it does not change the skin's state.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    VelQLineEditImpl* d() const;
    Q_DISABLE_COPY(VelQLineEdit)
};

} // namespace VelQtLib
