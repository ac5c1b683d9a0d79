#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQScrollBar_p.h>

#include <QStringListModel>
#include <QTextEdit>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor groove(40, 40, 40), marker(255, 0, 255), iconGreen(0, 255, 0),
    backMagenta(255, 0, 255), contentGrey(128, 128, 128), thumbGreen(0, 200, 0);

const QByteArray scrolled = R"({"elements": [{"type": "scrollview", "name": "view",
    "x": 10, "y": 10, "w": 200, "h": 150, "style": [["back", 0, 0]],
    "child": [
        {"type": "button", "name": "plain", "x": 0, "y": 0, "w": 20, "h": 20},
        {"type": "container", "name": "first", "x": 0, "y": 0, "w": 400, "h": 300},
        {"type": "container", "name": "second", "x": 5, "y": 5, "w": 30, "h": 30}]}]})";

// Distinct colours for each part and state: thumb reds, sub-line greens, add-line blues.
QColor partColour(char part, int state)
{
    const int level = 100 + 50 * state;
    return QColor(part == 't' ? level : 0, part == 's' ? level : 0, part == 'a' ? level : 0);
}

// A model that hands out its 200 rows 20 at a time, as SQL and file-system models do.
struct PagedModel : QStringListModel {
    bool canFetchMore(const QModelIndex& parent) const override
    {
        return !parent.isValid() && rowCount() < 200;
    }
    void fetchMore(const QModelIndex& parent) override
    {
        if (canFetchMore(parent))
            insertRows(rowCount(), 20);
    }
};

void wheel(QWidget* w, QPoint at, QPoint delta)
{
    QWheelEvent event(at, w->mapToGlobal(at), QPoint(), delta, Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(w, &event);
}

} // namespace

class tst_Scrolling : public QObject {
    Q_OBJECT

    QWidget host;
    // Gives every part and state its own record.
    QByteArray skin = R"({"style": [["bg", 0, 0])";

    std::unique_ptr<VelQScrollBar> skinnedBar()
    {
        auto bar = std::make_unique<VelQScrollBar>(Qt::Vertical, &host);
        bar->setGeometry(0, 0, 20, 200);
        bar->setRange(0, 100);
        bar->setPageStep(20);
        reload(*bar, skin);
        return bar;
    }

    VelQScrollView* load(const QByteArray& description, const char* name = "view")
    {
        const ::Json::Value root = parsed(description);
        LoadElements(&root, &host);
        return host.findChild<VelQScrollView*>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        QList<QByteArray> styles
            = {boxStyle("bg", groove), boxStyle("x", marker), boxStyle("back", backMagenta),
                boxStyle("thumb", thumbGreen), boxStyle("other", Qt::yellow)};
        for (int state = 0; state < 4; ++state) {
            const QByteArray n = QByteArray::number(state);
            styles << boxStyle("thumb" + n, partColour('t', state))
                   << boxStyle("sub" + n, partColour('s', state))
                   << boxStyle("add" + n, partColour('a', state));
            for (const auto& [part, slot] :
                QList<QPair<QByteArray, int>> {{"sub", 2}, {"add", 6}, {"thumb", 10}})
                skin += ", [\"" + part + n + "\", 0, " + QByteArray::number(slot + state) + "]";
        }
        skin += "]}";
        QVERIFY(loadAppPackage(
            QStringLiteral("scrollbar.data"), styles, {{"dot.png", solidPng(iconGreen, 6, 6)}}));
        host.resize(400, 300);
    }

    void cleanup()
    {
        qDeleteAll(host.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
        host.hide();
    }

    void partStates_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("states"); // of the thumb, the sub-line and the add-line
        QTest::addColumn<int>("value");
        // t/s/a/c/o: move over the thumb, the sub-line, the add-line, the channel below the thumb,
        // outside every part; T/S/A/C: press there; D: drag (move with the button held) outside;
        // r: release where the pointer is; l: leave.
        QTest::newRow("hover thumb") << "t" << QByteArray("100") << 0;
        QTest::newRow("hover sub-line") << "ts" << QByteArray("010") << 0;
        QTest::newRow("hover then outside") << "tao" << QByteArray("000") << 0;
        QTest::newRow("press thumb") << "tT" << QByteArray("200") << 0;
        QTest::newRow("drag outside keeps pressed") << "tTD" << QByteArray("200") << 51;
        QTest::newRow("release outside") << "tTDr" << QByteArray("000") << 51;
        QTest::newRow("release over thumb") << "tTr" << QByteArray("100") << 0;
        QTest::newRow("press add-line") << "aA" << QByteArray("002") << 1;
        QTest::newRow("click add-line") << "aAr" << QByteArray("001") << 1;
        QTest::newRow("held arrow left") << "aAo" << QByteArray("000") << 1;
        QTest::newRow("click the channel") << "cCr" << QByteArray("000") << 20;
        QTest::newRow("leave keeps pressed thumb") << "tTl" << QByteArray("200") << 0;
        QTest::newRow("leave clears hover") << "sl" << QByteArray("000") << 0;
        QTest::newRow("leave clears pressed arrow") << "sSl" << QByteArray("000") << 0;
    }

