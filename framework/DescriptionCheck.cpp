#include "framework/DescriptionCheck.h"

#include "framework/ControlFactory.h"
#include "framework/DescriptionKeys.h"
#include "theme/Json.h"
#include "theme/PackageCheck.h"
#include "theme/ThemeManager.h"

#include <set>

namespace VelQtLib {

namespace {

QString quoted(const std::string& s)
{
    return QStringLiteral("\"%1\"").arg(QString::fromStdString(s));
}

std::vector<QString> toStrings(const std::vector<std::string>& names)
{
    std::vector<QString> out;
    for (const std::string& n : names)
        out.push_back(QString::fromStdString(n));
    return out;
}

// The keys of "attr" that some control reads: what a theme element not named after a type
// may hold.
const KeyTable& anyControlAttrKeys()
{
    static const KeyTable keys = [] {
        KeyTable all;
        for (const ControlSpec& c : controlSpecs()) {
            for (const KeySpec& k : c.attr) {
                if (!findKey(all, k.key))
                    all.push_back(k);
            }
        }
        return all;
    }();
    return keys;
}

class Checker {
public:
    explicit Checker(const DocumentReport& report)
        : r(report)
        , manager(CThemeManager::instance())
    {
    }

    void element(const QString& path, const ::Json::Value& e, int depth);
    void themeElement(const QString& path, const ::Json::Value& e);

private:
    void keys(const QString& prefix, const ::Json::Value& object, const KeyTable& table,
        const QString& owner);
    void attr(const QString& prefix, const ::Json::Value& e, const ControlSpec* spec);
    // inTheme: the records come from the theme package, as for a theme element.
    void styleList(
        const QString& prefix, const ::Json::Value& e, const ControlSpec* spec, bool inTheme);
    void children(
        const QString& path, const ::Json::Value& e, bool scrollable, int depth, bool inTheme);
    void scrollBarChild(const QString& path, const ::Json::Value& child, bool inTheme);
    void styleName(const QString& prefix, const ::Json::Value& at, const std::string& name,
        const SlotSpec* slot, bool inTheme);
    void image(const QString& prefix, const char* key, const ::Json::Value& value);

