#include "controls/VelQMenu_p.h"

#include "theme/Json.h"
#include "theme/ThemeManager.h"

#include <QMouseEvent>
#include <QPainter>

namespace VelQtLib {

namespace {

const ImageOffset centred {0, 0, 1, 1};

// The grey arrow of an entry that opens a sub-menu, 2 to 7 pixels from its right edge.
void drawSubMenuArrow(QPainter* painter, const QRect& r)
{
    const int middle = r.top() + r.height() / 2;
    const QPoint points[] = {QPoint(r.right() - 2, middle), QPoint(r.right() - 7, middle - 5),
        QPoint(r.right() - 7, middle + 5)};
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(QColor(0xcc, 0xcc, 0xcc));
    painter->drawPolygon(points, 3);
    painter->restore();
}

// A state group from names: key0 fills every state, key1 to key3 their own.
template<class Style, class Lookup>
void readStateGroup(const ::Json::Value& json, const char* prefix, Style (&states)[4], Lookup find)
{
    for (int i = 0; i < 4; ++i) {
        const std::string key = prefix + std::to_string(i);
        QString name;
        if (!Json::readUtf8(json, key.c_str(), name) || !find(name, states[i]))
            continue;
        if (i == 0)
            std::fill(std::begin(states) + 1, std::end(states), states[0]);
    }
}

} // namespace

VelQMenu::VelQMenu(const QString& title, QWidget* parent)
    : VelQControl<QMenu>(title, parent)
{
    setImpl(new VelQMenuImpl(this));
}

VelQMenu::VelQMenu(QWidget* parent)
    : VelQControl<QMenu>(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setImpl(new VelQMenuImpl(this));
}

VelQMenu::~VelQMenu() = default;

VelQMenuImpl* VelQMenu::d() const
{
    return static_cast<VelQMenuImpl*>(const_cast<VelQMenu*>(this)->impl());
}

void VelQMenu::setBackgroundStyle(const ImageStyle& style)
{
    d()->background = style;
}

void VelQMenu::setItemStyle(int state, const ImageStyle& style)
{
    if (state >= 0 && state < 4)
        d()->itemStyles[state] = style;
}

void VelQMenu::setItemTextStyle(int state, const TextStyle& style)
{
    if (state >= 0 && state < 4)
        d()->itemTextStyles[state] = style;
}

void VelQMenu::setIconColumn(int width)
{
    d()->iconColumn = width;
}

void VelQMenu::mouseMoveEvent(QMouseEvent* event)
{
    QMenu::mouseMoveEvent(event);
    const int index = actionIndexAt(this, event->pos());
    if (index != -1 && index != d()->hoverIndex) {
        d()->hoverIndex = index;
        update();
    }
}

// The hover index outlives leaving the menu; only hiding clears it.
void VelQMenu::enterEvent(EnterEvent* event)
{
    QMenu::enterEvent(event);
}

void VelQMenu::leaveEvent(QEvent* event)
{
    QMenu::leaveEvent(event);
}

void VelQMenu::hideEvent(QHideEvent* event)
{
    QMenu::hideEvent(event);
    d()->hoverIndex = -1;
}

VelQMenuImpl::VelQMenuImpl(VelQMenu* owner)
    : VelQControlBaseImpl(owner, owner->typeName())
{
}

void VelQMenuImpl::draw(QPainter* painter, const QRect& rect)
{
    drawImageStyle(painter, background, rect);
    const QList<QAction*> actions = menu()->actions();
    for (int i = 0; i < actions.size(); ++i) {
        QAction* action = actions[i];
        const QRect r = menu()->actionGeometry(action);
        const int look = i == hoverIndex && !action->isSeparator() ? Hover : Normal;
        drawImageStyle(painter, itemStyles[look], r);
        QRect textRect = r;
        // The icon goes over the entry's background so that an opaque entry keeps it visible.
        if (iconColumn != 0) {
            textRect.setLeft(r.left() + iconColumn + 4);
            const QRect iconRect(r.x(), r.y(), iconColumn, r.height());
            drawAlignedIcon(painter, action->icon(), QSize(16, 16), centred, iconRect);
        }
        drawStyledText(painter, action->text(), itemTextStyles[look], textRect, true);
        if (action->menu())
            drawSubMenuArrow(painter, r);
    }
}

bool VelQMenuImpl::parseAttributes(const ::Json::Value*& json)
{
    if (!json)
        return true;
    const CThemeManager& manager = CThemeManager::instance();
    QString name;
    if (Json::readUtf8(*json, "background", name))
        manager.getImageStyle(name, background);
    readStateGroup(*json, "item", itemStyles,
        [&](const QString& n, ImageStyle& out) { return manager.getImageStyle(n, out); });
    readStateGroup(*json, "text", itemTextStyles,
        [&](const QString& n, TextStyle& out) { return manager.getTextStyle(n, out); });
    if (const ::Json::Value* items = Json::arrayMember(*json, "items"); items && !restyling) {
        for (const ::Json::Value& element : *items)
            addItem(element, menu());
    }
    return true;
}

void VelQMenuImpl::addItem(const ::Json::Value& element, VelQMenu* target)
{
    QString text;
    Json::readDisplayText(element, "text", text);
    if (!Json::member(element, "items")) {
        target->addAction(text);
        return;
    }
    auto* sub = new VelQMenu(target);
    sub->setTitle(text);
    static_cast<VelQMenuImpl*>(target->impl())->copyLookTo(static_cast<VelQMenuImpl*>(sub->impl()));
    target->addMenu(sub);
    if (const ::Json::Value* items = Json::arrayMember(element, "items")) {
        for (const ::Json::Value& child : *items)
            addItem(child, sub);
    }
}

void VelQMenuImpl::copyLookTo(VelQMenuImpl* other) const
{
    other->background = background;
    std::copy(std::begin(itemStyles), std::end(itemStyles), std::begin(other->itemStyles));
    std::copy(
        std::begin(itemTextStyles), std::end(itemTextStyles), std::begin(other->itemTextStyles));
}

} // namespace VelQtLib
