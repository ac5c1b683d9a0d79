#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QIcon>

namespace Gallery {

using namespace VelQtLib;

namespace {

// A menu whose looks are built in code: a white, outlined pop-up whose entry under the mouse
// turns accent with white text.
VelQMenu* createMenu(const QString& title, QWidget* parent)
{
    auto* menu = new VelQMenu(title, parent);
    ImageStyle background;
    background.color = QColor(255, 255, 255, 255);
    background.borderColor = QColor(220, 220, 220, 255);
    background.borderSize = 1;
    menu->setBackgroundStyle(background);
    // Entries fill the menu edge to edge and would paint over its outline.
    menu->setContentsMargins(1, 1, 1, 1);

    ImageStyle item = background;
    item.borderSize = 0;
    menu->setItemStyle(0, item);
    item.color = QColor(232, 58, 29, 255);
    menu->setItemStyle(1, item);

    TextStyle text;
    text.size = 12;
    text.hAlign = 0;
    text.vAlign = 1;
    text.elideMode = Qt::ElideRight;
    text.color = QColor(70, 70, 70, 255);
    menu->setItemTextStyle(0, text);
    text.color = QColor(255, 255, 255, 255);
    menu->setItemTextStyle(1, text);
    return menu;
}

} // namespace

QWidget* buildMenuBarPage(const PageHost& host)
{
    QWidget* page = createPage(host, QStringLiteral("Menubar Controls"),
        QStringLiteral("Different kinds of Menubar, Context menu"));
    addCaption(page, QStringLiteral("Menubar"), 120, 150);
    auto* bar = new VelQMenuBar(page);
    bar->setThemeName(QStringLiteral("qtmenubar"));
    // Qt sizes the entries from the bar's font and item padding: at 12 pixels with narrow side
    // padding all eleven fit its 500 pixels, and the padding makes them as tall as the bar.
    QFont entries = bar->font();
    entries.setPixelSize(12);
    bar->setFont(entries);
    bar->setStyleSheet(
        QStringLiteral("QMenuBar { spacing: 2px; } QMenuBar::item { padding: 15px 5px; }"));
    // After the style sheet: a style change stretches a menu bar over its parent's width.
    bar->setGeometry(150, 120, 500, 45);
    const char* const titles[] = {"File", "Edit", "View", "Options", "Windows", "Tools", "Build",
        "Project", "Test", "Team", "Help"};
    const CycledIcons cycled;
    for (int i = 0; i < int(std::size(titles)); ++i) {
        VelQMenu* menu = createMenu(QLatin1String(titles[i]), host.window);
        menu->setIconColumn(20);
        const QIcon& icon = cycled.at(i);
        for (const char* item : {"item1", "item2", "item3", "item4"})
            menu->addAction(icon, QLatin1String(item));
        bar->addMenu(menu);
    }
    return page;
}

} // namespace Gallery
