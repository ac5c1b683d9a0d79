#pragma once

#include "framework/VelQControl.h"

#include <QScrollBar>
#include <QStyle>

namespace VelQtLib {

class VelQScrollBarImpl;

// A QScrollBar painted from style records: groove, arrow buttons and thumb, each part with
// its own hover and pressed look. Scrolling behaviour is QScrollBar's own.
class VELQTLIB_EXPORT VelQScrollBar : public VelQControl<QScrollBar> {
    Q_OBJECT
public:
    explicit VelQScrollBar(QWidget* parent = nullptr);
    explicit VelQScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    ~VelQScrollBar() override;

    // A state of 4 sets all four states.
    void setBackgroundStyle(const ImageStyle& style);
    void setSubLineStyle(int state, const ImageStyle& style);
    void setAddLineStyle(int state, const ImageStyle& style);
    void setThumbStyle(int state, const ImageStyle& style);
    // up: the sub-line (up or left) button; otherwise the add-line button.
    void setArrowIcon(bool up, const QString& path);
    void setThumbIcon(const QString& path);

    // The rectangle the current style gives a part, as QScrollBar lays it out.
    QRect partRect(QStyle::SubControl part) const;

    QString typeName() const override { return QStringLiteral("qtscrollbar"); }
    QSize sizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQScrollBarImpl* d() const;
    Q_DISABLE_COPY(VelQScrollBar)
};

} // namespace VelQtLib
