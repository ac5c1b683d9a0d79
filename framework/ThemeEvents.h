#pragma once

#include "framework/VelQtGlobal.h"

#include <QObject>

namespace VelQtLib {

// Tells a program that the packages changed while it runs.
class VELQTLIB_EXPORT VelQThemeEvents : public QObject {
    Q_OBJECT
signals:
    // A package was loaded; every live control already shows the new look.
    void themeChanged();
};

// The one sender of theme events.
VELQTLIB_EXPORT VelQThemeEvents* ThemeEvents();

// Parses the look of every live control again from the packages loaded now and repaints it;
// texts, values, items, icons and geometry stay as the program left them.
VELQTLIB_EXPORT void RestyleControls();

} // namespace VelQtLib
