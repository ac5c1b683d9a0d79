#include "framework/VelQControlBaseImpl.h"

#include "framework/FocusRing.h"
#include "theme/Diagnostics.h"
#include "theme/Json.h"
#include "theme/ThemeManager.h"

#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace VelQtLib {

namespace {

AttrValue attrValue(const ::Json::Value& v)
{
    switch (v.type()) {
    case ::Json::booleanValue:
        return v.asBool();
    case ::Json::stringValue: {
        const std::string s = v.asString();
        return QString::fromUtf8(s.data(), int(s.size()));
    }
    case ::Json::intValue:
    case ::Json::uintValue:
    case ::Json::realValue:
        if (v.isInt())
            return v.asInt();
        if (v.isUInt())
            return v.asUInt();
        return v.asDouble();
    case ::Json::arrayValue: {
        if (v.empty() || !v[0].isString())
            return std::monostate();
        QStringList list;
        for (const ::Json::Value& item : v) {
            QString s;
            Json::toUtf8(item, s);
            list.append(s);
        }
        return list;
    }
    default:
        return std::monostate();
    }
}

} // namespace

VelQControlBaseImpl::VelQControlBaseImpl(QWidget* owner, const QString& typeName)
    : typeName(typeName)
    , owner(owner)
{
    if (owner)
        owner->setProperty("impl", QVariant::fromValue(static_cast<void*>(this)));
    applyTheme();
    // Only the base class's parse ran, which gives no look to parse again.
    themeApplied = false;
    VelQFocusRing::watch();
}

VelQControlBaseImpl::~VelQControlBaseImpl() = default;

void VelQControlBaseImpl::applyTheme()
{
    const QString key = themeName.isEmpty() ? typeName : themeName;
    // Elements without a name are stored under the empty name; they belong to no control.
    if (key.isEmpty())
        return;
    CThemeManager& manager = CThemeManager::instance();
    const ::Json::Value* element = manager.findThemeElement(key.toStdString());
    // A control's own type needs no element; a theme name given in code does.
    if (!element && !themeName.isEmpty() && manager.themePackage()) {
        reportDiagnostic({Diagnostic::Warning, Diagnostic::Theme,
            manager.themePackage()->path + QStringLiteral("/theme.json"), 0, 0,
            QStringLiteral("no theme element \"%1\"; a %2 named \"%3\" keeps its own look")
                .arg(themeName, typeName, owner ? owner->objectName() : QString())});
    }
    if (!element)
        return;
    // The flag is process-wide: left set, every control parsed in code afterwards would look its
    // styles up in the theme package.
    const bool usedThemePackage = manager.useThemePackage();
    manager.setUseThemePackage(true);
    themeApplied = true;
    parseAttributes(element);
    manager.setUseThemePackage(usedThemePackage);
    if (owner)
        owner->update();
}

void VelQControlBaseImpl::restyle()
{
    CThemeManager& manager = CThemeManager::instance();
    const bool usedThemePackage = manager.useThemePackage();
    restyling = true;
    if (!descriptionTheme.empty()) {
        if (const ::Json::Value* element = manager.findThemeElement(descriptionTheme)) {
            manager.setUseThemePackage(true);
            parseAttributes(element);
        }
    }
    if (themeApplied)
        applyTheme();
    restyling = false;
    manager.setUseThemePackage(usedThemePackage);
    if (owner)
        owner->update();
}

void VelQControlBaseImpl::onPaint()
{
    if (!owner)
        return;
    if (!owner->isEnabled())
        state = Disabled;
    else if (state == Disabled)
        state = Normal;
    QPainter painter(owner);
    draw(&painter, QRect(0, 0, owner->width(), owner->height()));
}

void VelQControlBaseImpl::draw(QPainter*, const QRect&) { }

bool VelQControlBaseImpl::parseAttributes(const ::Json::Value*& json)
{
    if (!json)
        return false;
    const ::Json::Value* attr = Json::objectMember(*json, "attr");
    if (!attr)
        return true;
    for (auto it = attr->begin(); it != attr->end(); ++it)
        attributes[it.name()] = attrValue(*it);
    if (const ::Json::Value* name = Json::member(*json, "theme"); name && name->isString()) {
        CThemeManager& manager = CThemeManager::instance();
        if (const ::Json::Value* element = manager.findThemeElement(name->asString())) {
            // Only a description's own redirection is a look of its own; one inside a theme
            // element comes back with that element.
            if (!manager.useThemePackage())
                descriptionTheme = name->asString();
            json = element;
            manager.setUseThemePackage(true);
        }
    }
    if (const ::Json::Value* own = Json::objectMember(*json, "attr")) {
        if (const ::Json::Value* focus = Json::objectMember(*own, "focus"))
            focusAttributes = *focus;
    }
    return true;
}

void VelQControlBaseImpl::fillSamples() { }

void VelQControlBaseImpl::setState(int newState)
{
    if (state == newState)
        return;
    state = newState;
    if (owner)
        owner->repaint();
}

void VelQControlBaseImpl::onMousePress(QMouseEvent*)
{
    state = Pressed;
    if (owner)
        owner->repaint();
}

void VelQControlBaseImpl::onMouseRelease(QMouseEvent*)
{
    state = hovered ? Hover : Normal;
    if (owner)
        owner->repaint();
}

void VelQControlBaseImpl::onEnter(QEvent*)
{
    hovered = true;
    state = Hover;
    if (owner)
        owner->repaint();
}

void VelQControlBaseImpl::onLeave(QEvent*)
{
    hovered = false;
    state = owner && !owner->isEnabled() ? Disabled : Normal;
    if (owner)
        owner->repaint();
}

void VelQControlBaseImpl::onMouseMove(QMouseEvent*) { }

void VelQControlBaseImpl::onMouseDoubleClick(QMouseEvent*) { }

} // namespace VelQtLib
