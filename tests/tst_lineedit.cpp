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
    hintRed(255, 0, 0);

} // namespace

class tst_LineEdit : public QObject {
    Q_OBJECT

    QWidget host;

    // A 200 x 30 edit with a background and a text style per state.
    VelQLineEdit* skinned(const QByteArray& attr = "{}")
    {
        auto* edit = new VelQLineEdit(&host);
        edit->setGeometry(10, 10, 200, 30);
        const ::Json::Value json = parsed(R"({"style": [["bg0", 0, 0], ["bg1", 0, 1],
            ["bg2", 0, 2], ["bg3", 0, 3], ["text0", 0, 4], ["hint", 0, 5], ["text2", 0, 6]],
            "attr": )"
            + attr + "}");
        edit->loadAttributes(&json);
        return edit;
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("lineedit.data"),
            {boxStyle("bg0", normalBg), boxStyle("bg1", hoverBg), boxStyle("bg2", focusBg),
                boxStyle("bg3", disabledBg), textStyle("text0", QColor(0, 0, 255), 15),
                textStyle("hint", hintRed, 20),
                R"({"type": 2, "name": "text2", "clr": "00ffff", "size": 17, "family": "DejaVu Serif"})"}));
        host.resize(400, 200);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void shortcutCapture_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        const int ctrl = Qt::ControlModifier, alt = Qt::AltModifier, shift = Qt::ShiftModifier;
        QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << (ctrl | shift) << "CTRL+SHIFT+A";
        QTest::newRow("Alt+Q") << int(Qt::Key_Q) << alt << "ALT+Q";
        QTest::newRow("A") << int(Qt::Key_A) << 0 << "A";
        QTest::newRow("all modifiers")
            << int(Qt::Key_Z) << (shift | alt | ctrl) << "CTRL+ALT+SHIFT+Z";
        QTest::newRow("F12") << int(Qt::Key_F12) << 0 << "F12";
        QTest::newRow("F1 ignores modifiers") << int(Qt::Key_F1) << ctrl << "F1";
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "";
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "";
        QTest::newRow("digit ignored") << int(Qt::Key_1) << 0 << "old";
        QTest::newRow("Ctrl+digit ignored") << int(Qt::Key_1) << ctrl << "old";
        QTest::newRow("arrow ignored") << int(Qt::Key_Left) << 0 << "old";
    }

    void shortcutCapture()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        VelQLineEdit* edit = skinned(R"({"shortcut": true, "text": "old"})");
        // An application shortcut on the same keys must not steal a captured combination.
        QShortcut stealer(QKeySequence(key | modifiers), &host);
        QSignalSpy stolen(&stealer, &QShortcut::activated);
        giveFocus(&host, edit);
        QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit->text(), text);
        // Keys that are not captured keep their meaning for the application.
        if (text != QLatin1String("old"))
            QCOMPARE(stolen.count(), 0);
        else if (modifiers == Qt::ControlModifier)
            QCOMPARE(stolen.count(), 1);
    }

    void typingOutsideShortcutMode()
    {
        VelQLineEdit* edit = skinned();
        giveFocus(&host, edit);
        QTest::keyClicks(edit, QStringLiteral("ab1"));
        QCOMPARE(edit->text(), QStringLiteral("ab1"));
    }

    void passwordBlocksClipboardKeys()
    {
        VelQLineEdit* edit = skinned(R"({"ispassord": true, "text": "secret"})");
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
        giveFocus(&host, edit);
        QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("secret"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!edit->hasSelectedText());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pasted"));
        // Typing still works.
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_X);
        QCOMPARE(edit->text(), QStringLiteral("secretx"));
    }

    void normalModeKeepsClipboardKeys()
    {
        VelQLineEdit* edit = skinned(R"({"ispassord": false, "text": "abc"})");
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->contextMenuPolicy(), Qt::DefaultContextMenu);
        giveFocus(&host, edit);
        QGuiApplication::clipboard()->setText(QStringLiteral("X"));
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("abcX"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QStringLiteral("abcX"));
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

    void margins()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QMargins, margins);
        VelQLineEdit* edit = skinned(R"({"leftMargin": 9, "topMargin": 9})");
        const ::Json::Value json = parsed(R"({"attr": )" + attr + "}");
        edit->loadAttributes(&json);
        QCOMPARE(edit->contentsMargins(), margins);
        // Without "attr" the margins stay.
        const ::Json::Value none = parsed("{}");
        edit->loadAttributes(&none);
        QCOMPARE(edit->contentsMargins(), margins);
    }

    void backgrounds()
    {
        VelQLineEdit* edit = skinned();
        auto* d = static_cast<VelQLineEditImpl*>(edit->impl());
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        sendEnter(edit);
        // Hover is stored as Normal once painted.
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        QCOMPARE(d->state, int(Normal));
        sendMouse(edit, QEvent::MouseButtonPress, QPoint(50, 15), Qt::LeftButton, Qt::LeftButton);
        sendMouse(edit, QEvent::MouseButtonRelease, QPoint(50, 15), Qt::LeftButton);
        giveFocus(&host, edit);
        QCOMPARE(d->state, int(Focused));
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, focusBg);
        sendEnter(edit);
        sendLeave(edit);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, focusBg);
        sendEnter(edit);
        edit->clearFocus();
        QCOMPARE(d->state, int(Normal));
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
        edit->setEnabled(false);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, disabledBg);
        edit->setEnabled(true);
        QCOMPARE_PIXEL(paintedAlone(edit), 100, 2, normalBg);
    }

    void stateStyleOfTheText()
    {
        VelQLineEdit* edit = skinned();
        auto* d = static_cast<VelQLineEditImpl*>(edit->impl());
        paintedAlone(edit);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(edit->font().pixelSize(), 15);
        giveFocus(&host, edit);
        paintedAlone(edit);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 255, 255));
        QCOMPARE(edit->font().pixelSize(), 17);
        QCOMPARE(edit->font().family(), QStringLiteral("DejaVu Serif"));
        d->applyStateStyle(Normal);
        QCOMPARE(edit->font().pixelSize(), 15);
        // The edited text is drawn in the state's colour.
        edit->setText(QStringLiteral("MMMM"));
        edit->clearFocus();
        QVERIFY(countNear(paintedAlone(edit), QColor(0, 0, 255), 60, edit->rect()) > 20);
    }

    void samplesApplyTheNormalStyle()
    {
        VelQLineEdit* edit = skinned();
        edit->fillSamples();
        QCOMPARE(edit->font().pixelSize(), 15);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 0, 255));
    }

    void hint()
    {
        // GBK bytes of 你好 as the hint.
        VelQLineEdit* edit = skinned("{\"tip\": \"\xC4\xE3\xBA\xC3\", \"leftMargin\": 40}");
        auto* d = static_cast<VelQLineEditImpl*>(edit->impl());
        QCOMPARE(d->tipText, QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        // The hint is drawn in the Hover text style, inside the margins.
        QCOMPARE(d->tipStyle.color, QColor(hintRed));
        QImage image = paintedAlone(edit);
        QVERIFY(countNear(image, hintRed, 60, QRect(40, 0, 60, 30)) > 20);
        QCOMPARE(countNear(image, hintRed, 60, QRect(0, 0, 40, 30)), 0);
        giveFocus(&host, edit);
        QTest::keyClick(edit, Qt::Key_X);
        image = paintedAlone(edit);
        QCOMPARE(countNear(image, hintRed, 60, edit->rect()), 0);
        edit->setText(QString());
        edit->setTipText(QStringLiteral("other"));
        QCOMPARE(d->tipText, QStringLiteral("other"));
    }

    void hintStyleFollowsEveryMember()
    {
        VelQLineEdit* edit = skinned();
        auto* d = static_cast<VelQLineEditImpl*>(edit->impl());
        d->tipStyle = TextStyle();
        const ::Json::Value unknownSlot = parsed(R"({"style": [["bg0", 0, 99]]})");
        edit->loadAttributes(&unknownSlot);
        QCOMPARE(d->tipStyle.color, QColor(hintRed));
        d->tipStyle = TextStyle();
        const ::Json::Value empty = parsed(R"({"style": []})");
        edit->loadAttributes(&empty);
        QVERIFY(!d->tipStyle.color.isValid());
    }

    void attrText()
    {
        VelQLineEdit* edit = skinned("{\"text\": \"\xE4\xBD\xA0\"}");
        QCOMPARE(edit->text(), QString::fromUtf8("\xE4\xBD\xA0"));
        const ::Json::Value none = parsed(R"({"attr": {"shortcut": "yes", "text": 5.5}})");
        edit->loadAttributes(&none);
        QVERIFY(!static_cast<VelQLineEditImpl*>(edit->impl())->shortcutMode);
    }
};

QTEST_MAIN(tst_LineEdit)
#include "tst_lineedit.moc"
