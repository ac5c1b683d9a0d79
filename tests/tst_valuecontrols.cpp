#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQLCDNumber_p.h>
#include <controls/VelQLineEdit_p.h>
#include <controls/VelQProgressBar_p.h>
#include <controls/VelQSlider_p.h>
#include <controls/VelQTextEdit_p.h>

#include <QClipboard>
#include <QShortcut>
#include <QStyleOptionSlider>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor blue(0, 0, 255), cyan(0, 255, 255), yellow(255, 255, 0), red(255, 0, 0),
    magenta(255, 0, 255), gray(128, 128, 128), green(0, 255, 0), panel(40, 40, 40),
    none(0, 0, 0, 0), normalBg(0, 200, 0), focusBg(255, 0, 255), disabledBg(90, 90, 90);

// Blue channel, cyan filled part, yellow thumb: red on hover, magenta pressed, gray disabled.
const QByteArray sliderSkin = R"("style": [["blue", 0, 0], ["cyan", 0, 2], ["yellow", 0, 4],
    ["red", 0, 5], ["magenta", 0, 6], ["gray", 0, 7]])";

// A background and a text style per state of an edit; the text edit's hint, yellow digits, has
// a slot of its own.
const QByteArray editSkin = R"("style": [["bg0", 0, 0], ["bg1", 0, 1], ["bg2", 0, 2],
    ["bg3", 0, 3], ["text0", 0, 4], ["hint", 0, 5], ["text2", 0, 6], ["digits", 0, 8]])";

template<class W> std::unique_ptr<W> sized(QSize size, const QByteArray& json, QWidget* parent)
{
    auto w = built<W>(parent, json);
    w->resize(size);
    return w;
}

std::unique_ptr<VelQSlider> slider(QWidget* parent, QSize size, const QByteArray& attr = "{}")
{
    return sized<VelQSlider>(size, "{" + sliderSkin + R"(, "attr": )" + attr + "}", parent);
}

std::unique_ptr<VelQProgressBar> progress(QSize size, const QByteArray& attr = "{}")
{
    return sized<VelQProgressBar>(size,
        R"({"style": [["blue", 0, 0], ["cyan", 0, 2], ["digits", 0, 4]], "attr": )" + attr + "}",
        nullptr);
}

// The option the slider paints itself with.
QStyleOptionSlider optionOf(QAbstractSlider& slider)
{
    struct Slider : QSlider {
        using QSlider::initStyleOption;
    };
    struct Bar : QScrollBar {
        using QScrollBar::initStyleOption;
    };
    QStyleOptionSlider option;
    if (auto* bar = qobject_cast<QScrollBar*>(&slider))
        (bar->*&Bar::initStyleOption)(&option);
    else
        (static_cast<QSlider&>(slider).*&Slider::initStyleOption)(&option);
    return option;
}

} // namespace

class tst_ValueControls : public QObject {
    Q_OBJECT

    QWidget host;

