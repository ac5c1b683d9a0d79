#include "controls/AccessibleControls.h"

#include "controls/VelQCanvas.h"
#include "controls/VelQImage.h"
#include "controls/VelQLabelEx_p.h"
#include "controls/VelQSwitch_p.h"

#include <QAccessibleWidget>
#include <QTextDocument>

namespace VelQtLib {

namespace {

class PaintedControl : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        QString own = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !own.isEmpty())
            return own;
        // Without a name of its own a control is named by what it shows, else its tool tip.
        if (const VelQSwitchImpl* s = switchImpl())
            own = s->off ? s->rightText : s->leftText;
        else if (auto* label = qobject_cast<VelQLabelEx*>(widget()))
            own = static_cast<VelQLabelExImpl*>(label->impl())->document->toPlainText();
        return own.isEmpty() ? widget()->toolTip() : own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (const VelQSwitchImpl* impl = switchImpl()) {
            s.checkable = true;
            s.checked = !impl->off;
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (switchImpl())
            names.prepend(toggleAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (VelQSwitchImpl* impl = switchImpl();
            impl && name == toggleAction() && widget()->isEnabled())
            impl->toggle();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    VelQSwitchImpl* switchImpl() const
    {
        auto* control = qobject_cast<VelQSwitch*>(widget());
        return control ? static_cast<VelQSwitchImpl*>(control->impl()) : nullptr;
    }
};

} // namespace

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("VelQtLib::VelQSwitch"))
        return new PaintedControl(widget, QAccessible::CheckBox);
    if (className == QLatin1String("VelQtLib::VelQLabelEx"))
        return new PaintedControl(widget, QAccessible::StaticText);
    if (className == QLatin1String("VelQtLib::VelQCanvas"))
        return new PaintedControl(widget, QAccessible::Canvas);
    if (className == QLatin1String("VelQtLib::VelQImage"))
        return new PaintedControl(widget, QAccessible::Graphic);
    return nullptr;
}

} // namespace VelQtLib
