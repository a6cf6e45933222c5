#include "ui/runtime/drawRadarSatellite.h"

#include <QPainter>
#include <QTextOption>
#include <QtMath>

namespace {

const int valuesPerDrawnSatellite = 5;

QPen plotPen(const QColor &color, qreal width, Qt::PenStyle style)
{
    return QPen(QBrush(color), width, style, Qt::SquareCap, Qt::BevelJoin);
}

// A point size from plot units; Qt refuses sizes below 1, which a very small plot would ask for.
int pointSize(float size)
{
    return qMax(1, int(size));
}

} // namespace

drawRadarSatellite::drawRadarSatellite(QWidget *parent)
    : QWidget(parent)
{
}

float drawRadarSatellite::horizonDiameter() const
{
    return float(qMin(halfWidth(), halfHeight())) * 1.7f;
}

QRectF drawRadarSatellite::satelliteRect(float x, float y) const
{
    const float u = unit();
    return QRectF(x - 7 * u, y - 7 * u, 14 * u, 14 * u);
}

void drawRadarSatellite::setRadarInfo(const QList<int> &radar_List)
{
    if (radar_List != m_satellites)
        m_satellites = radar_List;
    update();
}

void drawRadarSatellite::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    drawBackground();
    // Only complete groups of five: the satellite page never passes anything else, and a partial
    // group would be read past the end of the list.
    for (int i = 0; i + valuesPerDrawnSatellite <= m_satellites.size(); i += valuesPerDrawnSatellite)
        drawSatellite(m_satellites.at(i), float(m_satellites.at(i + 1)), float(m_satellites.at(i + 2)),
            float(m_satellites.at(i + 3)));
}

void drawRadarSatellite::drawBackground()
{
    const float w2 = halfWidth();
    const float h2 = halfHeight();
    const float d = horizonDiameter();
    const float u = unit();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();

    // The horizon disc, then the rings of elevation 15 to 75 degrees, darkest outside.
    painter.setBrush(QColor(5, 27, 28));
    painter.setPen(plotPen(Qt::white, u, Qt::SolidLine));
    painter.drawEllipse(int(w2 - d / 2), int(h2 - d / 2), int(d), int(d));
    painter.setPen(plotPen(Qt::darkGray, u, Qt::DashLine));
    const int step = int(d / 6);
    for (int k = 1; k <= 5; ++k) {
        const float dk = d - float(k * step);
        painter.setBrush(k == 1 ? QColor(5, 27, 28) : k <= 3 ? QColor(11, 58, 60) : QColor(33, 105, 108));
        painter.drawEllipse(int(w2 - dk / 2), int(h2 - dk / 2), int(dk), int(dk));
    }

    painter.setPen(plotPen(Qt::white, 1, Qt::SolidLine));
    painter.drawLine(int(w2), int(h2 - d / 2), int(w2), int(h2 + d / 2));
    painter.drawLine(int(w2 - d / 2), int(h2), int(w2 + d / 2), int(h2));

    // Elevation labels upright along the diagonal to the upper right, each 7 units outside its circle.
    font.setPointSize(pointSize(6 * u));
    painter.setFont(font);
    painter.save();
    painter.translate(w2, h2 - 5);
    painter.rotate(45);
    for (int k = 0; k <= 3; ++k) {
        const int offset = int(float(k * step) - 7 * u - d / 2);
        painter.translate(0, offset);
        painter.rotate(-45);
        painter.drawText(
            QRectF(-5 * u, -u, 15 * u, 15 * u), QString::number(k * 30) + QChar(0x00B0), QTextOption());
        painter.rotate(45);
        painter.translate(0, -offset);
    }
    painter.restore();

    font.setPointSize(pointSize(6 * u));
    painter.setFont(font);
    painter.setPen(plotPen(Qt::white, 1, Qt::SolidLine));
    const QTextOption option;
    painter.drawText(QRectF(w2 - 2 * u, h2 - d / 2 - 15 * u, 20 * u, 20 * u), QStringLiteral("N"), option);
    painter.drawText(
        QRectF(w2 + d / 2 + 7 * u, h2 - 5 * u, 20 * u, 20 * u), QStringLiteral("90\u00B0"), option);
    painter.drawText(
        QRectF(w2 - 6 * u, h2 + d / 2 + 2 * u, 20 * u, 20 * u), QStringLiteral("180\u00B0"), option);
    painter.drawText(
        QRectF(w2 - d / 2 - 25 * u, h2 - 5 * u, 20 * u, 20 * u), QStringLiteral("270\u00B0"), option);
}

void drawRadarSatellite::drawSatellite(int number, float elevation, float azimuth, float ratio)
{
    const float w2 = halfWidth();
    const float h2 = halfHeight();
    const float u = unit();

    const float r = u * (90 - elevation);
    const float t = (90 - azimuth) * 0.017453292f;
    const float x = std::cos(t) * r;
    const float y = std::sin(t) * r;

    if (ratio <= 25)
        m_dotColor = Qt::gray;
    else if (ratio <= 50)
        m_dotColor = Qt::cyan;
    else if (ratio <= 75)
        m_dotColor = Qt::blue;
    else if (ratio <= 100)
        m_dotColor = Qt::green;

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(plotPen(m_dotColor, u, Qt::SolidLine));
    painter.setBrush(m_dotColor);
    painter.drawEllipse(satelliteRect(w2 + x, h2 - y));

    QFont font = painter.font();
    font.setPointSize(pointSize(7 * u));
    painter.setFont(font);
    painter.setPen(plotPen(Qt::black, 1, Qt::SolidLine));
    const QString text = QString::number(number);
    QRectF box;
    switch (text.size()) {
    case 1:
        box = QRectF(w2 + x - 3 * u, h2 - y - 6 * u, 14 * u, 14 * u);
        break;
    case 2:
        box = QRectF(w2 + x - 5 * u, h2 - y - 6 * u, 14 * u, 14 * u);
        break;
    case 3:
        font.setPointSize(pointSize(5 * u));
        painter.setFont(font);
        box = QRectF(w2 + x - 6 * u, h2 - y - 4 * u, 14 * u, 14 * u);
        break;
    default:
        return;
    }
    painter.drawText(box, text, QTextOption());
}