    template<class W = VelQLineEdit> W* skinned(const QByteArray& attr = "{}")
    {
        return sized<W>({200, 30}, "{" + editSkin + R"(, "attr": )" + attr + "}", &host).release();
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray description = R"({"w": 400, "h": 300, "elements": [
            {"type": "progressbar", "name": "progress", "x": 0, "y": 0, "w": 100, "h": 10,
             "style": [["blue", 0, 0], ["green", 0, 2]], "attr": {"val": 50}},
            {"type": "slider", "name": "slider", "x": 0, "y": 20, "w": 100, "h": 20,
             "style": [["blue", 0, 0], ["green", 0, 2], ["blue", 0, 4]],
             "attr": {"max": 100, "val": 100, "thumbW": 10, "thumbH": 4}},
            {"type": "dedit", "name": "edit", "x": 0, "y": 50, "w": 100, "h": 20,
             "style": [["blue", 0, 0]], "attr": {"text": "abc"}},
            {"type": "qttext", "name": "text", "x": 0, "y": 80, "w": 100, "h": 60,
             "style": [["blue", 0, 0]],
             "child": [{"type": "scrollbar", "w": 6, "style": [["green", 0, 0]]}]},
            {"type": "spinbox", "name": "spin", "x": 0, "y": 150, "w": 60, "h": 20},
            {"type": "qtlcdnumber", "name": "lcd", "x": 0, "y": 180, "w": 80, "h": 30,
             "style": [["blue", 0, 0]], "attr": {"color": 65280, "text": "7"}}]})";
        QVERIFY(loadAppPackage(QStringLiteral("values.data"),
            {boxStyle("blue", blue), boxStyle("cyan", cyan), boxStyle("yellow", yellow),
                boxStyle("red", red), boxStyle("magenta", magenta), boxStyle("gray", gray),
                boxStyle("green", green), boxStyle("panel", panel),
                textStyle("digits", yellow, 14, R"("hor": 1)"), boxStyle("bg0", normalBg),
                boxStyle("bg1", red), boxStyle("bg2", focusBg), boxStyle("bg3", disabledBg),
                textStyle("text0", blue, 15), textStyle("hint", red, 20),
                R"({"type": 2, "name": "text2", "clr": "00ffff", "size": 17, "family": "DejaVu Serif"})"},
            {{"values.json", description}}));
        host.resize(400, 300);
        // A magenta backdrop, so that what a control leaves unpainted shows.
        host.setAutoFillBackground(true);
        host.setPalette(QPalette(magenta));
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    // The controls built from one description, as a window gets them.
    void description()
    {
        VelQWindow window;
        window.setAutoFillBackground(true);
        window.setPalette(host.palette());
        QVERIFY(LoadWindow(&window, QStringLiteral("values")));
        QVERIFY(shown(&window));
        auto* spin = window.findChild<VelQSpinBox*>(QStringLiteral("spin"));
        spin->setValue(88);
        const QImage image = render(&window);
        // Progress chunk and groove, slider filled under a 4 high thumb, edits and LCD backgrounds.
        QCOMPARE_PIXELS(image,
            {{25, 5, green}, {75, 5, blue}, {50, 30, green}, {95, 30, blue}, {95, 27, green},
                {98, 52, blue}, {50, 82, blue}, {40, 182, blue}});
        auto* text = window.findChild<VelQTextEdit*>(QStringLiteral("text"));
        QCOMPARE(text->verticalScrollBar()->sizeHint().width(), 6);
        // A spin box without frame or arrow buttons: the backdrop shows but under the digits.
        const int other = 60 * 20 - countNear(image, magenta, 10, QRect(0, 150, 60, 20));
        QVERIFY2(other > 10 && other < 300, QByteArray::number(other));
        for (int y = 150; y < 170; ++y)
            QCOMPARE_PIXELS(image, {{0, y, magenta}, {59, y, magenta}, {52, y, magenta}});
        // The skin's state takes no part in the mouse. Held on the up arrow past the repeat
        // threshold, then dragged onto the down arrow, the spin box turns its repeat around.
        play(spin, QStringLiteral("ep"), QPoint(20, 10));
        QCOMPARE(spin->impl()->state, int(Normal));
        play(spin, QStringLiteral("r"), QPoint(20, 10));
        sendMouse(spin, QEvent::MouseButtonPress, {52, 5}, Qt::LeftButton, Qt::LeftButton);
        const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(spin);
        QCOMPARE(timers.size(), 1);
        QTimerEvent threshold(timers.first().timerId);
        QCoreApplication::sendEvent(spin, &threshold);
        QCOMPARE(spin->value(), 90);
        sendMouse(spin, QEvent::MouseMove, {52, 15}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(spin->value(), 89);
        sendMouse(spin, QEvent::MouseButtonRelease, {52, 15}, Qt::LeftButton);
    }

    // Our controls get QCommonStyle's geometry (a skinned slider its skin's handle), others that
    // of the platform style that paints them, and a handle they can press. The skinned thumb is
    // much wider than the platform's handle: only the style's help makes Qt drag it there.
    void geometryByOwner()
    {
        QStyle* style = QApplication::style();
        auto* common = static_cast<QCommonStyle*>(style);
        QStyle* platform = static_cast<QProxyStyle*>(style)->baseStyle();
        const auto skinned = slider(&host, QSize(200, 21), R"({"thumbW": 40})");
        VelQScrollBar skinnedBar(Qt::Vertical, &host);
        QScrollBar plainBar(Qt::Vertical, &host);
        QSlider horizontal(Qt::Horizontal, &host), vertical(Qt::Vertical, &host);
        for (QAbstractSlider* s : QList<QAbstractSlider*> {
                 &horizontal, &vertical, &plainBar, skinned.get(), &skinnedBar}) {
            const bool ours = s == skinned.get() || s == &skinnedBar;
            const bool bar = qobject_cast<QScrollBar*>(s);
            s->resize(bar ? QSize(16, 200) : s == &vertical ? QSize(21, 200) : QSize(200, 21));
            s->setRange(0, 100);
            s->setValue(30);
            const QStyleOptionSlider option = optionOf(*s);
            const QStyle::ComplexControl cc = bar ? QStyle::CC_ScrollBar : QStyle::CC_Slider;
            const QStyle::SubControl handle
                = bar ? QStyle::SC_ScrollBarSlider : QStyle::SC_SliderHandle;
            for (QStyle::SubControl sc : bar
                    ? QList<QStyle::SubControl> {handle, QStyle::SC_ScrollBarAddLine}
                    : QList<QStyle::SubControl> {QStyle::SC_SliderGroove}) {
                QCOMPARE(style->subControlRect(cc, &option, sc, s),
                    ours ? common->QCommonStyle::subControlRect(cc, &option, sc, s)
                         : platform->subControlRect(cc, &option, sc, s));
            }
            QCOMPARE(style->pixelMetric(QStyle::PM_SliderLength, &option, s),
                s == skinned.get() ? 40
                                   : platform->pixelMetric(QStyle::PM_SliderLength, &option, s));
            const QRect grip = style->subControlRect(cc, &option, handle, s);
            QVERIFY(grip.width() > 6 && grip.height() > 6);
            QSignalSpy pressed(s, &QAbstractSlider::sliderPressed);
            const QPoint at = grip.topLeft() + QPoint(3, 3);
            QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, at);
            QVERIFY(s->isSliderDown());
            const QPoint to = at + QPoint(s == skinned.get() ? 80 : 0, 0);
            sendMouse(s, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
            QTest::mouseRelease(s, Qt::LeftButton, Qt::NoModifier, to);
            QCOMPARE(pressed.count(), 1);
            QCOMPARE(s->value(), s == skinned.get() ? 80 : 30);
        }
        QCOMPARE(skinned->thumbRect(), QRect(128, 0, 40, 20));
        const QStyleOptionSlider option;
        QCOMPARE(style->pixelMetric(QStyle::PM_SliderLength, &option, nullptr),
            platform->pixelMetric(QStyle::PM_SliderLength, &option, nullptr));
        QSpinBox spin(&host);
        VelQSpinBox skinnedSpin(&host);
        QPushButton plain(&host);
        VelQPushButton ours(&host);
        QStyleOptionSpinBox box;
        box.initFrom(&spin);
        box.rect = QRect(0, 0, 80, 24);
        QStyleOptionButton button;
        button.initFrom(&plain);
        button.rect = QRect(0, 0, 80, 30);
        const auto [cc, up] = std::pair(QStyle::CC_SpinBox, QStyle::SC_SpinBoxUp);
        const auto focus = QStyle::SE_PushButtonFocusRect;
        QCOMPARE(style->subControlRect(cc, &box, up, &spin),
            platform->subControlRect(cc, &box, up, &spin));
        QCOMPARE(style->subControlRect(cc, &box, up, &skinnedSpin),
            common->QCommonStyle::subControlRect(cc, &box, up, &skinnedSpin));
        QCOMPARE(style->subElementRect(focus, &button, &plain),
            platform->subElementRect(focus, &button, &plain));
        QCOMPARE(style->subElementRect(focus, &button, &ours),
            common->QCommonStyle::subElementRect(focus, &button, &ours));
    }

    // Set through Qt's API: the thumb (QCommonStyle's handle of that length) covers the filled
    // part, which covers the channel (the whole bar), and nothing else is painted.
    void fills_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("channel");
        QTest::addColumn<QRect>("filled");
        QTest::addColumn<QRect>("thumb");
        const auto row = [](const char* name, const QByteArray& attr, const QByteArray& setup,
                             QSize size, QRect channel, QRect filled, QRect thumb = QRect()) {
            QTest::newRow(name) << attr << setup << size << channel << filled << thumb;
        };
        const QByteArray thin = R"({"thumbW": 2})";
        row("slider at 50, default 20 square thumb", "{}", "0 100 50 h", {200, 30},
            {0, 10, 200, 10}, {0, 10, 100, 10}, {90, 5, 20, 20});
        row("slider fraction is value over range", thin, "50 150 75 h", {200, 30}, {0, 10, 200, 10},
            {0, 10, 150, 10}, {50, 5, 2, 20});
        row("slider equal bounds divide by 100", thin, "50 50 50 h", {200, 30}, {0, 10, 200, 10},
            {0, 10, 100, 10}, {0, 5, 2, 20});
        row("slider 21 high, 10 high thumb", R"({"thumbW": 16, "thumbH": 10})", "0 100 50 h",
            {216, 21}, {0, 5, 216, 10}, {0, 5, 108, 10}, {100, 5, 16, 10});
        row("slider thumb taller than the slider", R"({"thumbW": 10, "thumbH": 30})", "0 100 0 h",
            {110, 20}, {0, 5, 110, 10}, {}, {0, -5, 10, 30});
        // The filled part ends one row above the bottom edge.
        row("slider vertical grows from the bottom", R"({"isHor": false, "channelSize": 6})",
            "0 100 25 v", {30, 200}, {12, 0, 6, 200}, {12, 149, 6, 50}, {5, 135, 20, 20});
        row("slider vertical thumb centred across",
            R"({"isHor": false, "thumbW": 12, "thumbH": 8})", "0 10 10 v", {25, 108},
            {7, 0, 10, 108}, {7, -1, 10, 108}, {6, 0, 12, 8});
        row("progress at 0 shows no chunk", "{}", "0 100 0 h", {200, 10}, {0, 0, 200, 10}, {});
        row("progress half of 200", "{}", "0 100 50 h", {200, 10}, {0, 0, 200, 10},
            {0, 0, 100, 10});
        row("progress vertical from the bottom", "{}", "0 100 25 v", {30, 100}, {0, 0, 30, 100},
            {0, 75, 30, 25});
        row("progress fraction is value over range", "{}", "50 150 100 h", {200, 10},
            {0, 0, 200, 10}, {0, 0, 200, 10});
        row("progress truncated toward zero", "{}", "0 3 1 h", {100, 10}, {0, 0, 100, 10},
            {0, 0, 33, 10});
        row("progress empty range shows no chunk", "{}", "0 0 0 h", {100, 10}, {0, 0, 100, 10}, {});
        row("progress extreme range does not overflow", "{}", "2147483646 2147483647 2147483647 h",
            {100, 10}, {0, 0, 100, 10}, {0, 0, 100, 10});
    }

    void fills()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QByteArray, setup);
        QFETCH(QSize, size);
        QFETCH(QRect, channel);
        QFETCH(QRect, filled);
        QFETCH(QRect, thumb);
        const QList<QByteArray> f = setup.split(' ');
        const auto orientation = f[3] == "h" ? Qt::Horizontal : Qt::Vertical;
        const std::unique_ptr<QWidget> w = QByteArray(QTest::currentDataTag()).startsWith("slider")
            ? std::unique_ptr<QWidget>(slider(&host, size, attr))
            : progress(size);
        const auto set = [&](auto* control) {
            control->setOrientation(orientation);
            control->setRange(f[0].toInt(), f[1].toInt());
            control->setValue(f[2].toInt());
        };
        if (auto* s = qobject_cast<VelQSlider*>(w.get())) {
            set(s);
            const QStyleOptionSlider option = optionOf(*s);
            QStyle* style = s->style();
            QCOMPARE(style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s),
                thumb);
            QCOMPARE(style->pixelMetric(QStyle::PM_SliderLength, &option, s),
                orientation == Qt::Horizontal ? thumb.width() : thumb.height());
            // The groove is the whole widget, so that the channel pages.
            QCOMPARE(style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, s),
                s->rect());
        } else {
            set(static_cast<VelQProgressBar*>(w.get()));
        }
        QCOMPARE(paintedAlone(w.get()), paintedBy(size, none, [&](QPainter* p) {
            p->fillRect(channel, blue);
            p->fillRect(filled, cyan);
            p->fillRect(thumb, yellow);
        }));
    }

    // Every description sets the orientation and the position anew; unreadable values read as
    // the defaults.
    void sliderAttributes()
    {
        auto s = slider(&host, QSize(30, 200), R"({"isHor": false, "max": 10, "val": 7})");
        const auto fields = [&s] {
            return QList<int> {s->orientation(), s->minimum(), s->maximum(), s->value()};
        };
        QCOMPARE(fields(), (QList<int> {Qt::Vertical, 0, 10, 7}));
        reload(*s, R"({"attr": {"min": 2}})");
        QCOMPARE(fields(), (QList<int> {Qt::Horizontal, 2, 10, 2}));
        s->setValue(9);
        reload(*s, R"({"style": []})");
        QCOMPARE(s->value(), 9);
        reload(*s, R"({"attr": {"min": -5, "max": 5}})");
        QCOMPARE(s->value(), 0);
        reload(*s, R"({"attr": {"isHor": "no", "thumbW": "wide", "thumbH": [], "min": {},
            "max": 1e300, "val": "3"}})");
        QCOMPARE(fields(), (QList<int> {Qt::Horizontal, -5, 5, 0}));
        s->setRange(INT_MIN, INT_MAX);
        s->setValue(INT_MAX);
        paintedAlone(s.get());
    }

    // Steps e: enter away from the thumb, t: move onto it, a: move away, c: click the channel;
    // the rest as play() takes them, on the thumb. The thumb shows the state it ends in.
    void sliderThumbStates()
    {
        const QHash<int, QColor> looks {
            {Normal, yellow}, {Hover, red}, {Pressed, magenta}, {Disabled, gray}};
        for (const auto& [steps, state] :
            QList<QPair<QString, int>> {{"e", Normal}, {"et", Hover}, {"eta", Normal},
                {"etl", Normal}, {"etp", Pressed}, {"etpa", Pressed}, {"etpao", Normal},
                {"etpr", Hover}, {"ec", Normal}, {"d", Disabled}, {"du", Normal}}) {
            auto s = slider(&host, QSize(300, 30), R"({"max": 100, "val": 50})");
            // Only the steps enter it: the pointer an earlier test left must not be over it.
            QCursor::setPos(host.mapToGlobal(QPoint(390, 290)));
            QVERIFY(shown(&host));
            const QPoint onThumb = s->thumbRect().center();
            const QHash<char, QPoint> to {{'e', {10, 15}}, {'t', onThumb}, {'a', {onThumb.x(), 1}}};
            for (const QChar step : steps) {
                const char c = step.toLatin1();
                if (c == 'e')
                    sendEnter(s.get());
                if (to.contains(c)) {
                    sendMouse(s.get(), QEvent::MouseMove, to[c], Qt::NoButton,
                        s->isSliderDown() ? Qt::LeftButton : Qt::NoButton);
                } else if (c == 'c') {
                    click(s.get(), to['e']);
                } else {
                    play(s.get(), step, onThumb);
                }
            }
            // The channel pages; tracking lasts from enter to leave.
            QCOMPARE(s->value(), steps.contains(QLatin1Char('c')) ? 40 : 50);
            QCOMPARE(s->hasMouseTracking(),
                steps.startsWith(QLatin1Char('e')) && !steps.endsWith(QLatin1Char('l')));
            const QImage image = paintedAlone(s.get());
            QCOMPARE(s->impl()->state, state);
            QCOMPARE_PIXEL(image, s->thumbRect().center().x(), 15, looks[state]);
        }
    }

    // Groove, chunk, then the value text centred in the digits style, the same in every state;
    // absent or unreadable keys and slots other than 0, 2 and 4 leave it alone.
    void progressBar()
    {
        auto bar = progress(QSize(200, 24), R"({"showText": true, "val": 45})");
        TextStyle digits;
        CThemeManager::instance().getTextStyle(QStringLiteral("digits"), digits);
        const QImage look = paintedBy({200, 24}, blue, [&](QPainter* p) {
            p->fillRect(0, 0, 90, 24, cyan);
            VelQControlBaseImpl::drawStyledText(
                p, QStringLiteral("45%"), digits, {0, 0, 200, 24}, true);
        });
        for (const char* attr : {R"({"attr": {}})", R"({"attr": {"showText": "no", "val": [5]}})",
                 R"({"style": [["magenta", 0, 1], ["magenta", 0, 3]]})"})
            reload(*bar, attr);
        QCOMPARE(paintedAlone(bar.get()), look);
        play(bar.get(), QStringLiteral("ep"), QPoint(5, 5));
        QCOMPARE(paintedAlone(bar.get()), look);
        bar->setEnabled(false);
        QCOMPARE(paintedAlone(bar.get()), look);
        bar->setRange(INT_MIN, INT_MAX);
        bar->setValue(INT_MAX);
        paintedAlone(bar.get());
        // Without a skin: white boxes and no text.
        VelQProgressBar plain;
        plain.resize(100, 10);
        plain.setValue(50);
        QCOMPARE_PIXELS(paintedAlone(&plain), {{10, 5, Qt::white}, {90, 5, Qt::white}});
    }

    // The colour's alpha is ignored; numbers beyond an int or below zero read as their bits.
    void lcd()
    {
        for (const auto& [color, digits] : QList<QPair<QByteArray, QColor>> {{"65280", green},
                 {"16776960", yellow}, {"4278190335", blue}, {"-16711681", cyan}}) {
            auto number = sized<VelQLCDNumber>(QSize(120, 40),
                R"({"style": [["panel", 0, 0], ["panel", 0, 1]], "attr": {"digitCount": 3, "color": )"
                    + color + R"(, "text": "88"}})",
                nullptr);
            QCOMPARE(number->digitCount(), 3);
            const QImage image = render(number.get());
            QVERIFY(countNear(image, digits, 30) > 50);
            QVERIFY(countNear(image, panel, 30) > 1000);
            // The digits keep their colour while the window is inactive (as it is here), but not
            // when the number is disabled.
            number->setEnabled(false);
            QCOMPARE(countNear(render(number.get()), digits, 30), 0);
        }
        // No frame: the face reaches every edge.
        VelQLCDNumber bare(&host);
        bare.setGeometry(0, 0, 120, 40);
        QCOMPARE_PIXELS(render(&host),
            {{0, 0, Qt::white}, {119, 39, Qt::white}, {60, 0, Qt::white}, {2, 20, Qt::white}});
        const auto lcd = [](const QByteArray& attr) {
            return built<VelQLCDNumber>(nullptr, R"({"attr": )" + attr + "}");
        };
        QCOMPARE(lcd(R"({"text": "12.5"})")->value(), 12.5);
        QCOMPARE(lcd(R"({"text": "A-b"})")->value(), 0.0);
        QCOMPARE(lcd(R"({"digitCount": "many", "color": "red", "text": 7})")->digitCount(), 5);
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("clipboard");
        const auto row = [](const char* name, const char* attr, const char* keys, const char* text,
                             const char* clipboard = "pasted") {
            QTest::newRow(name) << QByteArray(attr) << QString(keys) << QString(text)
                                << QString(clipboard);
        };
        const char* capture = R"({"shortcut": true, "text": "old"})";
        const char* password = R"({"ispassord": true, "text": "secret"})";
        row("A", capture, "A", "A");
        row("all modifiers", capture, "Ctrl+Alt+Shift+Z", "CTRL+ALT+SHIFT+Z");
        row("F12", capture, "F12", "F12");
        row("F1 ignores modifiers", capture, "Ctrl+F1", "F1");
        row("Backspace", capture, "Backspace", "");
        row("Delete", capture, "Del", "");
        row("digit ignored", capture, "1", "old");
        row("Ctrl+digit reaches the shortcut", capture, "Ctrl+1", "old");
        row("arrow ignored", capture, "Left", "old");
        row("typing outside shortcut mode", R"({"text": "ab"})", "1", "ab1");
        row("shortcut of the wrong type", R"({"shortcut": "yes", "text": "ab"})", "1", "ab1");
        row("UTF-8 text", "{\"text\": \"\xE4\xBD\xA0\"}", "1",
            "\xE4\xBD\xA0"
            "1");
        row("password: no paste", password, "Ctrl+V", "secret");
        row("password: typing", password, "X", "secretx");
        row("password: no select all", password, "Ctrl+A, X", "secretx");
        row("paste", R"({"ispassord": false, "text": "abc"})", "Ctrl+V", "abcpasted");
        row("select all and copy", R"({"text": "abc"})", "Ctrl+A, Ctrl+C", "abc", "abc");
    }

    // Captured combinations replace the text, and an application shortcut on the same keys must
    // not steal them; keys that are not captured keep their meaning. A password edit has no
    // context menu.
    void keys()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, clipboard);
        VelQLineEdit* edit = skinned(attr);
        QCOMPARE(edit->contextMenuPolicy() == Qt::NoContextMenu,
            edit->echoMode() == QLineEdit::Password);
        const QKeySequence sequence(keys);
        QShortcut stealer(QKeySequence(sequence[0]), &host);
        QSignalSpy stolen(&stealer, &QShortcut::activated);
        giveFocus(&host, edit);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        edit->end(false);
        QTest::keySequence(edit, sequence);
        QCOMPARE(edit->text(), text);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        const bool old = text == QLatin1String("old");
        if (implOf<VelQLineEditImpl>(*edit)->shortcutMode
            && (!old || keys.startsWith(QLatin1String("Ctrl+"))))
            QCOMPARE(stolen.count(), int(old));
    }

    // Hover is never shown; focus shows its style until it goes, whatever the pointer does.
    // Samples take the normal text style; a disabled text edit keeps the Normal background. The
    // hint shows while the editor is empty, inside the margins, in the text style of its slot.
    void editStates_data()
    {
        QTest::addColumn<bool>("text");
        QTest::addColumn<QColor>("disabled");
        QTest::addColumn<QColor>("hint");
        QTest::addColumn<int>("hintSlot");
        QTest::newRow("line edit") << false << disabledBg << red << 5;
        QTest::newRow("text edit") << true << normalBg << yellow << 8;
    }

    void editStates()
    {
        QFETCH(bool, text);
        QFETCH(QColor, disabled);
        QFETCH(QColor, hint);
        QFETCH(int, hintSlot);
        // GBK bytes of 你好 as the hint.
        const QByteArray attr
            = "{\"text\": \"MMMM\", \"tip\": \"\xC4\xE3\xBA\xC3\", \"leftMargin\": 40}";
        QWidget* edit = text ? static_cast<QWidget*>(skinned<VelQTextEdit>(attr)) : skinned(attr);
        auto* control = dynamic_cast<IVelQControlBase*>(edit);
        auto* d = static_cast<VelQEditImplBase*>(control->impl());
        // Every "attr" sets the margins anew, in a line edit an absent right or bottom one
        // mirroring the left or top; a description without "attr" keeps them.
        for (const auto& [given, line, other] : QList<std::tuple<QByteArray, QMargins, QMargins>> {
                 {R"({"topMargin": 3})", {0, 3, 0, 3}, {0, 3, 0, 0}},
                 {R"({"leftMargin": 6})", {6, 0, 6, 0}, {6, 0, 0, 0}},
                 {R"({"leftMargin": 1, "topMargin": 2, "rightMargin": 3, "bottomMargin": 4})",
                     {1, 2, 3, 4}, {1, 2, 3, 4}},
                 {R"({"rightMargin": 5})", {0, 0, 5, 0}, {0, 0, 5, 0}}, {"{}", {}, {}},
                 {attr, {40, 0, 40, 0}, {40, 0, 0, 0}}}) {
            reload(*control, R"({"attr": )" + given + "}");
            reload(*control, "{}");
            QCOMPARE(edit->contentsMargins(), text ? other : line);
        }
        QCOMPARE(edit->property(text ? "plainText" : "text").toString(), QStringLiteral("MMMM"));
        QCOMPARE(d->tipText, QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        // The text edit takes its state's font as a paint starts, before a hover falls back to
        // the normal look; the font is read after the next paint.
        const auto looks = [edit](QColor bg, int size, QColor ink) {
            QCOMPARE_PIXEL(render(edit), 100, 2, bg);
            render(edit);
            QCOMPARE(edit->font().pixelSize(), size);
            QCOMPARE(edit->palette().color(QPalette::Text), ink);
        };
        d->applyStateStyle(Focused);
        control->fillSamples();
        looks(normalBg, 15, blue);
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text), blue);
        // The edited text is drawn in the state's colour.
        QVERIFY(countNear(render(edit), blue, 60) > 20);
        sendEnter(edit);
        looks(normalBg, 15, blue);
        click(text ? static_cast<QTextEdit*>(edit)->viewport() : edit, QPoint(50, 15));
        giveFocus(&host, edit);
        looks(focusBg, 17, cyan);
        QCOMPARE(edit->font().family(), QStringLiteral("DejaVu Serif"));
        play(edit, QStringLiteral("el"), QPoint());
        looks(focusBg, 17, cyan);
        sendEnter(edit);
        edit->clearFocus();
        looks(normalBg, 15, blue);
        giveFocus(&host, edit);
        edit->setEnabled(false);
        QCOMPARE_PIXEL(render(edit), 100, 2, disabled);
        edit->setEnabled(true);
        QCOMPARE_PIXEL(render(edit), 100, 2, normalBg);
        const auto hinted = [&](QRect in = QRect(0, 0, 200, 30)) {
            return countNear(render(edit), hint, 60, in);
        };
        QCOMPARE(hinted(), 0);
        giveFocus(&host, edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(hinted({40, 0, 160, 30}) > 20);
        QCOMPARE(hinted({0, 0, 40, 30}), 0);
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(hinted(), 0);
        QTest::keyClick(edit, Qt::Key_Backspace);
        // A style list with members sets the hint's style anew.
        reload(*control, R"({"style": []})");
        QVERIFY(hinted() > 20);
        reload(*control, R"({"style": [["text0", 0, )" + QByteArray::number(hintSlot) + "]]}");
        QCOMPARE(hinted({40, 0, 160, 30}), 0);
        QVERIFY(countNear(render(edit), blue, 60) > 20);
        if (text)
            static_cast<VelQTextEdit*>(edit)->setTipText({});
        else
            static_cast<VelQLineEdit*>(edit)->setTipText({});
        QCOMPARE(countNear(render(edit), blue, 60), 0);
        QVERIFY(text || !static_cast<VelQLineEdit*>(edit)->hasFrame());
    }
};

QTEST_MAIN(tst_ValueControls)
#include "tst_valuecontrols.moc"
