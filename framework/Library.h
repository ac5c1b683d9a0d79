#pragma once

#include "theme/StyleTypes.h"

#include <QString>

// Entry points through which a program starts and uses the library.
namespace VelQtLib {

// Installs the proxy style, registers every control type, decides design mode and creates the
// theme manager with its built-in images. Runs once; may precede the QApplication.
VELQTLIB_EXPORT void Init();
// Loads the application package; false before Init or when the load fails. Open windows take
// the new look at once (see ThemeEvents).
VELQTLIB_EXPORT bool LoadAppPackage(const QString& path);
// Loads (or replaces) the theme package; false before Init or when the load fails, and then the
// theme loaded before stays. Open windows take the new look at once (see ThemeEvents).
VELQTLIB_EXPORT bool LoadThemePackage(const char* path);
// True when the program runs inside the designer or the emulator.
VELQTLIB_EXPORT bool IsDesignMode();
VELQTLIB_EXPORT bool GetImageStyle(const char* name, ImageStyle& out);
VELQTLIB_EXPORT bool GetTextStyle(const char* name, TextStyle& out);

// Design mode as decided from an executable path.
VELQTLIB_EXPORT bool isDesignToolPath(const QString& executablePath);

} // namespace VelQtLib
