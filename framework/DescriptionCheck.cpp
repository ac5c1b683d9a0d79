#include "framework/DescriptionCheck.h"

#include "framework/ControlFactory.h"
#include "framework/DescriptionKeys.h"
#include "theme/Json.h"
#include "theme/PackageCheck.h"
#include "theme/ThemeManager.h"

#include <QVarLengthArray>

#include <algorithm>
#include <iterator>
#include <set>
#include <string_view>

namespace VelQtLib {

namespace {

QString quotedText(const std::string& s)
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

// A child whose type names a scroll bar skins a bar of its scrollable parent.
bool isScrollBar(const ::Json::Value& child)
{
    const ::Json::Value* type = Json::member(child, "type");
    if (!type || !type->isString())
        return false;
    const char* begin = nullptr;
    const char* end = nullptr;
    type->getString(&begin, &end);
    return std::string_view(begin, std::size_t(end - begin)).find("scrollbar")
        != std::string_view::npos;
}

// Where a value sits in its document, as messages name it ("elements[0].child[2]: "): a chain
// of steps on the stack, written out only when a problem is reported, since nearly every
// description has none.
class Where {
public:
    // A step already written out: the start of a path.
    explicit Where(const QString& written = QString())
        : m_written(written)
    {
    }
    // head, then the index when there is one, then tail: ".child[" 2 "]".
    Where(const Where& parent, const char* head, qint64 index = -1, const char* tail = "")
        : m_parent(&parent)
        , m_head(head)
        , m_index(index)
        , m_tail(tail)
    {
    }

    QString text() const
    {
        QString out = m_parent ? m_parent->text() : m_written;
        out += QLatin1String(m_head);
        if (m_index >= 0)
            out += QString::number(m_index);
        return out + QLatin1String(m_tail);
    }

private:
    const Where* m_parent = nullptr;
    QString m_written;
    const char* m_head = "";
    qint64 m_index = -1;
    const char* m_tail = "";
};

// Whom a key table belongs to, as an unknown key's message names it.
struct Owner {
    const char* name;
    bool quoted = false; // a control type: "qtbutton" in quotes

    QString text() const
    {
        return quoted ? QStringLiteral("\"%1\"").arg(QLatin1String(name))
                      : QString::fromLatin1(name);
    }
};

// The members of an object that its key table names, found in one pass over the object.
class Members {
public:
    Members(const ::Json::Value& object, const KeyTable& table)
        : m_table(table)
        , m_values(int(table.size()))
    {
        std::fill(m_values.begin(), m_values.end(), nullptr);
        if (!object.isObject())
            return;
        for (auto it = object.begin(), end = object.end(); it != end; ++it) {
            const char* nameEnd = nullptr;
            if (const KeySpec* spec = findKey(table, it.memberName(&nameEnd)))
                m_values[int(spec - table.data())] = &*it;
            else
                m_unknown = true;
        }
    }

    // The member under a key of the table, or null.
    const ::Json::Value* operator[](const char* key) const
    {
        const KeySpec* spec = findKey(m_table, key);
        return spec ? m_values[int(spec - m_table.data())] : nullptr;
    }
    // The member under the table's key at index, or null.
    const ::Json::Value* at(std::size_t index) const { return m_values[int(index)]; }
    // The object has members that the table lacks.
    bool hasUnknown() const { return m_unknown; }

private:
    const KeyTable& m_table;
    QVarLengthArray<const ::Json::Value*, 32> m_values;
    bool m_unknown = false;
};

class Checker {
public:
    explicit Checker(const DocumentReport& report)
        : r(report)
        , manager(CThemeManager::instance())
    {
    }

    Members keys(const Where& prefix, const ::Json::Value& object, const KeyTable& table,
        const Owner& owner);
    void element(const Where& path, const ::Json::Value& e, int depth);
    void themeElement(const Where& path, const ::Json::Value& e);

private:
    void attr(const Where& prefix, const ::Json::Value* a, const ControlSpec* spec);
    // inTheme: the records come from the theme package, as for a theme element.
    void styleList(
        const Where& prefix, const ::Json::Value* list, const ControlSpec* spec, bool inTheme);
    void children(
        const Where& path, const ::Json::Value* list, bool scrollable, int depth, bool inTheme);
    void scrollBarChild(const Where& path, const ::Json::Value& child, bool inTheme);
    void styleName(const Where& prefix, const ::Json::Value& at, const QString& name,
        const SlotSpec* slot, bool inTheme);
    void image(const Where& prefix, const char* key, const ::Json::Value& value);

