#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

class VelQSwitchImpl;

// An on/off switch whose thumb slides to the other end when it is pressed or gets Space while it
// has the keyboard focus; the switch takes its new state when the slide ends.
class VELQTLIB_EXPORT VelQSwitch : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQSwitch(QWidget* parent = nullptr);
    ~VelQSwitch() override;

    // The label shown while on, at the left; no repaint.
    void setLeftText(const QString& text);
    // The label shown while off, at the right; no repaint.
    void setRightText(const QString& text);

    QString typeName() const override { return QStringLiteral("qtswitch"); }

protected:
    // The switch takes the press itself instead of passing it to its parent.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space slides the switch, as a click does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    VelQSwitchImpl* d() const;
    Q_DISABLE_COPY(VelQSwitch)
};

} // namespace VelQtLib
