#include "ui/widgets/ChildrenScalingScrollWidget.h"

ChildrenScalingScrollWidget::ChildrenScalingScrollWidget(QWidget *parent, int rowsPerView)
    : QWidget(parent)
    , m_rowsPerView(rowsPerView)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ChildrenScalingScrollWidget::setRowsPerView(double rowsPerView)
{
    m_rowsPerView = rowsPerView;
    updateGeometry();
}

QSize ChildrenScalingScrollWidget::sizeHint() const
{
    const QWidget *area = parentWidget();
    if (!area || m_rowsPerView <= 0)
        return QWidget::sizeHint();
    // One child object is the layout; the others are the rows.
    const int rows = qMax(0, children().size() - 1);
    return QSize(area->width(), int(area->height() * rows / m_rowsPerView));
}
