// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQCanvas.h"
#include "controls/VelQCheckBox.h"
#include "controls/VelQContainer.h"
#include "controls/VelQGroupBox.h"
#include "controls/VelQImage.h"
#include "controls/VelQLCDNumber.h"
#include "controls/VelQLabel.h"
#include "controls/VelQLabelEx.h"
#include "controls/VelQLineEdit.h"
#include "controls/VelQProgressBar.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQRadioButton.h"
#include "controls/VelQScrollBar.h"
#include "controls/VelQScrollView.h"
#include "controls/VelQSlider.h"
#include "controls/VelQSpinBox.h"
#include "controls/VelQSplitter.h"
#include "controls/VelQSwitch.h"
#include "controls/VelQTabWidget.h"
#include "controls/VelQTextEdit.h"

namespace VelQtLib {

namespace {

template<class Control> QWidget* create()
{
    return new Control(nullptr);
}

} // namespace

void registerBuiltInControls()
{
    RegisterControl("qtcontainer", create<VelQContainer>, true);
    RegisterControl("qtpicture", create<VelQImage>, true);
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtlabel", create<VelQLabel>, true);
    RegisterControl("qtcheckbox", create<VelQCheckBox>, true);
    RegisterControl("qtprogressbar", create<VelQProgressBar>, true);
    RegisterControl("qtradiobox", create<VelQRadioButton>, true);
    RegisterControl("qtslider", create<VelQSlider>, true);
    RegisterControl("qttab", create<VelQTabWidget>, true);
    RegisterControl("qtdedit", create<VelQLineEdit>, true);
    RegisterControl("qtgroupbox", create<VelQGroupBox>, true);
    RegisterControl("qtlcdnumber", create<VelQLCDNumber>, true);
    RegisterControl("qtspinbox", create<VelQSpinBox>, true);
    RegisterControl("qtsplitter", create<VelQSplitter>, true);
    RegisterControl("qtswitch", create<VelQSwitch>, true);
    RegisterControl("qtscrollview", create<VelQScrollView>, true);
    RegisterControl("qtscrollbar", create<VelQScrollBar>, true);
    RegisterControl("qttext", create<VelQTextEdit>, true);
    RegisterControl("qtlabelex", create<VelQLabelEx>, true);
    RegisterControl("canvas", create<VelQCanvas>, true);
    RegisterControl("container", create<VelQContainer>, true);
    RegisterControl("scrollview", create<VelQScrollView>, true);
    RegisterControl("picture", create<VelQImage>, true);
    RegisterControl("image", create<VelQImage>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("label", create<VelQLabel>, true);
    RegisterControl("checkbox", create<VelQCheckBox>, true);
    RegisterControl("progressbar", create<VelQProgressBar>, true);
    RegisterControl("radio", create<VelQRadioButton>, true);
    RegisterControl("radiobox", create<VelQRadioButton>, true);
    RegisterControl("slider", create<VelQSlider>, true);
    RegisterControl("tab", create<VelQTabWidget>, true);
    RegisterControl("dedit", create<VelQLineEdit>, true);
    RegisterControl("groupbox", create<VelQGroupBox>, true);
    RegisterControl("spinbox", create<VelQSpinBox>, true);
    RegisterControl("dnumedit", create<VelQSpinBox>, true);
    RegisterControl("splitter", create<VelQSplitter>, true);
    RegisterControl("switch", create<VelQSwitch>, true);
}

} // namespace VelQtLib
