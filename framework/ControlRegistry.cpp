// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQCanvas.h"
#include "controls/VelQContainer.h"
#include "controls/VelQImage.h"
#include "controls/VelQLabel.h"
#include "controls/VelQLabelEx.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQScrollView.h"
#include "controls/VelQSplitter.h"
#include "controls/VelQTabWidget.h"

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
    RegisterControl("qttab", create<VelQTabWidget>, true);
    RegisterControl("qtsplitter", create<VelQSplitter>, true);
    RegisterControl("qtscrollview", create<VelQScrollView>, true);
    RegisterControl("qtlabelex", create<VelQLabelEx>, true);
    RegisterControl("canvas", create<VelQCanvas>, true);
    RegisterControl("container", create<VelQContainer>, true);
    RegisterControl("scrollview", create<VelQScrollView>, true);
    RegisterControl("picture", create<VelQImage>, true);
    RegisterControl("image", create<VelQImage>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("label", create<VelQLabel>, true);
    RegisterControl("tab", create<VelQTabWidget>, true);
    RegisterControl("splitter", create<VelQSplitter>, true);
}

} // namespace VelQtLib
