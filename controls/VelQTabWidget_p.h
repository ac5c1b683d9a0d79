#pragma once

#include "controls/VelQTabWidget.h"

#include <QList>

namespace VelQtLib {

class VELQTLIB_EXPORT VelQTabWidgetImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQTabWidgetImpl(VelQTabWidget* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    void fillSamples() override;

    // Item i sits at i · (itemSize + itemSpace) along the strip and fills its cross extent.
    QRect itemRect(int index) const;
    // The first item under pos inside the widget, or -1.
    int itemAt(const QPoint& pos) const;

    bool hasIcon = true;
    bool showText = true;
    int currentIndex = 0;
    int hoverIndex = -1;
    int itemSpace = 0;
    bool vertical = false;
    int itemSize = 50;
    QList<TabItem> items;
    ImageStyle backgroundStyle;
    ImageStyle itemStyles[4]; // normal, hovered, current, unused
    TextStyle itemTextStyles[4];
    ImageOffset iconOffset {0, 0, 1, 1};
};

} // namespace VelQtLib
