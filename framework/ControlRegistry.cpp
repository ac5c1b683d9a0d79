// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQLCDNumber.h"
#include "controls/VelQLineEdit.h"
#include "controls/VelQProgressBar.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQScrollBar.h"
#include "controls/VelQSlider.h"
#include "controls/VelQSpinBox.h"
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
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtprogressbar", create<VelQProgressBar>, true);
    RegisterControl("qtslider", create<VelQSlider>, true);
    RegisterControl("qtdedit", create<VelQLineEdit>, true);
    RegisterControl("qtlcdnumber", create<VelQLCDNumber>, true);
    RegisterControl("qtspinbox", create<VelQSpinBox>, true);
    RegisterControl("qtscrollbar", create<VelQScrollBar>, true);
    RegisterControl("qttext", create<VelQTextEdit>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("progressbar", create<VelQProgressBar>, true);
    RegisterControl("slider", create<VelQSlider>, true);
    RegisterControl("dedit", create<VelQLineEdit>, true);
    RegisterControl("spinbox", create<VelQSpinBox>, true);
    RegisterControl("dnumedit", create<VelQSpinBox>, true);
}

} // namespace VelQtLib
