#ifndef DOCKINGGEOMETRY_H
#define DOCKINGGEOMETRY_H

#include <QLine>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QVector>

class QWidget;

// Angles of the runtime drawings: degrees clockwise from straight up (bow up), double precision.
double degreesToRadians(double degrees);
double radiansToDegrees(double radians);
// The angle brought into -pi .. +pi.
double wrapRadians(double radians);
// The angle brought into -180 .. +180 (180 and -180 stay as they are).
double wrapDegrees180(double degrees);
// One step towards 0 .. 360: +360 below 0, -360 above 360.
double wrapDegrees360Once(double degrees);
// Turns the point about the origin by the angle (degrees, clockwise on the screen), and back.
void rotatePoint(double &x, double &y, double degrees);
void rotatePointBack(double &x, double &y, double degrees);

// Moves the widget so that one of its points lies at (x, y): anchor 0 the top left corner, 1 the bottom
// left, 2 the top right, 3 the bottom right, 4 the centre; each shifted down by the descent of the widget's
// font, so that the text's baseline rather than the font's lowest pixel sits on the point.
void placeLabel(QWidget *widget, double x, double y, int anchor);

// The drawing of the docking page for one page size: the vessel seen from above, bow up, the six block
// arrows of the motion over ground around and inside it, and the two water-current arrows beside it.
// Everything is computed in floating point from the page size and truncated to whole pixels.
struct DockingGeometry
{
    // Index of the six motion arrows, in drawing order.
    enum Arrow { ForeToPort, AftToPort, AftToStarboard, ForeToStarboard, Ahead, Astern, ArrowCount };

    DockingGeometry() = default;
    explicit DockingGeometry(QSize page);

    double hullLength = 0; // 0.705 x height
    double bowLength = 0; // 0.19 x height
    double beam = 0; // 0.175 x width

    // Bow tip, port shoulder, port stern corner, starboard stern corner, starboard shoulder.
    QPolygon hull = QPolygon(5);

    // Centre of the left current arrow; the right one stands 3 beams further right.
    QPoint currentArrowPosition;
    // The shaft (five dashes from the head downwards) and the head of a current arrow pointing up, about
    // its centre.
    QVector<QLine> currentDashes;
    QPolygon currentHead = QPolygon(3);

    // Where each motion arrow's anchor point lies, by Arrow.
    QPoint arrowPosition[ArrowCount];
    double shaftWidth = 0; // 0.056 x height
    double headWidth = 0; // 0.105 x height
    double shaftLength = 0; // 0.053 x width
    double headLength = 0; // 0.04 x width
    // The block arrow pointing up: shaft foot from point 0 to point 1, tip at point 4.
    QPolygon motionArrow = QPolygon(7);

    // The arrow's anchor point and turn (degrees) for each motion arrow: the transverse arrows lie beside
    // the hull's ends, one shaft width deep; the longitudinal ones inside the hull with their tips at the
    // ahead and astern positions.
    static int anchorPoint(Arrow arrow);
    static double angle(Arrow arrow);
    // The arrow's outline on the page.
    QPolygon placedArrow(Arrow arrow) const;
};

#endif // DOCKINGGEOMETRY_H
