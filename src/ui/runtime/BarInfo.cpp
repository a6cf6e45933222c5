#include "ui/runtime/BarInfo.h"

#include "ui_BarInfo.h"

#include <QPainter>
#include <QStyleOption>

namespace {

// The flag of a constellation: the United States' for GPS ("GP", as the list names it, or "GPS"), the
// Russian Federation's for every other (GLONASS).
QString flagStyle(const QString &constellation)
{
    const bool gps = constellation == QLatin1String("GP") || constellation == QLatin1String("GPS");
    return gps ? QStringLiteral("border-image: url(:/images/US-United-States-Flag-icon.png);")
               : QStringLiteral("border-image: url(:/images/RU-Russia-Flag-icon.png);");
}

// The bar's value of a received ratio: held to the bar's range before it becomes an integer, which a
// ratio far outside it would not fit.
int barValue(float snr)
{
    return int(qBound(0.0f, snr, 100.0f));
}

} // namespace

BarInfo::BarInfo(int satelliteNumber, float snr, const QString &constellation, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::BarInfo)
    , m_satelliteNumber(satelliteNumber)
    , m_snr(snr)
    , m_constellation(constellation)
{
    ui->setupUi(this);
    ui->label_3->setText(constellation);
    const QString ratio = QString::number(double(snr), 'g', 6);
    ui->label_2->setStyleSheet(flagStyle(constellation));
    // The screen scaling leaves the row alone: the list sizes its rows itself.
    for (QWidget *widget : { static_cast<QWidget *>(this), static_cast<QWidget *>(ui->label),
             static_cast<QWidget *>(ui->label_2), static_cast<QWidget *>(ui->label_3),
             static_cast<QWidget *>(ui->label_4), static_cast<QWidget *>(ui->progressBar) })
        widget->setAccessibleDescription(QStringLiteral("ExcludeFromCL"));
    ui->label->setText(QString::number(satelliteNumber));
    const char *chunk = snr <= 25 ? "gray" : snr <= 50 ? "cyan" : snr <= 75 ? "blue" : "green";
    ui->progressBar->setStyleSheet(
        QStringLiteral("QProgressBar                 {\nborder: 1px solid white;\n\n\n"
                       "padding: 1px;\n\nbackground: rgb(17, 7, 7);\n\nwidth: 15px;\n}\n\n"
                       "                QProgressBar::chunk {\nbackground:")
        + QLatin1String(chunk) + QStringLiteral(";\n\nborder: 1px solid black;\n} "));
    ui->progressBar->setValue(barValue(snr));
    ui->label_4->setText(ratio);
}

BarInfo::~BarInfo()
{
    delete ui;
}

void BarInfo::setSatelliteNumber(int number)
{
    m_satelliteNumber = number;
    ui->label->setText(QString::number(number));
}

void BarInfo::setSnr(float snr)
{
    m_snr = snr;
    ui->progressBar->setValue(barValue(snr));
    ui->label_4->setText(QString::number(double(snr), 'f', 1));
}

void BarInfo::setConstellation(const QString &constellation)
{
    m_constellation = constellation;
    ui->label_2->setStyleSheet(flagStyle(constellation));
}

void BarInfo::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
