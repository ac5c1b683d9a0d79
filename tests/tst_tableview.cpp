#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQTableView_p.h>

#include <QStandardItemModel>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor tableBack(0, 0, 255), cell0(0, 200, 0), cell1(200, 0, 0), cell2(255, 0, 255),
    spare(90, 90, 90), header0(40, 40, 40), text0(255, 255, 255), text1(255, 255, 0),
    text2(0, 255, 255), headerText(255, 128, 0), onColour(255, 255, 128), offColour(128, 0, 255),
    pictureColour(0, 128, 128), stampFace(10, 20, 30), stampHover(250, 100, 10);

const char* const skin = R"({"w": 400, "h": 300, "style": [["back", 0, 0], ["cell0", 0, 2],
    ["cell1", 0, 3], ["cell2", 0, 4], ["text0", 0, 6], ["text1", 0, 7], ["text2", 0, 8],
    ["header0", 0, 10], ["headerText", 0, 14]], "attr": {"itemHeight": 30}})";

std::unique_ptr<VelQTableView> skinnedTable(QWidget* parent, const QByteArray& json = skin)
{
    return placed<VelQTableView>(parent, json);
}

// A skinned table of rows × 3 cells "MMM" under headers "HHH"; rows are 30 high, columns 120.
std::unique_ptr<VelQTableView> filledTable(
    QWidget* parent, int rows = 5, const QByteArray& json = skin)
{
    auto table = skinnedTable(parent, json);
    auto* m = new QStandardItemModel(rows, 3, table.get());
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 3; ++column)
            m->setItem(row, column, new QStandardItem(QStringLiteral("MMM")));
    }
    m->setHorizontalHeaderLabels(
        {QStringLiteral("HHH"), QStringLiteral("HHH"), QStringLiteral("HHH")});
    table->setModel(m);
    table->verticalHeader()->setDefaultSectionSize(30);
    for (int column = 0; column < 3; ++column)
        table->setColumnWidth(column, 120);
    return table;
}

QStandardItemModel* modelOf(QTableView* table)
{
    return static_cast<QStandardItemModel*>(table->model());
}

// A cell's rectangle in the table's own coordinates.
QRect cellRect(QTableView* table, int row, int column)
{
    return table->visualRect(table->model()->index(row, column))
        .translated(table->viewport()->geometry().topLeft());
}

// The one pixel of image that shows a cell's background, beside the cell's right edge.
QImage cellBackground(const QImage& image, QTableView* table, int row, int column)
{
    const QRect cell = cellRect(table, row, column);
    return image.copy(cell.right() - 2, cell.center().y(), 1, 1);
}

} // namespace