    const DocumentReport& r;
    const CThemeManager& manager;
};

Members Checker::keys(
    const Where& prefix, const ::Json::Value& object, const KeyTable& table, const Owner& owner)
{
    Members members(object, table);
    if (members.hasUnknown())
        checkUnknownKeys(r, prefix.text(), object, table, owner.text());
    // Problems are named in the table's order.
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ::Json::Value* value = members.at(i);
        if (!value)
            continue;
        const KeySpec& spec = table[i];
        if (!acceptsValue(spec.kind, *value)) {
            checkKeyValue(r, prefix.text(), spec.key, spec.kind, *value);
            continue;
        }
        if (spec.kind == KeyKind::Image)
            image(prefix, spec.key, *value);
        else if (spec.kind == KeyKind::StyleName) {
            std::string name;
            Json::toStdString(*value, name);
            // The menu's "text0" to "text3" name text styles, its other keys image styles.
            const bool text = spec.key[0] == 't';
            const SlotSpec slot {0, 0, text, ""};
            styleName(prefix, *value, QString::fromStdString(name), &slot, true);
        }
    }
    return members;
}

void Checker::image(const Where& prefix, const char* key, const ::Json::Value& value)
{
    std::string path;
    Json::toStdString(value, path);
    if (path.empty() || imageExists(manager, QString::fromStdString(path)))
        return;
    r.error(&value,
        QStringLiteral("%1\"%2\": image %3 is in no package")
            .arg(prefix.text(), QLatin1String(key), quotedText(path)));
}

void Checker::styleName(const Where& prefix, const ::Json::Value& at, const QString& key,
    const SlotSpec* slot, bool inTheme)
{
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
    QString message = QStringLiteral("%1no %2 \"%3\" in %4").arg(prefix.text(), kind, key, where)
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
    const Where& prefix, const ::Json::Value* list, const ControlSpec* spec, bool inTheme)
{
    if (!list || !list->isArray())
        return;
    ::Json::ArrayIndex i = 0;
    for (const ::Json::Value& entry : *list) {
        const Where at(prefix, "\"style\"[", i++, "]: ");
        const ::Json::Value* name = nullptr;
        const ::Json::Value* slotValue = nullptr;
        if (entry.isArray() && entry.size() >= 3) {
            // A parsed array holds every index: its first and third members are [0] and [2].
            auto it = entry.begin();
            name = &*it;
            std::advance(it, 2);
            slotValue = &*it;
        }
        if (!name || !name->isString() || !slotValue->isConvertibleTo(::Json::intValue)) {
            r.error(&entry,
                at.text() + QStringLiteral("an entry must be [record name, 0, slot], got ")
                    + describeValue(entry) + QStringLiteral("; it is skipped"));
            continue;
        }
        const int index = slotValue->asInt();
        const SlotSpec* slot = spec ? findSlot(*spec, index) : nullptr;
        if (spec && !slot) {
            QStringList used;
            for (const SlotSpec& s : spec->styleSlots)
                used << (s.first == s.last ? QString::number(s.first)
                                           : QStringLiteral("%1-%2").arg(s.first).arg(s.last));
            r.warning(slotValue,
                at.text()
                    + QStringLiteral("slot %1 is not read by \"%2\" (its slots: %3)")
                          .arg(index)
                          .arg(QLatin1String(spec->typeName),
                              used.isEmpty() ? QStringLiteral("none")
                                             : used.join(QLatin1String(", "))));
        }
        const char* begin = nullptr;
        const char* end = nullptr;
        name->getString(&begin, &end);
        styleName(at, *name, QString::fromUtf8(begin, int(end - begin)), slot, inTheme);
    }
}

void Checker::attr(const Where& prefix, const ::Json::Value* a, const ControlSpec* spec)
{
    if (!a || !a->isObject())
        return;
    keys(Where(prefix, "\"attr\": "), *a, spec ? spec->attr : anyControlAttrKeys(),
        spec ? Owner {spec->typeName, true} : Owner {"any control"});
}

void Checker::scrollBarChild(const Where& path, const ::Json::Value& child, bool inTheme)
{
    const Where prefix(path, ": ");
    const ControlSpec& spec = scrollBarChildSpec();
    const Members members = keys(prefix, child, scrollBarChildKeys(), {"a scroll-bar child"});
    if (const ::Json::Value* a = members["attr"]; a && a->isObject())
        keys(Where(prefix, "\"attr\": "), *a, spec.attr, {"a scroll-bar child"});
    styleList(prefix, members["style"], &spec, inTheme);
}

void Checker::children(
    const Where& path, const ::Json::Value* list, bool scrollable, int depth, bool inTheme)
{
    if (!list || !list->isArray())
        return;
    ::Json::ArrayIndex i = 0;
    for (const ::Json::Value& child : *list) {
        const Where at(path, ".child[", i++, "]");
        if (scrollable && isScrollBar(child))
            scrollBarChild(at, child, inTheme);
        else if (!inTheme)
            element(at, child, depth + 1);
    }
}

void Checker::element(const Where& path, const ::Json::Value& e, int depth)
{
    if (depth > 256)
        return;
    if (!e.isObject()) {
        r.error(&e,
            path.text() + QStringLiteral(": an element must be an object, got ")
                + describeValue(e));
        return;
    }
    const ::Json::Value* typeValue = Json::member(e, "type");
    if (!typeValue || !typeValue->isString()) {
        r.error(typeValue ? typeValue : &e,
            path.text()
                + (typeValue ? QStringLiteral(": \"type\" must be a string, got ")
                            + describeValue(*typeValue)
                             : QStringLiteral(": \"type\" is missing"))
                + QStringLiteral("; the element is left out"));
        return;
    }
    const std::string type = typeValue->asString();
    if (type == "qtscrollbar") {
        r.error(typeValue,
            path.text()
                + QStringLiteral(": a \"qtscrollbar\" element is left out; scroll bars are "
                                 "skinned by a scroll-bar child of a scrollable control"));
        return;
    }
    if (!IsRegisteredControl(type)) {
        r.error(typeValue,
            path.text() + QStringLiteral(": unknown control type ") + quotedText(type)
                + suggestion(QString::fromStdString(type), toStrings(RegisteredControls()))
                + QStringLiteral("; the element is left out"));
        return;
    }
    const ControlSpec* spec = findControlSpec(type);
    const Where prefix(path, ": ");
    const Members members = keys(prefix, e, elementKeys(), {"an element"});
    if (const ::Json::Value* layout = members["layout"]; layout && layout->isObject()) {
        const Where layoutPrefix(prefix, "\"layout\": ");
        const ::Json::Value* typeOfLayout
            = keys(layoutPrefix, *layout, layoutKeys(), {"layout", true})["type"];
        int layoutType = 0;
        if (typeOfLayout)
            Json::toInt(*typeOfLayout, layoutType);
        if (unsigned(layoutType) > 3)
            r.warning(typeOfLayout,
                layoutPrefix.text()
                    + QStringLiteral("\"type\" %1 is none of 0 (anchored), 1 (fill), 2 (none), 3 "
                                     "(fixed); the control is not placed")
                          .arg(unsigned(layoutType)));
    }
    bool inTheme = false;
    const ::Json::Value* a = members["attr"];
    if (const ::Json::Value* theme = members["theme"]; theme && theme->isString()) {
        const std::string name = theme->asString();
        if (!a || !a->isObject()) {
            r.error(theme,
                prefix.text()
                    + QStringLiteral("\"theme\" %1 is ignored: an element takes its theme only "
                                     "when it also has an \"attr\" object (\"attr\": {} will do)")
                          .arg(quotedText(name)));
        } else if (!manager.findThemeElement(name)) {
            std::vector<std::string> names;
            if (const CThemePackage* p = manager.themePackage()) {
                for (const auto& entry : p->themeElements)
                    names.push_back(entry.first);
            }
            r.error(theme,
                prefix.text()
                    + QStringLiteral("\"theme\" %1 names no element of theme.json")
                          .arg(quotedText(name))
                    + suggestion(QString::fromStdString(name), toStrings(names))
                    + QStringLiteral("; the control keeps its own look"));
        } else {
            inTheme = true;
        }
    }
    // Redirected to a theme element, the control reads that element instead of its own.
    if (!inTheme) {
        attr(prefix, a, spec);
        styleList(prefix, members["style"], spec, false);
    }
    children(path, members["child"], spec && spec->scrollBars, depth, false);
}

void Checker::themeElement(const Where& path, const ::Json::Value& e)
{
    if (!e.isObject()) {
        r.error(&e,
            path.text() + QStringLiteral(": a theme element must be an object, got ")
                + describeValue(e));
        return;
    }
    const ControlSpec* spec = findControlSpec(Json::stringOr(e, "name", std::string()));
    const Where prefix(path, ": ");
    KeyTable table = themeElementKeys();
    if (spec)
        table.insert(table.end(), spec->ownKeys.begin(), spec->ownKeys.end());
    const Members members = keys(prefix, e, table, {"a theme element"});
    attr(prefix, members["attr"], spec);
    styleList(prefix, members["style"], spec, true);
    // A theme element named by a theme name may belong to any control: scrollable, maybe.
    children(path, members["child"], !spec || spec->scrollBars, 0, true);
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
    checker.keys(Where(), root, descriptionKeys(), {"a description"});
    const ::Json::Value* elements = Json::arrayMember(root, "elements");
    if (!elements)
        return;
    const Where start;
    ::Json::ArrayIndex i = 0;
    for (const ::Json::Value& element : *elements)
        checker.element(Where(start, "elements[", i++, "]"), element, 1);
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
            path += QStringLiteral(" ") + quotedText(name);
        if (name.empty())
            report.warning(&child, path + QStringLiteral(": no \"name\"; no control uses it"));
        else if (!names.insert(name).second)
            report.warning(&child,
                path + QStringLiteral(": a second theme element of this name; the first is used"));
        checker.themeElement(Where(path), child);
    }
}

} // namespace VelQtLib
