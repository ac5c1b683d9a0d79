#pragma once

#include "framework/IVelQControlBase.h"
#include "framework/VelQControlBase.h"
#include "framework/VelQControlBaseImpl.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>

#include <utility>

namespace VelQtLib {

// The Qt widget QtWidget made a skinned control: the common part, the owned implementation
// object, the shared IVelQControlBase operations and the usual event forwarding (the Qt
// handler first, then the implementation; paint events only to the implementation).
// A control derives from it, creates its implementation in its constructor with setImpl and
// overrides the handlers that differ.
template<class QtWidget> class VelQControl : public QtWidget, public IVelQControlBase {
public:
    template<class... Args>
    explicit VelQControl(Args&&... args)
        : QtWidget(std::forward<Args>(args)...)
        , m_base(this)
    {
    }
    ~VelQControl() override
    {
        delete m_impl;
        m_impl = nullptr;
    }

    VelQControlBase* controlBase() override { return &m_base; }
    bool loadAttributes(const ::Json::Value* json) override
    {
        if (!m_impl)
            return false;
        m_base.parseCommon(json);
        const ::Json::Value* element = json;
        return m_impl->parseAttributes(element);
    }
    void setFillLayout(const int margins[4]) override
    {
        m_base.layoutType = LayoutFill;
        std::copy(margins, margins + 4, m_base.numbers);
    }
    void setReservedLayout(const ReservedLayout& params) override
    {
        m_base.layoutType = LayoutReserved;
        m_base.reserved = params;
    }
    void setFixedLayout(const int rect[4]) override
    {
        m_base.layoutType = LayoutFixed;
        std::copy(rect, rect + 4, m_base.numbers);
        m_base.applyFixed();
    }
    void setAnchorLayout(const int params[8]) override
    {
        m_base.layoutType = LayoutAnchor;
        std::copy(params, params + 8, m_base.numbers);
    }
    void layoutParams(const int*& out) override
    {
        if (m_base.layoutType >= LayoutAnchor && m_base.layoutType <= LayoutFixed)
            out = m_base.numbers;
    }
    int layoutType() override { return m_base.layoutType; }
    VelQControlBaseImpl* impl() override { return m_impl; }
    void fillSamples() override
    {
        if (m_impl)
            m_impl->fillSamples();
    }
    void applyLayout() override { m_base.applyLayout(); }

    // Gives the control another theme element and applies it.
    void setThemeName(const QString& name) { m_base.setThemeName(name); }

protected:
    // Takes ownership of the implementation object.
    void setImpl(VelQControlBaseImpl* impl) { m_impl = impl; }

    void paintEvent(QPaintEvent*) override
    {
        if (m_impl)
            m_impl->onPaint();
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        QtWidget::mousePressEvent(e);
        if (m_impl)
            m_impl->onMousePress(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        QtWidget::mouseReleaseEvent(e);
        if (m_impl)
            m_impl->onMouseRelease(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        QtWidget::mouseMoveEvent(e);
        if (m_impl)
            m_impl->onMouseMove(e);
    }
    void enterEvent(EnterEvent* e) override
    {
        QtWidget::enterEvent(e);
        if (m_impl)
            m_impl->onEnter(e);
    }
    void leaveEvent(QEvent* e) override
    {
        QtWidget::leaveEvent(e);
        if (m_impl)
            m_impl->onLeave(e);
    }

private:
    VelQControlBase m_base;
    VelQControlBaseImpl* m_impl = nullptr;
};

} // namespace VelQtLib
