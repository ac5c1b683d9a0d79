#include "framework/ControlFactory.h"

#include "framework/IVelQControlBase.h"
#include "theme/ThemeManager.h"

#include <QWidget>

#include <map>

namespace VelQtLib {

namespace {

std::map<std::string, ControlCreator>& creators()
{
    static std::map<std::string, ControlCreator> table;
    return table;
}

std::set<std::string>& listed()
{
    static std::set<std::string> names;
    return names;
}

} // namespace

void RegisterControl(const char* typeName, ControlCreator creator, bool isListed)
{
    if (!typeName)
        return;
    creators()[typeName] = creator;
    CThemeManager::instance().forgetDescriptions();
    if (isListed)
        listed().insert(typeName);
}

QWidget* CreateControl(const char* typeName, const ::Json::Value* element, QWidget* parent)
{
    if (!typeName)
        return nullptr;
    const auto it = creators().find(typeName);
    if (it == creators().end() || !it->second)
        return nullptr;
    QWidget* widget = it->second();
    if (!widget)
        return nullptr;
    widget->setParent(parent);
    if (IVelQControlBase* control = dynamic_cast<IVelQControlBase*>(widget)) {
        CThemeManager::instance().setUseThemePackage(false);
        control->loadAttributes(element);
    }
    return widget;
}

bool IsRegisteredControl(const std::string& typeName)
{
    return creators().count(typeName) != 0;
}

std::vector<std::string> RegisteredControls()
{
    std::vector<std::string> names;
    for (const auto& entry : creators())
        names.push_back(entry.first);
    return names;
}

const std::set<std::string>& ListedControls()
{
    return listed();
}

} // namespace VelQtLib
