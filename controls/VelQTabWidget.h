#pragma once

#include "framework/VelQControl.h"

#include <QWidget>

namespace VelQtLib {

class VelQTabWidgetImpl;

// One tab of a VelQTabWidget.
struct TabItem {
    QString iconPath; // icon while the tab is not current
    QString selectedIconPath; // icon while the tab is current
    QString text;
};

// A strip of equally sized tabs in a row or a column, painted from the theme; it holds no pages
// and reports presses on its tabs through currentChanged.
class VELQTLIB_EXPORT VelQTabWidget : public VelQControl<QWidget> {
    Q_OBJECT
public:
    explicit VelQTabWidget(QWidget* parent = nullptr);
    ~VelQTabWidget() override;

    // Appends a tab; without a selectedIconPath the current tab shows iconPath.
    void addItem(const QString& text, const QString& iconPath = QString(),
        const QString& selectedIconPath = QString());
    int count() const;
    int currentIndex() const;
    // Makes a tab current; emits currentChanged when it changes. Invalid indexes are ignored.
    void setCurrentIndex(int index);
    // Where tab index is painted and hit.
    QRect tabRect(int index) const;

    QString typeName() const override { return QStringLiteral("qttab"); }

signals:
    // A tab was pressed, also when it already was current.
    void currentChanged(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(EnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    VelQTabWidgetImpl* d() const;
    Q_DISABLE_COPY(VelQTabWidget)
};

} // namespace VelQtLib
