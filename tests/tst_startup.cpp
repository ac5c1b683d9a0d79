#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QProxyStyle>
#include <QtTest>

#include <cstdio>

using namespace VelQtLib;
using namespace TestSupport;

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installStrictMessageHandler(); }

    void loadsBeforeInitAreRefused()
    {
        const QString path = writeArchive(scratchPath(QStringLiteral("early.data")),
            {{"style.json", R"({"style": [{"type": 1, "name": "early"}]})"},
                {"theme.json", R"({"elements": [{"child": [{"name": "qtbutton"}]}]})"}});
        QVERIFY(!LoadThemePackage(path.toUtf8().constData()));
        QVERIFY(!LoadAppPackage(path));
        QVERIFY(!CThemeManager::instance().themePackage());
        QVERIFY(CThemeManager::instance().appPackage()->entries.empty());
        ImageStyle s;
        QVERIFY(!GetImageStyle("early", s));

        Init();
        Init();
        QVERIFY(LoadThemePackage(path.toUtf8().constData()));
        QVERIFY(CThemeManager::instance().findThemeElement("qtbutton"));
        QVERIFY(LoadAppPackage(path));
        QVERIFY(GetImageStyle("early", s));
        QCOMPARE(CThemeManager::instance().appPackage()->imageCache.size(), 4);
    }

    void designModeFromExecutablePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("design");
        QTest::newRow("designer folder") << "LayoutForgeQt"
                                         << "app" << true;
        QTest::newRow("emulator in file name") << "bin"
                                               << "myTessarkQtEmulator" << true;
        QTest::newRow("substring") << "xLayoutForgeQtx"
                                   << "app" << true;
        QTest::newRow("other case") << "layoutforgeqt"
                                    << "app" << false;
        QTest::newRow("plain") << "bin"
                               << "app" << false;
    }

    void designModeFromExecutablePath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, file);
        QFETCH(bool, design);
        const QString dir = scratchPath(folder);
        QDir().mkpath(dir);
        const QString copy = dir + QLatin1Char('/') + file;
        QFile::remove(copy);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess process;
        process.start(copy, {QStringLiteral("--print-design-mode")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardOutput().trimmed(), QByteArray(design ? "1" : "0"));
    }

    void styleInstalledBeforeTheApplication()
    {
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--print-style")});
        QVERIFY(process.waitForFinished(30000));
        // The proxy wraps the platform's own style, even though it came before the application.
        QCOMPARE(process.readAllStandardOutput().trimmed(),
            QByteArray("VelQtLib::CScrollBarStyle QFusionStyle"));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--print-design-mode") == 0) {
        Init();
        std::printf("%d\n", IsDesignMode() ? 1 : 0);
        return 0;
    }
    if (argc > 1 && qstrcmp(argv[1], "--print-style") == 0) {
        Init();
        QApplication app(argc, argv);
        const auto* proxy = qobject_cast<QProxyStyle*>(QApplication::style());
        std::printf("%s %s\n", QApplication::style()->metaObject()->className(),
            proxy ? proxy->baseStyle()->metaObject()->className() : "");
        return 0;
    }
    QApplication app(argc, argv);
    tst_Startup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
