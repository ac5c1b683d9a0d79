#pragma once

#include "framework/VelQtGlobal.h"
#include "theme/StyleTypes.h"

#include <QHeaderView>

namespace VelQtLib {

// A view's header painted from the view's skin: one box record over the whole header and under
// every section in view, and each section's title in one text record.
class VELQTLIB_EXPORT SkinnedHeader : public QHeaderView {
    Q_OBJECT
public:
    SkinnedHeader(Qt::Orientation orientation, QWidget* parent);

    // Both records stay owned by the view's implementation object.
    void setLook(const ImageStyle* box, const TextStyle* title);

protected:
    void paintEvent(QPaintEvent* event) override;
    // The rectangle of a section in the header's viewport.
    QRect sectionRect(int logical) const;
    // Where a section's title goes, and what else a header draws into a section after it.
    virtual QRect titleRect(int logical, const QRect& section) const;
    virtual void paintSectionExtras(QPainter* painter, int logical, const QRect& section) const;

private:
    const ImageStyle* m_box = nullptr;
    const TextStyle* m_title = nullptr;
};

} // namespace VelQtLib
