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

private slots:
    void initTestCase();
    void examples_data();
    void examples();
    void pkgConfig();
    void headersStandAlone();

private:
    QTemporaryDir m_work;
    QString m_prefix;
    QProcessEnvironment pkgConfigEnv() const;
    QString pcName() const { return QStringLiteral("VelQtLib" VELQT_SUFFIX); }
};

void tst_Install::initTestCase()
{
    QVERIFY(m_work.isValid());
    const QString installed = m_work.filePath("installed");
    QVERIFY_RUN(run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", installed}));
    // Moved after installing: nothing may point back at the first prefix or the build tree.
    m_prefix = m_work.filePath("moved");
    QVERIFY(QDir().rename(installed, m_prefix));
    QVERIFY(!QDir(m_prefix).exists(
        QStringLiteral("include/VelQtLib" VELQT_SUFFIX "/framework/VelQWindow_p.h")));
}

void tst_Install::examples_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("description") << "description-window";
    QTest::newRow("code") << "controls-in-code";
}

void tst_Install::examples()
{
    QFETCH(QString, name);
    const QString build = m_work.filePath("build-" + name);
    QVERIFY_RUN(run(CMAKE_COMMAND,
        {"-S", SOURCE_DIR "/examples/" + name, "-B", build, "-DCMAKE_PREFIX_PATH=" + m_prefix,
            "-DVELQT_QT_MAJOR=" VELQT_QT_MAJOR, "-DCMAKE_BUILD_TYPE=Release",
            "-DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON", "-DCMAKE_CXX_COMPILER=" CXX_COMPILER}));
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

QProcessEnvironment tst_Install::pkgConfigEnv() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QStringList dirs;
    QDirIterator it(m_prefix, {"pkgconfig"}, QDir::Dirs, QDirIterator::Subdirectories);
    while (it.hasNext())
        dirs << it.next();
    env.insert("PKG_CONFIG_PATH", dirs.join(':'));
    return env;
}

void tst_Install::pkgConfig()
{
    const Run flags = run("pkg-config", {"--cflags", "--libs", pcName()}, {}, pkgConfigEnv());
    QVERIFY_RUN(flags);
    const QString source = m_work.filePath("one-line.cpp");
    QFile file(source);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#include <VelQtLib.h>\n"
               "int main() { return VelQtLib::isDesignToolPath(\"/usr/bin/app\") ? 1 : 0; }\n");
    file.close();
    const QString program = m_work.filePath("one-line");
    QStringList args = {"-std=c++17", source, "-o", program};
    args += QString::fromLocal8Bit(flags.output).simplified().split(' ');
    QVERIFY_RUN(run(CXX_COMPILER, args));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString libs = QString::fromLocal8Bit(
        run("pkg-config", {"--variable=libdir", pcName()}, {}, pkgConfigEnv()).output)
                             .trimmed();
    env.insert("LD_LIBRARY_PATH", libs);
    QVERIFY_RUN(run(program, {}, {}, env));
}

void tst_Install::headersStandAlone()
{
    const QString includeDir = m_prefix + "/include/VelQtLib" VELQT_SUFFIX;
    const QStringList flags = QString::fromLocal8Bit(
        run("pkg-config", {"--cflags", pcName()}, {}, pkgConfigEnv()).output)
                                  .simplified()
                                  .split(' ');
    QStringList headers;
    QDirIterator it(includeDir, {"*.h"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        headers << QDir(includeDir).relativeFilePath(it.next());
        QVERIFY2(!headers.last().endsWith("_p.h"), qPrintable(headers.last()));
    }
    QVERIFY(headers.size() > 40);

    // Compiled a few at a time: each parses Qt's headers anew.
    const int jobs = qMax(2, QThread::idealThreadCount());
    for (int first = 0; first < headers.size(); first += jobs) {
        std::vector<std::unique_ptr<QProcess>> batch;
        for (int i = first; i < qMin(first + jobs, int(headers.size())); ++i) {
            auto& compiler = batch.emplace_back(std::make_unique<QProcess>());
            compiler->setProcessChannelMode(QProcess::MergedChannels);
            compiler->start(CXX_COMPILER,
                QStringList {
                    "-std=c++17", "-fsyntax-only", "-x", "c++", "-include", headers[i], "/dev/null"}
                    + flags);
        }
        QString failures;
        for (size_t i = 0; i < batch.size(); ++i) {
            QProcess& compiler = *batch[i];
            if (!compiler.waitForFinished(300000) || compiler.exitCode() != 0)
                failures += headers[first + int(i)] + ":\n" + compiler.readAll().left(3000);
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }
}

QTEST_GUILESS_MAIN(tst_Install)
#include "tst_install.moc"
