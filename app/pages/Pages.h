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

} // namespace Gallery
