# Push button, check box, radio button, switch, labels, container and group box.
set(VELQT_BUTTON_SOURCES
    controls/VelQPushButton.h controls/VelQPushButton_p.h controls/VelQPushButton.cpp
    controls/VelQLabel.h controls/VelQLabel_p.h controls/VelQLabel.cpp
    controls/VelQLabelEx.h controls/VelQLabelEx_p.h controls/VelQLabelEx.cpp
    controls/VelQCheckBox.h controls/VelQCheckBox_p.h controls/VelQCheckBox.cpp
    controls/VelQRadioButton.h controls/VelQRadioButton_p.h controls/VelQRadioButton.cpp
    controls/VelQSwitch.h controls/VelQSwitch_p.h controls/VelQSwitch.cpp
    controls/VelQGroupBox.h controls/VelQGroupBox_p.h controls/VelQGroupBox.cpp
    controls/VelQContainer.h controls/VelQContainer_p.h controls/VelQContainer.cpp
)
