# Progress bar, slider, scroll bar, line edit, text edit, spin box and LCD number.
set(VELQT_VALUE_SOURCES
    controls/VelQScrollBar.h controls/VelQScrollBar_p.h controls/VelQScrollBar.cpp
)
