#include "framework/ShowWhenBuilt_p.h"

namespace VelQtLib {

namespace {

struct Collected {
    QPointer<QWidget> widget;
    bool visible;
};

bool collecting = false;
QVector<Collected>& collected()
{
    static QVector<Collected> widgets;
    return widgets;
}

void showNow(QWidget* widget, bool visible)
{
    widget->setVisible(true);
    if (!visible)
        widget->setVisible(false);
}

} // namespace

ShowWhenBuilt::ShowWhenBuilt(bool collect)
    : m_previous(collecting)
    , m_first(collected().size())
{
    collecting = collect;
}

ShowWhenBuilt::~ShowWhenBuilt()
{
    collecting = m_previous;
    if (m_previous)
        return;
    QVector<Collected>& widgets = collected();
    for (int i = m_first; i < widgets.size(); ++i) {
        const Collected entry = widgets.at(i);
        // A control that was shown or hidden since, by its parent say, keeps that.
        if (entry.widget && !entry.widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
            showNow(entry.widget, entry.visible);
    }
    widgets.resize(m_first);
}

void ShowWhenBuilt::show(QWidget* widget, bool visible)
{
    if (collecting && !widget->testAttribute(Qt::WA_WState_ExplicitShowHide))
        collected().append({widget, visible});
    else
        showNow(widget, visible);
}

} // namespace VelQtLib
