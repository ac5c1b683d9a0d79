// Broken and hostile packages, style records and descriptions that reach across subsystems:
// each must load what is sound, skip the rest, stay within time and memory, and never crash.
#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QIcon>
#include <QPainter>
#include <QtEndian>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <zlib.h>

#include <limits>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QByteArray minimalStyle = R"({"style": [{"type": 1, "name": "bg", "clr": "ff112233"}]})";

// A stored ZIP: one local header and data for "bomb0000", central entries that all point at
// it under other names of the same length, and the end record. The declared CRC is wrong, so
// every entry inflates in full and then fails its check.
QByteArray overlappingArchive(int entries, const QByteArray& payload)
{
    QByteArray compressed(int(compressBound(uLong(payload.size()))), '\0');
    z_stream z {};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(payload.constData()));
    z.avail_in = uInt(payload.size());
    z.next_out = reinterpret_cast<Bytef*>(compressed.data());
    z.avail_out = uInt(compressed.size());
    deflate(&z, Z_FINISH);
    compressed.resize(int(z.total_out));
    deflateEnd(&z);

    auto u16 = [](QByteArray& a, quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        a.append(b, 2);
    };
    auto u32 = [](QByteArray& a, quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        a.append(b, 4);
    };
    const quint32 badCrc = 0x12345678;
    QByteArray zip;
    u32(zip, 0x04034b50);
    u16(zip, 20);
    u16(zip, 0);
    u16(zip, 8);
    u32(zip, 0);
    u32(zip, badCrc);
    u32(zip, quint32(compressed.size()));
    u32(zip, quint32(payload.size()));
    u16(zip, 8);
    u16(zip, 0);
    zip += "bomb0000";
    zip += compressed;
    const quint32 centralStart = quint32(zip.size());
    for (int i = 0; i < entries; ++i) {
        u32(zip, 0x02014b50);
        u16(zip, 20);
        u16(zip, 20);
        u16(zip, 0);
        u16(zip, 8);
        u32(zip, 0);
        u32(zip, badCrc);
        u32(zip, quint32(compressed.size()));
        u32(zip, quint32(payload.size()));
        u16(zip, 8);
        u16(zip, 0);
        u16(zip, 0);
        u16(zip, 0);
        u16(zip, 0);
        u32(zip, 0);
        u32(zip, 0);
        zip += QByteArray("bomb") + QByteArray::number(i).rightJustified(4, '0');
    }
    const quint32 centralSize = quint32(zip.size()) - centralStart;
    u32(zip, 0x06054b50);
    u16(zip, 0);
    u16(zip, 0);
    u16(zip, quint16(entries));
    u16(zip, quint16(entries));
    u32(zip, centralSize);
    u32(zip, centralStart);
    u16(zip, 0);
    return zip;
}

// A PNG of width x height transparent pixels, its rows deflated one at a time.
QByteArray blankPng(quint32 width, quint32 height)
{
    auto chunk = [](const char* type, const QByteArray& data) {
        QByteArray body = QByteArray(type) + data;
        char length[4];
        char crc[4];
        qToBigEndian<quint32>(quint32(data.size()), length);
        qToBigEndian<quint32>(
            quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))),
            crc);
        return QByteArray(length, 4) + body + QByteArray(crc, 4);
    };
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8;
    header[9] = 6;
    const QByteArray row(int(1 + 4 * width), '\0');
    QByteArray compressed;
    z_stream z {};
    deflateInit(&z, Z_BEST_COMPRESSION);
    char out[1 << 16];
    for (quint32 y = 0; y <= height; ++y) {
        const bool last = y == height;
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(row.constData()));
        z.avail_in = last ? 0 : uInt(row.size());
        do {
            z.next_out = reinterpret_cast<Bytef*>(out);
            z.avail_out = sizeof out;
            deflate(&z, last ? Z_FINISH : Z_NO_FLUSH);
            compressed.append(out, int(sizeof out - z.avail_out));
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", compressed)
        + chunk("IEND", QByteArray());
}

