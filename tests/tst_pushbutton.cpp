#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQPushButton_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor normalFace(0, 200, 0), hoverFace(200, 0, 0), pressedFace(255, 0, 255),
    disabledFace(90, 90, 90), iconBlue(0, 0, 255), hotYellow(255, 255, 0), extCyan(0, 255, 255);

// A 100 × 40 button skinned with one colour per state.
std::unique_ptr<VelQPushButton> skinned(QWidget* parent, const QByteArray& attr = "{}")
{
    auto button = std::make_unique<VelQPushButton>(parent);
    const ::Json::Value json = parsed(R"({"w": 100, "h": 40, "style": [["face0", 0, 0],
        ["face1", 0, 1], ["face2", 0, 2], ["face3", 0, 3]], "attr": )"
        + attr + "}");
    button->loadAttributes(&json);
    button->applyLayout();
    return button;
}

} // namespace

class tst_PushButton : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("button.data"),
            {boxStyle("face0", normalFace), boxStyle("face1", hoverFace),
                boxStyle("face2", pressedFace), boxStyle("face3", disabledFace)},
            {{"icon.png", solidPng(iconBlue)}, {"hot.png", solidPng(hotYellow)},
                {"ext.png", solidPng(extCyan, 6, 6)}}));
        host.resize(300, 200);
    }

    void defaultLook()
    {
        VelQPushButton button(&host);
        button.resize(100, 40);
        const QImage image = render(&button);
        QCOMPARE_PIXEL(image, 50, 20, QColor(0xf5, 0xf5, 0xf5));
        QCOMPARE_PIXEL(image, 0, 0, QColor(0xcc, 0xcc, 0xcc));
        QCOMPARE(button.typeName(), QStringLiteral("qtbutton"));
        QVERIFY(button.testAttribute(Qt::WA_MouseTracking));
        QCOMPARE(button.property("impl").value<void*>(), static_cast<void*>(button.impl()));
    }

    void stateLooks_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("face");
        QTest::newRow("untouched") << "" << int(Normal) << normalFace;
        QTest::newRow("enter") << "e" << int(Hover) << hoverFace;
        QTest::newRow("enter press") << "ep" << int(Pressed) << pressedFace;
        QTest::newRow("enter press release outside") << "epo" << int(Hover) << hoverFace;
        QTest::newRow("enter press leave") << "epl" << int(Normal) << normalFace;
        QTest::newRow("enter press leave release") << "eplo" << int(Normal) << normalFace;
        QTest::newRow("disabled") << "d" << int(Disabled) << disabledFace;
        QTest::newRow("enter disable") << "ed" << int(Disabled) << disabledFace;
        QTest::newRow("enter disable enable") << "edu" << int(Normal) << normalFace;
    }

    void stateLooks()
    {
        QFETCH(QString, sequence);
        QFETCH(int, state);
        QFETCH(QColor, face);
        auto button = skinned(&host);
        button->show();
        play(button.get(), sequence, QPoint(50, 20));
        const QImage image = render(button.get());
        QCOMPARE(button->impl()->state, state);
        QCOMPARE_PIXEL(image, 50, 20, face);
    }

    void icon_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<bool>("disabled");
        QTest::addColumn<QRect>("iconRect");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("centred") << QByteArray(R"({"iconPath": "icon.png"})") << false << false
                                 << QRect(45, 15, 10, 10) << iconBlue;
        QTest::newRow("left with offsets")
            << QByteArray(R"({"iconPath": "icon.png", "iconHor": 0, "iconX": 3, "iconY": -2})")
            << false << false << QRect(3, 13, 10, 10) << iconBlue;
        QTest::newRow("right bottom")
            << QByteArray(R"({"iconPath": "icon.png", "iconHor": 2, "iconVer": 2})") << false
            << false << QRect(90, 30, 10, 10) << iconBlue;
        QTest::newRow("hot icon on hover")
            << QByteArray(R"({"iconPath": "icon.png", "hotIconPath": "hot.png"})") << true << false
            << QRect(45, 15, 10, 10) << hotYellow;
        QTest::newRow("hover without hot icon") << QByteArray(R"({"iconPath": "icon.png"})") << true
                                                << false << QRect(45, 15, 10, 10) << iconBlue;
        QTest::newRow("no icon without paths") << QByteArray(R"({"hasIcon": true})") << true
                                               << false << QRect(45, 15, 10, 10) << hoverFace;
        QTest::newRow("hasIcon false hides the icon")
            << QByteArray(R"({"iconPath": "icon.png", "hasIcon": false})") << false << false
            << QRect(45, 15, 10, 10) << normalFace;
    }

    void icon()
    {
        QFETCH(QByteArray, attr);
        QFETCH(bool, hover);
        QFETCH(bool, disabled);
        QFETCH(QRect, iconRect);
        QFETCH(QColor, colour);
        auto button = skinned(&host, attr);
        button->setDisabled(disabled);
        if (hover)
            sendEnter(button.get());
        const QImage image = render(button.get());
        QCOMPARE_PIXEL(image, iconRect.left(), iconRect.top(), colour);
        QCOMPARE_PIXEL(image, iconRect.right(), iconRect.bottom(), colour);
        QCOMPARE_PIXEL(image, iconRect.left() - 1, iconRect.top(), hover ? hoverFace : normalFace);
    }

    void disabledIconIsGray()
    {
        auto button = skinned(&host, R"({"iconPath": "icon.png", "hotIconPath": "hot.png"})");
        button->setEnabled(false);
        const QImage image = render(button.get());
        const QRgb p = image.pixel(50, 20);
        QVERIFY2(!near(p, iconBlue, 40), describe(p));
        QVERIFY2(qAbs(qRed(p) - qBlue(p)) < 60, describe(p));
    }

    void extensionArea()
    {
        auto button = skinned(&host,
            R"({"isExtBtn": true, "extWidth": 20, "extIconPath": "ext.png", "extHotIconPath": "hot.png"})");
        auto* d = static_cast<VelQPushButtonImpl*>(button->impl());
        QVERIFY(button->testAttribute(Qt::WA_MouseTracking));
        sendEnter(button.get());
        sendMouse(button.get(), QEvent::MouseMove, QPoint(80, 20));
        QVERIFY(!d->extHover);
        QImage image = render(button.get());
        QCOMPARE_PIXEL(image, 50, 20, hoverFace);
        QCOMPARE_PIXEL(image, 90, 20, hotYellow);

        sendMouse(button.get(), QEvent::MouseMove, QPoint(81, 20));
        QVERIFY(d->extHover);
        image = render(button.get());
        // The main area keeps the Normal face; only the extension shows the hover look.
        QCOMPARE_PIXEL(image, 50, 20, normalFace);
        QCOMPARE_PIXEL(image, 79, 5, normalFace);
        QCOMPARE_PIXEL(image, 81, 5, hoverFace);
        sendLeave(button.get());
        QVERIFY(d->extHover);
        image = render(button.get());
        QCOMPARE_PIXEL(image, 90, 20, extCyan);
    }

    void styleListOrder_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("hover");
        QTest::newRow("one member styles all")
            << QByteArray(R"([["face2", 0, 0]])") << pressedFace << pressedFace;
        QTest::newRow("later member overrides")
            << QByteArray(R"([["face2", 0, 0], ["face1", 0, 1]])") << pressedFace << hoverFace;
        QTest::newRow("group copy wins when later")
            << QByteArray(R"([["face1", 0, 1], ["face2", 0, 0]])") << pressedFace << pressedFace;
        QTest::newRow("missing name keeps slot")
            << QByteArray(R"([["face2", 0, 0], ["nothing", 0, 1]])") << pressedFace << pressedFace;
        QTest::newRow("bad members skipped") << QByteArray(
            R"([["face2", 0, 0], "face1", ["face1", 0], [1, 0, 1], ["face1", 0, "1"], {"a": 1}, ["face1", 0, 99]])")
                                             << pressedFace << pressedFace;
        QTest::newRow("empty paints nothing") << QByteArray(R"([["face2", 0, 0], ["empty", 0, 1]])")
                                              << pressedFace << QColor(0, 0, 0, 0);
    }

    void styleListOrder()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, hover);
        VelQPushButton button(&host);
        button.resize(100, 40);
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        button.loadAttributes(&json);
        QCOMPARE_PIXEL(paintedAlone(&button), 50, 20, normal);
        sendEnter(&button);
        QCOMPARE_PIXEL(paintedAlone(&button), 50, 20, hover);
    }

    void wrongAttrTypesAreIgnored()
    {
        auto button = skinned(&host, R"({"iconPath": 5, "hasIcon": "yes", "extWidth": "20",
            "iconHor": [], "iconX": 1e300, "text": {}, "showText": null})");
        auto* d = static_cast<VelQPushButtonImpl*>(button->impl());
        QVERIFY(d->hasIcon);
        QCOMPARE(d->extWidth, 0);
        QCOMPARE(d->iconOffset.hAlign, 1);
        QCOMPARE(d->iconOffset.dx, 0);
        QCOMPARE(button->text(), QString());
        QVERIFY(!d->showText);
    }

    void textRules()
    {
        VelQPushButton button(&host);
        const ::Json::Value withText = parsed("{\"attr\": {\"text\": \"\xC4\xE3\"}}");
        button.loadAttributes(&withText);
        QCOMPARE(button.text(), QString::fromUtf8("\xE4\xBD\xA0"));
        const ::Json::Value noAttr = parsed("{}");
        button.loadAttributes(&noAttr);
        QCOMPARE(button.text(), QString::fromUtf8("\xE4\xBD\xA0"));
        const ::Json::Value noText = parsed(R"({"attr": {}})");
        button.loadAttributes(&noText);
        QCOMPARE(button.text(), QString());
    }

    void themeElementKeepsTextAndIcon()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("theme.data")),
            {{"style.json", styleJson({boxStyle("themeFace", hoverFace)})},
                {"theme.json", R"({"elements": [{"child": [{"name": "bigButton",
                 "style": [["themeFace", 0, 0]], "attr": {"text": "themed", "iconPath": "hot.png", "txtX": 7}}]}]})"}});
        QVERIFY(LoadThemePackage(path.toUtf8().constData()));
        VelQPushButton button(&host);
        button.resize(100, 40);
        button.setText(QStringLiteral("mine"));
        button.setIconPath(QStringLiteral("icon.png"));
        button.setThemeName(QStringLiteral("bigButton"));
        auto* d = static_cast<VelQPushButtonImpl*>(button.impl());
        QCOMPARE(button.text(), QStringLiteral("mine"));
        QCOMPARE(d->iconPath, QStringLiteral("icon.png"));
        QCOMPARE(d->txtX, 7);
        QCOMPARE(d->themeName, QStringLiteral("bigButton"));
        QCOMPARE_PIXEL(render(&button), 2, 2, hoverFace);
        CThemeManager::instance().setUseThemePackage(false);
    }

    void clicksStillWork()
    {
        auto button = skinned(&host);
        button->show();
        QSignalSpy clicked(button.get(), &QPushButton::clicked);
        QTest::mouseClick(button.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QCOMPARE(clicked.count(), 1);
        button->setFocus();
        QTest::keyClick(button.get(), Qt::Key_Space);
        QCOMPARE(clicked.count(), 2);
    }
};

QTEST_MAIN(tst_PushButton)
#include "tst_pushbutton.moc"
