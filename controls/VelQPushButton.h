#pragma once

#include "framework/VelQControl.h"

#include <QPushButton>

namespace VelQtLib {

class VelQPushButtonImpl;

// A QPushButton whose face (background, text, icon and an optional extension area at its
// right edge) is painted from the theme.
class VELQTLIB_EXPORT VelQPushButton : public VelQControl<QPushButton> {
    Q_OBJECT
public:
    explicit VelQPushButton(QWidget* parent = nullptr);
    ~VelQPushButton() override;

    // Repaints only when the path changes.
    void setIconPath(const QString& path);
    ImageOffset& iconOffset();
    // Takes effect at the next paint.
    void setIconOffset(const ImageOffset& offset);

    QString typeName() const override { return QStringLiteral("qtbutton"); }

private:
    VelQPushButtonImpl* d() const;
    Q_DISABLE_COPY(VelQPushButton)
};

} // namespace VelQtLib
