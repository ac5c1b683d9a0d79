#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQCheckBox_p.h>

#include <QPainter>
#include <QtTest>

using namespace VelQtLib;
using TestSupport::parsed;

namespace {

const QColor blue(0, 0, 255), yellow(255, 255, 0), green(0, 160, 0), pink(255, 0, 255),
    orange(255, 128, 0), purple(128, 0, 255), red(255, 0, 0), cyan(0, 255, 255),
    textGray(128, 128, 128), none(0, 0, 0, 0);

QByteArray box(const char* name, QColor c)
{
    return QByteArray(R"({"type": 1, "name": ")") + name + R"(", "drawImg": false, "clr": ")"
        + QByteArray::number(c.rgba(), 16) + R"("})";
}

QByteArray textStyle(const char* name, QColor c)
{
    return QByteArray(R"({"type": 2, "name": ")") + name
        + R"(", "family": "DejaVu Sans", "size": 16, "clr": ")" + c.name().mid(1).toLatin1()
        + R"("})";
}

VelQCheckBoxImpl* implOf(VelQCheckBox& box)
{
    return static_cast<VelQCheckBoxImpl*>(box.impl());
}

// The widget's own painting over transparency.
QImage paintedAlone(QWidget* widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image.convertToFormat(QImage::Format_ARGB32);
}

// True when image shows mark with its top-left corner at at.
bool showsImage(const QImage& image, const QImage& mark, QPoint at)
{
    const QImage expected = mark.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QColor want = QColor::fromRgba(expected.pixel(x, y));
            if (!TestSupport::near(image.pixel(at.x() + x, at.y() + y), want, 4))
                return false;
        }
    }
    return true;
}

// The first column holding a pixel close to colour, or -1.
int firstColumnOf(const QImage& image, QColor colour, int tolerance = 80)
{
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (TestSupport::near(image.pixel(x, y), colour, tolerance))
                return x;
        }
    }
    return -1;
}

// A 100 × 30 check box built from element.
std::unique_ptr<VelQCheckBox> built(QWidget* parent, const QByteArray& element)
{
    auto box = std::make_unique<VelQCheckBox>(parent);
    const ::Json::Value json = parsed(element);
    box->loadAttributes(&json);
    box->setGeometry(0, 0, 100, 30);
    box->setFixedSize(100, 30);
    return box;
}

// Drives a control through a sequence: e enter, p press, d disable, c check.
void drive(VelQCheckBox* box, const QString& sequence)
{
    for (const QChar step : sequence) {
        switch (step.toLatin1()) {
        case 'e':
            TestSupport::sendEnter(box);
            break;
        case 'p':
            TestSupport::sendMouse(
                box, QEvent::MouseButtonPress, QPoint(5, 15), Qt::LeftButton, Qt::LeftButton);
            break;
        case 'd':
            box->setEnabled(false);
            break;
        case 'c':
            box->setChecked(true);
            break;
        }
    }
}

} // namespace

