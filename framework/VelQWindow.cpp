#include "framework/VelQWindow_p.h"

#include "framework/IVelQControlBase.h"
#include "framework/VelQControlBase.h"
#include "theme/ThemeManager.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace VelQtLib {

namespace {

struct EdgeBands {
    bool left, right, top, bottom;
};

EdgeBands bandsAt(const QPoint& p, const QSize& size, int margin)
{
    return {p.x() < margin, p.x() > size.width() - margin, p.y() < margin,
        p.y() > size.height() - margin};
}

int edgeOf(const EdgeBands& b)
{
    if (b.bottom && b.right)
        return BottomRightEdge;
    if (b.top && b.left)
        return TopLeftEdge;
    if (b.bottom && b.left)
        return BottomLeftEdge;
    if (b.top && b.right)
        return TopRightEdge;
    if (b.left)
        return LeftEdge;
    if (b.right)
        return RightEdge;
    if (b.top)
        return TopEdge;
    if (b.bottom)
        return BottomEdge;
    return NoEdge;
}

bool growsLeft(int edge)
{
    return edge == LeftEdge || edge == TopLeftEdge || edge == BottomLeftEdge;
}

bool growsRight(int edge)
{
    return edge == RightEdge || edge == BottomRightEdge || edge == TopRightEdge;
}

bool growsUp(int edge)
{
    return edge == TopEdge || edge == TopRightEdge || edge == TopLeftEdge;
}

bool growsDown(int edge)
{
    return edge == BottomEdge || edge == BottomRightEdge || edge == BottomLeftEdge;
}

} // namespace

VelQWindowImpl::VelQWindowImpl(VelQWindow* owner)
    : VelQControlBaseImpl(owner, QStringLiteral("VelWindow"))
{
}

ImageStyle VelQWindowImpl::defaultFrame()
{
    ImageStyle frame;
    frame.borderColor = QColor(128, 128, 128);
    frame.borderSize = 0;
    return frame;
}

VelQWindow::VelQWindow(QWidget* parent)
    : QDialog(parent, Qt::WindowFlags())
    , m_impl(new VelQWindowImpl(this))
{
    m_impl->eventLoop = new QEventLoop(this);
}

VelQWindow::~VelQWindow()
{
    delete m_impl;
}

QEventLoop* VelQWindow::eventLoop() const
{
    return m_impl->eventLoop;
}

void VelQWindow::setDraggable(bool draggable)
{
    m_impl->draggable = draggable;
}

void VelQWindow::setResizable(bool resizable)
{
    m_impl->resizable = resizable;
    setAttribute(Qt::WA_MouseTracking, resizable);
}

void VelQWindow::setMinHeight(int height)
{
    m_impl->minHeight = height;
}

void VelQWindow::setMinWidth(int width)
{
    m_impl->minWidth = width;
}

void VelQWindow::setOnlyDragCaption(bool only)
{
    m_impl->onlyDragCaption = only;
}

void VelQWindow::setPaintBackground(bool paint)
{
    m_impl->paintBackground = paint;
    update();
}

void VelQWindow::setFrame(const ImageStyle& frame)
{
    m_impl->frame = frame;
    update();
}

void VelQWindow::setBackgroundImage(const QString& styleName)
{
    m_impl->backgroundImage = styleName;
    update();
}

void VelQWindow::setUseFrame(bool useFrame)
{
    m_impl->useFrame = useFrame;
    update();
}

void VelQWindow::setDoubleClickMaximize(bool toggle)
{
    m_impl->doubleClickMaximize = toggle;
}

void VelQWindow::centerOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    move((available.width() - width()) / 2, (available.height() - height()) / 2);
}

void VelQWindow::mousePressEvent(QMouseEvent* event)
{
    VelQWindowImpl* d = m_impl;
    if (d->resizable && !isMaximized()) {
        const int edge
            = edgeOf(bandsAt(mapFromGlobal(event->globalPos()), size(), d->resizeMargin));
        if (edge != NoEdge)
            d->resizeEdge = edge;
    }
    if (d->draggable && event->button() == Qt::LeftButton && event->pos().y() < d->captionHeight) {
        d->dragging = true;
        event->accept();
    }
    d->lastGlobalPos = event->globalPos();
}

