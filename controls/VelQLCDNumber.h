#pragma once

#include "framework/VelQControl.h"

#include <QLCDNumber>

namespace VelQtLib {

// A frameless QLCDNumber whose digits, in the colour of its "color" attribute, are drawn
// over a skinned background.
class VELQTLIB_EXPORT VelQLCDNumber : public VelQControl<QLCDNumber> {
    Q_OBJECT
public:
    explicit VelQLCDNumber(QWidget* parent = nullptr);
    ~VelQLCDNumber() override;

    QString typeName() const override { return QStringLiteral("qtlcdnumber"); }

protected:
    // The background, then Qt's digits over it.
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(VelQLCDNumber)
};

} // namespace VelQtLib
