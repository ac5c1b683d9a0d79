// The format's key tables against the readers and the docs, the problems the library names
// while it loads, and display texts declared as UTF-8.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <framework/DescriptionKeys.h>
#include <theme/Diagnostics.h>
#include <theme/Json.h>
#include <theme/StyleParser.h>

#include <QFile>
#include <QLoggingCategory>
#include <QTest>

#include <set>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

class Collect : public DiagnosticSink {
public:
    Collect() { previous = setDiagnosticSink(this); }
    ~Collect() override { setDiagnosticSink(previous); }
    void report(const Diagnostic& d) override { texts << d.text(); }
    QStringList texts;
    DiagnosticSink* previous = nullptr;
};

// Records the keys asked of one object and the slot tables read.
class Probe : public VelQtLib::Json::KeyProbe {
public:
    void asked(const ::Json::Value& object, const char* key) override { keys[&object].insert(key); }
    void slot(int index, bool text) override { slotsRead.insert({index, text}); }
    std::set<std::string> of(const ::Json::Value& object) { return keys[&object]; }
    std::map<const ::Json::Value*, std::set<std::string>> keys;
    std::set<std::pair<int, bool>> slotsRead;
};

std::set<std::string> keysOf(const KeyTable& table)
{
    std::set<std::string> out;
    for (const KeySpec& k : table)
        out.insert(k.key);
    return out;
}

::Json::Value sampleValue(KeyKind kind)
{
    switch (kind) {
    case KeyKind::Bool:
        return true;
    case KeyKind::Int:
    case KeyKind::UInt:
    case KeyKind::ColourNumber:
        return 1;
    default:
        return "x";
    }
}

const QByteArray baseMain = R"({"elements": []})";
const QByteArray baseAppStyle = R"({"style": [{"type": 1, "name": "bg"}]})";
const QByteArray baseThemeStyle
    = R"({"style": [{"type": 1, "name": "face", "img": "images/face.png"}, {"type": 2, "name": "label"}]})";
const QByteArray baseTheme
    = R"({"elements": [{"child": [{"name": "qtbutton", "style": [["face", 0, 0]]}]}]})";

// Loads an application and a theme package built from the base members with one replaced,
// then builds "main"; returns what the library reported.
QStringList loadReports(const QByteArray& replaced, const QByteArray& text)
{
    const auto member = [&](const QByteArray& name, const QByteArray& fallback) {
        return Member(name.mid(name.indexOf('/') + 1), replaced == name ? text : fallback);
    };
    writeArchive(scratchPath("app.data"),
        {member("app/style.json", baseAppStyle), member("app/main.json", baseMain)});
    writeArchive(scratchPath("theme.data"),
        {member("theme/style.json", baseThemeStyle), member("theme/theme.json", baseTheme),
            {"images/face.png", solidPng(Qt::red, 40, 20)}});
    Collect collect;
    CThemeManager::instance().unloadPackages();
    CThemeManager::instance().loadAppPackage(scratchPath("app.data"));
    CThemeManager::instance().loadThemePackage(scratchPath("theme.data"));
    QWidget window;
    LoadWindow(&window, "main");
    return collect.texts;
}

} // namespace

