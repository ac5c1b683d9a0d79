// velqt end to end on temporary folders: pack, unpack, lint, preview and its hot reload.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace TestSupport;

// The exit status of velqt (-1 when it did not end); its standard error in err.
static int velqt(const QStringList& args, QString* err = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(VELQT_PATH), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    if (err)
        *err = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitCode();
}

// A theme folder: a red button face, style records with a comment.
static void writeTheme(const QString& folder)
{
    QDir().mkpath(folder + QStringLiteral("/images"));
    writeFile(folder + QStringLiteral("/style.json"),
        "// the button's face\n"
        R"({"style": [{"type": 1, "name": "face", "img": "images/face.png", "margin": [2, 2, 2, 2]}]})");
    writeFile(folder + QStringLiteral("/theme.json"),
        R"({"elements": [{"child": [{"name": "qtbutton", "style": [["face", 0, 0]]}]}]})");
    writeFile(folder + QStringLiteral("/images/face.png"), solidPng(Qt::red, 40, 20));
}

class TestVelqt : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // velqt inherits these: headless, in the scratch folder.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        QDir::setCurrent(m_dir.path());
        VelQtLib::Init();
        writeTheme("theme");
        writeTheme("broken");
        writeFile("broken/theme.json", "{\"elements\": [\n  {\"child\": []\n]}");
        writeTheme("typo");
        writeFile("typo/main.json",
            R"({"elements": [{"type": "qtcheckbox", "attr": {"siconPath": "images/on.png"}}]})");
    }

    // Packed from a folder named three ways, loaded, and unpacked to the same files.
    void packAndUnpack()
    {
        for (const QString& folder :
            {QStringLiteral("theme"), QStringLiteral("./theme/"), m_dir.filePath("theme")}) {
            QCOMPARE(velqt({"pack", folder, "-o", "out.data"}), 0);
            auto& manager = VelQtLib::CThemeManager::instance();
            QVERIFY(manager.loadThemePackage("out.data") && manager.findThemeElement("qtbutton")
                && manager.getImage("images/face.png", false));
            QCOMPARE(velqt({"unpack", "out.data", "copy"}), 0);
            for (const QString name : {"/style.json", "/theme.json", "/images/face.png"})
                QCOMPARE(readFile("copy" + name), readFile("theme" + name));
            QDir("copy").removeRecursively();
        }
    }

    // A failing command names the problem on the standard error and writes nothing.
    void commands_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const auto row
            = [](const char* name, const QStringList& args, int status, const char* message = "") {
                  QTest::newRow(name) << args << status << QString(message);
              };
        row("lint, clean", {"lint", "theme"}, 0);
        row("lint, image in no package", {"lint", "typo"}, 1,
            R"(typo/main.json:1:60: error: elements[0]: "attr": "siconPath": image "images/on.png" is in no package)");
        row("pack into itself", {"pack", "theme", "-o", "theme/in.data"}, 1);
        row("pack, broken json", {"pack", "broken", "-o", "broken.data"}, 1,
            "broken/theme.json:3:1: error: missing ',' or '}' in object declaration");
        row("preview's screenshot",
            {"preview", "theme", "--sheet", "--state", "normal", "--screenshot", "sheet.png"}, 0);
    }

    void commands()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, message);
        QString err;
        QCOMPARE(velqt(args, &err), status);
        QVERIFY2(status ? err.contains(message) : err.isEmpty(), qPrintable(err));
        if (status && args.contains("-o"))
            QVERIFY(!QFile::exists(args.last()));
        if (args.contains("--screenshot"))
            QVERIFY(countNear(QImage(args.last()), Qt::red, 10) >= 36 * 16);
    }

    // Every input the fuzzers keep, as the member it stands for.
    void lintSurvivesFuzzInputs()
    {
        QDirIterator it(QStringLiteral(VELQT_FUZZ_DIR), QDir::Files, QDirIterator::Subdirectories);
        int runs = 0;
        while (it.hasNext()) {
            const QString file = it.next();
            const QString folder = QStringLiteral("fuzz%1").arg(runs);
            const char* member = file.contains("/styles/") ? "/style.json"
                : file.contains("/image/")                 ? "/images/face.png"
                : file.contains("/description/")           ? "/main.json"
                                                           : nullptr;
            if (!member || (!file.contains("/regressions/") && !file.contains("/seeds/")))
                continue;
            writeTheme(folder);
            writeFile(folder + member, readFile(file));
            if (file.contains("/description/"))
                writeFile(folder + "/theme.json", readFile(file));
            const int status = velqt({"lint", folder});
            QVERIFY2(status == 0 || status == 1, qPrintable(file));
            ++runs;
        }
        QVERIFY(runs > 0);
    }

    // The preview follows an image replaced through a new file renamed over it, as editors do.
    void previewFollowsEdits()
    {
        writeTheme("live");
        QProcess p;
        p.start(QStringLiteral(VELQT_PATH),
            {"preview", "live", "--sheet", "--watch", "--screenshot", "live.png"});
        const auto shows = [](QColor c) {
            return countNear(QImage("live.png"), c, 10) >= 36 * 16;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shows(Qt::red), 10000);
        writeFile("live/face.new", solidPng(Qt::blue, 40, 20));
        QFile::remove("live/images/face.png");
        QVERIFY(QFile::rename("live/face.new", "live/images/face.png"));
        QTRY_VERIFY_WITH_TIMEOUT(shows(Qt::blue), 10000);
        p.kill();
        p.waitForFinished();
    }
};

QTEST_MAIN(TestVelqt)
#include "tst_velqt.moc"