// An icon whose directory states 16 x 16 for the one image it holds.
QByteArray iconHolding(const QByteArray& image)
{
    QByteArray icon(22, '\0');
    auto* d = reinterpret_cast<uchar*>(icon.data());
    qToLittleEndian<quint16>(1, d + 2);
    qToLittleEndian<quint16>(1, d + 4);
    d[6] = d[7] = 16;
    qToLittleEndian<quint16>(1, d + 10);
    qToLittleEndian<quint16>(32, d + 12);
    qToLittleEndian<quint32>(quint32(image.size()), d + 14);
    qToLittleEndian<quint32>(22, d + 18);
    return icon + image;
}

std::unique_ptr<CThemePackage> loadBytes(const QString& name, const QByteArray& bytes, bool* ok)
{
    const QString path = scratchPath(name);
    writeFile(path, bytes);
    auto package = std::make_unique<CThemePackage>();
    package->path = path;
    *ok = package->load();
    return package;
}

bool loadTheme(const QString& name, const QByteArray& style, const QByteArray& main)
{
    return loadThemePackage(
        name, {{"style.json", style}, {"theme.json", main}, {"main.json", main}});
}

// Loads a theme whose style records, window root keys, elements of every registered type and every
// "attr" key the controls read all hold one wrongly typed value; expected counts the elements
// that must still be built.
bool loadWrongTypeTheme(const QByteArray& value, int& expected)
{
    const QByteArray styleKeys[] = {"drawImg", "clr", "borderclr", "round", "borderSize", "border",
        "leftBorder", "topBorder", "rightBorder", "bottomBorder", "img", "margin", "repeatLeft",
        "repeatRight", "repeatTop", "repeatBottom", "repeatCenter", "bold", "italic", "size",
        "underline", "family", "x", "y", "isHor", "hor", "ver"};
    QByteArray style = R"({"style": [)";
    for (const char* type : {"1", "2", "null"}) {
        style += QByteArray(type[0] == '1' ? "" : ",") + R"({"type": )" + type + R"(, "name": )"
            + value;
        for (const QByteArray& key : styleKeys)
            style += ", \"" + key + "\": " + value;
        style += "}";
    }
    style += R"(, )" + value + "]}";

    const QByteArray elementKeys[]
        = {"name", "tooltip", "visibility", "enable", "x", "y", "w", "h", "theme", "style"};
    const QByteArray layoutKeys[] = {"type", "x", "y", "r", "b", "hor", "ver", "wType", "hType"};
    const QByteArray attrKeys[] = {"text", "tip", "theme", "iconPath", "hotIconPath", "siconPath",
        "sHotIconPath", "disableIconPath", "disableSIconPath", "extIconPath", "extHotIconPath",
        "path", "upicon", "downicon", "thumbicon", "showIcon", "showText", "hasIcon", "isExtBtn",
        "extWidth", "iconHor", "iconVer", "iconX", "iconY", "txtX", "txtY", "min", "max", "val",
        "on", "speed", "space", "itemSize", "itemSpace", "childLayout", "digitCount", "isHor",
        "ispassord", "pushlike", "shortcut", "size", "hor", "margin", "fill", "color",
        "channelSize", "thumbW", "thumbH", "leftText", "rightText", "leftMargin", "topMargin",
        "rightMargin", "bottomMargin"};
    QByteArray layout = "{";
    for (const QByteArray& key : layoutKeys)
        layout += QByteArray(layout.size() > 1 ? ", " : "") + "\"" + key + "\": " + value;
    layout += "}";
    QByteArray attr = "{";
    for (const QByteArray& key : attrKeys)
        attr += QByteArray(attr.size() > 1 ? ", " : "") + "\"" + key + "\": " + value;
    attr += "}";

    expected = 0;
    QByteArray elements;
    for (const std::string& type : ListedControls()) {
        QByteArray element = R"({"type": ")" + QByteArray::fromStdString(type) + "\"";
        for (const QByteArray& key : elementKeys)
            element += ", \"" + key + "\": " + value;
        element += ", \"layout\": " + layout + ", \"attr\": " + attr;
        // A scroll-bar child entry with the same values.
        element += R"(, "child": [{"type": "scrollbar", "w": )" + value + R"(, "attr": )" + attr
            + R"(, "style": )" + value + "}]}";
        elements += (elements.isEmpty() ? "" : ", ") + element;
        if (type != "qtscrollbar")
            ++expected;
    }
    QByteArray root = "{";
    for (const char* key : {"w", "h", "trans", "drag", "resize", "minH", "minW", "onlyDragCaption"})
        root += "\"" + QByteArray(key) + "\": " + value + ", ";
    root += R"("elements": [)" + elements + "]}";

    return loadTheme(QStringLiteral("types.data"), style, root);
}

} // namespace