    void partStates()
    {
        QFETCH(QString, steps);
        QFETCH(QByteArray, states);
        QFETCH(int, value);
        auto bar = skinnedBar();
        QVERIFY(shown(&host));
        const auto centre = [&](QStyle::SubControl sc) {
            return bar->partRect(sc).center();
        };
        const QPoint at[]
            = {centre(QStyle::SC_ScrollBarSlider), centre(QStyle::SC_ScrollBarSubLine),
                centre(QStyle::SC_ScrollBarAddLine), {10, 150}, {100, 100}, {100, 100}};
        QPoint pointer;
        for (const QChar step : steps) {
            const int to = QByteArray("tsacod").indexOf(step.toLower().toLatin1());
            pointer = to < 0 ? pointer : at[to];
            if (step == QLatin1Char('l'))
                sendLeave(bar.get());
            else if (step == QLatin1Char('r'))
                sendMouse(bar.get(), QEvent::MouseButtonRelease, pointer, Qt::LeftButton);
            else if (step.isUpper() && step != QLatin1Char('D'))
                sendMouse(
                    bar.get(), QEvent::MouseButtonPress, pointer, Qt::LeftButton, Qt::LeftButton);
            else
                sendMouse(bar.get(), QEvent::MouseMove, pointer, Qt::NoButton,
                    step == QLatin1Char('D') ? Qt::LeftButton : Qt::NoButton);
        }
        QVERIFY(bar->hasMouseTracking());
        QCOMPARE(bar->value(), value);
        // The base state is not the scroll bar's: it never changes.
        QCOMPARE(bar->impl()->state, int(Normal));
        const QPoint t = centre(QStyle::SC_ScrollBarSlider);
        QCOMPARE_PIXELS(paintedAlone(bar.get()),
            {{t.x(), t.y(), partColour('t', states[0] - '0')},
                {10, 8, partColour('s', states[1] - '0')},
                {10, 192, partColour('a', states[2] - '0')}});
    }

    void paintsEveryPart()
    {
        auto bar = skinnedBar();
        bar->setValue(50);
        reload(*bar,
            R"({"attr": {"upicon": "dot.png", "downicon": "dot.png", "thumbicon": "dot.png"}})");
        bar->setEnabled(false);
        const QImage image = paintedAlone(bar.get());
        QCOMPARE(bar->impl()->state, int(Normal));
        const QRect thumb = bar->partRect(QStyle::SC_ScrollBarSlider);
        const QRect up = bar->partRect(QStyle::SC_ScrollBarSubLine);
        const QRect down = bar->partRect(QStyle::SC_ScrollBarAddLine);
        // Icons are centred in their parts and never grayed.
        const QPoint icon(up.left() + (up.width() - 6) / 2, up.top() + (up.height() - 6) / 2);
        QCOMPARE_PIXELS(image,
            {{10, thumb.top() - 2, groove}, {10, thumb.bottom() + 2, groove},
                {10, thumb.top() + 1, partColour('t', 0)}, {1, 1, partColour('s', 0)},
                {1, 198, partColour('a', 0)}, {icon.x(), icon.y(), iconGreen},
                {icon.x() + 5, icon.y() + 5, iconGreen},
                {icon.x() - 1, icon.y(), partColour('s', 0)},
                {down.center().x(), down.center().y(), iconGreen},
                {thumb.center().x(), thumb.center().y(), iconGreen}});
        // A load without "attr" keeps the icons; one with "attr" drops those it does not name.
        reload(*bar, R"({"style": []})");
        QCOMPARE_PIXEL(paintedAlone(bar.get()), down.center().x(), down.center().y(), iconGreen);
        reload(*bar, R"({"attr": {"upicon": "dot.png"}})");
        QVERIFY(!holds(paintedAlone(bar.get()), iconGreen, 8, down));
        QVERIFY(holds(paintedAlone(bar.get()), iconGreen, 8, up));
        // A hovered part without a record of its state shows the default one.
        VelQScrollBar plain(Qt::Vertical, &host);
        plain.setGeometry(0, 0, 20, 200);
        reload(plain, R"({"style": [["x", 0, 2]]})");
        QCOMPARE_PIXEL(paintedAlone(&plain), 10, 8, marker);
        sendMouse(&plain, QEvent::MouseMove, QPoint(10, 8));
        QCOMPARE_PIXEL(paintedAlone(&plain), 10, 8, QColor(Qt::white));
    }

