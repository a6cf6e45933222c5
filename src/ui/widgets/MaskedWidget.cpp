#include "ui/widgets/MaskedWidget.h"

#include <QEvent>

MaskedWidget::MaskedWidget(QWidget *parent)
    : QWidget(parent)
{
}

bool MaskedWidget::event(QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)
        setMask(childrenRegion());
    return QWidget::event(event);
}
