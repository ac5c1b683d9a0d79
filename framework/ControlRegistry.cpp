// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQCheckBox.h"
#include "controls/VelQComboBox.h"
#include "controls/VelQContainer.h"
#include "controls/VelQLabel.h"
#include "controls/VelQLabelEx.h"
#include "controls/VelQList.h"
#include "controls/VelQListView.h"
#include "controls/VelQMenuBar.h"
#include "controls/VelQPushButton.h"
#include "controls/VelQRadioButton.h"
#include "controls/VelQTableView.h"
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
    RegisterControl("qtcontainer", create<VelQContainer>, true);
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtmenubar", create<VelQMenuBar>, true);
    RegisterControl("qtlabel", create<VelQLabel>, true);
    RegisterControl("qtcheckbox", create<VelQCheckBox>, true);
    RegisterControl("qtlistview", create<VelQListView>, false);
    RegisterControl("qtradiobox", create<VelQRadioButton>, true);
    RegisterControl("qtcombobox", create<VelQComboBox>, true);
    RegisterControl("qtlist", create<VelQList>, true);
    RegisterControl("qttree", create<VelQTreeView>, true);
    RegisterControl("qtdatagrid", create<VelQTableView>, true);
    RegisterControl("qtlabelex", create<VelQLabelEx>, true);
    RegisterControl("container", create<VelQContainer>, true);
    RegisterControl("button", create<VelQPushButton>, true);
    RegisterControl("menubar", create<VelQMenuBar>, true);
    RegisterControl("label", create<VelQLabel>, true);
    RegisterControl("checkbox", create<VelQCheckBox>, true);
    RegisterControl("listview", create<VelQListView>, false);
    RegisterControl("radio", create<VelQRadioButton>, true);
    RegisterControl("radiobox", create<VelQRadioButton>, true);
    RegisterControl("combobox", create<VelQComboBox>, true);
    RegisterControl("templateList", create<VelQListView>, true);
    RegisterControl("list", create<VelQList>, true);
    RegisterControl("tree", create<VelQTreeView>, true);
    RegisterControl("datagrid", create<VelQTableView>, true);
}

} // namespace VelQtLib
