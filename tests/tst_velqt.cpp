// velqt end to end on temporary folders: pack, unpack, lint, preview and its hot reload.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace TestSupport;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::tempPath());
    return env;
}

Run velqt(const QStringList& args, const QString& folder)
{
    QProcess p;
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(environment());
    p.start(QStringLiteral(VELQT_PATH), args);
    Run r;
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.status = p.exitCode();
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

// A theme folder: a red button face, style records with a comment.
void writeTheme(const QString& folder)
{
    QDir().mkpath(folder + QStringLiteral("/images"));
    writeFile(folder + QStringLiteral("/style.json"),
        "// the button's face\n"
        R"({"style": [{"type": 1, "name": "face", "img": "images/face.png", "margin": [2, 2, 2, 2]}]})");
    writeFile(folder + QStringLiteral("/theme.json"),
        R"({"elements": [{"child": [{"name": "qtbutton", "style": [["face", 0, 0]]}]}]})");
    writeFile(folder + QStringLiteral("/images/face.png"), solidPng(Qt::red, 40, 20));
}

} // namespace

class TestVelqt : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        VelQtLib::Init();
        writeTheme(path("theme"));
        writeTheme(path("broken"));
        writeFile(path("broken/theme.json"), "{\"elements\": [\n  {\"child\": []\n]}");
        writeTheme(path("typo"));
        writeFile(path("typo/main.json"),
            R"({"elements": [{"type": "qtcheckbox", "attr": {"siconPath": "images/on.png"}}]})");
    }

    void packAndUnpack_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "theme";
        QTest::newRow("dotted") << "./theme/";
        QTest::newRow("absolute") << path("theme");
    }

    void packAndUnpack()
    {
        QFETCH(QString, folder);
        const Run r = velqt({"pack", folder, "-o", "out.data"}, m_dir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(VelQtLib::CThemeManager::instance().loadThemePackage(path("out.data")));
        QVERIFY(VelQtLib::CThemeManager::instance().findThemeElement("qtbutton"));
        QVERIFY(VelQtLib::CThemeManager::instance().getImage("images/face.png", false));
        const QString copy = QStringLiteral("copy-") + QTest::currentDataTag();
        QCOMPARE(velqt({"unpack", "out.data", copy}, m_dir.path()).status, 0);
        for (const QString name : {"/style.json", "/theme.json", "/images/face.png"})
            QCOMPARE(readFile(path(copy) + name), readFile(path("theme") + name));
    }

    // A failing command names the problem on the standard error and writes nothing.
    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("lint, clean") << QStringList {"lint", "theme"} << 0 << QString();
        QTest::newRow("lint, image in no package")
            << QStringList {"lint", "typo"} << 1
            << "typo/main.json:1:60: error: elements[0]: \"attr\": \"siconPath\": image "
               "\"images/on.png\" is in no package";
        QTest::newRow("pack into itself")
            << QStringList {"pack", "theme", "-o", "theme/in.data"} << 1 << QString();
        QTest::newRow("pack, broken json")
            << QStringList {"pack", "broken", "-o", "broken.data"} << 1
            << "broken/theme.json:3:1: error: missing ',' or '}' in object declaration";
        QTest::newRow("help") << QStringList {"pack", "--help"} << 0 << "Examples:";
        QTest::newRow("preview's screenshot") << QStringList {"preview", "theme", "--sheet",
            "--state", "normal", "--screenshot", "sheet.png"}
                                              << 0 << QString();
    }

    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        const Run r = velqt(args, m_dir.path());
        QCOMPARE(r.status, status);
        QVERIFY2(status ? r.err.contains(message) : r.out.contains(message), qPrintable(r.err));
        if (args.first() == "lint" && status == 0) // a clean theme, nothing to report
            QCOMPARE(r.err, QString());
        if (status && args.contains("-o"))
            QVERIFY(!QFile::exists(path(args.last())));
        if (args.contains("--screenshot"))
            QVERIFY(countNear(QImage(path(args.last())), Qt::red, 10) >= 36 * 16);
    }

    // Every input the fuzzers keep, as the member it stands for.
    void lintSurvivesFuzzInputs()
    {
        QDirIterator it(QStringLiteral(VELQT_FUZZ_DIR), QDir::Files, QDirIterator::Subdirectories);
        int runs = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            if (!file.contains("/regressions/") && !file.contains("/seeds/"))
                continue;
            const QByteArray bytes = readFile(file);
            const QString folder = path(QStringLiteral("fuzz%1").arg(runs++));
            writeTheme(folder);
            if (file.contains("/styles/"))
                writeFile(folder + "/style.json", bytes);
            else if (file.contains("/image/"))
                writeFile(folder + "/images/face.png", bytes);
            else if (file.contains("/description/"))
                writeFile(folder + "/main.json", bytes), writeFile(folder + "/theme.json", bytes);
            else
                continue;
            const Run r = velqt({"lint", folder}, m_dir.path());
            QVERIFY2(r.status == 0 || r.status == 1, qPrintable(file));
        }
        QVERIFY(runs > 0);
    }

    void previewFollowsEdits()
    {
        writeTheme(path("live"));
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.setProcessEnvironment(environment());
        p.start(QStringLiteral(VELQT_PATH),
            {"preview", "live", "--sheet", "--watch", "--screenshot", "live.png"});
        const auto waitFor = [&](QColor colour) {
            QElapsedTimer timer;
            timer.start();
            while (timer.elapsed() < 10000) {
                QTest::qWait(50);
                if (countNear(QImage(path("live.png")), colour, 10) >= 36 * 16)
                    return true;
            }
            return false;
        };
        QVERIFY(waitFor(Qt::red));
        // Replaced through a new file renamed over it, as editors do.
        writeFile(path("live/face.new"), solidPng(Qt::blue, 40, 20));
        QFile::remove(path("live/images/face.png"));
        QVERIFY(QFile::rename(path("live/face.new"), path("live/images/face.png")));
        const bool followed = waitFor(Qt::blue);
        p.kill();
        p.waitForFinished();
        QVERIFY(followed);
    }
};

QTEST_MAIN(TestVelqt)
#include "tst_velqt.moc"
