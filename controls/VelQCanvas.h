#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

// A plain grey drawing surface; it takes no look from the theme.
class VELQTLIB_EXPORT VelQCanvas : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQCanvas(QWidget* parent = nullptr);
    ~VelQCanvas() override;

    QString typeName() const override { return QStringLiteral("canvas"); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(VelQCanvas)
};

} // namespace VelQtLib
