#include "pages/PageFrame.h"

#include <VelQtLib.h>

#include <QStandardItemModel>

namespace Gallery {

using namespace VelQtLib;

namespace {

// A column widget: a container that paints nothing, holding the control that is stamped into
// every cell of its column.
VelQContainer* cellHost(QWidget* page)
{
    auto* container = new VelQContainer(page);
    ImageStyle nothing;
    nothing.valid = false;
    container->setBackgroundStyle(nothing);
    return container;
}

} // namespace

QWidget* buildTablePage(const PageHost& host)
{
    QWidget* page = createPage(
        host, QStringLiteral("Tableview Controls"), QStringLiteral("Different kinds of Tableview"));
    addCaption(page, QStringLiteral("Tableview"), 120, 150);
    auto* table = addItemView<VelQTableView>(page, "qtdatagrid", QRect(150, 120, 600, 300));
    auto* model = new QStandardItemModel(host.window);
    table->setModel(model);

    const char* const headers[] = {"Name", "NO.", "Sex", "Age", "Operate"};
    for (int column = 0; column < 5; ++column)
        model->setHorizontalHeaderItem(column, new QStandardItem(QObject::tr(headers[column])));
    for (int row = 0; row < 100; ++row) {
        for (int column = 0; column < 3; ++column)
            model->setItem(row, column, new QStandardItem(QObject::tr("Item1")));
    }
    table->setModel(model);

    VelQContainer* operate = cellHost(page);
    auto* button = addControl<VelQPushButton>(operate, "qtbutton", QRect(4, 4, 50, 22));
    button->setText(QStringLiteral("Button"));
    table->setColumnWidget(4, operate);

    VelQContainer* age = cellHost(page);
    auto* progress = new VelQProgressBar(age);
    progress->setThemeName(QStringLiteral("qtprogressbar"));
    // Full cell width, 12 pixels high, vertically centred.
    const int anchor[8] = {0, 1, 1, 0, 0, 0, 0, 12};
    progress->setAnchorLayout(anchor);
    progress->setValue(45);
    table->setColumnWidget(3, age);
    return page;
}

} // namespace Gallery
