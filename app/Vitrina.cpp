#include "Vitrina.h"

#include "pages/Pages.h"

#include <VelQtLib.h>

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
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

// The window's parts in "main" and the theme elements that give them their look, so that the
// window follows the theme with its pages.
const char* const chromeLooks[][2] = {
    {"frame", "chrome.frame"},
    {"caption", "chrome.caption"},
    {"appName", "chrome.title"},
    {"appTagline", "chrome.tagline"},
    {"theme", "chrome.button"},
    {"help", "chrome.button"},
    {"min", "chrome.button"},
    {"close", "chrome.close"},
    {"navigation", "chrome.navigation"},
    {"navHeader", "chrome.navHeader"},
    {"navFooter", "chrome.navFooter"},
};

// Colours that Qt paints with itself (an edit's selection, the text of an editable combo box),
// per theme: selection, text on it, text, surface.
struct QtColours {
    QColor selection;
    QColor selectedText;
    QColor text;
    QColor surface;
};
const QtColours lightColours {
    QColor(0xfd, 0xe7, 0xe2), QColor(0x1f, 0x1f, 0x24), QColor(0x1f, 0x1f, 0x24), Qt::white};
const QtColours darkColours {QColor(0x4a, 0x21, 0x19), QColor(0xed, 0xed, 0xf2),
    QColor(0xed, 0xed, 0xf2), QColor(0x1c, 0x1c, 0x21)};

} // namespace

const char* const Vitrina::lightThemePackage = "VELTE001.data";
const char* const Vitrina::darkThemePackage = "VELTE001-dark.data";

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
    themeButton = findChild<QPushButton*>(QStringLiteral("theme"));
    // The Qt the gallery runs on, which the description cannot know.
    if (auto* footer = findChild<QLabel*>(QStringLiteral("navFooter")))
        footer->setText(
            QStringLiteral("VelQtLib %1 on Qt %2")
                .arg(QStringLiteral(VITRINA_LIBRARY_VERSION), QLatin1String(qVersion())));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // Text that Qt draws itself (an editable combo box's edit) matches the theme's body size.
    QFont body = font();
    body.setPixelSize(13);
    setFont(body);
    basePalette = QApplication::palette();
    applyPalette();
    applyChromeLooks();

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
    for (QPushButton* button : {closeButton, minButton, helpButton, themeButton}) {
        if (!button)
            continue;
        connect(button, SIGNAL(clicked()), this, SLOT(btnClick()));
        // The caption buttons show a glyph alone; assistive tools read their tool tip.
        button->setAccessibleName(button->toolTip());
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
    else if (button == themeButton)
        setDarkTheme(!usesDarkTheme);
}

bool Vitrina::setDarkTheme(bool dark)
{
    if (!VelQtLib::LoadThemePackage(dark ? darkThemePackage : lightThemePackage))
        return false;
    usesDarkTheme = dark;
    applyPalette();
    return true;
}

void Vitrina::applyChromeLooks()
{
    for (const auto& look : chromeLooks) {
        if (auto* control = VelQtLib::controlOf(findChild<QWidget*>(QLatin1String(look[0]))))
            control->controlBase()->setThemeName(QLatin1String(look[1]));
    }
    for (const Navigation& entry : navigation) {
        if (auto* item = VelQtLib::controlOf(findChild<QWidget*>(QLatin1String(entry.button))))
            item->controlBase()->setThemeName(QStringLiteral("chrome.navItem"));
    }
}

void Vitrina::applyPalette()
{
    // The application's palette, because widgets with a style sheet do not inherit their
    // parent's.
    const QtColours& colours = usesDarkTheme ? darkColours : lightColours;
    QPalette palette = basePalette;
    palette.setColor(QPalette::Highlight, colours.selection);
    palette.setColor(QPalette::HighlightedText, colours.selectedText);
    for (const QPalette::ColorRole role :
        {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, colours.text);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, colours.surface);
    QApplication::setPalette(palette);
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
