#ifndef RADARSCROLLAREAWIDGET_H
#define RADARSCROLLAREAWIDGET_H

#include <QWidget>

class ChildrenScalingScrollWidget;
class QVBoxLayout;

namespace Ui {
class RadarScrollAreaWidget;
}

// The satellite list of the satellite page: one row per satellite, five rows to a view, scrolled by
// dragging, the rows alternating dark and light grey.
class RadarScrollAreaWidget : public QWidget
{
    Q_OBJECT
public:
    static const int rowsPerView = 5;

    explicit RadarScrollAreaWidget(QWidget *parent = nullptr);
    ~RadarScrollAreaWidget() override;

    // Appends a row: satellites numbered above 32 are GLONASS ("GL"), the others GPS ("GP").
    void addBar(int satelliteNumber, float snr);
    void clearBars();

private:
    Ui::RadarScrollAreaWidget *ui;
    ChildrenScalingScrollWidget *m_contents;
    QVBoxLayout *m_rows;
};

#endif // RADARSCROLLAREAWIDGET_H
