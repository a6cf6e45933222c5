#include "ui/runtime/DirectionAngleWidget.h"

#include "ui_DirectionAngleWidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace {

// Every drawn coordinate is computed in floating point and cut toward zero.
QPoint at(double x, double y)
{
    return QPoint(int(x), int(y));
}

} // namespace

DirectionAngleWidget::DirectionAngleWidget(QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::DirectionAngleWidget)
{
    // The form names the widget; one that already has a name (from its page's form) keeps it.
    const QString name = objectName();
    m_ui->setupUi(this);
    if (!name.isEmpty())
        setObjectName(name);
}

DirectionAngleWidget::~DirectionAngleWidget()
{
    delete m_ui;
}

void DirectionAngleWidget::setDirectionData(
    double angle, const QColor &color, const QString &speedClass, int descent)
{
    // The arrow of a received angle: whole turns are dropped, so that the arrow's position below is
    // computed on a number an integer holds; an angle that is no finite number points up.
    m_angle = std::isfinite(angle) ? std::fmod(angle, 360.0) : 0.0;
    m_color = color;
    m_speedClass = speedClass;
    m_descentRatio = height() > 0 ? float(descent) / float(height()) : 0.0f;
    update();
}

void DirectionAngleWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    const double h = height();
    if (m_speedClass == QLatin1String("RES"))
        drawVessel(painter, w, h);
    else if (m_speedClass == QLatin1String("TRA") || m_speedClass == QLatin1String("LONG"))
        drawBlockArrow(painter, w, h);
}

void DirectionAngleWidget::drawVessel(QPainter &painter, double w, double h) const
{
    painter.save();
    painter.translate(at(w / 2, h - h / 3));
    const double a = w / 4.5;
    const QPolygon hull(
        { at(-a, h / 3), at(-a, -h / 3.5), at(0, -h / 2), at(a, -h / 3.5), at(a, h / 3), at(-a, h / 3) });
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(hull);
    QPainterPath filled;
    filled.addPolygon(hull);
    painter.fillPath(filled, QColor(150, 150, 150, 150));
    painter.restore();

    painter.save();
    painter.translate(at(w / 2, 2 * h / 3));
    painter.rotate(m_angle);
    QPen dashed(m_color, 3, Qt::DashLine);
    painter.setPen(dashed);
    painter.drawLine(QPoint(0, 0), at(0, -h / 4));
    const QPolygon head(
        { at(0, -0.32 * h), at(0.07 * h, -0.25 * h), at(-0.07 * h, -0.25 * h), at(0, -0.32 * h) });
    painter.setPen(QPen(m_color, 1, Qt::SolidLine));
    painter.setBrush(m_color);
    painter.drawPolygon(head);
    painter.restore();
}

void DirectionAngleWidget::drawBlockArrow(QPainter &painter, double w, double h) const
{
    const double s5 = w / 5;
    const double s7 = w / 7;
    const double s10 = w / 10;
    const double d = h * double(m_descentRatio);

    painter.save();
    painter.translate(at(w / 2, h / 2));
    painter.rotate(m_angle);
    painter.translate(at(-w / 2, -h / 2));

    QPolygon arrow({ at(s10, 3 * s5), at(s10 + 2 * s7, 3 * s5), at(s10 + 2 * s7, s5),
        at(2 * s10 + 2 * s7, s5), at(s7 + s10, 0), at(0, s5), at(s10, s5), at(s10, 3 * s5) });
    // The shift is chosen in the turned frame so that the arrow, once turned, stands on the baseline of
    // the line's text: half a descent above the widget's bottom.
    const int whole = int(m_angle);
    QPoint shift;
    if (whole % 360 == 0)
        shift = at(w / 2 - (s7 + s10), h - 3 * s5 - d / 2);
    else if (whole % 180 == 0)
        shift = at(w / 2 - (s7 + s10), d / 2);
    else if (whole % 270 == 0)
        shift = at(d / 2, w / 2 - 1.5 * s5);
    else
        shift = at(h - 2 * (s7 + s10) - d / 2, w / 2 - 1.5 * s5);
    arrow.translate(shift);

    painter.setPen(Qt::NoPen);
    painter.setBrush(m_color);
    painter.drawPolygon(arrow);
    painter.restore();
}
