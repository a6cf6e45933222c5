#include "ui/runtime/DockingGeometry.h"

#include <QFontMetrics>
#include <QTransform>
#include <QWidget>

#include <cmath>

namespace {

const double pi = 3.141592653589793;

} // namespace

double degreesToRadians(double degrees)
{
    return degrees * pi / 180;
}

double radiansToDegrees(double radians)
{
    return radians * 180 / pi;
}

double wrapRadians(double radians)
{
    return 2 * std::atan(std::tan(radians / 2));
}

double wrapDegrees180(double degrees)
{
    // The same as wrapRadians in degrees, but exact: whole degrees stay whole, so that an arrow turned step
    // by step lands exactly on its target. 180 and -180 are kept as they are.
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped > 180)
        wrapped -= 360;
    else if (wrapped < -180)
        wrapped += 360;
    return wrapped;
}

double wrapDegrees360Once(double degrees)
{
    if (degrees < 0)
        return degrees + 360;
    if (degrees > 360)
        return degrees - 360;
    return degrees;
}

void rotatePoint(double &x, double &y, double degrees)
{
    const double a = degreesToRadians(degrees);
    const double x0 = x;
    x = x0 * std::cos(a) - y * std::sin(a);
    y = x0 * std::sin(a) + y * std::cos(a);
}

void rotatePointBack(double &x, double &y, double degrees)
{
    const double a = degreesToRadians(degrees);
    const double x0 = x;
    x = x0 * std::cos(a) + y * std::sin(a);
    y = y * std::cos(a) - x0 * std::sin(a);
}

void placeLabel(QWidget *widget, double x, double y, int anchor)
{
    const double wd = widget->width();
    const double ht = widget->height();
    double dx = anchor > 1 ? -wd : 0;
    if (anchor == 4)
        dx += wd * 0.5;
    double dy = anchor % 2 == 1 ? -ht : 0;
    if (anchor == 4)
        dy -= ht * 0.5;
    dy += QFontMetrics(widget->font()).descent();
    widget->move(int(x + dx), int(y + dy));
}

DockingGeometry::DockingGeometry(QSize page)
{
    const double W = page.width();
    const double H = page.height();
    hullLength = 0.705 * H;
    bowLength = 0.19 * H;
    beam = 0.175 * W;
    const double B = beam;

    const double left = (W - B) / 2;
    const double right = left + B;
    const double top = (H - hullLength) / 2;
    const double shoulder = top + bowLength;
    const double bottom = top + hullLength;
    const double cx = W / 2;
    hull = QPolygon({ QPoint(int(cx), int(top)), QPoint(int(left), int(shoulder)),
        QPoint(int(left), int(bottom)), QPoint(int(right), int(bottom)), QPoint(int(right), int(shoulder)) });

    currentArrowPosition = QPoint(int(page.width() / 2 - 1.5 * B), int(H * 0.5));
    currentDashes.clear();
    QLine dash(QPoint(0, int(-B / 2)), QPoint(0, int(-B / 2 + 2 * B / 15)));
    currentDashes.append(dash);
    for (int i = 0; i < 4; ++i) {
        dash.translate(0, int(3 * B / 15));
        currentDashes.append(dash);
    }
    currentHead = QPolygon({ QPoint(0, int(-B / 2)), QPoint(int(-B / 10), int(-B / 2 + B / 10)),
        QPoint(int(B / 10), int(-B / 2 + B / 10)) });

    arrowPosition[AftToPort] = QPoint(int(left - B / 10), int(bottom));
    arrowPosition[AftToStarboard] = QPoint(int(right + B / 10), int(bottom));
    arrowPosition[ForeToPort] = QPoint(int(left - B / 10), int(top));
    arrowPosition[ForeToStarboard] = QPoint(int(right + B / 10), int(top));
    arrowPosition[Ahead] = QPoint(int(cx), int(top + hullLength / 7));
    arrowPosition[Astern] = QPoint(int(cx), int(bottom - hullLength / 8));

    shaftWidth = 0.056 * H;
    headWidth = 0.105 * H;
    shaftLength = 0.053 * W;
    headLength = 0.04 * W;
    const double sw = shaftWidth;
    const double hw = headWidth;
    const double sl = shaftLength;
    const double hl = headLength;
    motionArrow = QPolygon(
        { QPoint(0, 0), QPoint(int(sw), 0), QPoint(int(sw), int(-sl)), QPoint(int((sw + hw) / 2), int(-sl)),
            QPoint(int(sw / 2), int(-sl - hl)), QPoint(int(-(hw - sw) / 2), int(-sl)), QPoint(0, int(-sl)) });
}

int DockingGeometry::anchorPoint(Arrow arrow)
{
    switch (arrow) {
    case ForeToPort:
    case AftToStarboard:
        return 1;
    case AftToPort:
    case ForeToStarboard:
        return 0;
    default:
        return 4;
    }
}

double DockingGeometry::angle(Arrow arrow)
{
    switch (arrow) {
    case ForeToPort:
    case AftToPort:
        return -90;
    case AftToStarboard:
    case ForeToStarboard:
        return 90;
    case Astern:
        return 180;
    default:
        return 0;
    }
}

QPolygon DockingGeometry::placedArrow(Arrow arrow) const
{
    const QPolygon local = motionArrow.translated(-motionArrow.at(anchorPoint(arrow)));
    QTransform transform;
    transform.translate(arrowPosition[arrow].x(), arrowPosition[arrow].y());
    transform.rotate(angle(arrow));
    return transform.map(local);
}
