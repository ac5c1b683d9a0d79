// velqt end to end on temporary folders: pack, unpack, lint, preview and its hot reload.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace TestSupport;

namespace {

// velqt started in folder, headless.
void start(QProcess& p, const QStringList& args, const QString& folder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir::tempPath());
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VELQT_PATH), args);
}

// The exit status of velqt in folder (-1 when it did not end); its standard error in err.
int velqt(const QStringList& args, const QString& folder, QString* err = nullptr)
{
    QProcess p;
    start(p, args, folder);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return -1;
    if (err)
        *err = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitCode();
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

    // Packed from a folder named three ways, loaded, and unpacked to the same files.
    void packAndUnpack()
    {
        for (const QString& folder :
            {QStringLiteral("theme"), QStringLiteral("./theme/"), path("theme")}) {
            QCOMPARE(velqt({"pack", folder, "-o", "out.data"}, m_dir.path()), 0);
            auto& manager = VelQtLib::CThemeManager::instance();
            QVERIFY(manager.loadThemePackage(path("out.data")));
            QVERIFY(
                manager.findThemeElement("qtbutton") && manager.getImage("images/face.png", false));
            QCOMPARE(velqt({"unpack", "out.data", "copy"}, m_dir.path()), 0);
            for (const QString name : {"/style.json", "/theme.json", "/images/face.png"})
                QCOMPARE(readFile(path("copy") + name), readFile(path("theme") + name));
            QDir(path("copy")).removeRecursively();
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
        QCOMPARE(velqt(args, m_dir.path(), &err), status);
        QVERIFY2(err.contains(message), qPrintable(err));
        if (args.first() == "lint" && status == 0) // a clean theme, nothing to report
            QCOMPARE(err, QString());
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
            const QString folder = path(QStringLiteral("fuzz%1").arg(runs));
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
            const int status = velqt({"lint", folder}, m_dir.path());
            QVERIFY2(status == 0 || status == 1, qPrintable(file));
            ++runs;
        }
        QVERIFY(runs > 0);
    }

    // The preview follows an image replaced through a new file renamed over it, as editors do.
    void previewFollowsEdits()
    {
        writeTheme(path("live"));
        QProcess p;
        start(
            p, {"preview", "live", "--sheet", "--watch", "--screenshot", "live.png"}, m_dir.path());
        const auto shows = [&](QColor colour) {
            return countNear(QImage(path("live.png")), colour, 10) >= 36 * 16;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shows(Qt::red), 10000);
        writeFile(path("live/face.new"), solidPng(Qt::blue, 40, 20));
        QFile::remove(path("live/images/face.png"));
        QVERIFY(QFile::rename(path("live/face.new"), path("live/images/face.png")));
        QTRY_VERIFY_WITH_TIMEOUT(shows(Qt::blue), 10000);
        p.kill();
        p.waitForFinished();
    }
};

QTEST_MAIN(TestVelqt)
#include "tst_velqt.moc"
