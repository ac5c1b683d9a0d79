// The gallery end to end: the real Vitrina with the real packages, from the folder that holds
// them, and the same program started from a folder without packages.
#include "TestPaths.h"
#include "support/TestSupport.h"

#include "Startup.h"
#include "Vitrina.h"

#include <VelQtLib.h>
#include <framework/VelQWindow_p.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QStandardItemModel>
#include <QtTest>

#include <functional>

using namespace VelQtLib;

namespace {

// What a page must hold: a direct child of this class, at this geometry, with this text (when
// text is not null).
struct Expected {
    const char* className;
    QRect geometry;
    const char* text;
};

struct PageSpec {
    const char* button;
    const char* title;
    const char* subtitle;
    QVector<Expected> controls;
};

Expected caption(const char* text, int y, int width)
{
    return {"VelQtLib::VelQLabel", QRect(20, y, width, 30), text};
}

// A row of the pages: its caption, then controls of one size at x = 150, 300, 450, ... with
// these texts (null: any text).
QVector<Expected> row(int y, int captionWidth, const char* text, const char* className, QSize size,
    std::initializer_list<const char*> texts)
{
    QVector<Expected> row {caption(text, y, captionWidth)};
    int x = 150;
    for (const char* t : texts) {
        row.append({className, QRect(QPoint(x, y), size), t});
        x += 150;
    }
    return row;
}

// The eleven pages as the gallery must show them.
QVector<PageSpec> pageSpecs()
{
    const char* b = "VelQtLib::VelQPushButton";
    const char* c = "VelQtLib::VelQCheckBox";
    const char* r = "VelQtLib::VelQRadioButton";
    const char* e = "VelQtLib::VelQLineEdit";
    const char* combo = "VelQtLib::VelQComboBox";
    const char* slider = "VelQtLib::VelQSlider";
    const char* tree = "VelQtLib::VelQTreeView";
    const char* list = "VelQtLib::VelQList";
    const std::initializer_list<const char*> pair {"Button", "Disable"};
    const std::initializer_list<const char*> boxes {"CheckBox", "Disable"};
    const std::initializer_list<const char*> radios {"CheckBox", "CheckBox", "Disable"};
    return {
        {"button", "Button Controls", "Different kinds of buttons, Regular, Disabled with icons",
            row(120, 100, "Normal Buttons", b, {100, 50}, pair)
                + row(180, 150, "Icon Text Buttons", b, {100, 50}, pair)
                + row(240, 150, "Icon Buttons", b, {60, 50}, pair)
                + row(300, 150, "Extension Buttons", b, {120, 50}, pair)
                + row(360, 150, "Round Icon Buttons", b, {53, 53}, pair)
                + row(420, 150, "Icon Text Buttons", b, {60, 60}, pair)},
        {"check", "Checkbox Controls", "Different kinds of checkbox, Regular, Disabled with icons",
            row(120, 150, "CheckBox", c, {150, 53}, boxes)
                + row(180, 150, "Icon CheckBox", c, {60, 53}, boxes)
                + row(240, 150, "Icon Text CheckBox", c, {80, 60}, boxes)},
        {"radio", "RadioButton Controls",
            "Different kinds of radiobuttons, Regular, Disabled with icons",
            row(120, 150, "RadioButton", r, {150, 53}, {"Radio 1", "Radio 2", "Disable"})
                + row(180, 150, "Icon CheckBox", r, {60, 53}, radios)
                + row(240, 150, "Icon Text CheckBox", r, {80, 60}, radios)},
        {"combo", "ComboBox Controls", "Different kinds of ComboBox, Regular, Disabled with icons",
            row(120, 150, "ComboBox", combo, {150, 40}, {nullptr})
                + row(180, 100, "Edit ComboBox", combo, {150, 40}, {nullptr})
                + row(240, 100, "Icon ComboBox", combo, {150, 40}, {nullptr})},
        {"edit", "Edit Controls", "Different kinds of Edit, TextEdit, Spin",
            row(120, 150, "LineEdit", e, {150, 40}, {""})
                + row(180, 150, "Disable", e, {150, 40}, {"Disable Edit"})
                + row(240, 150, "Promote LineEdit", e, {150, 40}, {""})
                + row(300, 150, "Password LineEdit", e, {150, 40}, {""})
                + row(360, 150, "Text Edit", "VelQtLib::VelQTextEdit", {150, 80}, {nullptr})},
        {"progress", "Progressbar Controls", "Different kinds of Progressbar, Regular, Disabled",
            {caption("Progressbar (45%)", 120, 150),
                {"VelQtLib::VelQProgressBar", {150, 130, 150, 12}, nullptr}}},
        {"slider", "Slider Controls", "Different kinds of Slider, Regular, Disabled",
            {caption("Horizontal Slider", 120, 150), {slider, {150, 130, 150, 30}, nullptr},
                caption(nullptr, 180, 150), {slider, {150, 190, 30, 150}, nullptr}}},
        {"menubar", "Menubar Controls", "Different kinds of Menubar, Context menu",
            row(120, 150, "Menubar", "VelQtLib::VelQMenuBar", {500, 45}, {nullptr})},
        {"tableview", "Tableview Controls", "Different kinds of Tableview",
            row(120, 150, "Tableview", "VelQtLib::VelQTableView", {600, 300}, {nullptr})},
        {"tree", "Tableview Controls", "Different kinds of Tableview",
            row(120, 150, "Tableview", tree, {200, 200}, {nullptr})
                + QVector<Expected> {{tree, {150, 340, 200, 200}, nullptr}}},
        {"list", "List Controls", "Different kinds of List",
            row(120, 150, "List", list, {400, 150}, {nullptr})
                + row(300, 150, "Icon List", list, {400, 150}, {nullptr})},
    };
}

QString textOf(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    return QString();
}

// The direct child of page that matches what is expected, or null.
QWidget* findExpected(QWidget* page, const Expected& e, const QSet<QWidget*>& taken)
{
    const auto children = page->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (taken.contains(child) || child->geometry() != e.geometry
            || qstrcmp(child->metaObject()->className(), e.className) != 0)
            continue;
        if (e.text && textOf(child) != QLatin1String(e.text))
            continue;
        return child;
    }
    return nullptr;
}

