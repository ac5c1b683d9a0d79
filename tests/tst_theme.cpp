// Style records, package archives and the theme manager that serves their records and images;
// the format's key tables against the readers and the docs, the problems the library names while
// it loads, and display texts declared as UTF-8.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <framework/DescriptionKeys.h>
#include <theme/Json.h>
#include <theme/StyleParser.h>

#include <QtTest>

#include <set>

#include <sys/stat.h>
#include <zlib.h>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QByteArray minimalStyle = R"({"style": [{"type": 1, "name": "bg", "clr": "ff112233"}]})";

QString archiveOf(const QList<Member>& members)
{
    static int serial = 0;
    return writeArchive(scratchPath(QStringLiteral("p%1.data").arg(++serial)), members);
}

// A PNG whose header claims the given size, with a valid header checksum.
QByteArray pngClaiming(quint32 width, quint32 height)
{
    QByteArray bytes = png(solid(1, 1, Qt::red));
    const int ihdr = bytes.indexOf("IHDR");
    qToBigEndian<quint64>(quint64(width) << 32 | height, bytes.data() + ihdr + 4);
    const auto* header = reinterpret_cast<const Bytef*>(bytes.constData() + ihdr);
    qToBigEndian<quint32>(quint32(crc32(0, header, 17)), bytes.data() + ihdr + 17);
    return bytes;
}

// An icon whose directory states 16 x 16 (one plane, 32 bits, at offset 22) for its one image.
QByteArray iconHolding(const QByteArray& image)
{
    QByteArray icon("\0\0\1\0\1\0\x10\x10\0\0\1\0\x20\0\0\0\0\0\x16\0\0\0", 22);
    qToLittleEndian<quint32>(quint32(image.size()), icon.data() + 14);
    return icon + image;
}

// One deflated member listed under entries names of the same length (the non-recursive zip-bomb
// shape), its CRC wrong so that every name inflates it in full and then fails its check.
QByteArray overlappingArchive(int entries, const QByteArray& payload)
{
    QByteArray zip = readFile(writeArchive(scratchPath("one.data"), {{"bomb0000", payload}}));
    patchCrc(zip, QByteArray(), 0x12345678);
    const int end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    const int central = zip.lastIndexOf(QByteArray("PK\x01\x02", 4), end);
    const QByteArray entry = zip.mid(central, end - central);
    QByteArray endRecord = zip.mid(end);
    zip.truncate(central);
    for (int i = 0; i < entries; ++i)
        zip += QByteArray(entry).replace(
            46, 8, "bomb" + QByteArray::number(i).rightJustified(4, '0'));
    qToLittleEndian<quint16>(quint16(entries), endRecord.data() + 8);
    qToLittleEndian<quint16>(quint16(entries), endRecord.data() + 10);
    qToLittleEndian<quint32>(quint32(entries * entry.size()), endRecord.data() + 12);
    return zip + endRecord;
}

QString themeArchive(const QByteArray& themeJson, QList<Member> members = {})
{
    members.append({"style.json", styleJson({boxStyle("themed", 0xff445566)})});
    if (!themeJson.isNull())
        members.append({"theme.json", themeJson});
    return archiveOf(members);
}

// Records the keys asked of one object and the slot tables read.
struct Probe : VelQtLib::Json::KeyProbe {
    void asked(const ::Json::Value& object, const char* key) override { keys[&object].insert(key); }
    void slot(int index, bool text) override { slotsRead.insert({index, text}); }
    std::map<const ::Json::Value*, std::set<std::string>> keys;
    std::set<std::pair<int, bool>> slotsRead;
};

std::set<std::string> keysOf(const KeyTable& table, std::set<std::string> except = {})
{
    std::set<std::string> out;
    for (const KeySpec& k : table)
        if (!except.count(k.key))
            out.insert(k.key);
    return out;
}

// An object holding every key of the table, each a value of its kind.
void fill(::Json::Value& object, const KeyTable& table)
{
    const std::set<KeyKind> numbers {KeyKind::Int, KeyKind::UInt, KeyKind::ColourNumber};
    for (const KeySpec& k : table)
        object[k.key] = k.kind == KeyKind::Bool ? ::Json::Value(true)
            : k.kind == KeyKind::Array          ? parsed("[]")
            : numbers.count(k.kind)             ? ::Json::Value(1)
                                                : ::Json::Value("x");
}

