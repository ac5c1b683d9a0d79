#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QByteArray minimalStyle = R"({"style": [{"type": 1, "name": "bg", "clr": "ff112233"}]})";

QByteArray entryBytes(const PackageEntry* entry)
{
    return entry ? QByteArray(reinterpret_cast<const char*>(entry->bytes.get()), int(entry->size))
                 : QByteArray();
}

} // namespace

class tst_ThemePackage : public QObject {
    Q_OBJECT

private:
    // Loads the archive made of members into a fresh package.
    std::unique_ptr<CThemePackage> load(const QList<Member>& members, bool* ok = nullptr)
    {
        static int serial = 0;
        const QString path = scratchPath(QStringLiteral("p%1.data").arg(++serial));
        writeArchive(path, members);
        return loadFile(path, ok);
    }

    std::unique_ptr<CThemePackage> loadFile(const QString& path, bool* ok = nullptr)
    {
        auto package = std::make_unique<CThemePackage>();
        package->path = path;
        const bool loaded = package->load();
        if (ok)
            *ok = loaded;
        return package;
    }

    // An archive of style.json and one more member, with that member's headers edited.
    template<class Patch>
    std::unique_ptr<CThemePackage> loadPatched(const QByteArray& data, Patch patch)
    {
        static int serial = 0;
        const QString path = scratchPath(QStringLiteral("x%1.data").arg(++serial));
        writeArchive(path, {{"style.json", minimalStyle}, {"victim.bin", data}});
        QByteArray archive = readFile(path);
        patch(archive);
        writeFile(path, archive);
        bool ok = false;
        auto package = loadFile(path, &ok);
        // The damaged member never spoils the rest of the package.
        if (!ok || !package->imageStyles.contains(QStringLiteral("bg")))
            return nullptr;
        return package;
    }

private slots:
    void initTestCase() { installStrictMessageHandler(); }

    void lastRootStyleJsonIsParsed()
    {
        bool ok = false;
        auto p = load({{"Style.JSON", R"({"style": [{"type": 2, "name": "first"}]})"},
                          {"style.json", R"({"style": [{"type": 2, "name": "second"}]})"}},
            &ok);
        QVERIFY(ok);
        QCOMPARE(p->styleFileCount, 2);
        QCOMPARE(int(p->styleFiles.size()), 2);
        QVERIFY(p->textStyles.contains(QStringLiteral("second")));
        QVERIFY(!p->textStyles.contains(QStringLiteral("first")));
        QVERIFY(p->entries.empty());
    }

    void nestedStyleJsonIsAnOrdinaryEntry()
    {
        bool ok = true;
        auto p = load({{"themes/style.json", minimalStyle}}, &ok);
        QVERIFY(!ok);
        QCOMPARE(p->styleFileCount, 0);
        QVERIFY(p->findByName("themes/style.json"));
        QVERIFY(p->imageStyles.isEmpty());
    }

    void keysAreLowerCasedAndFirstWins()
    {
        auto p = load({{"style.json", minimalStyle}, {"A.png", "upper"}, {"a.png", "lower"},
            {"Images/BTN.png", "button"}});
        QCOMPARE(entryBytes(p->findByName("a.png")), QByteArray("upper"));
        QCOMPARE(entryBytes(p->findByName("images/btn.png")), QByteArray("button"));
        QVERIFY(!p->findByName("Images/BTN.png"));
        QCOMPARE(int(p->entries.size()), 2);
    }

    void emptyMembersAreNotStored()
    {
        auto p = load({{"style.json", minimalStyle}, {"readme.txt", ""}, {"images/", ""}});
        QVERIFY(!p->findByName("readme.txt"));
        QVERIFY(!p->findByName("images/"));
        QVERIFY(p->entries.empty());
    }

    void styleTextEndsAtZeroByte()
    {
        bool ok = false;
        auto p = load({{"style.json", minimalStyle + QByteArray("\0{{ not json", 12)}}, &ok);
        QVERIFY(ok);
        QVERIFY(p->imageStyles.contains(QStringLiteral("bg")));
    }

