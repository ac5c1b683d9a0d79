// Draws every image of the gallery: the theme package's, the application package's and the
// program's icons. Usage: vitrina-themegen <theme dir> <application dir> <icon dir>
#include "Art.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <theme dir> <application dir> <icon dir>\n", argv[0]);
        return 2;
    }
    Art::drawThemeImages(QString::fromLocal8Bit(argv[1]));
    Art::drawAppImages(QString::fromLocal8Bit(argv[2]));
    Art::drawIcons(QString::fromLocal8Bit(argv[3]));
    return 0;
}
