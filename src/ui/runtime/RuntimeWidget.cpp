#include "ui/runtime/RuntimeWidget.h"

#include "ui/CustomLayout.h"
#include "ui/RuntimeScreenScale.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTimer>

#include <cmath>

namespace {

const double pi = 3.141592653589793;

struct Simulation
{
    double tick = 0;
    double sogLongitudinal = 0;
    double sogTransverse = 0;
    double sog = 0;
    double sogAngle = 0;
    double sogOffset = 0;
    double stwLongitudinal = 0;
    double stwTransverse = 0;
    double stw = 0;
    double stwAngle = 0;
    double currentLongitudinal = 0;
    double currentTransverse = 0;
    double currentSpeed = 0;
    double currentAngle = 0;
    double depth = 0;
    double depthA = 0;
    double depthB = 0;
    double waterTemperature = 0;
    double auxiliary1 = 0;
    double tripDistance = 0;
    double totalDistance = 137.42;
    double alertHigh = 25.0;
    double alertLow = 5.0;
    double auxiliary2 = 20.0;
};

Simulation &simulation()
{
    static Simulation values;
    return values;
}

double length(double x, double y)
{
    return std::sqrt(x * x + y * y);
}

double angleDegrees(double y, double x)
{
    return std::atan2(y, x) * 180.0 / pi;
}

void step()
{
    Simulation &v = simulation();
    v.tick += 1;
    const double t = v.tick;
    if (t < 11) {
        v.sogLongitudinal = 30;
        v.sogTransverse = 0;
    } else if (t <= 20) {
        v.sogLongitudinal = 10;
    } else if (t <= 30) {
        v.sogLongitudinal = 2;
    } else if (t <= 40) {
        v.sogLongitudinal = 0.5;
    } else {
        v.sogLongitudinal = 30;
    }
    v.sog = length(v.sogTransverse, v.sogLongitudinal);
    v.sogAngle = angleDegrees(v.sogLongitudinal, v.sogTransverse);
    v.sogOffset = v.sogTransverse - 0.5;

    const double s = std::sin(t);
    v.stwLongitudinal = 10 * s + 1;
    v.stwTransverse = 6 * s + 1;
    v.stw = length(v.stwLongitudinal, v.stwTransverse);
    v.stwAngle = angleDegrees(v.stwLongitudinal, v.stwTransverse);

    v.currentLongitudinal = v.stwLongitudinal - v.sogLongitudinal;
    v.currentTransverse = v.stwTransverse - v.sogTransverse;
    v.currentSpeed = length(v.currentLongitudinal, v.currentTransverse);
    v.currentAngle = angleDegrees(v.currentLongitudinal, v.currentTransverse);

    v.auxiliary1 = 11 * s;
    v.depth = (v.depthA + v.depthB) / 2;
    v.waterTemperature = (s + 1) * 10;

    // The distance grows by the tick count, not by the period: at a constant speed it runs ever faster.
    const double distance = t * v.sog / 3600;
    v.tripDistance += distance;
    v.totalDistance += distance;

    const double u = std::sin(v.tripDistance / 5);
    v.depthA = (u + 1) * 75;
    v.depthB = (u + 1) * 65;
    v.auxiliary2 = 5 * s + 20;
}

// The one timer of every instance, owned by the application.
QTimer *sharedTimer()
{
    static QTimer *timer = nullptr;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setInterval(RuntimeWidget::simulationMs);
        QObject::connect(timer, &QTimer::timeout, timer, &step);
        timer->start();
    }
    return timer;
}

// A design length across (down) in whole pixels of the screen and of the runtime-page scale.
double across(double length)
{
    return std::round(length * screenScaleX() * runtimeScreenScaleX());
}

double down(double length)
{
    return std::round(length * screenScaleY() * runtimeScreenScaleY());
}

} // namespace

struct RuntimeWidget::TestOverride::Saved
{
    Simulation values;
};

RuntimeWidget::TestOverride::TestOverride()
    : m_saved(new Saved { simulation() })
{
    simulation() = Simulation();
}

RuntimeWidget::TestOverride::~TestOverride()
{
    simulation() = m_saved->values;
    delete m_saved;
}

RuntimeWidget::RuntimeWidget(QWidget *parent)
    : QWidget(parent)
{
    QPalette black = palette();
    black.setColor(QPalette::All, QPalette::Window, Qt::black);
    setPalette(black);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    connect(sharedTimer(), &QTimer::timeout, this, QOverload<>::of(&QWidget::update));
}

