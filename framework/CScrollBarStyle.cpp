#include "framework/CScrollBarStyle.h"

#include "controls/VelQSlider.h"

#include <QCoreApplication>
#include <QStyleFactory>

namespace VelQtLib {

namespace {

// The platform's default style. Without an application object Qt cannot ask the platform yet
// and would settle on "Windows" for good; "Fusion" is what it picks here once it can ask.
QStyle* platformStyle()
{
    if (QCoreApplication::instance())
        return nullptr;
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

// A widget of one of this library's classes (or of a class derived from one): a skinned
// control, or a part that the library made for one, such as a pop-up list or a header.
bool isOurs(const QWidget* widget)
{
    for (const QMetaObject* meta = widget ? widget->metaObject() : nullptr; meta;
         meta = meta->superClass()) {
        if (qstrncmp(meta->className(), "VelQtLib::", 10) == 0)
            return true;
    }
    return false;
}

} // namespace

CScrollBarStyle* CScrollBarStyle::instance()
{
    // Never deleted here: QApplication deletes its style.
    static CScrollBarStyle* const style = new CScrollBarStyle;
    return style;
}

CScrollBarStyle::CScrollBarStyle()
    : QProxyStyle(platformStyle())
{
}

CScrollBarStyle::~CScrollBarStyle() = default;

QRect CScrollBarStyle::subElementRect(
    SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if (!isOurs(widget))
        return QProxyStyle::subElementRect(element, option, widget);
    return QCommonStyle::subElementRect(element, option, widget);
}

QRect CScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl subControl, const QWidget* widget) const
{
    // The platform style paints the widgets that are not ours, so it measures them too.
    if (!isOurs(widget))
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    QRect r = QCommonStyle::subControlRect(control, option, subControl, widget);
    if (control != CC_Slider || subControl != SC_SliderHandle)
        return r;
    const auto* slider = qobject_cast<const VelQSlider*>(widget);
    if (!slider)
        return r;
    const QSize thumb = slider->thumbSize();
    // Centred across the channel; the position along it stays QCommonStyle's.
    if (slider->orientation() == Qt::Horizontal)
        r.setTop((slider->height() - thumb.height()) / 2);
    else
        r.setLeft((slider->width() - thumb.width()) / 2);
    r.setWidth(thumb.width());
    r.setHeight(thumb.height());
    return r;
}

int CScrollBarStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    const auto* slider = qobject_cast<const VelQSlider*>(widget);
    if (!slider)
        return value;
    const bool horizontal = slider->orientation() == Qt::Horizontal;
    switch (metric) {
    case PM_SliderLength:
        return slider->thumbLength();
    // QCommonStyle places the groove by these two; a platform style with geometry of its own may
    // not define them (Fusion makes the groove 0 thick), and then a press on the painted channel
    // would never page. The whole slider is the groove, as in the Windows styles.
    case PM_SliderControlThickness:
        return horizontal ? slider->height() : slider->width();
    case PM_SliderTickmarkOffset:
        return 0;
    default:
        return value;
    }
}

} // namespace VelQtLib
