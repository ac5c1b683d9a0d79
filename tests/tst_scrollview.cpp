#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQScrollBar_p.h>
#include <controls/VelQScrollView_p.h>

#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor backMagenta(255, 0, 255), contentGrey(128, 128, 128), thumbGreen(0, 200, 0);

// A scroll view of 200 × 150 whose first container is 400 × 300.
const QByteArray scrolled = R"({"elements": [{"type": "scrollview", "name": "view",
    "x": 10, "y": 10, "w": 200, "h": 150, "style": [["back", 0, 0]],
    "child": [
        {"type": "button", "name": "plain", "x": 0, "y": 0, "w": 20, "h": 20},
        {"type": "container", "name": "first", "x": 0, "y": 0, "w": 400, "h": 300},
        {"type": "container", "name": "second", "x": 5, "y": 5, "w": 30, "h": 30}]}]})";

} // namespace

class tst_ScrollView : public QObject {
    Q_OBJECT

    QWidget window;

    VelQScrollView* load(const QByteArray& description)
    {
        qDeleteAll(window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        const ::Json::Value root = parsed(description);
        LoadElements(&root, &window);
        return window.findChild<VelQScrollView*>(QStringLiteral("view"));
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QVERIFY(loadAppPackage(QStringLiteral("app.data"),
            {boxStyle("back", backMagenta), boxStyle("thumb", thumbGreen),
                boxStyle("other", Qt::yellow)}));
        window.resize(400, 300);
    }

    void cleanup() { window.hide(); }

    void adoptsTheFirstContainer()
    {
        VelQScrollView* view = load(scrolled);
        QVERIFY(view);
        auto* first = window.findChild<VelQContainer*>(QStringLiteral("first"));
        auto* second = window.findChild<VelQContainer*>(QStringLiteral("second"));
        QVERIFY(first && second);
        QCOMPARE(view->content(), first);
        QCOMPARE(view->widget(), first);
        QCOMPARE(first->parentWidget(), view->viewport());
        QCOMPARE(second->parentWidget(), view);
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("plain"))->parentWidget(), view);
        // The content is laid out inside the viewport by its own description.
        QCOMPARE(first->size(), QSize(400, 300));
        QCOMPARE(second->geometry(), QRect(5, 5, 30, 30));
    }

    void adoptsNothingWithoutContainer()
    {
        VelQScrollView* view = load(R"({"elements": [{"type": "qtscrollview", "name": "view",
            "w": 100, "h": 100, "child": [{"type": "label", "name": "only", "w": 20, "h": 20}]}]})");
        QVERIFY(view);
        QVERIFY(!view->content());
        QVERIFY(!view->widget());
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("only"))->parentWidget(), view);
    }

    void adoptionKeepsShownContent()
    {
        VelQScrollView* view = load(scrolled);
        QPointer<VelQContainer> first = view->content();
        view->fillSamples();
        QVERIFY(first);
        QCOMPARE(view->content(), first.data());
        QCOMPARE(view->widget(), first.data());
    }

    void scrollPosChangedFollowsTheBars()
    {
        VelQScrollView* view = load(scrolled);
        QVERIFY(shown(&window));
        QSignalSpy moved(view, &VelQScrollView::scrollPosChanged);
        QScrollBar* vertical = view->verticalScrollBar();
        QScrollBar* horizontal = view->horizontalScrollBar();
        QVERIFY(vertical->maximum() > 100);
        QVERIFY(horizontal->maximum() > 100);

        vertical->setValue(40);
        horizontal->setValue(25);
        vertical->setValue(30);
        QCOMPARE(moved.count(), 3);
        QCOMPARE(moved.at(0), (QList<QVariant> {0, -40}));
        QCOMPARE(moved.at(1), (QList<QVariant> {-25, 0}));
        QCOMPARE(moved.at(2), (QList<QVariant> {0, 10}));
        QCOMPARE(view->content()->pos(), QPoint(-25, -30));
    }

    void scrollPosChangedFollowsTheWheel()
    {
        VelQScrollView* view = load(scrolled);
        QVERIFY(shown(&window));
        QSignalSpy moved(view, &VelQScrollView::scrollPosChanged);
        const QPoint at(50, 50);
        QWheelEvent down(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->viewport(), &down);
        const int step = QApplication::wheelScrollLines() * view->verticalScrollBar()->singleStep();
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0), (QList<QVariant> {0, -step}));
        QCOMPARE(view->verticalScrollBar()->value(), step);

        QWheelEvent left(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(-120, 0),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view->viewport(), &left);
        QCOMPARE(moved.count(), 2);
        QCOMPARE(moved.at(1).at(0).toInt(), -view->horizontalScrollBar()->value());
        QVERIFY(moved.at(1).at(0).toInt() < 0);
        QCOMPARE(moved.at(1).at(1).toInt(), 0);
    }

    void layoutKeepsTheScrollPosition()
    {
        VelQScrollView* view = load(scrolled);
        QVERIFY(shown(&window));
        view->verticalScrollBar()->setValue(50);
        QCOMPARE(view->content()->pos(), QPoint(0, -50));
        view->applyLayout();
        QCOMPARE(view->content()->pos(), QPoint(0, -50));
        QCOMPARE(view->content()->size(), QSize(400, 300));
    }

    void background()
    {
        VelQScrollView* view = load(R"({"elements": [{"type": "scrollview", "name": "view",
            "x": 0, "y": 0, "w": 200, "h": 150, "style": [["back", 0, 0]],
            "child": [{"type": "container", "name": "small", "x": 0, "y": 0, "w": 50, "h": 40}]}]})");
        QVERIFY(shown(&window));
        const QImage image = render(view);
        QCOMPARE_PIXEL(image, 20, 20, contentGrey);
        QCOMPARE_PIXEL(image, 60, 20, backMagenta);
        QCOMPARE_PIXEL(image, 199, 149, backMagenta);
    }

    void cornerShowsTheBackground()
    {
        VelQScrollView* view = load(R"({"elements": [{"type": "scrollview", "name": "view",
            "x": 0, "y": 0, "w": 200, "h": 150, "style": [["back", 0, 0]],
            "child": [{"type": "scrollbar", "w": 12}, {"type": "scrollbar", "h": 12,
                "attr": {"hor": true}}, {"type": "container", "w": 400, "h": 300}]}]})");
        QVERIFY(shown(&window));
        QTRY_VERIFY(view->horizontalScrollBar()->isVisible());
        QTRY_VERIFY(view->verticalScrollBar()->isVisible());
        QCOMPARE(view->viewport()->size(), QSize(188, 138));
        const QImage image = render(view);
        QCOMPARE_PIXEL(image, 20, 20, contentGrey);
        QCOMPARE_PIXEL(image, 190, 140, backMagenta);
        QCOMPARE_PIXEL(image, 199, 149, backMagenta);
    }

    void backgroundStyleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("any slot") << QByteArray(R"([["back", 0, 7]])") << backMagenta;
        QTest::newRow("the last found wins")
            << QByteArray(R"([["back", 0, 0], ["other", 0, 3], ["missing", 0, 0]])")
            << QColor(Qt::yellow);
        QTest::newRow("negative slots are skipped")
            << QByteArray(R"([["back", 0, 0], ["other", 0, -1]])") << backMagenta;
    }

    void backgroundStyleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, colour);
        VelQScrollView view(&window);
        const ::Json::Value json = parsed(R"({"style": )" + style + "}");
        view.loadAttributes(&json);
        QCOMPARE(static_cast<VelQScrollViewImpl*>(view.impl())->backgroundStyle.color, colour);
    }

    void scrollBarChildSkinsItsBar()
    {
        VelQScrollView view;
        const ::Json::Value json = parsed(R"({"child": [{"type": "scrollbar", "w": 14,
            "style": [["thumb", 0, 10]], "attr": {"thumbicon": "t.png", "upicon": "u.png"}}]})");
        view.loadAttributes(&json);
        auto* vertical = static_cast<VelQScrollBarImpl*>(
            qobject_cast<VelQScrollBar*>(view.verticalScrollBar())->impl());
        auto* horizontal = static_cast<VelQScrollBarImpl*>(
            qobject_cast<VelQScrollBar*>(view.horizontalScrollBar())->impl());
        QCOMPARE(vertical->thumbIcon, QStringLiteral("t.png"));
        QCOMPARE(vertical->upIcon, QStringLiteral("u.png"));
        QCOMPARE(vertical->thumbStyles[2].color, thumbGreen);
        QVERIFY(horizontal->thumbIcon.isEmpty());
        QVERIFY(horizontal->thumbStyles[0].color != thumbGreen);

        view.setGeometry(0, 0, 200, 150);
        auto* content = new VelQContainer;
        content->resize(100, 600);
        view.setWidget(content);
        view.show();
        QTRY_VERIFY(view.verticalScrollBar()->isVisible());
        QCOMPARE(view.verticalScrollBar()->width(), 14);
        QCOMPARE(view.viewport()->width(), 200 - 14);
    }
};

QTEST_MAIN(tst_ScrollView)
#include "tst_scrollview.moc"
