// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQComboBox.h"
#include "controls/VelQList.h"
#include "controls/VelQMenuBar.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQTreeView.h"

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
    RegisterControl("qtmenubar", create<VelQMenuBar>, true);
    RegisterControl("qtcombobox", create<VelQComboBox>, true);
    RegisterControl("qtlist", create<VelQList>, true);
    RegisterControl("qttree", create<VelQTreeView>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("menubar", create<VelQMenuBar>, true);
    RegisterControl("combobox", create<VelQComboBox>, true);
    RegisterControl("list", create<VelQList>, true);
    RegisterControl("tree", create<VelQTreeView>, true);
}

} // namespace VelQtLib
