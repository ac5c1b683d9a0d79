#pragma once

#include <QWidget>

// The gallery's main window.
class Vitrina : public QWidget {
    Q_OBJECT
public:
    explicit Vitrina(QWidget* parent = nullptr);
};
