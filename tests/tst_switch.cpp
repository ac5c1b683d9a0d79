#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQSwitch_p.h>

#include <QVariantAnimation>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor pink(255, 0, 255), cyan(0, 255, 255), blue(0, 0, 255), yellow(255, 255, 0),
    red(255, 0, 0), green(0, 160, 0);

VelQSwitchImpl* implOf(VelQSwitch& s)
{
    return static_cast<VelQSwitchImpl*>(s.impl());
}

// A 100 × 29 switch with a pink track, a cyan thumb (blue on hover, yellow when disabled) and
// red and green labels.
std::unique_ptr<VelQSwitch> styled(QWidget* parent, const QByteArray& attr = "{}")
{
    auto s = std::make_unique<VelQSwitch>(parent);
    const ::Json::Value json = parsed(R"({"w": 100, "h": 29, "style": [["pinkBox", 0, 0],
        ["blueBox", 0, 1], ["cyanBox", 0, 2], ["blueBox", 0, 3], ["yellowBox", 0, 5], ["redText", 0, 6],
        ["greenText", 0, 7]], "attr": )"
        + attr + "}");
    s->loadAttributes(&json);
    s->applyLayout();
    return s;
}

void press(QWidget* w)
{
    sendMouse(w, QEvent::MouseButtonPress, QPoint(50, 14), Qt::LeftButton, Qt::LeftButton);
}

} // namespace

