#pragma once

#include <framework/VelQWindow.h>

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

public slots:
    // Closes, minimises or opens the home page, by the caption button that was clicked.
    void btnClick();
    // Shows the page bound to the sending navigation button and hides the others.
    void controlChanged(bool checked);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The gallery is the program's main window, not a dialog: Escape leaves it open.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* container = nullptr;
    QPushButton* closeButton = nullptr;
    QPushButton* minButton = nullptr;
    QPushButton* helpButton = nullptr;
    QRadioButton* navButtons[pageCount] = {};
    QWidget* pages[pageCount] = {};
};
