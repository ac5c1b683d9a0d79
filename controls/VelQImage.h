#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

class VelQImageImpl;

// A picture: one image from a package or from disk, stretched over the widget or drawn
// unscaled and centred in it.
class VELQTLIB_EXPORT VelQImage : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQImage(QWidget* parent = nullptr);
    ~VelQImage() override;

    QString path() const;
    // A package entry or a file; repaints when the path changes.
    void setPath(const QString& path);
    bool fill() const;
    // True stretches the image over the widget; false draws it unscaled and centred.
    void setFill(bool fill);

    QString typeName() const override { return QStringLiteral("qtpicture"); }

private:
    VelQImageImpl* d() const;
    Q_DISABLE_COPY(VelQImage)
};

} // namespace VelQtLib
