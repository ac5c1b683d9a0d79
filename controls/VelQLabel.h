#pragma once

#include "framework/VelQControl.h"

#include <QLabel>

namespace VelQtLib {

class VelQLabelImpl;

// A QLabel whose font, colour and alignment come from a text style; Qt paints it, and a resize
// shortens the text to the label's width.
class VELQTLIB_EXPORT VelQLabel : public VelQControl<QLabel> {
    Q_OBJECT
public:
    explicit VelQLabel(QWidget* parent = nullptr);
    ~VelQLabel() override;

    QString typeName() const override { return QStringLiteral("qtlabel"); }

public slots:
    // Shows s in full; the next resize shortens it to the width.
    void setText(const QString& s);

protected:
    // Qt's own label painting and mouse handling; nothing reaches the implementation.
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    VelQLabelImpl* d() const;
    Q_DISABLE_COPY(VelQLabel)
};

} // namespace VelQtLib
