#include "Vitrina.h"

Vitrina::Vitrina(QWidget* parent)
    : QWidget(parent)
{
    resize(960, 640);
}
