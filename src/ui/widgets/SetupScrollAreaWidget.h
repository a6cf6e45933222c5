#ifndef SETUPSCROLLAREAWIDGET_H
#define SETUPSCROLLAREAWIDGET_H

#include <QWidget>

class ChildrenScalingScrollWidget;
class QVBoxLayout;

namespace Ui {
class SetupScrollAreaWidget;
}

// A scrollable list of setup rows, six to a view, scrolled by dragging; the rows alternate light and dark
// grey, starting light.
class SetupScrollAreaWidget : public QWidget
{
    Q_OBJECT
public:
    static const int rowsPerView = 6;

    explicit SetupScrollAreaWidget(QWidget *parent = nullptr);
    ~SetupScrollAreaWidget() override;

    // Appends the row (which the list's content adopts) and gives it its grey.
    void addRow(QWidget *row);

    ChildrenScalingScrollWidget *contents() const { return m_contents; }

private:
    Ui::SetupScrollAreaWidget *ui;
    ChildrenScalingScrollWidget *m_contents;
    QVBoxLayout *m_rows;
};

#endif // SETUPSCROLLAREAWIDGET_H
