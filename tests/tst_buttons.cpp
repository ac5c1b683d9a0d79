#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCheckBox_p.h>
#include <controls/VelQPushButton_p.h>
#include <controls/VelQRadioButton_p.h>
#include <controls/VelQSwitch_p.h>

#include <QButtonGroup>
#include <QVariantAnimation>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor blue(0, 0, 255), yellow(255, 255, 0), green(0, 160, 0), pink(255, 0, 255),
    orange(255, 128, 0), purple(128, 0, 255), red(255, 0, 0), cyan(0, 255, 255),
    gray(128, 128, 128), white(255, 255, 255), black(0, 0, 0), none(0, 0, 0, 0);

// What a row of the looks table expects once a group of steps has run.
struct Probe {
    enum Kind { At, Somewhere, Nowhere, LabelFrom, Shows, State, Checked } kind;
    QPoint p;
    QColor c;
    QString image;
};
using Probes = QVector<Probe>;
using Groups = QList<Probes>;

bool showsBuiltIn(const QImage& image, const QString& name, QPoint at)
{
    const QImage mark
        = CThemeManager::instance().getImage(name, false)->convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            if (!near(image.pixel(at + QPoint(x, y)), QColor::fromRgba(mark.pixel(x, y)), 4))
                return false;
    return true;
}

// Green face, red on hover, pink pressed, gray disabled.
const QByteArray pushSkin = R"([["greenBox", 0, 0], ["redBox", 0, 1], ["pinkBox", 0, 2],
    ["grayBox", 0, 3]])";
// Pink track; cyan thumb, blue on hover, yellow disabled; red "on" and green "off" labels.
const QByteArray switchSkin = R"([["pinkBox", 0, 0], ["blueBox", 0, 1], ["cyanBox", 0, 2],
    ["blueBox", 0, 3], ["yellowBox", 0, 5], ["redSmall", 0, 6], ["greenSmall", 0, 7]])";

std::unique_ptr<QWidget> make(const QByteArray& kind, QWidget* parent, const QByteArray& json)
{
    std::unique_ptr<QWidget> w;
    if (kind == "push")
        w = built<VelQPushButton>(parent, json);
    else if (kind == "check")
        w = built<VelQCheckBox>(parent, json);
    else if (kind == "radio")
        w = built<VelQRadioButton>(parent, json);
    else
        w = built<VelQSwitch>(parent, json);
    w->setGeometry(0, 0, 100, kind == "push" ? 40 : kind == "switch" ? 29 : 30);
    return w;
}

} // namespace

Q_DECLARE_METATYPE(Groups)

class tst_Buttons : public QObject {
    Q_OBJECT

    QWidget host;

