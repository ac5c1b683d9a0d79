// The gallery end to end: the real Vitrina with the real packages, from the folder that holds
// them, and the same program started from a folder without packages.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include "Startup.h"
#include "Vitrina.h"

#include <VelQtLib.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QtTest>

using namespace VelQtLib;
using namespace TestSupport;

const QColor accent(0xe8, 0x3a, 0x1d);

// The navigation items, one per page, in their order.
const char* const pageNames[] = {"button", "check", "radio", "combo", "edit", "progress", "slider",
    "menubar", "tableview", "tree", "list"};

static int colourCount(const QImage& image, const QRect& r)
{
    const QImage part = image.copy(r & image.rect()).convertToFormat(QImage::Format_ARGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(part.constBits());
    return QSet<QRgb>(pixels, pixels + part.width() * part.height()).size();
}

static QWidget* boundPage(QObject* button)
{
    return button ? static_cast<QWidget*>(button->property("bind_ctrl").value<void*>()) : nullptr;
}

template<class T> static T* childAt(QWidget* page, QPoint pos)
{
    for (T* child : page->findChildren<T*>())
        if (child->pos() == pos)
            return child;
    return nullptr;
}

class tst_Gallery : public QObject {
    Q_OBJECT

    Vitrina* m_window = nullptr;

    QRadioButton* navigation(const QString& name)
    {
        return m_window->findChild<QRadioButton*>(name);
    }

    // Shows the page of a navigation button as a user does: a click anywhere on the item's tile,
    // here its far corner, and again, which changes nothing.
    QWidget* showPage(const QString& name)
    {
        QRadioButton* button = navigation(name);
        for (int i = 0; button && i < 2; ++i)
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 6, 4));
        return boundPage(button);
    }

