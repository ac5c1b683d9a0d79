#include "pages/PageFrame.h"

#include <VelQtLib.h>

namespace Gallery {

using namespace VelQtLib;

namespace {

// An anchor layout that stretches a control over its parent below y.
void fillParentBelow(VelQContainer* control, int y)
{
    const int anchor[8] = {0, 0, 1, 1, 0, y, 0, 0};
    control->setAnchorLayout(anchor);
    control->applyLayout();
}

VelQLabel* addLabel(QWidget* page, const char* themeElement, const QString& text, const QRect& r)
{
    auto* label = addControl<VelQLabel>(page, themeElement, r);
    label->setText(text);
    return label;
}

} // namespace

VelQContainer* createPage(const PageHost& host, const QString& title, const QString& subtitle)
{
    auto* page = new VelQContainer(host.container);
    page->setThemeName(QStringLiteral("mainBkg"));
    fillParentBelow(page, 0);
    auto* lower = new VelQContainer(page);
    lower->setThemeName(QStringLiteral("secondBkg"));
    fillParentBelow(lower, 100);
    addLabel(page, "labTitle", title, QRect(20, 20, 200, 30));
    addLabel(page, "qtlabel", subtitle, QRect(20, 50, 500, 30));
    return page;
}

VelQLabel* addCaption(QWidget* page, const QString& text, int y, int width)
{
    return addLabel(page, "qtlabel", text, QRect(20, y, width, 30));
}

VelQScrollBar* addScrollBar(QWidget* page, Qt::Orientation orientation, const char* themeElement)
{
    auto* bar = new VelQScrollBar(orientation, page);
    bar->setThemeName(QLatin1String(themeElement));
    return bar;
}

QString iconPath(int n)
{
    return QStringLiteral(":/Vitrina/images/icon%1.png").arg(n);
}

CycledIcons::CycledIcons()
{
    for (int n = 0; n < 5; ++n)
        m_icons[n] = QIcon(iconPath(n + 1));
}

} // namespace Gallery
