#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCanvas_p.h>
#include <controls/VelQImage_p.h>
#include <controls/VelQLabelEx_p.h>
#include <controls/VelQLabel_p.h>

#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

Q_DECLARE_METATYPE(QList<TestSupport::Pixel>)

namespace {

const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), magenta(255, 0, 255),
    highlight(155, 202, 239), clear(0, 0, 0, 0);

const QString caption = QStringLiteral("A caption of twenty characters");

// What Qt's own label paints for shown with the label's font, colours, alignment and size.
QImage qtLabelShowing(const QLabel& label, const QString& shown)
{
    QLabel plain(shown);
    plain.setFont(label.font());
    plain.setPalette(label.palette());
    plain.setAlignment(label.alignment());
    plain.resize(label.size());
    return render(&plain);
}

QString elided(const QLabel& label, const QString& text, int mode = Qt::ElideRight)
{
    return QFontMetrics(label.font()).elidedText(text, Qt::TextElideMode(mode), label.width());
}

// Red, green, blue and magenta quarters, clockwise from the top left, so that any shift or
// scaling shows on the pixels.
QImage quarters(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixelColor(
                x, y, y >= h / 2 ? (x >= w / 2 ? magenta : blue) : (x >= w / 2 ? green : red));
    }
    return image;
}

} // namespace

class tst_Displays : public QObject {
    Q_OBJECT

    QWidget host;

