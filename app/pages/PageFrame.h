#pragma once

#include "pages/Pages.h"

#include <QIcon>
#include <QRect>
#include <QString>

namespace VelQtLib {
class VelQContainer;
class VelQLabel;
class VelQScrollBar;
} // namespace VelQtLib

namespace Gallery {

// A new page in host's container, filling it: the page (theme element "mainBkg"), its lower
// area from y = 100 down ("secondBkg"), its title and its subtitle.
VelQtLib::VelQContainer* createPage(
    const PageHost& host, const QString& title, const QString& subtitle);

// The caption that starts a row: at x 20, 30 pixels high.
VelQtLib::VelQLabel* addCaption(QWidget* page, const QString& text, int y, int width);

// A scroll bar for an item view, made on the page with its orientation and theme element.
VelQtLib::VelQScrollBar* addScrollBar(
    QWidget* page, Qt::Orientation orientation, const char* themeElement);

// A control on page with its theme element, placed at geometry.
template<class Control>
Control* addControl(QWidget* page, const char* themeElement, const QRect& geometry)
{
    auto* control = new Control(page);
    control->setThemeName(QLatin1String(themeElement));
    control->setGeometry(geometry);
    return control;
}

// An item view on page whose scroll bars are the page's own skinned bars ("qtscrollbarh" and
// "qtscrollbar"). Its theme element comes last, so that its scroll-bar children size the
// installed bars.
template<class View>
View* addItemView(QWidget* page, const char* themeElement, const QRect& geometry)
{
    auto* view = new View(page);
    view->setGeometry(geometry);
    view->setHorizontalScrollBar(addScrollBar(page, Qt::Horizontal, "qtscrollbarh"));
    view->setVerticalScrollBar(addScrollBar(page, Qt::Vertical, "qtscrollbar"));
    view->setThemeName(QLatin1String(themeElement));
    return view;
}

// The resource path of program icon n, 1 to 6.
QString iconPath(int n);
// The first five program icons, each read once for all the rows that cycle through them.
class CycledIcons {
public:
    CycledIcons();
    // The icon of item i (zero-based).
    const QIcon& at(int i) const { return m_icons[i % 5]; }

private:
    QIcon m_icons[5];
};

} // namespace Gallery
