#include "ui/ChildrenScalingScrollWidget.h"

ChildrenScalingScrollWidget::ChildrenScalingScrollWidget(QWidget *parent, int rowsPerView)
    : QWidget(parent)
    , m_rowsPerView(rowsPerView)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ChildrenScalingScrollWidget::sizeHint() const
{
    const QWidget *area = parentWidget();
    if (!area || m_rowsPerView <= 0)
        return QWidget::sizeHint();
    // One child object is the layout; the others are the rows.
    const int rows = children().size() - 1;
    return QSize(area->width(), int(area->height() * rows / m_rowsPerView));
}
