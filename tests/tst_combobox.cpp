#include "support/TestSupport.h"

#include <VelQtLib.h>
#include <controls/VelQComboBox_p.h>

#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

namespace {

const QColor face0(0, 200, 0), face1(200, 0, 0), face2(255, 0, 255), face3(90, 90, 90),
    button0(0, 0, 200), button1(0, 120, 120), listBack(40, 40, 40), row0(10, 100, 10),
    row1(230, 30, 30), row2(30, 30, 230), textColour(255, 255, 255), textHover(255, 255, 0),
    arrow(255, 128, 0), hotArrow(0, 255, 0), iconColour(128, 0, 128);

const char* const skin = R"({"w": 200, "h": 40, "style": [["face0", 0, 0], ["face1", 0, 1],
    ["face2", 0, 2], ["face3", 0, 3], ["button0", 0, 4], ["button1", 0, 5], ["text", 0, 8],
    ["list", 0, 12], ["row0", 0, 13], ["row1", 0, 14], ["row2", 0, 15], ["text", 0, 17],
    ["hot", 0, 18], ["face3", 0, 21], ["face3", 0, -1]], "attr": {"btnIcon": "arrow.png", "btnHotIcon": "hot.png"}})";

// A program's own row painter that counts the rows it paints.
class CountingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        ++painted;
        QStyledItemDelegate::paint(painter, option, index);
    }
    mutable int painted = 0;
};

} // namespace

class tst_ComboBox : public QObject {
    Q_OBJECT

    QWidget host;

private slots:
    void initTestCase()
    {
        installStrictMessageHandler();
        Init();
        const QByteArray bold = R"("bold": true)";
        QVERIFY(loadAppPackage(QStringLiteral("combo.data"),
            {boxStyle("face0", face0), boxStyle("face1", face1), boxStyle("face2", face2),
                boxStyle("face3", face3), boxStyle("button0", button0),
                boxStyle("button1", button1), boxStyle("list", listBack), boxStyle("row0", row0),
                boxStyle("row1", row1), boxStyle("row2", row2),
                textStyle("text", textColour, 20, bold), textStyle("hot", textHover, 20, bold),
                textStyle("tiny", textColour, 6, bold), textStyle("huge", textColour, 60, bold)},
            {{"arrow.png", solidPng(arrow, 8, 8)}, {"hot.png", solidPng(hotArrow, 8, 8)}}));
        host.resize(400, 300);
    }

    void cleanup() { host.hide(); }

    void boxLooks_data()
    {
        QTest::addColumn<QByteArray>("style");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QColor>("face");
        QTest::addColumn<QColor>("button");
        QTest::addColumn<QColor>("icon");
        const QByteArray full = skin;
        QTest::newRow("normal") << full << "" << face0 << button0 << arrow;
        QTest::newRow("hover") << full << "e" << face1 << button1 << hotArrow;
        // Slots 2 and 3 are not read: pressed and disabled boxes take slot 0's record.
        QTest::newRow("pressed") << full << "ep" << face0 << button0 << arrow;
        QTest::newRow("released") << full << "epr" << face1 << button1 << hotArrow;
        QTest::newRow("left") << full << "el" << face0 << button0 << arrow;
        QTest::newRow("disabled") << full << "d" << face0 << button0 << arrow;
        const QByteArray alone = R"({"w": 200, "h": 40, "style": [["face2", 0, 0]]})";
        QTest::newRow("slot 0 alone, hovered") << alone << "e" << face2 << QColor() << QColor();
        QTest::newRow("slot 0 alone, pressed") << alone << "ep" << face2 << QColor() << QColor();
        const QByteArray hotOnly = R"({"w": 200, "h": 40, "attr": {"btnHotIcon": "hot.png"}})";
        QTest::newRow("hot icon alone") << hotOnly << "" << QColor() << QColor() << QColor();
        QTest::newRow("hot icon alone, hovered")
            << hotOnly << "e" << QColor() << QColor() << hotArrow;
    }

