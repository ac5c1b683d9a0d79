#pragma once

#include <QWidget>

namespace VelQtLib {

// While a description is built into a hidden window, its controls are shown once the tree
// stands and is laid out, parents first. Shown one by one as they are read, each would first
// size itself to its empty contents, which its layout replaces at once.
class ShowWhenBuilt {
public:
    // Collects the controls read from here on when collect is set; else shows them at once.
    explicit ShowWhenBuilt(bool collect);
    // Shows the controls collected since the constructor, unless an outer build collects them.
    ~ShowWhenBuilt();

    // Shows widget (then hides it if visible is false) now, or once the build is done unless
    // it is shown or hidden otherwise by then.
    static void show(QWidget* widget, bool visible);

private:
    bool m_previous;
    int m_first;

    Q_DISABLE_COPY(ShowWhenBuilt)
};

} // namespace VelQtLib
