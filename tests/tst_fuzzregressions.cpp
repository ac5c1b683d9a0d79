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

private slots:
    void initTestCase() { VelQtFuzz::setUp(); }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<Entry>("entry");
        const std::pair<const char*, Entry> targets[]
            = {{"package", VelQtFuzz::package}, {"styles", VelQtFuzz::styles},
                {"description", VelQtFuzz::description}, {"image", VelQtFuzz::image}};
        for (const auto& [target, entry] : targets) {
            for (const char* folder : {"regressions", "seeds"}) {
                const QString name = QStringLiteral("%1/%2/").arg(folder, target);
                const QDir dir(QStringLiteral(VELQT_FUZZ_DIR "/") + name);
                for (const QString& file : dir.entryList(QDir::Files, QDir::Name))
                    QTest::newRow(qPrintable(name + file)) << dir.filePath(file) << entry;
            }
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
