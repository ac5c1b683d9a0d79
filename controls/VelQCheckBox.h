#pragma once

#include "framework/VelQControl.h"

#include <QCheckBox>

namespace VelQtLib {

class VelQCheckBoxImpl;

// A QCheckBox whose background, check mark and label are painted from the theme; without a
// theme it shows the built-in marks.
class VELQTLIB_EXPORT VelQCheckBox : public VelQControl<QCheckBox> {
    Q_OBJECT
public:
    explicit VelQCheckBox(QWidget* parent = nullptr);
    ~VelQCheckBox() override;

    // The unchecked mark; the hover mark follows while it is the built-in one. No repaint.
    void setUncheckedIcon(const QString& path);
    // The checked mark; the hover mark follows while it is the built-in one. No repaint.
    void setCheckedIcon(const QString& path);
    // Background of state index (Normal, Hover, Pressed, Disabled); index 4 sets all four.
    void setUncheckedStyle(int index, const ImageStyle& style);
    void setCheckedStyle(int index, const ImageStyle& style);
    // Draw the label or not; no repaint.
    void setShowText(bool show);

    QString typeName() const override { return QStringLiteral("qtcheckbox"); }

private:
    VelQCheckBoxImpl* d() const;
    Q_DISABLE_COPY(VelQCheckBox)
};

} // namespace VelQtLib
