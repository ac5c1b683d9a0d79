# Picture, tab widget, canvas, scroll view and splitter, and the accessible interfaces of the
# controls that paint everything themselves.
set(VELQT_PANEL_SOURCES
    controls/VelQImage.h controls/VelQImage_p.h controls/VelQImage.cpp
    controls/VelQTabWidget.h controls/VelQTabWidget_p.h controls/VelQTabWidget.cpp
    controls/VelQCanvas.h controls/VelQCanvas_p.h controls/VelQCanvas.cpp
    controls/VelQScrollView.h controls/VelQScrollView_p.h controls/VelQScrollView.cpp
    controls/VelQSplitter.h controls/VelQSplitter_p.h controls/VelQSplitter.cpp
    controls/AccessibleControls.h controls/AccessibleControls.cpp
)
