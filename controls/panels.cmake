# Picture, tab widget, canvas, scroll view and splitter.
set(VELQT_PANEL_SOURCES
    controls/VelQImage.h controls/VelQImage_p.h controls/VelQImage.cpp
)
