#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <theme/Json.h>
#include <theme/StyleParser.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

class tst_StyleParser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installStrictMessageHandler(); }

    void colorNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<quint32>("value");
        QTest::newRow("argb") << QByteArray("ff112233") << 0xff112233u;
        QTest::newRow("six digits") << QByteArray("ff0000") << 0x00ff0000u;
        QTest::newRow("number sign") << QByteArray("#ffffff") << 0u;
        QTest::newRow("0x prefix") << QByteArray("0x80ff00ff") << 0x80ff00ffu;
        QTest::newRow("leading blanks") << QByteArray("  ff") << 0xffu;
        QTest::newRow("stops at non-hex") << QByteArray("12zz") << 0x12u;
        QTest::newRow("overflow") << QByteArray("123456789") << 0xffffffffu;
        QTest::newRow("far overflow") << QByteArray(40, 'f') << 0xffffffffu;
        QTest::newRow("empty") << QByteArray("") << 0u;
    }

    void colorNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(quint32, value);
        QCOMPARE(parseColorNumber(text.toStdString()), value);
    }

    void colorKinds_data()
    {
        QTest::addColumn<QByteArray>("clr");
        QTest::addColumn<QColor>("image");
        QTest::addColumn<QColor>("text");
        QTest::newRow("six digits")
            << QByteArray("ff0000") << QColor(255, 0, 0, 0) << QColor(255, 0, 0, 255);
        QTest::newRow("number sign")
            << QByteArray("#ffffff") << QColor(0, 0, 0, 0) << QColor(0, 0, 0, 255);
        QTest::newRow("eight digits") << QByteArray("80102030") << QColor(0x10, 0x20, 0x30, 0x80)
                                      << QColor(0x10, 0x20, 0x30, 255);
    }

    void colorKinds()
    {
        QFETCH(QByteArray, clr);
        QFETCH(QColor, image);
        QFETCH(QColor, text);
        const std::string record = "{\"clr\": \"" + clr.toStdString() + "\"}";
        QCOMPARE(parseImageStyle(parsed(record.c_str())).color.rgba(), image.rgba());
        QCOMPARE(parseTextStyle(parsed(record.c_str())).color.rgba(), text.rgba());
    }

    void imageStyleDefaults()
    {
        const ImageStyle s = parseImageStyle(parsed(R"({"type": 1, "name": "x"})"));
        QVERIFY(s.valid);
        QVERIFY(!s.noImage);
        QCOMPARE(s.color.rgba(), 0xffffffffu);
        QCOMPARE(s.borderColor.rgba(), 0xffffffffu);
        QCOMPARE(s.borderSize, 1);
        QVERIFY(!s.border);
        QVERIFY(s.leftBorder && s.topBorder && s.rightBorder && s.bottomBorder);
        QCOMPARE(s.round, 0);
        QVERIFY(!s.gradient);
        QVERIFY(!s.repeatCenter);
        QCOMPARE(s.sliceLeft + s.sliceTop + s.sliceRight + s.sliceBottom, 0);
    }

    void drawImgSelectsTheBox()
    {
        QVERIFY(parseImageStyle(parsed(R"({"drawImg": false})")).noImage);
        QVERIFY(!parseImageStyle(parsed(R"({"drawImg": true})")).noImage);
    }

    void margin_data()
    {
        QTest::addColumn<QByteArray>("margin");
        QTest::addColumn<QVector<int>>("tlbr"); // top, left, bottom, right
        QTest::newRow("one") << QByteArray("[4]") << QVector<int> {4, 0, 0, 0};
        QTest::newRow("four") << QByteArray("[1, 2, 3, 4]") << QVector<int> {1, 4, 3, 2};
        QTest::newRow("five") << QByteArray("[1, 2, 3, 4, 5]") << QVector<int> {1, 4, 3, 2};
        QTest::newRow("not an array") << QByteArray("\"1,2,3,4\"") << QVector<int> {0, 0, 0, 0};
        QTest::newRow("strings inside") << QByteArray(R"(["a", 2])") << QVector<int> {0, 0, 0, 2};
        QTest::newRow("too large") << QByteArray("[1e300, 2]") << QVector<int> {0, 0, 0, 2};
    }

    void margin()
    {
        QFETCH(QByteArray, margin);
        QFETCH(QVector<int>, tlbr);
        const QByteArray record = R"({"margin": )" + margin + "}";
        const ImageStyle s = parseImageStyle(parsed(record.constData()));
        QCOMPARE(s.sliceTop, tlbr[0]);
        QCOMPARE(s.sliceLeft, tlbr[1]);
        QCOMPARE(s.sliceBottom, tlbr[2]);
        QCOMPARE(s.sliceRight, tlbr[3]);
    }

    void textStyleDefaults()
    {
        const TextStyle s = parseTextStyle(parsed(R"({"type": 2, "name": "t"})"));
        QCOMPARE(s.size, 12);
        QCOMPARE(s.family, QString::fromUtf8("\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91"));
        QCOMPARE(s.vAlign, 1);
        QCOMPARE(s.hAlign, 0);
        QVERIFY(s.isHor);
        QCOMPARE(s.elideMode, int(Qt::ElideRight));
        QCOMPARE(s.color.rgba(), 0xffffffffu);
        QVERIFY(!TextStyle().color.isValid());
    }

    void familyIsGbk()
    {
        // "宋体" in GBK.
        const QByteArray record = QByteArray(R"({"family": ")") + "\xCB\xCE\xCC\xE5" + "\"}";
        QCOMPARE(parseTextStyle(parsed(record.constData())).family,
            QString::fromUtf8("\xE5\xAE\x8B\xE4\xBD\x93"));
    }

    void wrongTypesReadAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("string for int") << QByteArray(R"({"round": "5", "borderSize": "x"})");
        QTest::newRow("object for bool") << QByteArray(R"({"border": {}, "drawImg": []})");
        QTest::newRow("1e300 for int") << QByteArray(R"({"round": 1e300, "borderSize": -1e300})");
        QTest::newRow("array for colour") << QByteArray(R"({"clr": [1], "img": {}})");
        QTest::newRow("record is a number") << QByteArray("5");
    }

    void wrongTypesReadAsDefaults()
    {
        QFETCH(QByteArray, record);
        const ImageStyle s = parseImageStyle(parsed(record.constData()));
        QCOMPARE(s.round, 0);
        QCOMPARE(s.borderSize, 1);
        QVERIFY(!s.border);
        QVERIFY(!s.noImage);
        QCOMPARE(s.color.rgba(), 0xffffffffu);
        QVERIFY(s.image.isEmpty());
        const TextStyle t = parseTextStyle(parsed(record.constData()));
        QCOMPARE(t.size, 12);
    }

    void storageAndFirstWins()
    {
        CThemePackage package;
        parseStyles(package, parsed(R"([
            {"type": 1, "name": "box", "clr": "ff010101"},
            {"type": 1, "name": "box", "clr": "ff020202"},
            {"type": 2, "name": "box", "clr": "030303"},
            {"type": 2, "name": "box", "clr": "040404"},
            {"type": 3, "name": "other"},
            {"name": "untyped"},
            {"type": "1", "name": "stringtype"},
            {"type": 1, "name": "empty"},
            {"type": 1},
            7, "text", null
        ])"));
        QCOMPARE(package.imageStyles.value(QStringLiteral("box")).color.rgba(), 0xff010101u);
        QCOMPARE(package.textStyles.value(QStringLiteral("box")).color.rgb(), 0xff030303u);
        QVERIFY(!package.imageStyles.contains(QStringLiteral("other")));
        QVERIFY(!package.imageStyles.contains(QStringLiteral("untyped")));
        QVERIFY(!package.imageStyles.contains(QStringLiteral("stringtype")));
        QVERIFY(!package.imageStyles.value(QStringLiteral("empty")).valid);
        QVERIFY(package.imageStyles.contains(QString()));
        QCOMPARE(package.imageStyles.size(), 3);
    }

    void styleAsObject()
    {
        CThemePackage package;
        parseStyles(
            package, parsed(R"({"a": {"type": 2, "name": "t1"}, "b": {"type": 1, "name": "i1"}})"));
        QVERIFY(package.textStyles.contains(QStringLiteral("t1")));
        QVERIFY(package.imageStyles.contains(QStringLiteral("i1")));
    }

    void lookups()
    {
        CThemeManager& m = CThemeManager::instance();
        ImageStyle out;
        out.color = Qt::red;
        // "emptyRect" needs no package at all.
        QVERIFY(m.getImageStyle(QStringLiteral("emptyRect"), out));
        QVERIFY(!out.valid);
        QCOMPARE(out.color, QColor(Qt::red));
        out.valid = true;
        QVERIFY(m.getImageStyle(QStringLiteral("empty"), out));
        QVERIFY(!out.valid);
        out.valid = true;
        QVERIFY(!m.getImageStyle(QStringLiteral("nothing"), out));
        QVERIFY(out.valid);
        TextStyle text;
        text.size = 99;
        QVERIFY(!m.getTextStyle(QStringLiteral("nothing"), text));
        QCOMPARE(text.size, 99);
        QVERIFY(!GetTextStyle("nothing", text));
    }
};

QTEST_MAIN(tst_StyleParser)
#include "tst_styleparser.moc"