    static Probe at(int x, int y, QColor c) { return {Probe::At, {x, y}, c, {}}; }
    // The push button's face, the check and radio button's background, the switch's thumb.
    static Probe face(QColor c) { return at(50, 20, c); }
    static Probe bg(QColor c) { return at(50, 2, c); }
    static Probe thumb(QColor c) { return at(80, 14, c); }
    // The check or radio mark in its usual place.
    static Probes left(QColor c) { return mark(0, 10, c); }
    static QByteArray attrs(const QByteArray& attr) { return element({}, attr); }
    static Probe somewhere(QColor c) { return {Probe::Somewhere, {}, c, {}}; }
    static Probe nowhere(QColor c) { return {Probe::Nowhere, {}, c, {}}; }
    // The label in colour c starts at column x, give or take 3.
    static Probe labelFrom(int x, QColor c) { return {Probe::LabelFrom, {x, 0}, c, {}}; }
    // The built-in image named image has its top-left corner at (x, y).
    static Probe shows(int x, int y, const char* name) { return {Probe::Shows, {x, y}, {}, name}; }
    static Probe state(int s) { return {Probe::State, {s, 0}, {}, {}}; }
    static Probe checked(bool on) { return {Probe::Checked, {on, 0}, {}, {}}; }
    // A 10 × 10 mark with its top-left corner at (x, y).
    static Probes mark(int x, int y, QColor c) { return {at(x, y, c), at(x + 9, y + 9, c)}; }
    static QColor grayOf(const char* path)
    {
        return CThemeManager::instance().getImage(path, true)->pixel(5, 5);
    }
    static IVelQControlBase& ctl(QWidget* w) { return *dynamic_cast<IVelQControlBase*>(w); }
    static QAbstractButton* button(QWidget* w) { return qobject_cast<QAbstractButton*>(w); }
    static void tap(QWidget* w, QPoint release = {5, 15}) { click(w, {5, 15}, release); }
    static QByteArray element(const QByteArray& style, const QByteArray& attr = "{}")
    {
        return "{" + (style.isEmpty() ? "" : R"("style": )" + style + ", ") + R"("attr": )" + attr
            + "}";
    }
    // Steps as play() takes them, c to check the button, m and n to move to columns 80 and 81.
    static void drive(QWidget* w, const QString& steps)
    {
        const QPoint at = qobject_cast<QPushButton*>(w) ? QPoint(50, 20)
            : qobject_cast<VelQSwitch*>(w)              ? QPoint(50, 14)
                                                        : QPoint(5, 15);
        for (const QChar step : steps) {
            if (step == QLatin1Char('c'))
                button(w)->setChecked(true);
            else if (step == QLatin1Char('m') || step == QLatin1Char('n'))
                sendMouse(w, QEvent::MouseMove, {step == QLatin1Char('m') ? 80 : 81, 20});
            else
                play(w, step, at);
        }
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("buttons.data"),
            {boxStyle("greenBox", green), boxStyle("redBox", red), boxStyle("pinkBox", pink),
                boxStyle("grayBox", gray), boxStyle("cyanBox", cyan), boxStyle("blueBox", blue),
                boxStyle("yellowBox", yellow), textStyle("redText", red),
                textStyle("greenText", green), textStyle("grayText", gray),
                textStyle("redSmall", red, 12), textStyle("redAside", red, 16, R"("x": 20)"),
                textStyle("greenSmall", green, 12)},
            {{"icon.png", solidPng(blue)}, {"hot.png", solidPng(yellow)},
                {"sicon.png", solidPng(green)}, {"shot.png", solidPng(pink)},
                {"dis.png", solidPng(orange)}, {"sdis.png", solidPng(purple)},
                {"wide.png", solidPng(cyan, 20)}, {"ext.png", solidPng(cyan, 6, 6)}}));
        // Away from the pointer, so that no control appears under it already hovered.
        host.setGeometry(300, 300, 300, 200);
        host.show();
    }

    // Each row builds one control of the kind its name starts with, runs its steps (groups split
    // by /; letters as drive() takes them) and probes the painting after each group with the
    // probes of that group.
    void looks_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<Groups>("probes");
        const auto row = [](const char* name, const QByteArray& json, const char* steps,
                             const Groups& probes) {
            QTest::newRow(name) << json << steps << probes;
        };
        const QByteArray icon = R"({"iconPath": "icon.png"})";
        const auto withIcon = [](const QByteArray& more) {
            return element(pushSkin, R"({"iconPath": "icon.png")" + more + "}");
        };
        row("push default", "{}", "", {{face({0xf5, 0xf5, 0xf5}), at(0, 0, {0xcc, 0xcc, 0xcc})}});
        row("push states", element(pushSkin), "/e/p/o/l/ep/l/o/ed/u",
            {{state(Normal), face(green)}, {state(Hover), face(red)}, {state(Pressed), face(pink)},
                {state(Hover), face(red)}, {state(Normal)}, {state(Pressed)},
                {state(Normal), face(green)}, {state(Normal)}, {state(Disabled), face(gray)},
                {state(Normal), face(green)}});
        row("push icon", withIcon(""), "/e",
            {mark(45, 15, blue) << at(44, 15, green), mark(45, 15, blue) << at(44, 15, red)});
        row("push icon left", withIcon(R"(, "iconHor": 0, "iconX": 3, "iconY": -2)"), "",
            {mark(3, 13, blue) << at(2, 13, green)});
        row("push icon corner", withIcon(R"(, "iconHor": 2, "iconVer": 2)"), "",
            {mark(90, 30, blue) << at(89, 30, green)});
        row("push hot icon", withIcon(R"(, "hotIconPath": "hot.png")"), "e/d",
            {mark(45, 15, yellow) << at(44, 15, red),
                {face(grayOf("icon.png")), nowhere(blue), nowhere(yellow)}});
        row("push no icon paths", element(pushSkin, R"({"hasIcon": true})"), "e",
            {mark(45, 15, red)});
        row("push no hasIcon", withIcon(R"(, "hasIcon": false)"), "", {mark(45, 15, green)});
        row("push later member", element(R"([["pinkBox", 0, 0], ["redBox", 0, 1]])"), "/e",
            {{face(pink)}, {face(red)}});
        row("push later copy", element(R"([["redBox", 0, 1], ["pinkBox", 0, 0]])"), "/e",
            {{face(pink)}, {face(pink)}});
        row("push bad members",
            element(R"([["pinkBox", 0, 0], ["nothing", 0, 1], "redBox", ["redBox", 0], [1, 0, 1],
                ["redBox", 0, "1"], {"a": 1}, ["redBox", 0, 99]])"),
            "e", {{face(pink)}});
        // Over the extension only it shows the hover look.
        row("push extension", element(pushSkin, R"({"isExtBtn": true, "extWidth": 20,
            "extIconPath": "ext.png", "extHotIconPath": "hot.png"})"),
            "em/n/l",
            {{face(red), at(90, 20, yellow)}, {face(green), at(79, 5, green), at(81, 5, red)},
                {at(90, 20, cyan)}});
        row("push empty", element(R"([["pinkBox", 0, 0], ["empty", 0, 1]])"), "/e",
            {{face(pink)}, {face(none)}});

        const QByteArray marks = R"({"iconPath": "icon.png", "hotIconPath": "hot.png",
            "siconPath": "sicon.png", "sHotIconPath": "shot.png", "disableIconPath": "dis.png",
            "disableSIconPath": "sdis.png"})";
        row("check built-in", element(R"([["redText", 0, 8]])", R"({"text": "MMMM"})"), "/epr/d",
            {{shows(0, 7, "IDB_UNCHECK"), labelFrom(16, red)},
                {checked(true), shows(0, 7, "IDB_CHECKED")}, left(none)});
        row("check marks by state", attrs(marks), "/e/p/l/d/uc/e/d",
            {left(blue), left(yellow), left(blue), left(blue), left(orange), left(green),
                left(pink), left(purple)});
        row("check hover, no disabled mark", attrs(icon), "e/d", {left(blue), left(none)});
        row("check built-in hover",
            attrs(R"({"iconPath": "icon.png", "hotIconPath": "IDB_UNCHECK"})"), "e", {left(blue)});
        row("check checked hover", attrs(R"({"siconPath": "sicon.png"})"), "ce", {left(green)});
        row("check hidden mark", attrs(R"({"iconPath": "icon.png", "showIcon": false})"), "",
            {left(none)});
        const auto placed = [](const QByteArray& attr) {
            return element(R"([["redText", 0, 8]])",
                R"({"text": "MMMM", "iconPath": "icon.png")" + attr + "}");
        };
        row("check mark left", placed(""), "", {left(blue) << labelFrom(10, red)});
        row("check mark offsets", placed(R"(, "iconX": 3, "iconY": -2)"), "",
            {mark(3, 8, blue) << labelFrom(13, red)});
        row("check centred mark", placed(R"(, "iconHor": 1)"), "",
            {mark(45, 10, blue) << labelFrom(0, red)});
        row("check bottom mark", placed(R"(, "iconVer": 2)"), "",
            {mark(0, 20, blue) << labelFrom(10, red)});
        row("check hidden, no indent", placed(R"(, "showIcon": false)"), "", {{labelFrom(0, red)}});
        row("check indent",
            element(R"([["redText", 0, 8], ["redText", 0, 9]])",
                R"({"text": "MMMM", "iconPath": "icon.png", "siconPath": "wide.png"})"),
            "c", {{at(19, 15, cyan), labelFrom(10, red)}});
        row("check missing mark", placed(R"(, "iconPath": "missing.png")"), "",
            {{labelFrom(0, red)}});
        const QByteArray labels
            = element(R"([["redText", 0, 8], ["greenText", 0, 9], ["grayText", 0, 10]])",
                R"({"text": "MMMM", "showIcon": false})");
        row("check label styles", labels, "e/d/uc/d",
            {{somewhere(red), nowhere(green), nowhere(gray)},
                {somewhere(gray), nowhere(red), nowhere(green)},
                {somewhere(green), nowhere(red), nowhere(gray)},
                {somewhere(gray), nowhere(red), nowhere(green)}});
        const QByteArray groups = element(R"([["pinkBox", 0, 0], ["cyanBox", 0, 1],
            ["blueBox", 0, 4], ["pinkBox", 0, 7]])",
            R"({"showIcon": false})");
        row("check no background", element("[]", R"({"showIcon": false})"), "", {{bg(none)}});
        row("check bgs", groups, "/e/d/luc/ep/d",
            {{bg(pink)}, {bg(cyan)}, {bg(pink)}, {bg(blue)}, {bg(blue)}, {bg(pink)}});
        row("check unknown slots",
            element(R"([["pinkBox", 0, 11], ["pinkBox", 0, -1]])", R"({"showIcon": false})"), "",
            {{bg(none)}});

        const QByteArray radioMarks = R"("iconPath": "icon.png", "hotIconPath": "hot.png",
            "siconPath": "sicon.png", "sHotIconPath": "shot.png")";
        row("radio label only", element(R"([["redAside", 0, 8]])", R"({"text": "MMMM"})"), "/c",
            {{at(0, 0, none), at(5, 15, none), somewhere(red)},
                {at(0, 0, white), at(5, 15, white), somewhere(red)}});
        row("radio click", element({}), "ep/r/l",
            {{state(Pressed)}, {state(Hover), checked(true)}, left(white)});
        row("radio pushlike marks", attrs("{" + radioMarks + R"(, "pushlike": true})"), "/e/c",
            {left(blue), left(yellow), left(pink)});
        row("radio checked mark", attrs("{" + radioMarks + "}"), "c", {left(green)});
        row("radio no hover marks", attrs(R"({"iconPath": "icon.png", "siconPath": "sicon.png"})"),
            "ce", {left(green)});
        row("radio hidden mark", attrs("{" + radioMarks + R"(, "showIcon": false})"), "",
            {left(none)});
        row("radio disabled",
            element(R"([["redText", 0, 8], ["greenText", 0, 9]])", R"({"text": "MMMM",
                "siconPath": "sicon.png", "sHotIconPath": "shot.png", "iconHor": 2})"),
            "cd", {{at(95, 15, grayOf("sicon.png")), somewhere(green), nowhere(red)}});
        const QByteArray text = R"({"text": "MMMM"})";
        row("radio labels 8, 9", element(R"([["redText", 0, 8], ["greenText", 0, 9]])", text),
            "/c/d", {{somewhere(red)}, {somewhere(green)}, {somewhere(green)}});
        row("radio labels 9, 8", element(R"([["greenText", 0, 9], ["redText", 0, 8]])", text),
            "/c/d", {{somewhere(red)}, {somewhere(red)}, {somewhere(green)}});
        row("radio no slot 10", element(R"([["redText", 0, 8], ["greenText", 0, 10]])", text),
            "c/d", {{somewhere(red)}, {somewhere(black)}});
        row("radio no indent",
            element(R"([["redText", 0, 8]])", R"({"text": "MMMM", "iconPath": "icon.png"})"), "",
            {{labelFrom(0, red)}});
        const QByteArray radioGroups = element(R"([["pinkBox", 0, 0], ["cyanBox", 0, 1],
            ["blueBox", 0, 4], ["empty", 0, 5]])");
        row("radio bgs", radioGroups, "/e/lc/e", {{bg(pink)}, {bg(cyan)}, {bg(blue)}, {bg(none)}});

        row("switch states", element(switchSkin), "/d/ue/p",
            {{thumb(cyan)}, {thumb(yellow)}, {thumb(blue)}, {thumb(cyan)}});
    }

    void looks()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, steps);
        QFETCH(Groups, probes);
        const auto w = make(QByteArray(QTest::currentDataTag()).split(' ').first(), &host, json);
        const QStringList groups = steps.split(QLatin1Char('/'));
        QCOMPARE(groups.size(), probes.size());
        for (int group = 0; group < groups.size(); ++group) {
            drive(w.get(), groups.at(group));
            const QImage image = paintedAlone(w.get());
            for (const Probe& probe : probes.at(group)) {
                const QPoint p = probe.p;
                switch (probe.kind) {
                case Probe::At:
                    QCOMPARE_PIXEL(image, p.x(), p.y(), probe.c);
                    break;
                case Probe::Somewhere:
                case Probe::Nowhere:
                    QVERIFY2(holds(image, probe.c) == (probe.kind == Probe::Somewhere),
                        describe(probe.c.rgba()).constData());
                    break;
                case Probe::LabelFrom: {
                    const int first = columnsOf(image, probe.c, 80).first;
                    QVERIFY2(first >= p.x() && first <= p.x() + 3, QByteArray::number(first));
                    break;
                }
                case Probe::Shows:
                    QVERIFY2(showsBuiltIn(image, probe.image, p), qPrintable(probe.image));
                    break;
                case Probe::State:
                    QCOMPARE(ctl(w.get()).impl()->state, p.x());
                    break;
                case Probe::Checked:
                    QCOMPARE(button(w.get())->isChecked(), bool(p.x()));
                    break;
                }
            }
        }
    }

    // GBK text is decoded; a description without "attr" keeps the text, one without "text"
    // clears it; values of the wrong type read as absent.
    void descriptionValues()
    {
        for (const char* kind : {"push", "check", "radio"}) {
            const auto w = make(kind, &host, "{\"attr\": {\"text\": \"\xC4\xE3\"}}");
            reload(ctl(w.get()), "{}");
            QCOMPARE(button(w.get())->text(), QString::fromUtf8("\xE4\xBD\xA0"));
            reload(ctl(w.get()), R"({"attr": {}})");
            QCOMPARE(button(w.get())->text(), QString());
        }
        for (const auto& [kind, bad, good] : QList<std::tuple<QByteArray, QByteArray, QByteArray>> {
                 {"push", R"({"attr": {"iconPath": 5, "hasIcon": "yes", "isExtBtn": true,
                     "extWidth": "20", "extIconPath": "ext.png", "iconHor": [], "iconX": 1e300,
                     "text": {}}})",
                     R"({"attr": {"isExtBtn": true, "extIconPath": "ext.png"}})"},
                 {"check", R"({"style": [["redText", "x", "8"], "grayText", [1, 2, 8]], "attr": {
                     "iconPath": [], "iconHor": "1", "showIcon": [], "text": 7, "iconX": {}}})",
                     R"({"attr": {"text": "7"}})"}}) {
            const std::unique_ptr<QWidget> a = make(kind, &host, bad), b = make(kind, &host, good);
            QCOMPARE(button(a.get())->text(), button(b.get())->text());
            QCOMPARE(paintedAlone(a.get()), paintedAlone(b.get()));
        }
    }

    // A push button keeps its own text under a theme element; a check box takes the element's.
    void themeElements()
    {
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({boxStyle("themeFace", cyan)})},
                {"theme.json", R"({"elements": [{"child": [{"name": "bigButton",
                 "style": [["themeFace", 0, 0]], "attr": {"text": "themed", "iconPath": "hot.png"}},
                 {"name": "named", "style": [["themeFace", 0, 0]], "attr": {"text": "themed"}},
                 {"name": "plain", "attr": {"iconPath": "icon.png"}}]}]})"}}));
        const auto push = make("push", &host, R"({"attr": {"text": "mine"}})");
        const auto box = make("check", &host, R"({"attr": {"text": "mine"}})");
        ctl(push.get()).controlBase()->setThemeName(QStringLiteral("bigButton"));
        ctl(box.get()).controlBase()->setThemeName(QStringLiteral("named"));
        QCOMPARE(button(push.get())->text(), QStringLiteral("mine"));
        QCOMPARE(button(box.get())->text(), QStringLiteral("themed"));
        QCOMPARE_PIXEL(render(push.get()), 2, 2, cyan);
        QSignalSpy clicked(button(push.get()), &QAbstractButton::clicked);
        click(push.get(), QPoint(50, 20));
        QCOMPARE(clicked.count(), 1);
        drive(box.get(), QStringLiteral("e"));
        QCOMPARE_PIXEL(paintedAlone(box.get()), 50, 2, cyan);
        ctl(box.get()).controlBase()->setThemeName(QStringLiteral("plain"));
        QCOMPARE(button(box.get())->text(), QString());
        QCOMPARE_PIXELS(paintedAlone(box.get()), {{0, 10, blue}, {9, 19, blue}});
        CThemeManager::instance().setUseThemePackage(false);
    }

    // The first unchecked icon also serves hover; style slot 4 serves every state.
    void checkBoxSetters()
    {
        VelQCheckBox box(&host);
        box.setGeometry(0, 0, 100, 30);
        box.setUncheckedIcon(QStringLiteral("icon.png"));
        box.setUncheckedIcon(QStringLiteral("dis.png"));
        box.setCheckedIcon(QStringLiteral("sicon.png"));
        ImageStyle pinkStyle, cyanStyle, invisible;
        pinkStyle.color = pink;
        cyanStyle.color = cyan;
        invisible.valid = false;
        box.setUncheckedStyle(4, pinkStyle);
        box.setCheckedStyle(2, cyanStyle);
        box.setCheckedStyle(5, pinkStyle);
        box.setCheckedStyle(-1, pinkStyle);
        for (const auto& [step, mark, bg] : QList<std::tuple<QString, QColor, QColor>> {
                 {"", orange, pink}, {"e", blue, pink}, {"c", green, none}, {"p", green, cyan}}) {
            drive(&box, step);
            QCOMPARE_PIXELS(paintedAlone(&box), {{5, 15, mark}, {50, 2, bg}});
        }
        // How a table view stamps its check box into a cell: the mark alone.
        VelQCheckBox cell(&host);
        cell.setShowText(false);
        cell.setText(QStringLiteral("MMMM"));
        cell.setUncheckedStyle(4, invisible);
        cell.setCheckedStyle(4, invisible);
        cell.setChecked(true);
        const QImage image = paintedBy({120, 60}, Qt::transparent, [&](QPainter* p) {
            cell.impl()->draw(p, {50, 10, 24, 24});
        });
        QVERIFY(showsBuiltIn(image, QStringLiteral("IDB_CHECKED"), {50, 14}));
        QCOMPARE_PIXELS(image, {{49, 20, none}, {80, 20, none}});
    }

    // Clicks on four radio buttons, the first checked and the last under another parent: which
    // end checked, after how many toggles. A release outside (o) still checks. Buttons of
    // different parents exclude each other only in an exclusive group (g); taken out of it and
    // no longer auto-exclusive (x), the last unchecks on a click.
    void radioClicks()
    {
        for (const auto& [steps, checked, toggles] : QList<std::tuple<QString, QString, int>> {
                 {"1", "0100", 2}, {"0", "1000", 0}, {"120", "1000", 6}, {"1o", "0100", 2},
                 {"3", "1001", 1}, {"g33", "0001", 2}, {"g3x3", "0000", 3}}) {
            QWidget parent(&host), other(&host);
            parent.setGeometry(0, 0, 300, 100);
            other.setGeometry(0, 100, 300, 100);
            std::vector<std::unique_ptr<QWidget>> buttons;
            QButtonGroup group;
            int count = 0;
            for (int i = 0; i < 4; ++i) {
                buttons.push_back(make("radio", i < 3 ? &parent : &other, "{}"));
                buttons.back()->move(0, 30 * (i % 3));
                connect(button(buttons.back().get()), &QAbstractButton::toggled, [&] { ++count; });
            }
            parent.show();
            other.show();
            button(buttons[0].get())->setChecked(true);
            count = 0;
            QAbstractButton* last = button(buttons[3].get());
            for (const QChar c : steps) {
                if (c == QLatin1Char('g')) {
                    for (const auto& b : buttons)
                        group.addButton(button(b.get()));
                } else if (c == QLatin1Char('x')) {
                    group.removeButton(last);
                    last->setAutoExclusive(false);
                } else if (c.isDigit()) {
                    const bool outside = steps.endsWith(QLatin1Char('o'));
                    tap(buttons[c.digitValue()].get(), outside ? QPoint(200, 15) : QPoint(5, 15));
                }
            }
            QString seen;
            for (const auto& b : buttons)
                seen += QLatin1Char(button(b.get())->isChecked() ? '1' : '0');
            QCOMPARE(seen, checked);
            QCOMPARE(count, toggles);
        }
    }

    // The thumb slides at the speed the description gives, within its margin.
    void switchSlides()
    {
        const std::unique_ptr<QWidget> s = make(
            "switch", &host, element(switchSkin, R"({"leftText": "On", "rightText": "Off"})"));
        auto* d = static_cast<VelQSwitchImpl*>(ctl(s.get()).impl());
        QImage image = paintedAlone(s.get());
        QCOMPARE_PIXELS(image, {{72, 14, pink}, {73, 2, cyan}, {97, 26, cyan}, {98, 14, pink}});
        QPair<int, int> label = columnsOf(image, red, 80);
        QVERIFY2(label.first >= 2 && label.second < 27, QByteArray::number(label.second));
        QVERIFY(!holds(image, green, 80));
        // The switch takes the press instead of passing it to its parent.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(50, 14), s->mapToGlobal(QPoint(50, 14)),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(s.get(), &press);
        QVERIFY(press.isAccepted());
        QCOMPARE(d->animation->duration(), 300);
        QCOMPARE(d->state, int(Pressed));
        d->animation->setCurrentTime(150);
        image = paintedAlone(s.get());
        QCOMPARE_PIXELS(image, {{35, 14, pink}, {39, 14, cyan}, {59, 14, cyan}, {64, 14, pink}});
        // The old label stays during the slide, and a second press changes nothing.
        QVERIFY(holds(image, red, 80));
        play(s.get(), QStringLiteral("rp"), QPoint(50, 14));
        QCOMPARE(d->animation->currentTime(), 150);
        d->animation->setCurrentTime(300);
        play(s.get(), QStringLiteral("r"), QPoint(50, 14));
        image = paintedAlone(s.get());
        QCOMPARE_PIXELS(image, {{2, 2, cyan}, {26, 26, cyan}, {28, 14, pink}});
        label = columnsOf(image, green, 80);
        QVERIFY2(label.first >= 75 && label.second < 100, QByteArray::number(label.first));
        QVERIFY(!holds(image, red, 80));
        // And back by the space key.
        QTest::keyClick(s.get(), Qt::Key_Space);
        d->animation->setCurrentTime(300);
        QCOMPARE_PIXELS(paintedAlone(s.get()), {{73, 14, cyan}, {72, 14, pink}});
        reload(
            ctl(s.get()), R"({"attr": {"margin": 4, "speed": 120, "thumbW": 20, "thumbH": 21}})");
        QCOMPARE_PIXELS(
            paintedAlone(s.get()), {{76, 4, cyan}, {95, 24, cyan}, {96, 24, pink}, {95, 25, pink}});
        play(s.get(), QStringLiteral("pr"), QPoint(50, 14));
        QCOMPARE(d->animation->duration(), 120);
        d->animation->setCurrentTime(120);
        QVERIFY(d->off);
        // Negative durations are not something an animation can run.
        reload(ctl(s.get()), R"({"attr": {"speed": -50}})");
        play(s.get(), QStringLiteral("p"), QPoint(50, 14));
        QCOMPARE(d->animation->duration(), 0);
        QTRY_VERIFY(!d->animating && !d->off);
        // The resting thumb follows the width and the description (whose thumb is 25 wide again),
        // which wins over a slide.
        s->setFixedWidth(150);
        QCOMPARE_PIXEL(paintedAlone(s.get()), 127, 14, cyan);
        QCOMPARE(d->thumbPos, 150 - 8 - 25);
        reload(ctl(s.get()), R"({"attr": {"on": 0, "margin": 2, "speed": 300}})");
        QCOMPARE_PIXEL(paintedAlone(s.get()), 3, 14, cyan);
        play(s.get(), QStringLiteral("p"), QPoint(50, 14));
        d->animation->setCurrentTime(100);
        reload(ctl(s.get()), R"({"attr": {"on": 1, "margin": 2}})");
        QVERIFY(!d->animating && !d->off);
        QCOMPARE(d->animation->state(), QAbstractAnimation::Stopped);
        paintedAlone(s.get());
        QCOMPARE(d->thumbPos, 150 - 4 - 25);
    }
};

QTEST_MAIN(tst_Buttons)
#include "tst_buttons.moc"
