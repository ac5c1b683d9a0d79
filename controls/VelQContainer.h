#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

class VelQContainerImpl;

// A panel that paints an image style behind its children and can arrange its skinned children
// in a row, a column or a wrapping flow.
class VELQTLIB_EXPORT VelQContainer : public VelQControl<QWidget> {
    Q_OBJECT
public:
    // How the children are arranged on every resize ("childLayout").
    enum ChildLayout { Row = 0, Column = 1, WrappingRows = 2, WrappingColumns = 3, Free = 4 };

    explicit VelQContainer(QWidget* parent = nullptr);
    ~VelQContainer() override;

    // The background while the container is enabled; takes effect at the next paint.
    void setBackgroundStyle(const ImageStyle& style);
    // Lays out and arranges the children as every resize does; hidden containers get no
    // resize events, so whoever sizes one while hidden calls this.
    void layoutChildren();

    QString typeName() const override { return QStringLiteral("qtcontainer"); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    VelQContainerImpl* d() const;
    Q_DISABLE_COPY(VelQContainer)
};

} // namespace VelQtLib
