#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQListView_p.h>

#include <QStringListModel>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor viewBack(0, 0, 255), row0(0, 200, 0), row1(200, 0, 0), row2(255, 0, 255),
    spare(90, 90, 90), buttonA(255, 255, 0), buttonB(0, 255, 255), buttonC(255, 128, 0),
    buttonHot(255, 255, 255);

// A 300 × 200 view whose rows are 40 high: a template with the buttons "left" (10..69),
// "right" (200..259) and "over" (40..99, later, so above "left"), all 5..34 high.
QByteArray description(const QByteArray& attr = R"({"itemHeight": 40})")
{
    return R"({"elements": [{"type": "qtlistview", "name": "view", "w": 300, "h": 200,
        "style": [["back", 0, 0], ["row0", 0, 2], ["row1", 0, 3], ["row2", 0, 4]],
        "attr": )"
        + attr + R"(,
        "child": [
          {"type": "qtscrollbar", "w": 10},
          {"type": "qtcontainer", "name": "template", "w": 300, "h": 40, "child": [
            {"type": "qtbutton", "name": "left", "x": 10, "y": 5, "w": 60, "h": 30,
             "style": [["buttonA", 0, 0], ["hot", 0, 1]], "attr": {"text": ""}},
            {"type": "qtbutton", "name": "right", "x": 200, "y": 5, "w": 60, "h": 30,
             "style": [["buttonB", 0, 0], ["hot", 0, 1]], "attr": {"text": ""}},
            {"type": "qtbutton", "name": "over", "x": 40, "y": 5, "w": 60, "h": 30,
             "style": [["buttonC", 0, 0]], "attr": {"text": ""}}]}]}]})";
}

QStringList rows(int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << QString::number(i);
    return texts;
}

struct Built {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    VelQListView* view = nullptr;
    QWidget* left = nullptr;
    QWidget* right = nullptr;
    QWidget* over = nullptr;
};

Built build(int count = 10, const QByteArray& attr = R"({"itemHeight": 40})")
{
    Built b;
    b.window->resize(320, 220);
    const ::Json::Value root = parsed(description(attr));
    LoadElements(&root, b.window.get());
    b.view = b.window->findChild<VelQListView*>(QStringLiteral("view"));
    if (b.view) {
        b.view->setModel(new QStringListModel(rows(count), b.view));
        b.left = b.view->findChild<QWidget*>(QStringLiteral("left"));
        b.right = b.view->findChild<QWidget*>(QStringLiteral("right"));
        b.over = b.view->findChild<QWidget*>(QStringLiteral("over"));
    }
    return b;
}

QRect rowRect(QListView* view, int row)
{
    return view->visualRect(view->model()->index(row, 0));
}

} // namespace

