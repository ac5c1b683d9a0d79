#include "controls/VelQCanvas_p.h"

#include <QPainter>

namespace VelQtLib {

VelQCanvas::VelQCanvas(QWidget* parent)
    : VelQControl<QWidget>(parent)
{
    setImpl(new VelQCanvasImpl(this));
}

VelQCanvas::~VelQCanvas() = default;

void VelQCanvas::paintEvent(QPaintEvent* event)
{
    VelQControl<QWidget>::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(0, 0, width(), height(), Qt::gray);
}

VelQCanvasImpl::VelQCanvasImpl(VelQCanvas* owner)
    : VelQControlBaseImpl(owner, QString())
{
}

} // namespace VelQtLib
