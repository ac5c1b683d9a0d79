#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

class VelQGroupBoxImpl;

// A frame line with a caption set into its top edge, around other controls.
class VELQTLIB_EXPORT VelQGroupBox : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQGroupBox(QWidget* parent = nullptr);
    ~VelQGroupBox() override;

    QString typeName() const override { return QStringLiteral("qtgroupbox"); }

private:
    Q_DISABLE_COPY(VelQGroupBox)
};

} // namespace VelQtLib