class tst_TableView : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("table.data"),
            {boxStyle("back", tableBack), boxStyle("cell0", cell0), boxStyle("cell1", cell1),
                boxStyle("cell2", cell2), boxStyle("spare", spare), boxStyle("header0", header0),
                boxStyle("face", stampFace), boxStyle("hot", stampHover),
                textStyle("text0", text0, 16, bold), textStyle("text1", text1, 16, bold),
                textStyle("text2", text2, 16, bold), textStyle("headerText", headerText, 16, bold)},
            {{"on.png", solidPng(onColour, 16, 20)}, {"off.png", solidPng(offColour, 16, 20)},
                {"picture.png", solidPng(pictureColour, 12, 12)}}));
        host.resize(500, 400);
    }

    void cleanup() { host.hide(); }

    void construction()
    {
        VelQTableView table(&host);
        QVERIFY(table.verticalHeader()->isHidden());
        QCOMPARE(table.editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        // The shared check box is only ever drawn into cells.
        auto* d = static_cast<VelQTableViewImpl*>(table.impl());
        QCOMPARE(d->checkBox->parent(), &table);
        QVERIFY(d->checkBox->isHidden());
    }

    void cellLooks_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("hovered");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("textColour");
        QTest::newRow("normal") << false << false << cell0 << text0;
        QTest::newRow("selected") << true << false << cell2 << text2;
        QTest::newRow("hovered row") << false << true << cell1 << text1;
        QTest::newRow("selected and hovered") << true << true << cell2 << text2;
    }

    void cellLooks()
    {
        QFETCH(bool, selected);
        QFETCH(bool, hovered);
        QFETCH(QColor, background);
        QFETCH(QColor, textColour);
        auto table = filledTable(&host);
        QVERIFY(shown(&host));
        if (selected)
            table->selectRow(1);
        if (hovered)
            moveOnViewport(table.get(), table->visualRect(table->model()->index(1, 1)).center());
        const QImage image = render(table.get());
        // The whole row shows the look, not only the cell under the mouse.
        for (int column = 0; column < 3; ++column) {
            const QRect cell = cellRect(table.get(), 1, column);
            QCOMPARE_PIXEL(image, cell.right() - 2, cell.center().y(), background);
            QVERIFY(holds(image, textColour, 8, cell));
            const QRect other = cellRect(table.get(), 2, column);
            QCOMPARE_PIXEL(image, other.right() - 2, other.center().y(), cell0);
        }
        QCOMPARE_PIXEL(image, 380, 250, tableBack);
    }

    void hoverMovesAndLeaves()
    {
        auto table = filledTable(&host);
        QVERIFY(shown(&host));
        auto* d = static_cast<VelQTableViewImpl*>(table->impl());
        moveOnViewport(table.get(), QPoint(50, 15));
        QCOMPARE(d->hoverRow, 0);
        moveOnViewport(table.get(), QPoint(300, 75));
        QCOMPARE(d->hoverRow, 2);
        QCOMPARE(d->hoverIndex, table->model()->index(2, 2));
        QImage image = render(table.get());
        QCOMPARE_PIXEL(cellBackground(image, table.get(), 0, 0), 0, 0, cell0);
        QCOMPARE_PIXEL(cellBackground(image, table.get(), 2, 0), 0, 0, cell1);
        sendLeave(table.get());
        QCOMPARE(d->hoverRow, -1);
        image = render(table.get());
        QCOMPARE_PIXEL(cellBackground(image, table.get(), 2, 0), 0, 0, cell0);
    }

    void checkColumn()
    {
        auto table = filledTable(&host);
        QStandardItemModel* m = modelOf(table.get());
        table->setCheckStyle(true);
        table->setCheckImage(true, QStringLiteral("on.png"));
        table->setCheckImage(false, QStringLiteral("off.png"));
        auto* d = static_cast<VelQTableViewImpl*>(table->impl());
        // A 16 × 20 image: the check area is 20 wide and the text moves 10 + 16 to the right.
        QCOMPARE(d->checkSize, QSize(16, 20));
        m->item(1, 0)->setData(true, Qt::CheckStateRole);
        QVERIFY(shown(&host));
        QImage image = render(table.get());
        const QRect first = cellRect(table.get(), 0, 0);
        const QRect second = cellRect(table.get(), 1, 0);
        QCOMPARE_PIXEL(image, first.left() + 5, first.center().y(), offColour);
        QCOMPARE_PIXEL(image, first.left() + 20, first.center().y(), offColour);
        QCOMPARE_PIXEL(image, first.left() + 4, first.center().y(), cell0);
        QCOMPARE_PIXEL(image, second.left() + 5, second.center().y(), onColour);
        const int textStart = columnsOf(image, text0, 8, first).first - first.left();
        QVERIFY2(textStart >= 26 && textStart <= 29, QByteArray::number(textStart));
        // Other columns carry no check box.
        QVERIFY(!holds(image, offColour, 8, cellRect(table.get(), 0, 1)));

        const QRect viewportCell = table->visualRect(m->index(0, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
            QPoint(viewportCell.left() + 10, viewportCell.center().y()));
        QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole), QVariant(true));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
            QPoint(viewportCell.left() + 10, viewportCell.center().y()));
        QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole), QVariant(false));
        // Outside the check area a click only selects.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
            QPoint(viewportCell.left() + 60, viewportCell.center().y()));
        QCOMPARE(m->index(0, 0).data(Qt::CheckStateRole), QVariant(false));
        QCOMPARE(table->currentIndex().row(), 0);
        image = render(table.get());
        QCOMPARE_PIXEL(image, first.left() + 5, first.center().y(), offColour);
    }

    void headerCheckBox()
    {
        auto table = filledTable(&host);
        QStandardItemModel* m = modelOf(table.get());
        table->setCheckStyle(true);
        table->setCheckImage(true, QStringLiteral("on.png"));
        table->setCheckImage(false, QStringLiteral("off.png"));
        QVERIFY(shown(&host));
        auto* d = static_cast<VelQTableViewImpl*>(table->impl());
        QHeaderView* header = table->horizontalHeader();
        QCOMPARE(header->height(), 30);
        QImage image = render(header);
        QCOMPARE_PIXEL(image, 5, 15, offColour);
        QCOMPARE_PIXEL(image, 100, 2, header0);
        const int textStart = columnsOf(image, headerText, 8, QRect(0, 0, 120, 30)).first;
        QVERIFY2(textStart >= 26 && textStart <= 29, QByteArray::number(textStart));
        QVERIFY(holds(image, headerText, 8, QRect(120, 0, 30, 30)));

        QSignalSpy spy(table.get(), &VelQTableView::headerCheckedChanged);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toBool(), true);
        QVERIFY(d->headerChecked);
        QTRY_VERIFY(near(render(header).pixel(5, 15), onColour));
        // The header box leaves the rows alone.
        for (int row = 0; row < m->rowCount(); ++row)
            QVERIFY(!m->index(row, 0).data(Qt::CheckStateRole).isValid());
        // Outside its check area the header does not toggle.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 15));
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toBool(), false);
    }

    void headerCheckDrivesRowsThroughItsSignal()
    {
        auto table = filledTable(&host);
        QStandardItemModel* m = modelOf(table.get());
        table->setCheckStyle(true);
        table->setCheckImage(true, QStringLiteral("on.png"));
        QObject::connect(table.get(), &VelQTableView::headerCheckedChanged, [m](bool checked) {
            for (int row = 0; row < m->rowCount(); ++row)
                m->setData(m->index(row, 0), checked, Qt::CheckStateRole);
        });
        QVERIFY(shown(&host));
        QTest::mouseClick(
            table->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
        for (int row = 0; row < m->rowCount(); ++row)
            QCOMPARE(m->index(row, 0).data(Qt::CheckStateRole), QVariant(true));
        const QImage image = render(table.get());
        const QRect last = cellRect(table.get(), 4, 0);
        QCOMPARE_PIXEL(image, last.left() + 8, last.center().y(), onColour);
        QTest::mouseClick(
            table->horizontalHeader()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 15));
        for (int row = 0; row < m->rowCount(); ++row)
            QCOMPARE(m->index(row, 0).data(Qt::CheckStateRole), QVariant(false));
    }

    void cellImage()
    {
        auto table = filledTable(&host);
        QStandardItemModel* m = modelOf(table.get());
        m->item(0, 1)->setData(QStringLiteral("picture.png"), Qt::UserRole + 100);
        m->item(1, 1)->setData(QStringLiteral("missing.png"), Qt::UserRole + 100);
        const QImage image = render(table.get());
        const QRect cell = cellRect(table.get(), 0, 1);
        // 12 pixels centred in a 22-pixel box; the text follows 10 + 12 pixels in.
        QCOMPARE(columnsOf(image, pictureColour, 8, cell).first, cell.left() + 5);
        QCOMPARE_PIXEL(image, cell.left() + 16, cell.top() + 9, pictureColour);
        QCOMPARE_PIXEL(image, cell.left() + 5, cell.top() + 8, cell0);
        const int textStart = columnsOf(image, text0, 8, cell).first;
        QVERIFY2(textStart >= cell.left() + 22 && textStart <= cell.left() + 25,
            QByteArray::number(textStart - cell.left()));
        const QRect plain = cellRect(table.get(), 1, 1);
        QVERIFY(columnsOf(image, text0, 8, plain).first <= plain.left() + 3);
    }

    void columnWidgetsFollowTheirCells()
    {
        auto table = filledTable(&host, 40);
        // A container with a button at 4, 4, as the gallery's table has.
        auto* stamp = new VelQContainer(&host);
        ImageStyle none;
        none.valid = false;
        stamp->setBackgroundStyle(none);
        auto* button = new VelQPushButton(stamp);
        const ::Json::Value look = parsed(R"({"x": 4, "y": 4, "w": 50, "h": 22,
            "style": [["face", 0, 0], ["hot", 0, 1]], "attr": {"text": ""}})");
        button->loadAttributes(&look);
        stamp->show();
        table->setColumnWidget(2, stamp);
        QVERIFY(stamp->isHidden());
        QVERIFY(shown(&host));
        m_stampCheck(table.get(), 0);
        table->verticalScrollBar()->setValue(95);
        QCOMPARE(table->rowAt(0), 3);
        m_stampCheck(table.get(), 4);
        m_stampCheck(table.get(), 7);

        // The control under the mouse pointer shows its hover look.
        const QRect cell = table->visualRect(table->model()->index(5, 2));
        moveOnViewport(table.get(), cell.topLeft() + QPoint(20, 15));
        QImage image = render(table.get());
        const QRect inTable = cellRect(table.get(), 5, 2);
        QCOMPARE_PIXEL(image, inTable.left() + 30, inTable.top() + 10, stampHover);
        QCOMPARE_PIXEL(image, inTable.left() + 30, inTable.top() + 40, stampFace);
        QCOMPARE(button->impl()->state, int(Normal));

        table->setColumnWidget(2, nullptr);
        image = render(table.get());
        QVERIFY(!holds(image, stampFace, 8, cellRect(table.get(), 5, 2)));
        host.hide();
        delete stamp;
    }

    void deletedColumnWidgetIsDropped()
    {
        auto table = filledTable(&host);
        auto* stamp = new VelQPushButton(&host);
        table->setColumnWidget(1, stamp);
        delete stamp;
        render(table.get());
    }

    void columnWidgetHidesImageAndCheck()
    {
        auto table = filledTable(&host);
        QStandardItemModel* m = modelOf(table.get());
        table->setCheckStyle(true);
        table->setCheckImage(false, QStringLiteral("off.png"));
        m->item(0, 0)->setData(QStringLiteral("picture.png"), Qt::UserRole + 100);
        auto* stamp = new VelQContainer(&host);
        ImageStyle none;
        none.valid = false;
        stamp->setBackgroundStyle(none);
        table->setColumnWidget(0, stamp);
        const QImage image = render(table.get());
        const QRect cell = cellRect(table.get(), 0, 0);
        QVERIFY(!holds(image, offColour, 8, cell));
        QVERIFY(!holds(image, pictureColour, 8, cell));
        delete stamp;
    }

    void ownSurfaceShowsTheBackground()
    {
        auto table = skinnedTable(&host, R"({"w": 100, "h": 100, "style": [["back", 0, 0]]})");
        table->viewport()->hide();
        table->horizontalHeader()->hide();
        const QImage image = render(table.get());
        QCOMPARE_PIXEL(image, 50, 50, tableBack);
    }

    void styleSlots_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("selected");
        // A selected row without records shows what QTableView paints under its cells.
        QTest::newRow("no records: cells paint nothing")
            << QByteArray(R"([["back", 0, 0]])") << tableBack << QColor();
        QTest::newRow("slot 2 fills every state")
            << QByteArray(R"([["spare", 0, 2]])") << spare << spare;
        QTest::newRow("slot 4 only selected")
            << QByteArray(R"([["cell0", 0, 2], ["spare", 0, 4]])") << cell0 << spare;
        QTest::newRow("ignored") << QByteArray(
            R"([["cell0", 0, 2], ["spare", 0, 1], ["spare", 0, 18], ["spare", 0, -3], ["spare", 0, 6]])")
                                 << cell0 << cell0;
    }

    void styleSlots()
    {
        QFETCH(QByteArray, style);
        QFETCH(QColor, normal);
        QFETCH(QColor, selected);
        auto table = filledTable(&host, 5, R"({"w": 400, "h": 300, "style": )" + style + "}");
        table->selectRow(1);
        const QImage image = render(table.get());
        QCOMPARE_PIXEL(cellBackground(image, table.get(), 0, 2), 0, 0, normal);
        if (selected.isValid()) {
            QCOMPARE_PIXEL(cellBackground(image, table.get(), 1, 2), 0, 0, selected);
        }
    }

    void attributes()
    {
        auto table = filledTable(&host, 5, R"({"attr": {"itemHeight": 44, "checkstyle": true,
            "checkedImg": "on.png", "uncheckImg": "off.png", "multiselect": true}})");
        auto* d = static_cast<VelQTableViewImpl*>(table->impl());
        QCOMPARE(d->itemHeight, 44);
        QCOMPARE(table->horizontalHeader()->height(), 44);
        QCOMPARE(d->checkSize, QSize(16, 20));
        QCOMPARE(table->selectionMode(), QAbstractItemView::ExtendedSelection);
        // Row heights stay the view's own.
        QCOMPARE(table->rowHeight(0), 30);
        const ::Json::Value negative = parsed(R"({"attr": {"itemHeight": -4}})");
        table->loadAttributes(&negative);
        QCOMPARE(table->horizontalHeader()->height(), 0);
        const ::Json::Value missing = parsed(R"({"attr": {"checkedImg": "nothing.png"}})");
        table->loadAttributes(&missing);
        QCOMPARE(d->checkSize, QSize(16, 20));
    }

    void keysStayQts()
    {
        auto table = filledTable(&host);
        host.show();
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        QTest::keyClick(table.get(), Qt::Key_Down);
        QCOMPARE(table->currentIndex().row(), 1);
        QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(table->selectionModel()->selectedRows().at(0).row(), 1);
    }

    void builtFromDescriptions()
    {
        const ::Json::Value root = parsed(
            R"({"elements": [{"type": "datagrid", "name": "made", "w": 300, "h": 200, "attr": {"checkstyle": true}}]})");
        QWidget window;
        LoadElements(&root, &window);
        auto* table = window.findChild<VelQTableView*>(QStringLiteral("made"));
        QVERIFY(table);
        QVERIFY(static_cast<VelQTableViewImpl*>(table->impl())->checkStyle);
        QVERIFY(!table->model() || table->model()->rowCount() == 0);
    }

    void badInputIsHarmless()
    {
        auto table = filledTable(&host, 5, R"({"style": {"x": 1}, "child": 3,
            "attr": {"itemHeight": "tall", "checkstyle": [], "checkedImg": 5, "uncheckImg": {}}})");
        render(table.get());
    }

private:
    // Row's cell of column 2 shows the stamped button at 4, 4 and nothing of the cell's text.
    void m_stampCheck(QTableView* table, int row)
    {
        const QImage image = render(table);
        const QRect cell = cellRect(table, row, 2);
        QCOMPARE_PIXEL(image, cell.left() + 4, cell.top() + 4, stampFace);
        QCOMPARE_PIXEL(image, cell.left() + 53, cell.top() + 25, stampFace);
        QCOMPARE_PIXEL(image, cell.left() + 54, cell.top() + 25, cell0);
        QCOMPARE_PIXEL(image, cell.left() + 3, cell.top() + 4, cell0);
    }
};

QTEST_MAIN(tst_TableView)
#include "tst_tableview.moc"
