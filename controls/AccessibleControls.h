#pragma once

#include "framework/VelQtGlobal.h"

class QAccessibleInterface;
class QObject;
class QString;

namespace VelQtLib {

// The accessible interfaces of the controls that paint everything themselves on a plain widget
// or label: the switch (a check box), the extended label (its document's text), the canvas and
// the picture. Installed as a factory of QAccessible by Init; null for any other object.
VELQTLIB_EXPORT QAccessibleInterface* accessibleControl(const QString& className, QObject* object);

} // namespace VelQtLib
