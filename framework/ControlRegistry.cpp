// The control types the library registers at initialisation, in registration order.
#include "framework/ControlFactory.h"

#include "controls/VelQCanvas.h"
#include "controls/VelQCheckBox.h"
#include "controls/VelQComboBox.h"
#include "controls/VelQContainer.h"
#include "controls/VelQGroupBox.h"
#include "controls/VelQImage.h"
#include "controls/VelQLCDNumber.h"
#include "controls/VelQLabel.h"
#include "controls/VelQLabelEx.h"
#include "controls/VelQLineEdit.h"
#include "controls/VelQList.h"
#include "controls/VelQListView.h"
#include "controls/VelQMenuBar.h"
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
#include "controls/VelQTableView.h"
#include "controls/VelQTextEdit.h"
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
    RegisterControl("qtpicture", create<VelQImage>, true);
    RegisterControl("qtbutton", create<VelQPushButton>, true);
    RegisterControl("qtmenubar", create<VelQMenuBar>, true);
    RegisterControl("qtlabel", create<VelQLabel>, true);
    RegisterControl("qtcheckbox", create<VelQCheckBox>, true);
    RegisterControl("qtlistview", create<VelQListView>, false);
    RegisterControl("qtprogressbar", create<VelQProgressBar>, true);
    RegisterControl("qtradiobox", create<VelQRadioButton>, true);
    RegisterControl("qtslider", create<VelQSlider>, true);
    RegisterControl("qttab", create<VelQTabWidget>, true);
    RegisterControl("qtdedit", create<VelQLineEdit>, true);
    RegisterControl("qtcombobox", create<VelQComboBox>, true);
    RegisterControl("qtlist", create<VelQList>, true);
    RegisterControl("qttree", create<VelQTreeView>, true);
    RegisterControl("qtdatagrid", create<VelQTableView>, true);
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
    RegisterControl("menubar", create<VelQMenuBar>, true);
    RegisterControl("label", create<VelQLabel>, true);
    RegisterControl("checkbox", create<VelQCheckBox>, true);
    RegisterControl("listview", create<VelQListView>, false);
    RegisterControl("progressbar", create<VelQProgressBar>, true);
    RegisterControl("radio", create<VelQRadioButton>, true);
    RegisterControl("radiobox", create<VelQRadioButton>, true);
    RegisterControl("slider", create<VelQSlider>, true);
    RegisterControl("tab", create<VelQTabWidget>, true);
    RegisterControl("dedit", create<VelQLineEdit>, true);
    RegisterControl("combobox", create<VelQComboBox>, true);
    RegisterControl("templateList", create<VelQListView>, true);
    RegisterControl("list", create<VelQList>, true);
    RegisterControl("tree", create<VelQTreeView>, true);
    RegisterControl("datagrid", create<VelQTableView>, true);
    RegisterControl("groupbox", create<VelQGroupBox>, true);
    RegisterControl("spinbox", create<VelQSpinBox>, true);
    RegisterControl("dnumedit", create<VelQSpinBox>, true);
    RegisterControl("splitter", create<VelQSplitter>, true);
    RegisterControl("switch", create<VelQSwitch>, true);
}

} // namespace VelQtLib
