#pragma once

#include "framework/VelQControlBaseImpl.h"
#include "framework/VelQWindow.h"

#include <QPoint>

namespace VelQtLib {

// Edges of a resize in progress.
enum ResizeEdge {
    NoEdge = -1,
    LeftEdge = 0,
    RightEdge = 1,
    TopEdge = 2,
    BottomEdge = 3,
    BottomRightEdge = 4,
    TopRightEdge = 5,
    TopLeftEdge = 6,
    BottomLeftEdge = 7
};

class VELQTLIB_EXPORT VelQWindowImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQWindowImpl(VelQWindow* owner);

    int resizeEdge = NoEdge;
    bool resizable = false;
    bool draggable = true;
    int resizeMargin = 4;
    bool dragging = false;
    QString backgroundImage;
    ImageStyle frame = defaultFrame();
    bool useFrame = true;
    QPoint lastGlobalPos;
    bool paintBackground = false;
    bool cursorChanged = false;
    int minWidth = 400;
    int minHeight = 400;
    bool onlyDragCaption = false;
    int captionHeight = 40;
    bool doubleClickMaximize = false;
    QEventLoop* eventLoop = nullptr;

private:
    static ImageStyle defaultFrame();
};

} // namespace VelQtLib
