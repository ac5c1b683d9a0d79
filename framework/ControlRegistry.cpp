// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQProgressBar.h"
#include "controls/VelQPushButton.h"
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
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtprogressbar", create<VelQProgressBar>, true);
    RegisterControl("qtslider", create<VelQSlider>, true);
    RegisterControl("qtscrollbar", create<VelQScrollBar>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("progressbar", create<VelQProgressBar>, true);
    RegisterControl("slider", create<VelQSlider>, true);
}

} // namespace VelQtLib
