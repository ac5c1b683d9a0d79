#pragma once

#include "framework/VelQControl.h"

#include <QMenu>

namespace VelQtLib {

class VelQMenuImpl;

// A QMenu painted from the theme: background, entries by hover, an optional icon column and
// sub-menu arrows. Sub-menus built from "items" take this menu's look.
class VELQTLIB_EXPORT VelQMenu : public VelQControl<QMenu> {
    Q_OBJECT
public:
    VelQMenu(const QString& title, QWidget* parent = nullptr);
    // A frameless menu with a translucent background.
    explicit VelQMenu(QWidget* parent = nullptr);
    ~VelQMenu() override;

    // None of the setters repaints; the next paint shows the change.
    void setBackgroundStyle(const ImageStyle& style);
    void setItemStyle(int state, const ImageStyle& style);
    void setItemTextStyle(int state, const TextStyle& style);
    // Width in pixels of the icon column; 0 shows no icons.
    void setIconColumn(int width);

    QString typeName() const override { return QStringLiteral("qtmenu"); }

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    VelQMenuImpl* d() const;
    Q_DISABLE_COPY(VelQMenu)
};

} // namespace VelQtLib
