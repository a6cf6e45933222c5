#ifndef COMPASSGEOMETRY_H
#define COMPASSGEOMETRY_H

#include <QLine>
#include <QPoint>
#include <QPolygon>
#include <QVector>

// The angle brought into [0, 360): 370.25 gives 10.25, -10.5 gives 349.5; an angle that is no finite
// number gives 0.
float normalizeAngle360(double angle);

// The arrows of the compass view for a rose of radius R, in a painter turned so that up is the arrow's
// direction (speed arrows) or left is (current arrows). Coordinates are truncated to whole pixels.
struct CompassGeometry
{
    // The width of the speed arrows' pen; the dash unit is never narrower.
    static constexpr double arrowPenWidth = 6.0;

    CompassGeometry() = default;
    explicit CompassGeometry(float radius);

    float R = 0;
    // Dash unit of the speed arrows: R / 40, at least the pen width.
    int w = 0;
    // A narrow triangle whose tip touches the rim at the top.
    QPolygon speedHead = QPolygon(3);
    // Dashes of 3w with gaps of 2w from the centre up to 19/20 of the radius, the last one cut there; each
    // runs from its far end (p1) to its near end (p2).
    QVector<QLine> speedDashes;
    // A small triangle pointing left with its tip at x = -R/6.
    QPolygon currentHead = QPolygon(3);
    // Five dashes along the x axis from -R/6 to about +R/6.
    QVector<QLine> currentDashes;

    // The speed dashes split at the speed: `full` holds the shaft from the centre out to speed / maximum of
    // the radius, `faint` the rest. A dash that holds the limit is cut there. A maximum of 0 (or below)
    // fills the whole shaft for a speed above 0 and none for any other speed.
    void splitSpeedDashes(double speed, double maximum, QVector<QLine> &full, QVector<QLine> &faint) const;

    // Where a direction text starts (its baseline's left end) relative to the centre: at the rim point of
    // the angle minus the offset (degrees clockwise from up), above that point in the upper half, below it
    // in the lower half, left of it in the left half.
    QPoint angleLabelPosition(double angle, double offset, int fontHeight, int textWidth) const;
};

#endif // COMPASSGEOMETRY_H
