// Draws every image of the gallery, at 1× and 2×: each theme package's (its controls and the
// window around them) in the light and the dark variant, and the program's icons.
// Usage: vitrina-themegen <light theme dir> <dark theme dir> <icon dir>
#include "Art.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <light theme dir> <dark theme dir> <icon dir>\n", argv[0]);
        return 2;
    }
    for (const int scale : {1, 2}) {
        Art::useScale(scale);
        for (const bool dark : {false, true}) {
            const QString root = QString::fromLocal8Bit(argv[dark ? 2 : 1]);
            Art::useDark(dark);
            Art::drawThemeImages(root);
            Art::drawWindowImages(root);
        }
        Art::drawIcons(QString::fromLocal8Bit(argv[3]));
    }
    return 0;
}
