#include "support/TestSupport.h"

#include <VelQtLib.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

// Design-mode sample items of the views: present only when the program runs inside the
// designer or the emulator. The second case runs this program again from such a path.
class tst_ViewSamples : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
    }

    void samplesFollowDesignMode()
    {
        const bool design = IsDesignMode();
        qDebug("design mode %d", design ? 1 : 0);
        const ::Json::Value root = parsed(R"({"elements": [
            {"type": "list", "name": "list", "w": 100, "h": 100},
            {"type": "combobox", "name": "combo", "w": 100, "h": 30},
            {"type": "tree", "name": "tree", "w": 100, "h": 100},
            {"type": "datagrid", "name": "table", "w": 100, "h": 100},
            {"type": "menubar", "name": "bar", "w": 100, "h": 30}]})");
        QWidget window;
        LoadElements(&root, &window);

        auto* list = window.findChild<VelQList*>(QStringLiteral("list"));
        QVERIFY(list);
        QCOMPARE(list->count(), design ? 20 : 0);
        if (design) {
            QCOMPARE(list->item(0)->text(), QStringLiteral("item 0"));
            QCOMPARE(list->item(19)->text(), QStringLiteral("item 19"));
        }

        auto* combo = window.findChild<VelQComboBox*>(QStringLiteral("combo"));
        QVERIFY(combo);
        QCOMPARE(combo->count(), design ? 3 : 0);
        if (design) {
            QCOMPARE(combo->itemText(2), QStringLiteral("Item3"));
            QCOMPARE(combo->currentIndex(), 0);
        }

        auto* tree = window.findChild<VelQTreeView*>(QStringLiteral("tree"));
        QVERIFY(tree);
        QCOMPARE(tree->model() ? tree->model()->rowCount() : 0, design ? 100 : 0);
        if (design) {
            const QModelIndex first = tree->model()->index(0, 0);
            QCOMPARE(first.data().toString(), QStringLiteral("item1"));
            QVERIFY(tree->model()->flags(first) & Qt::ItemIsUserCheckable);
            QCOMPARE(tree->model()->rowCount(first), 1);
            QCOMPARE(tree->model()->index(0, 1, first).data().toString(), QStringLiteral("item3"));
        }

        auto* table = window.findChild<VelQTableView*>(QStringLiteral("table"));
        QVERIFY(table);
        QCOMPARE(table->model() ? table->model()->rowCount() : 0, design ? 100 : 0);
        if (design) {
            QCOMPARE(table->model()->columnCount(), 5);
            QCOMPARE(
                table->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Col5"));
            QCOMPARE(table->model()->index(99, 4).data().toString(), QStringLiteral("item 99 4"));
        }

        auto* bar = window.findChild<VelQMenuBar*>(QStringLiteral("bar"));
        QVERIFY(bar);
        QVERIFY(bar->actions().isEmpty());
    }

    void samplesInDesignMode()
    {
        if (IsDesignMode())
            QSKIP("this run is the design-mode one");
        const QString dir = scratchPath(QStringLiteral("LayoutForgeQt"));
        QDir().mkpath(dir);
        const QString copy = dir + QStringLiteral("/tst_viewsamples");
        QFile::remove(copy);
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
        QProcess process;
        process.start(copy, {QStringLiteral("samplesFollowDesignMode")});
        QVERIFY(process.waitForFinished(60000));
        const QByteArray output = process.readAllStandardOutput();
        QVERIFY2(process.exitCode() == 0, output.constData());
        QVERIFY2(output.contains("design mode 1"), output.constData());
    }
};

QTEST_MAIN(tst_ViewSamples)
#include "tst_viewsamples.moc"
