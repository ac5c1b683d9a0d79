#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQSlider_p.h>

#include <QStyleOptionSlider>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor channelBlue(0, 0, 255), filledCyan(0, 255, 255), thumbYellow(255, 255, 0),
    hoverRed(255, 0, 0), pressedMagenta(255, 0, 255), disabledGray(128, 128, 128);

const QByteArray skin = R"("style": [["channel", 0, 0], ["filled", 0, 2], ["thumb", 0, 4],
    ["thumbHover", 0, 5], ["thumbPressed", 0, 6], ["thumbDisabled", 0, 7]])";

// A skinned slider of the given size built from a description with attr.
std::unique_ptr<VelQSlider> skinned(QWidget* parent, QSize size, const QByteArray& attr = "{}")
{
    auto slider = std::make_unique<VelQSlider>(parent);
    slider->resize(size);
    const ::Json::Value json = parsed("{" + skin + R"(, "attr": )" + attr + "}");
    slider->loadAttributes(&json);
    return slider;
}

QStyleOptionSlider optionOf(const QAbstractSlider& slider)
{
    QStyleOptionSlider option;
    option.initFrom(&slider);
    option.orientation = slider.orientation();
    option.minimum = slider.minimum();
    option.maximum = slider.maximum();
    option.sliderPosition = slider.sliderPosition();
    option.sliderValue = slider.value();
    option.subControls = QStyle::SC_All;
    // As QSlider does: a vertical slider has its minimum at the bottom.
    option.upsideDown = slider.orientation() == Qt::Vertical;
    return option;
}

} // namespace

