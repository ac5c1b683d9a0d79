#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQScrollBar_p.h>
#include <controls/VelQTextEdit_p.h>

#include <QtTest>

using namespace VelQtLib;
using TestSupport::parsed;

Q_DECLARE_METATYPE(QMargins)

namespace {

const QColor normalBg(0, 200, 0), hoverBg(200, 0, 0), focusBg(255, 0, 255), disabledBg(90, 90, 90),
    hintRed(255, 0, 0), groove(40, 40, 40), thumbYellow(255, 255, 0), arrowBlue(0, 0, 255);

QByteArray box(const char* name, QColor c)
{
    return QByteArray(R"({"type": 1, "name": ")") + name + R"(", "drawImg": false, "clr": ")"
        + QByteArray::number(c.rgba(), 16) + R"("})";
}

int countNear(const QImage& image, const QRect& r, QColor colour, int tolerance = 60)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += TestSupport::near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    }
    return n;
}

const QByteArray skin = R"("style": [["bg0", 0, 0], ["bg1", 0, 1], ["bg2", 0, 2], ["bg3", 0, 3],
    ["text0", 0, 4], ["text2", 0, 6], ["hint", 0, 8]])";

const QByteArray barChildren = R"("child": [
    {"type": "scrollbar", "w": 12, "attr": {"size": 30},
     "style": [["groove", 0, 0], ["arrow", 0, 2], ["arrow", 0, 6], ["thumb", 0, 10]]},
    {"type": "qtscrollbar", "h": 9, "attr": {"hor": true}, "style": [["thumb", 0, 10]]}])";

} // namespace

class tst_TextEdit : public QObject {
    Q_OBJECT

    QWidget host;

    VelQTextEdit* skinned(const QByteArray& rest = R"("attr": {})")
    {
        auto* edit = new VelQTextEdit(&host);
        edit->setGeometry(10, 10, 200, 100);
        const ::Json::Value json = parsed("{" + skin + ", " + rest + "}");
        edit->loadAttributes(&json);
        return edit;
    }

