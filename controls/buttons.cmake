# Push button, check box, radio button, switch, labels, container and group box.
set(VELQT_BUTTON_SOURCES
    controls/VelQPushButton.h controls/VelQPushButton_p.h controls/VelQPushButton.cpp
)
