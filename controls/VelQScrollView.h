#pragma once

#include "framework/VelQControl.h"

#include <QScrollArea>

namespace VelQtLib {

class VelQContainer;
class VelQScrollViewImpl;

// A scroll area with skinned scroll bars and a themed background; it scrolls the first
// container among its children.
class VELQTLIB_EXPORT VelQScrollView : public VelQControl<QScrollArea> {
    Q_OBJECT
public:
    explicit VelQScrollView(QWidget* parent = nullptr);
    ~VelQScrollView() override;

    // The adopted container, or null.
    VelQContainer* content() const;

    QString typeName() const override { return QStringLiteral("qtscrollview"); }
    // Also lays out the adopted content, which sits in the viewport rather than among the
    // scroll view's own children.
    void applyLayout() override;

signals:
    // The content moved by dx and dy pixels.
    void scrollPosChanged(int dx, int dy);

protected:
    // The scroll area's own paint events (the corner between the bars) show the background too.
    bool event(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    VelQScrollViewImpl* d() const;
    Q_DISABLE_COPY(VelQScrollView)
};

} // namespace VelQtLib
