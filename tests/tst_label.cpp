#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQLabelEx_p.h>
#include <controls/VelQLabel_p.h>

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

Q_DECLARE_METATYPE(TextPosition)

namespace {

const QColor red(255, 0, 0), highlight(155, 202, 239);

VelQLabelImpl* implOf(VelQLabel& label)
{
    return TestSupport::implOf<VelQLabelImpl>(label);
}

VelQLabelExImpl* implOf(VelQLabelEx& label)
{
    return TestSupport::implOf<VelQLabelExImpl>(label);
}

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

} // namespace

class tst_Label : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("label.data"),
            {textStyle("big", red, 20,
                 R"("bold": true, "italic": true, "underline": true, "hor": 2, "ver": 0)"),
                textStyle("plain", red, 12),
                R"({"type": 2, "name": "small", "size": 8, "clr": "00ff00"})"}));
        host.resize(400, 300);
        host.show();
    }

    void styleApplied()
    {
        VelQLabel label(&host);
        const ::Json::Value json
            = parsed("{\"style\": [[\"big\", 0, 0], [\"small\", 0, 1]], \"attr\": {\"text\": "
                     "\"\xC4\xE3\"}}");
        label.loadAttributes(&json);
        QCOMPARE(label.text(), QString::fromUtf8("\xE4\xBD\xA0"));
        QCOMPARE(label.font().pixelSize(), 20);
        QCOMPARE(label.font().weight(), int(QFont::Bold));
        QVERIFY(label.font().italic());
        QVERIFY(label.font().underline());
        QCOMPARE(label.font().family(), QStringLiteral("DejaVu Sans"));
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QCOMPARE(label.palette().color(group, QPalette::WindowText), red);
        QCOMPARE(label.alignment(), Qt::AlignRight | Qt::AlignTop);
    }

    void alignment_data()
    {
        QTest::addColumn<int>("hor");
        QTest::addColumn<int>("ver");
        QTest::addColumn<int>("alignment");
        QTest::newRow("left top") << 0 << 0 << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("centre") << 1 << 1 << int(Qt::AlignCenter);
        QTest::newRow("right bottom") << 2 << 2 << int(Qt::AlignRight | Qt::AlignBottom);
        QTest::newRow("no flags") << 5 << -1 << 0;
    }

    void alignment()
    {
        QFETCH(int, hor);
        QFETCH(int, ver);
        QFETCH(int, alignment);
        VelQLabel label(&host);
        implOf(label)->textStyle.hAlign = hor;
        implOf(label)->textStyle.vAlign = ver;
        implOf(label)->textStyle.color = red;
        implOf(label)->applyStyle();
        QCOMPARE(int(label.alignment()), alignment);
        if (alignment == 0)
            return;
        label.setGeometry(0, 0, 200, 60);
        label.setText(QStringLiteral("MMM"));
        const QImage image = render(&label);
        const QPair<int, int> cols = columnsOf(image, red);
        const QPair<int, int> rows = rowsOf(image, red);
        QVERIFY(cols.first >= 0);
        const int centreX = (cols.first + cols.second) / 2;
        const int centreY = (rows.first + rows.second) / 2;
        QCOMPARE(centreX / 67, hor);
        QCOMPARE(centreY / 20, ver);
    }

    void eliding_data()
    {
        QTest::addColumn<int>("elideMode");
        QTest::addColumn<bool>("shortened");
        QTest::newRow("right (default)") << int(Qt::ElideRight) << true;
        QTest::newRow("left") << int(Qt::ElideLeft) << true;
        QTest::newRow("middle") << int(Qt::ElideMiddle) << true;
        QTest::newRow("none") << int(Qt::ElideNone) << false;
    }

    void eliding()
    {
        QFETCH(int, elideMode);
        QFETCH(bool, shortened);
        const QString caption = QStringLiteral("A caption of twenty characters");
        VelQLabel label(&host);
        const ::Json::Value json = parsed(R"({"style": [["plain", 0, 0]]})");
        label.loadAttributes(&json);
        implOf(label)->textStyle.elideMode = elideMode;
        label.setGeometry(0, 0, 300, 30);
        label.setText(caption);
        label.resize(40, 30);
        // Only the painting is shortened; the text stays whole.
        QCOMPARE(label.text(), caption);
        const QString shown = shortened
            ? QFontMetrics(label.font()).elidedText(caption, Qt::TextElideMode(elideMode), 40)
            : caption;
        QVERIFY(shown.size() < caption.size() || !shortened);
        QCOMPARE(render(&label), qtLabelShowing(label, shown));
        label.resize(400, 30);
        QCOMPARE(render(&label), qtLabelShowing(label, caption));
    }

    // Text set through Qt's own label API is the label's text, across resizes and themes.
    void qtsSettersSetTheText_data()
    {
        QTest::addColumn<QByteArray>("setter");
        QTest::addColumn<QString>("text");
        QTest::newRow("QLabel::setText") << QByteArray("setText") << QStringLiteral("x");
        QTest::newRow("QLabel::setNum") << QByteArray("setNum") << QStringLiteral("42");
        QTest::newRow("slot by name") << QByteArray("invoke") << QStringLiteral("y");
        QTest::newRow("QLabel::clear") << QByteArray("clear") << QString();
        QTest::newRow("long text, shortened when painted")
            << QByteArray("setText") << QStringLiteral("A caption of twenty characters");
    }

    void qtsSettersSetTheText()
    {
        QFETCH(QByteArray, setter);
        QFETCH(QString, text);
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
        QCOMPARE(label.text(), text);
        const ::Json::Value json = parsed(R"({"style": [["plain", 0, 0]], "attr": {}})");
        label.loadAttributes(&json);
        label.resize(400, 30);
        QCOMPARE(label.text(), text);
        QCOMPARE(render(&label), qtLabelShowing(label, text));
        label.resize(40, 30);
        QCOMPARE(render(&label),
            qtLabelShowing(label, QFontMetrics(label.font()).elidedText(text, Qt::ElideRight, 40)));
    }

    void labelForwardsNoEvents()
    {
        VelQLabel label(&host);
        label.show();
        sendEnter(&label);
        QCOMPARE(label.impl()->state, int(Normal));
        sendMouse(&label, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(label.impl()->state, int(Normal));
        QVERIFY(!label.impl()->hovered);
    }

    void labelDrawsIntoRectangle()
    {
        VelQLabel label(&host);
        const ::Json::Value json
            = parsed(R"({"style": [["plain", 0, 0]], "attr": {"text": "MMMM"}})");
        label.loadAttributes(&json);
        QImage image(200, 100, QImage::Format_ARGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            label.impl()->draw(&painter, QRect(100, 50, 100, 50));
        }
        const QPair<int, int> cols = columnsOf(image, red);
        const QPair<int, int> rows = rowsOf(image, red);
        QVERIFY(cols.first >= 100 && cols.first < 110);
        QVERIFY(rows.first > 55 && rows.second < 95);
    }

    void fromDescription()
    {
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "label", "name": "a", "x": 1, "y": 2, "w": 30, "h": 20,
             "attr": {"text": "A long caption indeed"}},
            {"type": "qtlabelex", "name": "b", "w": 100, "h": 40, "style": [["plain", 0, 0]],
             "attr": {"text": "rich"}}]})");
        LoadElements(&root, &host);
        auto* label = host.findChild<VelQLabel*>(QStringLiteral("a"));
        auto* rich = host.findChild<VelQLabelEx*>(QStringLiteral("b"));
        QVERIFY(label);
        QVERIFY(rich);
        QCOMPARE(label->geometry(), QRect(1, 2, 30, 20));
        QCOMPARE(label->text(), QStringLiteral("A long caption indeed"));
        QCOMPARE(render(label),
            qtLabelShowing(
                *label, QFontMetrics(label->font()).elidedText(label->text(), Qt::ElideRight, 30)));
        QCOMPARE(implOf(*rich)->document->toPlainText(), QStringLiteral("rich"));
        QCOMPARE(implOf(*rich)->document->defaultFont().family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(implOf(*rich)->textStyle.color, red);
        delete label;
        delete rich;
    }

    void richLabelPaintsText()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 120, 40);
        const ::Json::Value json
            = parsed(R"({"style": [["plain", 0, 0]], "attr": {"text": "MMM"}})");
        rich.loadAttributes(&json);
        const QImage image = render(&rich);
        QVERIFY(holds(image, red, 60));
        QVERIFY(!holds(image, highlight, 3));
    }

    void doubleClickSelectsAll()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 120, 40);
        rich.setPlainText(QStringLiteral("Hello world"));
        rich.show();
        auto* d = implOf(rich);
        sendMouse(
            &rich, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        QCOMPARE(d->selectionEnd, (TextPosition {1, 0, 11}));
        QImage image = render(&rich);
        const QPair<int, int> cols = columnsOf(image, highlight, 3);
        QCOMPARE(cols.first, 5);
        QVERIFY(cols.second > 50);
        // A move over no line ends the selection nowhere, which hides the highlight.
        rich.setMouseTracking(true);
        sendMouse(&rich, QEvent::MouseMove, QPoint(100, 38));
        QVERIFY(!d->selectionEnd.isValid());
        QVERIFY(!holds(render(&rich), highlight, 3));
        sendMouse(&rich, QEvent::MouseButtonRelease, QPoint(100, 38), Qt::LeftButton);
        QVERIFY(!rich.hasMouseTracking());
    }

    void moveExtendsSelection()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 200, 40);
        rich.setPlainText(QStringLiteral("Hello world"));
        auto* d = implOf(rich);
        d->setSelection({0, 0, 0}, {0, 0, 1});
        const TextPosition hit = d->hitTest(QPoint(30, 5));
        QCOMPARE(hit.block, 0);
        QCOMPARE(hit.line, 0);
        QVERIFY(hit.column > 1 && hit.column < 11);
        sendMouse(&rich, QEvent::MouseMove, QPoint(30, 5), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(d->selectionEnd, hit);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        // A press keeps the selection.
        sendMouse(&rich, QEvent::MouseButtonPress, QPoint(2, 2), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(d->selectionEnd, hit);
        d->clearSelection();
        QVERIFY(!d->selectionStart.isValid());
        QVERIFY(!d->selectionEnd.isValid());
    }

    void noTextInteractionIgnoresMouse()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 120, 40);
        rich.setTextInteractionFlags(Qt::NoTextInteraction);
        rich.setMouseTracking(true);
        auto* d = implOf(rich);
        sendMouse(
            &rich, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!d->selectionStart.isValid());
        d->setSelection({0, 0, 0}, {0, 0, 2});
        sendMouse(&rich, QEvent::MouseMove, QPoint(100, 38));
        QCOMPARE(d->selectionEnd, (TextPosition {0, 0, 2}));
        sendMouse(&rich, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton);
        QVERIFY(rich.hasMouseTracking());
    }

    void setSelectionOrder_data()
    {
        QTest::addColumn<TextPosition>("a");
        QTest::addColumn<TextPosition>("b");
        QTest::addColumn<TextPosition>("start");
        QTest::newRow("later line first")
            << TextPosition {0, 2, 5} << TextPosition {0, 1, 9} << TextPosition {0, 1, 9};
        QTest::newRow("earlier line first, later column")
            << TextPosition {0, 1, 9} << TextPosition {0, 2, 5} << TextPosition {0, 1, 9};
        QTest::newRow("same line")
            << TextPosition {0, 0, 7} << TextPosition {0, 0, 3} << TextPosition {0, 0, 3};
        QTest::newRow("in order") << TextPosition {0, 0, 1} << TextPosition {0, 0, 3}
                                  << TextPosition {0, 0, 1};
    }

    void setSelectionOrder()
    {
        QFETCH(TextPosition, a);
        QFETCH(TextPosition, b);
        QFETCH(TextPosition, start);
        VelQLabelEx rich;
        implOf(rich)->setSelection(a, b);
        QCOMPARE(implOf(rich)->selectionStart, start);
        QCOMPARE(implOf(rich)->selectionEnd, start == a ? b : a);
    }

    void multiLineHighlight()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 60, 100);
        rich.setPlainText(QStringLiteral("aaaa bbbb cccc dddd eeee ffff"));
        auto* d = implOf(rich);
        // Lines exist once the document is laid out at the label's width.
        render(&rich);
        QVERIFY(d->document->firstBlock().layout()->lineCount() >= 3);
        d->setSelection({0, 2, 0}, {0, 0, 0});
        const QImage image = render(&rich);
        const QPair<int, int> rows = rowsOf(image, highlight, 3);
        QVERIFY(rows.first >= 0);
        const QTextLine third = d->document->firstBlock().layout()->lineAt(2);
        // The last line is highlighted up to its start only.
        QVERIFY(rows.second < int(third.y()) + 5);
        // An end past the last line draws no highlight and does not crash.
        d->setSelection({0, 0, 0}, {0, 40, 3});
        QVERIFY(!holds(render(&rich), highlight, 3));
    }

    void emptyDocument()
    {
        VelQLabelEx rich(&host);
        rich.setGeometry(0, 0, 60, 30);
        rich.setPlainText(QString());
        auto* d = implOf(rich);
        sendMouse(&rich, QEvent::MouseButtonDblClick, QPoint(1, 1), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(d->selectionStart, (TextPosition {0, 0, 0}));
        QCOMPARE(d->selectionEnd.column, 0);
        QVERIFY(!holds(render(&rich), highlight, 3));
    }
};

QTEST_MAIN(tst_Label)
#include "tst_label.moc"
