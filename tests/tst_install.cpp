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

namespace {

struct Run {
    int exitCode = -1; // when it did not end normally
    QByteArray output;
};

Run run(const QString& program, const QStringList& args, const QString& workDir = QString(),
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
    const QByteArray& input = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    const bool ended
        = process.waitForFinished(600000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, process.readAll()};
}

// Runs once: QVERIFY2 would evaluate its argument again for the message.
#define QVERIFY_RUN(r)                                                                             \
    do {                                                                                           \
        const Run done_ = (r);                                                                     \
        QVERIFY2(done_.exitCode == 0, done_.output.right(4000).constData());                       \
    } while (false)

} // namespace

class tst_Install : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_prefix;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
    QStringList m_cflags;

    QStringList pkgConfig(const QString& option)
    {
        const Run r = run("pkg-config", {option, "VelQtLib" VELQT_SUFFIX}, {}, m_env);
        return QString::fromLocal8Bit(r.exitCode == 0 ? r.output.simplified() : "").split(' ');
    }

private slots:
    void initTestCase()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen"); // for the examples
        const QString installed = m_work.filePath("installed");
        QVERIFY_RUN(run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", installed}));
        // Moved after installing: nothing may point back at the first prefix or the build tree.
        m_prefix = m_work.filePath("moved");
        QVERIFY(m_work.isValid() && QDir().rename(installed, m_prefix));
        QStringList dirs;
        for (QDirIterator it(m_prefix, {"pkgconfig"}, QDir::Dirs, QDirIterator::Subdirectories);
             it.hasNext();)
            dirs << it.next();
        m_env.insert("PKG_CONFIG_PATH", dirs.join(':'));
        m_cflags = pkgConfig("--cflags");
        QVERIFY(!m_cflags.first().isEmpty());
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
        const QString shot = m_work.filePath(name + ".png");
        QVERIFY_RUN(run(build + "/" + name, {"--screenshot", shot}, build));
        // Not blank: the themed controls put several distinct colours on the window, among them
        // the accent that both example themes use for their main button.
        const QImage image(shot);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 8, qPrintable(QString::number(colours.size())));
        QVERIFY(colours.contains(qRgb(0xe8, 0x3a, 0x1d)));
    }

    void oneLineProgramWithPkgConfig()
    {
        const QString program = m_work.filePath("one-line");
        // Its one header is light: headersStandAlone compiles VelQtLib.h with the same flags.
        QVERIFY_RUN(run(CXX_COMPILER,
            QStringList {"-std=c++17", "-x", "c++", "-", "-x", "none", "-o", program}
                + pkgConfig("--libs") + m_cflags,
            {}, QProcessEnvironment::systemEnvironment(),
            "#include <framework/Library.h>\n"
            "int main() { return VelQtLib::isDesignToolPath(\"/usr/bin/app\") ? 1 : 0; }\n"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_LIBRARY_PATH", pkgConfig("--variable=libdir").first());
        QVERIFY_RUN(run(program, {}, {}, env));
    }

    // Every installed header compiles on its own; none is private.
    void headersStandAlone()
    {
        const QString includeDir = m_prefix + "/include/VelQtLib" VELQT_SUFFIX;
        QStringList headers;
        for (QDirIterator it(includeDir, {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            headers << QDir(includeDir).relativeFilePath(it.next());
            QVERIFY2(!headers.last().endsWith("_p.h"), qPrintable(headers.last()));
        }
        QVERIFY(headers.size() > 40);
        // As many compilers at once as there are cores: each parses Qt's headers anew.
        QVERIFY_RUN(run("xargs",
            QStringList {"-P", QString::number(qMax(2, QThread::idealThreadCount())), "-I@",
                CXX_COMPILER, "-std=c++17", "-fsyntax-only", "-x", "c++", "-include", "@",
                "/dev/null"}
                + m_cflags,
            {}, QProcessEnvironment::systemEnvironment(), headers.join('\n').toUtf8()));
    }
};

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
