#include "framework/DescriptionKeys.h"

#include <QStringList>

#include <map>

namespace VelQtLib {

namespace {

constexpr KeyKind B = KeyKind::Bool;
constexpr KeyKind I = KeyKind::Int;
constexpr KeyKind T = KeyKind::Text;
constexpr KeyKind N = KeyKind::Name;
constexpr KeyKind P = KeyKind::Image;

const KeyTable iconPlacement = {
    {"iconHor", I, "1", "icon alignment across: 0 left, 1 centre, 2 right"},
    {"iconVer", I, "1", "icon alignment down: 0 top, 1 centre, 2 bottom"},
    {"iconX", I, "0", "icon offset to the right, in pixels"},
    {"iconY", I, "0", "icon offset downwards, in pixels"},
};

const KeyTable editMargins = {
    {"leftMargin", I, "0", "text margin, in pixels"},
    {"rightMargin", I, "0", "text margin, in pixels (the line edit: \"leftMargin\")"},
    {"topMargin", I, "0", "text margin, in pixels"},
    {"bottomMargin", I, "0", "text margin, in pixels (the line edit: \"topMargin\")"},
};

const KeyTable focusRingKeys = {
    {"color", N, "the palette's highlight", "ring colour, RRGGBB or AARRGGBB"},
    {"width", I, "2", "ring width, in pixels (0 to 16)"},
    {"offset", I, "1", "distance outside the control's edge, in pixels (inside when negative)"},
    {"radius", I, "the control's corner", "corner radius, in pixels"},
};

KeyTable joined(std::initializer_list<KeyTable> parts)
{
    KeyTable all;
    for (const KeyTable& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const std::vector<SlotSpec> rowSlots = {
    {0, 0, false, "background"},
    {2, 5, false, "rows: normal, under the mouse, selected, (unused)"},
    {6, 9, true, "row texts: normal, under the mouse, selected, (unused)"},
};

const std::vector<SlotSpec> editSlots = {
    {0, 3, false, "background: normal, hover, focused, disabled"},
    {4, 7, true, "text: normal, hover (also the hint), focused, disabled"},
};

std::vector<ControlSpec> makeSpecs()
{
    std::vector<ControlSpec> specs;
    specs.push_back({"qtbutton", {"button"}, "push button",
        joined({{{"text", T, "\"\"", "caption (not taken from a theme element)"},
                    {"showText", B, "true", "draw the caption"},
                    {"txtX", I, "0", "caption offset to the right, in pixels"},
                    {"txtY", I, "0", "caption offset downwards, in pixels"},
                    {"hasIcon", B, "true", "draw the icon"},
                    {"iconPath", P, "none", "icon (not taken from a theme element)"},
                    {"hotIconPath", P, "none", "icon under the mouse"}},
            iconPlacement,
            {{"isExtBtn", B, "false", "the button has an extension area at its right end"},
                {"extWidth", I, "0", "width of the extension area, in pixels"},
                {"extIconPath", P, "none", "icon centred in the extension area"},
                {"extHotIconPath", P, "none", "that icon under the mouse"}}}),
        {{0, 3, false, "face: normal, hover, pressed, disabled"},
            {4, 7, true, "caption: normal, hover, pressed, disabled"}}});
    specs.push_back({"qtcheckbox", {"checkbox"}, "check box",
        joined({{{"text", T, "\"\"", "label"}, {"showText", B, "true", "draw the label"},
                    {"showIcon", B, "true", "draw the box image"},
                    {"iconPath", P, "none", "unchecked box"},
                    {"hotIconPath", P, "\"iconPath\"", "unchecked box under the mouse"},
                    {"siconPath", P, "none", "checked box"},
                    {"sHotIconPath", P, "\"siconPath\"", "checked box under the mouse"},
                    {"disableIconPath", P, "none", "unchecked box, disabled"},
                    {"disableSIconPath", P, "none", "checked box, disabled"}},
            iconPlacement}),
        {{0, 3, false, "unchecked background: normal, hover, pressed, disabled"},
            {4, 7, false, "checked background: normal, hover, pressed, disabled"},
            {8, 8, true, "label, unchecked"}, {9, 9, true, "label, checked"},
            {10, 10, true, "label, disabled"}}});
    specs.push_back({"qtradiobox", {"radio", "radiobox"}, "radio button",
        joined({{{"text", T, "\"\"", "label"}, {"showText", B, "true", "draw the label"},
                    {"showIcon", B, "true", "draw the ring image"},
                    {"pushlike", B, "false", "look like a push button"},
                    {"iconPath", P, "none", "unchecked ring"},
                    {"hotIconPath", P, "none", "unchecked ring under the mouse"},
                    {"siconPath", P, "none", "checked ring"},
                    {"sHotIconPath", P, "none", "checked ring under the mouse"}},
            iconPlacement}),
        {{0, 3, false, "unchecked background: normal, hover, pressed, disabled"},
            {4, 7, false, "checked background: normal, hover, pressed, disabled"},
            {8, 8, true, "label, unchecked and checked"},
            {9, 9, true, "label, checked and disabled"}}});
    specs.push_back({"qtswitch", {"switch"}, "on/off switch",
        {{"leftText", T, "\"\"", "text left of the thumb"},
            {"rightText", T, "\"leftText\"", "text right of the thumb"},
            {"thumbW", I, "25", "thumb width, in pixels"},
            {"thumbH", I, "25", "thumb height, in pixels"},
            {"margin", I, "2", "space around the thumb, in pixels"},
            {"speed", I, "300", "slide duration, in milliseconds"},
            {"on", I, "0", "initial position: 0 off, anything else on"}},
        {{0, 0, false, "track"}, {2, 5, false, "thumb: normal, hover, pressed, disabled"},
            {6, 6, true, "left text"}, {7, 7, true, "right text"}}});
    specs.push_back({"qtprogressbar", {"progressbar"}, "progress bar",
        {{"showText", B, "false", "draw the percentage"}, {"val", I, "0", "value"}},
        {{0, 0, false, "groove"}, {2, 2, false, "filled part"}, {4, 4, true, "percentage"}}});
    specs.push_back({"qtslider", {"slider"}, "slider",
        {{"isHor", B, "true", "horizontal; false makes it vertical"},
            {"thumbW", I, "20", "thumb width, in pixels"},
            {"thumbH", I, "20", "thumb height, in pixels"},
            {"channelSize", I, "10", "groove thickness, in pixels"},
            {"min", I, "0", "smallest value"}, {"max", I, "99", "largest value"},
            {"val", I, "0", "value"}},
        {{0, 0, false, "groove"}, {2, 2, false, "filled part of the groove"},
            {4, 7, false, "thumb: normal, hover, pressed, disabled"}}});
    specs.push_back({"qtdedit", {"dedit"}, "line edit",
        joined({{{"text", N, "\"\"", "initial text (UTF-8)"},
                    {"tip", T, "\"\"", "hint shown while the edit is empty"},
                    {"ispassord", B, "false", "hide the text as a password"},
                    {"shortcut", B, "false", "shortcut handling mode"}},
            editMargins}),
        editSlots});
    specs.push_back({"qttext", {}, "text edit",
        joined({{{"text", N, "\"\"", "initial text (UTF-8)"},
                    {"tip", T, "\"\"", "hint shown while the edit is empty"}},
            editMargins}),
        {editSlots[0], editSlots[1], {8, 8, true, "hint"}}, true});
    specs.push_back({"qtspinbox", {"spinbox", "dnumedit"}, "spin box", {}, {}});
    specs.push_back({"qtlcdnumber", {}, "LCD number",
        {{"digitCount", I, "5", "number of digits, 0 to 99"},
            {"color", KeyKind::ColourNumber, "palette", "digit colour"},
            {"text", N, "\"\"", "the digits shown"}},
        {{0, 0, false, "background"}}});
    specs.push_back(
        {"qtlabel", {"label"}, "label", {{"text", T, "\"\"", "text"}}, {{0, 0, true, "text"}}});
    specs.push_back({"qtlabelex", {}, "selectable rich label", {{"text", T, "\"\"", "text"}},
        {{0, 0, true, "text"}}});
    specs.push_back({"qtpicture", {"picture", "image"}, "picture",
        {{"path", P, "none", "the image"},
            {"fill", B, "true", "stretch the image over the whole control"}},
        {}});
    specs.push_back({"qtcontainer", {"container"}, "container",
        {{"childLayout", I, "0",
             "arrangement of the children: 0 free, 1 row, 2 column, 3 wrapping rows, "
             "4 wrapping columns"},
            {"space", I, "0", "space between arranged children, in pixels"}},
        {{0, 0, false, "background (also when disabled)"}, {1, 1, false, "background, disabled"}}});
    specs.push_back({"qtgroupbox", {"groupbox"}, "group box",
        {{"text", T, "\"\"", "caption"}, {"showText", B, "true", "draw the caption"},
            {"size", B, "true", "draw the frame line one pixel above the bottom edge"},
            {"color", KeyKind::ColourNumber, "0x000000", "frame line colour"}},
        {{0, 0, false, "background"}, {2, 2, true, "caption"}}});
    specs.push_back({"canvas", {}, "plain drawing surface", {}, {}});
    specs.push_back({"qtscrollview", {"scrollview"}, "scroll view", {},
        {{0, 0, false, "background (any slot; the last record found wins)"}}, true});
    specs.push_back({"qtsplitter", {"splitter"}, "splitter", {}, {{0, 0, false, "handle"}}});
    specs.push_back({"qttab", {"tab"}, "tab widget",
        {{"itemSize", I, "50", "length of a tab along the strip, in pixels"},
            {"itemSpace", I, "0", "space between tabs, in pixels"},
            {"isHor", B, "true", "tabs in a row; false stacks them in a column"},
            {"showText", I, "1", "0 hides the tab texts"},
            {"hasIcon", I, "1", "0 hides the tab icons"}},
        {{0, 0, false, "background"}, {1, 4, false, "tabs: normal, hover, selected, disabled"},
            {5, 8, true, "tab texts: normal, hover, selected, disabled"}}});
    specs.push_back({"qtlist", {"list"}, "list",
        {{"multiselect", B, "false", "select several rows"},
            {"itemHeight", I, "20", "row height, in pixels"}},
        rowSlots, true});
    specs.push_back({"qtlistview", {"listview", "templateList"}, "list view",
        {{"itemHeight", I, "20", "item height, in pixels"},
            {"itemWidth", I, "20", "item width, in pixels"},
            {"spacing", I, "0", "space between items, in pixels"},
            {"itemMode", I, "0", "0 list, 1 icons"}},
        {{0, 0, false, "background"}, {2, 2, false, "items (all states)"},
            {3, 3, false, "item under the mouse"}, {4, 4, false, "selected item"}},
        true});
    specs.push_back({"qtdatagrid", {"datagrid"}, "table view",
        {{"multiselect", B, "false", "select several rows"},
            {"itemHeight", I, "20", "header height, in pixels"},
            {"checkstyle", B, "false", "a check box in the first column and its header"},
            {"checkedImg", P, "none", "checked mark"}, {"uncheckImg", P, "none", "unchecked mark"}},
        {rowSlots[0], rowSlots[1], rowSlots[2],
            {10, 13, false, "header sections: normal, hover, pressed, disabled"},
            {14, 17, true, "header texts: normal, hover, pressed, disabled"}},
        true});
    specs.push_back({"qttree", {"tree"}, "tree view",
        {{"itemHeight", I, "0", "row height, in pixels; 0 follows the font"}}, rowSlots, true});
    specs.push_back({"qtcombobox", {"combobox"}, "combo box",
        {{"text", T, "\"\"", "first item, shown as the current one"},
            {"btnIcon", P, "none", "drop-down arrow"},
            {"btnHotIcon", P, "\"btnIcon\"", "drop-down arrow under the mouse"}},
        {{0, 0, false, "background (all states)"}, {1, 1, false, "background, hover"},
            {4, 7, false, "drop-down button: normal, hover, pressed, disabled"},
            {8, 11, true, "text: normal, hover, pressed, disabled"},
            {12, 12, false, "pop-up list background"},
            {13, 16, false, "pop-up items: normal, under the mouse, selected, disabled"},
            {17, 20, true, "pop-up item texts: normal, under the mouse, selected, disabled"}}});
    specs.push_back({"qtmenubar", {"menubar"}, "menu bar", {},
        {{0, 0, false, "background"}, {1, 4, false, "entries: normal, hover, pressed, disabled"},
            {5, 8, true, "entry texts: normal, hover, pressed, disabled"},
            {9, 12, false, "pop-up entries (9 also the pop-up background)"},
            {13, 16, true, "pop-up entry texts"}}});
    specs.push_back({"qtscrollbar", {},
        "scroll bar (theme element; in descriptions see scroll-bar children)",
        {{"upicon", P, "none", "up or left arrow icon"},
            {"downicon", P, "none", "down or right arrow icon"},
            {"thumbicon", P, "none", "icon centred on the thumb"}},
        {{0, 0, false, "groove"}, {2, 5, false, "up/left arrow: normal, hover, pressed, disabled"},
            {6, 9, false, "down/right arrow: normal, hover, pressed, disabled"},
            {10, 13, false, "thumb: normal, hover, pressed, disabled"}},
        false, false});
    specs.push_back({"qtmenu", {}, "pop-up menu (theme element)", {}, {}, false, false,
        {{"background", KeyKind::StyleName, "none", "image style of the menu's background"},
            {"item0", KeyKind::StyleName, "none", "image style of the entries (all states)"},
            {"item1", KeyKind::StyleName, "none", "image style of the entry under the mouse"},
            {"item2", KeyKind::StyleName, "none", "image style of a pressed entry"},
            {"item3", KeyKind::StyleName, "none", "image style of a disabled entry"},
            {"text0", KeyKind::StyleName, "none", "text style of the entries (all states)"},
            {"text1", KeyKind::StyleName, "none", "text style of the entry under the mouse"},
            {"text2", KeyKind::StyleName, "none", "text style of a pressed entry"},
            {"text3", KeyKind::StyleName, "none", "text style of a disabled entry"},
            {"items", KeyKind::Array, "none",
                "entries: objects with \"text\", and \"items\" for a sub-menu"}}});
    specs.push_back({"focus", {}, "keyboard focus ring of every control (theme element)",
        focusRingKeys, {}, false, false});
    // Every control reads its own ring from "attr".
    for (ControlSpec& spec : specs) {
        if (spec.described)
            spec.attr.push_back({"focus", KeyKind::Object, "the \"focus\" element",
                "this control's focus ring, with the keys of the \"focus\" theme element"});
    }
    return specs;
}

} // namespace

const std::vector<ControlSpec>& controlSpecs()
{
    static const std::vector<ControlSpec> specs = makeSpecs();
    return specs;
}

const ControlSpec* findControlSpec(const std::string& typeName)
{
    // Asked for every element of every description loaded.
    static const std::map<std::string, const ControlSpec*> byName = [] {
        std::map<std::string, const ControlSpec*> names;
        for (const ControlSpec& spec : controlSpecs()) {
            names.emplace(spec.typeName, &spec);
            for (const char* alias : spec.aliases)
                names.emplace(alias, &spec);
        }
        return names;
    }();
    const auto it = byName.find(typeName);
    return it == byName.end() ? nullptr : it->second;
}

const SlotSpec* findSlot(const ControlSpec& control, int slot)
{
    for (const SlotSpec& s : control.styleSlots) {
        if (slot >= s.first && slot <= s.last)
            return &s;
    }
    return nullptr;
}

const KeyTable& descriptionKeys()
{
    static const KeyTable keys = {
        {"elements", KeyKind::Array, "none", "the window's top-level controls"},
        {"w", I, "unchanged", "window width, in pixels"},
        {"h", I, "unchanged", "window height, in pixels"},
        {"trans", B, "false", "frameless window with a translucent background"},
        {"drag", B, "true", "the window can be dragged by its caption band"},
        {"resize", B, "false", "the window can be resized at its edges"},
        {"minW", I, "400", "smallest width edge resizing reaches"},
        {"minH", I, "400", "smallest height edge resizing reaches"},
        {"onlyDragCaption", B, "false", "only the caption band drags the window"},
        {"encoding", KeyKind::Encoding, "GBK", "\"utf-8\" reads the display texts as UTF-8"},
    };
    return keys;
}

const KeyTable& elementKeys()
{
    static const KeyTable keys = {
        {"type", N, "required", "control type (see the table of control types)"},
        {"name", N, "\"\"", "object name; programs find the control by it"},
        {"tooltip", T, "none", "tool tip"},
        {"visibility", B, "true", "initially visible"},
        {"enable", B, "true", "initially enabled"},
        {"x", I, "0", "left edge in the parent, in pixels (without \"layout\")"},
        {"y", I, "0", "top edge in the parent, in pixels (without \"layout\")"},
        {"w", I, "0", "width, in pixels"},
        {"h", I, "0", "height, in pixels"},
        {"layout", KeyKind::Object, "none", "geometry rule (see \"layout\")"},
        {"theme", N, "none",
            "a theme element whose keys replace this element's \"attr\" and \"style\"; "
            "needs \"attr\""},
        {"attr", KeyKind::Object, "none", "the control type's own keys"},
        {"style", KeyKind::StyleList, "none", "the control's style records by slot"},
        {"child", KeyKind::Array, "none", "child controls, or scroll-bar children"},
    };
    return keys;
}

const KeyTable& layoutKeys()
{
    static const KeyTable keys = {
        {"type", KeyKind::UInt, "0", "0 anchored, 1 fill the parent, 2 none, 3 fixed"},
        {"x", I, "0", "anchored: offset from the aligned edge; fill: left margin"},
        {"y", I, "0", "anchored: offset from the aligned edge; fill: top margin"},
        {"r", I, "none", "anchored: right margin, stretching the width; fill: right margin"},
        {"b", I, "none", "anchored: bottom margin, stretching the height; fill: bottom margin"},
        {"hor", I, "0", "anchored: aligned to 0 left, 1 centre, 2 right"},
        {"ver", I, "0", "anchored: aligned to 0 top, 1 centre, 2 bottom"},
        {"wType", I, "0", "anchored: 0 width \"w\", 1 stretched by \"r\""},
        {"hType", I, "0", "anchored: 0 height \"h\", 1 stretched by \"b\""},
    };
    return keys;
}

const KeyTable& themeElementKeys()
{
    static const KeyTable keys = {
        {"name", N, "\"\"", "a control type (styles every control of that type) or a theme name"},
        {"attr", KeyKind::Object, "none", "keys of \"attr\" of the control type"},
        {"style", KeyKind::StyleList, "none",
            "style records by slot, looked up in the theme package"},
        {"child", KeyKind::Array, "none", "scroll-bar children, for scrollable controls"},
        {"theme", N, "none", "another theme element that replaces this one"},
    };
    return keys;
}

const KeyTable& scrollBarChildKeys()
{
    static const KeyTable keys = {
        {"type", N, "required", "\"qtscrollbar\" (any type containing \"scrollbar\")"},
        {"w", I, "0", "thickness of the vertical bar, in pixels"},
        {"h", I, "0", "thickness of the horizontal bar, in pixels"},
        {"attr", KeyKind::Object, "none", "the keys below"},
        {"style", KeyKind::StyleList, "none", "the bar's style records by slot"},
        {"name", N, "\"\"", "not used"},
    };
    return keys;
}

const ControlSpec& scrollBarChildSpec()
{
    static const ControlSpec spec = {"scroll-bar child", {}, "skins one bar of its parent",
        {{"hor", B, "false", "skins the horizontal bar; otherwise the vertical one"},
            {"size", I, "none", "arrow size, in pixels (some controls)"},
            {"upicon", P, "none", "up or left arrow icon"},
            {"downicon", P, "none", "down or right arrow icon"},
            {"thumbicon", P, "none", "icon centred on the thumb"}},
        {{0, 0, false, "groove"}, {2, 5, false, "up/left arrow (2 styles every state)"},
            {6, 9, false, "down/right arrow (6 styles every state)"},
            {10, 13, false, "thumb (10 styles every state)"}}};
    return spec;
}

namespace {

QString cell(const char* text)
{
    return QString::fromUtf8(text).replace(QLatin1Char('|'), QLatin1String("\\|"));
}

QString keyTable(const KeyTable& keys)
{
    QString out = QStringLiteral("| Key | Type | Default | Meaning |\n|---|---|---|---|\n");
    for (const KeySpec& k : keys) {
        out += QStringLiteral("| \"%1\" | %2 | %3 | %4 |\n")
                   .arg(cell(k.key), kindName(k.kind), cell(k.fallback), cell(k.meaning));
    }
    return out;
}

QString slotTable(const std::vector<SlotSpec>& slotList)
{
    QString out = QStringLiteral("| Slot | Record | Paints |\n|---|---|---|\n");
    for (const SlotSpec& s : slotList) {
        const QString range = s.first == s.last ? QString::number(s.first)
                                                : QStringLiteral("%1–%2").arg(s.first).arg(s.last);
        out += QStringLiteral("| %1 | %2 | %3 |\n")
                   .arg(range, s.text ? QStringLiteral("text") : QStringLiteral("image"),
                       cell(s.meaning));
    }
    return out;
}

} // namespace

QString formatReference()
{
    QString out;
    const auto section = [&](const QString& title, const QString& body) {
        out += QStringLiteral("### %1\n\n%2\n").arg(title, body);
    };
    section(QStringLiteral("\"style.json\""), keyTable(styleDocumentKeys()));
    section(QStringLiteral("Image style (\"type\": 1)"), keyTable(imageStyleKeys()));
    section(QStringLiteral("Text style (\"type\": 2)"), keyTable(textStyleKeys()));
    section(QStringLiteral("\"theme.json\""), keyTable(themeDocumentKeys()));
    section(QStringLiteral("Description root"), keyTable(descriptionKeys()));
    section(QStringLiteral("Element"), keyTable(elementKeys()));
    section(QStringLiteral("\"layout\""), keyTable(layoutKeys()));
    section(QStringLiteral("Theme element"), keyTable(themeElementKeys()));
    section(QStringLiteral("Scroll-bar child"),
        keyTable(scrollBarChildKeys()) + QStringLiteral("\nIts \"attr\":\n\n")
            + keyTable(scrollBarChildSpec().attr) + QStringLiteral("\nIts \"style\" slots:\n\n")
            + slotTable(scrollBarChildSpec().styleSlots));
    for (const ControlSpec& c : controlSpecs()) {
        QStringList names;
        for (const char* alias : c.aliases)
            names << QStringLiteral("\"%1\"").arg(QLatin1String(alias));
        QString body = QString::fromUtf8(c.summary);
        if (!names.isEmpty())
            body += QStringLiteral("; also written ") + names.join(QStringLiteral(", "));
        if (c.scrollBars)
            body += QStringLiteral("; takes scroll-bar children");
        body += QStringLiteral(".\n\n");
        if (!c.ownKeys.empty())
            body += QStringLiteral("Keys of the element itself:\n\n") + keyTable(c.ownKeys);
        body += c.attr.empty() ? QStringLiteral("No \"attr\" keys.\n")
                               : QStringLiteral("\"attr\":\n\n") + keyTable(c.attr);
        if (!c.styleSlots.empty())
            body += QStringLiteral("\n\"style\" slots:\n\n") + slotTable(c.styleSlots);
        else if (c.ownKeys.empty())
            body += QStringLiteral("\nNo \"style\" slots.\n");
        section(QStringLiteral("\"%1\"").arg(QLatin1String(c.typeName)), body);
    }
    return out;
}

} // namespace VelQtLib
