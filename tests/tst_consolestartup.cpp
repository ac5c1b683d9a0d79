#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;

// A console tool (a package checker, a build step) reads packages with a QCoreApplication only.
class tst_ConsoleStartup : public QObject {
    Q_OBJECT

private slots:
    void packagesLoadWithoutWidgets()
    {
        QVERIFY(!qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
        Init();
        const QString path
            = TestSupport::writeArchive(TestSupport::scratchPath(QStringLiteral("console.data")),
                {{"style.json", R"({"style": [{"type": 1, "name": "face", "img": "face.png"}]})"},
                    {"face.png", TestSupport::png(TestSupport::solid(4, 3, Qt::magenta))}});
        QVERIFY(LoadThemePackage(path.toUtf8().constData()));
        QVERIFY(LoadAppPackage(path));
        // The built-in marks are drawn without a GUI application too.
        QCOMPARE(CThemeManager::instance().appPackage()->imageCache.size(), 4);
        ImageStyle face;
        QVERIFY(GetImageStyle("face", face));
        QCOMPARE(face.image, QStringLiteral("face.png"));
        const QImage* image = CThemeManager::instance().getImage(face.image, false);
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(4, 3));
    }
};

QTEST_GUILESS_MAIN(tst_ConsoleStartup)
#include "tst_consolestartup.moc"
