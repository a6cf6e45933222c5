#include "ui/runtime/Radar.h"

#include "data/ESDataClass.h"
#include "data/ESRuntime.h"
#include "data/SatelliteInfoSerializableData.h"
#include "ui/widgets/FieldText.h"
#include "ui_Radar.h"

#include <QDebug>

namespace {

const int valuesPerSatellite = 5;

} // namespace

Radar::Radar(QWidget *parent)
    : Radar(ESDataClass::instance()->satelliteInfo(), ESDataClass::instance()->runtime(), parent)
{
}

Radar::Radar(SatelliteInfoSerializableData *satellites, ESRuntime *runtime, QWidget *parent)
    : QWidget(parent)
    , m_satellitesData(satellites)
    , ui(new Ui::Radar)
{
    ui->setupUi(this);
    // The screen scaling sets the fonts of these; their geometry follows the page's layouts.
    for (QWidget *widget : { static_cast<QWidget *>(this), static_cast<QWidget *>(ui->widget), ui->widget_4,
             ui->widget_3, static_cast<QWidget *>(ui->widget_2) })
        widget->setAccessibleDescription(QStringLiteral("ExcludeFromCL_G"));

    connect(
        m_satellitesData, &SatelliteInfoSerializableData::SatellitePosInfoChanged, this, &Radar::updateInfo);
    connect(m_satellitesData, &SatelliteInfoSerializableData::ShowFlagChanged, this, [this](int value) {
        qDebug().noquote() << "Show flag:  " + QString::number(value);
        if (value == 0)
            updateInfo(m_satellitesData->SatellitePosInfo());
    });
    // The figures as the junction box sends them, as plain text cut to their fields: a text never grows
    // its label over the rows beside it or the sky plot.
    const auto show = [this, runtime](void (ESRuntime::*changed)(const QString &), QLabel *label) {
        connect(runtime, changed, label, [label](const QString &text) { FieldText::setText(label, text); });
    };
    show(&ESRuntime::GPS_StatusHdopChanged, ui->label_GPS_HDOP_VAL);
    show(&ESRuntime::GlonassStatusHdopChanged, ui->label_GL_HDOP_VAL);
    show(&ESRuntime::GPS_StatusEPEChanged, ui->label_GPS_EPE_VAL);
    show(&ESRuntime::GlonassStatusEPEChanged, ui->label_GL_EPE_VAL);
    show(&ESRuntime::StatusSatsNrChanged, ui->label_SAT_NR__VAL);
}

Radar::~Radar()
{
    delete ui;
}

void Radar::showEvent(QShowEvent *event)
{
    // The junction box learns that the page is shown and sends the satellites.
    m_satellitesData->setShowFlag(m_showValue);
    m_satellitesData->serializeSinglePropertyByName(QStringLiteral("ShowFlag"));
    QWidget::showEvent(event);
}

void Radar::updateInfo(QList<int> list)
{
    if (list != m_satellites)
        m_satellites = list;
    if (!isVisible())
        return;
    if (!m_satellitesData->isValid(QStringLiteral("SatellitePosInfo"))) {
        m_satellites.clear();
        ui->widget->setRadarInfo(m_satellites);
    }
    if (m_satellites.size() % valuesPerSatellite != 0) {
        qDebug() << "Bad info!!";
        return;
    }
    ui->widget->setRadarInfo(m_satellites);
    ui->widget_2->clearBars();
    for (int i = 0; i < m_satellites.size(); i += valuesPerSatellite)
        ui->widget_2->addBar(m_satellites.at(i), float(m_satellites.at(i + 3)));
}

void Radar::resetRadar()
{
    m_showValue = 0;
    m_satellites.clear();
    ui->widget->setRadarInfo(QList<int>());
    updateInfo(QList<int>());
    qDebug() << "RESET";
}
