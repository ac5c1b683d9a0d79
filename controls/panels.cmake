# Picture, tab widget, canvas, scroll view and splitter.
set(VELQT_PANEL_SOURCES
)