    void boxLooks()
    {
        QFETCH(QByteArray, style);
        QFETCH(QString, sequence);
        QFETCH(QColor, face);
        QFETCH(QColor, button);
        QFETCH(QColor, icon);
        auto combo = placed<VelQComboBox>(&host, style);
        combo->addItem(QStringLiteral("one"));
        // Presses reach the skin alone: Qt's own would open the pop-up.
        for (const QChar step : sequence) {
            if (step == QLatin1Char('p'))
                combo->impl()->onMousePress(nullptr);
            else if (step == QLatin1Char('r'))
                combo->impl()->onMouseRelease(nullptr);
            else
                play(combo.get(), step, QPoint());
        }
        const QImage image = render(combo.get());
        // The button is the square of the box's height ending one pixel before its right edge.
        if (face.isValid())
            QCOMPARE_PIXELS(image, {{100, 20, face}, {150, 35, face}, {199, 20, face}});
        if (button.isValid())
            QCOMPARE_PIXELS(image, {{159, 2, button}, {198, 37, button}, {157, 2, face}});
        if (icon.isValid())
            QCOMPARE_PIXEL(image, 178, 19, icon);
        else
            QVERIFY(!near(image.pixel(178, 19), hotArrow));
    }

    // The text runs from the icon's column (5 + 20 wide, the icon centred) to the button.
    void textArea()
    {
        auto combo = placed<VelQComboBox>(&host,
            R"({"w": 200, "h": 40, "style": [["face0", 0, 0], ["button0", 0, 4], ["text", 0, 8]]})");
        const QString wide(40, QLatin1Char('W'));
        combo->addItem(wide);
        combo->addItem(solidIcon(iconColour), wide);
        for (const bool withIcon : {false, true}) {
            combo->setCurrentIndex(withIcon);
            const QImage image = render(combo.get());
            const QPair<int, int> columns = columnsOf(image, textColour, 8);
            const int left = withIcon ? 20 : 0, right = withIcon ? 200 - 21 : 199;
            QVERIFY2(columns.first >= left && columns.first <= left + 3,
                QByteArray::number(columns.first));
            QVERIFY2(columns.second <= right && columns.second >= right - 40,
                QByteArray::number(columns.second));
            QCOMPARE(
                columnsOf(image, iconColour, 8), withIcon ? qMakePair(7, 22) : qMakePair(-1, -1));
        }
        QCOMPARE_PIXELS(render(combo.get()),
            {{7, 12, iconColour}, {22, 27, iconColour}, {7, 11, face0}, {7, 28, face0}});
    }

    // The pop-up's surface shows under its rows and in the icon column; hover wins over the
    // selection, in the row and in its text.
    void popupList()
    {
        auto combo = placed<VelQComboBox>(&host, skin);
        combo->addItems({QStringLiteral("MMMM"), QStringLiteral("MMMM")});
        combo->addItem(solidIcon(iconColour), QStringLiteral("MMMM"));
        VelQComboList list(static_cast<VelQComboBoxImpl*>(combo->impl()));
        list.setModel(combo->model());
        list.setCurrentIndex(combo->model()->index(0, 0));
        list.resize(150, 100);
        hoverAt(&list, QPoint(5, 30));
        QImage image = render(&list);
        const QRect rows[] = {{0, 0, 150, 25}, {0, 25, 150, 25}, {0, 50, 150, 25}};
        QCOMPARE_PIXELS(
            image, {{140, 5, row2}, {140, 30, row1}, {140, 55, row0}, {140, 90, listBack}});
        QVERIFY(holds(image, textColour, 8, rows[0]) && !holds(image, textHover, 8, rows[0]));
        QVERIFY(holds(image, textHover, 8, rows[1]));
        // The row look starts at x 20, after the icon column.
        QCOMPARE(columnsOf(image, iconColour, 8, rows[2]), qMakePair(2, 17));
        QCOMPARE_PIXELS(image, {{1, 62, listBack}, {19, 51, listBack}, {20, 51, row0}});
        QVERIFY(columnsOf(image, textColour, 8, rows[2]).first >= 20);
        list.setCurrentIndex(combo->model()->index(1, 0));
        image = render(&list);
        QCOMPARE_PIXELS(image, {{140, 30, row1}, {140, 5, row0}});
        QVERIFY(holds(image, textHover, 8, rows[1]));
    }

    // Qt 5 deletes the delegate it replaces, Qt 6 does not; a program may delete ours itself.
    void programDelegateReplacesOurs_data()
    {
        QTest::addColumn<QByteArray>("owner");
        QTest::addColumn<bool>("deleteOurs");
        QTest::newRow("without parent") << QByteArray() << false;
        QTest::newRow("owned by the box") << QByteArray("box") << false;
        QTest::newRow("owned by the list") << QByteArray("list") << false;
        QTest::newRow("ours deleted first") << QByteArray("box") << true;
    }

