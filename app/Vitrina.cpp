#include "Vitrina.h"

#include "pages/Pages.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

namespace {

// The project's home page, opened by the help button.
const char homePage[] = "https://velqtlib.example.org/";

// The navigation buttons of "main", in the order of the pages they show.
struct Navigation {
    const char* button;
    Gallery::PageBuilder build;
};
const Navigation navigation[Vitrina::pageCount] = {
    {"button", Gallery::buildButtonPage},
    {"check", Gallery::buildCheckBoxPage},
    {"radio", Gallery::buildRadioButtonPage},
    {"combo", Gallery::buildComboBoxPage},
    {"edit", Gallery::buildEditPage},
    {"progress", Gallery::buildProgressBarPage},
    {"slider", Gallery::buildSliderPage},
    {"menubar", Gallery::buildMenuBarPage},
    {"tableview", Gallery::buildTablePage},
    {"tree", Gallery::buildTreePage},
    {"list", Gallery::buildListPage},
};

} // namespace

Vitrina::Vitrina(QWidget* parent)
    : VelQWindow(parent)
{
    Q_INIT_RESOURCE(vitrina_icons);
    VelQtLib::LoadWindow(this, QStringLiteral("main"));
    setResizable(false);
    centerOnScreen();
    container = findChild<QWidget*>(QStringLiteral("container"));
    closeButton = findChild<QPushButton*>(QStringLiteral("close"));
    minButton = findChild<QPushButton*>(QStringLiteral("min"));
    helpButton = findChild<QPushButton*>(QStringLiteral("help"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Text that Qt draws itself (an editable combo box's edit) matches the theme's body size.
    QFont body = font();
    body.setPixelSize(13);
    setFont(body);
    // Selections that Qt paints itself (an edit's selected text, a tree's branch column) take
    // the theme's selection colours instead of the platform's blue. The application's palette,
    // because widgets with a style sheet do not inherit their parent's.
    QPalette selection = QApplication::palette();
    selection.setColor(QPalette::Highlight, QColor(0xfd, 0xe7, 0xe2));
    selection.setColor(QPalette::HighlightedText, QColor(0x1f, 0x1f, 0x24));
    QApplication::setPalette(selection);

    // Without a container the pages would become windows of their own.
    if (container) {
        const Gallery::PageHost host {container, this};
        for (int i = 0; i < pageCount; ++i) {
            if (navigation[i].build)
                pages[i] = navigation[i].build(host);
        }
    }
    for (int i = 0; i < pageCount; ++i) {
        navButtons[i] = findChild<QRadioButton*>(QLatin1String(navigation[i].button));
        if (!navButtons[i])
            continue;
        connect(navButtons[i], SIGNAL(toggled(bool)), this, SLOT(controlChanged(bool)));
        navButtons[i]->installEventFilter(this);
        navButtons[i]->setProperty("bind_ctrl", QVariant::fromValue<void*>(pages[i]));
    }
    for (QPushButton* button : {closeButton, minButton, helpButton}) {
        if (button)
            connect(button, SIGNAL(clicked()), this, SLOT(btnClick()));
    }
    if (navButtons[0])
        navButtons[0]->setChecked(true);
}

QStringList Vitrina::pageNames()
{
    QStringList names;
    for (const Navigation& entry : navigation)
        names << QLatin1String(entry.button);
    return names;
}

void Vitrina::btnClick()
{
    const QObject* button = sender();
    if (!button)
        return;
    if (button == closeButton)
        close();
    else if (button == minButton)
        showMinimized();
    else if (button == helpButton)
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(homePage)));
}

bool Vitrina::eventFilter(QObject* watched, QEvent* event)
{
    // A navigation item is its whole tile: Qt's radio button reacts only where it would draw
    // its own indicator and text, which this skin paints elsewhere.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* button = qobject_cast<QRadioButton*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (button && button->isEnabled() && mouse->button() == Qt::LeftButton
            && button->rect().contains(mouse->pos()))
            button->setChecked(true);
    }
    return VelQWindow::eventFilter(watched, event);
}

void Vitrina::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        event->ignore();
    else
        VelQWindow::keyPressEvent(event);
}

void Vitrina::controlChanged(bool)
{
    if (container) {
        const auto children
            = container->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children)
            child->setVisible(false);
    }
    const QObject* button = sender();
    if (!button)
        return;
    QVariant bound = button->property("bind_ctrl");
    if (bound.convert(QMetaType::VoidStar)) {
        if (auto* page = static_cast<QWidget*>(bound.value<void*>()))
            page->setVisible(true);
    }
}
