#include "ui/setup/VesselGeometryWidget.h"

#include "common/BuildConfiguration.h"
#include "data/ESOptionsSetup.h"

#include <QDebug>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cmath>

namespace {

// A setting as the drawing uses it: truncated to a whole number. Values far outside what the validators
// allow are held to a range where every product below still fits an int.
int wholeNumber(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(qBound(-100000.0, value, 100000.0));
}

// A drawing position from a scaled distance; a position far off the canvas is held near it.
int position(double value)
{
    return qRound(qBound(-10000.0, value, 10000.0));
}

// The first row from the top at which the column (held to the picture) holds a non-zero pixel; the
// picture's height when it holds none, 0 when there is no picture.
int firstOpaqueRow(const QImage &picture, int column)
{
    if (picture.isNull())
        return 0;
    const int x = qBound(0, column, picture.width() - 1);
    for (int y = 0; y < picture.height(); ++y) {
        if (picture.pixel(x, y) != 0)
            return y;
    }
    return picture.height();
}

} // namespace

VesselGeometryWidget::VesselGeometryWidget(ESOptionsSetup *setup, QWidget *parent)
    : QWidget(parent)
    , m_setup(setup)
    , m_label(new QLabel(this))
{
    m_label->setScaledContents(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_label);

    connect(
        m_setup, &ESOptionsSetup::VesselLengthChanged, this, &VesselGeometryWidget::updateSetupInformation);
    connect(m_setup, &ESOptionsSetup::CcrpToBowDistanceChanged, this,
        &VesselGeometryWidget::updateSetupInformation);
    connect(m_setup, &ESOptionsSetup::CcrpToSternDistanceChanged, this,
        &VesselGeometryWidget::updateSetupInformation);
    connect(m_setup, &ESOptionsSetup::CcrpToAntennaDistanceChanged, this,
        &VesselGeometryWidget::updateSetupInformation);
    connect(
        m_setup, &ESOptionsSetup::VesselImageChanged, this, &VesselGeometryWidget::updateSetupInformation);
    updateSetupInformation();
}

void VesselGeometryWidget::updateSetupInformation()
{
    m_vesselLength = wholeNumber(m_setup->VesselLength());
    m_ccrpToBow = wholeNumber(m_setup->CcrpToBowDistance());
    m_ccrpToStern = wholeNumber(m_setup->CcrpToSternDistance());
    m_ccrpToAntenna = wholeNumber(m_setup->CcrpToAntennaDistance());
    const int image = m_setup->VesselImage();
    // Computed in 64 bits: the setting holds whatever integer its file or the junction box gave.
    m_picturePath = QStringLiteral("://images/vessel_%1.png").arg(qint64(image) + 2);
    qDebug().noquote() << "Vessel image: " + QString::number(image);
    redraw();
}

void VesselGeometryWidget::showEvent(QShowEvent *event)
{
    redraw();
    QWidget::showEvent(event);
}

