#include "Startup.h"

#include <VelQtLib.h>

#include <QCoreApplication>

void loadGalleryPackages()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Icons then come in the screen's pixels, from the "@2x" art beside them where there is one.
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    VelQtLib::Init();
    VelQtLib::LoadAppPackage(QStringLiteral("dovedArad.data"));
    VelQtLib::LoadThemePackage("VELTE001.data");
}
