// Hostile style records, descriptions and painter arguments are skipped within time and memory;
// then the fuzzers' seeds and past failures replayed (sanitized build: memory and UB faults too).
#include "FuzzEntry.h"
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <framework/DescriptionKeys.h>
#include <theme/StyleParser.h>

#include <QIcon>
#include <QPainter>
#include <QtTest>

#include <sys/resource.h>

#include <limits>

using namespace VelQtLib;
using namespace TestSupport;

using Entry = void (*)(const std::uint8_t*, std::size_t);
Q_DECLARE_METATYPE(Entry)

namespace {

const QByteArray minimalStyle = R"({"style": [{"type": 1, "name": "bg", "clr": "ff112233"}]})";

bool loadTheme(const QString& name, const QByteArray& style, const QByteArray& main)
{
    return loadThemePackage(
        name, {{"style.json", style}, {"theme.json", main}, {"main.json", main}});
}

// {"key": value, ...} for every key of the tables but those skipped, then more.
QByteArray objectOf(const std::vector<const KeyTable*>& tables, const QByteArray& value,
    const QByteArray& more = {}, const QList<QByteArray>& skipped = {})
{
    QByteArray object;
    for (const KeyTable* table : tables)
        for (const KeySpec& k : *table)
            if (!skipped.contains(k.key))
                object += (object.isEmpty() ? "{\"" : ", \"") + QByteArray(k.key) + "\": " + value;
    return (object.isEmpty() ? "{" : object) + more + "}";
}

// A description of count canvases under a parent, the first and last named.
QByteArray canvases(int count, const QByteArray& first, const QByteArray& last)
{
    return R"([{"type": "canvas", "name": ")" + first + "\"}"
        + QByteArray(R"(,{"type": "canvas"})").repeated(count - 2)
        + R"(,{"type": "canvas", "name": ")" + last + "\"}]";
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
        const TextStyle style
            = parseTextStyle(parsed(R"({"isHor": false, "clr": "ff00ff", "size": 40, "ver": 0})"));
        rusage usage[2] {};
        getrusage(RUSAGE_SELF, &usage[0]);
        // A 20000 x 20000 box would once have needed a 1.6 GB image per paint.
        const QImage canvas = paintedBy({60, 60}, Qt::white, [&](QPainter* p) {
            VelQControlBaseImpl::drawStyledText(p, "WWW", style, {-19950, 0, 20000, 20000}, false);
        });
        getrusage(RUSAGE_SELF, &usage[1]);
        const long grown = usage[1].ru_maxrss - usage[0].ru_maxrss;
        QVERIFY2(grown < 100 * 1024, qPrintable(QString::number(grown)));
        // The text's first line runs down the box's right edge, inside the canvas.
        QVERIFY(holds(canvas, Qt::magenta, 80, QRect(0, 0, 50, 60)));
    }

    // Every number a painter reads from a record or its caller at one extreme.
    void paintersTakeAnyInt()
    {
        QVERIFY(loadThemePackage(QStringLiteral("ints.data"),
            {{"style.json", minimalStyle}, {"images/nine.png", solidPng(Qt::red, 9, 9)}}));
        using Impl = VelQControlBaseImpl;
        QImage canvas(40, 40, QImage::Format_ARGB32);
        QPainter p(&canvas);
        for (const int value :
            {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 1 << 24, -1}) {
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
            // Plain numbers: a QRect itself could not hold the far edge of the second box.
            const int boxes[][4] = {{0, 0, 40, 40}, {value, value, value, value}, {0, 0, value, 9}};
            for (const auto& b : boxes) {
                for (const int round : {value, 0}) {
                    box.round = round;
                    Impl::drawImageStyle(&p, box, b[0], b[1], b[2], b[3]);
                }
                Impl::drawImageStyle(&p, nine, b[0], b[1], b[2], b[3]);
                for (bool isHor : {true, false})
                    Impl::drawStyledText(&p, "text", text, b[0], b[1], b[2], b[3], isHor);
                Impl::drawAlignedImage(&p, nine.image, offset, b[0], b[1], b[2], b[3], true);
            }
            Impl::drawAlignedIcon(
                &p, QIcon(QPixmap(4, 4)), QSize(value, 8), offset, QRect(0, 0, 40, 40));
        }
    }

    // Duplicate keys keep the last value; a description's text ends at its first zero byte,
    // while "\u0000" inside a name stays part of it (style records: styleRecordsFirstWins).
    void duplicateKeysAndNulBytes()
    {
        QVERIFY(loadTheme(QStringLiteral("nul.data"), minimalStyle,
            QByteArray(R"({"elements": [{"type": "qtlabel", "name": "first", "name": "second"},
                {"type": "qtlabel", "name": "a\u0000b", "attr": {"text": "shown\u0000hidden"}}]})")
                + QByteArray(1, '\0') + "{ not json"));
        VelQWindow window;
        QVERIFY(LoadWindow(&window, "main") && window.findChild<QWidget*>("second"));
        auto* label = window.findChild<VelQLabel*>(QString::fromUtf8("a\0b", 3));
        // Display texts are zero-terminated GBK strings.
        QVERIFY(label && label->text() == "shown");
    }

    // Each sibling costs some 20 bytes of JSON and a whole widget: without a cap a 64 MiB member
    // would build millions of them. Children count against the same budget as their parents.
    // JSON nested past the parser's limit builds nothing.
    void descriptionsAreBounded()
    {
        const QByteArray deep = QByteArray(100000, '[') + QByteArray(100000, ']');
        QVERIFY(loadTheme("deep.data", minimalStyle, R"({"elements": )" + deep + "}"));
        VelQWindow nested;
        QVERIFY(!LoadWindow(&nested, "main") && nested.findChildren<QWidget*>().isEmpty());

        QVERIFY(loadTheme(QStringLiteral("siblings.data"), minimalStyle,
            R"({"elements": )" + canvases(100000, "first", "last") + "}"));
        VelQWindow window;
        QVERIFY(!LoadWindow(&window, "main"));
        QCOMPARE(window.findChildren<VelQCanvas*>().size(), maxDescriptionControls);
        QVERIFY(window.findChild<VelQCanvas*>("first") && !window.findChild<VelQCanvas*>("last"));

        const ::Json::Value root = parsed(R"({"elements": [{"type": "canvas", "child": )"
            + canvases(maxDescriptionControls, "a", "b")
            + R"(}, {"type": "canvas", "name": "after"}]})");
        QWidget parent;
        LoadElements(&root, &parent);
        QCOMPARE(parent.findChildren<VelQCanvas*>().size(), maxDescriptionControls);
        QVERIFY(!parent.findChild<VelQCanvas*>(QStringLiteral("after")));
    }

    void wrongTypesForEveryKeyKind_data()
    {
        QTest::addColumn<QByteArray>("value");
        for (const char* value :
            {"null", "true", "-1", "1e300", "4294967296", "-9223372036854775808", "\"text\"", "[]",
                R"([[1, "a", null], {}, -5])", R"({"type": "x", "x": {}, "0": []})"})
            QTest::newRow(value) << QByteArray(value);
    }

    // A theme whose style records, window root keys, elements of every registered type and every
    // key they read all hold one wrongly typed value; all but the scroll bars are still built.
    void wrongTypesForEveryKeyKind()
    {
        QFETCH(QByteArray, value);
        QByteArray style = R"({"style": [)";
        for (const char* type : {"1", "2", "null"})
            style += objectOf({&imageStyleKeys(), &textStyleKeys()}, value,
                         QByteArray(", \"type\": ") + type, {"type"})
                + ", ";
        style += value + "]}";
        std::vector<const KeyTable*> attrKeys {&scrollBarChildSpec().attr};
        std::vector<const KeyTable*> elementKeyTables {&elementKeys()};
        for (const ControlSpec& spec : controlSpecs()) {
            attrKeys.push_back(&spec.attr);
            elementKeyTables.push_back(&spec.ownKeys);
        }
        const QByteArray attr = objectOf(attrKeys, value);
        // Every element also holds a scroll-bar child entry with the same values.
        const QByteArray more = ", \"layout\": " + objectOf({&layoutKeys()}, value)
            + ", \"attr\": " + attr + R"(, "child": [)"
            + objectOf({&scrollBarChildKeys()}, value,
                ", \"type\": \"scrollbar\", \"attr\": " + attr, {"type", "attr"})
            + "]";
        int expected = 0;
        QByteArray elements;
        for (const std::string& type : ListedControls()) {
            elements += (elements.isEmpty() ? "" : ", ")
                + objectOf(elementKeyTables, value,
                    ", \"type\": \"" + QByteArray::fromStdString(type) + "\"" + more,
                    {"type", "layout", "attr", "child"});
            expected += type != "qtscrollbar";
        }
        QVERIFY(loadTheme(QStringLiteral("types.data"), style,
            objectOf(
                {&descriptionKeys()}, value, R"(, "elements": [)" + elements + "]", {"elements"})));
        VelQWindow window;
        LoadWindow(&window, QStringLiteral("main"));
        const QObjectList& children = window.children();
        QCOMPARE(int(std::count_if(children.begin(), children.end(), controlOf)), expected);
        window.show();
        window.resize(300, 200);
        render(&window);
        window.setEnabled(false);
        render(&window);
    }

    void fuzzRegressions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Entry>("entry");
        const std::pair<const char*, Entry> targets[]
            = {{"package", VelQtFuzz::package}, {"styles", VelQtFuzz::styles},
                {"description", VelQtFuzz::description}, {"image", VelQtFuzz::image}};
        for (const auto& [target, entry] : targets)
            for (const char* folder : {"regressions", "seeds"}) {
                const QString name = QStringLiteral("%1/%2/").arg(folder, target);
                const QDir dir(QStringLiteral(VELQT_FUZZ_DIR "/") + name);
                for (const QString& file : dir.entryList(QDir::Files, QDir::Name))
                    QTest::newRow(qPrintable(name + file)) << dir.filePath(file) << entry;
            }
    }

    void fuzzRegressions()
    {
        QFETCH(QString, path);
        QFETCH(Entry, entry);
        // The fuzzers drive controls in every way; what Qt and the library say of it is not read.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        VelQtFuzz::setUp();
        const QByteArray bytes = readFile(path);
        QVERIFY(!bytes.isNull());
        entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
};

QTEST_MAIN(tst_HostileInputs)
#include "tst_hostileinputs.moc"
