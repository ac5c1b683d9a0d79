#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor backdrop(255, 0, 255), face(0, 0, 255), fill(0, 255, 0);

} // namespace

// The value and text controls built from one description, as a window gets them.
class tst_ValueControls : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray description = R"({"w": 400, "h": 300, "elements": [
            {"type": "qtscrollbar", "name": "bar"},
            {"type": "progressbar", "name": "progress", "x": 0, "y": 0, "w": 100, "h": 10,
             "style": [["face", 0, 0], ["fill", 0, 2]], "attr": {"val": 50}},
            {"type": "slider", "name": "slider", "x": 0, "y": 20, "w": 100, "h": 20,
             "style": [["face", 0, 0], ["fill", 0, 2], ["face", 0, 4]],
             "attr": {"max": 100, "val": 100, "thumbW": 10, "thumbH": 4}},
            {"type": "dedit", "name": "edit", "x": 0, "y": 50, "w": 100, "h": 20,
             "style": [["face", 0, 0]], "attr": {"text": "abc"}},
            {"type": "qttext", "name": "text", "x": 0, "y": 80, "w": 100, "h": 60,
             "style": [["face", 0, 0]],
             "child": [{"type": "scrollbar", "w": 6, "style": [["fill", 0, 0]]}]},
            {"type": "spinbox", "name": "spin", "x": 0, "y": 150, "w": 60, "h": 20},
            {"type": "qtlcdnumber", "name": "lcd", "x": 0, "y": 180, "w": 80, "h": 30,
             "style": [["face", 0, 0]], "attr": {"color": 65280, "text": "7"}}]})";
        QVERIFY(loadAppPackage(QStringLiteral("values.data"),
            {boxStyle("face", face), boxStyle("fill", fill)}, {{"values.json", description}}));
    }

    void description()
    {
        VelQWindow window;
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, backdrop);
        window.setPalette(palette);
        QVERIFY(LoadWindow(&window, QStringLiteral("values")));
        const QList<QPair<QString, QByteArray>> expected
            = {{"progress", "VelQtLib::VelQProgressBar"}, {"slider", "VelQtLib::VelQSlider"},
                {"edit", "VelQtLib::VelQLineEdit"}, {"text", "VelQtLib::VelQTextEdit"},
                {"spin", "VelQtLib::VelQSpinBox"}, {"lcd", "VelQtLib::VelQLCDNumber"}};
        for (const auto& [name, className] : expected) {
            QWidget* w = window.findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            QCOMPARE(QByteArray(w->metaObject()->className()), className);
        }
        // A scroll bar is never built from a description.
        QVERIFY(!window.findChild<QWidget*>(QStringLiteral("bar")));

        QVERIFY(shown(&window));
        const QImage image = render(&window);
        QCOMPARE_PIXEL(image, 25, 5, fill); // progress chunk
        QCOMPARE_PIXEL(image, 75, 5, face); // progress groove
        QCOMPARE_PIXEL(image, 50, 30, fill); // slider filled to the end
        QCOMPARE_PIXEL(image, 95, 30, face); // thumb at the right end, 4 high in the middle
        QCOMPARE_PIXEL(image, 95, 27, fill);
        QCOMPARE_PIXEL(image, 98, 52, face); // line edit background
        QCOMPARE_PIXEL(image, 50, 82, face); // text edit viewport
        QCOMPARE_PIXEL(image, 40, 182, face); // LCD background
        QCOMPARE_PIXEL(image, 58, 152, backdrop); // spin box: no frame, no arrows
        auto* text = window.findChild<VelQTextEdit*>(QStringLiteral("text"));
        QCOMPARE(text->verticalScrollBar()->styleSheet(), scrollBarLongSheet(6, 6, 6));
    }
};

QTEST_MAIN(tst_ValueControls)
#include "tst_valuecontrols.moc"
