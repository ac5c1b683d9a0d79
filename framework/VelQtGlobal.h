#pragma once

#include <QtGlobal>

class QEnterEvent;
class QEvent;

#if defined(VELQTLIB_BUILD)
#define VELQTLIB_EXPORT Q_DECL_EXPORT
#else
#define VELQTLIB_EXPORT Q_DECL_IMPORT
#endif

namespace VelQtLib {
// The argument of QWidget::enterEvent, which Qt 6 narrowed to QEnterEvent.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
using EnterEvent = QEnterEvent;
#else
using EnterEvent = QEvent;
#endif
} // namespace VelQtLib
