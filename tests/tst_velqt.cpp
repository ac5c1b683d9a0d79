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

// Writes a file through a new one renamed over it, as editors do.
void replaceFile(const QString& path, const QByteArray& bytes)
{
    writeFile(path + QStringLiteral(".new"), bytes);
    QFile::remove(path);
    QVERIFY(QFile::rename(path + QStringLiteral(".new"), path));
}

// A theme folder: a button face of one colour, style records with a comment.
void writeTheme(const QString& folder, QColor face)
{
    QDir().mkpath(folder + QStringLiteral("/images"));
    writeFile(folder + QStringLiteral("/style.json"),
        "// the button's face\n"
        R"({"style": [{"type": 1, "name": "face", "img": "images/face.png", "margin": [2, 2, 2, 2]}]})");
    writeFile(folder + QStringLiteral("/theme.json"),
        R"({"elements": [{"child": [{"name": "qtbutton", "style": [["face", 0, 0]]}]}]})");
    writeFile(folder + QStringLiteral("/images/face.png"), solidPng(face, 40, 20));
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
        writeTheme(path("theme"), Qt::red);
    }

    void packStoresMembersRelativeToTheFolder_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "theme";
        QTest::newRow("dotted") << "./theme/";
        QTest::newRow("absolute") << path("theme");
    }

    void packStoresMembersRelativeToTheFolder()
    {
        QFETCH(QString, folder);
        const Run r = velqt({"pack", folder, "-o", "out.data"}, m_dir.path());
        QCOMPARE(r.status, 0);
        QVERIFY(VelQtLib::CThemeManager::instance().loadThemePackage(path("out.data")));
        QVERIFY(VelQtLib::CThemeManager::instance().findThemeElement("qtbutton"));
        QVERIFY(VelQtLib::CThemeManager::instance().getImage("images/face.png", false));
    }

    void packRefusesBadInput()
    {
        Run r = velqt({"pack", "theme", "-o", "theme/in.data"}, m_dir.path());
        QCOMPARE(r.status, 1);
        QVERIFY(!QFile::exists(path("theme/in.data")));
        writeTheme(path("broken"), Qt::red);
        writeFile(path("broken/theme.json"), "{\"elements\": [\n  {\"child\": []\n]}");
        r = velqt({"pack", "broken", "-o", "broken.data"}, m_dir.path());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("broken/theme.json:3:1: error: missing ',' or '}' in object "
                                "declaration"),
            qPrintable(r.err));
        QVERIFY(!QFile::exists(path("broken.data")));
        QVERIFY(velqt({"pack", "--help"}, m_dir.path()).out.contains("Examples:"));
    }

    void unpackGivesTheFolderBack()
    {
        QCOMPARE(velqt({"pack", "theme", "-o", "round.data"}, m_dir.path()).status, 0);
        QCOMPARE(velqt({"unpack", "round.data", "copy"}, m_dir.path()).status, 0);
        for (const QString name : {"style.json", "theme.json", "images/face.png"})
            QCOMPARE(readFile(path("copy/") + name), readFile(path("theme/") + name));
    }

    void lintNamesMistakes()
    {
        Run r = velqt({"lint", "theme"}, m_dir.path());
        QCOMPARE(r.err, QString());
        QCOMPARE(r.status, 0);
        writeTheme(path("typo"), Qt::red);
        writeFile(path("typo/main.json"),
            R"({"elements": [{"type": "qtcheckbox", "attr": {"siconPath": "images/on.png"}}]})");
        r = velqt({"lint", "typo"}, m_dir.path());
        QCOMPARE(r.status, 1);
        QVERIFY2(r.err.contains("typo/main.json:1:60: error: elements[0]: \"attr\": \"siconPath\": "
                                "image \"images/on.png\" is in no package"),
            qPrintable(r.err));
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
            writeTheme(folder, Qt::red);
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

    void previewSavesAScreenshot()
    {
        const Run r = velqt(
            {"preview", "theme", "--sheet", "--state", "normal", "--screenshot", "sheet.png"},
            m_dir.path());
        QCOMPARE(r.status, 0);
        const QImage shot(path("sheet.png"));
        QVERIFY(countNear(shot, Qt::red, 10) >= 36 * 16);
    }

    void previewFollowsEdits()
    {
        writeTheme(path("live"), Qt::red);
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
        replaceFile(path("live/images/face.png"), solidPng(Qt::blue, 40, 20));
        const bool followed = waitFor(Qt::blue);
        p.kill();
        p.waitForFinished();
        QVERIFY(followed);
    }
};

QTEST_MAIN(TestVelqt)
#include "tst_velqt.moc"
