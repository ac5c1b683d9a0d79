#pragma once

#include "framework/VelQControl.h"

#include <QMenuBar>

namespace VelQtLib {

class VelQMenuBarImpl;

// A QMenuBar whose entries are painted from the theme by state (normal, under the mouse,
// pressed). Actions, pop-ups and keyboard navigation are Qt's.
class VELQTLIB_EXPORT VelQMenuBar : public VelQControl<QMenuBar> {
    Q_OBJECT
public:
    explicit VelQMenuBar(QWidget* parent = nullptr);
    ~VelQMenuBar() override;

    QString typeName() const override { return QStringLiteral("qtmenubar"); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQMenuBarImpl* d() const;
    Q_DISABLE_COPY(VelQMenuBar)
};

} // namespace VelQtLib
