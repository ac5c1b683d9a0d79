#include "framework/Library.h"

#include "controls/AccessibleControls.h"
#include "framework/CScrollBarStyle.h"
#include "framework/ControlFactory.h"
#include "framework/ThemeEvents.h"
#include "theme/ThemeManager.h"

#include <QAccessible>
#include <QApplication>

#include <unistd.h>

namespace VelQtLib {

namespace {

bool initialised = false;
bool designMode = false;

// The running executable's path, cut to 255 bytes as the platform's module path call does.
QString executablePath()
{
    char buffer[256] = {};
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? QString::fromUtf8(buffer, int(n)) : QString();
}

} // namespace

bool isDesignToolPath(const QString& path)
{
    return path.contains(QLatin1String("TessarkQtEmulator"))
        || path.contains(QLatin1String("LayoutForgeQt"));
}

void Init()
{
    if (initialised)
        return;
    // A console program has no widgets to style, and Qt would polish its application object
    // as a QApplication.
    if (!QCoreApplication::instance() || qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setStyle(CScrollBarStyle::instance());
    registerBuiltInControls();
    QAccessible::installFactory(accessibleControl);
    if (isDesignToolPath(executablePath()))
        designMode = true;
    CThemeManager::instance().createBuiltInImages();
    initialised = true;
}

namespace {

// Windows already open take the new look at once.
bool themeLoaded(bool loaded)
{
    if (loaded) {
        RestyleControls();
        emit ThemeEvents()->themeChanged();
    }
    return loaded;
}

} // namespace

bool LoadAppPackage(const QString& path)
{
    return initialised && themeLoaded(CThemeManager::instance().loadAppPackage(path));
}

bool LoadThemePackage(const char* path)
{
    return initialised
        && themeLoaded(CThemeManager::instance().loadThemePackage(QString::fromUtf8(path)));
}

bool IsDesignMode()
{
    return designMode;
}

bool GetImageStyle(const char* name, ImageStyle& out)
{
    return CThemeManager::instance().getImageStyle(QString::fromUtf8(name), out);
}

bool GetTextStyle(const char* name, TextStyle& out)
{
    return CThemeManager::instance().getTextStyle(QString::fromUtf8(name), out);
}

} // namespace VelQtLib
