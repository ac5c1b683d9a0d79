#pragma once

#include <QPalette>
#include <QWidget>

namespace VelQtLib {

// Lets the parent's skin show through a Qt widget whose own background would cover it. The
// palette gives the same pixels as a one-rule transparent style sheet, without the style sheet
// style that such a sheet puts on every widget it reaches: parsed, polished and consulted on
// each paint.
inline void clearBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
        {QPalette::Base, QPalette::Button, QPalette::Window, widget->backgroundRole()})
        palette.setBrush(role, Qt::transparent);
    widget->setPalette(palette);
    widget->setAutoFillBackground(false);
}

} // namespace VelQtLib
