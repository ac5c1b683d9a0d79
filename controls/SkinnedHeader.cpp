#include "controls/SkinnedHeader.h"

#include "framework/VelQControlBaseImpl.h"

#include <QPainter>

namespace VelQtLib {

SkinnedHeader::SkinnedHeader(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
}

void SkinnedHeader::setLook(const ImageStyle* box, const TextStyle* title)
{
    m_box = box;
    m_title = title;
    viewport()->update();
}

QRect SkinnedHeader::sectionRect(int logical) const
{
    if (orientation() == Qt::Horizontal)
        return QRect(sectionViewportPosition(logical), 0, sectionSize(logical), height());
    return QRect(0, sectionViewportPosition(logical), width(), sectionSize(logical));
}

QRect SkinnedHeader::titleRect(int, const QRect& section) const
{
    return section;
}

void SkinnedHeader::paintSectionExtras(QPainter*, int, const QRect&) const { }

void SkinnedHeader::paintEvent(QPaintEvent*)
{
    if (!m_box || !m_title)
        return;
    QPainter painter(viewport());
    VelQControlBaseImpl::drawImageStyle(&painter, *m_box, rect());
    if (count() == 0 || !model())
        return;
    // Only the sections in view: a header may have a million of them.
    const int length = orientation() == Qt::Horizontal ? viewport()->width() : viewport()->height();
    int first = visualIndexAt(0);
    int last = visualIndexAt(length - 1);
    if (first < 0)
        first = 0;
    if (last < 0)
        last = count() - 1;
    for (int visual = first; visual <= last; ++visual) {
        const int logical = logicalIndex(visual);
        if (isSectionHidden(logical))
            continue;
        const QRect section = sectionRect(logical);
        VelQControlBaseImpl::drawImageStyle(&painter, *m_box, section);
        const QString text = model()->headerData(logical, orientation()).toString();
        VelQControlBaseImpl::drawStyledText(
            &painter, text, *m_title, titleRect(logical, section), true);
        paintSectionExtras(&painter, logical, section);
    }
}

} // namespace VelQtLib
