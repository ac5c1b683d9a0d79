#pragma once

#include "controls/VelQContainer.h"
#include "controls/VelQScrollView.h"

#include <QPointer>

namespace VelQtLib {

class VelQScrollBar;

class VELQTLIB_EXPORT VelQScrollViewImpl : public VelQControlBaseImpl {
    Q_OBJECT
public:
    explicit VelQScrollViewImpl(VelQScrollView* owner);

    // Paints the viewport, whose paint events the scroll area hands to the widget.
    void onPaint() override;
    void draw(QPainter* painter, const QRect& rect) override;
    bool parseAttributes(const ::Json::Value*& json) override;
    // Adopts the first child container as the scrolled content.
    void fillSamples() override;

    QPointer<VelQContainer> content;
    ImageStyle backgroundStyle;

private:
    VelQScrollView* view() const { return static_cast<VelQScrollView*>(owner); }
    VelQScrollBar* bar(Qt::Orientation orientation) const;
};

} // namespace VelQtLib