    void programDelegateReplacesOurs()
    {
        QFETCH(QByteArray, owner);
        QFETCH(bool, deleteOurs);
        auto combo = placed<VelQComboBox>(&host, skin);
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        if (deleteOurs)
            delete combo->itemDelegate();
        QObject* parent = owner == "box" ? static_cast<QObject*>(combo.get())
            : owner == "list"            ? combo->view()
                                         : nullptr;
        QPointer<CountingDelegate> mine = new CountingDelegate(parent);
        combo->setItemDelegate(mine);
        QCOMPARE(combo->itemDelegate(), mine.data());
        QCOMPARE(combo->view()->itemDelegate(), mine.data());
        host.show();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        // Rendered rather than waited for: Qt 6's offscreen pop-ups are not always exposed.
        const QImage popup = render(combo->view()->viewport());
        QVERIFY(mine->painted > 0);
        // The skin keeps the pop-up's surface, under the last row that the program paints.
        QCOMPARE_PIXEL(popup, popup.width() - 3, popup.height() - 3, listBack);
        combo->hidePopup();
        // Another replacement, as Qt's own code makes when its style changes.
        combo->setItemDelegate(new QStyledItemDelegate(combo.get()));
        combo.reset();
        delete mine;
    }

    // The line edit shows the text in its own style over the skin, also when the box turns
    // editable after its skin; a style sheet the program gave its own line edit stays.
    void editableBox()
    {
        auto combo = placed<VelQComboBox>(&host, skin);
        combo->setEditable(true);
        combo->addItem(QStringLiteral("MMMMMMMM"));
        host.show();
        QTRY_VERIFY(near(render(combo.get()).pixel(140, 20), face0));
        reload(*combo, R"({"style": [["face0", 0, 0]]})");
        const QImage image = render(combo.get());
        QCOMPARE(columnsOf(image, textColour, 8).first, -1);
        QCOMPARE_PIXEL(image, 140, 20, face0);
        host.hide();
        VelQComboBox own(&host);
        auto* edit = new QLineEdit;
        edit->setStyleSheet(QStringLiteral("color: red;"));
        own.setLineEdit(edit);
        host.show();
        QTest::qWait(0);
        QCOMPARE(edit->styleSheet(), QStringLiteral("color: red;"));
    }

    void keysAndClickStayQts_data()
    {
        QTest::addColumn<QByteArray>("rowText");
        QTest::newRow("tiny row text") << QByteArray("tiny");
        QTest::newRow("huge row text") << QByteArray("huge");
    }

    // Keys and a click act as in Qt's box; the pop-up's rows are 25 high whatever their text.
    void keysAndClickStayQts()
    {
        QFETCH(QByteArray, rowText);
        auto combo = placed<VelQComboBox>(
            &host, R"({"w": 200, "h": 40, "style": [[")" + rowText + R"(", 0, 17]]})");
        combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        QVERIFY(shown(&host));
        combo->setFocus();
        QTest::keyClick(combo.get(), Qt::Key_Down);
        QCOMPARE(combo->currentIndex(), 1);
        QTest::keyClick(combo.get(), Qt::Key_End);
        QCOMPARE(combo->currentIndex(), 2);
        QTest::mouseClick(combo.get(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
        QTRY_VERIFY(combo->view()->isVisible());
        QCOMPARE(combo->view()->visualRect(combo->model()->index(1, 0)).height(), 25);
        combo->hidePopup();
    }

    // "text" adds an item from GBK and selects it; values of the wrong types are passed over.
    void textAttribute()
    {
        auto combo = placed<VelQComboBox>(&host, R"({"style": [[5, 0, 0], ["face0"], null],
            "attr": {"text": [], "btnIcon": [], "btnHotIcon": {}}})");
        QCOMPARE(combo->count(), 0);
        render(combo.get());
        combo->addItems({QStringLiteral("a"), QStringLiteral("b")});
        reload(*combo, "{\"attr\": {\"text\": \"\xC4\xE3\"}}");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->currentIndex(), 2);
        QCOMPARE(combo->currentText(), QString::fromUtf8("\xE4\xBD\xA0"));
        QVERIFY(combo->itemIcon(2).isNull());
        QVERIFY(!combo->itemData(2).isValid());
        // A row the model does not have.
        QImage image(150, 25, QImage::Format_ARGB32);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        combo->view()->itemDelegate()->paint(&painter, option, combo->model()->index(5, 0));
    }
};

QTEST_MAIN(tst_ComboBox)
#include "tst_combobox.moc"