class tst_HostileInputs : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
    }

    // First, while the process's peak memory is still low enough to show a huge allocation.
    void verticalTextInAHugeBoxStaysSmall()
    {
        TextStyle style;
        style.isHor = false;
        style.color = Qt::magenta;
        style.size = 40;
        style.hAlign = 0;
        style.vAlign = 0;
        QImage canvas(60, 60, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        rusage before {};
        getrusage(RUSAGE_SELF, &before);
        {
            QPainter painter(&canvas);
            // A 20000 x 20000 box would once have needed a 1.6 GB image per paint.
            VelQControlBaseImpl::drawStyledText(
                &painter, QStringLiteral("WWW"), style, QRect(-19950, 0, 20000, 20000), false);
        }
        rusage after {};
        getrusage(RUSAGE_SELF, &after);
        QVERIFY2(after.ru_maxrss - before.ru_maxrss < 100 * 1024,
            qPrintable(QString::number(after.ru_maxrss - before.ru_maxrss)));
        // The text's first line runs down the box's right edge, inside the canvas.
        QVERIFY(holds(canvas, Qt::magenta, 80, QRect(0, 0, 50, 60)));
    }

    void paintersTakeAnyInt_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("INT_MAX") << std::numeric_limits<int>::max();
        QTest::newRow("INT_MIN") << std::numeric_limits<int>::min();
        QTest::newRow("2^24") << (1 << 24);
        QTest::newRow("-1") << -1;
    }

    // Every number a painter reads from a record or its caller at one extreme.
    void paintersTakeAnyInt()
    {
        QFETCH(int, value);
        QVERIFY(loadThemePackage(QStringLiteral("ints.data"),
            {{"style.json", minimalStyle}, {"images/nine.png", solidPng(Qt::red, 9, 9)}}));
        ImageStyle box;
        box.borderSize = box.round = value;
        box.leftBorder = false;
        ImageStyle nine;
        nine.noImage = false;
        nine.image = QStringLiteral("images/nine.png");
        nine.sliceLeft = nine.sliceTop = value;
        nine.sliceRight = nine.sliceBottom = 3;
        nine.repeatCenter = true;
        TextStyle text;
        text.offsetX = text.offsetY = value;
        text.vAlign = 2;
        const ImageOffset offset {value, value, 1, 2};
        QImage canvas(40, 40, QImage::Format_ARGB32);
        QPainter p(&canvas);
        // Plain numbers: a QRect itself could not hold the far edge of the second box.
        const int boxes[][4] = {{0, 0, 40, 40}, {value, value, value, value}, {0, 0, value, 9}};
        using Impl = VelQControlBaseImpl;
        for (const auto& b : boxes) {
            Impl::drawImageStyle(&p, box, b[0], b[1], b[2], b[3]);
            box.round = 0;
            Impl::drawImageStyle(&p, box, b[0], b[1], b[2], b[3]);
            Impl::drawImageStyle(&p, nine, b[0], b[1], b[2], b[3]);
            for (bool isHor : {true, false})
                Impl::drawStyledText(
                    &p, QStringLiteral("text"), text, b[0], b[1], b[2], b[3], isHor);
            Impl::drawAlignedImage(&p, nine.image, offset, b[0], b[1], b[2], b[3], true);
        }
        Impl::drawAlignedIcon(
            &p, QIcon(QPixmap(4, 4)), QSize(value, 8), offset, QRect(0, 0, 40, 40));
    }

    void imageFallbackReadsOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("pipe") << scratchPath(QStringLiteral("pipe.png"));
        QTest::newRow("endless device") << QStringLiteral("/dev/zero");
        QTest::newRow("folder") << scratch().path();
    }

    // A path named by a package that leads to a pipe would block the reader for ever.
    void imageFallbackReadsOnlyRegularFiles()
    {
        QFETCH(QString, path);
        const QString pipe = scratchPath(QStringLiteral("pipe.png"));
        if (!QFile::exists(pipe))
            QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!CThemeManager::instance().getImage(path, false));
        QVERIFY(!CThemeManager::instance().getImage(path, true));
    }

    void iconHidingAHugeImage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decodes");
        QBuffer small;
        small.open(QIODevice::WriteOnly);
        solid(16, 16, Qt::red).save(&small, "ICO");
        QTest::newRow("ordinary icon") << small.data() << true;
        // 9000 x 9000 decodes to 324 MB, past the 256 MiB limit the directory's size hides.
        QTest::newRow("png inside") << iconHolding(blankPng(9000, 9000)) << false;
        QByteArray bitmap(40, '\0');
        qToLittleEndian<quint32>(40, bitmap.data());
        qToLittleEndian<qint32>(20000, bitmap.data() + 4);
        qToLittleEndian<qint32>(40000, bitmap.data() + 8);
        qToLittleEndian<quint16>(1, bitmap.data() + 12);
        qToLittleEndian<quint16>(32, bitmap.data() + 14);
        QTest::newRow("bitmap inside") << iconHolding(bitmap) << false;
    }

    void iconHidingAHugeImage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decodes);
        static int serial = 0;
        const QString name = QStringLiteral("images/icon%1.ico").arg(++serial);
        QVERIFY(loadThemePackage(QStringLiteral("icons.data"),
            {{"style.json", minimalStyle}, {name.toLatin1(), bytes}}));
        QCOMPARE(CThemeManager::instance().getImage(name, false) != nullptr, decodes);
    }

    void overlappingMembersAreBounded()
    {
        // 4000 names for one 64 MiB member: unbounded, reading them would inflate 250 GiB.
        const QByteArray archive
            = overlappingArchive(4000, QByteArray(int(CThemePackage::maxEntrySize), '\0'));
        QVERIFY(archive.size() < 2 << 20);
        QElapsedTimer timer;
        timer.start();
        bool ok = true;
        auto package = loadBytes(QStringLiteral("bomb.data"), archive, &ok);
        QVERIFY(!ok);
        QVERIFY(package->entries.empty());
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
    }

    void missingEndRecord()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("eocd.data")),
            {{"style.json", minimalStyle}, {"a.txt", "payload"}});
        QByteArray archive = readFile(path);
        const int end = archive.lastIndexOf(QByteArray("PK\x05\x06", 4));
        QVERIFY(end > 0);
        bool ok = true;
        auto package = loadBytes(QStringLiteral("noeocd.data"), archive.left(end), &ok);
        QVERIFY(!ok);
        QVERIFY(package->entries.empty());
    }

    void deeplyNestedDescription()
    {
        const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
        QVERIFY(loadTheme(QStringLiteral("deep.data"), minimalStyle,
            QByteArray(R"({"elements": )") + deep + "}"));
        VelQWindow window;
        QVERIFY(!LoadWindow(&window, QStringLiteral("main")));
        QVERIFY(window.findChildren<QWidget*>().isEmpty());
    }

    void duplicateKeysKeepTheLast()
    {
        QVERIFY(loadTheme(QStringLiteral("dup.data"),
            R"({"style": [{"type": 1, "name": "a", "clr": "ff000000", "clr": "ffff0000"}]})",
            R"({"elements": [{"type": "qtlabel", "name": "first", "name": "second"}]})"));
        CThemeManager::instance().setUseThemePackage(true);
        ImageStyle style;
        QVERIFY(CThemeManager::instance().getImageStyle(QStringLiteral("a"), style));
        CThemeManager::instance().setUseThemePackage(false);
        QCOMPARE(style.color, QColor(Qt::red));
        VelQWindow window;
        QVERIFY(LoadWindow(&window, QStringLiteral("main")));
        QVERIFY(window.findChild<QWidget*>(QStringLiteral("second")));
    }

    void embeddedNulBytes()
    {
        // The description's text ends at its first zero byte; what follows is never read.
        QVERIFY(loadTheme(QStringLiteral("nul.data"),
            QByteArray(R"({"style": [{"type": 1, "name": "x\u0000y", "clr": "ff00ff00"}]})"),
            QByteArray(R"({"elements": [{"type": "qtlabel", "name": "a\u0000b",
                "attr": {"text": "shown\u0000hidden"}}]})")
                + QByteArray(1, '\0') + "{ not json"));
        CThemeManager& manager = CThemeManager::instance();
        manager.setUseThemePackage(true);
        ImageStyle style;
        QVERIFY(manager.getImageStyle(QString::fromUtf8("x\0y", 3), style));
        QVERIFY(!GetImageStyle("x", style));
        manager.setUseThemePackage(false);
        VelQWindow window;
        QVERIFY(LoadWindow(&window, QStringLiteral("main")));
        auto* label = window.findChild<VelQLabel*>(QString::fromUtf8("a\0b", 3));
        QVERIFY(label);
        // Display texts are zero-terminated GBK strings.
        QCOMPARE(label->text(), QStringLiteral("shown"));
    }

    void manySiblingsAreCapped()
    {
        // Each sibling costs some 20 bytes of JSON and a whole widget: without a cap a 64 MiB
        // member would build millions of them.
        QByteArray elements = "[";
        for (int i = 0; i < 100000; ++i)
            elements += i ? R"(,{"type": "canvas"})" : R"({"type": "canvas", "name": "first"})";
        elements += R"(,{"type": "canvas", "name": "last"}])";
        QVERIFY(loadTheme(
            QStringLiteral("siblings.data"), minimalStyle, R"({"elements": )" + elements + "}"));
        VelQWindow window;
        QVERIFY(!LoadWindow(&window, QStringLiteral("main")));
        QCOMPARE(window.findChildren<VelQCanvas*>().size(), maxDescriptionControls);
        QVERIFY(window.findChild<VelQCanvas*>(QStringLiteral("first")));
        QVERIFY(!window.findChild<VelQCanvas*>(QStringLiteral("last")));
    }

    void capCountsNestedControls()
    {
        // Children count against the same budget as their parents.
        QByteArray children = "[";
        for (int i = 0; i < maxDescriptionControls; ++i)
            children += i ? R"(,{"type": "canvas"})" : R"({"type": "canvas"})";
        children += "]";
        const ::Json::Value root = parsed(R"({"elements": [{"type": "canvas",
            "child": )"
            + children + R"(}, {"type": "canvas", "name": "after"}]})");
        QWidget parent;
        LoadElements(&root, &parent);
        QCOMPARE(parent.findChildren<VelQCanvas*>().size(), maxDescriptionControls);
        QVERIFY(!parent.findChild<VelQCanvas*>(QStringLiteral("after")));
    }

    void wrongTypesForEveryKeyKind_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("null") << QByteArray("null");
        QTest::newRow("bool") << QByteArray("true");
        QTest::newRow("negative") << QByteArray("-1");
        QTest::newRow("1e300") << QByteArray("1e300");
        QTest::newRow("2^32") << QByteArray("4294967296");
        QTest::newRow("-2^63") << QByteArray("-9223372036854775808");
        QTest::newRow("string") << QByteArray("\"text\"");
        QTest::newRow("empty array") << QByteArray("[]");
        QTest::newRow("array of junk") << QByteArray(R"([[1, "a", null], {}, -5])");
        QTest::newRow("object") << QByteArray(R"({"type": "x", "x": {}, "0": []})");
    }

    void wrongTypesForEveryKeyKind()
    {
        QFETCH(QByteArray, value);
        int expected = 0;
        QVERIFY(loadWrongTypeTheme(value, expected));
        VelQWindow window;
        LoadWindow(&window, QStringLiteral("main"));
        int built = 0;
        for (QObject* child : window.children())
            built += controlOf(child) != nullptr;
        QCOMPARE(built, expected);
        window.show();
        window.resize(300, 200);
        render(&window);
        window.setEnabled(false);
        render(&window);
    }
};

QTEST_MAIN(tst_HostileInputs)
#include "tst_hostileinputs.moc"
