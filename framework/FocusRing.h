#pragma once

#include "framework/VelQtGlobal.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace VelQtLib {

class VelQControlBaseImpl;

// How keyboard focus is shown: a ring of width pixels, offset pixels outside the control's
// outline (inside when negative), with the outline's corner radius grown by the offset; radius
// is taken where the control's outline gives none. An invalid colour is the palette's highlight.
struct FocusLook {
    QColor color;
    int width = 2;
    int offset = 1;
    int radius = 0;
};

// The look for a control: the theme's element "focus", then the control's own attr "focus".
VELQTLIB_EXPORT FocusLook focusLookOf(const VelQControlBaseImpl& impl);

// The ring shown around the skinned control that holds the keyboard focus, while the focus came
// from the keyboard (Tab, Backtab, arrows within a group, a shortcut) and not from a click. One
// widget serves the whole program: it sits above the control in the control's parent, so that it
// can draw outside the control and over views whose viewport covers them.
class VELQTLIB_EXPORT VelQFocusRing : public QWidget {
    Q_OBJECT
public:
    explicit VelQFocusRing(QWidget* parent);

    // Starts following the application's focus; once, and only when a QApplication exists.
    static void watch();
    // The ring, when it exists.
    static VelQFocusRing* instance();
    // The control the ring is shown around, or null.
    QWidget* control() const { return m_control; }
    // Shows the ring around control, or hides it for null.
    void follow(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QPointer<QWidget> m_control;
    FocusLook m_look;
    int m_radius = 0;
};

} // namespace VelQtLib
