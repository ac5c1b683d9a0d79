#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQLineEdit_p.h>

#include <QClipboard>
#include <QShortcut>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

Q_DECLARE_METATYPE(QMargins)

namespace {

const QColor normalBg(0, 200, 0), hoverBg(200, 0, 0), focusBg(255, 0, 255), disabledBg(90, 90, 90),
    hintRed(255, 0, 0), textBlue(0, 0, 255), focusCyan(0, 255, 255);

} // namespace

class tst_LineEdit : public QObject {
    Q_OBJECT

    QWidget host;

    // A 200 x 30 edit with a background and a text style per state.
    VelQLineEdit* skinned(const QByteArray& attr = "{}")
    {
        auto* edit = built<VelQLineEdit>(&host,
            R"({"style": [["bg0", 0, 0], ["bg1", 0, 1],
            ["bg2", 0, 2], ["bg3", 0, 3], ["text0", 0, 4], ["hint", 0, 5], ["text2", 0, 6]],
            "attr": )"
                + attr + "}")
                         .release();
        edit->setGeometry(10, 10, 200, 30);
        return edit;
    }

    static VelQLineEditImpl* d(VelQLineEdit* edit) { return implOf<VelQLineEditImpl>(*edit); }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("lineedit.data"),
            {boxStyle("bg0", normalBg), boxStyle("bg1", hoverBg), boxStyle("bg2", focusBg),
                boxStyle("bg3", disabledBg), textStyle("text0", textBlue, 15),
                textStyle("hint", hintRed, 20),
                R"({"type": 2, "name": "text2", "clr": "00ffff", "size": 17, "family": "DejaVu Serif"})"}));
        host.resize(400, 200);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void keys_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier, shift = Qt::ShiftModifier;
        const QByteArray capture = R"({"shortcut": true, "text": "old"})";
        QTest::newRow("Ctrl+Shift+A")
            << capture << int(Qt::Key_A) << (ctrl | shift) << "CTRL+SHIFT+A";
        QTest::newRow("Alt+Q") << capture << int(Qt::Key_Q) << alt << "ALT+Q";
        QTest::newRow("A") << capture << int(Qt::Key_A) << 0 << "A";
        QTest::newRow("all modifiers")
            << capture << int(Qt::Key_Z) << (shift | alt | ctrl) << "CTRL+ALT+SHIFT+Z";
        QTest::newRow("F12") << capture << int(Qt::Key_F12) << 0 << "F12";
        QTest::newRow("F1 ignores modifiers") << capture << int(Qt::Key_F1) << ctrl << "F1";
        QTest::newRow("Backspace") << capture << int(Qt::Key_Backspace) << 0 << "";
        QTest::newRow("Delete") << capture << int(Qt::Key_Delete) << 0 << "";
        QTest::newRow("digit ignored") << capture << int(Qt::Key_1) << 0 << "old";
        QTest::newRow("Ctrl+digit ignored") << capture << int(Qt::Key_1) << ctrl << "old";
        QTest::newRow("arrow ignored") << capture << int(Qt::Key_Left) << 0 << "old";
        QTest::newRow("typing outside shortcut mode")
            << QByteArray(R"({"text": "ab"})") << int(Qt::Key_1) << 0 << "ab1";
        QTest::newRow("password: no paste")
            << QByteArray(R"({"ispassord": true, "text": "secret"})") << int(Qt::Key_V) << ctrl
            << "secret";
        QTest::newRow("password: typing") << QByteArray(R"({"ispassord": true, "text": "secret"})")
                                          << int(Qt::Key_X) << 0 << "secretx";
        QTest::newRow("paste") << QByteArray(R"({"ispassord": false, "text": "abc"})")
                               << int(Qt::Key_V) << ctrl << "abcpasted";
    }

    // Captured combinations replace the text, and an application shortcut on the same keys must
    // not steal them; keys that are not captured keep their meaning.
    void keys()
    {
        QFETCH(QByteArray, attr);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        VelQLineEdit* edit = skinned(attr);
        QShortcut stealer(QKeySequence(key | modifiers), &host);
        QSignalSpy stolen(&stealer, &QShortcut::activated);
        giveFocus(&host, edit);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        edit->end(false);
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), text);
        if (d(edit)->shortcutMode && text != QLatin1String("old"))
            QCOMPARE(stolen.count(), 0);
        else if (d(edit)->shortcutMode && modifiers == Qt::ControlModifier)
            QCOMPARE(stolen.count(), 1);
    }

    void clipboard_data()
    {
        QTest::addColumn<bool>("password");
        QTest::newRow("password") << true;
        QTest::newRow("normal") << false;
    }

    // A password edit has no context menu and neither selects all nor copies.
    void clipboard()
    {
        QFETCH(bool, password);
        VelQLineEdit* edit = skinned(password ? R"({"ispassord": true, "text": "secret"})"
                                              : R"({"ispassord": false, "text": "secret"})");
        QCOMPARE(edit->echoMode(), password ? QLineEdit::Password : QLineEdit::Normal);
        QCOMPARE(edit->contextMenuPolicy(), password ? Qt::NoContextMenu : Qt::DefaultContextMenu);
        giveFocus(&host, edit);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), password ? QString() : QStringLiteral("secret"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            password ? QStringLiteral("before") : QStringLiteral("secret"));
    }

    void margins_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QMargins>("margins");
        QTest::newRow("left mirrors") << QByteArray(R"({"leftMargin": 6})") << QMargins(6, 0, 6, 0);
        QTest::newRow("top mirrors") << QByteArray(R"({"topMargin": 3})") << QMargins(0, 3, 0, 3);
        QTest::newRow("all four") << QByteArray(
            R"({"leftMargin": 1, "topMargin": 2, "rightMargin": 3, "bottomMargin": 4})")
                                  << QMargins(1, 2, 3, 4);
        QTest::newRow("right alone") << QByteArray(R"({"rightMargin": 5})") << QMargins(0, 0, 5, 0);
        QTest::newRow("none resets") << QByteArray("{}") << QMargins(0, 0, 0, 0);
    }

    // Every "attr" sets the margins anew; a description without one keeps them.
    void margins()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QMargins, margins);
        VelQLineEdit* edit = skinned(R"({"leftMargin": 9, "topMargin": 9})");
        reload(*edit, R"({"attr": )" + attr + "}");
        QCOMPARE(edit->contentsMargins(), margins);
        reload(*edit, "{}");
        QCOMPARE(edit->contentsMargins(), margins);
    }

    void statesAndTextStyles()
    {
        VelQLineEdit* edit = skinned();
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), textBlue);
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text), textBlue);
        QCOMPARE(edit->font().pixelSize(), 15);
        // Hover is stored as Normal once painted.
        sendEnter(edit);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        QCOMPARE(d(edit)->state, int(Normal));
        click(edit, QPoint(50, 15));
        giveFocus(&host, edit);
        QCOMPARE(d(edit)->state, int(Focused));
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, focusBg);
        QCOMPARE(edit->palette().color(QPalette::Text), focusCyan);
        QCOMPARE(edit->font().pixelSize(), 17);
        QCOMPARE(edit->font().family(), QStringLiteral("DejaVu Serif"));
        play(edit, QStringLiteral("el"), QPoint());
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, focusBg);
        sendEnter(edit);
        edit->clearFocus();
        QCOMPARE(d(edit)->state, int(Normal));
        // The edited text is drawn in the state's colour.
        edit->setText(QStringLiteral("MMMM"));
        const QImage image = paintedAlone(edit);
        QCOMPARE_PIXEL(image, 100, 2, normalBg);
        QVERIFY(countNear(image, textBlue, 60) > 20);
        QCOMPARE(edit->font().pixelSize(), 15);
        edit->setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, disabledBg);
        edit->setEnabled(true);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        // Sample content takes the Normal style too.
        d(edit)->applyStateStyle(Focused);
        edit->fillSamples();
        QCOMPARE(edit->font().pixelSize(), 15);
        QCOMPARE(edit->palette().color(QPalette::Text), textBlue);
    }

    void hint()
    {
        // GBK bytes of 你好 as the hint.
        VelQLineEdit* edit = skinned("{\"tip\": \"\xC4\xE3\xBA\xC3\", \"leftMargin\": 40}");
        QCOMPARE(d(edit)->tipText, QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        // The hint is drawn in the Hover text style, inside the margins, until there is text.
        QImage image = paintedAlone(edit);
        QVERIFY(countNear(image, hintRed, 60, QRect(40, 0, 60, 30)) > 20);
        QCOMPARE(countNear(image, hintRed, 60, QRect(0, 0, 40, 30)), 0);
        giveFocus(&host, edit);
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(countNear(paintedAlone(edit), hintRed, 60), 0);
        edit->setTipText(QStringLiteral("other"));
        QCOMPARE(d(edit)->tipText, QStringLiteral("other"));
        // Any style member sets the hint's style anew, from the Hover slot.
        d(edit)->tipStyle = TextStyle();
        reload(*edit, R"({"style": [["bg0", 0, 99]]})");
        QCOMPARE(d(edit)->tipStyle.color, hintRed);
        d(edit)->tipStyle = TextStyle();
        reload(*edit, R"({"style": []})");
        QVERIFY(!d(edit)->tipStyle.color.isValid());
    }

    void attrText()
    {
        VelQLineEdit* edit = skinned("{\"text\": \"\xE4\xBD\xA0\"}");
        QCOMPARE(edit->text(), QString::fromUtf8("\xE4\xBD\xA0"));
        reload(*edit, R"({"attr": {"shortcut": "yes", "text": 5.5}})");
        QVERIFY(!d(edit)->shortcutMode);
    }
};

QTEST_MAIN(tst_LineEdit)
#include "tst_lineedit.moc"