    void styleEntries_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<bool>("child");
        QTest::addColumn<QString>("expected"); // background, then sub, add, thumb states 0..3
        const auto row = [](const char* name, const char* style, bool child, const char* seen) {
            QTest::newRow(name) << QByteArray(style) << child << QString::fromLatin1(seen);
        };
        row("10 alone", R"([["x", 0, 10]])", false, "b ssss aaaa xttt");
        row("6 styles its group", R"([["x", 0, 6]])", false, "b ssss xxxx tttt");
        row("child 6 styles its group", R"([["x", 0, 6]])", true, "b ssss xxxx tttt");
        row("child 10 styles its group", R"([["x", 0, 10]])", true, "b ssss aaaa xxxx");
        row("single states", R"([["x", 0, 0], ["x", 0, 5], ["x", 0, 7], ["x", 0, 13]])", false,
            "x sssx axaa tttx");
        row("ignored indexes", R"([["x", 0, 1], ["x", 0, 14], ["x", 0, -1], ["nothing", 0, 0]])",
            false, "b ssss aaaa tttt");
        row("empty paints nothing", R"([["empty", 0, 10]])", false, "b ssss aaaa -ttt");
        row("child single states", R"([["x", 0, 0], ["x", 0, 3], ["x", 0, 9], ["x", 0, 12]])", true,
            "x sxss aaax ttxt");
        row("child ignored indexes", R"([["x", 0, 1], ["x", 0, 14], ["nothing", 0, 2]])", true,
            "b ssss aaaa tttt");
    }

    void styleEntries()
    {
        QFETCH(QByteArray, style);
        QFETCH(bool, child);
        QFETCH(QString, expected);
        auto bar = skinnedBar();
        if (child)
            readScrollBarChildren(
                parsed(R"({"child": [{"type": "scrollbar", "style": )" + style + "}]}"), nullptr,
                bar.get(), nullptr);
        else
            reload(*bar, R"({"style": )" + style + "}");
        auto* d = implOf<VelQScrollBarImpl>(*bar);
        const auto letter = [&](const ImageStyle& s, char own, int state) {
            // A record that paints nothing is not valid.
            const QColor c = s.valid ? s.color : QColor();
            const QColor mine = own == 'b' ? groove : partColour(own, state);
            return QLatin1Char(!c.isValid() ? '-' : c == marker ? 'x' : c == mine ? own : '?');
        };
        QString actual(letter(d->background, 'b', 0));
        const std::pair<char, ImageStyle*> parts[]
            = {{'s', d->subLineStyles}, {'a', d->addLineStyles}, {'t', d->thumbStyles}};
        for (const auto& [own, records] : parts) {
            actual += QLatin1Char(' ');
            for (int state = 0; state < 4; ++state)
                actual += letter(records[state], own, state);
        }
        QCOMPARE(actual, expected);
    }

    // The thickness and arrow length scroll-bar children give a control's bars, as "vertical
    // width, horizontal height, vertical arrow, horizontal arrow". Untouched bars are 14 thick
    // with 14-pixel arrows; a child's "size" only reaches the list view's horizontal arrows.
    void controlRules_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QByteArray>("children");
        QTest::addColumn<QString>("seen");
        const QByteArray v12size30 = R"([{"type": "qtscrollbar", "w": 12, "attr": {"size": 30}}])";
        const QByteArray v12thenH9
            = R"([{"type": "scrollbar", "w": 12}, {"type": "scrollbar", "h": 9, "attr": {"hor": true}}])";
        const auto row
            = [](const char* name, const char* type, const QByteArray& children, const char* seen) {
                  QTest::newRow(name) << QByteArray(type) << children << QString::fromLatin1(seen);
              };
        row("list: none", "qtlist", "[]", "14 14 14 14");
        row("list: thickness on both", "qtlist", v12size30, "12 12 14 14");
        row("list: horizontal without h", "qtlist",
            R"([{"type": "myscrollbarx", "w": 12, "attr": {"hor": true}}])", "0 0 14 14");
        row("list: skipped entries", "qtlist", R"([{"attr": {"hor": true}}, {"type": "button"},
                {"type": 5}, {"type": "ScrollBar"}, 7, []])",
            "14 14 14 14");
        row("list: later child wins", "qtlist", v12thenH9, "9 9 14 14");
        // The tree's arrows are as long as its bars are thick.
        row("tree: vertical", "qttree", v12size30, "12 12 12 12");
        row("tree: horizontal", "qttree",
            R"([{"type": "qtscrollbar", "w": 12, "h": 8, "attr": {"hor": true}}])", "8 8 8 8");
        row("tree: without w", "qttree", R"([{"type": "scrollbar"}])", "0 0 0 0");
        row("table: none", "qtdatagrid", "[]", "14 14 14 14");
        row("table: thickness", "qtdatagrid",
            R"([{"type": "qtscrollbar", "w": 12, "h": 5, "attr": {"size": 16}}])", "12 12 14 14");
        row("table: the later thickness", "qtdatagrid", R"([{"type": "scrollbar", "w": 12,
                "attr": {"size": 9}}, {"type": "scrollbar", "h": 7, "attr": {"hor": true}}])",
            "7 7 14 14");
        row("table: bad values", "qtdatagrid", R"([{"type": "scrollbar", "w": "wide",
                "attr": {"hor": "yes", "size": [], "upicon": 3}}])",
            "0 0 14 14");
        row("list view: vertical", "qtlistview",
            R"([{"type": "qtscrollbar", "w": 12, "attr": {"size": 9}}])", "12 12 12 12");
        row("list view: horizontal arrows", "qtlistview",
            R"([{"type": "qtscrollbar", "h": 12, "attr": {"hor": true, "size": 9}}])",
            "14 14 14 9");
        row("list view: vertical, then horizontal arrows", "qtlistview",
            R"([{"type": "scrollbar", "w": 8}, {"type": "scrollbar", "attr": {"hor": true,
                "size": 5}}])",
            "8 14 8 5");
        row("text edit: the last child's thickness", "qttext", R"([{"type": "scrollbar", "w": 12,
                "attr": {"size": 30}}, {"type": "qtscrollbar", "h": 9, "attr": {"hor": true}}])",
            "9 9 14 14");
        row("scroll view: horizontal thickness", "qtscrollview",
            R"([{"type": "myscrollbar1", "h": 9, "attr": {"hor": true, "size": 5}}])", "9 9 14 14");
        row("scroll view: later children win", "qtscrollview",
            R"([{"type": "scrollbar", "w": 12}, {"type": "scrollbar", "w": 7}])", "7 7 14 14");
        row("scroll view: no scroll-bar child", "qtscrollview",
            R"([{"attr": {"hor": true}, "h": 3}, {"type": "container"}])", "14 14 14 14");
    }

    void controlRules()
    {
        QFETCH(QByteArray, type);
        QFETCH(QByteArray, children);
        QFETCH(QString, seen);
        // Without "attr": the children are read all the same.
        const ::Json::Value element
            = parsed(R"({"type": ")" + type + R"(", "child": )" + children + "}");
        std::unique_ptr<QWidget> control(CreateFromJson(&element, &host));
        auto* area = qobject_cast<QAbstractScrollArea*>(control.get());
        QVERIFY(area);
        auto* vertical = qobject_cast<VelQScrollBar*>(area->verticalScrollBar());
        auto* horizontal = qobject_cast<VelQScrollBar*>(area->horizontalScrollBar());
        vertical->resize(vertical->sizeHint().width(), 200);
        horizontal->resize(200, horizontal->sizeHint().height());
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(vertical->width())
                     .arg(horizontal->height())
                     .arg(vertical->partRect(QStyle::SC_ScrollBarAddLine).height())
                     .arg(horizontal->partRect(QStyle::SC_ScrollBarAddLine).width()),
            seen);
    }

    // A scroll-bar child skins the bar of its direction in every scrollable control, and the
    // skinned bar keeps Qt's layout and hit tests under the sheet the children give.
    void childSkinsTheBar_data()
    {
        QTest::addColumn<QByteArray>("type");
        for (const char* type :
            {"qtlist", "qttree", "qtdatagrid", "qtscrollview", "qttext", "qtlistview"})
            QTest::addRow("%s", type) << QByteArray(type);
    }

    void childSkinsTheBar()
    {
        QFETCH(QByteArray, type);
        const ::Json::Value element = parsed(R"({"type": ")" + type + R"(", "w": 200, "h": 150,
            "child": [{"type": "scrollbar", "w": 14, "attr": {"thumbicon": "dot.png", "upicon": "dot.png", "downicon": "dot.png"},
              "style": [["bg", 0, 0], ["x", 0, 2], ["x", 0, 6], ["thumb", 0, 10]]},
              {"type": "qtscrollbar", "h": 9, "attr": {"hor": true}, "style": [["other", 0, 10]]}]})");
        std::unique_ptr<QWidget> control(CreateFromJson(&element, &host));
        auto* area = qobject_cast<QAbstractScrollArea*>(control.get());
        QVERIFY(area);
        auto* bar = qobject_cast<VelQScrollBar*>(area->verticalScrollBar());
        QVERIFY(bar && qobject_cast<VelQScrollBar*>(area->horizontalScrollBar()));
        const QString text = QStringLiteral("line\n").repeated(40);
        const QStringList lines = text.split(QLatin1Char('\n'));
        if (auto* list = qobject_cast<QListWidget*>(area))
            list->addItems(lines);
        else if (auto* view = qobject_cast<QAbstractItemView*>(area))
            view->setModel(new QStringListModel(lines, view));
        else if (auto* edit = qobject_cast<QTextEdit*>(area))
            edit->setPlainText(text);
        else
            static_cast<VelQScrollView*>(area)->setWidget(new VelQContainer);
        if (auto* scroll = qobject_cast<VelQScrollView*>(area))
            scroll->widget()->resize(100, 600);
        QVERIFY(shown(&host));
        QTRY_VERIFY(bar->isVisible());
        // The arrows sit at the ends and leave the thumb visible.
        const QRect thumb = bar->partRect(QStyle::SC_ScrollBarSlider);
        const QRect up = bar->partRect(QStyle::SC_ScrollBarSubLine);
        const QRect down = bar->partRect(QStyle::SC_ScrollBarAddLine);
        QVERIFY(!up.intersects(thumb) && !down.intersects(thumb));
        QVERIFY(up.top() == 0 && down.bottom() == bar->height() - 1);
        const QImage image = render(bar);
        const int x = bar->width() / 2;
        QCOMPARE_PIXELS(image,
            {{x, thumb.top() + 1, thumbGreen}, {x, thumb.center().y(), iconGreen}, {x, 0, marker},
                {x, up.center().y(), iconGreen}, {x, down.bottom(), marker},
                {x, down.center().y(), iconGreen}});
        // Qt hit-tests the same parts that are painted; the wheel over the content scrolls.
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, down.center());
        QCOMPARE(bar->value(), bar->singleStep());
        wheel(area->viewport(), {50, 50}, {0, -120});
        QVERIFY(bar->value() > bar->singleStep());
    }

    // Qt's item views hear their scroll bars' actions and values (paging lazy models in) only
    // from the bars they were built with; the skinned bars must reach them too.
    void viewsKeepQtsScrollHandling_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::newRow("combo box") << QByteArray("qtcombobox");
        QTest::newRow("tree, bars of the program") << QByteArray("qttree");
    }

    void viewsKeepQtsScrollHandling()
    {
        QFETCH(QByteArray, type);
        PagedModel model;
        const ::Json::Value element = parsed(R"({"type": ")" + type + R"(", "w": 150, "h": 150})");
        std::unique_ptr<QWidget> control(CreateFromJson(&element, &host));
        auto* view = qobject_cast<QAbstractItemView*>(control.get());
        model.fetchMore(QModelIndex()); // a box without rows does not open
        if (auto* combo = qobject_cast<QComboBox*>(control.get())) {
            combo->setModel(&model);
            QVERIFY(shown(&host));
            combo->showPopup();
            view = combo->view();
        } else {
            view->setModel(&model);
            QVERIFY(shown(&host));
            view->setVerticalScrollBar(new VelQScrollBar(Qt::Vertical));
            view->setHorizontalScrollBar(new QScrollBar(Qt::Horizontal));
        }
        QTRY_VERIFY(view->isVisible());
        QScrollBar* bar = view->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        // The view fetches by itself until its viewport is full.
        int firstPage = -1;
        while (firstPage != model.rowCount()) {
            firstPage = model.rowCount();
            QTest::qWait(20);
        }
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QTRY_VERIFY(model.rowCount() > firstPage);
    }

    // The scroll view adopts its first container and tells how far its content moves.
    void scrollView()
    {
        VelQScrollView* view = load(scrolled);
        QPointer<VelQContainer> first = host.findChild<VelQContainer*>(QStringLiteral("first"));
        auto* second = host.findChild<VelQContainer*>(QStringLiteral("second"));
        QVERIFY(view && first && second);
        const auto adopted = [&] {
            return view->content() == first && view->widget() == first;
        };
        QVERIFY(adopted());
        QCOMPARE(first->parentWidget(), view->viewport());
        QCOMPARE(second->parentWidget(), view);
        QCOMPARE(host.findChild<QWidget*>(QStringLiteral("plain"))->parentWidget(), view);
        // The content is laid out inside the viewport by its own description.
        QCOMPARE(first->size(), QSize(400, 300));
        QCOMPARE(second->geometry(), QRect(5, 5, 30, 30));
        // Samples and layouts keep the content and its scroll position.
        view->fillSamples();
        QVERIFY(adopted());
        QVERIFY(shown(&host));
        QScrollBar* vertical = view->verticalScrollBar();
        QScrollBar* horizontal = view->horizontalScrollBar();
        // In the corner between the bars the view's background shows.
        QTRY_VERIFY(vertical->isVisible() && horizontal->isVisible());
        QCOMPARE_PIXELS(render(view), {{20, 20, contentGrey}, {193, 143, backMagenta}});
        vertical->setValue(50);
        QCOMPARE(first->pos(), QPoint(0, -50));
        view->applyLayout();
        QCOMPARE(first->pos(), QPoint(0, -50));
        QCOMPARE(first->size(), QSize(400, 300));
        QSignalSpy moved(view, &VelQScrollView::scrollPosChanged);
        vertical->setValue(40);
        horizontal->setValue(25);
        vertical->setValue(30);
        wheel(view->viewport(), {50, 50}, {0, -120});
        const int step = QApplication::wheelScrollLines() * vertical->singleStep();
        QCOMPARE(view->content()->pos(), QPoint(-25, -30 - step));
        wheel(view->viewport(), {50, 50}, {-120, 0});
        const int left = 25 - horizontal->value();
        QVERIFY(left < 0);
        const QList<QList<QVariant>> seen = moved;
        QCOMPARE(
            seen, (QList<QList<QVariant>> {{0, 10}, {-25, 0}, {0, 10}, {0, -step}, {left, 0}}));
        // Without a container nothing is adopted.
        VelQScrollView* bare = load(R"({"elements": [{"type": "qtscrollview", "name": "bare",
            "w": 100, "h": 100, "child": [{"type": "label", "name": "only", "w": 20, "h": 20}]}]})",
            "bare");
        QVERIFY(bare && !bare->content() && !bare->widget());
        QCOMPARE(host.findChild<QWidget*>(QStringLiteral("only"))->parentWidget(), bare);
    }

    // Around small content the view's background shows: the last record found in any slot but a
    // negative one.
    void scrollViewBackground_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("slot 0") << QByteArray(R"([["back", 0, 0]])") << backMagenta;
        QTest::newRow("any slot") << QByteArray(R"([["back", 0, 7]])") << backMagenta;
        QTest::newRow("the last found wins")
            << QByteArray(R"([["back", 0, 0], ["other", 0, 3], ["missing", 0, 0]])")
            << QColor(Qt::yellow);
        QTest::newRow("negative slots are skipped")
            << QByteArray(R"([["back", 0, 0], ["other", 0, -1]])") << backMagenta;
    }

    void scrollViewBackground()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, colour);
        VelQScrollView* view = load(R"({"elements": [{"type": "scrollview", "name": "view",
            "w": 200, "h": 150, "style": )"
            + style + R"(, "child": [{"type": "container", "w": 50, "h": 40}]}]})");
        QVERIFY(shown(&host));
        QCOMPARE_PIXELS(
            render(view), {{20, 20, contentGrey}, {60, 20, colour}, {199, 149, colour}});
    }
};

QTEST_MAIN(tst_Scrolling)
#include "tst_scrolling.moc"
