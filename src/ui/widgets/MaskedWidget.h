#ifndef MASKEDWIDGET_H
#define MASKEDWIDGET_H

#include <QWidget>

// A container that is transparent except where its children are: it shows, and takes presses, only over
// them; elsewhere the widgets below it show through and receive the presses. The mask follows the children
// on every resize and layout request.
class MaskedWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MaskedWidget(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};

#endif // MASKEDWIDGET_H
