#pragma once

#include "controls/VelQSwitch.h"

#include <QSize>
#include <QVariant>

class QVariantAnimation;

namespace VelQtLib {

class VELQTLIB_EXPORT VelQSwitchImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQSwitchImpl(VelQSwitch* owner);

    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    const ImageStyle* outlineStyle() const override { return &trackStyle; }

    // Starts the slide to the other end; ignored while a slide runs.
    void toggle();

public slots:
    void valueChanged(const QVariant& value);
    void finished();

public:
    int thumbPos = -1; // offset from the left margin; -1 until the first paint places it
    bool animating = false;
    bool off = false;
    int margin = 2;
    int speed = 300; // milliseconds
    QString leftText = QStringLiteral("On");
    QString rightText = QStringLiteral("Off");
    QSize thumbSize {25, 25};
    ImageStyle trackStyle;
    ImageStyle thumbStyles[4];
    TextStyle leftTextStyle;
    TextStyle rightTextStyle;
    QVariantAnimation* animation = nullptr; // owned by the widget

private:
    VelQSwitch* switchWidget() const { return static_cast<VelQSwitch*>(owner); }
    // How far the thumb travels in a switch of the given width.
    int travel(int width) const { return width - 2 * margin - thumbSize.width(); }
};

} // namespace VelQtLib