class tst_Slider : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("slider.data"),
            {boxStyle("channel", channelBlue), boxStyle("filled", filledCyan),
                boxStyle("thumb", thumbYellow), boxStyle("thumbHover", hoverRed),
                boxStyle("thumbPressed", pressedMagenta),
                boxStyle("thumbDisabled", disabledGray)}));
        host.resize(400, 300);
    }

    void cleanup() { host.hide(); }

    void initInstallsTheProxyStyle()
    {
        QCOMPARE(QApplication::style(), static_cast<QStyle*>(CScrollBarStyle::instance()));
        VelQSlider slider;
        QCOMPARE(slider.style(), static_cast<QStyle*>(CScrollBarStyle::instance()));
    }

    void handleRect_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        QTest::addColumn<QSize>("handle");
        // Along the axis the handle is where QCommonStyle puts a thumb of that length.
        QTest::newRow("21 high, 10 high handle")
            << QByteArray(R"({"thumbW": 16, "thumbH": 10, "max": 100, "val": 50})")
            << QSize(216, 21) << 5 << 100 << QSize(16, 10);
        QTest::newRow("handle taller than the slider")
            << QByteArray(R"({"thumbW": 10, "thumbH": 30, "max": 100})") << QSize(110, 20) << -5
            << 0 << QSize(10, 30);
        QTest::newRow("vertical centred across")
            << QByteArray(R"({"isHor": false, "thumbW": 12, "thumbH": 8, "max": 10, "val": 10})")
            << QSize(25, 108) << 0 << 6 << QSize(12, 8);
    }

    void handleRect()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QSize, size);
        QFETCH(int, top);
        QFETCH(int, left);
        QFETCH(QSize, handle);
        auto slider = skinned(&host, size, attr);
        const QStyleOptionSlider option = optionOf(*slider);
        const QRect r = slider->style()->subControlRect(
            QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider.get());
        QCOMPARE(r.top(), top);
        QCOMPARE(r.left(), left);
        QCOMPARE(r.size(), handle);
        QCOMPARE(slider->thumbRect(), r);
        QCOMPARE(slider->style()->pixelMetric(QStyle::PM_SliderLength, &option, slider.get()),
            slider->orientation() == Qt::Horizontal ? handle.width() : handle.height());
    }

    // Our controls get QCommonStyle's geometry (a skinned slider its skin's handle); a widget
    // that is not ours gets the geometry of the platform style that paints it, and a handle it
    // can press.
    void geometryByOwner_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<bool>("ours");
        QTest::newRow("slider") << QByteArray("slider") << false;
        QTest::newRow("vertical slider") << QByteArray("vslider") << false;
        QTest::newRow("scroll bar") << QByteArray("scrollbar") << false;
        QTest::newRow("skinned slider") << QByteArray("skinned") << true;
        QTest::newRow("skinned scroll bar") << QByteArray("skinnedbar") << true;
    }

    void geometryByOwner()
    {
        QFETCH(QByteArray, kind);
        QFETCH(bool, ours);
        QStyle* style = QApplication::style();
        auto* common = static_cast<QCommonStyle*>(style);
        QStyle* platform = static_cast<QProxyStyle*>(style)->baseStyle();
        std::unique_ptr<QAbstractSlider> slider;
        if (kind == "skinned")
            slider = skinned(&host, QSize(200, 21), R"({"max": 100, "val": 30})");
        else if (kind == "skinnedbar")
            slider = std::make_unique<VelQScrollBar>(Qt::Vertical, &host);
        else if (kind == "scrollbar")
            slider = std::make_unique<QScrollBar>(Qt::Vertical, &host);
        else
            slider = std::make_unique<QSlider>(
                kind == "slider" ? Qt::Horizontal : Qt::Vertical, &host);
        if (kind.endsWith("bar"))
            slider->resize(16, 200);
        else if (kind != "skinned")
            slider->resize(
                slider->orientation() == Qt::Horizontal ? QSize(200, 21) : QSize(21, 200));
        slider->setRange(0, 100);
        slider->setValue(30);
        const bool bar = kind.endsWith("bar");
        QStyleOptionSlider option = optionOf(*slider);
        option.pageStep = slider->pageStep();
        // A scroll bar keeps its minimum at the top.
        option.upsideDown = option.upsideDown && !bar;
        const QStyle::ComplexControl cc = bar ? QStyle::CC_ScrollBar : QStyle::CC_Slider;
        const QStyle::SubControl handle
            = bar ? QStyle::SC_ScrollBarSlider : QStyle::SC_SliderHandle;
        const auto parts = bar ? QList<QStyle::SubControl> {handle, QStyle::SC_ScrollBarAddLine}
                               : QList<QStyle::SubControl> {QStyle::SC_SliderGroove};
        for (QStyle::SubControl sc : parts) {
            const QRect expected = ours
                ? common->QCommonStyle::subControlRect(cc, &option, sc, slider.get())
                : platform->subControlRect(cc, &option, sc, slider.get());
            QCOMPARE(style->subControlRect(cc, &option, sc, slider.get()), expected);
        }
        QCOMPARE(style->pixelMetric(QStyle::PM_SliderLength, &option, slider.get()),
            kind == "skinned"
                ? 20
                : platform->pixelMetric(QStyle::PM_SliderLength, &option, slider.get()));
        const QRect grip = style->subControlRect(cc, &option, handle, slider.get());
        QVERIFY(grip.width() > 2 && grip.height() > 2);
        QSignalSpy pressed(slider.get(), &QAbstractSlider::sliderPressed);
        QTest::mousePress(slider.get(), Qt::LeftButton, Qt::NoModifier, grip.center());
        QVERIFY(slider->isSliderDown());
        QTest::mouseRelease(slider.get(), Qt::LeftButton, Qt::NoModifier, grip.center());
        QCOMPARE(pressed.count(), 1);
        QCOMPARE(slider->value(), 30);
    }

    void geometryOfOtherWidgets()
    {
        QStyle* style = QApplication::style();
        auto* common = static_cast<QCommonStyle*>(style);
        QStyle* platform = static_cast<QProxyStyle*>(style)->baseStyle();
        QStyleOptionSlider option;
        QCOMPARE(style->pixelMetric(QStyle::PM_SliderLength, &option, nullptr),
            platform->pixelMetric(QStyle::PM_SliderLength, &option, nullptr));
        // The groove of a skinned slider is the whole widget, so that the channel pages.
        auto slider = skinned(&host, QSize(200, 21), R"({"thumbH": 30})");
        option = optionOf(*slider);
        QCOMPARE(style->subControlRect(
                     QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider.get()),
            QRect(0, 0, 200, 21));
        QSpinBox spin(&host);
        spin.setGeometry(0, 0, 80, 24);
        QStyleOptionSpinBox spinOption;
        spinOption.initFrom(&spin);
        spinOption.subControls = QStyle::SC_All;
        QCOMPARE(
            style->subControlRect(QStyle::CC_SpinBox, &spinOption, QStyle::SC_SpinBoxUp, &spin),
            platform->subControlRect(QStyle::CC_SpinBox, &spinOption, QStyle::SC_SpinBoxUp, &spin));
        VelQSpinBox skinnedSpin(&host);
        skinnedSpin.setGeometry(0, 0, 80, 24);
        spinOption.initFrom(&skinnedSpin);
        QCOMPARE(style->subControlRect(
                     QStyle::CC_SpinBox, &spinOption, QStyle::SC_SpinBoxUp, &skinnedSpin),
            common->QCommonStyle::subControlRect(
                QStyle::CC_SpinBox, &spinOption, QStyle::SC_SpinBoxUp, &skinnedSpin));
        QPushButton plain(&host);
        QStyleOptionButton button;
        button.initFrom(&plain);
        button.rect = QRect(0, 0, 80, 30);
        QCOMPARE(style->subElementRect(QStyle::SE_PushButtonFocusRect, &button, &plain),
            platform->subElementRect(QStyle::SE_PushButtonFocusRect, &button, &plain));
        VelQPushButton ours(&host);
        QCOMPARE(style->subElementRect(QStyle::SE_PushButtonFocusRect, &button, &ours),
            common->QCommonStyle::subElementRect(QStyle::SE_PushButtonFocusRect, &button, &ours));
    }

    void painting_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("channel");
        QTest::addColumn<QRect>("filled");
        QTest::newRow("default horizontal at 50")
            << QByteArray(R"({"max": 100, "val": 50})") << QSize(200, 30) << QRect(0, 10, 200, 10)
            << QRect(0, 10, 100, 10);
        QTest::newRow("fraction is value over range")
            << QByteArray(R"({"min": 50, "max": 150, "val": 75, "thumbW": 2})") << QSize(200, 30)
            << QRect(0, 10, 200, 10) << QRect(0, 10, 150, 10);
        QTest::newRow("equal bounds divide by 100")
            << QByteArray(R"({"min": 50, "max": 50, "val": 50, "thumbW": 2})") << QSize(200, 30)
            << QRect(0, 10, 200, 10) << QRect(0, 10, 100, 10);
        // The filled part ends one row above the bottom edge.
        QTest::newRow("vertical grows from the bottom")
            << QByteArray(R"({"isHor": false, "max": 100, "val": 25, "channelSize": 6})")
            << QSize(30, 200) << QRect(12, 0, 6, 200) << QRect(12, 149, 6, 50);
    }

    void painting()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QSize, size);
        QFETCH(QRect, channel);
        QFETCH(QRect, filled);
        auto slider = skinned(&host, size, attr);
        const QImage image = paintedAlone(slider.get());
        const QRect thumb = slider->thumbRect();
        const auto expect = [&](QPoint p) {
            if (thumb.contains(p))
                return thumbYellow;
            if (filled.contains(p))
                return filledCyan;
            if (channel.contains(p))
                return channelBlue;
            return QColor(0, 0, 0, 0);
        };
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                if (!near(image.pixel(x, y), expect(QPoint(x, y))))
                    QCOMPARE_PIXEL(image, x, y, expect(QPoint(x, y)));
            }
        }
    }

    void defaultThumbIsTwentySquare()
    {
        VelQSlider slider(&host);
        slider.resize(200, 30);
        slider.setRange(0, 100);
        slider.setValue(50);
        QCOMPARE(slider.thumbRect(), QRect(90, 5, 20, 20));
        QCOMPARE(slider.orientation(), Qt::Horizontal);
    }

    void attrResetsOrientationAndPosition()
    {
        auto slider = skinned(&host, QSize(30, 200), R"({"isHor": false, "max": 10, "val": 7})");
        QCOMPARE(slider->orientation(), Qt::Vertical);
        QCOMPARE(slider->value(), 7);
        const ::Json::Value noVal = parsed(R"({"attr": {"min": 2}})");
        slider->loadAttributes(&noVal);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), 2);
        QCOMPARE(slider->maximum(), 10);
        QCOMPARE(slider->value(), 2);
        const ::Json::Value noAttr = parsed(R"({"style": []})");
        slider->setValue(9);
        slider->loadAttributes(&noAttr);
        QCOMPARE(slider->value(), 9);
        const ::Json::Value zero = parsed(R"({"attr": {"min": -5, "max": 5}})");
        slider->loadAttributes(&zero);
        QCOMPARE(slider->value(), 0);
    }

    void thumbStates_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("thumb");
        // e: enter away from the thumb, t: move onto it, a: move away, p: press on it,
        // c: press on the channel, r: release on it, o: release away, l: leave.
        QTest::newRow("enter away") << "e" << int(Normal) << thumbYellow;
        QTest::newRow("onto the thumb") << "et" << int(Hover) << hoverRed;
        QTest::newRow("off the thumb again") << "eta" << int(Normal) << thumbYellow;
        QTest::newRow("leave") << "etl" << int(Normal) << thumbYellow;
        QTest::newRow("press the thumb") << "etp" << int(Pressed) << pressedMagenta;
        QTest::newRow("drag away keeps pressed") << "etpa" << int(Pressed) << pressedMagenta;
        QTest::newRow("release away") << "etpao" << int(Normal) << thumbYellow;
        QTest::newRow("release on it") << "etpr" << int(Hover) << hoverRed;
        QTest::newRow("press the channel") << "ec" << int(Normal) << thumbYellow;
    }

    void thumbStates()
    {
        QFETCH(QString, steps);
        QFETCH(int, state);
        QFETCH(QColor, thumb);
        auto slider = skinned(&host, QSize(300, 30), R"({"max": 100, "val": 50})");
        QVERIFY(shown(&host));
        const QPoint onThumb = slider->thumbRect().center();
        const QPoint channel(10, 15);
        const QPoint away(onThumb.x(), 1);
        const int before = slider->value();
        for (const QChar step : steps) {
            switch (step.toLatin1()) {
            case 'e':
                sendEnter(slider.get());
                QVERIFY(slider->hasMouseTracking());
                sendMouse(slider.get(), QEvent::MouseMove, channel);
                break;
            case 't':
                sendMouse(slider.get(), QEvent::MouseMove, onThumb);
                break;
            case 'a':
                sendMouse(slider.get(), QEvent::MouseMove, away, Qt::NoButton,
                    slider->isSliderDown() ? Qt::LeftButton : Qt::NoButton);
                break;
            case 'p':
                sendMouse(slider.get(), QEvent::MouseButtonPress, onThumb, Qt::LeftButton,
                    Qt::LeftButton);
                break;
            case 'c':
                sendMouse(slider.get(), QEvent::MouseButtonPress, channel, Qt::LeftButton,
                    Qt::LeftButton);
                sendMouse(slider.get(), QEvent::MouseButtonRelease, channel, Qt::LeftButton);
                QCOMPARE(slider->value(), before - slider->pageStep());
                break;
            case 'r':
                sendMouse(slider.get(), QEvent::MouseButtonRelease, slider->thumbRect().center(),
                    Qt::LeftButton);
                break;
            case 'o':
                sendMouse(slider.get(), QEvent::MouseButtonRelease, away, Qt::LeftButton);
                break;
            case 'l':
                sendLeave(slider.get());
                QVERIFY(!slider->hasMouseTracking());
                break;
            }
        }
        QCOMPARE(slider->impl()->state, state);
        const QImage image = paintedAlone(slider.get());
        QCOMPARE_PIXEL(image, slider->thumbRect().center().x(), 15, thumb);
    }

    void disabledThumb()
    {
        auto slider = skinned(&host, QSize(200, 30), R"({"max": 100, "val": 50})");
        slider->setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(slider.get()), 100, 15, disabledGray);
        slider->setEnabled(true);
        QCOMPARE_PIXEL(paintedAlone(slider.get()), 100, 15, thumbYellow);
    }

    void draggingThePaintedThumb()
    {
        // A thumb much wider than the platform's handle: only the style's help makes Qt drag it.
        auto slider = skinned(&host, QSize(240, 30), R"({"thumbW": 40, "max": 100, "val": 0})");
        QVERIFY(shown(&host));
        QCOMPARE(slider->thumbRect(), QRect(0, 5, 40, 20));
        QWindow* window = host.windowHandle();
        const QPoint grip = slider->mapTo(&host, QPoint(35, 15));
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, grip);
        QVERIFY(slider->isSliderDown());
        QCOMPARE(slider->impl()->state, int(Pressed));
        QTest::mouseMove(window, grip + QPoint(100, 0));
        QCOMPARE(slider->value(), 50);
        QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, grip + QPoint(100, 0));
        QCOMPARE(slider->value(), 50);
        QCOMPARE(slider->thumbRect(), QRect(100, 5, 40, 20));
        QCOMPARE(slider->impl()->state, int(Hover));
    }

    void keyboardAndWheel()
    {
        auto slider = skinned(&host, QSize(200, 30), R"({"max": 100, "val": 50})");
        host.show();
        slider->setFocus();
        QTest::keyClick(slider.get(), Qt::Key_Right);
        QCOMPARE(slider->value(), 51);
        QTest::keyClick(slider.get(), Qt::Key_PageDown);
        QCOMPARE(slider->value(), 41);
        QWheelEvent wheel(QPointF(100, 15), QPointF(slider->mapToGlobal(QPoint(100, 15))), QPoint(),
            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(slider.get(), &wheel);
        QCOMPARE(slider->value(), 44);
    }

    void badValuesAreIgnored()
    {
        auto slider = skinned(&host, QSize(200, 30),
            R"({"isHor": "no", "thumbW": "wide", "thumbH": [], "min": {}, "max": 1e300, "val": "3"})");
        auto* d = static_cast<VelQSliderImpl*>(slider->impl());
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(d->thumbW, 20);
        QCOMPARE(d->thumbH, 20);
        QCOMPARE(slider->value(), 0);
        slider->setRange(INT_MIN, INT_MAX);
        slider->setValue(INT_MAX);
        paintedAlone(slider.get());
    }
};

QTEST_MAIN(tst_Slider)
#include "tst_slider.moc"
