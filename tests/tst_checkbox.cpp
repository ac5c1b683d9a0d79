#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCheckBox_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor blue(0, 0, 255), yellow(255, 255, 0), green(0, 160, 0), pink(255, 0, 255),
    orange(255, 128, 0), purple(128, 0, 255), red(255, 0, 0), cyan(0, 255, 255),
    textGray(128, 128, 128), none(0, 0, 0, 0);

VelQCheckBoxImpl* d(VelQCheckBox& box)
{
    return implOf<VelQCheckBoxImpl>(box);
}

// True when image shows mark with its top-left corner at at.
bool showsImage(const QImage& image, const QImage& mark, QPoint at)
{
    const QImage expected = mark.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (!near(
                    image.pixel(at.x() + x, at.y() + y), QColor::fromRgba(expected.pixel(x, y)), 4))
                return false;
        }
    }
    return true;
}

bool showsBuiltIn(const QImage& image, const char* mark, QPoint at)
{
    return showsImage(
        image, *CThemeManager::instance().getImage(QString::fromLatin1(mark), false), at);
}

int firstColumnOf(const QImage& image, QColor colour, int tolerance = 80)
{
    return columnsOf(image, colour, tolerance).first;
}

// A 100 × 30 check box built from element.
std::unique_ptr<VelQCheckBox> box100(QWidget* parent, const QByteArray& element)
{
    auto box = built<VelQCheckBox>(parent, element);
    box->setGeometry(0, 0, 100, 30);
    box->setFixedSize(100, 30);
    return box;
}

// Drives a check box through a sequence: c checks it, the rest as play() does.
void drive(VelQCheckBox* box, const QString& sequence)
{
    if (sequence.startsWith(QLatin1Char('c')))
        box->setChecked(true);
    play(box, sequence, QPoint(5, 15));
}

} // namespace