    const DocumentReport& r;
    const CThemeManager& manager;
};

void Checker::keys(
    const QString& prefix, const ::Json::Value& object, const KeyTable& table, const QString& owner)
{
    checkUnknownKeys(r, prefix, object, table, owner);
    for (const KeySpec& spec : table) {
        const ::Json::Value* value = Json::member(object, spec.key);
        if (!value || !checkKeyValue(r, prefix, spec.key, spec.kind, *value))
            continue;
        if (spec.kind == KeyKind::Image)
            image(prefix, spec.key, *value);
        else if (spec.kind == KeyKind::StyleName) {
            std::string name;
            Json::toStdString(*value, name);
            // The menu's "text0" to "text3" name text styles, its other keys image styles.
            const bool text = spec.key[0] == 't';
            const SlotSpec slot {0, 0, text, ""};
            styleName(prefix, *value, name, &slot, true);
        }
    }
}

void Checker::image(const QString& prefix, const char* key, const ::Json::Value& value)
{
    std::string path;
    Json::toStdString(value, path);
    if (path.empty() || imageExists(manager, QString::fromStdString(path)))
        return;
    r.error(&value,
        QStringLiteral("%1\"%2\": image %3 is in no package")
            .arg(prefix, QLatin1String(key), quoted(path)));
}

void Checker::styleName(const QString& prefix, const ::Json::Value& at, const std::string& name,
    const SlotSpec* slot, bool inTheme)
{
    const QString key = QString::fromStdString(name);
    const bool wantsText = !slot || slot->text;
    const bool wantsImage = !slot || !slot->text;
    if (wantsImage && (key == QLatin1String("empty") || key == QLatin1String("emptyRect")))
        return;
    const auto holds = [&](const CThemePackage* p) {
        return p
            && ((wantsImage && p->imageStyles.contains(key))
                || (wantsText && p->textStyles.contains(key)));
    };
    const CThemePackage* own = inTheme ? manager.themePackage() : manager.appPackage();
    const CThemePackage* other = inTheme ? manager.appPackage() : manager.themePackage();
    if (holds(own))
        return;
    const QString kind = !slot ? QStringLiteral("style record")
        : slot->text           ? QStringLiteral("text style")
                               : QStringLiteral("image style");
    const QString where
        = inTheme ? QStringLiteral("the theme package") : QStringLiteral("the application package");
    std::vector<QString> names;
    if (own) {
        for (const QString& n : wantsImage ? own->imageStyles.keys() : own->textStyles.keys())
            names.push_back(n);
    }
    QString message = QStringLiteral("%1no %2 \"%3\" in %4").arg(prefix, kind, key, where)
        + suggestion(key, names);
    if (holds(other))
        message += inTheme ? QStringLiteral(
                       "; the application package has it, but theme elements draw with the theme "
                       "package's records")
                           : QStringLiteral("; the theme package has it, but only elements drawn "
                                            "through \"theme\" use the theme package's records");
    r.error(&at, message);
}

void Checker::styleList(
    const QString& prefix, const ::Json::Value& e, const ControlSpec* spec, bool inTheme)
{
    const ::Json::Value* list = Json::member(e, "style");
    if (!list || !list->isArray())
        return;
    for (::Json::ArrayIndex i = 0; i < list->size(); ++i) {
        const ::Json::Value& entry = (*list)[i];
        const QString at = prefix + QStringLiteral("\"style\"[%1]: ").arg(i);
        if (!entry.isArray() || entry.size() < 3 || !entry[0].isString()
            || !entry[2].isConvertibleTo(::Json::intValue)) {
            r.error(&entry,
                at + QStringLiteral("an entry must be [record name, 0, slot], got ")
                    + describeValue(entry) + QStringLiteral("; it is skipped"));
            continue;
        }
        const int index = entry[2].asInt();
        const SlotSpec* slot = spec ? findSlot(*spec, index) : nullptr;
        if (spec && !slot) {
            QStringList used;
            for (const SlotSpec& s : spec->styleSlots)
                used << (s.first == s.last ? QString::number(s.first)
                                           : QStringLiteral("%1-%2").arg(s.first).arg(s.last));
            r.warning(&entry[2],
                at
                    + QStringLiteral("slot %1 is not read by \"%2\" (its slots: %3)")
                          .arg(index)
                          .arg(QLatin1String(spec->typeName),
                              used.isEmpty() ? QStringLiteral("none")
                                             : used.join(QLatin1String(", "))));
        }
        styleName(at, entry[0], entry[0].asString(), slot, inTheme);
    }
}

void Checker::attr(const QString& prefix, const ::Json::Value& e, const ControlSpec* spec)
{
    const ::Json::Value* a = Json::member(e, "attr");
    if (!a || !a->isObject())
        return;
    const QString owner = spec ? QStringLiteral("\"%1\"").arg(QLatin1String(spec->typeName))
                               : QStringLiteral("any control");
    keys(
        prefix + QStringLiteral("\"attr\": "), *a, spec ? spec->attr : anyControlAttrKeys(), owner);
}

void Checker::scrollBarChild(const QString& path, const ::Json::Value& child, bool inTheme)
{
    const QString prefix = path + QStringLiteral(": ");
    const ControlSpec& spec = scrollBarChildSpec();
    keys(prefix, child, scrollBarChildKeys(), QStringLiteral("a scroll-bar child"));
    if (const ::Json::Value* a = Json::objectMember(child, "attr"))
        keys(prefix + QStringLiteral("\"attr\": "), *a, spec.attr,
            QStringLiteral("a scroll-bar child"));
    styleList(prefix, child, &spec, inTheme);
}

void Checker::children(
    const QString& path, const ::Json::Value& e, bool scrollable, int depth, bool inTheme)
{
    const ::Json::Value* list = Json::member(e, "child");
    if (!list || !list->isArray())
        return;
    for (::Json::ArrayIndex i = 0; i < list->size(); ++i) {
        const ::Json::Value& child = (*list)[i];
        const QString at = path + QStringLiteral(".child[%1]").arg(i);
        const std::string type = Json::stringOr(child, "type", std::string());
        if (scrollable && type.find("scrollbar") != std::string::npos)
            scrollBarChild(at, child, inTheme);
        else if (!inTheme)
            element(at, child, depth + 1);
    }
}

void Checker::element(const QString& path, const ::Json::Value& e, int depth)
{
    if (depth > 256)
        return;
    if (!e.isObject()) {
        r.error(
            &e, path + QStringLiteral(": an element must be an object, got ") + describeValue(e));
        return;
    }
    const ::Json::Value* typeValue = Json::member(e, "type");
    if (!typeValue || !typeValue->isString()) {
        r.error(typeValue ? typeValue : &e,
            path
                + (typeValue ? QStringLiteral(": \"type\" must be a string, got ")
                            + describeValue(*typeValue)
                             : QStringLiteral(": \"type\" is missing"))
                + QStringLiteral("; the element is left out"));
        return;
    }
    const std::string type = typeValue->asString();
    if (type == "qtscrollbar") {
        r.error(typeValue,
            path
                + QStringLiteral(": a \"qtscrollbar\" element is left out; scroll bars are "
                                 "skinned by a scroll-bar child of a scrollable control"));
        return;
    }
    if (!IsRegisteredControl(type)) {
        r.error(typeValue,
            path + QStringLiteral(": unknown control type ") + quoted(type)
                + suggestion(QString::fromStdString(type), toStrings(RegisteredControls()))
                + QStringLiteral("; the element is left out"));
        return;
    }
    const ControlSpec* spec = findControlSpec(type);
    const QString prefix = path + QStringLiteral(": ");
    keys(prefix, e, elementKeys(), QStringLiteral("an element"));
    if (const ::Json::Value* layout = Json::objectMember(e, "layout")) {
        keys(prefix + QStringLiteral("\"layout\": "), *layout, layoutKeys(),
            QStringLiteral("\"layout\""));
        const unsigned layoutType = unsigned(Json::intOr(*layout, "type", 0));
        if (layoutType > 3)
            r.warning(Json::member(*layout, "type"),
                prefix
                    + QStringLiteral("\"layout\": \"type\" %1 is none of 0 (anchored), 1 (fill), "
                                     "2 (none), 3 (fixed); the control is not placed")
                          .arg(layoutType));
    }
    bool inTheme = false;
    if (const ::Json::Value* theme = Json::member(e, "theme"); theme && theme->isString()) {
        const std::string name = theme->asString();
        if (!Json::objectMember(e, "attr")) {
            r.error(theme,
                prefix
                    + QStringLiteral("\"theme\" %1 is ignored: an element takes its theme only "
                                     "when it also has an \"attr\" object (\"attr\": {} will do)")
                          .arg(quoted(name)));
        } else if (!manager.findThemeElement(name)) {
            std::vector<std::string> names;
            if (const CThemePackage* p = manager.themePackage()) {
                for (const auto& entry : p->themeElements)
                    names.push_back(entry.first);
            }
            r.error(theme,
                prefix
                    + QStringLiteral("\"theme\" %1 names no element of theme.json")
                          .arg(quoted(name))
                    + suggestion(QString::fromStdString(name), toStrings(names))
                    + QStringLiteral("; the control keeps its own look"));
        } else {
            inTheme = true;
        }
    }
    // Redirected to a theme element, the control reads that element instead of its own.
    if (!inTheme) {
        attr(prefix, e, spec);
        styleList(prefix, e, spec, false);
    }
    children(path, e, spec && spec->scrollBars, depth, false);
}

void Checker::themeElement(const QString& path, const ::Json::Value& e)
{
    if (!e.isObject()) {
        r.error(&e,
            path + QStringLiteral(": a theme element must be an object, got ") + describeValue(e));
        return;
    }
    const ControlSpec* spec = findControlSpec(Json::stringOr(e, "name", std::string()));
    const QString prefix = path + QStringLiteral(": ");
    KeyTable table = themeElementKeys();
    if (spec)
        table.insert(table.end(), spec->ownKeys.begin(), spec->ownKeys.end());
    keys(prefix, e, table, QStringLiteral("a theme element"));
    attr(prefix, e, spec);
    styleList(prefix, e, spec, true);
    // A theme element named by a theme name may belong to any control: scrollable, maybe.
    children(path, e, !spec || spec->scrollBars, 0, true);
}

} // namespace

void checkDescription(const DocumentReport& report, const ::Json::Value& root)
{
    if (!root.isObject()) {
        report.error(
            &root, QStringLiteral("a description must be an object, got ") + describeValue(root));
        return;
    }
    Checker checker(report);
    checkUnknownKeys(report, QString(), root, descriptionKeys(), QStringLiteral("a description"));
    for (const KeySpec& spec : descriptionKeys()) {
        if (const ::Json::Value* value = Json::member(root, spec.key))
            checkKeyValue(report, QString(), spec.key, spec.kind, *value);
    }
    const ::Json::Value* elements = Json::arrayMember(root, "elements");
    if (!elements)
        return;
    for (::Json::ArrayIndex i = 0; i < elements->size(); ++i)
        checker.element(QStringLiteral("elements[%1]").arg(i), (*elements)[i], 1);
}

void checkThemeDocument(const DocumentReport& report, const ::Json::Value& root)
{
    checkUnknownKeys(report, QString(), root, themeDocumentKeys(), QStringLiteral("theme.json"));
    const ::Json::Value* elements = Json::arrayMember(root, "elements");
    const ::Json::Value* children
        = elements && !elements->empty() ? Json::member((*elements)[0], "child") : nullptr;
    if (!children || !(children->isArray() || children->isObject())) {
        report.error(elements ? &(*elements)[0] : &root,
            QStringLiteral("there is no \"elements\"[0].\"child\" array; theme.json defines no "
                           "theme element"));
        return;
    }
    Checker checker(report);
    std::set<std::string> names;
    ::Json::ArrayIndex i = 0;
    for (const ::Json::Value& child : *children) {
        const std::string name = Json::stringOr(child, "name", std::string());
        QString path = QStringLiteral("elements[0].child[%1]").arg(i++);
        if (!name.empty())
            path += QStringLiteral(" ") + quoted(name);
        if (name.empty())
            report.warning(&child, path + QStringLiteral(": no \"name\"; no control uses it"));
        else if (!names.insert(name).second)
            report.warning(&child,
                path + QStringLiteral(": a second theme element of this name; the first is used"));
        checker.themeElement(path, child);
    }
}

} // namespace VelQtLib