// Loads an application and a theme package built from base members with some ("app/..." or
// "theme/...") replaced, then builds "main" into window; returns what the library reported.
QStringList loadReports(const QMap<QByteArray, QByteArray>& replaced, QWidget* window = nullptr)
{
    const auto member = [&](const QByteArray& name, const QByteArray& fallback) {
        return Member(name.mid(name.indexOf('/') + 1), replaced.value(name, fallback));
    };
    CThemeManager& m = CThemeManager::instance();
    takeDiagnostics();
    m.unloadPackages();
    m.loadAppPackage(writeArchive(scratchPath("app.data"),
        {member("app/style.json", R"({"style": [{"type": 1, "name": "bg"}]})"),
            member("app/main.json", R"({"elements": []})")}));
    m.loadThemePackage(writeArchive(scratchPath("theme.data"),
        {member("theme/style.json", R"({"style": [{"type": 1, "name": "face",
             "img": "images/face.png"}, {"type": 2, "name": "label"}]})"),
            member("theme/theme.json",
                R"({"elements": [{"child": [{"name": "qtbutton", "style": [["face", 0, 0]]}]}]})"),
            {"images/face.png", solidPng(Qt::red, 40, 20)}}));
    QWidget own;
    LoadWindow(window ? window : &own, "main");
    return takeDiagnostics();
}

} // namespace