class tst_CheckBox : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("checkbox.data"),
            {boxStyle("pinkBox", pink), boxStyle("cyanBox", cyan), boxStyle("blueBox", blue),
                textStyle("redText", red), textStyle("greenText", green),
                textStyle("grayText", textGray)},
            {{"icon.png", solidPng(blue)}, {"hot.png", solidPng(yellow)},
                {"sicon.png", solidPng(green)}, {"shot.png", solidPng(pink)},
                {"dis.png", solidPng(orange)}, {"sdis.png", solidPng(purple)},
                {"wide.png", solidPng(cyan, 20)}}));
        host.resize(300, 200);
        host.show();
    }

    void builtInMarks()
    {
        auto box = box100(&host, R"({"style": [["redText", 0, 8]], "attr": {"text": "MMMM"}})");
        QImage image = paintedAlone(box.get());
        QVERIFY(showsBuiltIn(image, "IDB_UNCHECK", {0, 7}));
        const int label = firstColumnOf(image, red);
        QVERIFY2(label >= 16 && label <= 19, QByteArray::number(label));

        QSignalSpy toggled(box.get(), &QCheckBox::toggled);
        QTest::mouseClick(box.get(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));
        QCOMPARE(toggled.count(), 1);
        QVERIFY(box->isChecked());
        image = paintedAlone(box.get());
        QVERIFY(showsBuiltIn(image, "IDB_CHECKED", {0, 7}));
        QVERIFY(!showsBuiltIn(image, "IDB_UNCHECK", {0, 7}));
    }

    void marks_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("mark");
        const QByteArray all = R"({"iconPath": "icon.png", "hotIconPath": "hot.png",
            "siconPath": "sicon.png", "sHotIconPath": "shot.png", "disableIconPath": "dis.png",
            "disableSIconPath": "sdis.png"})";
        QTest::newRow("normal") << all << "" << blue;
        QTest::newRow("hover") << all << "e" << yellow;
        QTest::newRow("pressed") << all << "ep" << blue;
        QTest::newRow("checked") << all << "c" << green;
        QTest::newRow("checked hover") << all << "ce" << pink;
        QTest::newRow("disabled, never gray") << all << "d" << orange;
        QTest::newRow("disabled checked") << all << "cd" << purple;
        QTest::newRow("disabled without disabled marks")
            << QByteArray(R"({"iconPath": "icon.png"})") << "d" << none;
        QTest::newRow("default disabled shows no mark") << QByteArray("{}") << "cd" << none;
        QTest::newRow("hover follows iconPath")
            << QByteArray(R"({"iconPath": "icon.png"})") << "e" << blue;
        QTest::newRow("hover follows an explicit built-in hover mark")
            << QByteArray(R"({"iconPath": "icon.png", "hotIconPath": "IDB_UNCHECK"})") << "e"
            << blue;
        QTest::newRow("checked hover follows siconPath")
            << QByteArray(R"({"siconPath": "sicon.png"})") << "ce" << green;
        QTest::newRow("hidden mark")
            << QByteArray(R"({"iconPath": "icon.png", "showIcon": false})") << "" << none;
    }

    void marks()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QString, sequence);
        QFETCH(QColor, mark);
        auto box = box100(&host, R"({"attr": )" + attr + "}");
        drive(box.get(), sequence);
        const QImage image = paintedAlone(box.get());
        QCOMPARE_PIXEL(image, 0, 10, mark);
        QCOMPARE_PIXEL(image, 9, 19, mark);
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QPoint>("mark");
        QTest::addColumn<int>("label");
        QTest::newRow("left centred") << QByteArray() << QPoint(0, 10) << 10;
        QTest::newRow("offsets") << QByteArray(R"("iconX": 3, "iconY": -2)") << QPoint(3, 8) << 13;
        QTest::newRow("centred mark, label from 0")
            << QByteArray(R"("iconHor": 1)") << QPoint(45, 10) << 0;
        QTest::newRow("right mark") << QByteArray(R"("iconHor": 2)") << QPoint(90, 10) << 0;
        QTest::newRow("top") << QByteArray(R"("iconVer": 0)") << QPoint(0, 0) << 10;
        QTest::newRow("bottom") << QByteArray(R"("iconVer": 2)") << QPoint(0, 20) << 10;
        QTest::newRow("hidden mark, no indent")
            << QByteArray(R"("showIcon": false)") << QPoint(-1, -1) << 0;
    }

    void placement()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QPoint, mark);
        QFETCH(int, label);
        auto box = box100(&host,
            R"({"style": [["redText", 0, 8]], "attr": {"text": "MMMM", "iconPath": "icon.png")"
                + (attr.isEmpty() ? attr : ", " + attr) + "}}");
        const QImage image = paintedAlone(box.get());
        if (mark.x() >= 0) {
            QCOMPARE_PIXEL(image, mark.x(), mark.y(), blue);
            QCOMPARE_PIXEL(image, mark.x() + 9, mark.y() + 9, blue);
        }
        const int first = firstColumnOf(image, red);
        QVERIFY2(first >= label && first <= label + 3, QByteArray::number(first));
    }

    void indentMeasuresUncheckedMark()
    {
        auto box = box100(&host, R"({"style": [["redText", 0, 8], ["redText", 0, 9]],
            "attr": {"text": "MMMM", "iconPath": "icon.png", "siconPath": "wide.png"}})");
        box->setChecked(true);
        const QImage image = paintedAlone(box.get());
        QCOMPARE_PIXEL(image, 19, 15, cyan);
        const int first = firstColumnOf(image, red);
        QVERIFY2(first >= 10 && first <= 13, QByteArray::number(first));
        d(*box)->iconPath = QStringLiteral("missing.png");
        QVERIFY(firstColumnOf(paintedAlone(box.get()), red) <= 3);
    }

    void labelStyles_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("unchecked hover") << "e" << red;
        QTest::newRow("checked") << "c" << green;
        QTest::newRow("disabled") << "d" << textGray;
        QTest::newRow("disabled checked") << "cd" << textGray;
    }

    void labelStyles()
    {
        QFETCH(QString, sequence);
        QFETCH(QColor, colour);
        auto box = box100(&host, R"({"style": [["redText", 0, 8], ["greenText", 0, 9],
            ["grayText", 0, 10]], "attr": {"text": "MMMM", "showIcon": false}})");
        drive(box.get(), sequence);
        const QImage image = paintedAlone(box.get());
        QVERIFY(firstColumnOf(image, colour, 10) >= 0);
        for (const QColor& other : {red, green, textGray}) {
            if (other != colour)
                QCOMPARE(firstColumnOf(image, other, 10), -1);
        }
    }

    void backgrounds_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("colour");
        const QByteArray groups = R"([["pinkBox", 0, 0], ["cyanBox", 0, 1], ["blueBox", 0, 4],
            ["pinkBox", 0, 7]])";
        QTest::newRow("none by default") << QByteArray("[]") << "" << none;
        QTest::newRow("unchecked normal") << groups << "" << pink;
        QTest::newRow("unchecked hover") << groups << "e" << cyan;
        QTest::newRow("unchecked disabled copies slot 0") << groups << "d" << pink;
        QTest::newRow("checked normal") << groups << "c" << blue;
        QTest::newRow("checked pressed copies slot 4") << groups << "cep" << blue;
        QTest::newRow("checked disabled") << groups << "cd" << pink;
        QTest::newRow("unknown slot ignored")
            << QByteArray(R"([["pinkBox", 0, 11], ["pinkBox", 0, -1]])") << "" << none;
    }

    void backgrounds()
    {
        QFETCH(QByteArray, style);
        QFETCH(QString, sequence);
        QFETCH(QColor, colour);
        auto box = box100(&host, R"({"style": )" + style + R"(, "attr": {"showIcon": false}})");
        drive(box.get(), sequence);
        QCOMPARE_PIXEL(paintedAlone(box.get()), 50, 2, colour);
    }

    void setters()
    {
        VelQCheckBox box(&host);
        box.setUncheckedIcon(QStringLiteral("icon.png"));
        QCOMPARE(d(box)->hotIconPath, QStringLiteral("icon.png"));
        box.setUncheckedIcon(QStringLiteral("dis.png"));
        QCOMPARE(d(box)->hotIconPath, QStringLiteral("icon.png"));
        box.setCheckedIcon(QStringLiteral("sicon.png"));
        QCOMPARE(d(box)->sHotIconPath, QStringLiteral("sicon.png"));

        ImageStyle pinkStyle;
        pinkStyle.color = pink;
        ImageStyle cyanStyle;
        cyanStyle.color = cyan;
        box.setUncheckedStyle(4, pinkStyle);
        box.setCheckedStyle(2, cyanStyle);
        box.setCheckedStyle(5, pinkStyle);
        box.setCheckedStyle(-1, pinkStyle);
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(d(box)->uncheckedStyles[s].color, pink);
            QCOMPARE(d(box)->checkedStyles[s].valid, s == Pressed);
        }
    }

    void drawsIntoCell()
    {
        // How a table view stamps its check box into a cell.
        VelQCheckBox box(&host);
        box.setShowText(false);
        box.setText(QStringLiteral("MMMM"));
        ImageStyle invisible;
        invisible.valid = false;
        box.setUncheckedStyle(4, invisible);
        box.setCheckedStyle(4, invisible);
        box.setChecked(true);
        QImage image(120, 60, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            box.impl()->draw(&painter, QRect(50, 10, 24, 24));
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        QVERIFY(showsBuiltIn(image, "IDB_CHECKED", {50, 14}));
        QCOMPARE_PIXEL(image, 49, 20, none);
        QCOMPARE_PIXEL(image, 80, 20, none);
    }

    void textRules()
    {
        VelQCheckBox box(&host);
        box.setText(QStringLiteral("mine"));
        const ::Json::Value noAttr = parsed("{}");
        box.loadAttributes(&noAttr);
        QCOMPARE(box.text(), QStringLiteral("mine"));
        const ::Json::Value gbk = parsed("{\"attr\": {\"text\": \"\xC4\xE3\"}}");
        box.loadAttributes(&gbk);
        QCOMPARE(box.text(), QString::fromUtf8("\xE4\xBD\xA0"));
        const ::Json::Value noText = parsed(R"({"attr": {}})");
        box.loadAttributes(&noText);
        QCOMPARE(box.text(), QString());
    }

    void themeElementSetsText()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("theme.data")),
            {{"style.json", styleJson({boxStyle("themeBox", cyan)})},
                {"theme.json", R"({"elements": [{"child": [
                    {"name": "named", "style": [["themeBox", 0, 0]], "attr": {"text": "themed"}},
                    {"name": "plain", "attr": {"iconPath": "icon.png"}}]}]})"}});
        QVERIFY(LoadThemePackage(path.toUtf8().constData()));
        VelQCheckBox box(&host);
        box.setText(QStringLiteral("mine"));
        box.setThemeName(QStringLiteral("named"));
        QCOMPARE(box.text(), QStringLiteral("themed"));
        QCOMPARE(d(box)->uncheckedStyles[Hover].color, cyan);
        box.setThemeName(QStringLiteral("plain"));
        QCOMPARE(box.text(), QString());
        QCOMPARE(d(box)->hotIconPath, QStringLiteral("icon.png"));
        CThemeManager::instance().setUseThemePackage(false);
    }

    void wrongTypesAreIgnored()
    {
        auto box = box100(&host, R"({"style": [["redText", "x", "8"], "grayText", [1, 2, 8]],
            "attr": {"iconPath": [], "iconHor": "1", "showIcon": [], "text": 7, "iconX": {}}})");
        QCOMPARE(d(*box)->iconPath, QStringLiteral("IDB_UNCHECK"));
        QCOMPARE(d(*box)->iconOffset.hAlign, 0);
        QCOMPARE(d(*box)->iconOffset.dx, 0);
        QVERIFY(d(*box)->showIcon);
        QCOMPARE(box->text(), QStringLiteral("7"));
        QVERIFY(!d(*box)->textStyles[0].color.isValid());
    }

    void behaviour()
    {
        auto box = box100(&host, "{}");
        box->setFocus();
        QTest::keyClick(box.get(), Qt::Key_Space);
        QVERIFY(box->isChecked());
    }
};

QTEST_MAIN(tst_CheckBox)
#include "tst_checkbox.moc"
