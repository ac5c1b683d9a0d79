#pragma once

#include "framework/VelQtGlobal.h"

#include <QProxyStyle>

namespace VelQtLib {

// The application style: the platform's style, with QCommonStyle's geometry for the library's
// own widgets and slider handles of skinned sliders at the size their skin gives, so that Qt
// hit-tests and drags the thumb that is painted. Every other widget keeps the platform's
// geometry, as it would without the library.
class VELQTLIB_EXPORT CScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The one instance, created on first use; the application owns it once it is installed.
    static CScrollBarStyle* instance();
    ~CScrollBarStyle() override;

    QRect subElementRect(
        SubElement element, const QStyleOption* option, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
        SubControl subControl, const QWidget* widget) const override;
    int pixelMetric(
        PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;

private:
    CScrollBarStyle();
    Q_DISABLE_COPY(CScrollBarStyle)
};

} // namespace VelQtLib