class TestThemeFormat : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Init();
        installStrictMessageHandler();
    }

    void docsHoldTheReference()
    {
        QFile docs(QStringLiteral(VELQT_SOURCE_DIR "/docs/theme-format.md"));
        QVERIFY(docs.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(docs.readAll());
        const QString begin = QStringLiteral("<!-- generated reference: begin -->\n");
        const int from = text.indexOf(begin) + begin.size();
        const int to = text.indexOf(QStringLiteral("<!-- generated reference: end -->"));
        QVERIFY(from >= begin.size() && to > from);
        // On failure: velqt reference > the section between the markers.
        QCOMPARE(text.mid(from, to - from), formatReference());
    }

    void styleReadersReadTheTable()
    {
        const ::Json::Value records = parsed(R"([{"type": 1}, {"type": 2}])");
        Probe probe;
        parseImageStyle(records[0]);
        parseTextStyle(records[1]);
        std::set<std::string> image = keysOf(imageStyleKeys());
        std::set<std::string> text = keysOf(textStyleKeys());
        image.erase("type");
        text.erase("type");
        text.erase("name");
        QCOMPARE(probe.of(records[0]), image);
        QCOMPARE(probe.of(records[1]), text);
    }

    void controlReadersReadTheTable_data()
    {
        QTest::addColumn<QString>("type");
        for (const ControlSpec& spec : controlSpecs()) {
            if (spec.described)
                QTest::newRow(spec.typeName) << QString::fromLatin1(spec.typeName);
        }
    }

    // Every key and slot a control reads is in its table, and every one listed is read.
    void controlReadersReadTheTable()
    {
        QFETCH(QString, type);
        const ControlSpec* spec = findControlSpec(type.toStdString());
        ::Json::Value element(::Json::objectValue);
        element["type"] = type.toStdString();
        for (const KeySpec& k : elementKeys()) {
            if (k.kind == KeyKind::Int || k.kind == KeyKind::Bool || k.kind == KeyKind::Text)
                element[k.key] = sampleValue(k.kind);
        }
        element["layout"]["type"] = 0;
        for (const KeySpec& k : layoutKeys())
            element["layout"][k.key] = 0;
        element["attr"] = ::Json::Value(::Json::objectValue);
        for (const KeySpec& k : spec->attr)
            element["attr"][k.key] = sampleValue(k.kind);
        element["style"] = parsed(R"([["x", 0, 0]])");
        ::Json::Value bar = parsed(R"({"type": "qtscrollbar", "attr": {}})");
        for (const KeySpec& k : scrollBarChildSpec().attr)
            bar["attr"][k.key] = sampleValue(k.kind);
        element["child"].append(bar);
        bar["attr"]["hor"] = false;
        element["child"].append(bar);
        // Without "layout", the fixed geometry is read instead.
        ::Json::Value fixed = element;
        fixed.removeMember("layout");
        QWidget parent;
        Probe probe;
        std::unique_ptr<QWidget> control(CreateFromJson(&element, &parent));
        std::unique_ptr<QWidget> second(CreateFromJson(&fixed, &parent));
        QVERIFY(control && second);
        QCOMPARE(probe.of(element["attr"]), keysOf(spec->attr));
        std::set<std::string> common = keysOf(elementKeys());
        common.erase("theme"); // asked only by a control with "attr" that finds its theme
        if (spec->styleSlots.empty())
            common.erase("style");
        std::set<std::string> asked = probe.of(element);
        const std::set<std::string> askedFixed = probe.of(fixed);
        asked.insert(askedFixed.begin(), askedFixed.end());
        asked.erase("theme");
        QCOMPARE(asked, common);
        QCOMPARE(probe.of(element["layout"]), keysOf(layoutKeys()));
        if (spec->scrollBars)
            QCOMPARE(probe.of(element["child"][0]["attr"]), keysOf(scrollBarChildSpec().attr));
        // The scroll view reads any slot; controls with bars read the bars' tables too.
        if (type == QLatin1String("qtscrollview") || spec->scrollBars)
            return;
        std::set<std::pair<int, bool>> listed;
        for (const SlotSpec& s : spec->styleSlots)
            for (int i = s.first; i <= s.last; ++i)
                listed.insert({i, s.text});
        QCOMPARE(probe.slotsRead, listed);
    }

    void menuReadsItsKeys()
    {
        const ControlSpec* spec = findControlSpec("qtmenu");
        ::Json::Value element(::Json::objectValue);
        for (const KeySpec& k : spec->ownKeys)
            element[k.key] = k.kind == KeyKind::Array ? parsed("[]") : ::Json::Value("x");
        VelQMenu menu;
        Probe probe;
        menu.loadAttributes(&element);
        QCOMPARE(probe.of(element), keysOf(spec->ownKeys));
    }

    void problemsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const auto row
            = [](const char* name, const char* member, const char* text, const char* expected) {
                  QTest::newRow(name)
                      << QByteArray(member) << QByteArray(text) << QString::fromUtf8(expected);
              };
        row("misspelt image", "theme/style.json",
            R"({"style": [{"type": 1, "name": "btn_n", "img": "images/buton.png"}]})",
            R"(style.json:1:48: style[0] "btn_n": image "images/buton.png" is in no package)");
        row("string for a bool", "app/style.json",
            R"({"style": [{"type": 1, "name": "btn_n", "border": "4"}]})",
            R"(style.json:1:51: style[0] "btn_n": "border" must be true or false, got the string "4")");
        row("string type", "app/style.json", R"({"style": [{"type": "1", "name": "b"}]})",
            R"(style.json:1:21: style[0] "b": "type" must be a number, got the string "1")");
        row("other type", "app/style.json", R"({"style": [{"type": 3, "name": "b"}]})",
            R"(style.json:1:21: style[0] "b": "type" 3 is neither 1 (image style) nor 2 (text style); the record is dropped)");
        row("six-digit colour", "app/style.json",
            R"({"style": [{"type": 1, "name": "b", "clr": "f6f5f4"}]})",
            R"(style.json:1:44: style[0] "b": "clr" "f6f5f4" has 6 digits; image colours are AARRGGBB, so this one is fully transparent)");
        row("margins wider than the image", "theme/style.json",
            R"({"style": [{"type": 1, "name": "f", "img": "images/face.png", "margin": [2, 30, 2, 30]}]})",
            R"(style.json:1:73: style[0] "f": margins 30 + 30 exceed the image width 40)");
        row("unknown key", "app/style.json", R"({"style": [{"type": 1, "name": "b", "roudn": 3}]})",
            R"(style.json:1:46: style[0] "b": unknown key "roudn" for image styles (did you mean "round"?))");
        row("no style array", "app/style.json", R"({"styles": []})",
            R"(style.json:1:1: there is no "style" array of records; the package does not load)");
        row("missing brace", "theme/theme.json", "{\"elements\": [\n  {\"child\": []\n]}",
            R"(theme.json:3:1: missing ',' or '}' in object declaration)");
        row("no theme elements", "theme/theme.json", R"({"elements": [{}]})",
            R"(theme.json:1:15: there is no "elements"[0]."child" array; theme.json defines no theme element)");
        row("unknown control type", "app/main.json",
            R"({"elements": [{"type": "qtcontainer", "child": [{"type": "qtbuton"}]}]})",
            R"(main.json:1:58: elements[0].child[0]: unknown control type "qtbuton" (did you mean "qtbutton"?); the element is left out)");
        row("unknown theme element", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "theme": "qtbuton", "attr": {}}]})",
            R"(main.json:1:45: elements[0]: "theme" "qtbuton" names no element of theme.json (did you mean "qtbutton"?); the control keeps its own look)");
        row("theme without attr", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "theme": "qtbutton"}]})",
            R"(main.json:1:45: elements[0]: "theme" "qtbutton" is ignored: an element takes its theme only when it also has an "attr" object ("attr": {} will do))");
        row("check mark in no package", "app/main.json",
            R"({"elements": [{"type": "qtcheckbox", "attr": {"siconPath": "on.png"}}]})",
            R"(main.json:1:60: elements[0]: "attr": "siconPath": image "on.png" is in no package)");
        row("record in the other package", "app/main.json",
            R"({"elements": [{"type": "qtlabel", "style": [["label", 0, 0]]}]})",
            R"(main.json:1:46: elements[0]: "style"[0]: no text style "label" in the application package; the theme package has it, but only elements drawn through "theme" use the theme package's records)");
        row("unknown attr key", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "attr": {"txt": "OK"}}]})",
            R"(main.json:1:52: elements[0]: "attr": unknown key "txt" for "qtbutton" (did you mean "text"?))");
    }

    void problemsAreNamed()
    {
        QFETCH(QByteArray, member);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const QStringList reports = loadReports(member, text);
        const bool found = std::any_of(
            reports.begin(), reports.end(), [&](const QString& r) { return r.endsWith(expected); });
        QVERIFY2(found, qPrintable(reports.join(QLatin1Char('\n'))));
    }

    // Silencing one category leaves the others' warnings.
    void warningsGoToTheirCategories()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("velqt.style.warning=false"));
        takeDiagnostics();
        writeArchive(scratchPath("categories.data"),
            {{"style.json", R"({"style": [{"type": 1, "name": "c", "clr": "f6f5f4"}]})"},
                {"main.json", R"({"elements": [{"type": "nosuchtype"}]})"}});
        CThemeManager::instance().unloadPackages();
        QVERIFY(CThemeManager::instance().loadAppPackage(scratchPath("categories.data")));
        QWidget window;
        LoadWindow(&window, "main");
        const QString seen = takeDiagnostics().join(QLatin1Char('\n'));
        QLoggingCategory::setFilterRules(QString());
        QVERIFY2(!seen.contains(QLatin1String("has 6 digits")), qPrintable(seen));
        QVERIFY2(
            seen.contains(QLatin1String("unknown control type \"nosuchtype\"")), qPrintable(seen));
    }

    void utf8TextsOnRequest_data()
    {
        QTest::addColumn<bool>("declared");
        QTest::newRow("GBK as ever") << false;
        QTest::newRow("declared UTF-8") << true;
    }

    void utf8TextsOnRequest()
    {
        QFETCH(bool, declared);
        const QByteArray text = "Gr\xC3\xB6\xC3\x9F"
                                "e \xE2\x9C\x93";
        const QString expected = declared ? QString::fromUtf8(text) : CThemeManager::fromGbk(text);
        // The document's root declares its encoding, or does not.
        const auto document = [&](QByteArray json) {
            if (declared)
                json.insert(1, QByteArray(R"({"encoding": "utf-8", )").mid(1));
            return json.replace("TEXT", text);
        };
        writeArchive(scratchPath("utf8.data"),
            {{"style.json", document(R"({"style": [{"type": 2, "name": "t", "family": "TEXT"}]})")},
                {"theme.json",
                    document(
                        R"({"elements": [{"child": [{"name": "caption", "attr": {"text": "TEXT"}}]}]})")},
                {"main.json",
                    document(
                        R"({"elements": [{"type": "qtlabel", "name": "own", "tooltip": "TEXT",)"
                        R"( "attr": {"text": "TEXT"}}, {"type": "qtlabel", "name": "themed",)"
                        R"( "theme": "caption", "attr": {}}]})")}});
        CThemeManager& manager = CThemeManager::instance();
        manager.unloadPackages();
        QVERIFY(manager.loadAppPackage(scratchPath("utf8.data")));
        QVERIFY(manager.loadThemePackage(scratchPath("utf8.data")));
        QWidget window;
        LoadWindow(&window, "main");
        auto* own = window.findChild<VelQLabel*>("own");
        auto* themed = window.findChild<VelQLabel*>("themed");
        QVERIFY(own && themed);
        QCOMPARE(own->text(), expected);
        QCOMPARE(own->toolTip(), expected);
        QCOMPARE(themed->text(), expected);
        TextStyle style;
        QVERIFY(manager.getTextStyle("t", style));
        QCOMPARE(style.family, expected);
        QVERIFY(declared || own->text() != QString::fromUtf8(text));
    }
};

QTEST_MAIN(TestThemeFormat)
#include "tst_themeformat.moc"
