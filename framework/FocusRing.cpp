#include "framework/FocusRing.h"

#include "framework/ThemeEvents.h"
#include "framework/VelQControlBaseImpl.h"
#include "theme/Json.h"
#include "theme/StyleParser.h"
#include "theme/ThemeManager.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>

namespace VelQtLib {

namespace {

// Made on first need inside the focused control's parent, and gone with the widget that owns it.
QPointer<VelQFocusRing> ring;

// Each key present in object replaces the look's own.
void readFocusLook(const ::Json::Value& object, FocusLook& look)
{
    QString color;
    if (Json::readUtf8(object, "color", color)) {
        const QRgb rgb = parseColorNumber(color.toStdString());
        look.color = color.size() > 6 ? QColor::fromRgba(rgb) : QColor(rgb);
    }
    Json::readInt(object, "width", look.width);
    Json::readInt(object, "offset", look.offset);
    Json::readInt(object, "radius", look.radius);
    look.width = qBound(0, look.width, 16);
    look.offset = qBound(-64, look.offset, 64);
    look.radius = qBound(0, look.radius, 256);
}

// The skinned control that focus belongs to: focus itself or the nearest skinned ancestor within
// its window (an editable combo box's edit, a view's viewport).
QWidget* skinnedControlOf(QWidget* focus)
{
    for (QWidget* w = focus; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (w->property("impl").isValid() && !w->isWindow())
            return w;
    }
    return nullptr;
}

VelQControlBaseImpl* implOf(QWidget* control)
{
    return control ? static_cast<VelQControlBaseImpl*>(control->property("impl").value<void*>())
                   : nullptr;
}

// A nine-slice face's corner slices hold its radius and its 1-pixel border.
int cornerRadiusOf(const ImageStyle* outline)
{
    if (!outline || !outline->valid)
        return -1;
    if (outline->noImage)
        return outline->round;
    return qMax(0, qMin(outline->sliceLeft, outline->sliceTop) - 1);
}

// Follows the focus of the whole application by the reasons of its focus events, which the
// application's focus signal does not tell: Qt's own flag for keyboard navigation stays set on a
// window after a later click.
class FocusTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            focusIn(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason());
        return false;
    }

private:
    void focusIn(QWidget* widget, Qt::FocusReason reason)
    {
        QWidget* control = skinnedControlOf(widget);
        switch (reason) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            m_keyboard = true;
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            // Focus coming back to where it was keeps the way it came there.
            m_keyboard = m_keyboard && control == m_control;
            break;
        default:
            m_keyboard = false;
            break;
        }
        m_control = control;
        QWidget* shown = m_keyboard ? control : nullptr;
        if (shown && !ring && shown->parentWidget())
            ring = new VelQFocusRing(shown->parentWidget());
        if (ring)
            ring->follow(shown);
    }

    QPointer<QWidget> m_control;
    bool m_keyboard = false;
};

QPointer<FocusTracker> tracker;

} // namespace

FocusLook focusLookOf(const VelQControlBaseImpl& impl)
{
    FocusLook look;
    if (const ::Json::Value* element = CThemeManager::instance().findThemeElement("focus")) {
        if (const ::Json::Value* attr = Json::objectMember(*element, "attr"))
            readFocusLook(*attr, look);
    }
    readFocusLook(impl.focusAttributes, look);
    return look;
}

VelQFocusRing::VelQFocusRing(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("velqt_focusring"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // A new theme may style the ring otherwise.
    connect(ThemeEvents(), &VelQThemeEvents::themeChanged, this, [this] { follow(m_control); });
}

void VelQFocusRing::watch()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || tracker)
        return;
    tracker = new FocusTracker(app);
    app->installEventFilter(tracker);
}

VelQFocusRing* VelQFocusRing::instance()
{
    return ring;
}

void VelQFocusRing::follow(QWidget* control)
{
    if (m_control)
        m_control->removeEventFilter(this);
    m_control = control;
    if (!control || !control->parentWidget()) {
        hide();
        return;
    }
    control->installEventFilter(this);
    const VelQControlBaseImpl* impl = implOf(control);
    m_look = focusLookOf(*impl);
    const int radius = cornerRadiusOf(impl->outlineStyle());
    m_radius = radius < 0 ? m_look.radius : radius;
    if (parentWidget() != control->parentWidget())
        setParent(control->parentWidget());
    place();
}

void VelQFocusRing::place()
{
    if (!m_control || !m_control->isVisible() || m_look.width <= 0) {
        hide();
        return;
    }
    const int margin = qMax(0, m_look.offset + m_look.width);
    setGeometry(m_control->geometry().adjusted(-margin, -margin, margin, margin));
    raise();
    show();
    update();
}

bool VelQFocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            place();
            break;
        case QEvent::ParentChange:
            follow(m_control);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void VelQFocusRing::paintEvent(QPaintEvent*)
{
    if (!m_control)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    // The surroundings' palette: editors set palettes of their own for their text.
    const QColor color
        = m_look.color.isValid() ? m_look.color : palette().color(QPalette::Highlight);
    painter.setPen(QPen(color, m_look.width));
    painter.setBrush(Qt::NoBrush);
    // The pen's middle runs half a width out from the offset outline.
    const qreal grow = m_look.offset + m_look.width / 2.0;
    const QRectF outline
        = QRectF(m_control->geometry().translated(-pos())).adjusted(-grow, -grow, grow, grow);
    const qreal radius = m_radius > 0 ? qMax<qreal>(0, m_radius + grow) : 0;
    painter.drawRoundedRect(outline, radius, radius);
}

} // namespace VelQtLib
