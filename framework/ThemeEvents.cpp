#include "framework/ThemeEvents.h"

#include "framework/VelQControlBaseImpl.h"

#include <QApplication>
#include <QWidget>

namespace VelQtLib {

namespace {

// Children first: a scrollable control's scroll-bar children then skin its bars after the bars'
// own elements, as when the control was built.
void restyleTree(QWidget* widget)
{
    for (QObject* child : widget->children()) {
        if (child->isWidgetType())
            restyleTree(static_cast<QWidget*>(child));
    }
    const QVariant property = widget->property("impl");
    if (property.canConvert<void*>()) {
        if (auto* impl = static_cast<VelQControlBaseImpl*>(property.value<void*>()))
            impl->restyle();
    }
}

} // namespace

VelQThemeEvents* ThemeEvents()
{
    static VelQThemeEvents events;
    return &events;
}

void RestyleControls()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        restyleTree(window);
}

} // namespace VelQtLib
