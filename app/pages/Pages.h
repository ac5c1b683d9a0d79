#pragma once

class QWidget;

namespace Gallery {

// Where a page is built: its parent, the main window's "container", and the main window,
// which owns the page's models, menus and button groups.
struct PageHost {
    QWidget* container;
    QWidget* window;
};

using PageBuilder = QWidget* (*)(const PageHost& host);

// The eleven pages, in the order the main window builds them.
QWidget* buildButtonPage(const PageHost& host);
QWidget* buildCheckBoxPage(const PageHost& host);
QWidget* buildRadioButtonPage(const PageHost& host);
QWidget* buildComboBoxPage(const PageHost& host);
QWidget* buildEditPage(const PageHost& host);
QWidget* buildProgressBarPage(const PageHost& host);
QWidget* buildSliderPage(const PageHost& host);
QWidget* buildMenuBarPage(const PageHost& host);
QWidget* buildTablePage(const PageHost& host);
QWidget* buildTreePage(const PageHost& host);
QWidget* buildListPage(const PageHost& host);

} // namespace Gallery
