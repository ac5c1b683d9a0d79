#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <theme/Diagnostics.h>

#include <QLineEdit>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

// A control that records when its samples are filled.
class Probe : public VelQControl<QWidget> {
public:
    explicit Probe(QWidget* parent = nullptr)
        : VelQControl<QWidget>(parent)
    {
        setImpl(new VelQControlBaseImpl(this, typeName()));
    }
    QString typeName() const override { return QStringLiteral("probe"); }
    void fillSamples() override
    {
        ++samples;
        childrenAtSamples = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size();
    }
    int samples = 0;
    int childrenAtSamples = -1;
};

QWidget* createProbe()
{
    return new Probe;
}

int depthOf(QWidget* w)
{
    int depth = 0;
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        depth = qMax(depth, 1 + depthOf(child));
    return depth;
}

} // namespace

class tst_UiLoader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        RegisterControl("probe", createProbe, false);
        QVERIFY(loadAppPackage(QStringLiteral("app.data"), {boxStyle("own", Qt::blue)},
            {{"main.json", R"({"w": 321, "elements": [{"type": "button", "name": "fromApp"}]})"},
                {"broken.json", R"({"elements": [ {"type": "button"} )"}}));
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({boxStyle("themed", Qt::green)})},
                {"theme.json", R"({"elements": [{"child": [
                 {"name": "greenButton", "style": [["themed", 0, 0]], "attr": {"txtX": 9}}]}]})"},
                {"layouts/second.json",
                    R"({"elements": [{"type": "qtbutton", "name": "fromTheme"}]})"}}));
    }

    void typeNames_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("className");
        const char* const table[][2] = {{"qtcontainer", "VelQContainer"},
            {"container", "VelQContainer"}, {"qtpicture", "VelQImage"}, {"picture", "VelQImage"},
            {"image", "VelQImage"}, {"qtbutton", "VelQPushButton"}, {"button", "VelQPushButton"},
            {"qtmenubar", "VelQMenuBar"}, {"menubar", "VelQMenuBar"}, {"qtlabel", "VelQLabel"},
            {"label", "VelQLabel"}, {"qtlabelex", "VelQLabelEx"}, {"qtcheckbox", "VelQCheckBox"},
            {"checkbox", "VelQCheckBox"}, {"qtlistview", "VelQListView"},
            {"listview", "VelQListView"}, {"templateList", "VelQListView"},
            {"qtprogressbar", "VelQProgressBar"}, {"progressbar", "VelQProgressBar"},
            {"qtradiobox", "VelQRadioButton"}, {"radio", "VelQRadioButton"},
            {"radiobox", "VelQRadioButton"}, {"qtslider", "VelQSlider"}, {"slider", "VelQSlider"},
            {"qttab", "VelQTabWidget"}, {"tab", "VelQTabWidget"}, {"qtdedit", "VelQLineEdit"},
            {"dedit", "VelQLineEdit"}, {"qtcombobox", "VelQComboBox"}, {"combobox", "VelQComboBox"},
            {"qtlist", "VelQList"}, {"list", "VelQList"}, {"qttree", "VelQTreeView"},
            {"tree", "VelQTreeView"}, {"qtdatagrid", "VelQTableView"},
            {"datagrid", "VelQTableView"}, {"qtgroupbox", "VelQGroupBox"},
            {"groupbox", "VelQGroupBox"}, {"qtlcdnumber", "VelQLCDNumber"},
            {"qtspinbox", "VelQSpinBox"}, {"spinbox", "VelQSpinBox"}, {"dnumedit", "VelQSpinBox"},
            {"qtsplitter", "VelQSplitter"}, {"splitter", "VelQSplitter"},
            {"qtswitch", "VelQSwitch"}, {"switch", "VelQSwitch"},
            {"qtscrollview", "VelQScrollView"}, {"scrollview", "VelQScrollView"},
            {"qttext", "VelQTextEdit"}, {"canvas", "VelQCanvas"}};
        for (const auto& row : table)
            QTest::newRow(row[0]) << QByteArray(row[0]) << "VelQtLib::" + QByteArray(row[1]);
        QTest::newRow("case differs") << QByteArray("QtButton") << QByteArray();
        QTest::newRow("unknown") << QByteArray("nothing") << QByteArray();
        QTest::newRow("scroll bar") << QByteArray("qtscrollbar") << QByteArray();
    }

    void typeNames()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, className);
        QWidget parent;
        const ::Json::Value element = parsed(R"({"type": ")" + type + R"("})");
        QWidget* w = CreateFromJson(&element, &parent);
        QCOMPARE(w ? QByteArray(w->metaObject()->className()) : QByteArray(), className);
        if (w)
            QCOMPARE(w->parentWidget(), &parent);
    }

    void skippedElementsTakeTheirSubtree_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("scroll bar") << QByteArray(R"("qtscrollbar")");
        QTest::newRow("number") << QByteArray("5");
        QTest::newRow("object") << QByteArray("{}");
        QTest::newRow("unknown") << QByteArray(R"("qtnothing")");
    }

    void skippedElementsTakeTheirSubtree()
    {
        QFETCH(QByteArray, type);
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [{"type": )" + type
            + R"(, "child": [{"type": "button", "name": "inner"}]}, {"type": "button", "name": "next"}]})");
        QWidget* last = LoadElements(&root, &parent);
        QVERIFY(!parent.findChild<QWidget*>(QStringLiteral("inner")));
        QVERIFY(parent.findChild<QWidget*>(QStringLiteral("next")));
        QCOMPARE(last, parent.findChild<QWidget*>(QStringLiteral("next")));
    }

    void lastElementDecidesTheResult()
    {
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [{"type": "button"}, {"type": 1}]})");
        QVERIFY(!LoadElements(&root, &parent));
        QCOMPARE(parent.findChildren<VelQPushButton*>().size(), 1);
        QVERIFY(!LoadElements(&root, nullptr));
        const ::Json::Value none = parsed(R"({"element": []})");
        QVERIFY(!LoadElements(&none, &parent));
    }

    void samplesAfterChildren_data()
    {
        QTest::addColumn<QByteArray>("children");
        QTest::addColumn<int>("count");
        QTest::newRow("no child key") << QByteArray() << 0;
        QTest::newRow("empty child array") << QByteArray(R"(, "child": [])") << 0;
        QTest::newRow("two children")
            << QByteArray(R"(, "child": [{"type": "button"}, {"type": "probe"}])") << 2;
        QTest::newRow("child not an array") << QByteArray(R"(, "child": {"type": "button"})") << 0;
    }

    void samplesAfterChildren()
    {
        QFETCH(QByteArray, children);
        QFETCH(int, count);
        QWidget parent;
        const ::Json::Value element = parsed(R"({"type": "probe")" + children + "}");
        auto* probe = static_cast<Probe*>(CreateFromJson(&element, &parent));
        QVERIFY(probe);
        QCOMPARE(probe->samples, 1);
        QCOMPARE(probe->childrenAtSamples, count);
    }

    void nestingIsCapped()
    {
        QByteArray json = R"({"type": "probe"})";
        for (int i = 1; i < 300; ++i)
            json = R"({"type": "probe", "child": [)" + json + "]}";
        const ::Json::Value element = parsed(json);
        QWidget parent;
        QWidget* top = CreateFromJson(&element, &parent);
        QVERIFY(top);
        QCOMPARE(1 + depthOf(top), maxDescriptionDepth);
    }

    void badValuesAreIgnored()
    {
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "button", "name": "a", "x": "ten", "w": 1e300, "enable": "no",
             "style": "face", "attr": {"text": ["x"], "extWidth": {}, "isExtBtn": "true"}},
            {"type": "button", "name": "b", "style": [["own", "zero", 0]], "layout": [1, 2],
             "attr": [], "child": 7},
            {"type": "button", "name": "c", "layout": {"type": "anchor", "x": []}}]})");
        LoadElements(&root, &parent);
        QCOMPARE(parent.findChildren<VelQPushButton*>().size(), 3);
        QVERIFY(parent.findChild<QWidget*>(QStringLiteral("a"))->isEnabled());
    }

    void windowRootKeys()
    {
        VelQWindow window;
        const QSize before = window.size();
        QWidget* last = LoadWindow(&window, QStringLiteral("main"));
        QVERIFY(last);
        QCOMPARE(last->objectName(), QStringLiteral("fromApp"));
        QCOMPARE(window.width(), 321);
        QCOMPARE(window.height(), before.height());

        VelQWindow second;
        QVERIFY(LoadWindow(&second, QStringLiteral("main.json")));
        QVERIFY(second.findChild<QWidget*>(QStringLiteral("fromApp")));
    }

    void windowFlags()
    {
        const QString path = scratchPath(QStringLiteral("flags.json"));
        writeFile(path, R"({"w": 500, "h": 450, "trans": true, "drag": false, "resize": true,
            "minW": 300, "minH": 200, "onlyDragCaption": true, "elements": []})");
        VelQWindow window;
        LoadWindow(&window, path);
        QCOMPARE(window.size(), QSize(500, 450));
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(window.testAttribute(Qt::WA_MouseTracking));

        writeFile(path, R"({"trans": false, "resize": false, "elements": []})");
        VelQWindow framed;
        LoadWindow(&framed, path);
        QVERIFY(!(framed.windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(!framed.testAttribute(Qt::WA_MouseTracking));
    }

    void plainWidgetIgnoresRootKeys()
    {
        QWidget plain;
        plain.resize(100, 100);
        QVERIFY(LoadWindow(&plain, QStringLiteral("main")));
        QCOMPARE(plain.width(), 100);
        QVERIFY(plain.findChild<QWidget*>(QStringLiteral("fromApp")));
    }

    void descriptionSources()
    {
        QWidget target;
        QVERIFY(LoadWindow(&target, QStringLiteral("Layouts\\Second")));
        QVERIFY(target.findChild<QWidget*>(QStringLiteral("fromTheme")));
        QVERIFY(!LoadWindow(&target, QStringLiteral("broken")));
        QVERIFY(!LoadWindow(&target, QStringLiteral("absent")));
        const QString empty = scratchPath(QStringLiteral("empty.json"));
        writeFile(empty, QByteArray());
        QVERIFY(!LoadWindow(&target, empty));
        const QString nul = scratchPath(QStringLiteral("nul.json"));
        writeFile(nul,
            QByteArray(R"({"elements": [{"type": "button", "name": "n"}]})") + '\0' + "garbage");
        QVERIFY(LoadWindow(&target, nul));
    }

    void themeKeyNeedsAttr()
    {
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "button", "name": "redirected", "theme": "greenButton", "style": [["own", 0, 0]], "attr": {}, "w": 40, "h": 20},
            {"type": "button", "name": "own", "theme": "greenButton", "style": [["own", 0, 0]], "w": 40, "h": 20}]})");
        LoadElements(&root, &parent);
        const QImage redirected = render(parent.findChild<QWidget*>(QStringLiteral("redirected")));
        const QImage own = render(parent.findChild<QWidget*>(QStringLiteral("own")));
        QCOMPARE_PIXEL(redirected, 20, 10, QColor(0, 255, 0));
        QCOMPARE_PIXEL(own, 20, 10, QColor(0, 0, 255));
    }

    void factoryClearsTheThemeFlag()
    {
        CThemeManager::instance().setUseThemePackage(true);
        QWidget parent;
        const ::Json::Value element
            = parsed(R"({"type": "button", "style": [["own", 0, 0]], "w": 40, "h": 20})");
        QWidget* w = CreateFromJson(&element, &parent);
        QVERIFY(!CThemeManager::instance().useThemePackage());
        QCOMPARE_PIXEL(render(w), 20, 10, QColor(0, 0, 255));
    }

    void registration()
    {
        RegisterControl("probe2", createProbe, true);
        QVERIFY(ListedControls().count("probe2"));
        QVERIFY(!ListedControls().count("probe"));
        QVERIFY(ListedControls().count("button"));
        RegisterControl("probe2", nullptr, false);
        QVERIFY(!CreateControl("probe2", nullptr, nullptr));
        QVERIFY(!CreateControl(nullptr, nullptr, nullptr));
    }

    // The palette that lets the parent's skin through paints what the transparent style sheet
    // did: each control is built twice over a coloured parent, one of them given the sheet in
    // place of the palette, and both are compared in every state.
    void clearBackgroundMatchesTheSheet_data()
    {
        QTest::addColumn<QByteArray>("element");
        QTest::addColumn<bool>("onViewport");
        const QByteArray text = R"("attr": {"text": "Grüße 漢字 Édition", "value": 42})";
        QTest::newRow("line edit") << R"({"type": "qtdedit", )" + text + "}" << false;
        QTest::newRow("spin box") << R"({"type": "qtspinbox", )" + text + "}" << false;
        QTest::newRow("lcd number") << R"({"type": "qtlcdnumber", )" + text + "}" << false;
        QTest::newRow("scroll view") << QByteArray(R"({"type": "qtscrollview"})") << true;
        QTest::newRow("list") << QByteArray(R"({"type": "qtlist"})") << true;
        QTest::newRow("table") << QByteArray(R"({"type": "qtdatagrid"})") << true;
        QTest::newRow("text edit") << R"({"type": "qttext", )" + text + "}" << true;
    }

    void clearBackgroundMatchesTheSheet()
    {
        QFETCH(QByteArray, element);
        QFETCH(bool, onViewport);
        // A background of their own would paint the red base over the controls' white skins.
        QWidget host;
        QPalette palette = host.palette();
        palette.setColor(QPalette::Window, QColor(30, 120, 200));
        palette.setColor(QPalette::Base, Qt::red);
        host.setPalette(palette);
        host.setAutoFillBackground(true);
        host.resize(200, 120);
        auto* elsewhere = new QLineEdit(&host);
        elsewhere->setGeometry(170, 10, 20, 20);
        const ::Json::Value json = parsed(element);
        QWidget* cleared = CreateFromJson(&json, &host);
        QWidget* sheeted = CreateFromJson(&json, &host);
        QVERIFY(cleared && sheeted);
        cleared->setGeometry(10, 10, 150, 40);
        sheeted->setGeometry(10, 60, 150, 40);
        QWidget* target
            = onViewport ? static_cast<QAbstractScrollArea*>(sheeted)->viewport() : sheeted;
        target->setPalette(QPalette());
        target->setAutoFillBackground(onViewport);
        target->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
        for (const bool enabled : {true, false}) {
            cleared->setEnabled(enabled);
            sheeted->setEnabled(enabled);
            for (const bool focused : {false, true}) {
                if (focused && (!enabled || cleared->focusPolicy() == Qt::NoFocus))
                    continue;
                QImage images[2];
                for (QWidget* w : {cleared, sheeted}) {
                    giveFocus(&host, focused ? w : elsewhere);
                    images[w == sheeted] = render(&host).copy(w->geometry());
                }
                QCOMPARE(images[0], images[1]);
            }
        }
    }

    // Controls are shown once the tree is laid out: afterwards a program sees what it saw when
    // each was shown as it was read.
    void shownOnceBuilt_data()
    {
        QTest::addColumn<bool>("windowShown");
        QTest::newRow("hidden window") << false;
        QTest::newRow("shown window") << true;
    }

    void shownOnceBuilt()
    {
        QFETCH(bool, windowShown);
        QWidget window;
        window.resize(300, 200);
        if (windowShown)
            QVERIFY(shown(&window));
        const ::Json::Value root = parsed(R"({"elements": [{"type": "qtcontainer", "name": "box",
            "x": 5, "y": 6, "w": 200, "h": 150, "child": [
            {"type": "qtlabel", "name": "seen", "x": 1, "y": 2, "w": 50, "h": 20,
                "attr": {"text": "A caption longer than its label"}},
            {"type": "qtbutton", "name": "hidden", "visibility": false, "x": 1, "y": 30, "w": 60,
                "h": 25}]}]})");
        LoadElements(&root, &window);
        QWidget* box = window.findChild<QWidget*>(QStringLiteral("box"));
        QWidget* seen = window.findChild<QWidget*>(QStringLiteral("seen"));
        QWidget* hidden = window.findChild<QWidget*>(QStringLiteral("hidden"));
        QVERIFY(box && seen && hidden);
        QCOMPARE(box->geometry(), QRect(5, 6, 200, 150));
        QCOMPARE(seen->geometry(), QRect(1, 2, 50, 20));
        QCOMPARE(hidden->geometry(), QRect(1, 30, 60, 25));
        for (QWidget* w : {box, seen}) {
            QVERIFY(w->testAttribute(Qt::WA_WState_ExplicitShowHide));
            QVERIFY(!w->isHidden());
            QCOMPARE(w->isVisible(), windowShown);
        }
        QVERIFY(hidden->isHidden());
    }

    // A description built again comes from what its package parsed until a package loads, and
    // one with problems names them to the program at every build.
    void repeatedBuilds()
    {
        struct Counter : DiagnosticSink {
            void report(const Diagnostic&) override { ++count; }
            int count = 0;
        } counter;
        DiagnosticSink* const previous = setDiagnosticSink(&counter);
        const char* const builds[][2] = {{"qtbutton", "VelQtLib::VelQPushButton"},
            {"qtlabel", "VelQtLib::VelQLabel"}, {"qtbuton", ""}};
        for (const auto& [type, className] : builds) {
            QVERIFY(loadThemePackage(QStringLiteral("again.data"),
                {{"style.json", styleJson({boxStyle("x", Qt::red)})},
                    {"layouts/again.json",
                        R"({"elements": [{"type": ")" + QByteArray(type)
                            + R"(", "name": "built"}]})"}}));
            counter.count = 0;
            for (int round = 0; round < 2; ++round) {
                QWidget window;
                LoadWindow(&window, QStringLiteral("layouts/again"));
                const QWidget* built = window.findChild<QWidget*>(QStringLiteral("built"));
                QCOMPARE(built ? QByteArray(built->metaObject()->className()) : QByteArray(),
                    QByteArray(className));
            }
            QCOMPARE(counter.count, *className ? 0 : 2);
        }
        setDiagnosticSink(previous);
    }

    // Last: it replaces the theme package. A window built on one theme is switched to a second
    // one alike but for its colours, through a load that fails, and back.
    void liveThemeSwitch()
    {
        const auto theme = [](const QString& name, QColor colour) {
            return loadThemePackage(name,
                {{"style.json", styleJson({boxStyle("face", colour), textStyle("label", colour)})},
                    {"theme.json", R"({"elements": [{"child": [
                        {"name": "face", "style": [["face", 0, 0]], "attr": {"text": "Themed"}},
                        {"name": "tile", "style": [["face", 0, 0], ["face", 0, 4]], "attr": {}},
                        {"name": "caption", "style": [["label", 0, 0]], "attr": {"text": "x"}},
                        {"name": "qtslider", "style": [["face", 0, 0]], "attr": {}}]}]})"}});
        };
        QVERIFY(theme(QStringLiteral("red.data"), Qt::red));
        QWidget window;
        window.resize(300, 200);
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "qtbutton", "name": "button", "theme": "face", "attr": {}, "w": 60, "h": 30},
            {"type": "qtlabel", "name": "label", "attr": {"text": "Caption"}, "y": 40, "w": 90, "h": 30}]})");
        LoadElements(&root, &window);
        auto* button = window.findChild<QPushButton*>(QStringLiteral("button"));
        auto* label = window.findChild<VelQLabel*>(QStringLiteral("label"));
        QVERIFY(button && label);
        button->setText(QStringLiteral("Program's"));
        label->setThemeName(QStringLiteral("caption"));
        label->setText(QStringLiteral("Caption"));
        auto* check = new VelQCheckBox(&window);
        check->setThemeName(QStringLiteral("tile"));
        check->setGeometry(0, 80, 60, 30);
        check->setText(QStringLiteral("Check"));
        check->setChecked(true);
        auto* slider = new VelQSlider(&window);
        slider->setThemeName(QStringLiteral("qtslider"));
        slider->setOrientation(Qt::Vertical);
        slider->setGeometry(100, 0, 30, 120);
        slider->setValue(70);
        const QList<QWidget*> controls {button, label, check, slider};
        const auto showAll = [&](QColor colour) {
            for (QWidget* control : controls) {
                if (!holds(render(control), colour, 40))
                    return false;
            }
            return true;
        };
        QVERIFY(showAll(Qt::red));

        QSignalSpy changed(ThemeEvents(), &VelQThemeEvents::themeChanged);
        QVERIFY(theme(QStringLiteral("green.data"), Qt::green));
        QCOMPARE(changed.count(), 1);
        QVERIFY(showAll(Qt::green));
        for (QWidget* control : controls)
            QVERIFY2(!holds(render(control), Qt::red, 40), control->metaObject()->className());
        QVERIFY(!LoadThemePackage(scratchPath(QStringLiteral("missing.data")).toUtf8()));
        QCOMPARE(changed.count(), 1);
        QVERIFY(showAll(Qt::green));
        QVERIFY(theme(QStringLiteral("red2.data"), Qt::red));
        QVERIFY(showAll(Qt::red));

        QCOMPARE(button->text(), QStringLiteral("Program's"));
        QCOMPARE(label->text(), QStringLiteral("Caption"));
        QCOMPARE(check->text(), QStringLiteral("Check"));
        QVERIFY(check->isChecked());
        QCOMPARE(slider->value(), 70);
        QCOMPARE(slider->orientation(), Qt::Vertical);
        QCOMPARE(slider->geometry(), QRect(100, 0, 30, 120));
    }
};

QTEST_MAIN(tst_UiLoader)
#include "tst_uiloader.moc"
