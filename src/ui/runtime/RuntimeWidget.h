#ifndef RUNTIMEWIDGET_H
#define RUNTIMEWIDGET_H

#include <QString>
#include <QWidget>

class QPainter;

// A black widget that invents a set of runtime values once per second (speeds over ground and through
// water with their components and angles, current, depth, distances, water temperature, alert limits)
// and offers them by name, for pages that show made-up values. It paints nothing itself; derived pages
// draw with its vessel and arrow operations, scaled by the screen and the runtime-page scale.
//
// The values are process-wide and shared by every instance: one timer advances them once per second
// whatever the number of instances (it lives as long as the application, so closing the first page does
// not stop the others), and every instance repaints on each step.
class RuntimeWidget : public QWidget
{
    Q_OBJECT
public:
    static const int simulationMs = 1000;

    explicit RuntimeWidget(QWidget *parent = nullptr);

    // The value of a name (see the source for the names); 0 for any other name.
    static double runtimeValue(const QString &name);
    // The stored value of a name to change it in place; null for any other name. The high alert limit
    // is found here as "Alert Deep", and "Draft" and "GPS SOG" give the speed through water.
    static double *runtimeValueReference(const QString &name);
    // "Alert High" or "Alert Low"; other names change nothing.
    static void setRuntimeAlertLimit(const QString &name, double value);
    // The number of simulation steps so far.
    static int simulationTicks();

    // Test support only: while an object of this class lives, the simulation starts from its initial
    // values; destroying it brings the values back that were there before.
    class TestOverride
    {
    public:
        TestOverride();
        ~TestOverride();
        TestOverride(const TestOverride &) = delete;
        TestOverride &operator=(const TestOverride &) = delete;

    private:
        struct Saved;
        Saved *m_saved;
    };

public slots:
    // One simulation step.
    void simulate();

protected:
    // A filled hull about the centre of the rectangle, with the direction arrow at the angle.
    virtual void drawVessel(QPainter *painter, const QRect &rect, double angle);
    // A dashed line from the painter's origin upwards, turned by the angle, with a filled head.
    virtual void drawDirectionArrow(QPainter *painter, double angle);
    // A vessel outline about the centre of the rectangle, turned by the angle, in the painter's pen colour.
    virtual void drawVesselOutline(QPainter *painter, const QRect &rect, double angle);
};

#endif // RUNTIMEWIDGET_H
