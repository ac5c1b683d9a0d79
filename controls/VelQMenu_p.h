#pragma once

#include "controls/VelQMenu.h"

namespace VelQtLib {

// Index of the first action of a menu or menu bar whose geometry holds pos, or -1.
template<class MenuWidget> int actionIndexAt(const MenuWidget* widget, const QPoint& pos)
{
    const QList<QAction*> actions = widget->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (widget->actionGeometry(actions[i]).contains(pos))
            return i;
    }
    return -1;
}

class VELQTLIB_EXPORT VelQMenuImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQMenuImpl(VelQMenu* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;

    ImageStyle itemStyles[4];
    TextStyle itemTextStyles[4];
    ImageStyle background;
    int iconColumn = 0;
    int hoverIndex = -1;

private:
    VelQMenu* menu() const { return static_cast<VelQMenu*>(owner); }
    // Adds one element of "items" to target: a sub-menu with this look, or an action.
    static void addItem(const ::Json::Value& element, VelQMenu* target);
    void copyLookTo(VelQMenuImpl* other) const;
};

} // namespace VelQtLib