    void failedLoadsKeepTheirEntries_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::newRow("invalid json") << QByteArray("{ \"style\": [ ");
        QTest::newRow("no style member") << QByteArray(R"({"styles": []})");
        QTest::newRow("nested 100000 deep") << QByteArray(100000, '[');
        QTest::newRow("style nested 5000 deep")
            << QByteArray(R"({"style":)") + QByteArray(5000, '[') + QByteArray(5000, ']') + "}";
    }

    void failedLoadsKeepTheirEntries()
    {
        QFETCH(QByteArray, style);
        bool ok = false;
        auto p = load({{"style.json", style}, {"images/a.png", "x"}}, &ok);
        QVERIFY(!ok);
        QVERIFY(p->findByName("images/a.png"));
    }

    void missingOrForeignFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("create");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not a zip") << QByteArray("hello, this is text") << true;
        QTest::newRow("empty file") << QByteArray() << true;
    }

    void missingOrForeignFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, create);
        const QString path = scratchPath(QStringLiteral("foreign.data"));
        QFile::remove(path);
        if (create)
            writeFile(path, content);
        bool ok = true;
        auto p = loadFile(path, &ok);
        QVERIFY(!ok);
        QVERIFY(p->entries.empty());
        QCOMPARE(p->styleFileCount, 0);
    }

    void truncatedArchiveIsRefused()
    {
        const QString path = scratchPath(QStringLiteral("truncated.data"));
        writeArchive(path, {{"style.json", minimalStyle}, {"a.txt", QByteArray(4000, 'a')}});
        QByteArray archive = readFile(path);
        writeFile(path, archive.left(archive.size() - 30));
        bool ok = true;
        auto p = loadFile(path, &ok);
        QVERIFY(!ok);
    }

    void damagedMembersAreSkipped_data()
    {
        QTest::addColumn<int>("damage");
        QTest::newRow("declared size over 64 MiB") << 0;
        QTest::newRow("declared size 4 GiB") << 1;
        QTest::newRow("declared size smaller than the data") << 2;
        QTest::newRow("declared size larger than the data") << 3;
        QTest::newRow("crc mismatch") << 4;
        QTest::newRow("encrypted") << 5;
        QTest::newRow("unknown compression method") << 6;
    }

    void damagedMembersAreSkipped()
    {
        QFETCH(int, damage);
        const QByteArray data(1000, 'z');
        auto p = loadPatched(data, [&](QByteArray& a) {
            switch (damage) {
            case 0:
                patchUncompressedSize(a, "victim.bin", (64u << 20) + 1);
                break;
            case 1:
                patchUncompressedSize(a, "victim.bin", 0xffffffffu);
                break;
            case 2:
                patchUncompressedSize(a, "victim.bin", 10);
                break;
            case 3:
                patchUncompressedSize(a, "victim.bin", 5000);
                break;
            case 4:
                patchCrc(a, "victim.bin", 0x12345678);
                break;
            case 5:
                patchFlags(a, "victim.bin", 1);
                break;
            case 6:
                patchMethod(a, "victim.bin", 99);
                break;
            }
        });
        QVERIFY(p);
        QVERIFY(!p->findByName("victim.bin"));
    }

    void longAndOddNamesAreKeys_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("300 bytes") << QByteArray(300, 'N');
        QTest::newRow("parent folder") << QByteArray("../../etc/passwd");
        QTest::newRow("absolute") << QByteArray("/etc/passwd");
        QTest::newRow("backslashes") << QByteArray("images\\Back.png");
    }

    void longAndOddNamesAreKeys()
    {
        QFETCH(QByteArray, name);
        auto p = load({{"style.json", minimalStyle}, {name, "payload"}});
        QCOMPARE(entryBytes(p->findByName(name.toLower().constData())), QByteArray("payload"));
    }

    void packageSizeIsCapped()
    {
        // Nine members of 60 MiB: each fits the member limit, together they pass 512 MiB.
        const QString path = scratchPath(QStringLiteral("big.data"));
        {
            const QByteArray zeros(60 << 20, '\0');
            QList<Member> members {{"style.json", minimalStyle}};
            for (int i = 0; i < 9; ++i)
                members.append({QByteArray("blob") + QByteArray::number(i), zeros});
            writeArchive(path, members);
        }
        bool ok = false;
        auto p = loadFile(path, &ok);
        QVERIFY(ok);
        QVERIFY(p->storedBytes <= CThemePackage::maxPackageSize);
        QCOMPARE(int(p->entries.size()), 8);
        QVERIFY(p->findByName("blob7"));
        QVERIFY(!p->findByName("blob8"));
    }
};

QTEST_MAIN(tst_ThemePackage)
#include "tst_themepackage.moc"
