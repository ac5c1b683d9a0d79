#pragma once

#include <QWidget>

namespace VelQtLib {

// Geometry from descriptions may be anything a JSON int holds, and sums of it more; this keeps
// a coordinate or extent within what Qt can place, so its arithmetic cannot overflow.
inline int withinWidgetRange(qint64 v)
{
    return int(qBound(-qint64(QWIDGETSIZE_MAX), v, qint64(QWIDGETSIZE_MAX)));
}

} // namespace VelQtLib