// The number of distinct colours in a rectangle of image.
int colourCount(const QImage& image, const QRect& r)
{
    QSet<QRgb> colours;
    const QRect area = r & image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

QWidget* boundPage(QObject* button)
{
    return button ? static_cast<QWidget*>(button->property("bind_ctrl").value<void*>()) : nullptr;
}

// The child of type T of page at pos, or null.
template<class T> T* childAt(QWidget* page, QPoint pos)
{
    for (T* child : page->findChildren<T*>()) {
        if (child->pos() == pos)
            return child;
    }
    return nullptr;
}

// Receives the URLs that QDesktopServices would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class tst_Gallery : public QObject {
    Q_OBJECT

    std::unique_ptr<Vitrina> m_window;

    // The gallery started from its build folder, once; the packages are loaded on first use.
    Vitrina* gallery()
    {
        if (!m_window) {
            QDir::setCurrent(QStringLiteral(VITRINA_DIR));
            loadGalleryPackages();
            m_window = std::make_unique<Vitrina>();
            m_window->show();
            if (!QTest::qWaitForWindowExposed(m_window.get()))
                qWarning("the gallery was not exposed");
        }
        return m_window.get();
    }

    QRadioButton* navigation(const char* name)
    {
        return gallery()->findChild<QRadioButton*>(QLatin1String(name));
    }

    // Shows the page of a navigation button as a user does, with a click.
    QWidget* showPage(const char* name)
    {
        QRadioButton* button = navigation(name);
        if (!button)
            return nullptr;
        QTest::mouseClick(button, Qt::LeftButton);
        return boundPage(button);
    }

private slots:
    void initTestCase() { TestSupport::installStrictMessageHandler(); }
    void cleanupTestCase() { m_window.reset(); }

    // Runs first, while no package is loaded in this process.
    void opensWithoutPackages()
    {
        if (CThemeManager::instance().themePackage())
            QSKIP("the packages are already loaded; run this test first or alone");
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        loadGalleryPackages();
        {
            Vitrina window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(QApplication::topLevelWidgets().size(), 1);
            QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(window.findChildren<VelQContainer*>().isEmpty());
            (void)window.grab();
            QVERIFY(window.close());
            QVERIFY(!window.isVisible());
        }
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void programExitsCleanlyWithoutPackages()
    {
        QTemporaryDir empty;
        QProcess shot;
        shot.setWorkingDirectory(empty.path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        shot.setProcessEnvironment(env);
        shot.start(QStringLiteral(VITRINA_DIR "/vitrina-shot"), {QStringLiteral("window.png")});
        QVERIFY(shot.waitForFinished(60000));
        QCOMPARE(shot.exitStatus(), QProcess::NormalExit);
        QCOMPARE(shot.exitCode(), 0);
        QVERIFY(QImage(empty.filePath(QStringLiteral("window.png"))).width() > 0);
    }

    // From main: centred, frameless, fixed, its caption buttons, one page per navigation
    // item, the first shown alone.
    void windowFromMain()
    {
        TestSupport::takeDiagnostics();
        Vitrina* w = gallery();
        // Its packages and description load without a problem to name.
        QCOMPARE(TestSupport::takeDiagnostics(), QStringList());
        QCOMPARE(w->size(), QSize(1000, 660));
        QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!w->impl()->resizable);
        QVERIFY(!w->testAttribute(Qt::WA_MouseTracking));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w->pos(),
            QPoint((screen.width() - w->width()) / 2, (screen.height() - w->height()) / 2));
        for (const char* name : {"close", "min", "help"})
            QVERIFY2(w->findChild<VelQPushButton*>(QLatin1String(name)), name);
        auto* container = w->findChild<VelQContainer*>(QStringLiteral("container"));
        QVERIFY(container);
        const auto pages = container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(pages.size(), pageSpecs().size());
        QVERIFY(navigation("button")->isChecked());
        for (QWidget* page : pages)
            QCOMPARE(page->isVisible(), page == boundPage(navigation("button")));
    }

    void page_data()
    {
        QTest::addColumn<int>("index");
        const QVector<PageSpec> specs = pageSpecs();
        for (int i = 0; i < specs.size(); ++i)
            QTest::newRow(specs.at(i).button) << i;
    }

    // Every page: alone on screen, its frame, title, subtitle and controls where they belong,
    // each control painting something and telling assistive tools what it is.
    void page()
    {
        QFETCH(int, index);
        const PageSpec spec = pageSpecs().at(index);
        Vitrina* w = gallery();
        QWidget* page = showPage(spec.button);
        QVERIFY2(page, "no page bound to the navigation button");
        QVERIFY(navigation(spec.button)->isChecked());

        QWidget* container = w->findChild<QWidget*>(QStringLiteral("container"));
        QCOMPARE(page->parentWidget(), container);
        const auto pages = container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(pages.size(), pageSpecs().size());
        for (QWidget* other : pages)
            QCOMPARE(other->isVisible(), other == page);
        QCOMPARE(page->geometry(), container->rect());
        QCOMPARE(page->metaObject()->className(), "VelQtLib::VelQContainer");

        QSet<QWidget*> taken;
        const Expected frame[] = {
            {"VelQtLib::VelQContainer", QRect(0, 100, page->width(), page->height() - 100),
                nullptr},
            {"VelQtLib::VelQLabel", QRect(20, 20, 200, 30), spec.title},
            {"VelQtLib::VelQLabel", QRect(20, 50, 500, 30), spec.subtitle},
        };
        QVector<Expected> expected(std::begin(frame), std::end(frame));
        expected += spec.controls;

        const QImage shot = w->grab().toImage();
        for (const Expected& e : expected) {
            QWidget* control = findExpected(page, e, taken);
            const QByteArray what = QByteArray(e.className) + " at "
                + QByteArray::number(e.geometry.x()) + "," + QByteArray::number(e.geometry.y())
                + (e.text ? QByteArray(" \"") + e.text + "\"" : QByteArray());
            QVERIFY2(control, "missing " + what);
            taken.insert(control);
            QVERIFY2(control->isVisible(), "hidden " + what);
            const QRect onWindow(control->mapTo(w, QPoint(0, 0)), control->size());
            QVERIFY2(colourCount(shot, onWindow) > 1, "blank " + what);
        }

        // The accessibility tree as assistive tools walk it from the window: every control in
        // sight is reached and reports the role of its kind, a name where it shows text or a
        // glyph, and its checked and disabled states.
        QSet<QObject*> reached;
        const std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            reached.insert(node->object());
            // Item views list every cell; their rows are the views' own business.
            const QAccessible::Role role = node->role();
            if (role == QAccessible::Table || role == QAccessible::Tree
                || role == QAccessible::List)
                return;
            for (int i = 0; i < node->childCount(); ++i) {
                if (QAccessibleInterface* child = node->child(i))
                    walk(child);
            }
        };
        walk(QAccessible::queryAccessibleInterface(w));
        const QHash<QString, QAccessible::Role> roles {{"VelQPushButton", QAccessible::PushButton},
            {"VelQCheckBox", QAccessible::CheckBox}, {"VelQRadioButton", QAccessible::RadioButton},
            {"VelQComboBox", QAccessible::ComboBox}, {"VelQLineEdit", QAccessible::EditableText},
            {"VelQTextEdit", QAccessible::EditableText}, {"VelQSlider", QAccessible::Slider},
            {"VelQProgressBar", QAccessible::ProgressBar}, {"VelQLabel", QAccessible::StaticText},
            {"VelQTableView", QAccessible::Table}, {"VelQTreeView", QAccessible::Tree},
            {"VelQList", QAccessible::List}, {"VelQMenuBar", QAccessible::MenuBar},
            {"VelQScrollBar", QAccessible::ScrollBar}, {"VelQContainer", QAccessible::Client}};
        int checked = 0;
        const auto insideView = [](const QWidget* widget) {
            for (const QWidget* p = widget->parentWidget(); p; p = p->parentWidget()) {
                if (p->inherits("QAbstractItemView"))
                    return true;
            }
            return false;
        };
        for (QWidget* control : w->findChildren<QWidget*>()) {
            if (!controlOf(control) || !control->isVisible() || insideView(control))
                continue;
            const QString kind = QString::fromLatin1(control->metaObject()->className()).mid(10);
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(node && reached.contains(control), qPrintable(kind));
            QVERIFY2(roles.contains(kind), qPrintable(kind));
            QCOMPARE(node->role(), roles.value(kind));
            // An edit's text is its value, not its name.
            if (qobject_cast<QAbstractButton*>(control)
                || (qobject_cast<QLabel*>(control) && !textOf(control).isEmpty()))
                QVERIFY2(!node->text(QAccessible::Name).isEmpty(), qPrintable(kind));
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                QCOMPARE(bool(node->state().checked), button->isChecked());
                checked += button->isChecked();
            }
            QCOMPARE(bool(node->state().disabled), !control->isEnabled());
        }
        QVERIFY(checked > 0);
    }

    // A click anywhere on an item's tile, short label or long, switches pages: both items
    // toggle and the accent marker (4 pixels in, half way down) moves; clicking the checked
    // item again changes nothing. The edges of the window do not resize it.
    void switchingPages()
    {
        Vitrina* w = gallery();
        showPage("check");
        QRadioButton* check = navigation("check");
        QSignalSpy checkToggled(check, &QRadioButton::toggled);
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(checkToggled.count(), 0);
        QVERIFY(check->isChecked() && boundPage(check)->isVisible());
        QRadioButton* from = check;
        for (const char* name : {"slider", "progress"}) {
            QRadioButton* to = navigation(name);
            QSignalSpy fromSpy(from, &QRadioButton::toggled);
            QSignalSpy toSpy(to, &QRadioButton::toggled);
            QTest::mouseClick(to, Qt::LeftButton, {}, QPoint(to->width() - 6, to->height() - 4));
            QCOMPARE(fromSpy.count(), 1);
            QCOMPARE(fromSpy.at(0).at(0).toBool(), false);
            QCOMPARE(toSpy.count(), 1);
            QCOMPARE(toSpy.at(0).at(0).toBool(), true);
            QVERIFY(!boundPage(from)->isVisible());
            QVERIFY(boundPage(to)->isVisible());
            const QImage shot = w->grab().toImage();
            for (QRadioButton* item : {from, to}) {
                const QPoint marker = item->mapTo(w, QPoint(4, item->height() / 2));
                QCOMPARE(
                    TestSupport::near(shot.pixel(marker), QColor(0xe8, 0x3a, 0x1d), 8), item == to);
            }
            from = to;
        }

        const QRect before = w->geometry();
        const QPoint edge(w->width() - 2, w->height() / 2), dragged = edge + QPoint(40, 0);
        TestSupport::sendMouse(w, QEvent::MouseButtonPress, edge, Qt::LeftButton, Qt::LeftButton,
            w->mapToGlobal(edge));
        TestSupport::sendMouse(
            w, QEvent::MouseMove, dragged, Qt::NoButton, Qt::LeftButton, w->mapToGlobal(dragged));
        TestSupport::sendMouse(w, QEvent::MouseButtonRelease, dragged, Qt::LeftButton, Qt::NoButton,
            w->mapToGlobal(dragged));
        QCOMPARE(w->geometry(), before);
    }

    // The rows of radio buttons are groups of their own; a checked button stays checked when
    // clicked again.
    void radioRows()
    {
        QWidget* page = showPage("radio");
        QCOMPARE(page->findChildren<VelQRadioButton*>().size(), 9);
        const auto at = [&](int x, int y) {
            return childAt<VelQRadioButton>(page, {x, y});
        };
        for (const int y : {120, 180, 240}) {
            QVERIFY(at(150, y)->isChecked());
            QVERIFY(!at(450, y)->isEnabled());
        }
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(at(300, 120), Qt::LeftButton);
            QVERIFY(at(300, 120)->isChecked());
            QVERIFY(!at(150, 120)->isChecked());
            QVERIFY(at(150, 180)->isChecked() && at(150, 240)->isChecked());
        }
        QTest::mouseClick(at(150, 120), Qt::LeftButton);
    }

    // The pages' looks and values: a checked box shows the accent mark (18 pixels wide at its
    // left, vertically centred), a disabled button its grey face, the disabled and password
    // edits, the progress and sliders at 45.
    void pageStates()
    {
        Vitrina* w = gallery();
        auto* box = childAt<VelQCheckBox>(showPage("check"), {150, 120});
        QVERIFY(box && !box->isChecked());
        const QPoint inMark = box->mapTo(w, QPoint(9, box->height() / 2 + 5));
        const QColor accent(0xe8, 0x3a, 0x1d);
        QVERIFY(!TestSupport::near(w->grab().toImage().pixel(inMark), accent));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(9, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE_PIXEL(w->grab().toImage(), inMark.x(), inMark.y(), accent);
        box->setChecked(false);

        QWidget* page = showPage("button");
        const QImage shot = w->grab().toImage();
        for (VelQPushButton* b : page->findChildren<VelQPushButton*>()) {
            const QPoint inFace = b->mapTo(w, QPoint(6, b->height() / 2));
            if (b->y() == 120)
                QCOMPARE_PIXEL(shot, inFace.x(), inFace.y(),
                    b->isEnabled() ? QColor(Qt::white) : QColor(0xf2, 0xf2, 0xf4));
        }

        page = showPage("edit");
        for (VelQLineEdit* edit : page->findChildren<VelQLineEdit*>()) {
            QCOMPARE(edit->isEnabled(), edit->y() != 180);
            QCOMPARE(edit->echoMode() == QLineEdit::Password, edit->y() == 300);
        }
        QVERIFY(
            qobject_cast<VelQScrollBar*>(page->findChild<VelQTextEdit*>()->verticalScrollBar()));

        QCOMPARE(showPage("progress")->findChild<VelQProgressBar*>()->value(), 45);
        const auto sliders = showPage("slider")->findChildren<VelQSlider*>();
        QCOMPARE(sliders.size(), 2);
        for (VelQSlider* slider : sliders) {
            QCOMPARE(slider->value(), 45);
            QCOMPARE(slider->orientation(),
                slider->height() > slider->width() ? Qt::Vertical : Qt::Horizontal);
        }
    }

    // Ten items each; the second box editable, the third with icons, which it draws in the
    // 20-pixel column at its left.
    void comboBoxItems()
    {
        auto combos = showPage("combo")->findChildren<VelQComboBox*>();
        QCOMPARE(combos.size(), 3);
        std::sort(combos.begin(), combos.end(),
            [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
        for (int row = 0; row < 3; ++row) {
            VelQComboBox* combo = combos.at(row);
            QCOMPARE(combo->count(), 10);
            QCOMPARE(combo->isEditable(), row == 1);
            QCOMPARE(combo->currentIndex(), 0);
            for (int i : {0, 9}) {
                QCOMPARE(combo->itemText(i), QStringLiteral("Item - %1").arg(i));
                QCOMPARE(combo->itemIcon(i).isNull(), row != 2);
                QVERIFY(!combo->itemData(i, Qt::UserRole).isValid());
            }
        }
        QVERIFY(colourCount(TestSupport::render(combos.at(2)), QRect(5, 12, 20, 16)) > 4);
        QCOMPARE(colourCount(TestSupport::render(combos.at(0)), QRect(2, 12, 8, 16)), 1);
    }

    // Eleven menus of four entries with icons, all inside the bar; their looks are built in
    // code: a white face with a grey outline, the entry under the mouse in accent.
    void menuBarMenus()
    {
        Vitrina* w = gallery();
        auto* bar = showPage("menubar")->findChild<VelQMenuBar*>();
        QCOMPARE(bar->geometry(), QRect(150, 120, 500, 45));
        const QStringList titles {"File", "Edit", "View", "Options", "Windows", "Tools", "Build",
            "Project", "Test", "Team", "Help"};
        const QList<QAction*> entries = bar->actions();
        QCOMPARE(entries.size(), titles.size());
        for (int i = 0; i < entries.size(); ++i) {
            auto* menu = qobject_cast<VelQMenu*>(entries.at(i)->menu());
            QVERIFY(menu);
            QCOMPARE(menu->title(), titles.at(i));
            QCOMPARE(menu->parentWidget(), static_cast<QWidget*>(w));
            QCOMPARE(menu->actions().size(), 4);
            for (int k = 0; k < 4; ++k) {
                QCOMPARE(menu->actions().at(k)->text(), QStringLiteral("item%1").arg(k + 1));
                QVERIFY(!menu->actions().at(k)->icon().isNull());
            }
            QVERIFY2(
                bar->rect().contains(bar->actionGeometry(entries.at(i))), qPrintable(titles.at(i)));
        }

        auto* menu = qobject_cast<VelQMenu*>(entries.first()->menu());
        menu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QRect first = menu->actionGeometry(menu->actions().at(0));
        const QRect second = menu->actionGeometry(menu->actions().at(1));
        QTest::mouseMove(menu, second.center());
        TestSupport::sendMouse(menu, QEvent::MouseMove, second.center(), Qt::NoButton, Qt::NoButton,
            menu->mapToGlobal(second.center()));
        const QImage shot = TestSupport::render(menu);
        QCOMPARE_PIXEL(shot, 0, menu->height() / 2, QColor(220, 220, 220));
        QCOMPARE_PIXEL(shot, first.right() - 4, first.center().y(), QColor(Qt::white));
        QCOMPARE_PIXEL(shot, second.right() - 4, second.center().y(), QColor(232, 58, 29));
        menu->close();
    }

    void itemViews_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("icons");
        QTest::newRow("table") << "tableview" << 120 << false;
        QTest::newRow("tree") << "tree" << 120 << false;
        QTest::newRow("tree with icons") << "tree" << 340 << true;
        QTest::newRow("list") << "list" << 120 << false;
        QTest::newRow("list with icons") << "list" << 300 << true;
    }

    // The table's hundred rows with widgets in two columns, the trees' hundred rows of an item
    // with two children and the lists' twenty items, with icons or not; skinned scroll bars, and
    // a selected row in the theme's selection colour (across a tree's branch column too).
    void itemViews()
    {
        QFETCH(QString, page);
        QFETCH(int, y);
        QFETCH(bool, icons);
        auto* view = childAt<QAbstractItemView>(showPage(page.toLatin1().constData()), {150, y});
        QVERIFY(view);
        QVERIFY(qobject_cast<VelQScrollBar*>(view->horizontalScrollBar()));
        QVERIFY(qobject_cast<VelQScrollBar*>(view->verticalScrollBar()));
        const QColor selection(0xfd, 0xe7, 0xe2);
        if (auto* table = qobject_cast<VelQTableView*>(view)) {
            auto* model = qobject_cast<QStandardItemModel*>(table->model());
            QCOMPARE(model->parent(), static_cast<QObject*>(gallery()));
            QCOMPARE(model->rowCount(), 100);
            QCOMPARE(model->columnCount(), 5);
            const QStringList headers {"Name", "NO.", "Sex", "Age", "Operate"};
            for (int column = 0; column < 5; ++column) {
                QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), headers.at(column));
                for (int row : {0, 57, 99}) {
                    QStandardItem* item = model->item(row, column);
                    QCOMPARE(item ? item->text() : QString(), column < 3 ? "Item1" : QString());
                }
            }
            // The column widgets are stamped into every row: the progress chunk in "Age" and the
            // button in "Operate".
            const QImage shot = TestSupport::render(table);
            for (int row : {0, 3}) {
                const int y = table->horizontalHeader()->height() + table->rowViewportPosition(row)
                    + table->rowHeight(row) / 2;
                QCOMPARE_PIXEL(shot, table->columnViewportPosition(3) + 4, y, QColor(232, 58, 29));
                const int operateX = table->columnViewportPosition(4);
                QVERIFY(colourCount(shot, QRect(operateX + 4, y - 6, 50, 12)) > 4);
            }
        } else if (auto* tree = qobject_cast<VelQTreeView*>(view)) {
            auto* model = qobject_cast<QStandardItemModel*>(tree->model());
            QCOMPARE(model->parent(), static_cast<QObject*>(gallery()));
            QCOMPARE(model->rowCount(), 100);
            for (int row : {0, 1, 99}) {
                QStandardItem* top = model->item(row);
                QCOMPARE(top->text(), QStringLiteral("item1"));
                QCOMPARE(top->rowCount(), 1);
                QCOMPARE(top->columnCount(), 2);
                QCOMPARE(top->child(0, 0)->text(), QStringLiteral("item2"));
                QCOMPARE(top->child(0, 1)->text(), QStringLiteral("item3"));
                for (QStandardItem* item : {top, top->child(0, 0), top->child(0, 1)})
                    QCOMPARE(!item->icon().isNull(), icons);
            }
            tree->setCurrentIndex(model->index(1, 0));
            const QRect row = tree->visualRect(model->index(1, 0));
            const QImage shot = TestSupport::render(tree->viewport());
            QCOMPARE_PIXEL(shot, 2, row.top() + 2, selection);
            QCOMPARE_PIXEL(shot, row.right() - 4, row.center().y(), selection);
        } else {
            auto* list = qobject_cast<VelQList*>(view);
            QCOMPARE(list->count(), 20);
            for (int i = 0; i < 20; ++i) {
                QCOMPARE(list->item(i)->text(), QStringLiteral("Item1"));
                QCOMPARE(!list->item(i)->icon().isNull(), icons);
            }
            const QRect row = list->visualItemRect(list->item(1));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
            QCOMPARE(list->currentRow(), 1);
            QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(3)).center());
            TestSupport::sendLeave(list->viewport());
            const QImage shot = TestSupport::render(list);
            QCOMPARE_PIXEL(shot, row.right() - 40, row.center().y(), selection);
        }
        view->clearSelection();
    }

    void packagesAreComplete_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void packagesAreComplete()
    {
        QFETCH(bool, dark);
        QVERIFY(gallery()->setDarkTheme(dark));
        CThemeManager& manager = CThemeManager::instance();
        const char* const elements[] = {"focus", "chrome.frame", "chrome.caption", "chrome.title",
            "chrome.tagline", "chrome.button", "chrome.close", "chrome.navigation",
            "chrome.navHeader", "chrome.navFooter", "chrome.navItem", "qtcontainer", "qtlabel",
            "qtbutton", "qtcheckbox", "qtradiobox", "qtcombobox", "qtdedit", "qttext",
            "qtscrollbar", "qtprogressbar", "qtslider", "qtmenubar", "qtmenu", "qtlist",
            "qtdatagrid", "qttree", "mainBkg", "secondBkg", "labTitle", "iconTextButton",
            "iconButton", "extButton", "iconButton2", "iconButton3", "iconcheckbox",
            "iconcheckbox2", "qtradiobox2", "qtradiobox3", "qtscrollbarh", "qtsliderv"};
        for (const char* name : elements)
            QVERIFY2(manager.findThemeElement(name), name);

        const bool saved = manager.useThemePackage();
        QStringList missing;
        const auto checkRecord = [&](const QString& name) {
            ImageStyle image;
            TextStyle text;
            const bool found
                = manager.getImageStyle(name, image) || manager.getTextStyle(name, text);
            if (!found)
                missing << name;
            else if (image.valid && !image.noImage && !manager.getImage(image.image, false))
                missing << image.image;
        };
        const auto checkImages = [&](const ::Json::Value& element) {
            const ::Json::Value* attr = VelQtLib::Json::objectMember(element, "attr");
            for (const std::string& key :
                attr ? attr->getMemberNames() : ::Json::Value::Members()) {
                const QString k = QString::fromStdString(key);
                const bool isPath = k.endsWith(QLatin1String("Path"))
                    || k.endsWith(QLatin1String("icon"), Qt::CaseInsensitive);
                if (!isPath || !(*attr)[key].isString())
                    continue;
                QString path;
                VelQtLib::Json::readUtf8(*attr, key.c_str(), path);
                if (!manager.getImage(path, false))
                    missing << path;
            }
        };
        const std::function<void(const ::Json::Value&)> walk = [&](const ::Json::Value& element) {
            forEachStyleEntry(element, [&](const QString& name, int) { checkRecord(name); });
            for (const char* key : {"background", "item0", "item1", "text0", "text1"}) {
                QString name;
                if (VelQtLib::Json::readUtf8(element, key, name))
                    checkRecord(name);
            }
            checkImages(element);
            for (const char* key : {"child", "elements"}) {
                if (const ::Json::Value* children = VelQtLib::Json::arrayMember(element, key)) {
                    for (const ::Json::Value& child : *children)
                        walk(child);
                }
            }
        };

        manager.setUseThemePackage(true);
        walk(manager.themePackage()->root);

        manager.setUseThemePackage(false);
        const uchar* data = nullptr;
        uint size = 0;
        bool fromTheme = true;
        QVERIFY(manager.findEntry(QStringLiteral("main.json"), data, size, fromTheme));
        QVERIFY(!fromTheme);
        ::Json::Value main;
        QVERIFY(VelQtLib::Json::parse(
            reinterpret_cast<const char*>(data), reinterpret_cast<const char*>(data) + size, main));
        walk(main);
        manager.setUseThemePackage(saved);
        QVERIFY(gallery()->setDarkTheme(false));
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    }

    // The theme switched from the caption band while the window is open, to dark and back: the
    // next frame shows the new theme on every control, and what the program set stays.
    void liveThemeSwitch()
    {
        Vitrina* w = gallery();
        QWidget* page = showPage("edit");
        auto* edit = page->findChild<QLineEdit*>();
        QVERIFY(edit);
        edit->setText(QStringLiteral("typed"));
        const auto content = [&] {
            QStringList all;
            for (QWidget* widget : w->findChildren<QWidget*>()) {
                QString value = textOf(widget);
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    value += button->isChecked() ? QLatin1String(" on") : QLatin1String(" off");
                if (auto* slider = qobject_cast<QAbstractSlider*>(widget))
                    value += QString::number(slider->value());
                if (auto* box = qobject_cast<QComboBox*>(widget))
                    value += QString::number(box->currentIndex());
                all << QStringLiteral("%1 %2 %3 %4")
                           .arg(QLatin1String(widget->metaObject()->className()), value)
                           .arg(widget->isVisible())
                           .arg(QString::number(widget->geometry().x()) + QLatin1Char(',')
                               + QString::number(widget->geometry().y()));
            }
            return all;
        };
        const QStringList before = content();
        const QImage light = TestSupport::render(w);
        QHash<QWidget*, QImage> lightControls;
        for (QWidget* control : w->findChildren<QWidget*>()) {
            if (controlOf(control) && control->isVisible())
                lightControls.insert(control, TestSupport::paintedAlone(control));
        }
        auto* themeButton = w->findChild<QPushButton*>(QStringLiteral("theme"));
        QVERIFY(themeButton);
        QSignalSpy changed(ThemeEvents(), &VelQThemeEvents::themeChanged);
        QTest::mouseClick(themeButton, Qt::LeftButton);
        QVERIFY(w->isDarkTheme());
        QCOMPARE(changed.count(), 1);

        const QImage dark = TestSupport::render(w);
        QCOMPARE_PIXEL(dark, 600, 600, QColor(0x24, 0x24, 0x2b));
        QCOMPARE_PIXEL(dark, 600, 60, QColor(0x1c, 0x1c, 0x21));
        QCOMPARE_PIXEL(dark, 100, 600, QColor(0x20, 0x20, 0x26));
        QCOMPARE_PIXEL(dark, 5, 20, QColor(0x1c, 0x1c, 0x21));
        // Every skinned control in sight that painted itself paints itself anew, and something.
        for (auto it = lightControls.cbegin(); it != lightControls.cend(); ++it) {
            const QImage& was = it.value();
            if (TestSupport::countNear(was, Qt::transparent, 0) == was.width() * was.height())
                continue;
            const QImage now = TestSupport::paintedAlone(it.key());
            QVERIFY2(now != was && colourCount(now, now.rect()) > 1,
                qPrintable(it.key()->objectName() + QLatin1Char(' ')
                    + QLatin1String(it.key()->metaObject()->className())));
        }
        QCOMPARE(content(), before);

        QTest::mouseClick(themeButton, Qt::LeftButton);
        QVERIFY(!w->isDarkTheme());
        QCOMPARE(TestSupport::render(w), light);
        QCOMPARE(content(), before);
    }

    // From the keyboard alone: Tab reaches the navigation, arrows switch pages with the ring on
    // the item, Space toggles, Enter presses a button, and a click hides the ring again.
    void keyboardWalk()
    {
        Vitrina* w = gallery();
        QTest::mouseClick(navigation("button"), Qt::LeftButton);
        QApplication::setActiveWindow(w);
        QVERIFY(QTest::qWaitForWindowActive(w));
        // Presses Tab at least once, until the focus satisfies wanted.
        const auto tabTo = [&](const std::function<bool(QWidget*)>& wanted) {
            for (int i = 0; i < 80; ++i) {
                QWidget* focus = QApplication::focusWidget();
                QTest::keyClick(focus ? focus : w, Qt::Key_Tab);
                if (wanted(QApplication::focusWidget()))
                    return true;
            }
            return false;
        };
        const auto ringOn = [](QWidget* control) {
            const VelQFocusRing* ring = VelQFocusRing::instance();
            return ring && ring->isVisible() && ring->control() == control;
        };
        QVERIFY(tabTo([&](QWidget* f) { return f == navigation("button"); }));
        QVERIFY(ringOn(navigation("button")));
        QTest::keyClick(navigation("button"), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), navigation("check"));
        QVERIFY(navigation("check")->isChecked());
        QVERIFY(boundPage(navigation("check"))->isVisible());
        QVERIFY(ringOn(navigation("check")));

        QVERIFY(tabTo([](QWidget* f) { return qobject_cast<VelQCheckBox*>(f); }));
        auto* box = static_cast<QAbstractButton*>(QApplication::focusWidget());
        const bool checked = box->isChecked();
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->isChecked(), !checked);
        QVERIFY(ringOn(box));
        // The theme's ring: accent, 2 pixels wide, 1 pixel outside the control.
        const QImage shot = TestSupport::render(w);
        const QPoint left = box->mapTo(w, QPoint(-2, box->height() / 2));
        QCOMPARE_PIXEL(shot, left.x(), left.y(), QColor(0xe8, 0x3a, 0x1d));

        QWidget* page = showPage("button");
        QVERIFY(tabTo([page](QWidget* f) {
            return qobject_cast<VelQPushButton*>(f) && f->parentWidget() == page;
        }));
        auto* button = static_cast<QPushButton*>(QApplication::focusWidget());
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(button, Qt::Key_Escape);
        QVERIFY(w->isVisible());

        QTest::mouseClick(navigation("edit"), Qt::LeftButton);
        QVERIFY(!ringOn(navigation("edit")));
        QVERIFY(!VelQFocusRing::instance()->isVisible());
    }

    // The caption buttons: close turns accent under the mouse, help opens the home page,
    // minimise minimises and close closes. Last, as it closes the gallery.
    void captionButtons()
    {
        Vitrina* w = gallery();
        auto* close = w->findChild<VelQPushButton*>(QStringLiteral("close"));
        const QPoint centre(close->width() / 2, close->height() / 2);
        const QColor accent(0xe8, 0x3a, 0x1d);
        QVERIFY(!TestSupport::near(TestSupport::render(close).pixel(4, centre.y()), accent));
        TestSupport::sendEnter(close);
        const QImage hovered = TestSupport::render(close);
        QCOMPARE_PIXEL(hovered, 4, centre.y(), accent);
        QCOMPARE_PIXEL(hovered, centre.x(), centre.y(), QColor(Qt::white));
        TestSupport::sendLeave(close);
        QVERIFY(!TestSupport::near(TestSupport::render(close).pixel(4, centre.y()), accent));

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        QTest::mouseClick(w->findChild<VelQPushButton*>(QStringLiteral("help")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened.size(), 1);
        QVERIFY(catcher.opened.first().isValid());
        QVERIFY(w->isVisible());

        QTest::mouseClick(w->findChild<VelQPushButton*>(QStringLiteral("min")), Qt::LeftButton);
        QTRY_VERIFY(w->isMinimized());
        w->showNormal();
        QTest::mouseClick(close, Qt::LeftButton);
        QTRY_VERIFY(!w->isVisible());
    }
};

QTEST_MAIN(tst_Gallery)
#include "tst_gallery.moc"