    std::unique_ptr<VelQLabelEx> rich(QSize size, const QString& text)
    {
        auto label = std::make_unique<VelQLabelEx>(&host);
        label->setGeometry(QRect(QPoint(), size));
        label->setPlainText(text);
        return label;
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("displays.data"),
            {textStyle("big", red, 20,
                 R"("bold": true, "italic": true, "underline": true, "hor": 2, "ver": 0)"),
                textStyle("plain", red, 12),
                R"({"type": 2, "name": "small", "size": 8, "clr": "00ff00"})",
                boxStyle("red", Qt::red)},
            {{"small.png", png(quarters(40, 40))}, {"big.png", png(quarters(120, 80))}}));
        // Elements named like the canvas's factory key, or not named at all, must not reach it.
        QVERIFY(loadThemePackage(QStringLiteral("theme.data"),
            {{"style.json", styleJson({boxStyle("red", Qt::red)})},
                {"images/themed.png", solidPng(magenta, 8, 8)},
                {"theme.json", R"({"elements": [{"child": [
                    {"attr": {"unnamed": 1}}, {"name": "canvas", "attr": {"named": 1}}]}]})"}}));
        CThemeManager::instance().setUseThemePackage(false);
        host.resize(400, 300);
        host.show();
    }

    void labelStyle()
    {
        VelQLabel label(&host);
        reload(label,
            "{\"style\": [[\"big\", 0, 0], [\"small\", 0, 1]], \"attr\": {\"text\": "
            "\"\xC4\xE3\"}}");
        QCOMPARE(label.text(), QString::fromUtf8("\xE4\xBD\xA0"));
        const QFont font = label.font();
        QCOMPARE((QList<int> {font.pixelSize(), font.weight(), font.italic(), font.underline()}),
            (QList<int> {20, QFont::Bold, true, true}));
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(label.palette().color(group, QPalette::WindowText), red);
        QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignTop);
        // The label takes no part in the mouse.
        play(&label, QStringLiteral("ep"), QPoint(2, 2));
        QCOMPARE(label.impl()->state, int(Normal));
        QVERIFY(!label.impl()->hovered);
    }

    // Alignment indices 0, 1, 2 put the text in the first, second or last third; others none.
    // Stamped into any rectangle, as item views do, it keeps its alignment there.
    void labelAlignment()
    {
        for (const auto& [hor, ver, alignment] :
            QList<std::tuple<int, int, int>> {{0, 0, Qt::AlignLeft | Qt::AlignTop},
                {1, 1, Qt::AlignCenter}, {2, 2, Qt::AlignRight | Qt::AlignBottom}, {5, -1, 0}}) {
            VelQLabel label(&host);
            auto* d = implOf<VelQLabelImpl>(label);
            d->textStyle.hAlign = hor;
            d->textStyle.vAlign = ver;
            d->textStyle.color = red;
            d->applyStyle();
            QCOMPARE(int(label.alignment()), alignment);
            if (alignment == 0)
                continue;
            label.setGeometry(0, 0, 200, 60);
            label.setText(QStringLiteral("MMM"));
            QList<std::pair<QImage, QPoint>> images {{render(&label), {}}};
            const auto stamp = [&](QPainter* p) {
                d->draw(p, {70, 20, 200, 60});
            };
            if (hor == 2)
                images.append({paintedBy({270, 80}, Qt::white, stamp), {70, 20}});
            for (const auto& [image, origin] : images) {
                const QPair<int, int> cols = columnsOf(image, red), rows = rowsOf(image, red);
                QCOMPARE(((cols.first + cols.second) / 2 - origin.x()) / 67, hor);
                QCOMPARE(((rows.first + rows.second) / 2 - origin.y()) / 20, ver);
            }
        }
    }

    void labelEliding_data()
    {
        QTest::addColumn<QByteArray>("setter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("elideMode");
        const auto row = [](const char* name, const char* setter, const QString& text,
                             int mode = Qt::ElideRight) {
            QTest::newRow(name) << QByteArray(setter) << text << mode;
        };
        row("right (default)", "setText", caption);
        row("left", "setText", caption, Qt::ElideLeft);
        row("middle", "setText", caption, Qt::ElideMiddle);
        row("none", "setText", caption, Qt::ElideNone);
        row("QLabel::setNum", "setNum", QStringLiteral("42"));
        row("slot by name", "invoke", caption);
        row("QLabel::clear", "clear", QString());
    }

    // Text set through Qt's own label API is the label's text, across resizes and restyling;
    // only the painting is shortened.
    void labelEliding()
    {
        QFETCH(QByteArray, setter);
        QFETCH(QString, text);
        QFETCH(int, elideMode);
        VelQLabel label(&host);
        label.setGeometry(0, 0, 40, 30);
        label.show();
        QLabel* base = &label;
        if (setter == "setText")
            base->setText(text);
        else if (setter == "setNum")
            base->setNum(42);
        else if (setter == "clear")
            base->clear();
        else
            QVERIFY(QMetaObject::invokeMethod(base, "setText", Q_ARG(QString, text)));
        label.resize(41, 30);
        reload(label, R"({"style": [["plain", 0, 0]], "attr": {}})");
        implOf<VelQLabelImpl>(label)->textStyle.elideMode = elideMode;
        label.resize(400, 30);
        QCOMPARE(render(&label), qtLabelShowing(label, text));
        label.resize(40, 30);
        QCOMPARE(label.text(), text);
        const QString shown = elideMode == Qt::ElideNone ? text : elided(label, text, elideMode);
        QVERIFY(elideMode == Qt::ElideNone || text.size() < 5 || shown.size() < text.size());
        QCOMPARE(render(&label), qtLabelShowing(label, shown));
    }

    void fromDescription()
    {
        QWidget window;
        window.resize(200, 100);
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "label", "name": "a", "x": 1, "y": 2, "w": 30, "h": 20,
             "attr": {"text": "A long caption indeed"}},
            {"type": "qtlabelex", "name": "b", "w": 100, "h": 40, "style": [["plain", 0, 0]],
             "attr": {"text": "rich"}},
            {"type": "image", "name": "logo", "layout": {"type": 1, "x": 10, "y": 10, "r": 10,
             "b": 10}, "attr": {"path": "small.png", "fill": false}}]})");
        QVERIFY(LoadElements(&root, &window));
        auto* label = window.findChild<VelQLabel*>(QStringLiteral("a"));
        auto* labelEx = window.findChild<VelQLabelEx*>(QStringLiteral("b"));
        auto* picture = window.findChild<VelQImage*>(QStringLiteral("logo"));
        QVERIFY(label && labelEx && picture);
        QCOMPARE(label->geometry(), QRect(1, 2, 30, 20));
        QCOMPARE(render(label), qtLabelShowing(*label, elided(*label, label->text())));
        QVERIFY(holds(render(labelEx), red, 60));
        QCOMPARE(picture->geometry(), QRect(10, 10, 180, 80));
        QCOMPARE_PIXELS(
            paintedAlone(picture, true), {{70, 20, red}, {109, 59, magenta}, {110, 59, clear}});
        // The setters place it as the attributes do.
        picture->setPath(QStringLiteral("big.png"));
        QCOMPARE_PIXELS(
            paintedAlone(picture, true), {{30, 0, red}, {29, 0, clear}, {149, 79, magenta}});
        picture->setFill(true);
        QCOMPARE_PIXEL(paintedAlone(picture, true), 0, 0, red);
    }

    void richLabelSelection()
    {
        auto label = rich({120, 40}, QStringLiteral("Hello world"));
        label->show();
        auto* d = implOf<VelQLabelExImpl>(*label);
        reload(*label, R"({"style": [["plain", 0, 0]], "attr": {"text": "Hello world"}})");
        QVERIFY(holds(render(label.get()), red, 60));
        QVERIFY(!holds(render(label.get()), highlight, 3));
        sendMouse(label.get(), QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton,
            Qt::LeftButton);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        QCOMPARE(d->selectionEnd, (TextPosition {1, 0, 11}));
        const QPair<int, int> cols = columnsOf(render(label.get()), highlight, 3);
        QCOMPARE(cols.first, 5);
        QVERIFY(cols.second > 50);
        // A move over no line ends the selection nowhere, which hides the highlight.
        label->setMouseTracking(true);
        sendMouse(label.get(), QEvent::MouseMove, QPoint(100, 38));
        QVERIFY(!d->selectionEnd.isValid());
        QVERIFY(!holds(render(label.get()), highlight, 3));
        sendMouse(label.get(), QEvent::MouseButtonRelease, QPoint(100, 38), Qt::LeftButton);
        QVERIFY(!label->hasMouseTracking());
        // A move with the button down extends the selection; a press keeps it.
        label->resize(200, 40);
        d->setSelection({0, 0, 0}, {0, 0, 1});
        const TextPosition hit = d->hitTest(QPoint(30, 5));
        QVERIFY(hit.block == 0 && hit.line == 0 && hit.column > 1 && hit.column < 11);
        sendMouse(label.get(), QEvent::MouseMove, QPoint(30, 5), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(d->selectionEnd, hit);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        sendMouse(
            label.get(), QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(d->selectionEnd, hit);
        d->clearSelection();
        QVERIFY(!d->selectionStart.isValid() && !d->selectionEnd.isValid());
        // Without text interaction the mouse changes nothing.
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setMouseTracking(true);
        sendMouse(label.get(), QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton,
            Qt::LeftButton);
        QVERIFY(!d->selectionStart.isValid());
        d->setSelection({0, 0, 0}, {0, 0, 2});
        sendMouse(label.get(), QEvent::MouseMove, QPoint(100, 38));
        QCOMPARE(d->selectionEnd, (TextPosition {0, 0, 2}));
        sendMouse(label.get(), QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton);
        QVERIFY(label->hasMouseTracking());
    }

    void richLabelHighlight()
    {
        auto label = rich({60, 100}, QStringLiteral("aaaa bbbb cccc dddd eeee ffff"));
        auto* d = implOf<VelQLabelExImpl>(*label);
        // The earlier position starts the selection, whichever is given first.
        for (const auto& [a, b] : QList<QPair<TextPosition, TextPosition>> {{{0, 2, 5}, {0, 1, 9}},
                 {{0, 1, 9}, {0, 2, 5}}, {{0, 0, 7}, {0, 0, 3}}, {{0, 0, 1}, {0, 0, 3}}}) {
            d->setSelection(a, b);
            const bool swapped = a.line > b.line || (a.line == b.line && a.column > b.column);
            QCOMPARE(d->selectionStart, swapped ? b : a);
            QCOMPARE(d->selectionEnd, swapped ? a : b);
        }
        // Lines exist once the document is laid out at the label's width.
        render(label.get());
        QVERIFY(d->document->firstBlock().layout()->lineCount() >= 3);
        d->setSelection({0, 2, 0}, {0, 0, 0});
        const QPair<int, int> rows = rowsOf(render(label.get()), highlight, 3);
        QVERIFY(rows.first >= 0);
        // The last line is highlighted up to its start only.
        QVERIFY(rows.second < int(d->document->firstBlock().layout()->lineAt(2).y()) + 5);
        // An end past the last line draws no highlight and does not crash.
        d->setSelection({0, 0, 0}, {0, 40, 3});
        QVERIFY(!holds(render(label.get()), highlight, 3));
        // Nor does an empty document.
        auto empty = rich({60, 30}, QString());
        d = implOf<VelQLabelExImpl>(*empty);
        sendMouse(
            empty.get(), QEvent::MouseButtonDblClick, QPoint(1, 1), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        QCOMPARE(d->selectionEnd.column, 0);
        QVERIFY(!holds(render(empty.get()), highlight, 3));
    }

    // Each row: where the image's top-left and bottom-right pixels land, and what surrounds.
    void picture_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QList<Pixel>>("pixels");
        const auto row = [](const char* name, const char* attr, const QList<Pixel>& pixels) {
            QTest::newRow(name) << QByteArray(attr) << pixels;
        };
        row("centred unscaled", R"({"path": "small.png", "fill": false})",
            {{30, 10, red}, {49, 29, red}, {50, 30, magenta}, {69, 49, magenta}, {29, 10, clear},
                {30, 9, clear}, {70, 49, clear}, {69, 50, clear}});
        row("larger than the widget is cut", R"({"path": "big.png", "fill": false})",
            {{0, 0, red}, {49, 29, red}, {50, 30, magenta}, {99, 59, magenta}, {50, 29, green},
                {49, 30, blue}});
        row("stretched by default", R"({"path": "small.png"})",
            {{0, 0, red}, {47, 27, red}, {52, 32, magenta}, {99, 59, magenta}, {99, 0, green},
                {0, 59, blue}});
        row("stretched when fill is true", R"({"path": "big.png", "fill": true})",
            {{0, 0, red}, {47, 27, red}, {52, 32, magenta}, {99, 59, magenta}});
        row("theme package entry", R"({"path": "Images\\Themed.png", "fill": false})",
            {{46, 26, magenta}, {53, 33, magenta}, {45, 26, clear}, {54, 33, clear}});
        row("missing image draws nothing", R"({"path": "nothing.png"})",
            {{0, 0, clear}, {50, 30, clear}});
        row("no path draws nothing", "{}", {{50, 30, clear}});
    }

    void picture()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QList<Pixel>, pixels);
        auto p = built<VelQImage>(&host, R"({"w": 100, "h": 60, "attr": )" + attr + "}");
        p->applyLayout();
        QCOMPARE(p->size(), QSize(100, 60));
        const QImage image = paintedAlone(p.get(), true);
        QCOMPARE_PIXELS(image, pixels);
        // Unreadable values and a description without "attr" keep the image.
        reload(*p, R"({"attr": {"path": [1], "fill": "no"}})");
        reload(*p, R"({"w": 10, "h": 10})");
        QCOMPARE(paintedAlone(p.get(), true), image);
        // A stretched image covers every pixel; a disabled picture shows its image unchanged.
        if (attr.contains("small.png\"}")) {
            QCOMPARE(
                image.convertToFormat(QImage::Format_RGB32).convertToFormat(image.format()), image);
            p->setEnabled(false);
            QCOMPARE(paintedAlone(p.get(), true), image);
            QCOMPARE(p->impl()->state, int(Normal));
        }
    }

    // Grey everywhere: plain, with a style list, disabled or hovered. No theme element applies,
    // even with the theme package in use.
    void canvas()
    {
        for (const auto& [description, steps] : QList<QPair<QByteArray, QString>> {{"{}", ""},
                 {R"({"style": [["red", 0, 0]], "attr": {}})", ""}, {"{}", "d"}, {"{}", "e"}}) {
            auto canvas = built<VelQCanvas>(&host, description);
            canvas->setGeometry(0, 0, 64, 48);
            play(canvas.get(), steps, QPoint());
            QCOMPARE(countNear(paintedAlone(canvas.get(), true), Qt::gray, 0), 64 * 48);
        }
        CThemeManager::instance().setUseThemePackage(true);
        VelQCanvas themed(&host);
        QVERIFY(themed.impl()->attributes.empty());
        CThemeManager::instance().setUseThemePackage(false);
    }
};

QTEST_MAIN(tst_Displays)
#include "tst_displays.moc"
