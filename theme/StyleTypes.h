#pragma once

#include "framework/VelQtGlobal.h"

#include <QColor>
#include <QString>

namespace VelQtLib {

// Placement of an image or icon in a box: offsets, then alignment 0 left/top, 1 centre,
// 2 right/bottom.
struct ImageOffset {
    int dx = 0;
    int dy = 0;
    int hAlign = 0;
    int vAlign = 0;
};

// A nine-slice image: a path and the widths of its four border bands.
struct NineSlice {
    QString image;
    int sliceLeft = 0;
    int sliceRight = 0;
    int sliceTop = 0;
    int sliceBottom = 0;
    bool repeatLeft = false;
    bool repeatRight = false;
    bool repeatTop = false;
    bool repeatBottom = false;
    bool repeatCenter = false; // tile the centre instead of stretching it
};

// A background record ("type" 1): a filled, bordered box or a nine-slice image.
struct ImageStyle : NineSlice {
    bool valid = true;
    bool noImage = true; // paint the box instead of the image
    QColor color = QColor(255, 255, 255);
    QColor gradientColor = QColor(255, 255, 255);
    QColor borderColor = QColor(128, 128, 128);
    bool gradient = false;
    int round = 0;
    int borderSize = 0;
    bool border = true;
    bool leftBorder = true;
    bool topBorder = true;
    bool rightBorder = true;
    bool bottomBorder = true;

    const NineSlice& nineSlice() const { return *this; }
};

// The default font family of text records: Microsoft YaHei under its Chinese name.
VELQTLIB_EXPORT QString defaultFontFamily();

// A text record ("type" 2): font, colour, offset and alignment.
struct TextStyle {
    bool bold = false;
    bool italic = false;
    int size = 12; // pixel size
    bool underline = false;
    QString family = defaultFontFamily();
    QColor color;
    int offsetX = 0;
    int offsetY = 0;
    bool isHor = true; // false draws the text turned by 90 degrees
    int hAlign = 0;
    int vAlign = 1;
    int elideMode = Qt::ElideRight; // Qt::ElideNone (3) never shortens
};

} // namespace VelQtLib
