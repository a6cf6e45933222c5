#ifndef CHILDRENSCALINGSCROLLWIDGET_H
#define CHILDRENSCALINGSCROLLWIDGET_H

#include <QWidget>

// The content of a scroll area made of equal rows: as wide as its parent and as high as the rows take
// when `rowsPerView` of them fill the parent's height.
class ChildrenScalingScrollWidget : public QWidget
{
    Q_OBJECT
public:
    ChildrenScalingScrollWidget(QWidget *parent, int rowsPerView);

    QSize sizeHint() const override;

private:
    double m_rowsPerView;
};

#endif // CHILDRENSCALINGSCROLLWIDGET_H
