#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

// A bar painted with one image style; it ignores the mouse, so dragging it moves nothing.
class VELQTLIB_EXPORT VelQSplitter : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQSplitter(QWidget* parent = nullptr);
    ~VelQSplitter() override;

    QString typeName() const override { return QStringLiteral("qtsplitter"); }

protected:
    // Swallowed: neither Qt nor the skin sees presses, releases or drags.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Qt's own: hovering changes nothing on a splitter.
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(VelQSplitter)
};

} // namespace VelQtLib
