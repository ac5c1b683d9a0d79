#pragma once

#include "framework/VelQControl.h"

#include <QSlider>

namespace VelQtLib {

class VelQSliderImpl;

// A QSlider painted as a channel, its filled part and a thumb of the skin's own size. The
// application style gives Qt's handle geometry that size, so the painted thumb is the one
// that is hit and dragged; hover and press looks follow the thumb.
class VELQTLIB_EXPORT VelQSlider : public VelQControl<QSlider> {
    Q_OBJECT
public:
    explicit VelQSlider(QWidget* parent = nullptr, Qt::Orientation orientation = Qt::Horizontal);
    explicit VelQSlider(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~VelQSlider() override;

    // The thumb's extent along the slider: the slider length the style reports.
    int thumbLength() const;
    // The thumb's width and height as the skin gives them.
    QSize thumbSize() const;
    // The style's handle rectangle at the thumb's size: where the thumb is painted.
    QRect thumbRect() const;

    QString typeName() const override { return QStringLiteral("qtslider"); }

protected:
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQSliderImpl* d() const;
    Q_DISABLE_COPY(VelQSlider)
};

} // namespace VelQtLib
