// Start-up: what Init must come before, the design mode a tool's path switches on, the style
// installed before the application, and packages read by console programs.
#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QProxyStyle>
#include <QtTest>

#include <cstdio>

using namespace VelQtLib;
using namespace TestSupport;

// What this program prints when run again with args (as program, when given).
static QByteArray printed(const QStringList& args, QString program = QString())
{
    QProcess process;
    process.start(program.isEmpty() ? QCoreApplication::applicationFilePath() : program, args);
    return process.waitForFinished(30000) ? process.readAllStandardOutput().trimmed() : "timeout";
}

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installStrictMessageHandler(); }

    void loadsBeforeInitAreRefused()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("early.data")),
            {{"style.json", R"({"style": [{"type": 1, "name": "early"}]})"},
                {"theme.json", R"({"elements": [{"child": [{"name": "qtbutton"}]}]})"}});
        CThemeManager& m = CThemeManager::instance();
        ImageStyle s;
        QVERIFY(!LoadThemePackage(path.toUtf8().constData()) && !LoadAppPackage(path));
        QVERIFY(!m.themePackage() && m.appPackage()->entries.empty() && !GetImageStyle("early", s));
        Init();
        Init();
        QVERIFY(LoadThemePackage(path.toUtf8().constData()) && m.findThemeElement("qtbutton"));
        QVERIFY(LoadAppPackage(path) && GetImageStyle("early", s));
        QCOMPARE(m.appPackage()->imageCache.size(), 4);
    }

    // Run from a design tool's folder, or under its emulator's name, controls fill sample items.
    // The style installed by Init wraps the platform's own once the application comes.
    void designModeAndStyleBeforeTheApplication()
    {
        QVERIFY(!IsDesignMode());
        const std::pair<const char*, bool> paths[]
            = {{"/opt/LayoutForgeQt/app", true}, {"/bin/myTessarkQtEmulator", true},
                {"/xLayoutForgeQtx/app", true}, {"/layoutforgeqt/app", false}, {"/bin/app", false}};
        for (const auto& [path, design] : paths)
            QVERIFY2(isDesignToolPath(path) == design, path);
        const QString dir = scratchPath(QStringLiteral("LayoutForgeQt"));
        QDir().mkpath(dir);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), dir + "/app"));
        QCOMPARE(printed({QStringLiteral("--print-mode")}, dir + "/app"),
            QByteArray("1 VelQtLib::CScrollBarStyle QFusionStyle"));
    }

    // A console tool (a package checker, a build step) reads packages with a QCoreApplication only;
    // the built-in marks are drawn without a GUI application too.
    void packagesLoadWithoutWidgets()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("console.data")),
            {{"style.json", R"({"style": [{"type": 1, "name": "face", "img": "face.png"}]})"},
                {"face.png", png(solid(4, 3, Qt::magenta))}});
        QCOMPARE(printed({QStringLiteral("--console"), path}), QByteArray("0 1 1 4 face.png 4x3"));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--print-mode") == 0) {
        Init();
        QApplication app(argc, argv);
        const auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        std::printf("%d %s %s\n", IsDesignMode() ? 1 : 0,
            QApplication::style()->metaObject()->className(),
            proxy ? proxy->baseStyle()->metaObject()->className() : "");
        return 0;
    }
    if (argc > 2 && qstrcmp(argv[1], "--console") == 0) {
        QCoreApplication app(argc, argv);
        Init();
        ImageStyle face;
        const bool loaded
            = LoadThemePackage(argv[2]) && LoadAppPackage(QString::fromLocal8Bit(argv[2]));
        const bool found = GetImageStyle("face", face);
        const int marks = int(CThemeManager::instance().appPackage()->imageCache.size());
        const QImage* image = CThemeManager::instance().getImage(face.image, false);
        std::printf("%d %d %d %d %s %dx%d\n", qobject_cast<QGuiApplication*>(&app) != nullptr,
            loaded, found, marks, qPrintable(face.image), image ? image->width() : 0,
            image ? image->height() : 0);
        return 0;
    }
    QApplication app(argc, argv);
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
