// The installed library as a user meets it: installed into a prefix that is then moved, the
// examples built against that prefix alone with find_package, run headless, and a one-line
// program built with pkg-config; every installed header compiles on its own.
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray output;
};

Run run(const QString& program, const QStringList& args, const QString& workDir = QString(),
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(program, args);
    Run result;
    if (process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = process.readAll();
    return result;
}

#define QVERIFY_RUN(r) QVERIFY2((r).exitCode == 0, (r).output.right(4000).constData())

} // namespace

class tst_Install : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_prefix;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QStringList m_cflags;

    QByteArray pkgConfig(const QString& option)
    {
        const Run r
            = run("pkg-config", {option, QStringLiteral("VelQtLib" VELQT_SUFFIX)}, {}, m_env);
        return r.exitCode == 0 ? r.output.simplified() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        const QString installed = m_work.filePath("installed");
        QVERIFY_RUN(run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", installed}));
        // Moved after installing: nothing may point back at the first prefix or the build tree.
        m_prefix = m_work.filePath("moved");
        QVERIFY(QDir().rename(installed, m_prefix));
        QVERIFY(!QDir(m_prefix).exists(
            QStringLiteral("include/VelQtLib" VELQT_SUFFIX "/framework/VelQWindow_p.h")));
        QStringList dirs;
        QDirIterator it(m_prefix, {"pkgconfig"}, QDir::Dirs, QDirIterator::Subdirectories);
        while (it.hasNext())
            dirs << it.next();
        m_env.insert("PKG_CONFIG_PATH", dirs.join(':'));
        m_cflags = QString::fromLocal8Bit(pkgConfig("--cflags")).split(' ');
        QVERIFY(!m_cflags.isEmpty());
    }

    void examples_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("description") << "description-window";
        QTest::newRow("code") << "controls-in-code";
    }

    void examples()
    {
        QFETCH(QString, name);
        const QString build = m_work.filePath("build-" + name);
        QVERIFY_RUN(run(CMAKE_COMMAND,
            {"-S", SOURCE_DIR "/examples/" + name, "-B", build, "-DCMAKE_PREFIX_PATH=" + m_prefix,
                "-DVELQT_QT_MAJOR=" VELQT_QT_MAJOR, "-DCMAKE_BUILD_TYPE=Release",
                "-DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON",
                "-DCMAKE_CXX_COMPILER=" CXX_COMPILER}));
        QVERIFY_RUN(run(CMAKE_COMMAND, {"--build", build, "--parallel", "2"}));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        const QString shot = m_work.filePath(name + ".png");
        QVERIFY_RUN(run(build + "/" + name, {"--screenshot", shot}, build, env));
        // Not blank: the themed controls put several distinct colours on the window.
        const QImage image(shot);
        QVERIFY(!image.isNull());
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
        // The accent that both example themes use for their main button.
        QVERIFY(colours.contains(qRgb(0xe8, 0x3a, 0x1d)));
    }

    void oneLineProgramWithPkgConfig()
    {
        const QString source = m_work.filePath("one-line.cpp");
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Its one header is light: headersStandAlone compiles VelQtLib.h with the same flags.
        file.write("#include <framework/Library.h>\n"
                   "int main() { return VelQtLib::isDesignToolPath(\"/usr/bin/app\") ? 1 : 0; }\n");
        file.close();
        const QString program = m_work.filePath("one-line");
        QVERIFY_RUN(run(CXX_COMPILER,
            QStringList {"-std=c++17", source, "-o", program}
                + QString::fromLocal8Bit(pkgConfig("--libs")).split(' ') + m_cflags));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_LIBRARY_PATH", QString::fromLocal8Bit(pkgConfig("--variable=libdir")));
        QVERIFY_RUN(run(program, {}, {}, env));
    }

    void headersStandAlone()
    {
        const QString includeDir = m_prefix + "/include/VelQtLib" VELQT_SUFFIX;
        QStringList headers;
        QDirIterator it(includeDir, {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            headers << QDir(includeDir).relativeFilePath(it.next());
            QVERIFY2(!headers.last().endsWith("_p.h"), qPrintable(headers.last()));
        }
        QVERIFY(headers.size() > 40);
        // As many compilers at once as there are cores: each parses Qt's headers anew.
        const int jobs = qMax(2, QThread::idealThreadCount());
        std::vector<std::unique_ptr<QProcess>> running;
        QString failures;
        for (int next = 0; next < headers.size() || !running.empty();) {
            while (next < headers.size() && int(running.size()) < jobs) {
                auto& compiler = running.emplace_back(std::make_unique<QProcess>());
                compiler->setProcessChannelMode(QProcess::MergedChannels);
                compiler->setObjectName(headers[next]);
                compiler->start(CXX_COMPILER,
                    QStringList {"-std=c++17", "-fsyntax-only", "-x", "c++", "-include",
                        headers[next++], "/dev/null"}
                        + m_cflags);
            }
            QProcess& first = *running.front();
            if (!first.waitForFinished(300000) || first.exitCode() != 0)
                failures += first.objectName() + ":\n" + first.readAll().left(3000);
            running.erase(running.begin());
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
