#pragma once

#include "framework/VelQControl.h"

#include <QLabel>

namespace VelQtLib {

class VelQLabelImpl;

// A QLabel whose font, colour and alignment come from a text style. Qt paints it; a plain text
// wider than the label is painted shortened by the style's elide mode, while text() stays whole.
class VELQTLIB_EXPORT VelQLabel : public VelQControl<QLabel> {
    Q_OBJECT
public:
    explicit VelQLabel(QWidget* parent = nullptr);
    ~VelQLabel() override;

    QString typeName() const override { return QStringLiteral("qtlabel"); }

protected:
    // Qt's own label painting and mouse handling; nothing reaches the implementation.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQLabelImpl* d() const;
    Q_DISABLE_COPY(VelQLabel)
};

} // namespace VelQtLib
