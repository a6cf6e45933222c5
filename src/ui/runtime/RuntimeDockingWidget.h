#ifndef RUNTIMEDOCKINGWIDGET_H
#define RUNTIMEDOCKINGWIDGET_H

#include "ui/runtime/DockingGeometry.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class QLabel;
class QPainter;
class RuntimeDataInfo;
class RuntimeDisplayableData;

namespace Ui {
class RuntimeDockingWidget;
}

// The docking page of the runtime screens: the vessel seen from above, bow up, and around it how it moves
// over the ground, for berthing. At each end a block arrow to port or to starboard shows the transverse
// speed of the bow (top) and of the stern (bottom), with the speed without sign on the side the end moves
// to; inside the hull an arrow ahead or astern shows the longitudinal speed, its number in the middle; two
// arrows left and right of the hull point where the water current goes.
//
// A value that is not valid hides its end's labels and leaves its arrows dark, or reads "-/-" in the middle
// with both longitudinal arrows dark; a current angle that is not valid hides the current arrows. A value
// outside its description's limits, or whose number does not fit its label whole, counts as not valid. A
// transverse speed of exactly 0 counts as port.
//
// The current arrows turn towards a new direction by at most 5 degrees per step, the short way round, one
// step every currentTurnInterval ms until they point at the received direction; the first direction is
// drawn at once. A change of the values schedules one repaint however many of them change together.
class RuntimeDockingWidget : public QWidget
{
    Q_OBJECT

public:
    // The runtime values of the process-wide description registry.
    explicit RuntimeDockingWidget(QWidget *parent = nullptr);
    // The values "SpeedSOGGpsLong", "SpeedSOGGpsTraFore", "SpeedSOGGpsTraAft", "WaterCurrent" and
    // "AngleWaterCurrent" of these descriptions (kept by the registry for the life of the process).
    RuntimeDockingWidget(RuntimeDataInfo *descriptions, QWidget *parent);
    ~RuntimeDockingWidget() override;

    // Largest turn of the current arrows per step, and the time between steps.
    static constexpr double currentTurnStep = 5.0;
    static constexpr int currentTurnInterval = 40;

    // The drawing's geometry for the current size.
    const DockingGeometry &drawing() const { return m_geometry; }
    // Whether a motion arrow is drawn in its value's colour (otherwise dark).
    bool isArrowActive(DockingGeometry::Arrow arrow) const { return m_active[arrow]; }
    // The direction the current arrows point at now (-180 .. 180); noCurrentAngle before the first valid
    // direction.
    double shownCurrentAngle() const { return m_shownCurrentAngle; }
    static constexpr double noCurrentAngle = 1000.0;

public slots:
    // Reads the values: label texts and colours, which arrows are active, where the current arrows turn to;
    // then schedules a repaint.
    void updateDisplayedValues();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Feed { Longitudinal, Fore, Aft, Current, CurrentAngle, FeedCount };

    void bindData(RuntimeDataInfo *descriptions);
    void applyLabelVisibility();
    void resizeLabels();
    void placeLabels();
    void turnCurrentArrows();

    void drawHull(QPainter &painter);
    void drawMotionArrows(QPainter &painter);
    void drawBlockArrow(
        QPainter &painter, DockingGeometry::Arrow arrow, const QColor &outline, const QColor &fill);
    void drawWaterCurrent(QPainter &painter);
    void drawCurrentArrow(QPainter &painter);

    bool isValid(Feed feed) const;
    double number(Feed feed) const;
    QColor color(Feed feed) const;

    std::unique_ptr<Ui::RuntimeDockingWidget> ui;
    std::unique_ptr<RuntimeDisplayableData> m_feeds[FeedCount];
    QList<QLabel *> m_labels;
    DockingGeometry m_geometry;
    bool m_active[DockingGeometry::ArrowCount] = { true, true, true, true, true, true };
    bool m_currentValid = false;
    double m_receivedCurrentAngle = 0;
    double m_shownCurrentAngle = noCurrentAngle;
    QTimer m_currentTurn;
};

#endif // RUNTIMEDOCKINGWIDGET_H
