#include "Startup.h"
#include "Vitrina.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    loadGalleryPackages();
    QApplication app(argc, argv);
    Vitrina window;
    window.show();
    return app.exec();
}
