// A bare Qt dialog under Fusion with a given number of common widgets, ending at its first
// painted frame: the baseline of the gallery's start-up.
#include "FirstFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

int main(int argc, char* argv[])
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication app(argc, argv);
    const int count = qMax(0, app.arguments().value(1).toInt());
    QDialog dialog;
    dialog.resize(960, 640);
    auto* grid = new QGridLayout(&dialog);
    const int columns = 8;
    for (int i = 0; i < count; ++i) {
        const QString text = QStringLiteral("Item %1").arg(i);
        QWidget* w = nullptr;
        switch (i % 8) {
        case 0:
            w = new QPushButton(text);
            break;
        case 1:
            w = new QCheckBox(text);
            break;
        case 2:
            w = new QRadioButton(text);
            break;
        case 3:
            w = new QLineEdit(text);
            break;
        case 4: {
            auto* box = new QComboBox;
            box->addItems({text, QStringLiteral("Other")});
            w = box;
            break;
        }
        case 5: {
            auto* slider = new QSlider(Qt::Horizontal);
            slider->setValue(40);
            w = slider;
            break;
        }
        case 6: {
            auto* bar = new QProgressBar;
            bar->setValue(60);
            w = bar;
            break;
        }
        default:
            w = new QLabel(text);
            break;
        }
        grid->addWidget(w, i / columns, i % columns);
    }
    Bench::FirstFrame probe(&dialog);
    dialog.show();
    return app.exec();
}
