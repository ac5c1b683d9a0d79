# List, list view, table view, tree view, combo box, menu bar and menu.
set(VELQT_VIEW_SOURCES
)
