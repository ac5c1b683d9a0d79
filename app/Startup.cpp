#include "Startup.h"

#include <VelQtLib.h>

void loadGalleryPackages()
{
    VelQtLib::Init();
    VelQtLib::LoadAppPackage(QStringLiteral("dovedArad.data"));
    VelQtLib::LoadThemePackage("VELTE001.data");
}