class tst_Theme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(!m.findThemeElement("anything"));
        // Styles that need no package at all.
        ImageStyle out;
        out.color = Qt::red;
        QVERIFY(m.getImageStyle("emptyRect", out) && !out.valid && out.color == Qt::red);
        out.valid = true;
        QVERIFY(!m.getImageStyle("nothing", out) && out.valid && m.getImageStyle("empty", out));
        QVERIFY(!out.valid);
        TextStyle text;
        text.size = 99;
        QVERIFY(!m.getTextStyle("nothing", text) && !GetTextStyle("nothing", text));
        QVERIFY(text.size == 99 && CThemeManager::fromGbk(nullptr).isEmpty());

        Init();
        // The file-system fallback looks in the working folder and its "images".
        QDir::setCurrent(scratch().path());
        QVERIFY(QDir().mkdir("images") && solid(2, 2, Qt::blue).save("images/disk.png"));
        QVERIFY(solid(3, 3, Qt::blue).save("plain.png") && solid(3, 2, Qt::green).save("bitmap.bmp")
            && solid(16, 16, Qt::red).save("small.ico"));
        QCOMPARE(mkfifo("pipe.png", 0600), 0);
        QImage mono(9000, 9000, QImage::Format_Mono);
        mono.fill(0);
        // 20000 wide, 40000 high (image and mask), one plane, 32 bits.
        const QByteArray bitmap("\x28\0\0\0\x20\x4e\0\0\x40\x9c\0\0\1\0\x20\0", 16);
        QVERIFY(loadAppPackage(QStringLiteral("init.data"), {boxStyle("appbox", 0xff010203)},
            {{"images/Red.png", png(solid(4, 4, Qt::red))},
                {"layouts/main.json", R"({"elements": []})"},
                {"images/claims-65535.png", pngClaiming(65535, 65535)},
                {"images/screen-20000.gif",
                    readFile(VELQT_FUZZ_DIR "/regressions/image/"
                                            "gif-screen-10799x22560.gif")
                        .replace(6, 4, "\x20\x4e\x20\x4e")},
                {"images/truncated.png", png(solid(50, 50, Qt::red)).left(60)},
                {"images/bitmap.png", readFile("bitmap.bmp")},
                {"images/text.png", "this is no image"},
                {"images/small.ico", readFile("small.ico")},
                {"images/png-9000.ico", iconHolding(png(mono))},
                {"images/bitmap-20000.ico", iconHolding(bitmap + QByteArray(24, '\0'))}}));
    }

    // What a record sets, as the fields of its image and text styles that differ from those of
    // an empty record. Absent keys and wrongly typed values alike read as the defaults.
    void records_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("changed");
        const auto row = [](const char* record, const char* changed) {
            QTest::newRow(record) << QByteArray(record) << QString(changed);
        };
        row(R"({"clr": "ff112233"})", "clr=ff112233 text=ff112233");
        row(R"({"clr": "ff0000"})", "clr=ff0000 text=ffff0000");
        row("{\"clr\": \"#ffffff\"}", "clr=0 text=ff000000");
        row(R"({"clr": "0x80ff00ff"})", "clr=80ff00ff text=ffff00ff");
        row(R"({"clr": "  ff"})", "clr=ff text=ff0000ff");
        row(R"({"clr": "12zz"})", "clr=12 text=ff000012");
        row(R"({"clr": "123456789"})", "");
        row(R"({"clr": "ffffffffffffffffffffffffffffffffffffffffffffff"})", "");
        row(R"({"clr": ""})", "clr=0 text=ff000000");
        row(R"({"margin": [4]})", "slices=0,4,0,0");
        row(R"({"margin": [1, 2, 3, 4]})", "slices=4,1,2,3");
        row(R"({"margin": [1, 2, 3, 4, 5]})", "slices=4,1,2,3");
        row(R"({"margin": "1,2,3,4"})", "");
        row(R"({"margin": ["a", 2]})", "slices=0,0,2,0");
        row(R"({"margin": [1e300, 2]})", "slices=0,0,2,0");
        row(R"({"drawImg": false})", "noImage=1");
        row(R"({"drawImg": true})", "");
        row("{\"family\": \"\xCB\xCE\xCC\xE5\"}", "family=\xE5\xAE\x8B\xE4\xBD\x93"); // GBK "宋体"
        row(R"({"type": 1, "name": "x"})", "");
        row(R"({"round": "5", "borderSize": "x", "border": {}, "drawImg": [], "clr": [1], "img": {}})",
            "");
        row(R"({"round": 1e300, "borderSize": -1e300})", "");
        row("5", "");
    }

    void records()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, changed);
        const auto fields = [](const QByteArray& json) {
            const ImageStyle s = parseImageStyle(parsed(json));
            const TextStyle t = parseTextStyle(parsed(json));
            QString out;
            QTextStream(&out) << "valid=" << s.valid << " noImage=" << s.noImage
                              << " border=" << s.border << s.leftBorder << s.topBorder
                              << s.rightBorder << s.bottomBorder << " gradient=" << s.gradient
                              << " repeat=" << s.repeatCenter << " clr=" << Qt::hex
                              << s.color.rgba() << " borderClr=" << s.borderColor.rgba() << Qt::dec
                              << " borderSize=" << s.borderSize << " round=" << s.round
                              << " slices=" << s.sliceLeft << ',' << s.sliceTop << ','
                              << s.sliceRight << ',' << s.sliceBottom << " img=" << s.image
                              << " size=" << t.size << " family=" << t.family
                              << " align=" << t.hAlign << t.vAlign << " hor=" << t.isHor
                              << " elide=" << t.elideMode << " text=" << Qt::hex << t.color.rgba();
            return out.split(' ');
        };
        const QStringList empty = fields("{}");
        QCOMPARE(empty.join(' '),
            "valid=1 noImage=0 border=01111 gradient=0 repeat=0 clr=ffffffff borderClr=ffffffff "
            "borderSize=1 round=0 slices=0,0,0,0 img= size=12 family="
                + defaultFontFamily() + " align=01 hor=1 elide=1 text=ffffffff");
        QStringList differing;
        for (const QString& field : fields(record))
            if (!empty.contains(field))
                differing << field;
        QCOMPARE(differing.join(' '), changed);
    }

    void styleRecordsFirstWins()
    {
        CThemePackage package;
        parseStyles(package, parsed(R"([
            {"type": 1, "name": "box", "clr": "ff010101"}, {"type": 1, "name": "box", "clr": "ff020202"},
            {"type": 2, "name": "box", "clr": "030303"}, {"type": 2, "name": "box", "clr": "040404"},
            {"type": 3, "name": "other"}, {"name": "untyped"}, {"type": "1", "name": "stringtype"},
            {"type": 1, "name": "empty"}, {"type": 1}, 7, "text", null,
            {"type": 1, "name": "a", "clr": "ff000000", "clr": "ffff0000"},
            {"type": 1, "name": "x\u0000y"}])"));
        QCOMPARE(package.imageStyles.value(QStringLiteral("box")).color.rgba(), 0xff010101u);
        // Duplicate keys keep the last value; "\u0000" stays part of a name.
        QCOMPARE(package.imageStyles.value("a").color, QColor(Qt::red));
        QVERIFY(package.imageStyles.contains(QString::fromUtf8("x\0y", 3))
            && !package.imageStyles.contains("x"));
        QCOMPARE(package.textStyles.value(QStringLiteral("box")).color.rgb(), 0xff030303u);
        QVERIFY(!package.imageStyles.value("empty").valid && package.imageStyles.contains(""));
        QCOMPARE(package.imageStyles.size(), 5);
        // Records may also be the values of an object.
        parseStyles(
            package, parsed(R"({"a": {"type": 2, "name": "t1"}, "b": {"type": 1, "name": "i1"}})"));
        QVERIFY(package.textStyles.contains("t1") && package.imageStyles.contains("i1"));
    }

    // What a package keeps of an archive (no file when null): found lists entries (bytes after
    // '='), styles ('@') and the count of style files read ('#'); gone what must not be there.
    void archives_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QStringList>("gone");
        const auto row = [](const char* name, const QList<Member>& members, bool loads, int entries,
                             const QStringList& found, const QStringList& gone = {}) {
            QTest::newRow(name) << readFile(archiveOf(members)) << loads << entries << found
                                << gone;
        };
        const Member style {"style.json", minimalStyle};
        row("last root style.json",
            {{"Style.JSON", R"({"style": [{"type": 2, "name": "first"}]})"},
                {"style.json", R"({"style": [{"type": 2, "name": "second"}]})"}},
            true, 0, {"@second", "#2"}, {"@first"});
        row("nested style.json is an entry", {{"themes/style.json", minimalStyle}}, false, 1,
            {"themes/style.json", "#0"}, {"@bg"});
        row("keys lower-cased, first wins",
            {style, {"A.png", "upper"}, {"a.png", "lower"}, {"Images/BTN.png", "button"}}, true, 2,
            {"a.png=upper", "images/btn.png=button"}, {"Images/BTN.png"});
        row("empty members", {style, {"readme.txt", ""}, {"images/", ""}}, true, 0, {},
            {"readme.txt", "images/"});
        row("style text ends at zero byte",
            {{"style.json", minimalStyle + QByteArray("\0{{ not json", 12)}}, true, 0, {"@bg"});
        const auto failed = [&](const char* name, const QByteArray& json) {
            row(name, {{"style.json", json}, {"images/a.png", "x"}}, false, 1, {"images/a.png=x"});
        };
        failed("invalid json", "{ \"style\": [ ");
        failed("no style member", R"({"styles": []})");
        failed("nested 100000 deep", QByteArray(100000, '['));
        failed("style nested 5000 deep",
            R"({"style":)" + QByteArray(5000, '[') + QByteArray(5000, ']') + "}");
        for (const char* name : {"../../etc/passwd", "/etc/passwd", "images\\Back.png"})
            row(name, {style, {name, "payload"}}, true, 1, {QString(name).toLower() + "=payload"});
        row("300-byte name", {style, {QByteArray(300, 'N'), "payload"}}, true, 1,
            {QString(300, 'n') + "=payload"});
        // Nine members of 57 MiB: each fits the member limit, together they pass 512 MiB.
        const QByteArray zeros(57 << 20, '\0');
        QList<Member> blobs {style};
        for (int i = 0; i < 9; ++i)
            blobs.append({"blob" + QByteArray::number(i), zeros});
        row("package size capped", blobs, true, 8, {"blob7"}, {"blob8"});

        const QByteArray whole = readFile(archiveOf({style, {"a.txt", QByteArray(4000, 'a')}}));
        const auto refused = [](const char* name, const QByteArray& bytes) {
            QTest::newRow(name) << bytes << false << 0 << QStringList {"#0"} << QStringList();
        };
        refused("missing file", QByteArray());
        refused("empty file", "");
        refused("not a zip", "hello, this is text");
        refused("truncated", whole.left(whole.size() - 30));
        refused("no end record", whole.left(whole.lastIndexOf(QByteArray("PK\x05\x06", 4))));
        // 4000 names for one 64 MiB member: unbounded, reading them would inflate 250 GiB.
        refused("overlapping members",
            overlappingArchive(4000, QByteArray(int(CThemePackage::maxEntrySize), '\0')));

        // A damaged member never spoils the rest of the package.
        const QByteArray sound
            = readFile(archiveOf({style, {"victim.bin", QByteArray(1000, 'z')}}));
        const auto damaged = [&](const char* name, auto patch, quint32 value) {
            QByteArray archive = sound;
            patch(archive, "victim.bin", value);
            QTest::newRow(name) << archive << true << 0 << QStringList {"@bg"}
                                << QStringList {"victim.bin"};
        };
        damaged("declared size over 64 MiB", patchUncompressedSize, (64u << 20) + 1);
        damaged("declared size 4 GiB", patchUncompressedSize, 0xffffffffu);
        damaged("declared size smaller than the data", patchUncompressedSize, 10);
        damaged("declared size larger than the data", patchUncompressedSize, 5000);
        damaged("crc mismatch", patchCrc, 0x12345678);
        damaged("encrypted", patchFlags, 1);
        damaged("unknown compression method", patchMethod, 99);
    }

    void archives()
    {
        QFETCH(QByteArray, archive);
        QFETCH(bool, loads);
        QFETCH(int, entries);
        QFETCH(QStringList, found);
        QFETCH(QStringList, gone);
        const QString path = scratchPath(QStringLiteral("archive.data"));
        QFile::remove(path);
        if (!archive.isNull())
            writeFile(path, archive);
        auto p = std::make_unique<CThemePackage>();
        p->path = path;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(p->load(), loads);
        QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(int(p->entries.size()), entries);
        const auto has = [&](const QString& what) {
            const QString rest = what.mid(1);
            if (what.startsWith('#'))
                return p->styleFileCount == rest.toInt()
                    && int(p->styleFiles.size()) == rest.toInt();
            if (what.startsWith('@'))
                return p->imageStyles.contains(rest) || p->textStyles.contains(rest);
            const PackageEntry* e = p->findByName(what.section('=', 0, 0).toUtf8().constData());
            const char* bytes = e ? reinterpret_cast<const char*>(e->bytes.get()) : nullptr;
            return e
                && (!what.contains('=')
                    || what.section('=', 1).toUtf8() == QByteArray(bytes, int(e->size)));
        };
        for (const QString& what : found)
            QVERIFY2(has(what), qPrintable(what));
        for (const QString& what : gone)
            QVERIFY2(!has(what), qPrintable(what));
    }

    // Images of the package and the built-in marks: the most opaque pixel of inked is near ink,
    // clear is transparent; a null size means no image, in colour or gray, and nothing cached.
    void images_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("inked");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QPoint>("clear");
        const QColor mark(204, 204, 204);
        const auto row = [](const char* name, const char* path, QSize size, QRect inked = {},
                             QColor ink = {}, QPoint clear = {-1, -1}) {
            QTest::newRow(name) << path << size << inked << ink << clear;
        };
        row("unselect ring", "IDB_UNSELECT", {16, 16}, {8, 1, 1, 1}, mark, {8, 8});
        row("selected disc", "IDB_SELECTED", {16, 16}, {8, 8, 1, 1}, mark, {4, 4});
        row("uncheck box", "IDB_UNCHECK", {16, 16}, {1, 1, 1, 1}, mark, {8, 8});
        row("checked tick", "IDB_CHECKED", {16, 16}, {1, 8, 1, 1}, mark, {3, 3});
        row("tick's bend", "IDB_CHECKED", {16, 16}, {5, 10, 3, 3}, mark, {3, 3});
        row("package image", "Images\\RED.png", {4, 4}, {1, 1, 1, 1}, Qt::red);
        row("bmp behind a png name", "images/bitmap.png", {3, 2}, {0, 0, 3, 2}, Qt::green);
        row("empty path", "", {});
        row("file under images", "disk.png", {2, 2}, {0, 0, 2, 2}, Qt::blue);
        row("file in the working folder", "plain.png", {3, 3}, {0, 0, 3, 3}, Qt::blue);
        // Icons state 16 x 16 in their directories. 9000 x 9000 counts as 324 MB, past the 256 MiB
        // limit; one bit deep, Qt itself would decode it in 10 MB.
        for (const char* path :
            {"images/none.png", "images/claims-65535.png", "images/screen-20000.gif",
                "images/truncated.png", "images/text.png", "images/png-9000.ico",
                "images/bitmap-20000.ico", "pipe.png", "/dev/zero", "images"})
            row(path, path, {});
        row("ordinary icon", "images/small.ico", {16, 16}, {0, 0, 16, 16}, Qt::red);
    }

    void images()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(QRect, inked);
        QFETCH(QColor, ink);
        QFETCH(QPoint, clear);
        CThemeManager& m = CThemeManager::instance();
        const QImage* image = m.getImage(path, false);
        const QImage* gray = m.getImage(path, true);
        QCOMPARE(image ? image->size() : QSize(), size);
        QCOMPARE(gray != nullptr, size.isValid());
        QCOMPARE(m.appPackage()->imageCache.contains(path), size.isValid());
        if (!image)
            return;
        // The gray variant is cached beside the colour one, under the path asked for.
        QVERIFY(
            m.getImage(path, false) == image && gray != image && m.getImage(path, true) == gray);
        QCOMPARE(m.appPackage()->imageCache.value(path + "_gray"), gray);
        QPoint at = inked.topLeft();
        for (int y = inked.top(); y <= inked.bottom(); ++y)
            for (int x = inked.left(); x <= inked.right(); ++x)
                at = qAlpha(image->pixel(x, y)) > qAlpha(image->pixel(at)) ? QPoint(x, y) : at;
        const QRgb p = image->pixel(at), g = gray->pixel(at);
        QVERIFY2(qAlpha(p) > 100 && near(qRgb(qRed(p), qGreen(p), qBlue(p)), ink), describe(p));
        QVERIFY2(qAbs(qRed(g) - qGreen(g)) < 40 && qAbs(qGreen(g) - qBlue(g)) < 40, describe(g));
        QVERIFY(clear.x() < 0 || qAlpha(image->pixel(clear)) == 0);
    }

    // Entries come from either package, elements from the theme (the first of a name wins), records
    // from the one the flag names. A new theme replaces the old; a failed load keeps it.
    void entriesElementsAndReload()
    {
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(themeArchive(
            R"({"elements": [{"child": [{"name": "qtbutton", "n": 1}, {"name": "qtbutton", "n": 2},
                                         {"name": "other"}, {"n": 3}]}]})",
            {{"only/Theme.json", "{}"}, {"images/t.png", png(solid(5, 5, Qt::blue))}})));
        const uchar* data = nullptr;
        uint size = 0;
        bool fromTheme = true;
        QVERIFY(m.findEntry("Layouts\\Main.json", data, size, fromTheme) && !fromTheme);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(data), int(size)),
            QByteArray(R"({"elements": []})"));
        QVERIFY(m.findEntry("ONLY\\theme.JSON", data, size, fromTheme) && fromTheme);
        QVERIFY(!m.findEntry("missing.json", data, size, fromTheme) && !fromTheme);
        const ::Json::Value* element = m.findThemeElement("qtbutton");
        QVERIFY(element && (*element)["n"].asInt() == 1);
        QVERIFY(m.findThemeElement("other") && m.findThemeElement("")
            && !m.findThemeElement("QtButton"));
        const auto colour = [&](const char* name) {
            ImageStyle s;
            return m.getImageStyle(name, s) ? s.color.rgba() : 0u;
        };
        QCOMPARE(colour("appbox"), 0xff010203u);
        QCOMPARE(colour("themed"), 0u);
        m.setUseThemePackage(true);
        QCOMPARE(colour("themed"), 0xff445566u);
        QCOMPARE(colour("appbox"), 0u);
        m.setUseThemePackage(false);
        QVERIFY(m.getImage("images/t.png", false)
            && m.themePackage()->imageCache.contains("images/t.png"));
        QVERIFY(!m.appPackage()->imageCache.contains("images/t.png"));
        const QByteArray second = R"({"elements": [{"child": [{"name": "second"}]}]})";
        QVERIFY(m.loadThemePackage(themeArchive(second)));
        QVERIFY(m.themePackage()->imageCache.isEmpty() && !m.getImage("images/t.png", false));
        QVERIFY(!m.findThemeElement("other") && m.findThemeElement("second"));
        const CThemePackage* current = m.themePackage();
        for (const QString& path : {scratchPath(QStringLiteral("missing.data")),
                 archiveOf({{"theme.json", QByteArray(second).replace("second", "third")}})}) {
            QVERIFY(!m.loadThemePackage(path) && m.themePackage() == current);
            QVERIFY(m.findThemeElement("second") && !m.findThemeElement("third"));
        }
    }

    // Whatever "theme.json" holds, the package loads with its style records.
    void badThemeJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        for (const char* json : {"{\"elements\": [", R"({"elements": {"child": []}})",
                 R"({"elements": [5]})", R"({"elements": [{"child": 5}]})",
                 R"({"elements": [{"child": [1, "x"]}]})", R"({"elements": []})", "[1, 2]"})
            QTest::newRow(json) << QByteArray(json);
        QTest::newRow("absent") << QByteArray();
        QTest::newRow("nested 100000 deep") << QByteArray(100000, '[');
    }

    void badThemeJson()
    {
        QFETCH(QByteArray, json);
        CThemeManager& m = CThemeManager::instance();
        QVERIFY(m.loadThemePackage(themeArchive(json)) && !m.findThemeElement("qtbutton"));
        QVERIFY(m.themePackage()->imageStyles.contains("themed"));
    }

    // The docs hold the reference generated from the key tables, and the style records and the
    // menu read exactly the keys their tables list.
    void tablesOfTheDocsAndReaders()
    {
        const QString text = QString::fromUtf8(readFile(VELQT_SOURCE_DIR "/docs/theme-format.md"));
        // On failure: velqt reference > the section between the markers.
        QCOMPARE(text.section("<!-- generated reference: begin -->\n", 1, 1)
                     .section("<!-- generated reference: end -->", 0, 0),
            formatReference());
        const ::Json::Value records = parsed(R"([{"type": 1}, {"type": 2}])");
        ::Json::Value menuKeys(::Json::objectValue);
        fill(menuKeys, findControlSpec("qtmenu")->ownKeys);
        VelQMenu menu;
        Probe probe;
        parseImageStyle(records[0]);
        parseTextStyle(records[1]);
        menu.loadAttributes(&menuKeys);
        QCOMPARE(probe.keys[&records[0]], keysOf(imageStyleKeys(), {"type"}));
        QCOMPARE(probe.keys[&records[1]], keysOf(textStyleKeys(), {"type", "name"}));
        QCOMPARE(probe.keys[&menuKeys], keysOf(findControlSpec("qtmenu")->ownKeys));
    }

    void controlReadersReadTheTable_data()
    {
        QTest::addColumn<QString>("type");
        for (const ControlSpec& spec : controlSpecs())
            if (spec.described)
                QTest::newRow(spec.typeName) << QString::fromLatin1(spec.typeName);
    }

    // Every key and slot a control reads is in its table, and every one listed is read.
    void controlReadersReadTheTable()
    {
        QFETCH(QString, type);
        const ControlSpec* spec = findControlSpec(type.toStdString());
        ::Json::Value element = parsed(R"({"layout": {"type": 0}, "attr": {},
            "style": [["x", 0, 0]], "child": [{"type": "qtscrollbar", "attr": {}}]})");
        for (const KeySpec& k : elementKeys())
            if (k.kind == KeyKind::Int || k.kind == KeyKind::Bool || k.kind == KeyKind::Text)
                fill(element, {k});
        element["type"] = type.toStdString();
        for (const KeySpec& k : layoutKeys())
            element["layout"][k.key] = 0;
        fill(element["attr"], spec->attr);
        fill(element["child"][0]["attr"], scrollBarChildSpec().attr);
        element["child"].append(element["child"][0]);
        element["child"][1]["attr"]["hor"] = false;
        // Without "layout", the fixed geometry is read instead.
        ::Json::Value fixed = element;
        fixed.removeMember("layout");
        QWidget parent;
        Probe probe;
        QVERIFY(CreateFromJson(&element, &parent) && CreateFromJson(&fixed, &parent));
        QCOMPARE(probe.keys[&element["attr"]], keysOf(spec->attr));
        // "theme" is asked only by a control with "attr" that finds its theme.
        std::set<std::string> asked = probe.keys[&element], askedFixed = probe.keys[&fixed];
        asked.insert(askedFixed.begin(), askedFixed.end());
        asked.erase("theme");
        QCOMPARE(
            asked, keysOf(elementKeys(), {"theme", spec->styleSlots.empty() ? "style" : "theme"}));
        QCOMPARE(probe.keys[&element["layout"]], keysOf(layoutKeys()));
        if (spec->scrollBars)
            QCOMPARE(probe.keys[&element["child"][0]["attr"]], keysOf(scrollBarChildSpec().attr));
        // The scroll view reads any slot; controls with bars read the bars' tables too.
        if (type == QLatin1String("qtscrollview") || spec->scrollBars)
            return;
        std::set<std::pair<int, bool>> listed;
        for (const SlotSpec& s : spec->styleSlots)
            for (int i = s.first; i <= s.last; ++i)
                listed.insert({i, s.text});
        QCOMPARE(probe.slotsRead, listed);
    }

    // Each problem is named with its place, its record or element and what to do about it.
    void problemsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("member");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const auto row
            = [](const char* name, QByteArray member, QByteArray text, QString expected) {
                  QTest::newRow(name) << member << text << expected;
              };
        row("misspelt image", "theme/style.json",
            R"({"style": [{"type": 1, "name": "btn_n", "img": "images/buton.png"}]})",
            R"(style.json:1:48: style[0] "btn_n": image "images/buton.png" is in no package)");
        row("string for a bool", "app/style.json", R"({"style": [{"type": 1, "border": "4"}]})",
            R"(style.json:1:34: style[0]: "border" must be true or false, got the string "4")");
        row("string type", "app/style.json", R"({"style": [{"type": "1", "name": "b"}]})",
            R"(1:21: style[0] "b": "type" must be a number, got the string "1")");
        row("other type", "app/style.json", R"({"style": [{"type": 3, "name": "b"}]})",
            R"(1:21: style[0] "b": "type" 3 is neither 1 (image style) nor 2 (text style); the)");
        row("six-digit colour", "app/style.json", R"({"style": [{"type": 1, "clr": "f6f5f4"}]})",
            R"(1:31: style[0]: "clr" "f6f5f4" has 6 digits; image colours are AARRGGBB, so)");
        row("no hex digits", "app/style.json", "{\"style\": [{\"type\": 1, \"clr\": \"#fff\"}]}",
            "style[0]: \"clr\" \"#fff\" has no hexadecimal digits; it reads as 0, so this");
        row("margins wider than the image", "theme/style.json",
            R"({"style": [{"type": 1, "img": "images/face.png", "margin": [2, 30, 2, 30]}]})",
            R"(style.json:1:60: style[0]: margins 30 + 30 exceed the image width 40)");
        row("unknown key", "app/style.json", R"({"style": [{"type": 1, "name": "b", "roudn": 3}]})",
            R"(1:46: style[0] "b": unknown key "roudn" for image styles (did you mean "round"?))");
        row("no style array", "app/style.json", R"({"styles": []})",
            R"(style.json:1:1: there is no "style" array of records; the package does not load)");
        row("missing brace", "theme/theme.json", "{\"elements\": [\n  {\"child\": []\n]}",
            R"(theme.json:3:1: missing ',' or '}' in object declaration)");
        row("no theme elements", "theme/theme.json", R"({"elements": [{}]})",
            R"(theme.json:1:15: there is no "elements"[0]."child" array; theme.json defines no)");
        row("unknown control type", "app/main.json",
            R"({"elements": [{"type": "qtcontainer", "child": [{"type": "qtbuton"}]}]})",
            R"(main.json:1:58: elements[0].child[0]: unknown control type "qtbuton" (did you mean)"
            R"( "qtbutton"?); the element is left out)");
        row("unknown theme element", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "theme": "qtbuton", "attr": {}}]})",
            R"(main.json:1:45: elements[0]: "theme" "qtbuton" names no element of theme.json (did)"
            R"( you mean "qtbutton"?); the control keeps its own look)");
        row("theme without attr", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "theme": "qtbutton"}]})",
            R"(main.json:1:45: elements[0]: "theme" "qtbutton" is ignored: an element takes its)"
            R"( theme only when it also has an "attr" object ("attr": {} will do))");
        row("check mark in no package", "app/main.json",
            R"({"elements": [{"type": "qtcheckbox", "attr": {"siconPath": "on.png"}}]})",
            R"(main.json:1:60: elements[0]: "attr": "siconPath": image "on.png" is in no package)");
        row("record in the other package", "app/main.json",
            R"({"elements": [{"type": "qtlabel", "style": [["label", 0, 0]]}]})",
            R"(main.json:1:46: elements[0]: "style"[0]: no text style "label" in the application)"
            R"( package; the theme package has it, but only elements drawn through "theme" use)");
        row("scroll-bar record in no package", "app/main.json",
            R"({"elements": [{"type": "qtlist", "child": [{"type": "qtscrollbar",
                "style": [["bar", 0, 0]]}]}]})",
            R"(elements[0].child[0]: "style"[0]: no image style "bar" in the application package)");
        row("unknown attr key", "app/main.json",
            R"({"elements": [{"type": "qtbutton", "attr": {"txt": "OK"}}]})",
            R"(1:52: elements[0]: "attr": unknown key "txt" for "qtbutton" (did you mean "text"?))");
    }

    void problemsAreNamed()
    {
        QFETCH(QByteArray, member);
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        // Each file's problems go to its own category: the others are silenced here.
        const QString file = QFileInfo(member).baseName();
        QLoggingCategory::setFilterRules(
            QStringLiteral("velqt.*.warning=false\nvelqt.%1.warning=true")
                .arg(file == "main" ? "description" : file));
        const QString reports = loadReports({{member, text}}).join('\n') + '\n';
        QLoggingCategory::setFilterRules(QString());
        QVERIFY2(reports.contains(expected), qPrintable(reports));
    }

    // Display texts are GBK unless the document's root declares UTF-8.
    void utf8TextsOnRequest()
    {
        const QByteArray text = "Gr\xC3\xB6\xC3\x9F \xE2\x9C\x93";
        for (const bool declared : {false, true}) {
            const auto document = [&](QByteArray json) {
                if (declared)
                    json.insert(1, QByteArray(R"("encoding": "utf-8", )"));
                return json.replace("TEXT", text);
            };
            QWidget window;
            loadReports(
                {{"app/style.json",
                     document(R"({"style": [{"type": 2, "name": "t", "family": "TEXT"}]})")},
                    {"theme/theme.json", document(R"({"elements": [{"child": [{"name": "caption",
                        "attr": {"text": "TEXT"}}]}]})")},
                    {"app/main.json", document(R"({"elements": [{"type": "qtlabel", "name": "own",
                        "tooltip": "TEXT", "attr": {"text": "TEXT"}}, {"type": "qtlabel",
                        "name": "themed", "theme": "caption", "attr": {}}]})")}},
                &window);
            auto* own = window.findChild<VelQLabel*>("own");
            auto* themed = window.findChild<VelQLabel*>("themed");
            const TextStyle style = CThemeManager::instance().appPackage()->textStyles.value("t");
            QVERIFY(own && themed);
            const QString expected
                = declared ? QString::fromUtf8(text) : CThemeManager::fromGbk(text);
            QCOMPARE(QStringList({own->text(), own->toolTip(), themed->text(), style.family}),
                QStringList({expected, expected, expected, expected}));
            QVERIFY(declared || own->text() != QString::fromUtf8(text));
        }
    }
};

QTEST_MAIN(tst_Theme)
#include "tst_theme.moc"
