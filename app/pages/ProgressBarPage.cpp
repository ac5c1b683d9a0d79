#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

QWidget* buildProgressBarPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Progressbar Controls"),
        QStringLiteral("Different kinds of Progressbar, Regular, Disabled"));
    addCaption(page, QStringLiteral("Progressbar (45%)"), 120, 150);
    auto* bar = addControl<VelQProgressBar>(page, "qtprogressbar", QRect(150, 130, 150, 12));
    bar->setValue(45);
    return page;
}

} // namespace Gallery