void RuntimeWidget::simulate()
{
    step();
}

int RuntimeWidget::simulationTicks()
{
    return int(simulation().tick);
}

double RuntimeWidget::runtimeValue(const QString &name)
{
    const Simulation &v = simulation();
    const struct
    {
        const char *name;
        double value;
    } names[] = { { "Water temp", v.waterTemperature }, { "Total", v.totalDistance },
        { "Trip", v.tripDistance }, { "Alert High", v.alertHigh }, { "Alert Low", v.alertLow },
        { "Depth", v.depth }, { "STW2 lon", v.stwLongitudinal }, { "STW2 tra", v.stwTransverse },
        { "SOG2L", v.sogLongitudinal }, { "SOG2", v.sog }, { "STW2", v.stw }, { "Draft", 1.4 },
        { "GPS SOG", 10.1 } };
    for (const auto &entry : names) {
        if (name == QLatin1String(entry.name))
            return entry.value;
    }
    return 0;
}

double *RuntimeWidget::runtimeValueReference(const QString &name)
{
    Simulation &v = simulation();
    const struct
    {
        const char *name;
        double *value;
    } names[] = { { "Water temp", &v.waterTemperature }, { "Total", &v.totalDistance },
        { "Trip", &v.tripDistance }, { "Alert Deep", &v.alertHigh }, { "Alert Low", &v.alertLow },
        { "Depth", &v.depth }, { "STW2 lon", &v.stwLongitudinal }, { "STW2 tra", &v.stwTransverse },
        { "SOG2L", &v.sogLongitudinal }, { "SOG2", &v.sog }, { "STW2", &v.stw }, { "Draft", &v.stw },
        { "GPS SOG", &v.stw } };
    for (const auto &entry : names) {
        if (name == QLatin1String(entry.name))
            return entry.value;
    }
    return nullptr;
}

void RuntimeWidget::setRuntimeAlertLimit(const QString &name, double value)
{
    if (name == QLatin1String("Alert High"))
        simulation().alertHigh = value;
    else if (name == QLatin1String("Alert Low"))
        simulation().alertLow = value;
}

void RuntimeWidget::drawVessel(QPainter *painter, const QRect &rect, double angle)
{
    painter->save();
    painter->translate(rect.center());
    QPolygonF hull({ QPointF(across(-20), down(31)), QPointF(across(20), down(31)),
        QPointF(across(20), down(-31)), QPointF(0, down(-31) - down(22)), QPointF(across(-20), down(-31)),
        QPointF(across(-20), down(31)) });
    hull.translate(0, down(11));
    QPainterPath path;
    path.addPolygon(hull);
    painter->fillPath(path, QColor(64, 64, 64));
    drawDirectionArrow(painter, angle);
    painter->restore();
}

void RuntimeWidget::drawDirectionArrow(QPainter *painter, double angle)
{
    painter->rotate(angle);
    QPen dashed = painter->pen();
    const QColor colour = dashed.color();
    dashed.setStyle(Qt::DashLine);
    painter->save();
    painter->setPen(dashed);
    painter->drawLine(QPointF(0, 0), QPointF(0, down(-40)));
    painter->restore();
    QPainterPath head;
    head.addPolygon(QPolygonF({ QPointF(0, down(-40)), QPointF(across(-7), down(-40) + down(12)),
        QPointF(across(7), down(-40) + down(12)), QPointF(0, down(-40)) }));
    painter->fillPath(head, colour);
    painter->rotate(-angle);
}

void RuntimeWidget::drawVesselOutline(QPainter *painter, const QRect &rect, double angle)
{
    const QColor fill = painter->pen().color();
    painter->save();
    painter->translate(rect.center());
    painter->rotate(angle);
    QPolygonF outline({ QPointF(across(-20), down(25)), QPointF(across(20), down(25)),
        QPointF(across(20), down(-25)), QPointF(across(34), down(-25)), QPointF(0, down(-50)),
        QPointF(across(-34), down(-25)), QPointF(across(-20), down(-25)), QPointF(across(-20), down(25)) });
    outline.translate(0, down(12.5));
    painter->setPen(Qt::black);
    painter->setBrush(fill);
    painter->drawPolygon(outline);
    painter->restore();
}
