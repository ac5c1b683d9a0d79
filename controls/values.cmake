# Progress bar, slider, scroll bar, line edit, text edit, spin box and LCD number, and the
# application style that sizes slider handles.
set(VELQT_VALUE_SOURCES
    framework/CScrollBarStyle.h framework/CScrollBarStyle.cpp
    controls/FillLength_p.h
    controls/VelQProgressBar.h controls/VelQProgressBar_p.h controls/VelQProgressBar.cpp
    controls/VelQSlider.h controls/VelQSlider_p.h controls/VelQSlider.cpp
    controls/VelQEditImplBase_p.h controls/VelQEditImplBase.cpp
    controls/VelQLineEdit.h controls/VelQLineEdit_p.h controls/VelQLineEdit.cpp
    controls/VelQTextEdit.h controls/VelQTextEdit_p.h controls/VelQTextEdit.cpp
    controls/VelQSpinBox.h controls/VelQSpinBox_p.h controls/VelQSpinBox.cpp
    controls/VelQLCDNumber.h controls/VelQLCDNumber_p.h controls/VelQLCDNumber.cpp
    controls/VelQScrollBar.h controls/VelQScrollBar_p.h controls/VelQScrollBar.cpp
)