private slots:
    // Started from a folder without packages, the program shows its window and exits cleanly.
    // From its build folder, once, its packages and description load without a problem to
    // name, one page per navigation item.
    void initTestCase()
    {
        installStrictMessageHandler();
        QTemporaryDir empty;
        QDir::setCurrent(empty.path());
        QCOMPARE(QProcess::execute(VITRINA_DIR "/vitrina-shot", {"window.png"}), 0);
        QVERIFY(QImage(QStringLiteral("window.png")).width() > 0);
        QDir::setCurrent(QStringLiteral(VITRINA_DIR));
        loadGalleryPackages();
        m_window = new Vitrina;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QCOMPARE(takeDiagnostics(), QStringList());
        auto* container = m_window->findChild<VelQContainer*>(QStringLiteral("container"));
        QVERIFY(container);
        QCOMPARE(container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
            int(std::size(pageNames)));
    }
    void cleanupTestCase() { delete m_window; }

    void page_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : pageNames)
            QTest::newRow(name) << name;
    }

    // Every page: shown alone, the accent marker (4 pixels in, half way down) on its item only,
    // each of its controls painting something.
    void page()
    {
        QFETCH(QString, name);
        QWidget* page = showPage(name);
        QVERIFY2(page, "no page bound to the navigation button");
        const QImage shot = m_window->grab().toImage();
        for (const char* other : pageNames) {
            QRadioButton* item = navigation(other);
            const QPoint marker = item->mapTo(m_window, QPoint(4, item->height() / 2));
            QCOMPARE(near(shot.pixel(marker), accent, 8), name == other);
            QCOMPARE(item->isChecked(), name == other);
            QCOMPARE(boundPage(item)->isVisible(), name == other);
        }
        int painted = 0;
        for (QWidget* control :
            page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!controlOf(control) || !control->isVisible()
                || (qobject_cast<QLabel*>(control)
                    && control->property("text").toString().isEmpty()))
                continue;
            const QRect onWindow(control->mapTo(m_window, QPoint(0, 0)), control->size());
            QVERIFY2(colourCount(shot, onWindow) > 1, control->metaObject()->className());
            ++painted;
        }
        QVERIFY(painted > 3);
    }

    // The pages' looks: a checked box shows the accent mark (18 pixels wide at its left,
    // vertically centred), a disabled button its grey face, the combo box with icons draws them
    // in the 20-pixel column at its left, the plain one not, and the bar lays every menu title
    // inside itself; the close button turns accent under the mouse, its glyph white. Item views:
    // skinned scroll bars; the table's widgets stamped into two columns of every row, the
    // progress chunk in "Age" and the button in "Operate"; a selected row in the theme's
    // selection colour, across a tree's branch column too.
    void pageLooks()
    {
        auto* box = childAt<VelQCheckBox>(showPage("check"), {150, 120});
        QVERIFY(box && !box->isChecked());
        const QPoint inMark = box->mapTo(m_window, QPoint(9, box->height() / 2 + 5));
        QVERIFY(!near(m_window->grab().toImage().pixel(inMark), accent));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(9, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE_PIXEL(m_window->grab().toImage(), inMark.x(), inMark.y(), accent);
        box->setChecked(false);

        for (VelQPushButton* b : showPage("button")->findChildren<VelQPushButton*>())
            if (b->y() == 120)
                QCOMPARE_PIXEL(render(b), 6, b->height() / 2,
                    b->isEnabled() ? QColor(Qt::white) : QColor(0xf2, 0xf2, 0xf4));

        QWidget* page = showPage("combo");
        const QImage icons = render(childAt<VelQComboBox>(page, {150, 240}));
        QVERIFY(colourCount(icons, QRect(5, 12, 20, 16)) > 4);
        const QImage plain = render(childAt<VelQComboBox>(page, {150, 120}));
        QCOMPARE(colourCount(plain, QRect(2, 12, 8, 16)), 1);

        auto* bar = showPage("menubar")->findChild<VelQMenuBar*>();
        QCOMPARE(bar->actions().size(), 11);
        for (QAction* entry : bar->actions())
            QVERIFY2(bar->rect().contains(bar->actionGeometry(entry)), qPrintable(entry->text()));

        auto* close = m_window->findChild<VelQPushButton*>(QStringLiteral("close"));
        const QPoint centre(close->width() / 2, close->height() / 2);
        sendEnter(close);
        QCOMPARE_PIXELS(
            render(close), {{4, centre.y(), accent}, {centre.x(), centre.y(), Qt::white}});
        sendLeave(close);
        QVERIFY(!near(render(close).pixel(4, centre.y()), accent));

        auto* table = childAt<VelQTableView>(showPage("tableview"), {150, 120});
        QVERIFY(table);
        const QImage shot = render(table);
        for (int row : {0, 3}) {
            const int y = table->horizontalHeader()->height() + table->rowViewportPosition(row)
                + table->rowHeight(row) / 2;
            QCOMPARE_PIXEL(shot, table->columnViewportPosition(3) + 4, y, accent);
            QVERIFY(
                colourCount(shot, QRect(table->columnViewportPosition(4) + 4, y - 6, 50, 12)) > 4);
        }
        const QColor selection(0xfd, 0xe7, 0xe2);
        auto* tree = childAt<VelQTreeView>(showPage("tree"), {150, 340});
        QVERIFY(tree);
        const QModelIndex second = tree->model()->index(1, 0);
        tree->setCurrentIndex(second);
        const QRect treeRow = tree->visualRect(second);
        QCOMPARE_PIXELS(render(tree->viewport()),
            {{2, treeRow.top() + 2, selection},
                {treeRow.right() - 4, treeRow.center().y(), selection}});
        auto* list = childAt<VelQList>(showPage("list"), {150, 300});
        QVERIFY(list);
        const QRect row = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(list->currentRow(), 1);
        QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(3)).center());
        sendLeave(list->viewport());
        QCOMPARE_PIXELS(render(list), {{row.right() - 40, row.center().y(), selection}});
        for (QAbstractItemView* view : QList<QAbstractItemView*> {table, tree, list}) {
            QVERIFY(qobject_cast<VelQScrollBar*>(view->horizontalScrollBar())
                && qobject_cast<VelQScrollBar*>(view->verticalScrollBar()));
            view->clearSelection();
        }
    }

    // The theme switched from the caption band while the window is open, to dark and back: the
    // next frame shows the new theme on every control, and what the program set stays.
    void liveThemeSwitch()
    {
        auto* edit = showPage("edit")->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->setText(QStringLiteral("typed"));
        // What the program set and the user typed, and where everything is.
        const auto content = [&] {
            QList<QVariantList> all;
            for (QWidget* widget : m_window->findChildren<QWidget*>()) {
                all << QVariantList {widget->isVisible(), widget->pos()};
                for (const char* name : {"text", "value", "currentIndex", "checked"})
                    all.last() << widget->property(name);
            }
            return all;
        };
        const QList<QVariantList> before = content();
        const QImage light = render(m_window);
        std::vector<std::pair<QWidget*, QImage>> lightControls;
        for (QWidget* control : m_window->findChildren<QWidget*>())
            if (controlOf(control) && control->isVisible())
                lightControls.emplace_back(control, paintedAlone(control));
        auto* themeButton = m_window->findChild<QPushButton*>(QStringLiteral("theme"));
        QVERIFY(themeButton);
        QSignalSpy changed(ThemeEvents(), &VelQThemeEvents::themeChanged);
        takeDiagnostics();
        QTest::mouseClick(themeButton, Qt::LeftButton);
        QVERIFY(m_window->isDarkTheme());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(takeDiagnostics(), QStringList());

        const QImage dark = render(m_window);
        const QColor page(0x24, 0x24, 0x2b), band(0x1c, 0x1c, 0x21), side(0x20, 0x20, 0x26);
        QCOMPARE_PIXELS(dark, {{600, 600, page}, {600, 60, band}, {100, 600, side}, {5, 20, band}});
        // Every skinned control in sight that painted itself paints itself anew, and something.
        for (const auto& [control, was] : lightControls) {
            if (countNear(was, Qt::transparent, 0) == was.width() * was.height())
                continue;
            const QImage now = paintedAlone(control);
            QVERIFY2(
                now != was && colourCount(now, now.rect()) > 1, control->metaObject()->className());
        }
        QCOMPARE(content(), before);

        QTest::mouseClick(themeButton, Qt::LeftButton);
        QVERIFY(!m_window->isDarkTheme());
        QCOMPARE(render(m_window), light);
        QCOMPARE(content(), before);
    }

    // From the keyboard alone: Tab reaches the navigation, arrows switch pages with the ring on
    // the item, Space toggles a box that shows the theme's ring.
    void keyboardWalk()
    {
        QTest::mouseClick(navigation("button"), Qt::LeftButton);
        giveFocus(m_window, navigation("button"));
        // Presses Tab at least once, until the focus satisfies wanted.
        const auto tabTo = [&](auto wanted) {
            for (int i = 0; i < 80; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (wanted(QApplication::focusWidget()))
                    return true;
            }
            return false;
        };
        const auto ringOn = [](QWidget* control) {
            const VelQFocusRing* ring = VelQFocusRing::instance();
            return ring && ring->isVisible() && ring->control() == control;
        };
        QVERIFY(tabTo([&](QWidget* f) { return f == navigation("button"); })
            && ringOn(navigation("button")));
        QTest::keyClick(navigation("button"), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), navigation("check"));
        QVERIFY(navigation("check")->isChecked() && boundPage(navigation("check"))->isVisible()
            && ringOn(navigation("check")));
        QVERIFY(tabTo([](QWidget* f) { return qobject_cast<VelQCheckBox*>(f); }));
        auto* box = static_cast<QAbstractButton*>(QApplication::focusWidget());
        const bool checked = box->isChecked();
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(box->isChecked() != checked && ringOn(box));
        // The theme's ring: accent, 2 pixels wide, 1 pixel outside the control.
        const QPoint left = box->mapTo(m_window, QPoint(-2, box->height() / 2));
        QCOMPARE_PIXELS(render(m_window), {{left.x(), left.y(), accent}});
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
