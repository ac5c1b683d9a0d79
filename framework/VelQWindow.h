#pragma once

#include "theme/StyleTypes.h"

#include <QDialog>

class QEventLoop;

namespace VelQtLib {

class VelQWindowImpl;

// A top-level window, usually frameless, that moves itself when its caption band is dragged
// and resizes itself when its edges are dragged. Its looks come from the controls of its
// UI description.
class VELQTLIB_EXPORT VelQWindow : public QDialog {
    Q_OBJECT
public:
    explicit VelQWindow(QWidget* parent = nullptr);
    ~VelQWindow() override;

    void setDraggable(bool draggable);
    // Also switches mouse tracking, so that hovering an edge shows a resize cursor.
    void setResizable(bool resizable);
    void setMinHeight(int height);
    void setMinWidth(int width);
    void setOnlyDragCaption(bool only);
    // The window paints its own background: the frame record, or the named image record.
    void setPaintBackground(bool paint);
    void setFrame(const ImageStyle& frame);
    void setBackgroundImage(const QString& styleName);
    void setUseFrame(bool useFrame);
    // A double click in the caption band toggles the maximised state.
    void setDoubleClickMaximize(bool toggle);
    // Moves the window to the middle of the primary screen.
    void centerOnScreen();

    VelQWindowImpl* impl() const { return m_impl; }
    // Ended with code 0 when the window closes.
    QEventLoop* eventLoop() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    VelQWindowImpl* m_impl;
    Q_DISABLE_COPY(VelQWindow)
};

} // namespace VelQtLib