class tst_CheckBox : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        TestSupport::installStrictMessageHandler();
        Init();
        const QByteArray style = "{\"style\": [" + box("pinkBox", pink) + "," + box("cyanBox", cyan)
            + "," + box("blueBox", blue) + "," + textStyle("redText", red) + ","
            + textStyle("greenText", green) + "," + textStyle("grayText", textGray) + "]}";
        auto image = [](QColor c, int w = 10) {
            return TestSupport::png(TestSupport::solid(w, 10, c));
        };
        const QString path = TestSupport::writeArchive(
            TestSupport::scratchPath(QStringLiteral("checkbox.data")),
            {{"style.json", style}, {"icon.png", image(blue)}, {"hot.png", image(yellow)},
                {"sicon.png", image(green)}, {"shot.png", image(pink)}, {"dis.png", image(orange)},
                {"sdis.png", image(purple)}, {"wide.png", image(cyan, 20)}});
        QVERIFY(LoadAppPackage(path));
        host.resize(300, 200);
        host.show();
    }

    void builtInMarks()
    {
        auto box = built(&host, R"({"style": [["redText", 0, 8]], "attr": {"text": "MMMM"}})");
        CThemeManager& manager = CThemeManager::instance();
        QImage image = paintedAlone(box.get());
        QVERIFY(showsImage(image, *manager.getImage(QStringLiteral("IDB_UNCHECK"), false), {0, 7}));
        const int label = firstColumnOf(image, red);
        QVERIFY2(label >= 16 && label <= 19, QByteArray::number(label));

        QSignalSpy toggled(box.get(), &QCheckBox::toggled);
        QTest::mouseClick(box.get(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 15));
        QCOMPARE(toggled.count(), 1);
        QVERIFY(box->isChecked());
        image = paintedAlone(box.get());
        QVERIFY(showsImage(image, *manager.getImage(QStringLiteral("IDB_CHECKED"), false), {0, 7}));
        QVERIFY(
            !showsImage(image, *manager.getImage(QStringLiteral("IDB_UNCHECK"), false), {0, 7}));
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
        QTest::newRow("checked pressed") << all << "cep" << green;
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
        auto box = built(&host, R"({"attr": )" + attr + "}");
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
        auto box = built(&host,
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
        auto box = built(&host, R"({"style": [["redText", 0, 8], ["redText", 0, 9]],
            "attr": {"text": "MMMM", "iconPath": "icon.png", "siconPath": "wide.png"}})");
        box->setChecked(true);
        const QImage image = paintedAlone(box.get());
        QCOMPARE_PIXEL(image, 19, 15, cyan);
        const int first = firstColumnOf(image, red);
        QVERIFY2(first >= 10 && first <= 13, QByteArray::number(first));
        implOf(*box)->iconPath = QStringLiteral("missing.png");
        QVERIFY(firstColumnOf(paintedAlone(box.get()), red) <= 3);
    }

    void labelStyles_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("unchecked") << "" << red;
        QTest::newRow("unchecked hover") << "e" << red;
        QTest::newRow("checked") << "c" << green;
        QTest::newRow("disabled") << "d" << textGray;
        QTest::newRow("disabled checked") << "cd" << textGray;
    }

    void labelStyles()
    {
        QFETCH(QString, sequence);
        QFETCH(QColor, colour);
        auto box = built(&host, R"({"style": [["redText", 0, 8], ["greenText", 0, 9],
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
        auto box = built(&host, R"({"style": )" + style + R"(, "attr": {"showIcon": false}})");
        drive(box.get(), sequence);
        QCOMPARE_PIXEL(paintedAlone(box.get()), 50, 2, colour);
    }

    void setters()
    {
        VelQCheckBox box(&host);
        auto* d = implOf(box);
        box.setUncheckedIcon(QStringLiteral("icon.png"));
        QCOMPARE(d->iconPath, QStringLiteral("icon.png"));
        QCOMPARE(d->hotIconPath, QStringLiteral("icon.png"));
        box.setUncheckedIcon(QStringLiteral("dis.png"));
        QCOMPARE(d->hotIconPath, QStringLiteral("icon.png"));
        box.setCheckedIcon(QStringLiteral("sicon.png"));
        QCOMPARE(d->sHotIconPath, QStringLiteral("sicon.png"));

        ImageStyle pinkStyle;
        pinkStyle.color = pink;
        ImageStyle cyanStyle;
        cyanStyle.color = cyan;
        box.setUncheckedStyle(4, pinkStyle);
        box.setCheckedStyle(2, cyanStyle);
        box.setCheckedStyle(5, pinkStyle);
        box.setCheckedStyle(-1, pinkStyle);
        for (int s = 0; s < 4; ++s) {
            QCOMPARE(d->uncheckedStyles[s].color, pink);
            QCOMPARE(d->checkedStyles[s].valid, s == Pressed);
        }
        box.setShowText(false);
        QVERIFY(!d->showText);
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
        const QImage* mark
            = CThemeManager::instance().getImage(QStringLiteral("IDB_CHECKED"), false);
        QVERIFY(showsImage(image, *mark, {50, 14}));
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
        const QString path
            = TestSupport::writeArchive(TestSupport::scratchPath(QStringLiteral("theme.data")),
                {{"style.json", "{\"style\": [" + box("themeBox", cyan) + "]}"},
                    {"theme.json", R"({"elements": [{"child": [
                    {"name": "named", "style": [["themeBox", 0, 0]], "attr": {"text": "themed"}},
                    {"name": "plain", "attr": {"iconPath": "icon.png"}}]}]})"}});
        QVERIFY(LoadThemePackage(path.toUtf8().constData()));
        VelQCheckBox box(&host);
        box.setText(QStringLiteral("mine"));
        box.setThemeName(QStringLiteral("named"));
        QCOMPARE(box.text(), QStringLiteral("themed"));
        QCOMPARE(implOf(box)->uncheckedStyles[Hover].color, cyan);
        box.setThemeName(QStringLiteral("plain"));
        QCOMPARE(box.text(), QString());
        QCOMPARE(implOf(box)->hotIconPath, QStringLiteral("icon.png"));
        CThemeManager::instance().setUseThemePackage(false);
    }

    void wrongTypesAreIgnored()
    {
        auto box = built(&host, R"({"style": [["redText", "x", "8"], "grayText", [1, 2, 8]],
            "attr": {"iconPath": [], "iconHor": "1", "showIcon": [], "text": 7, "iconX": {}}})");
        auto* d = implOf(*box);
        QCOMPARE(d->iconPath, QStringLiteral("IDB_UNCHECK"));
        QCOMPARE(d->iconOffset.hAlign, 0);
        QCOMPARE(d->iconOffset.dx, 0);
        QVERIFY(d->showIcon);
        QCOMPARE(box->text(), QStringLiteral("7"));
        QVERIFY(!d->textStyles[0].color.isValid());
    }

    void behaviour()
    {
        auto box = built(&host, "{}");
        QCOMPARE(box->typeName(), QStringLiteral("qtcheckbox"));
        box->setFocus();
        QTest::keyClick(box.get(), Qt::Key_Space);
        QVERIFY(box->isChecked());
        for (const char* type : {"qtcheckbox", "checkbox"}) {
            const ::Json::Value element = parsed(QByteArray(R"({"type": ")") + type + "\"}");
            std::unique_ptr<QWidget> w(CreateFromJson(&element, &host));
            QVERIFY2(qobject_cast<VelQCheckBox*>(w.get()), type);
        }
    }
};

QTEST_MAIN(tst_CheckBox)
#include "tst_checkbox.moc"
