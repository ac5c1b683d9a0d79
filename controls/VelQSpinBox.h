#pragma once

#include "framework/VelQControl.h"

#include <QSpinBox>

namespace VelQtLib {

// A transparent, frameless QSpinBox that paints nothing of its own: only its line edit,
// showing the value, appears over the parent's skin. Mouse and keys are QSpinBox's.
class VELQTLIB_EXPORT VelQSpinBox : public VelQControl<QSpinBox> {
    Q_OBJECT
public:
    explicit VelQSpinBox(QWidget* parent = nullptr);
    ~VelQSpinBox() override;

    QString typeName() const override { return QStringLiteral("qtspinbox"); }

protected:
    // Only painting goes to the implementation; the skin's state plays no part.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(VelQSpinBox)
};

} // namespace VelQtLib
