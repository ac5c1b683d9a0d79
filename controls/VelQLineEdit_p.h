#pragma once

#include "controls/VelQEditImplBase_p.h"
#include "controls/VelQLineEdit.h"

class QKeyEvent;

namespace VelQtLib {

class VELQTLIB_EXPORT VelQLineEditImpl : public VelQEditImplBase {
    Q_OBJECT
public:
    explicit VelQLineEditImpl(VelQLineEdit* owner);

    bool parseAttributes(const ::Json::Value*& json) override;

    // True for the keys shortcut mode turns into text: letters, F1 to F35, Backspace, Delete.
    static bool capturesKey(int key);
    // Shortcut mode: the text becomes the name of the pressed combination; other keys are
    // ignored.
    void captureShortcut(QKeyEvent* event);

    bool shortcutMode = false;

protected:
    bool isEmpty() const override;

private:
    VelQLineEdit* edit() const { return static_cast<VelQLineEdit*>(owner); }
};

} // namespace VelQtLib
