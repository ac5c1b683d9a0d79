#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildSliderPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Slider Controls"),
        QStringLiteral("Different kinds of Slider, Regular, Disabled"));

    addCaption(page, QStringLiteral("Horizontal Slider"), 120, 150);
    auto* horizontal = addControl<VelQSlider>(page, "qtslider", QRect(150, 130, 150, 30));
    horizontal->setValue(45);

    addCaption(page, QStringLiteral("Vertical Slider"), 180, 150);
    auto* vertical = addControl<VelQSlider>(page, "qtsliderv", QRect(150, 190, 30, 150));
    vertical->setOrientation(Qt::Vertical);
    vertical->setValue(45);
    return page;
}

} // namespace Gallery