void VelQWindow::mouseMoveEvent(QMouseEvent* event)
{
    VelQWindowImpl* d = m_impl;
    const QPoint global = event->globalPos();
    if (d->resizable && !isMaximized()) {
        if (d->resizeEdge == NoEdge) {
            const EdgeBands b = bandsAt(event->pos(), size(), d->resizeMargin);
            if ((b.top && b.left) || (b.bottom && b.right)) {
                setCursor(Qt::SizeFDiagCursor);
                d->cursorChanged = true;
            } else if ((b.bottom && b.left) || (b.top && b.right)) {
                setCursor(Qt::SizeBDiagCursor);
                d->cursorChanged = true;
            } else if (b.left || b.right) {
                setCursor(Qt::SizeHorCursor);
                d->cursorChanged = true;
            } else if (b.top || b.bottom) {
                setCursor(Qt::SizeVerCursor);
                d->cursorChanged = true;
            } else if (d->cursorChanged && !d->dragging) {
                setCursor(Qt::ArrowCursor);
                d->cursorChanged = false;
            }
        } else {
            const QPoint delta = global - d->lastGlobalPos;
            const int edge = d->resizeEdge;
            if (growsRight(edge)) {
                const int w = width() + delta.x();
                setFixedWidth(qMax(w, d->minWidth));
                if (w >= d->minWidth)
                    d->lastGlobalPos.setX(global.x());
            } else if (growsLeft(edge)) {
                const int w = width() - delta.x();
                setFixedWidth(qMax(w, d->minWidth));
                if (w >= d->minWidth) {
                    move(x() + delta.x(), y());
                    d->lastGlobalPos.setX(global.x());
                }
            }
            if (growsDown(edge)) {
                const int h = height() + delta.y();
                setFixedHeight(qMax(h, d->minHeight));
                if (h >= d->minHeight)
                    d->lastGlobalPos.setY(global.y());
            } else if (growsUp(edge)) {
                const int h = height() - delta.y();
                setFixedHeight(qMax(h, d->minHeight));
                if (h >= d->minHeight) {
                    move(x(), y() + delta.y());
                    d->lastGlobalPos.setY(global.y());
                }
            }
        }
    }
    if (d->resizeEdge == NoEdge && d->draggable && d->dragging
        && event->buttons() != Qt::NoButton) {
        move(pos() + (global - d->lastGlobalPos));
        d->lastGlobalPos = global;
        event->accept();
    }
    QDialog::mouseMoveEvent(event);
}

void VelQWindow::mouseReleaseEvent(QMouseEvent*)
{
    VelQWindowImpl* d = m_impl;
    if (d->resizable && d->resizeEdge != NoEdge) {
        d->resizeEdge = NoEdge;
        setCursor(Qt::ArrowCursor);
    }
    d->dragging = false;
}

void VelQWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_impl->doubleClickMaximize || event->pos().y() >= m_impl->captionHeight)
        return;
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void VelQWindow::paintEvent(QPaintEvent*)
{
    if (!m_impl->paintBackground)
        return;
    QPainter painter(this);
    if (m_impl->useFrame) {
        VelQControlBaseImpl::drawStyleFrame(&painter, m_impl->frame, rect());
        return;
    }
    ImageStyle background;
    if (CThemeManager::instance().getImageStyle(m_impl->backgroundImage, background))
        VelQControlBaseImpl::drawNineSlice(&painter, background.nineSlice(), rect());
}

void VelQWindow::resizeEvent(QResizeEvent* event)
{
    for (QObject* child : children()) {
        IVelQControlBase* control = controlOf(child);
        if (control && control->controlBase())
            control->applyLayout();
    }
    QDialog::resizeEvent(event);
}

void VelQWindow::closeEvent(QCloseEvent* event)
{
    if (m_impl->eventLoop)
        m_impl->eventLoop->exit(0);
    QDialog::closeEvent(event);
}

} // namespace VelQtLib
