#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQLCDNumber_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor panel(40, 40, 40);

} // namespace

class tst_LCDNumber : public QObject {
    Q_OBJECT

    std::unique_ptr<VelQLCDNumber> lcd(const QByteArray& attr)
    {
        auto number = std::make_unique<VelQLCDNumber>();
        number->resize(120, 40);
        const ::Json::Value json
            = parsed(R"({"style": [["panel", 0, 0], ["panel", 0, 1]], "attr": )" + attr + "}");
        number->loadAttributes(&json);
        return number;
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("lcd.data"), {boxStyle("panel", panel)}));
    }

    void construction()
    {
        VelQLCDNumber number;
        QCOMPARE(number.frameStyle(), 0);
        QCOMPARE(number.palette().color(QPalette::Window).alpha(), 0);
    }

    void digitColour_data()
    {
        QTest::addColumn<QByteArray>("color");
        QTest::addColumn<QColor>("digits");
        QTest::newRow("green") << QByteArray("65280") << QColor(0, 255, 0);
        QTest::newRow("alpha ignored") << QByteArray("16776960") << QColor(255, 255, 0);
        QTest::newRow("opaque blue beyond int") << QByteArray("4278190335") << QColor(0, 0, 255);
        QTest::newRow("negative reads as its bits")
            << QByteArray("-16711681") << QColor(0, 255, 255);
    }

    void digitColour()
    {
        QFETCH(QByteArray, color);
        QFETCH(QColor, digits);
        auto number = lcd(R"({"digitCount": 3, "color": )" + color + R"(, "text": "88"})");
        auto* d = static_cast<VelQLCDNumberImpl*>(number->impl());
        QCOMPARE(d->color, digits);
        QCOMPARE(number->digitCount(), 3);
        const QImage image = render(number.get());
        QVERIFY(countNear(image, digits, 30) > 50);
        QVERIFY(countNear(image, panel, 30) > 1000);
        // The digits keep their colour while the window is inactive (as it is here), but not
        // when the number is disabled.
        QCOMPARE(number->palette().brush(QPalette::Active, QPalette::WindowText).color(), digits);
        QCOMPARE(number->palette().brush(QPalette::Inactive, QPalette::WindowText).color(), digits);
        QVERIFY(
            number->palette().brush(QPalette::Disabled, QPalette::WindowText).color() != digits);
    }

    void textGoesToDisplayUnchanged()
    {
        auto number = lcd(R"({"text": "12.5"})");
        QCOMPARE(number->value(), 12.5);
        auto word = lcd(R"({"text": "A-b"})");
        QCOMPARE(word->value(), 0.0);
        // Without a colour the digits take the invalid colour's brush.
        auto* d = static_cast<VelQLCDNumberImpl*>(word->impl());
        QVERIFY(!d->color.isValid());
        render(word.get());
        QVERIFY(!word->palette().brush(QPalette::Active, QPalette::WindowText).color().isValid());
    }

    void badValuesAreIgnored()
    {
        auto number = lcd(R"({"digitCount": "many", "color": "red", "text": 7})");
        QCOMPARE(number->digitCount(), 5);
        QVERIFY(!static_cast<VelQLCDNumberImpl*>(number->impl())->color.isValid());
    }
};

QTEST_MAIN(tst_LCDNumber)
#include "tst_lcdnumber.moc"
