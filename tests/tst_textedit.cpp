#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQTextEdit_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor normalBg(0, 200, 0), hoverBg(200, 0, 0), focusBg(255, 0, 255), disabledBg(90, 90, 90),
    hintRed(255, 0, 0);

const QByteArray skin = R"("style": [["bg0", 0, 0], ["bg1", 0, 1], ["bg2", 0, 2], ["bg3", 0, 3],
    ["text0", 0, 4], ["text2", 0, 6], ["hint", 0, 8]])";

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

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("textedit.data"),
            {boxStyle("bg0", normalBg), boxStyle("bg1", hoverBg), boxStyle("bg2", focusBg),
                boxStyle("bg3", disabledBg), textStyle("text0", QColor(0, 0, 255), 15),
                textStyle("hint", hintRed, 20), textStyle("text2", QColor(0, 255, 255), 17)}));
        host.resize(400, 300);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void hintOnlyWhileEmpty()
    {
        VelQTextEdit* edit = skinned("\"attr\": {\"tip\": \"\xC4\xE3\xBA\xC3\"}");
        auto* d = static_cast<VelQTextEditImpl*>(edit->impl());
        QCOMPARE(d->tipText, QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        // The hint has its own slot, not the Hover text style.
        QVERIFY(countNear(render(edit), hintRed, 60, edit->rect()) > 20);
        giveFocus(&host, edit);
        QTest::keyClick(edit, Qt::Key_M);
        QCOMPARE(edit->toPlainText(), QStringLiteral("m"));
        QCOMPARE(countNear(render(edit), hintRed, 60, edit->rect()), 0);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(countNear(render(edit), hintRed, 60, edit->rect()) > 20);
        edit->setTipText(QString());
        QCOMPARE(countNear(render(edit), hintRed, 60, edit->rect()), 0);
    }

    void backgrounds()
    {
        VelQTextEdit* edit = skinned();
        QCOMPARE_PIXEL(render(edit), 100, 2, normalBg);
        sendEnter(edit);
        QCOMPARE_PIXEL(render(edit), 100, 2, normalBg);
        sendMouse(edit->viewport(), QEvent::MouseButtonPress, QPoint(50, 50), Qt::LeftButton,
            Qt::LeftButton);
        sendMouse(edit->viewport(), QEvent::MouseButtonRelease, QPoint(50, 50), Qt::LeftButton);
        giveFocus(&host, edit);
        QCOMPARE_PIXEL(render(edit), 100, 2, focusBg);
        sendLeave(edit);
        QCOMPARE_PIXEL(render(edit), 100, 2, focusBg);
        // Disabled keeps the background it had: the text edit never shows bgStyles[Disabled].
        edit->setEnabled(false);
        QCOMPARE_PIXEL(render(edit), 100, 2, normalBg);
    }

    // Samples, as the text before any paint, take the normal text style; focus the focused one.
    void stateStyleOfTheText()
    {
        VelQTextEdit* edit = skinned(R"("attr": {"text": "MMMM"})");
        QCOMPARE(edit->toPlainText(), QStringLiteral("MMMM"));
        edit->fillSamples();
        QCOMPARE(edit->font().pixelSize(), 15);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
        QVERIFY(countNear(render(edit), QColor(0, 0, 255), 60, edit->rect()) > 20);
        giveFocus(&host, edit);
        render(edit);
        QCOMPARE(edit->font().pixelSize(), 17);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 255, 255));
    }

    void margins()
    {
        const QList<QPair<QByteArray, QMargins>> rows = {{R"("rightMargin": 4)", {0, 0, 4, 0}},
            {R"("leftMargin": 6)", {6, 0, 0, 0}}, // the left does not mirror
            {R"("leftMargin": 1, "topMargin": 2, "rightMargin": 3, "bottomMargin": 4)",
                {1, 2, 3, 4}}};
        for (const auto& [attr, margins] : rows)
            QCOMPARE(skinned(R"("attr": {)" + attr + "}")->contentsMargins(), margins);
    }
};

QTEST_MAIN(tst_TextEdit)
#include "tst_textedit.moc"