class tst_ListView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("listview.data"),
            {boxStyle("back", viewBack), boxStyle("row0", row0), boxStyle("row1", row1),
                boxStyle("row2", row2), boxStyle("spare", spare), boxStyle("buttonA", buttonA),
                boxStyle("buttonB", buttonB), boxStyle("buttonC", buttonC),
                boxStyle("hot", buttonHot)}));
    }

    void withoutTemplateRowsStayEmpty()
    {
        auto* model = new QStringListModel(rows(3));
        VelQListView view;
        const ::Json::Value json = parsed(R"({"w": 200, "h": 100, "style": [["back", 0, 0],
            ["row0", 0, 2]], "child": [{"type": "qtbutton", "w": 10, "h": 10}]})");
        view.loadAttributes(&json);
        view.applyLayout();
        view.fillSamples();
        view.setModel(model);
        QCOMPARE(rowRect(&view, 1).height(), 20);
        const QImage image = render(&view);
        QCOMPARE_PIXEL(image, 100, rowRect(&view, 1).center().y(), viewBack);
        delete model;
    }

    void templateIsAdopted()
    {
        Built b = build();
        QVERIFY(b.view && b.left && b.right && b.over);
        QCOMPARE(b.view->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(b.view->spacing(), 1);
        auto* d = static_cast<VelQListViewImpl*>(b.view->impl());
        auto* templ = b.view->findChild<VelQContainer*>(QStringLiteral("template"));
        QCOMPARE(d->itemTemplate.data(), templ);
        QVERIFY(templ->isHidden());
        const QVector<VelQControlBaseImpl*>& controls = d->delegate->controls;
        QCOMPARE(controls.size(), 4);
        QCOMPARE(controls.at(0)->owner, templ);
        QCOMPARE(controls.at(1)->owner, b.left);
        QCOMPARE(controls.at(3)->owner, b.over);
    }

    void rowsCopyTheTemplate_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("root");
        QTest::newRow("normal") << false << false << row0;
        QTest::newRow("selected") << true << false << row2;
        QTest::newRow("under the mouse") << false << true << row1;
        QTest::newRow("selected under the mouse") << true << true << row2;
    }

    void rowsCopyTheTemplate()
    {
        QFETCH(bool, selected);
        QFETCH(bool, hovered);
        QFETCH(QColor, root);
        Built b = build();
        if (selected)
            b.view->setCurrentIndex(b.view->model()->index(1, 0));
        if (hovered)
            hoverAt(b.view, rowRect(b.view, 1).center());
        const QImage image = render(b.view);
        for (int row = 0; row < 3; ++row) {
            const QRect r = rowRect(b.view, row);
            QCOMPARE(r.height(), 40);
            QCOMPARE_PIXEL(image, r.left() + 150, r.top() + 20, row == 1 ? root : row0);
            QCOMPARE_PIXEL(image, r.left() + 10, r.top() + 5, buttonA);
            QCOMPARE_PIXEL(image, r.left() + 50, r.top() + 20, buttonC);
            QCOMPARE_PIXEL(image, r.left() + 259, r.top() + 34, buttonB);
            QCOMPARE_PIXEL(image, r.left() + 260, r.top() + 20, row == 1 ? root : row0);
            QCOMPARE_PIXEL(image, r.left() + 200, r.top() + 4, row == 1 ? root : row0);
        }
    }

    void pressCarriesControlAndRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QString>("control");
        QTest::newRow("left button") << 2 << QPoint(15, 20) << "left";
        QTest::newRow("right button") << 0 << QPoint(230, 10) << "right";
        QTest::newRow("later control wins the overlap") << 1 << QPoint(50, 20) << "over";
        QTest::newRow("root area") << 1 << QPoint(150, 20) << QString();
        QTest::newRow("beside a button") << 1 << QPoint(230, 37) << QString();
    }

    void pressCarriesControlAndRow()
    {
        QFETCH(int, row);
        QFETCH(QPoint, offset);
        QFETCH(QString, control);
        Built b = build();
        QVERIFY(shown(b.window.get()));
        QSignalSpy spy(b.view, &VelQListView::pressCtrl);
        QTest::mouseClick(b.view->viewport(), Qt::LeftButton, Qt::NoModifier,
            rowRect(b.view, row).topLeft() + offset);
        if (control.isEmpty()) {
            QCOMPARE(spy.count(), 0);
            return;
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QWidget*>(), b.view->findChild<QWidget*>(control));
        QCOMPARE(spy.at(0).at(1).value<QModelIndex>(), b.view->model()->index(row, 0));
    }

    void pressAfterScrolling()
    {
        Built b = build(30);
        QVERIFY(shown(b.window.get()));
        auto* d = static_cast<VelQListViewImpl*>(b.view->impl());
        QTRY_VERIFY(d->controlRects.contains(4));
        b.view->verticalScrollBar()->setValue(100);
        // Rows moved by the scroll keep answering at their new place, painted again or not.
        QSignalSpy spy(b.view, &VelQListView::pressCtrl);
        const QRect fourth = rowRect(b.view, 4);
        QTest::mouseClick(
            b.view->viewport(), Qt::LeftButton, Qt::NoModifier, fourth.topLeft() + QPoint(230, 10));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QWidget*>(), b.right);
        QCOMPARE(spy.at(0).at(1).value<QModelIndex>().row(), 4);
        // Rows scrolled out of view are forgotten.
        QVERIFY(!d->controlRects.contains(0));
        b.view->verticalScrollBar()->setValue(1000);
        QTRY_VERIFY(d->controlRects.size() <= 6);
    }

    void resizeForgetsRectangles()
    {
        Built b = build();
        QVERIFY(shown(b.window.get()));
        auto* d = static_cast<VelQListViewImpl*>(b.view->impl());
        QTRY_VERIFY(!d->controlRects.isEmpty());
        QCOMPARE(d->controlRects.value(1).value(d->delegate->controls.at(2)),
            QRect(rowRect(b.view, 1).topLeft() + QPoint(200, 5), QSize(60, 30)));
        b.view->setFixedSize(280, 150);
        QVERIFY(d->controlRects.isEmpty());
        QSignalSpy spy(b.view, &VelQListView::pressCtrl);
        sendMouse(b.view->viewport(), QEvent::MouseButtonPress,
            rowRect(b.view, 1).topLeft() + QPoint(15, 20), Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(spy.count(), 0);
    }

    void deletedTemplateIsHarmless()
    {
        Built b = build();
        QVERIFY(shown(b.window.get()));
        auto* d = static_cast<VelQListViewImpl*>(b.view->impl());
        QTRY_VERIFY(!d->controlRects.isEmpty());
        delete b.view->findChild<VelQContainer*>(QStringLiteral("template"));
        QSignalSpy spy(b.view, &VelQListView::pressCtrl);
        const QPoint onRight = rowRect(b.view, 1).topLeft() + QPoint(230, 10);
        QTest::mouseMove(b.view->viewport(), onRight);
        QTest::mouseClick(b.view->viewport(), Qt::LeftButton, Qt::NoModifier, onRight);
        QCOMPARE(spy.count(), 0);
        render(b.view);
    }

    void controlUnderTheMouseShowsHover()
    {
        Built b = build();
        QVERIFY(shown(b.window.get()));
        const QRect second = rowRect(b.view, 1);
        moveOnViewport(b.view, second.topLeft() + QPoint(230, 20));
        QImage image = render(b.view);
        QCOMPARE_PIXEL(image, second.left() + 230, second.top() + 20, buttonHot);
        QCOMPARE_PIXEL(image, second.left() + 15, second.top() + 20, buttonA);
        const QRect third = rowRect(b.view, 2);
        QCOMPARE_PIXEL(image, third.left() + 230, third.top() + 20, buttonB);
        QCOMPARE(b.right->property("impl").value<void*>() != nullptr, true);
        QCOMPARE(static_cast<VelQControlBaseImpl*>(b.right->property("impl").value<void*>())->state,
            int(Normal));
    }

    void iconMode_data()
    {
        QTest::addColumn<QByteArray>("attr");
        QTest::addColumn<QSize>("size");
        QTest::newRow("width 0") << QByteArray(
            R"({"itemMode": 1, "itemWidth": 0, "itemHeight": 30})")
                                 << QSize(20, 30);
        QTest::newRow("given") << QByteArray(R"({"itemMode": 2, "itemWidth": 50, "itemHeight": 0})")
                               << QSize(50, 20);
        QTest::newRow("list mode")
            << QByteArray(R"({"itemMode": 0, "itemWidth": 50})") << QSize(-1, 20);
    }

    void iconMode()
    {
        QFETCH(QByteArray, attr);
        QFETCH(QSize, size);
        VelQListView view;
        const ::Json::Value json = parsed(R"({"w": 200, "h": 100, "attr": )" + attr + "}");
        view.loadAttributes(&json);
        view.applyLayout();
        QStringListModel model(rows(3));
        view.setModel(&model);
        QCOMPARE(view.viewMode(), size.width() < 0 ? QListView::ListMode : QListView::IconMode);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 77, 5);
        const QSize hint = view.itemDelegate()->sizeHint(option, model.index(0, 0));
        QCOMPARE(hint, size.width() < 0 ? QSize(77, size.height()) : size);
    }

    void styleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("selected");
        QTest::newRow("slot 2 fills every state")
            << QByteArray(R"([["spare", 0, 2]])") << spare << spare;
        QTest::newRow("slot 4 selected")
            << QByteArray(R"([["row0", 0, 2], ["spare", 0, 4]])") << row0 << spare;
        QTest::newRow("ignored") << QByteArray(
            R"([["row0", 0, 2], ["spare", 0, 1], ["spare", 0, 5], ["spare", 0, -1]])")
                                 << row0 << row0;
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, selected);
        Built b = build();
        auto* d = static_cast<VelQListViewImpl*>(b.view->impl());
        std::fill(std::begin(d->itemStyles), std::end(d->itemStyles), ImageStyle());
        for (ImageStyle& s : d->itemStyles)
            s.valid = false;
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        b.view->loadAttributes(&json);
        b.view->setCurrentIndex(b.view->model()->index(1, 0));
        const QImage image = render(b.view);
        QCOMPARE_PIXEL(
            image, rowRect(b.view, 0).left() + 150, rowRect(b.view, 0).top() + 20, normal);
        QCOMPARE_PIXEL(
            image, rowRect(b.view, 1).left() + 150, rowRect(b.view, 1).top() + 20, selected);
    }

    void callbacks()
    {
        Built b = build(3);
        static int filled = 0;
        static QWidget* filledTemplate = nullptr;
        filled = 0;
        b.view->setFillCallback([](QWidget* templ, const QModelIndex&) {
            ++filled;
            filledTemplate = templ;
        });
        b.view->setSizeHintCallback(
            [](QListView*, const QStyleOptionViewItem&) { return QSize(100, 55); });
        render(b.view);
        QVERIFY(filled >= 3);
        QCOMPARE(filledTemplate, b.view->findChild<QWidget*>(QStringLiteral("template")));
        QCOMPARE(rowRect(b.view, 1).height(), 55);
    }

    void badInputIsHarmless()
    {
        VelQListView view;
        const ::Json::Value json = parsed(R"({"style": [["row0"]], "child": {"type": "x"},
            "attr": {"itemHeight": [], "itemMode": "icons", "spacing": {}}})");
        view.loadAttributes(&json);
        QCOMPARE(view.viewMode(), QListView::ListMode);
        QStringListModel model(rows(2));
        view.setModel(&model);
        render(&view);
    }
};

QTEST_MAIN(tst_ListView)
#include "tst_listview.moc"