class tst_Switch : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("switch.data"),
            {boxStyle("pinkBox", pink), boxStyle("cyanBox", cyan), boxStyle("blueBox", blue),
                boxStyle("yellowBox", yellow), textStyle("redText", red, 12),
                textStyle("greenText", green, 12)}));
        host.resize(300, 200);
        host.show();
    }

    void restingOn()
    {
        VelQSwitch plain(&host);
        plain.setGeometry(0, 0, 100, 29);
        auto* d = implOf(plain);
        QCOMPARE(d->thumbPos, -1);
        QVERIFY(!d->off);
        QCOMPARE(d->leftText, QStringLiteral("On"));
        QCOMPARE(d->rightText, QStringLiteral("Off"));
        render(&plain);
        QCOMPARE(d->thumbPos, 71);

        auto s = styled(&host, R"({"leftText": "On", "rightText": "Off"})");
        const QImage image = render(s.get());
        QCOMPARE_PIXEL(image, 72, 14, pink);
        QCOMPARE_PIXEL(image, 73, 2, cyan);
        QCOMPARE_PIXEL(image, 97, 26, cyan);
        QCOMPARE_PIXEL(image, 98, 14, pink);
        const QPair<int, int> label = columnsOf(image, red, 80);
        QVERIFY2(label.first >= 2 && label.second < 27,
            QByteArray::number(label.first) + " " + QByteArray::number(label.second));
        QCOMPARE(columnsOf(image, green, 80).first, -1);
    }

    void slide()
    {
        auto s = styled(&host, R"({"leftText": "On", "rightText": "Off"})");
        s->show();
        auto* d = implOf(*s);
        QVariantAnimation* animation = d->animation;
        QCOMPARE(animation->parent(), s.get());
        render(s.get());
        press(s.get());
        QVERIFY(d->animating);
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->startValue().toInt(), 71);
        QCOMPARE(animation->endValue().toInt(), 0);
        QCOMPARE(animation->duration(), 300);
        QCOMPARE(d->state, int(Pressed));

        animation->setCurrentTime(150);
        QVERIFY(qAbs(d->thumbPos - 35) <= 1);
        QImage image = render(s.get());
        QCOMPARE_PIXEL(image, 2 + d->thumbPos, 14, cyan);
        // The old label stays during the slide.
        QVERIFY(columnsOf(image, red, 80).first >= 0);

        // A second press mid-slide changes nothing.
        sendMouse(s.get(), QEvent::MouseButtonRelease, QPoint(50, 14), Qt::LeftButton);
        press(s.get());
        QCOMPARE(animation->startValue().toInt(), 71);
        QCOMPARE(animation->currentTime(), 150);

        animation->setCurrentTime(300);
        QVERIFY(!d->animating);
        QVERIFY(d->off);
        QCOMPARE(d->thumbPos, 0);
        sendMouse(s.get(), QEvent::MouseButtonRelease, QPoint(50, 14), Qt::LeftButton);
        image = render(s.get());
        QCOMPARE_PIXEL(image, 2, 2, cyan);
        QCOMPARE_PIXEL(image, 26, 26, cyan);
        QCOMPARE_PIXEL(image, 28, 14, pink);
        const QPair<int, int> label = columnsOf(image, green, 80);
        QVERIFY2(label.first >= 75 && label.second < 100, QByteArray::number(label.first));
        QCOMPARE(columnsOf(image, red, 80).first, -1);

        // And back.
        press(s.get());
        QCOMPARE(animation->startValue().toInt(), 0);
        QCOMPARE(animation->endValue().toInt(), 71);
        animation->setCurrentTime(300);
        QVERIFY(!d->off);
        QCOMPARE(d->thumbPos, 71);
    }

    void thumbLooks_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("thumb");
        QTest::newRow("normal") << "" << cyan;
        QTest::newRow("hover") << "e" << blue;
        QTest::newRow("pressed copies slot 2") << "ep" << cyan;
        QTest::newRow("disabled") << "d" << yellow;
    }

    void thumbLooks()
    {
        QFETCH(QString, sequence);
        QFETCH(QColor, thumb);
        auto s = styled(&host);
        s->show();
        play(s.get(), sequence, QPoint(50, 14));
        QCOMPARE_PIXEL(render(s.get()), 80, 14, thumb);
    }

    void attributes_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QSize>("thumb");
        QTest::addColumn<bool>("off");
        QTest::newRow("empty attr resets texts") << QByteArray("{}") << ""
                                                 << "" << QSize(25, 25) << false;
        QTest::newRow("left only shows in both states")
            << QByteArray(R"({"leftText": "Wi-Fi"})") << "Wi-Fi"
            << "Wi-Fi" << QSize(25, 25) << false;
        QTest::newRow("both") << QByteArray(R"({"leftText": "I", "rightText": "O"})") << "I"
                              << "O" << QSize(25, 25) << false;
        QTest::newRow("gbk") << QByteArray("{\"leftText\": \"\xC4\xE3\"}")
                             << QString::fromUtf8("\xE4\xBD\xA0")
                             << QString::fromUtf8("\xE4\xBD\xA0") << QSize(25, 25) << false;
        QTest::newRow("thumb and off")
            << QByteArray(R"({"thumbW": 30, "thumbH": 20, "on": 0})") << ""
            << "" << QSize(30, 20) << true;
        QTest::newRow("on as bool") << QByteArray(R"({"on": false})") << ""
                                    << "" << QSize(25, 25) << true;
        QTest::newRow("on true") << QByteArray(R"({"on": 5})") << ""
                                 << "" << QSize(25, 25) << false;
        QTest::newRow("wrong types")
            << QByteArray(R"({"leftText": [], "thumbW": "3", "on": {}})") << ""
            << "" << QSize(25, 25) << false;
    }

    void attributes()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QSize, thumb);
        QFETCH(bool, off);
        VelQSwitch s(&host);
        auto* d = implOf(s);
        const ::Json::Value first
            = parsed(R"({"attr": {"thumbW": 9, "thumbH": 9, "leftText": "x", "rightText": "y"}})");
        s.loadAttributes(&first);
        const ::Json::Value json = parsed(R"({"attr": )" + attr + "}");
        s.loadAttributes(&json);
        QCOMPARE(d->leftText, left);
        QCOMPARE(d->rightText, right);
        QCOMPARE(d->thumbSize, thumb);
        QCOMPARE(d->off, off);
    }

    void numbers()
    {
        auto s = styled(&host, R"({"margin": 4, "speed": 120, "thumbW": 20, "thumbH": 21})");
        auto* d = implOf(*s);
        const QImage image = render(s.get());
        QCOMPARE(d->thumbPos, 100 - 8 - 20);
        QCOMPARE_PIXEL(image, 76, 4, cyan);
        QCOMPARE_PIXEL(image, 95, 24, cyan);
        QCOMPARE_PIXEL(image, 96, 24, pink);
        QCOMPARE_PIXEL(image, 95, 25, pink);
        press(s.get());
        QCOMPARE(d->animation->duration(), 120);
        d->animation->setCurrentTime(120);
        QVERIFY(d->off);
        // Negative durations are not something an animation can run.
        const ::Json::Value negative = parsed(R"({"attr": {"speed": -50}})");
        s->loadAttributes(&negative);
        press(s.get());
        QCOMPARE(d->animation->duration(), 0);
        QTRY_VERIFY(!d->animating);
        QVERIFY(!d->off);
    }

    void restingThumbFollowsWidthAndDescription()
    {
        auto s = styled(&host);
        auto* d = implOf(*s);
        render(s.get());
        QCOMPARE(d->thumbPos, 71);
        s->setFixedWidth(150);
        QCOMPARE_PIXEL(render(s.get()), 123, 14, cyan);
        QCOMPARE(d->thumbPos, 121);
        const ::Json::Value offNow = parsed(R"({"attr": {"on": 0}})");
        s->loadAttributes(&offNow);
        QCOMPARE_PIXEL(render(s.get()), 3, 14, cyan);
        // A description's position wins over a slide under way.
        press(s.get());
        d->animation->setCurrentTime(100);
        const ::Json::Value onNow = parsed(R"({"attr": {"on": 1}})");
        s->loadAttributes(&onNow);
        QVERIFY(!d->animating);
        QVERIFY(!d->off);
        QCOMPARE(d->animation->state(), QAbstractAnimation::Stopped);
        render(s.get());
        QCOMPARE(d->thumbPos, 121);
    }

    void pressIsNotPassedOn()
    {
        QWidget parent(&host);
        VelQSwitch s(&parent);
        s.setGeometry(0, 0, 100, 29);
        parent.show();
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(50, 14), Qt::LeftButton, Qt::LeftButton,
            Qt::NoModifier);
        QCoreApplication::sendEvent(&s, &event);
        QVERIFY(event.isAccepted());
        QVERIFY(implOf(s)->animating);
    }
};

QTEST_MAIN(tst_Switch)
#include "tst_switch.moc"
