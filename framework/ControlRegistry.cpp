// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQCheckBox.h"
#include "controls/VelQContainer.h"
#include "controls/VelQLabel.h"
#include "controls/VelQLabelEx.h"
#include "controls/VelQProgressBar.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQRadioButton.h"
#include "controls/VelQScrollBar.h"
#include "controls/VelQSlider.h"

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
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtlabel", create<VelQLabel>, true);
    RegisterControl("qtcheckbox", create<VelQCheckBox>, true);
    RegisterControl("qtprogressbar", create<VelQProgressBar>, true);
    RegisterControl("qtradiobox", create<VelQRadioButton>, true);
    RegisterControl("qtslider", create<VelQSlider>, true);
    RegisterControl("qtscrollbar", create<VelQScrollBar>, true);
    RegisterControl("qtlabelex", create<VelQLabelEx>, true);
    RegisterControl("container", create<VelQContainer>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("label", create<VelQLabel>, true);
    RegisterControl("checkbox", create<VelQCheckBox>, true);
    RegisterControl("progressbar", create<VelQProgressBar>, true);
    RegisterControl("radio", create<VelQRadioButton>, true);
    RegisterControl("radiobox", create<VelQRadioButton>, true);
    RegisterControl("slider", create<VelQSlider>, true);
}

} // namespace VelQtLib
