// Replays the inputs the fuzzers once failed on, and the committed seeds, through the same
// entry points; in the sanitized build every replay is also checked for memory and UB faults.
#include "FuzzEntry.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdint>

using Entry = void (*)(const std::uint8_t*, std::size_t);
Q_DECLARE_METATYPE(Entry)

class tst_FuzzRegressions : public QObject {
    Q_OBJECT

    static void addFolder(const QString& folder, const char* target, Entry entry)
    {
        const QDir dir(
            QStringLiteral(VELQT_FUZZ_DIR "/") + folder + QLatin1Char('/') + QLatin1String(target));
        const QStringList files = dir.entryList(QDir::Files, QDir::Name);
        for (const QString& file : files) {
            QTest::newRow(qPrintable(
                folder + QLatin1Char('/') + QLatin1String(target) + QLatin1Char('/') + file))
                << dir.filePath(file) << entry;
        }
    }

private slots:
    void initTestCase() { VelQtFuzz::setUp(); }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Entry>("entry");
        const struct {
            const char* name;
            Entry entry;
        } targets[] = {{"package", VelQtFuzz::package}, {"styles", VelQtFuzz::styles},
            {"description", VelQtFuzz::description}, {"image", VelQtFuzz::image}};
        for (const auto& t : targets) {
            addFolder(QStringLiteral("regressions"), t.name, t.entry);
            addFolder(QStringLiteral("seeds"), t.name, t.entry);
        }
    }

    void replay()
    {
        QFETCH(QString, path);
        QFETCH(Entry, entry);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
};

QTEST_MAIN(tst_FuzzRegressions)
#include "tst_fuzzregressions.moc"