    void showAndFocus(QWidget* w)
    {
        host.show();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
        w->setFocus();
        QTRY_VERIFY(w->hasFocus());
    }

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Init();
        const QByteArray style = "{\"style\": [" + box("bg0", normalBg) + "," + box("bg1", hoverBg)
            + "," + box("bg2", focusBg) + "," + box("bg3", disabledBg) + "," + box("groove", groove)
            + "," + box("thumb", thumbYellow) + "," + box("arrow", arrowBlue)
            + R"(, {"type": 2, "name": "text0", "clr": "0000ff", "size": 15, "family": "DejaVu Sans"},
                {"type": 2, "name": "hint", "clr": "ff0000", "size": 20, "family": "DejaVu Sans"},
                {"type": 2, "name": "text2", "clr": "00ffff", "size": 17, "family": "DejaVu Sans"}]})";
        QVERIFY(LoadAppPackage(TestSupport::writeArchive(
            TestSupport::scratchPath(QStringLiteral("textedit.data")), {{"style.json", style}})));
        host.resize(400, 300);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void construction()
    {
        VelQTextEdit edit;
        QCOMPARE(edit.frameStyle(), int(QFrame::NoFrame));
        QCOMPARE(
            edit.viewport()->styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
        auto* horizontal = qobject_cast<VelQScrollBar*>(edit.horizontalScrollBar());
        auto* vertical = qobject_cast<VelQScrollBar*>(edit.verticalScrollBar());
        QVERIFY(horizontal && vertical);
        QCOMPARE(horizontal->orientation(), Qt::Horizontal);
        QCOMPARE(vertical->orientation(), Qt::Vertical);
        QVERIFY(edit.isAncestorOf(horizontal) && edit.isAncestorOf(vertical));
        // Until a scroll-bar child is parsed the bars carry no sheet.
        QVERIFY(horizontal->styleSheet().isEmpty() && vertical->styleSheet().isEmpty());
        QCOMPARE(edit.typeName(), QStringLiteral("qttext"));
        std::unique_ptr<QWidget> made(CreateControl("qttext", nullptr, nullptr));
        QVERIFY(qobject_cast<VelQTextEdit*>(made.get()));
    }

    void hintOnlyWhileEmpty()
    {
        VelQTextEdit* edit = skinned("\"attr\": {\"tip\": \"\xC4\xE3\xBA\xC3\"}");
        auto* d = static_cast<VelQTextEditImpl*>(edit->impl());
        QCOMPARE(d->tipText, QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        // The hint has its own slot, not the Hover text style.
        QCOMPARE(d->tipStyle.color, hintRed);
        QVERIFY(countNear(TestSupport::render(edit), edit->rect(), hintRed) > 20);
        showAndFocus(edit);
        QTest::keyClick(edit, Qt::Key_M);
        QCOMPARE(edit->toPlainText(), QStringLiteral("m"));
        QCOMPARE(countNear(TestSupport::render(edit), edit->rect(), hintRed), 0);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(countNear(TestSupport::render(edit), edit->rect(), hintRed) > 20);
        edit->setTipText(QString());
        QCOMPARE(countNear(TestSupport::render(edit), edit->rect(), hintRed), 0);
    }

    void backgrounds()
    {
        VelQTextEdit* edit = skinned();
        auto* d = static_cast<VelQTextEditImpl*>(edit->impl());
        QCOMPARE_PIXEL(TestSupport::render(edit), 100, 2, normalBg);
        TestSupport::sendEnter(edit);
        QCOMPARE_PIXEL(TestSupport::render(edit), 100, 2, normalBg);
        QCOMPARE(d->state, int(Normal));
        TestSupport::sendMouse(edit->viewport(), QEvent::MouseButtonPress, QPoint(50, 50),
            Qt::LeftButton, Qt::LeftButton);
        TestSupport::sendMouse(
            edit->viewport(), QEvent::MouseButtonRelease, QPoint(50, 50), Qt::LeftButton);
        showAndFocus(edit);
        QCOMPARE(d->state, int(Focused));
        QCOMPARE_PIXEL(TestSupport::render(edit), 100, 2, focusBg);
        TestSupport::sendLeave(edit);
        QCOMPARE_PIXEL(TestSupport::render(edit), 100, 2, focusBg);
        // Disabled keeps the background it had: the text edit never shows bgStyles[Disabled].
        edit->setEnabled(false);
        QCOMPARE(d->state, int(Normal));
        QCOMPARE_PIXEL(TestSupport::render(edit), 100, 2, normalBg);
    }

    void stateStyleOfTheText()
    {
        VelQTextEdit* edit = skinned(R"("attr": {"text": "MMMM"})");
        QCOMPARE(edit->toPlainText(), QStringLiteral("MMMM"));
        const QImage image = TestSupport::render(edit);
        QCOMPARE(edit->font().pixelSize(), 15);
        QVERIFY(countNear(image, edit->rect(), QColor(0, 0, 255)) > 20);
        showAndFocus(edit);
        TestSupport::render(edit);
        QCOMPARE(edit->font().pixelSize(), 17);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 255, 255));
    }

    void margins_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QMargins>("margins");
        QTest::newRow("right alone") << QByteArray(R"({"rightMargin": 4})") << QMargins(0, 0, 4, 0);
        QTest::newRow("left does not mirror")
            << QByteArray(R"({"leftMargin": 6})") << QMargins(6, 0, 0, 0);
        QTest::newRow("all four") << QByteArray(
            R"({"leftMargin": 1, "topMargin": 2, "rightMargin": 3, "bottomMargin": 4})")
                                  << QMargins(1, 2, 3, 4);
    }

    void margins()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QMargins, margins);
        VelQTextEdit* edit = skinned(R"("attr": )" + attr);
        QCOMPARE(edit->contentsMargins(), margins);
    }

    void scrollBarChildren_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::newRow("without attr") << QByteArray();
        QTest::newRow("with attr") << QByteArray(R"(, "attr": {"text": "x"})");
    }

    void scrollBarChildren()
    {
        QFETCH(QByteArray, attr);
        VelQTextEdit* edit = skinned(barChildren + attr);
        auto* vertical = static_cast<VelQScrollBar*>(edit->verticalScrollBar());
        auto* horizontal = static_cast<VelQScrollBar*>(edit->horizontalScrollBar());
        auto* v = static_cast<VelQScrollBarImpl*>(vertical->impl());
        auto* h = static_cast<VelQScrollBarImpl*>(horizontal->impl());
        QCOMPARE(v->background.color, groove);
        QCOMPARE(v->subLineStyles[3].color, arrowBlue);
        QCOMPARE(v->thumbStyles[2].color, thumbYellow);
        QCOMPARE(h->thumbStyles[1].color, thumbYellow);
        QCOMPARE(h->background.color, QColor(Qt::white));
        // "size" plays no part; the last child's thickness is on both bars.
        QCOMPARE(vertical->styleSheet(), scrollBarLongSheet(9, 9, 9));
        QCOMPARE(horizontal->styleSheet(), scrollBarLongSheet(9, 9, 9));
    }

    void skinnedBarInTheEdit()
    {
        VelQTextEdit* edit = skinned(R"("child": [{"type": "scrollbar", "w": 12,
            "style": [["groove", 0, 0], ["arrow", 0, 2], ["arrow", 0, 6], ["thumb", 0, 10]]}],
            "attr": {"text": "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15"}})");
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        auto* bar = static_cast<VelQScrollBar*>(edit->verticalScrollBar());
        QTRY_VERIFY(bar->isVisible());
        QCOMPARE(bar->width(), 12);
        // The arrows sit at the ends and leave the thumb visible.
        const QRect thumb = bar->partRect(QStyle::SC_ScrollBarSlider);
        const QRect up = bar->partRect(QStyle::SC_ScrollBarSubLine);
        const QRect down = bar->partRect(QStyle::SC_ScrollBarAddLine);
        QVERIFY(!up.intersects(thumb) && !down.intersects(thumb));
        QCOMPARE(up.top(), 0);
        QCOMPARE(down.bottom(), bar->height() - 1);
        const QImage image = TestSupport::render(bar);
        QCOMPARE_PIXEL(image, 6, thumb.center().y(), thumbYellow);
        QCOMPARE_PIXEL(image, 6, up.center().y(), arrowBlue);
        QCOMPARE_PIXEL(image, 6, down.center().y(), arrowBlue);
        // Qt hit-tests the same parts that are painted.
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, down.center());
        QCOMPARE(bar->value(), bar->singleStep());
        QWheelEvent wheel(QPointF(50, 50), QPointF(edit->mapToGlobal(QPoint(50, 50))), QPoint(),
            QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(edit->viewport(), &wheel);
        QVERIFY(bar->value() > bar->singleStep());
    }

    void samplesApplyTheNormalStyle()
    {
        VelQTextEdit* edit = skinned();
        edit->fillSamples();
        QCOMPARE(edit->font().pixelSize(), 15);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    }
};

QTEST_MAIN(tst_TextEdit)
#include "tst_textedit.moc"
