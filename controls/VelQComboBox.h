#pragma once

#include "framework/VelQControl.h"

#include <QComboBox>

namespace VelQtLib {

class VelQComboBoxImpl;

// A QComboBox whose box, drop-down button, current text and pop-up rows are painted from the
// theme. Opening, closing, selection, keys and wheel are Qt's.
class VELQTLIB_EXPORT VelQComboBox : public VelQControl<QComboBox> {
    Q_OBJECT
public:
    explicit VelQComboBox(QWidget* parent = nullptr);
    ~VelQComboBox() override;

    QString typeName() const override { return QStringLiteral("qtcombobox"); }

protected:
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(VelQComboBox)
};

} // namespace VelQtLib
