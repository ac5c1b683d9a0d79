# List, list view, table view, tree view, combo box, menu bar and menu.
set(VELQT_VIEW_SOURCES
    controls/ItemViewSupport.h controls/ItemViewSupport.cpp
    controls/SkinnedHeader.h controls/SkinnedHeader.cpp
    controls/VelQMenuBar.h controls/VelQMenuBar_p.h controls/VelQMenuBar.cpp
    controls/VelQMenu.h controls/VelQMenu_p.h controls/VelQMenu.cpp
    controls/VelQComboBox.h controls/VelQComboBox_p.h controls/VelQComboBox.cpp
    controls/VelQList.h controls/VelQList_p.h controls/VelQList.cpp
    controls/VelQListView.h controls/VelQListView_p.h controls/VelQListView.cpp
    controls/VelQTreeView.h controls/VelQTreeView_p.h controls/VelQTreeView.cpp
    controls/VelQTableView.h controls/VelQTableView_p.h controls/VelQTableView.cpp
)
