#pragma once

#include "framework/StyleSlots.h"
#include "framework/VelQControlBaseImpl.h"

#include <QPalette>

namespace VelQtLib {

// What the line edit and the text edit share: a background per state, the font and colour of
// the edited text per state, and a hint drawn while the editor is empty. The states are
// Normal, Hover (never shown), Focused and Disabled.
class VELQTLIB_EXPORT VelQEditImplBase : public VelQControlBaseImpl {
    Q_OBJECT
public:
    VelQEditImplBase(QWidget* owner, const QString& typeName);

    // Gives the editor the text colour, font size and family of a state.
    void applyStateStyle(int state);
    void draw(QPainter* painter, const QRect& rect) override;
    void fillSamples() override;
    void onEnter(QEvent* event) override;
    void onLeave(QEvent* event) override;
    const ImageStyle* outlineStyle() const override { return &bgStyles[Normal]; }
    void onFocusIn();
    void onFocusOut();

    QString tipText;
    TextStyle tipStyle;
    ImageStyle bgStyles[4];
    TextStyle textStyles[4];

protected:
    // True while the editor holds no text, when the hint shows.
    virtual bool isEmpty() const = 0;
    // The slots both editors share: backgrounds 0..3 and text styles 4..7.
    StyleSlots styleSlots();

private:
    // The palette applyStateStyle last gave the editor: while the editor still has it, the
    // same colour needs no new palette.
    QPalette m_applied;
};

} // namespace VelQtLib
