#include "ui/runtime/CompassGeometry.h"

#include <cmath>
#include <limits>

float normalizeAngle360(double angle)
{
    // Received angles may be any number: the remainder is exact for every finite one, where a whole
    // number of turns taken as an integer is not defined beyond the integer's range.
    if (!std::isfinite(angle))
        return 0;
    float result = float(std::fmod(angle, 360.0));
    if (result < 0)
        result += 360;
    // 359.99999 plus a fraction of the float's last place can round up to 360.
    if (result >= 360)
        result -= 360;
    return result;
}

CompassGeometry::CompassGeometry(float radius)
    : R(radius)
{
    speedHead = QPolygon(
        { QPoint(0, int(-R)), QPoint(int(-R / 20), int(R / 15 - R)), QPoint(int(R / 20), int(R / 15 - R)) });

    w = int(R / 40);
    if (w < arrowPenWidth)
        w = int(arrowPenWidth);

    speedDashes.clear();
    const float end = -19 * R / 20;
    QLine dash(QPoint(0, -3 * w), QPoint(0, 0));
    while (end < dash.p2().y()) {
        speedDashes.append(dash);
        dash.translate(0, -5 * w);
        if (dash.p1().y() < end)
            dash.setP1(QPoint(0, int(end)));
    }

    currentHead = QPolygon({ QPoint(int(-R / 6), 0), QPoint(int(-R / 6 + R / 30), int(-R / 40)),
        QPoint(int(-R / 6 + R / 30), int(R / 40)) });

    currentDashes.clear();
    QLine current(QPoint(int(-R / 6), 0), QPoint(int(-R / 6 + R / 27), 0));
    currentDashes.append(current);
    const int d = int(2 * R / 27);
    for (int i = 0; i < 4; ++i) {
        current.translate(d, 0);
        currentDashes.append(current);
    }
}

void CompassGeometry::splitSpeedDashes(
    double speed, double maximum, QVector<QLine> &full, QVector<QLine> &faint) const
{
    full.clear();
    faint.clear();
    // The limit is the y at which the speed ends (up is negative). Without a maximum there is no scale:
    // any speed fills the whole shaft, none leaves it faint (0 / 0 has no answer).
    double limit;
    if (maximum > 0)
        limit = -(speed * R / maximum);
    else
        limit = speed > 0 ? -std::numeric_limits<double>::infinity() : 0.0;

    for (const QLine &dash : speedDashes) {
        const QPoint far = dash.p1();
        const QPoint near = dash.p2();
        if (far.y() > limit) {
            full.append(dash);
        } else if (limit > near.y()) {
            faint.append(dash);
        } else {
            const QPoint cut(0, int(limit));
            // A cut at either end leaves a piece of no length, which a square pen would still draw as a dot.
            if (cut != near)
                full.append(QLine(cut, near));
            if (far != cut)
                faint.append(QLine(far, cut));
        }
    }
}

QPoint CompassGeometry::angleLabelPosition(double angle, double offset, int fontHeight, int textWidth) const
{
    const double p = normalizeAngle360(angle - offset);
    const double t = (90 - p) * 3.141592653589793 / 180;
    double y = std::sin(t) * R;
    double x = std::cos(t) * R;
    if (p > 90 && p <= 270)
        y -= fontHeight;
    if (p > 180)
        x -= textWidth;
    return QPoint(int(x), -int(y));
}
