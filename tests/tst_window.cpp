// The window as a user drags, resizes, tabs through and reads it; and the descriptions that
// build windows and their controls.
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQSwitch_p.h>
#include <framework/VelQWindow_p.h>
#include <theme/Diagnostics.h>

#include <QAccessible>
#include <QLineEdit>
#include <QScreen>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

using Points = QList<QPoint>;
using QTest::newRow;

enum Setup { Resizable = 0, Draggable = 1, Fixed = 2, Maximised = 4, RightButton = 8 };

// A mouse event at a point of the screen, as the window receives it.
static void mouse(VelQWindow* w, QEvent::Type type, QPoint global, Qt::MouseButton button,
    Qt::MouseButtons buttons = Qt::NoButton)
{
    sendMouse(w, type, global - w->geometry().topLeft(), button, buttons, global);
}

// A control that records when its samples are filled.
class Probe : public VelQControl<QWidget> {
public:
    Probe() { setImpl(new VelQControlBaseImpl(this, typeName())); }
    static QWidget* create() { return new Probe; }
    QString typeName() const override { return QStringLiteral("probe"); }
    void fillSamples() override
    {
        ++samples;
        childrenAtSamples = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size();
    }
    int samples = 0;
    int childrenAtSamples = -1;
};

class tst_Window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        RegisterControl("probe", Probe::create, false);
        RegisterControl("probe2", Probe::create, true);
        QVERIFY(ListedControls().count("probe2") && !ListedControls().count("probe"));
        RegisterControl("probe2", nullptr, false);
        QVERIFY(!CreateControl("probe2", nullptr, nullptr)
            && !CreateControl(nullptr, nullptr, nullptr));
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

    void pointer_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("shape"); // of the cursor over at
        QTest::addColumn<int>("edge"); // that a press at at resizes by
        QTest::addColumn<Points>("moves"); // from the press
        QTest::addColumn<QRect>("geometry"); // after the release; null when unchanged
        QTest::addColumn<int>("setup");
        const auto add = [](const char* name, QPoint at, int shape, int edge,
                             const Points& moves = {}, QRect geometry = {}, int setup = Resizable) {
            newRow(name) << at << shape << edge << moves << geometry << setup;
        };
        const int fdiag = Qt::SizeFDiagCursor, bdiag = Qt::SizeBDiagCursor;
        const int hor = Qt::SizeHorCursor, ver = Qt::SizeVerCursor, arrow = Qt::ArrowCursor;
        const Points twice {{30, 20}, {50, 25}};
        add("in caption", {300, 39}, arrow, -1, twice, {150, 125, 600, 500}, Draggable);
        add("below caption", {300, 40}, arrow, -1, twice, {}, Draggable);
        add("right button", {300, 10}, arrow, -1, twice, {}, Draggable | RightButton);
        add("not draggable", {300, 10}, arrow, -1, twice);
        add("right grows", {598, 200}, hor, 1, {{40, 0}}, {100, 100, 640, 500});
        add("bottom shrinks", {300, 498}, ver, 3, {{0, -60}}, {100, 100, 600, 440});
        add("left grows and moves", {1, 200}, hor, 0, {{-30, 0}}, {70, 100, 630, 500});
        add("top-left", {1, 1}, fdiag, 6, {{10, 20}}, {110, 120, 590, 480});
        add("bottom-right", {597, 497}, fdiag, 4, {{-10, -20}}, {100, 100, 590, 480});
        add("top-right", {597, 2}, bdiag, 5);
        add("bottom-left", {2, 497}, bdiag, 7);
        add("left stops at minimum", {1, 200}, hor, 0, {{201, 0}}, {100, 100, 400, 500});
        add("right stops at minimum", {598, 200}, hor, 1, {{-300, 0}}, {100, 100, 400, 500});
        add("top stops at minimum", {300, 1}, ver, 2, {{0, 150}}, {100, 100, 600, 400});
        // Held at 401 wide, then regrown from where the pointer stopped.
        add("minimum holds then resumes", {1, 200}, hor, 0, {{199, 0}, {201, 0}, {189, 0}},
            {289, 100, 410, 500});
        add("inside", {300, 300}, arrow, -1);
        add("margin boundary", {4, 300}, arrow, -1);
        add("not resizable", {597, 200}, arrow, -1, {{40, 0}}, {}, Fixed);
        add("maximised", {1, 200}, arrow, -1, {{40, 0}}, {}, Maximised);
    }

    // The pointer over an edge of a resizable window shows its cursor, and a press there resizes
    // by it; the caption drags a draggable window.
    void pointer()
    {
        QFETCH(QPoint, at);
        QFETCH(int, edge);
        QFETCH(Points, moves);
        QFETCH(QRect, geometry);
        QFETCH(int, setup);
        VelQWindow w;
        w.setWindowFlags(w.windowFlags() | Qt::FramelessWindowHint);
        w.setResizable(!(setup & Fixed));
        w.setDraggable(setup & Draggable);
        w.setGeometry(100, 100, 600, 500);
        w.show();
        if (setup & Maximised) {
            w.showMaximized();
            QTRY_VERIFY(w.isMaximized());
        }
        QCOMPARE(w.testAttribute(Qt::WA_MouseTracking), !(setup & Fixed));
        const QRect before = w.geometry();
        const QPoint start = before.topLeft() + at;
        mouse(&w, QEvent::MouseMove, start, Qt::NoButton);
        QTEST(int(w.cursor().shape()), "shape");
        mouse(&w, QEvent::MouseMove, before.topLeft() + QPoint(300, 300), Qt::NoButton);
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
        const auto button = setup & RightButton ? Qt::RightButton : Qt::LeftButton;
        mouse(&w, QEvent::MouseButtonPress, start, button, button);
        QCOMPARE(w.impl()->resizeEdge, edge);
        for (const QPoint& move : moves)
            mouse(&w, QEvent::MouseMove, start + move, Qt::NoButton, button);
        mouse(&w, QEvent::MouseButtonRelease, start + moves.value(moves.size() - 1), button);
        QCOMPARE(w.geometry(), geometry.isNull() ? before : geometry);
        QVERIFY(!w.impl()->dragging);
        QCOMPARE(w.impl()->resizeEdge, -1);
    }

    // A new window: fixed, centred on request, children laid out on resize, background painted
    // only when asked, its own event loop ended by closing.
    void plainWindow()
    {
        auto w = std::make_unique<VelQWindow>();
        w->show();
        QVERIFY(!w->impl()->resizable);
        w->resize(301, 200);
        w->centerOnScreen();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(), QPoint((screen.width() - 301) / 2, (screen.height() - 200) / 2));
        VelQPushButton child(w.get());
        const int fill[4] = {10, 10, 10, 10};
        child.setFillLayout(fill);
        w->resize(500, 300);
        QCOMPARE(child.geometry(), QRect(10, 10, 480, 280));
        child.hide();
        ImageStyle frame;
        frame.color = QColor(10, 200, 30);
        w->setFrame(frame);
        QVERIFY(!near(render(w.get()).pixel(250, 150), frame.color));
        w->setPaintBackground(true);
        QCOMPARE_PIXEL(render(w.get()), 250, 150, frame.color);
        QTimer::singleShot(0, w.get(), [&] { w->close(); });
        QTimer::singleShot(5000, w->eventLoop(), [&] { w->eventLoop()->exit(7); });
        QCOMPARE(w->eventLoop()->exec(), 0);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("role"); // of a control that paints everything itself, else -1
        QTest::addColumn<QString>("name");
        for (const char* type :
            {"qtbutton", "qtcheckbox", "qtradiobox", "qtslider", "qtcombobox", "qtdedit", "qttext"})
            newRow(type) << type << -1 << QString();
        newRow("qtswitch") << "qtswitch" << int(QAccessible::CheckBox) << "On";
        newRow("qtlabelex") << "qtlabelex" << int(QAccessible::StaticText) << "Plain words";
        newRow("canvas") << "canvas" << int(QAccessible::Canvas) << "Tip";
        newRow("qtpicture") << "qtpicture" << int(QAccessible::Graphic) << "Tip";
    }

    // Controls that paint everything themselves name themselves by what they show, else by
    // their tool tip; the switch is a check box that its toggle action alone toggles, while
    // enabled. Those that take focus show the ring after Tab, not after a click nor while hidden:
    // without a theme in the palette's highlight, 2 pixels wide, 1 pixel outside.
    void controls()
    {
        QFETCH(QString, type);
        QFETCH(int, role);
        QFETCH(QString, name);
        VelQWindow w;
        w.setGeometry(100, 100, 300, 200);
        QPalette palette = w.palette();
        palette.setColor(QPalette::Highlight, Qt::magenta);
        w.setPalette(palette);
        // Only by click, so that focus stays on a control hidden while it has it.
        auto* before = new QPushButton(&w);
        before->setFocusPolicy(Qt::ClickFocus);
        before->setGeometry(0, 0, 40, 20);
        QWidget* control = CreateControl(qPrintable(type), nullptr, &w);
        control->setGeometry(100, 80, 100, 40);
        control->setToolTip(QStringLiteral("Tip"));
        if (auto* label = qobject_cast<VelQLabelEx*>(control))
            label->setPlainText(QStringLiteral("Plain words"));
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
        QVERIFY(node);
        if (role >= 0) {
            QCOMPARE(int(node->role()), role);
            QCOMPARE(node->text(QAccessible::Name), name);
            QCOMPARE(bool(node->state().checkable), role == QAccessible::CheckBox);
        }
        if (role == QAccessible::CheckBox) {
            implOf<VelQSwitchImpl>(*static_cast<VelQSwitch*>(control))->speed = 0;
            const QString press = QAccessibleActionInterface::pressAction();
            const QString toggle = QAccessibleActionInterface::toggleAction();
            for (const auto& [action, enabled, checked] : {std::tuple(press, true, true),
                     std::tuple(toggle, false, true), std::tuple(toggle, true, false)}) {
                control->setEnabled(enabled);
                node->actionInterface()->doAction(action);
                QCOMPARE(bool(node->state().checked), checked);
            }
            QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Off"));
            giveFocus(&w, control);
            QTest::keyClick(control, Qt::Key_Space);
            QVERIFY(node->state().checked);
        }
        if (!(control->focusPolicy() & Qt::TabFocus))
            return;
        giveFocus(&w, before);
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(control->isAncestorOf(QApplication::focusWidget())
            || control == QApplication::focusWidget());
        const QImage tabbed = render(&w);
        for (const QRect& band : {QRect(97, 90, 2, 20), QRect(201, 90, 2, 20),
                 QRect(120, 77, 60, 2), QRect(120, 121, 60, 2)})
            QCOMPARE(countNear(tabbed, Qt::magenta, 10, band), band.width() * band.height());
        QVERIFY(!holds(tabbed, Qt::magenta, 10, QRect(96, 90, 1, 20)));
        control->hide();
        QVERIFY(!holds(render(&w), Qt::magenta, 10));
        control->show();
        QTest::mouseClick(before, Qt::LeftButton);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, 5));
        if (auto* box = qobject_cast<QComboBox*>(control))
            box->hidePopup();
        QVERIFY(!holds(render(&w), Qt::magenta, 10));
    }

    void typeNames_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("className");
        // Each class after the names that build it.
        const QByteArray table
            = R"(qtcontainer container VelQContainer qtpicture picture image VelQImage qtbutton button
            VelQPushButton qtmenubar menubar VelQMenuBar qtlabel label VelQLabel qtlabelex
            VelQLabelEx qtcheckbox checkbox VelQCheckBox qtlistview listview templateList
            VelQListView qtprogressbar progressbar VelQProgressBar qtradiobox radio radiobox
            VelQRadioButton qtslider slider VelQSlider qttab tab VelQTabWidget qtdedit dedit
            VelQLineEdit qtcombobox combobox VelQComboBox qtlist list VelQList qttree tree
            VelQTreeView qtdatagrid datagrid VelQTableView qtgroupbox groupbox VelQGroupBox
            qtlcdnumber VelQLCDNumber qtspinbox spinbox dnumedit VelQSpinBox qtsplitter splitter
            VelQSplitter qtswitch switch VelQSwitch qtscrollview scrollview VelQScrollView qttext
            VelQTextEdit canvas VelQCanvas)";
        QByteArrayList names;
        for (const QByteArray& word : table.simplified().split(' ')) {
            if (!word.startsWith("VelQ"))
                names << word;
            else
                for (const QByteArray& name : std::exchange(names, {}))
                    newRow(name.constData()) << QString(name) << QString("VelQtLib::" + word);
        }
        newRow("case differs") << "QtButton" << QString();
        newRow("unknown") << "nothing" << QString();
        newRow("scroll bar") << "qtscrollbar" << QString();
    }

    void typeNames()
    {
        QFETCH(QString, type);
        QFETCH(QString, className);
        QWidget parent;
        const ::Json::Value element = parsed(R"({"type": ")" + type.toUtf8() + R"("})");
        QWidget* w = CreateFromJson(&element, &parent);
        QCOMPARE(w ? QString(w->metaObject()->className()) : QString(), className);
        QCOMPARE(w ? w->parentWidget() : &parent, &parent);
        // Design tools list every built-in type but the list views, and the scroll bar too.
        const bool listed
            = type == "qtscrollbar" || (!className.isEmpty() && !type.endsWith("listview"));
        QCOMPARE(ListedControls().count(type.toStdString()) == 1, listed);
    }

    // The loader skips what it cannot build with its subtree and goes on, returning the last
    // element built; values of the wrong kind read as absent.
    void badValuesAreIgnored()
    {
        QByteArray unbuilt;
        for (const QByteArray type : {R"("qtscrollbar")", "5", "{}", R"("qtnothing")"})
            unbuilt += R"({"type": )" + type + R"(, "child": [{"type": "button", "name": "in"}]},)";
        const ::Json::Value root = parsed(R"({"elements": [)" + unbuilt + R"(
            {"type": "button", "name": "a", "x": "ten", "w": 1e300, "enable": "no",
             "style": "face", "attr": {"text": ["x"], "extWidth": {}, "isExtBtn": "true"}},
            {"type": "button", "name": "b", "style": [["own", "zero", 0]], "layout": [1, 2],
             "attr": [], "child": 7},
            {"type": "button", "name": "c", "layout": {"type": "anchor", "x": []}}]})");
        QWidget parent;
        QWidget* last = LoadElements(&root, &parent);
        QCOMPARE(last, parent.findChild<QWidget*>(QStringLiteral("c")));
        QCOMPARE(parent.findChildren<VelQPushButton*>().size(), 3);
        QVERIFY(parent.findChild<QWidget*>(QStringLiteral("a"))->isEnabled());
        const ::Json::Value lastFails
            = parsed(R"({"elements": [{"type": "button"}, {"type": 1}]})");
        QVERIFY(!LoadElements(&lastFails, &parent) && !LoadElements(&lastFails, nullptr));
        QCOMPARE(parent.findChildren<VelQPushButton*>().size(), 4);
        const ::Json::Value none = parsed(R"({"element": []})");
        QVERIFY(!LoadElements(&none, &parent));
    }

    // Samples are filled once, after the children are built; nesting stops at the cap.
    void nestingIsCapped()
    {
        const QList<QPair<QByteArray, int>> cases {{"", 0}, {R"(, "child": [])", 0},
            {R"(, "child": [{"type": "button"}, {"type": "probe"}])", 2},
            {R"(, "child": {"type": "button"})", 0}};
        for (const auto& [children, count] : cases) {
            QWidget parent;
            const ::Json::Value element = parsed(R"({"type": "probe")" + children + "}");
            auto* probe = static_cast<Probe*>(CreateFromJson(&element, &parent));
            QVERIFY(probe && probe->samples == 1 && probe->childrenAtSamples == count);
        }
        QByteArray json = R"({"type": "probe"})";
        for (int i = 1; i < 300; ++i)
            json = R"({"type": "probe", "child": [)" + json + "]}";
        const ::Json::Value element = parsed(json);
        QWidget parent;
        int depth = 0;
        for (QWidget* w = CreateFromJson(&element, &parent); w;
             w = w->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            ++depth;
        QCOMPARE(depth, maxDescriptionDepth);
    }

    // From either package, with or without suffix, in any case and separator; broken, absent and
    // empty descriptions build nothing. Root keys shape a window, never a plain widget.
    void descriptions()
    {
        const QString empty = scratchPath(QStringLiteral("empty.json"));
        writeFile(empty, QByteArray());
        const QList<QPair<QString, QString>> sources {{"main", "fromApp"}, {"main.json", "fromApp"},
            {"Layouts\\Second", "fromTheme"}, {"broken", {}}, {"absent", {}}, {empty, {}}};
        for (const auto& [source, built] : sources) {
            QWidget target;
            QWidget* last = LoadWindow(&target, source);
            QVERIFY2((last ? last->objectName() : QString()) == built, qPrintable(source));
        }
        VelQWindow window;
        const QSize before = window.size();
        QVERIFY(LoadWindow(&window, QStringLiteral("main")));
        QCOMPARE(window.size(), QSize(321, before.height()));
        QWidget plain;
        plain.resize(100, 100);
        QVERIFY(LoadWindow(&plain, QStringLiteral("main")) && plain.width() == 100);
        const QString path = scratchPath(QStringLiteral("flags.json"));
        writeFile(path, R"({"w": 500, "h": 450, "trans": true, "drag": false, "resize": true,
            "minW": 300, "minH": 200, "onlyDragCaption": true, "elements": []})");
        VelQWindow frameless;
        LoadWindow(&frameless, path);
        QCOMPARE(frameless.size(), QSize(500, 450));
        QVERIFY((frameless.windowFlags() & Qt::FramelessWindowHint)
            && frameless.testAttribute(Qt::WA_TranslucentBackground)
            && frameless.testAttribute(Qt::WA_MouseTracking));
        writeFile(path, R"({"trans": false, "resize": false, "elements": []})");
        VelQWindow framed;
        LoadWindow(&framed, path);
        QVERIFY(!(framed.windowFlags() & Qt::FramelessWindowHint)
            && !framed.testAttribute(Qt::WA_MouseTracking));
    }

    // A "theme" key takes the theme's element only with an "attr" object; the factory reads an
    // element's own styles from the app package whatever the flag it found.
    void themeKeyNeedsAttr()
    {
        CThemeManager::instance().setUseThemePackage(true);
        QWidget parent;
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "button", "name": "redirected", "theme": "greenButton", "style": [["own", 0, 0]], "attr": {}, "w": 40, "h": 20},
            {"type": "button", "name": "own", "theme": "greenButton", "style": [["own", 0, 0]], "w": 40, "h": 20}]})");
        LoadElements(&root, &parent);
        QVERIFY(!CThemeManager::instance().useThemePackage());
        QCOMPARE_PIXELS(render(parent.findChild<QWidget*>("redirected")), {{20, 10, Qt::green}});
        QCOMPARE_PIXELS(render(parent.findChild<QWidget*>("own")), {{20, 10, Qt::blue}});
    }

    // The palette that lets the parent's skin through paints what the transparent style sheet
    // did: two of each control over a coloured parent, one given the sheet, alike in every state.
    void clearBackgroundMatchesTheSheet_data()
    {
        QTest::addColumn<QByteArray>("element");
        const QByteArray attr = R"("attr": {"text": "Grüße 漢字 Édition", "value": 42})";
        for (const char* type : {"qtdedit", "qtspinbox", "qtlcdnumber", "qtscrollview", "qtlist",
                 "qtdatagrid", "qttext"})
            newRow(type) << "{\"type\": \"" + QByteArray(type) + "\", " + attr + "}";
    }

    void clearBackgroundMatchesTheSheet()
    {
        QFETCH(QByteArray, element);
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
        auto* area = qobject_cast<QAbstractScrollArea*>(sheeted);
        QWidget* target = area ? area->viewport() : sheeted;
        target->setPalette(QPalette());
        target->setAutoFillBackground(area);
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
    void shownOnceBuilt()
    {
        for (const bool windowShown : {false, true}) {
            QWidget window;
            window.resize(300, 200);
            if (windowShown)
                QVERIFY(shown(&window));
            const ::Json::Value root
                = parsed(R"({"elements": [{"type": "qtcontainer", "name": "box",
                "x": 5, "y": 6, "w": 200, "h": 150, "child": [
                {"type": "qtlabel", "name": "seen", "x": 1, "y": 2, "w": 50, "h": 20,
                    "attr": {"text": "A caption longer than its label"}},
                {"type": "qtbutton", "name": "hidden", "visibility": false, "x": 1, "y": 30,
                    "w": 60, "h": 25}]}]})");
            LoadElements(&root, &window);
            QWidget* box = window.findChild<QWidget*>(QStringLiteral("box"));
            QWidget* seen = window.findChild<QWidget*>(QStringLiteral("seen"));
            QWidget* hidden = window.findChild<QWidget*>(QStringLiteral("hidden"));
            QVERIFY(box && seen && hidden);
            QCOMPARE((QList<QRect> {box->geometry(), seen->geometry(), hidden->geometry()}),
                (QList<QRect> {{5, 6, 200, 150}, {1, 2, 50, 20}, {1, 30, 60, 25}}));
            for (QWidget* w : {box, seen})
                QVERIFY(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && !w->isHidden()
                    && w->isVisible() == windowShown);
            QVERIFY(hidden->isHidden());
        }
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
        auto* slider = new VelQSlider(&window);
        slider->setThemeName(QStringLiteral("qtslider"));
        slider->setOrientation(Qt::Vertical);
        slider->setGeometry(100, 0, 30, 120);
        slider->setValue(70);
        const QList<QWidget*> controls {button, label, slider};
        const auto showAll = [&](QColor colour, QColor notOther) {
            return std::all_of(controls.begin(), controls.end(), [&](QWidget* c) {
                return holds(render(c), colour, 40) && !holds(render(c), notOther, 40);
            });
        };
        QVERIFY(showAll(Qt::red, Qt::green));
        QSignalSpy changed(ThemeEvents(), &VelQThemeEvents::themeChanged);
        QVERIFY(theme(QStringLiteral("green.data"), Qt::green));
        QCOMPARE(changed.count(), 1);
        QVERIFY(showAll(Qt::green, Qt::red));
        QVERIFY(!LoadThemePackage(scratchPath(QStringLiteral("missing.data")).toUtf8()));
        QCOMPARE(changed.count(), 1);
        QVERIFY(showAll(Qt::green, Qt::red));
        QVERIFY(theme(QStringLiteral("red2.data"), Qt::red) && showAll(Qt::red, Qt::green));
        QCOMPARE((QVariantList {button->text(), label->text(), slider->value(),
                     slider->orientation(), slider->geometry()}),
            (QVariantList {"Program's", "Caption", 70, Qt::Vertical, QRect(100, 0, 30, 120)}));
    }
};

QTEST_MAIN(tst_Window)
#include "tst_window.moc"
