#ifndef CHILDRENSCALINGSCROLLWIDGET_H
#define CHILDRENSCALINGSCROLLWIDGET_H

#include <QWidget>

// The content of a scroll area whose rows are laid out by its layout: it asks for the width of its scroll
// area and for a height of as many row heights as it has rows, a row height being the area's height
// divided by the rows that fit in one view.
class ChildrenScalingScrollWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ChildrenScalingScrollWidget(QWidget *parent = nullptr, int rowsPerView = 5);

    double rowsPerView() const { return m_rowsPerView; }
    void setRowsPerView(double rowsPerView);

    // (parent width, parent height x rows / rows per view); the rows are the child objects other than the
    // layout.
    QSize sizeHint() const override;

private:
    double m_rowsPerView;
};

#endif // CHILDRENSCALINGSCROLLWIDGET_H
