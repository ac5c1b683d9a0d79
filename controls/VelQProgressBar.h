#pragma once

#include "framework/VelQControl.h"

#include <QProgressBar>

namespace VelQtLib {

class VelQProgressBarImpl;

// A QProgressBar painted as a groove with a chunk over it and an optional percentage text;
// it looks the same in every state.
class VELQTLIB_EXPORT VelQProgressBar : public VelQControl<QProgressBar> {
    Q_OBJECT
public:
    explicit VelQProgressBar(QWidget* parent = nullptr);
    ~VelQProgressBar() override;

    QString typeName() const override { return QStringLiteral("qtprogressbar"); }

private:
    Q_DISABLE_COPY(VelQProgressBar)
};

} // namespace VelQtLib