void VesselGeometryWidget::redraw()
{
    if (!isVisible())
        return;

    m_canvas = QImage(canvasWidth, canvasHeight, QImage::Format_RGB32);
    m_canvas.fill(Qt::black);
    QPainter painter(&m_canvas);
    painter.setRenderHints(QPainter::SmoothPixmapTransform | QPainter::Antialiasing);
    QPen pen(QColor(144, 255, 112), 2, Qt::DashLine);
    painter.setPen(pen);
    double f = 1.0 / 3;
    if (BuildConfiguration::instance()->isLinux) {
        f = 0.4;
        QFont font = this->font();
        font.setPixelSize(11);
        painter.setFont(font);
    }
    const int w = m_canvas.width();
    const int h = m_canvas.height();
    const int band = qRound(h * f);
    const int half = m_step / 2;

    // A picture that is missing leaves the canvas without it; the marks are still drawn.
    const QImage picture
        = QImage(m_picturePath)
              .scaled(w, qRound(h * (1 - f)), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (picture.isNull())
        qDebug().noquote() << "Vessel picture missing: " + m_picturePath;
    else
        painter.drawImage(0, band, picture);

    // Stern and bow marks, the drawn hull length, and the CCRP and antenna columns on that scale.
    const int stern = qRound(w / 40.0);
    const int bow = qRound(39 * w / 40.0);
    const int drawnLength = qRound(38 * w / 40.0);
    const double length = qMax(1, m_vesselLength);
    const int ccrp = position(m_ccrpToStern * drawnLength / length);
    int antenna = position(m_ccrpToAntenna * drawnLength / length + ccrp);
    const int minimumGap = 6 * m_step;
    if (antenna >= ccrp && antenna - ccrp < minimumGap)
        antenna = ccrp + minimumGap;
    else if (antenna < ccrp && ccrp - antenna < minimumGap)
        antenna = ccrp - minimumGap;

    const int ccrpHullTop = band + firstOpaqueRow(picture, ccrp);
    const int antennaHullTop = band + firstOpaqueRow(picture, antenna);
    painter.drawLine(ccrp, qRound(band / 2.0), ccrp, ccrpHullTop - half);
    painter.drawLine(antenna, qRound(band / 3.0), antenna, antennaHullTop - half);

    // Dimension lines: dashed at once, their open arrowheads collected and drawn solid at the end.
    QVector<QLine> arrowheads;
    auto dimension = [&](int x1, int x2, int y1, int y2) {
        const int y = qMax(y1, y2) + half;
        const int left = qMin(x1, x2) + half;
        const int right = qMax(x1, x2) - half;
        painter.drawLine(left, y, right, y);
        arrowheads << QLine(left, y, left + m_step, y - half) << QLine(left, y, left + m_step, y + half)
                   << QLine(right, y, right - m_step, y - half) << QLine(right, y, right - m_step, y + half);
        return y;
    };
    const int antennaLineY = dimension(ccrp, antenna, qRound(11 * band / 18.0), qRound(band / 3.0));
    dimension(ccrp, stern, qRound(band / 2.0), qRound(4 * band / 5.0));
    dimension(ccrp, bow, qRound(band / 2.0), qRound(4 * band / 5.0));
    pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.drawLines(arrowheads);

    // Labels: the three distances written upwards beside their lines, the two marks over their lines.
    // A distance label longer than the room above its start is drawn smaller, so that it stays whole.
    auto upwards = [&](int centreX, int y, const QString &text) {
        painter.save();
        QFont font = painter.font();
        const int room = y - 2;
        const int advance = painter.fontMetrics().horizontalAdvance(text);
        if (advance > room && room > 0) {
            font.setPixelSize(qMax(7, QFontInfo(font).pixelSize() * room / advance));
            painter.setFont(font);
        }
        const QFontMetrics metrics = painter.fontMetrics();
        painter.translate(centreX + (metrics.ascent() - metrics.descent()) / 2, y);
        painter.rotate(-90);
        painter.drawText(0, 0, text);
        painter.restore();
    };
    const QFontMetrics metrics = painter.fontMetrics();
    const int sideLabelY = qRound(4 * band / 5.0) - 5;
    upwards((ccrp + antenna) / 2, antennaLineY - half, QStringLiteral("CCRP-Antenna"));
    upwards(stern + m_step + metrics.height() / 2, sideLabelY, QStringLiteral("CCRP-Stern"));
    upwards(bow - m_step - metrics.height() / 2, sideLabelY, QStringLiteral("CCRP-Bow"));
    auto centred = [&](int x, int baseline, const QString &text) {
        painter.drawText(x - metrics.horizontalAdvance(text) / 2, baseline, text);
    };
    centred(antenna, qRound(band / 3.0) - half, QStringLiteral("Antenna"));
    centred(ccrp, qRound(band / 2.0) - half, QStringLiteral("CCRP"));
    painter.end();

    m_label->setPixmap(QPixmap::fromImage(m_canvas));
}
