// The gallery's start-up exactly as Vitrina's main runs it, ending at the first painted frame.
#include "FirstFrame.h"
#include "Startup.h"
#include "Vitrina.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    loadGalleryPackages();
    QApplication app(argc, argv);
    Vitrina window;
    Bench::FirstFrame probe(&window);
    window.show();
    return app.exec();
}
