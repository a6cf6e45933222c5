#include "ui/widgets/QPushButton1.h"

QPushButton1::QPushButton1(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
}
