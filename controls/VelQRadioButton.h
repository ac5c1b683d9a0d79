#pragma once

#include "framework/VelQControl.h"

#include <QRadioButton>

namespace VelQtLib {

class VelQRadioButtonImpl;

// A QRadioButton whose background, mark and label are painted from the theme. Exclusivity
// among the radio buttons of one parent is Qt's own.
class VELQTLIB_EXPORT VelQRadioButton : public VelQControl<QRadioButton> {
    Q_OBJECT
public:
    explicit VelQRadioButton(QWidget* parent = nullptr);
    ~VelQRadioButton() override;

    // The unchecked mark; no repaint, the hover mark is left alone. Always true.
    bool setUncheckedIcon(const QString& path);
    // The checked mark; no repaint, the hover mark is left alone. Always true.
    bool setCheckedIcon(const QString& path);

    QString typeName() const override { return QStringLiteral("qtradiobox"); }

protected:
    // The pressed look shows before Qt handles the press, and the hover look after a release.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    VelQRadioButtonImpl* d() const;
    bool inExclusiveSet() const;
    Q_DISABLE_COPY(VelQRadioButton)
};

} // namespace VelQtLib
