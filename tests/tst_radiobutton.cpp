#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQRadioButton_p.h>

#include <QButtonGroup>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor blue(0, 0, 255), yellow(255, 255, 0), green(0, 160, 0), pink(255, 0, 255),
    red(255, 0, 0), cyan(0, 255, 255), none(0, 0, 0, 0), white(255, 255, 255);

// A 100 × 30 radio button built from element.
VelQRadioButton* built(QWidget* parent, const QByteArray& element)
{
    auto* button = TestSupport::built<VelQRadioButton>(parent, element).release();
    button->setGeometry(0, 0, 100, 30);
    return button;
}

void tap(QWidget* w, QPoint release = QPoint(5, 15))
{
    click(w, QPoint(5, 15), release);
}

VelQRadioButtonImpl* implOf(VelQRadioButton& b)
{
    return TestSupport::implOf<VelQRadioButtonImpl>(b);
}

} // namespace

class tst_RadioButton : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("radio.data"),
            {boxStyle("pinkBox", pink), boxStyle("cyanBox", cyan), boxStyle("blueBox", blue),
                textStyle("redText", red, 16, R"("x": 20)"),
                textStyle("greenText", green, 16, R"("x": 20)")},
            {{"icon.png", solidPng(blue)}, {"hot.png", solidPng(yellow)},
                {"sicon.png", solidPng(green)}, {"shot.png", solidPng(pink)}}));
        host.resize(300, 200);
        host.show();
    }

    void labelOnlyByDefault()
    {
        std::unique_ptr<VelQRadioButton> button(
            built(&host, R"({"style": [["redText", 0, 8]], "attr": {"text": "MMMM"}})"));
        QImage image = paintedAlone(button.get());
        QCOMPARE_PIXEL(image, 0, 0, none);
        QCOMPARE_PIXEL(image, 5, 15, none);
        QVERIFY(holds(image, red, 80));
        // A checked radio button without a style list paints the default white box.
        button->setChecked(true);
        image = paintedAlone(button.get());
        QCOMPARE_PIXEL(image, 0, 0, white);
        QCOMPARE_PIXEL(image, 5, 15, white);
        QVERIFY(holds(image, red, 80));
    }

    void clicks_data()
    {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("toggles");
        QTest::newRow("click an unchecked one") << "1" << 1 << 2;
        QTest::newRow("click the checked one") << "0" << 0 << 0;
        QTest::newRow("click one twice") << "22" << 2 << 2;
        QTest::newRow("round") << "120" << 0 << 6;
        QTest::newRow("release outside still checks") << "1o" << 1 << 2;
    }

    void clicks()
    {
        QFETCH(QString, clicks);
        QFETCH(int, checked);
        QFETCH(int, toggles);
        QWidget parent(&host);
        parent.setGeometry(0, 0, 300, 100);
        QList<VelQRadioButton*> buttons;
        for (int i = 0; i < 3; ++i) {
            buttons.append(built(&parent, R"({"attr": {"text": "MMMM"}})"));
            buttons.last()->move(0, 30 * i);
        }
        parent.show();
        buttons[0]->setChecked(true);
        int count = 0;
        for (VelQRadioButton* b : buttons)
            connect(b, &QAbstractButton::toggled, [&count] { ++count; });
        const bool outside = clicks.endsWith(QLatin1Char('o'));
        for (const QChar c : clicks) {
            if (c.isDigit())
                tap(buttons[c.digitValue()], outside ? QPoint(200, 15) : QPoint(5, 15));
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(buttons[i]->isChecked(), i == checked);
        QCOMPARE(count, toggles);
    }

    void statesAfterClick()
    {
        std::unique_ptr<VelQRadioButton> button(built(&host, "{}"));
        button->show();
        sendEnter(button.get());
        sendMouse(
            button.get(), QEvent::MouseButtonPress, QPoint(5, 15), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(button->impl()->state, int(Pressed));
        QVERIFY(button->isDown());
        sendMouse(button.get(), QEvent::MouseButtonRelease, QPoint(5, 15), Qt::LeftButton);
        QCOMPARE(button->impl()->state, int(Hover));
        QVERIFY(button->isChecked());
    }

    void separateParentsAndGroups()
    {
        QWidget first(&host);
        QWidget second(&host);
        VelQRadioButton* a = built(&first, "{}");
        VelQRadioButton* b = built(&second, "{}");
        first.show();
        second.show();
        a->setChecked(true);
        tap(b);
        QVERIFY(a->isChecked());
        QVERIFY(b->isChecked());
        // An exclusive group spans parents.
        QButtonGroup group;
        group.addButton(a);
        group.addButton(b);
        b->setChecked(false);
        a->setChecked(true);
        tap(b);
        QVERIFY(!a->isChecked());
        QVERIFY(b->isChecked());
        tap(b);
        QVERIFY(b->isChecked());
    }

    void nonExclusiveToggles()
    {
        std::unique_ptr<VelQRadioButton> button(built(&host, "{}"));
        button->setAutoExclusive(false);
        button->show();
        tap(button.get());
        QVERIFY(button->isChecked());
        tap(button.get());
        QVERIFY(!button->isChecked());
    }

    void marks_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<QColor>("mark");
        const QByteArray all = R"("iconPath": "icon.png", "hotIconPath": "hot.png",
            "siconPath": "sicon.png", "sHotIconPath": "shot.png")";
        QTest::newRow("unchecked") << all << false << false << blue;
        QTest::newRow("unchecked hover") << all << false << true << yellow;
        QTest::newRow("checked") << all << true << false << green;
        QTest::newRow("checked hover") << all << true << true << pink;
        QTest::newRow("hover without hover marks")
            << QByteArray(R"("iconPath": "icon.png", "siconPath": "sicon.png")") << true << true
            << green;
        QTest::newRow("no marks by default") << QByteArray() << true << false << white;
        QTest::newRow("hidden") << all + R"(, "showIcon": false)" << false << false << none;
    }

    void marks()
    {
        QFETCH(QByteArray, attr);
        QFETCH(bool, checked);
        QFETCH(bool, hover);
        QFETCH(QColor, mark);
        std::unique_ptr<VelQRadioButton> button(built(&host, "{\"attr\": {" + attr + "}}"));
        button->setChecked(checked);
        if (hover)
            sendEnter(button.get());
        const QImage image = paintedAlone(button.get());
        QCOMPARE_PIXEL(image, 0, 10, mark);
        QCOMPARE_PIXEL(image, 9, 19, mark);
    }

    void disabledMarkIsGray()
    {
        std::unique_ptr<VelQRadioButton> button(built(&host,
            R"({"style": [["redText", 0, 8], ["greenText", 0, 9]], "attr": {"text": "MMMM",
                "siconPath": "sicon.png", "sHotIconPath": "shot.png", "iconHor": 2}})"));
        button->setChecked(true);
        button->setEnabled(false);
        const QImage image = paintedAlone(button.get());
        const QImage* gray = CThemeManager::instance().getImage(QStringLiteral("sicon.png"), true);
        QVERIFY(gray);
        const QRgb expected = gray->pixel(5, 5);
        QVERIFY(!near(expected, green, 30));
        QCOMPARE_PIXEL(image, 95, 15, QColor::fromRgba(expected));
        // The disabled label takes slot 9's record.
        QVERIFY(holds(image, green, 10));
        QVERIFY(!holds(image, red, 80));
    }

    void labelStyles_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("unchecked");
        QTest::addColumn<QColor>("checked");
        QTest::addColumn<QColor>("disabled");
        QTest::newRow("8 then 9") << QByteArray(R"([["redText", 0, 8], ["greenText", 0, 9]])")
                                  << red << green << green;
        QTest::newRow("9 then 8") << QByteArray(R"([["greenText", 0, 9], ["redText", 0, 8]])")
                                  << red << red << green;
        QTest::newRow("no slot 10") << QByteArray(R"([["redText", 0, 8], ["greenText", 0, 10]])")
                                    << red << red << QColor(0, 0, 0);
    }

    void labelStyles()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, unchecked);
        QFETCH(QColor, checked);
        QFETCH(QColor, disabled);
        std::unique_ptr<VelQRadioButton> button(
            built(&host, R"({"style": )" + style + R"(, "attr": {"text": "MMMM"}})"));
        QVERIFY(holds(paintedAlone(button.get()), unchecked));
        button->setChecked(true);
        QVERIFY(holds(paintedAlone(button.get()), checked));
        button->setEnabled(false);
        QVERIFY(holds(paintedAlone(button.get()), disabled));
    }

    void labelIsNotIndented()
    {
        std::unique_ptr<VelQRadioButton> button(
            built(&host, R"({"attr": {"text": "MMMM", "iconPath": "icon.png"}})"));
        implOf(*button)->textStyles[0].color = red;
        const QImage image = paintedAlone(button.get());
        const int first = columnsOf(image, red, 80).first;
        QVERIFY2(first >= 0 && first <= 2, QByteArray::number(first));
    }

    void backgrounds_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<QColor>("colour");
        const QByteArray groups = R"([["pinkBox", 0, 0], ["cyanBox", 0, 1], ["blueBox", 0, 4],
            ["empty", 0, 5]])";
        QTest::newRow("unchecked") << groups << false << false << pink;
        QTest::newRow("unchecked hover") << groups << false << true << cyan;
        QTest::newRow("checked") << groups << true << false << blue;
        QTest::newRow("checked hover emptied") << groups << true << true << none;
    }

    void backgrounds()
    {
        QFETCH(QByteArray, style);
        QFETCH(bool, checked);
        QFETCH(bool, hover);
        QFETCH(QColor, colour);
        std::unique_ptr<VelQRadioButton> button(built(&host, R"({"style": )" + style + "}"));
        button->setChecked(checked);
        if (hover)
            sendEnter(button.get());
        QCOMPARE_PIXEL(paintedAlone(button.get()), 50, 2, colour);
    }

    void attributes()
    {
        std::unique_ptr<VelQRadioButton> button(built(&host,
            R"({"attr": {"iconHor": 2, "iconVer": 0, "iconX": 3, "iconY": 4, "text": "a"}})"));
        auto* d = implOf(*button);
        QCOMPARE(d->iconOffset.hAlign, 2);
        QCOMPARE(d->iconOffset.vAlign, 0);
        const ::Json::Value keep = parsed(R"({"attr": {"iconHor": -1, "iconVer": -1}})");
        button->loadAttributes(&keep);
        QCOMPARE(d->iconOffset.hAlign, 2);
        QCOMPARE(d->iconOffset.vAlign, 0);
        QCOMPARE(d->iconOffset.dx, 3);
        QCOMPARE(button->text(), QString());
        QVERIFY(button->setUncheckedIcon(QStringLiteral("icon.png")));
        QVERIFY(button->setCheckedIcon(QStringLiteral("sicon.png")));
        QCOMPARE(d->iconPath, QStringLiteral("icon.png"));
        QCOMPARE(d->siconPath, QStringLiteral("sicon.png"));
        QVERIFY(d->hotIconPath.isEmpty());
        QVERIFY(d->sHotIconPath.isEmpty());
    }

    void pushlikeChangesNothing()
    {
        std::unique_ptr<VelQRadioButton> plain(
            built(&host, R"({"attr": {"text": "MM", "iconPath": "icon.png"}})"));
        std::unique_ptr<VelQRadioButton> pushlike(
            built(&host, R"({"attr": {"text": "MM", "iconPath": "icon.png", "pushlike": true}})"));
        QVERIFY(implOf(*pushlike)->pushlike);
        QCOMPARE(paintedAlone(pushlike.get()), paintedAlone(plain.get()));
    }
};

QTEST_MAIN(tst_RadioButton)
#include "tst_radiobutton.moc"
