#pragma once

#include <framework/VelQWindow.h>

#include <QPalette>
#include <QStringList>

class QPushButton;
class QRadioButton;

// The gallery's main window: a frameless skinned window built from the description "main",
// whose navigation column switches between one page per family of controls.
class Vitrina : public VelQtLib::VelQWindow {
    Q_OBJECT
public:
    explicit Vitrina(QWidget* parent = nullptr);

    static constexpr int pageCount = 11;
    // The names of the navigation buttons in "main", in the order of their pages.
    static QStringList pageNames();

    // The file names of the light and the dark theme package.
    static const char* const lightThemePackage;
    static const char* const darkThemePackage;
    // Loads the dark or the light theme package while the window is open; false when it fails,
    // and the theme stays as it was.
    bool setDarkTheme(bool dark);
    bool isDarkTheme() const { return usesDarkTheme; }

public slots:
    // Closes, minimises, opens the home page or switches between the light and the dark theme,
    // by the caption button that was clicked.
    void btnClick();
    // Shows the page bound to the sending navigation button and hides the others.
    void controlChanged(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The gallery is the program's main window, not a dialog: Escape leaves it open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyChromeLooks();
    void applyPalette();

    QWidget* container = nullptr;
    QPushButton* themeButton = nullptr;
    bool usesDarkTheme = false;
    QPalette basePalette;
    QPushButton* closeButton = nullptr;
    QPushButton* minButton = nullptr;
    QPushButton* helpButton = nullptr;
    QRadioButton* navButtons[pageCount] = {};
    QWidget* pages[pageCount] = {};
};
