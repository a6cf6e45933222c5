#include "ui/WidgetMargins.h"

#include <QWidget>

namespace {

float percentage = 5.0f;

} // namespace

void setMarginPercentage(float value)
{
    percentage = value;
}

float marginPercentage()
{
    return percentage;
}

QRect marginRect(const QWidget *widget)
{
    const float p = percentage / 100.0f;
    const int w = widget->width();
    const int h = widget->height();
    const int dx = int(p * w);
    const int dy = int(p * h);
    return QRect(QPoint(dx, dy), QPoint(w - 1 - dx, h - 1 - dy));
}
