#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQLineEdit_p.h>

#include <QClipboard>
#include <QShortcut>
#include <QtTest>

using namespace VelQtLib;
using TestSupport::parsed;

Q_DECLARE_METATYPE(QMargins)

namespace {

const QColor normalBg(0, 200, 0), hoverBg(200, 0, 0), focusBg(255, 0, 255), disabledBg(90, 90, 90),
    hintRed(255, 0, 0);

QByteArray box(const char* name, QColor c)
{
    return QByteArray(R"({"type": 1, "name": ")") + name + R"(", "drawImg": false, "clr": ")"
        + QByteArray::number(c.rgba(), 16) + R"("})";
}

QImage rendered(QWidget* w)
{
    QImage image(w->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    w->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

// Pixels of image near colour inside r.
int countNear(const QImage& image, const QRect& r, QColor colour, int tolerance = 60)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += TestSupport::near(image.pixel(x, y), colour, tolerance) ? 1 : 0;
    }
    return n;
}

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

    void focus(QWidget* w)
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
            + "," + box("bg2", focusBg) + "," + box("bg3", disabledBg)
            + R"(, {"type": 2, "name": "text0", "clr": "0000ff", "size": 15, "family": "DejaVu Sans"},
                {"type": 2, "name": "hint", "clr": "ff0000", "size": 20, "family": "DejaVu Sans"},
                {"type": 2, "name": "text2", "clr": "00ffff", "size": 17, "family": "DejaVu Serif"}]})";
        QVERIFY(LoadAppPackage(TestSupport::writeArchive(
            TestSupport::scratchPath(QStringLiteral("lineedit.data")), {{"style.json", style}})));
        host.resize(400, 200);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    }

    void construction()
    {
        VelQLineEdit edit;
        QVERIFY(!edit.hasFrame());
        QCOMPARE(edit.styleSheet(), QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
        QCOMPARE(edit.typeName(), QStringLiteral("qtdedit"));
        for (const char* type : {"qtdedit", "dedit"}) {
            std::unique_ptr<QWidget> w(CreateControl(type, nullptr, nullptr));
            QVERIFY(qobject_cast<VelQLineEdit*>(w.get()));
        }
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
        QTest::newRow("F35") << int(Qt::Key_F35) << 0 << "F35";
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
        focus(edit);
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
        focus(edit);
        QTest::keyClicks(edit, QStringLiteral("ab1"));
        QCOMPARE(edit->text(), QStringLiteral("ab1"));
    }

    void passwordBlocksClipboardKeys()
    {
        VelQLineEdit* edit = skinned(R"({"ispassord": true, "text": "secret"})");
        QCOMPARE(edit->echoMode(), QLineEdit::Password);
        QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
        focus(edit);
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
        focus(edit);
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
        QCOMPARE_PIXEL(rendered(edit), 100, 2, normalBg);
        TestSupport::sendEnter(edit);
        QCOMPARE(d->state, int(Normal)); // Hover is stored as Normal once painted
        QCOMPARE_PIXEL(rendered(edit), 100, 2, normalBg);
        TestSupport::sendMouse(
            edit, QEvent::MouseButtonPress, QPoint(50, 15), Qt::LeftButton, Qt::LeftButton);
        TestSupport::sendMouse(edit, QEvent::MouseButtonRelease, QPoint(50, 15), Qt::LeftButton);
        focus(edit);
        QCOMPARE(d->state, int(Focused));
        QCOMPARE_PIXEL(rendered(edit), 100, 2, focusBg);
        TestSupport::sendEnter(edit);
        TestSupport::sendLeave(edit);
        QCOMPARE_PIXEL(rendered(edit), 100, 2, focusBg);
        TestSupport::sendEnter(edit);
        edit->clearFocus();
        QCOMPARE(d->state, int(Normal));
        QCOMPARE_PIXEL(rendered(edit), 100, 2, normalBg);
        edit->setEnabled(false);
        QCOMPARE_PIXEL(rendered(edit), 100, 2, disabledBg);
        edit->setEnabled(true);
        QCOMPARE_PIXEL(rendered(edit), 100, 2, normalBg);
        host.hide();
    }

    void stateStyleOfTheText()
    {
        VelQLineEdit* edit = skinned();
        auto* d = static_cast<VelQLineEditImpl*>(edit->impl());
        rendered(edit);
        QCOMPARE(edit->palette().color(QPalette::Active, QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(edit->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 255));
        QCOMPARE(edit->font().pixelSize(), 15);
        focus(edit);
        rendered(edit);
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(0, 255, 255));
        QCOMPARE(edit->font().pixelSize(), 17);
        QCOMPARE(edit->font().family(), QStringLiteral("DejaVu Serif"));
        d->applyStateStyle(Normal);
        QCOMPARE(edit->font().pixelSize(), 15);
        // The edited text is drawn in the state's colour.
        edit->setText(QStringLiteral("MMMM"));
        edit->clearFocus();
        QVERIFY(countNear(rendered(edit), edit->rect(), QColor(0, 0, 255)) > 20);
        host.hide();
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
        QImage image = rendered(edit);
        QVERIFY(countNear(image, QRect(40, 0, 60, 30), hintRed) > 20);
        QCOMPARE(countNear(image, QRect(0, 0, 40, 30), hintRed), 0);
        focus(edit);
        QTest::keyClick(edit, Qt::Key_X);
        image = rendered(edit);
        QCOMPARE(countNear(image, edit->rect(), hintRed), 0);
        edit->setText(QString());
        edit->setTipText(QStringLiteral("other"));
        QCOMPARE(d->tipText, QStringLiteral("other"));
        host.hide();
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
