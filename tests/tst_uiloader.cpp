#include "support/TestSupport.h"

#include <VelQtLib.h>

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
        // Each class after the names that build it.
        const char* const table = "qtcontainer container VelQContainer qtpicture picture image "
                                  "VelQImage qtbutton button VelQPushButton qtmenubar menubar "
                                  "VelQMenuBar qtlabel label VelQLabel qtlabelex VelQLabelEx "
                                  "qtcheckbox checkbox VelQCheckBox qtlistview listview "
                                  "templateList VelQListView qtprogressbar progressbar "
                                  "VelQProgressBar qtradiobox radio radiobox VelQRadioButton "
                                  "qtslider slider VelQSlider qttab tab VelQTabWidget qtdedit "
                                  "dedit VelQLineEdit qtcombobox combobox VelQComboBox qtlist "
                                  "list VelQList qttree tree VelQTreeView qtdatagrid datagrid "
                                  "VelQTableView qtgroupbox groupbox VelQGroupBox qtlcdnumber "
                                  "VelQLCDNumber qtspinbox spinbox dnumedit VelQSpinBox "
                                  "qtsplitter splitter VelQSplitter qtswitch switch VelQSwitch "
                                  "qtscrollview scrollview VelQScrollView qttext VelQTextEdit "
                                  "canvas VelQCanvas";
        QByteArrayList names;
        for (const QByteArray& word : QByteArray(table).split(' ')) {
            if (!word.startsWith("VelQ")) {
                names << word;
                continue;
            }
            for (const QByteArray& name : std::exchange(names, {}))
                QTest::newRow(name.constData()) << name << "VelQtLib::" + word;
        }
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
        QCOMPARE(w ? w->parentWidget() : &parent, &parent);
    }

    void skippedElementsTakeTheirSubtree_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("scroll bar") << QByteArray(R"("qtscrollbar")");
        QTest::newRow("number") << QByteArray("5");
        QTest::newRow("object") << QByteArray("{}");
        QTest::newRow("unknown") << QByteArray(R"("qtnothing")");
    }

    // The loader goes on after an element it cannot build, and returns the last element built.
    void skippedElementsTakeTheirSubtree()
    {
        QFETCH(QByteArray, type);
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [{"type": )" + type
            + R"(, "child": [{"type": "button", "name": "inner"}]}, {"type": "button", "name": "next"}]})");
        QWidget* last = LoadElements(&root, &parent);
        QVERIFY(!parent.findChild<QWidget*>(QStringLiteral("inner")));
        QCOMPARE(last, parent.findChild<QWidget*>(QStringLiteral("next")));
        const ::Json::Value lastFails
            = parsed(R"({"elements": [{"type": "button"}, {"type": 1}]})");
        QVERIFY(!LoadElements(&lastFails, &parent));
        QCOMPARE(parent.findChildren<VelQPushButton*>().size(), 2);
        QVERIFY(!LoadElements(&lastFails, nullptr));
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

    void descriptionSources_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("built");
        QTest::newRow("app package") << "main"
                                     << "fromApp";
        QTest::newRow("with suffix") << "main.json"
                                     << "fromApp";
        QTest::newRow("theme package, any case and separator") << "Layouts\\Second"
                                                               << "fromTheme";
        QTest::newRow("broken") << "broken" << QString();
        QTest::newRow("absent") << "absent" << QString();
        QTest::newRow("empty file") << scratchPath(QStringLiteral("empty.json")) << QString();
        QTest::newRow("text ends at a nul") << scratchPath(QStringLiteral("nul.json")) << "n";
    }

    void descriptionSources()
    {
        QFETCH(QString, source);
        QFETCH(QString, built);
        writeFile(scratchPath(QStringLiteral("empty.json")), QByteArray());
        writeFile(scratchPath(QStringLiteral("nul.json")),
            QByteArray(R"({"elements": [{"type": "button", "name": "n"}]})") + '\0' + "garbage");
        QWidget target;
        QWidget* last = LoadWindow(&target, source);
        QCOMPARE(last ? last->objectName() : QString(), built);
    }

    // The root keys shape a window, never a plain widget.
    void windowRootKeys()
    {
        VelQWindow window;
        const QSize before = window.size();
        QVERIFY(LoadWindow(&window, QStringLiteral("main")));
        QCOMPARE(window.size(), QSize(321, before.height()));
        QWidget plain;
        plain.resize(100, 100);
        QVERIFY(LoadWindow(&plain, QStringLiteral("main")));
        QCOMPARE(plain.width(), 100);

        const QString path = scratchPath(QStringLiteral("flags.json"));
        writeFile(path, R"({"w": 500, "h": 450, "trans": true, "drag": false, "resize": true,
            "minW": 300, "minH": 200, "onlyDragCaption": true, "elements": []})");
        VelQWindow frameless;
        LoadWindow(&frameless, path);
        QCOMPARE(frameless.size(), QSize(500, 450));
        QVERIFY(frameless.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(frameless.testAttribute(Qt::WA_TranslucentBackground));
        QVERIFY(frameless.testAttribute(Qt::WA_MouseTracking));
        writeFile(path, R"({"trans": false, "resize": false, "elements": []})");
        VelQWindow framed;
        LoadWindow(&framed, path);
        QVERIFY(!(framed.windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(!framed.testAttribute(Qt::WA_MouseTracking));
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
