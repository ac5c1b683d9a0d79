#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

#include <zlib.h>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

// A PNG whose header claims the given size, with a valid header checksum.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray bytes = png(solid(1, 1, Qt::red));
    const int ihdr = bytes.indexOf("IHDR");
    qToBigEndian<quint32>(width, bytes.data() + ihdr + 4);
    qToBigEndian<quint32>(height, bytes.data() + ihdr + 8);
    const quint32 crc
        = quint32(crc32(0, reinterpret_cast<const Bytef*>(bytes.constData() + ihdr), 17));
    qToBigEndian<quint32>(crc, bytes.data() + ihdr + 17);
    return bytes;
}

QString themeArchive(
    const QString& name, const QByteArray& themeJson, const QList<Member>& extra = {})
{
    QList<Member> members {
        {"style.json", R"({"style": [{"type": 1, "name": "themed", "clr": "ff445566"}]})"}};
    if (!themeJson.isNull())
        members.append({"theme.json", themeJson});
    members += extra;
    return writeArchive(scratchPath(name), members);
}

} // namespace

class tst_ThemeManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        QVERIFY(!CThemeManager::instance().findThemeElement("anything"));
        Init();
        QBuffer bmp;
        bmp.open(QIODevice::WriteOnly);
        solid(3, 2, Qt::green).save(&bmp, "BMP");
        const QString app = writeArchive(scratchPath(QStringLiteral("app.data")),
            {{"style.json", R"({"style": [{"type": 1, "name": "appbox", "clr": "ff010203"}]})"},
                {"images/Red.png", png(solid(4, 4, Qt::red))},
                {"layouts/main.json", R"({"elements": []})"},
                {"images/huge.png", pngClaiming(65535, 65535)},
                {"images/truncated.png", png(solid(50, 50, Qt::red)).left(60)},
                {"images/bitmap.png", bmp.data()}, {"images/text.png", "this is no image"}});
        QVERIFY(LoadAppPackage(app));
    }

    void builtInImages_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QPoint>("inked");
        QTest::addColumn<QPoint>("clear");
        QTest::newRow("unselect ring") << "IDB_UNSELECT" << QPoint(8, 1) << QPoint(8, 8);
        QTest::newRow("selected disc") << "IDB_SELECTED" << QPoint(8, 8) << QPoint(4, 4);
        QTest::newRow("uncheck box") << "IDB_UNCHECK" << QPoint(1, 1) << QPoint(8, 8);
        QTest::newRow("checked tick") << "IDB_CHECKED" << QPoint(1, 8) << QPoint(3, 3);
    }

    void builtInImages()
    {
        QFETCH(QString, key);
        QFETCH(QPoint, inked);
        QFETCH(QPoint, clear);
        const QImage* image = CThemeManager::instance().getImage(key, false);
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(16, 16));
        const QRgb ink = image->pixel(inked);
        QVERIFY(qAlpha(ink) > 100);
        QVERIFY2(
            near(qRgb(qRed(ink), qGreen(ink), qBlue(ink)), QColor(204, 204, 204)), describe(ink));
        QCOMPARE(qAlpha(image->pixel(clear)), 0);
        QVERIFY(CThemeManager::instance().appPackage()->imageCache.contains(key));
    }

    void checkedTickIsDrawn()
    {
        const QImage* image
            = CThemeManager::instance().getImage(QStringLiteral("IDB_CHECKED"), false);
        int alpha = 0;
        for (int y = 10; y <= 12; ++y)
            for (int x = 5; x <= 7; ++x)
                alpha = qMax(alpha, qAlpha(image->pixel(x, y)));
        QVERIFY(alpha > 100);
    }

    void imageLookupAndCaching()
    {
        CThemeManager& m = CThemeManager::instance();
        QImage* image = m.getImage(QStringLiteral("Images\\RED.png"), false);
        QVERIFY(image);
        QCOMPARE(image->pixelColor(1, 1), QColor(Qt::red));
        QCOMPARE(m.getImage(QStringLiteral("Images\\RED.png"), false), image);
        QVERIFY(m.appPackage()->imageCache.contains(QStringLiteral("Images\\RED.png")));
        QVERIFY(!m.appPackage()->imageCache.contains(QStringLiteral("images/red.png")));
    }

    void grayVariantIsCachedBeside()
    {
        CThemeManager& m = CThemeManager::instance();
        QImage* colour = m.getImage(QStringLiteral("images/red.png"), false);
        QImage* gray = m.getImage(QStringLiteral("images/red.png"), true);
        QVERIFY(colour && gray);
        QVERIFY(colour != gray);
        QCOMPARE(m.getImage(QStringLiteral("images/red.png"), true), gray);
        QCOMPARE(m.appPackage()->imageCache.value(QStringLiteral("images/red.png_gray")), gray);
        const QRgb p = gray->pixel(1, 1);
        QVERIFY2(qAbs(qRed(p) - qGreen(p)) < 40 && qAbs(qGreen(p) - qBlue(p)) < 40, describe(p));
        QVERIFY(m.getImage(QStringLiteral("IDB_CHECKED"), true));
    }

    void badImages_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("decodes");
        QTest::newRow("absent") << "images/none.png" << false;
        QTest::newRow("claims 65535 x 65535") << "images/huge.png" << false;
        QTest::newRow("truncated png") << "images/truncated.png" << false;
        QTest::newRow("bmp behind a png name") << "images/bitmap.png" << true;
        QTest::newRow("text behind a png name") << "images/text.png" << false;
        QTest::newRow("empty path") << "" << false;
    }

    void badImages()
    {
        QFETCH(QString, path);
        QFETCH(bool, decodes);
        CThemeManager& m = CThemeManager::instance();
        QCOMPARE(m.getImage(path, false) != nullptr, decodes);
        QCOMPARE(m.getImage(path, true) != nullptr, decodes);
        QVERIFY(!m.appPackage()->imageCache.contains(path) || decodes);
    }

    void fileSystemFallback()
    {
        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QDir().mkdir(QStringLiteral("images"));
        solid(2, 2, Qt::blue).save(QStringLiteral("images/disk.png"));
        solid(3, 3, Qt::blue).save(QStringLiteral("plain.png"));
        CThemeManager& m = CThemeManager::instance();
        QImage* underImages = m.getImage(QStringLiteral("disk.png"), false);
        QImage* plain = m.getImage(QStringLiteral("plain.png"), false);
        QDir::setCurrent(previous);
        QVERIFY(underImages && plain);
        QCOMPARE(underImages->size(), QSize(2, 2));
        QCOMPARE(plain->size(), QSize(3, 3));
    }

    void findEntry()
    {
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(
            themeArchive(QStringLiteral("t0.data"), QByteArray(), {{"only/Theme.json", "{}"}})));
        const uchar* data = nullptr;
        uint size = 0;
        bool fromTheme = true;
        QVERIFY(m.findEntry(QStringLiteral("Layouts\\Main.json"), data, size, fromTheme));
        QVERIFY(!fromTheme);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(data), int(size)),
            QByteArray(R"({"elements": []})"));
        QVERIFY(m.findEntry(QStringLiteral("ONLY\\theme.JSON"), data, size, fromTheme));
        QVERIFY(fromTheme);
        QVERIFY(!m.findEntry(QStringLiteral("missing.json"), data, size, fromTheme));
        QVERIFY(!fromTheme);
    }

    void themeElements()
    {
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(themeArchive(QStringLiteral("t1.data"),
            R"({"elements": [{"child": [{"name": "qtbutton", "n": 1}, {"name": "qtbutton", "n": 2},
                                         {"name": "other"}, {"n": 3}]}]})")));
        const ::Json::Value* element = m.findThemeElement("qtbutton");
        QVERIFY(element);
        QCOMPARE((*element)["n"].asInt(), 1);
        QVERIFY(m.findThemeElement("other"));
        QVERIFY(m.findThemeElement(""));
        QVERIFY(!m.findThemeElement("QtButton"));
    }

    void badThemeJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("absent") << QByteArray();
        QTest::newRow("syntax error") << QByteArray("{\"elements\": [");
        QTest::newRow("elements is an object") << QByteArray(R"({"elements": {"child": []}})");
        QTest::newRow("elements holds a number") << QByteArray(R"({"elements": [5]})");
        QTest::newRow("child is a number") << QByteArray(R"({"elements": [{"child": 5}]})");
        QTest::newRow("child holds numbers")
            << QByteArray(R"({"elements": [{"child": [1, "x"]}]})");
        QTest::newRow("empty elements") << QByteArray(R"({"elements": []})");
        QTest::newRow("root is an array") << QByteArray("[1, 2]");
        QTest::newRow("nested 100000 deep") << QByteArray(100000, '[');
    }

    void badThemeJson()
    {
        QFETCH(QByteArray, json);
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(themeArchive(QStringLiteral("bad.data"), json)));
        QVERIFY(!m.findThemeElement("qtbutton"));
        ImageStyle s;
        m.setUseThemePackage(true);
        QVERIFY(m.getImageStyle(QStringLiteral("themed"), s));
        m.setUseThemePackage(false);
    }

    void styleLookupsFollowTheFlag()
    {
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(themeArchive(QStringLiteral("t2.data"), QByteArray())));
        ImageStyle s;
        m.setUseThemePackage(false);
        QVERIFY(m.getImageStyle(QStringLiteral("appbox"), s));
        QCOMPARE(s.color.rgba(), 0xff010203u);
        QVERIFY(!m.getImageStyle(QStringLiteral("themed"), s));
        m.setUseThemePackage(true);
        QVERIFY(m.getImageStyle(QStringLiteral("themed"), s));
        QCOMPARE(s.color.rgba(), 0xff445566u);
        QVERIFY(!m.getImageStyle(QStringLiteral("appbox"), s));
        m.setUseThemePackage(false);
    }

    void reloadReplacesTheThemePackage()
    {
        CThemeManager& m = CThemeManager::instance();
        const QByteArray blue = png(solid(5, 5, Qt::blue));
        QVERIFY(m.loadThemePackage(themeArchive(QStringLiteral("r1.data"),
            R"({"elements": [{"child": [{"name": "first"}]}]})", {{"images/t.png", blue}})));
        QImage* image = m.getImage(QStringLiteral("images/t.png"), false);
        QVERIFY(image);
        QVERIFY(m.themePackage()->imageCache.contains(QStringLiteral("images/t.png")));
        QVERIFY(!m.appPackage()->imageCache.contains(QStringLiteral("images/t.png")));

        QVERIFY(m.loadThemePackage(themeArchive(
            QStringLiteral("r2.data"), R"({"elements": [{"child": [{"name": "second"}]}]})")));
        QVERIFY(m.themePackage()->imageCache.isEmpty());
        QVERIFY(!m.findThemeElement("first"));
        QVERIFY(m.findThemeElement("second"));
        QVERIFY(!m.getImage(QStringLiteral("images/t.png"), false));
    }

    void failedThemeLoadKeepsTheCurrentTheme_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing") << scratchPath(QStringLiteral("missing.data"));
        QTest::newRow("no style.json") << writeArchive(scratchPath(QStringLiteral("nostyle.data")),
            {{"theme.json", R"({"elements": [{"child": [{"name": "third"}]}]})"}});
    }

    void failedThemeLoadKeepsTheCurrentTheme()
    {
        QFETCH(QString, path);
        CThemeManager& m = CThemeManager::instance();
        const CThemePackage* current = m.themePackage();
        QVERIFY(!m.loadThemePackage(path));
        QCOMPARE(m.themePackage(), current);
        QVERIFY(m.findThemeElement("second"));
        QVERIFY(!m.findThemeElement("third"));
    }

    void fromGbk()
    {
        QCOMPARE(CThemeManager::fromGbk("plain"), QStringLiteral("plain"));
        QCOMPARE(CThemeManager::fromGbk("\xC4\xE3\xBA\xC3"),
            QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
        QCOMPARE(CThemeManager::fromGbk(nullptr), QString());
    }
};

QTEST_MAIN(tst_ThemeManager)
#include "tst_thememanager.moc"
