#ifndef ESRUNTIME_H
#define ESRUNTIME_H

#include "data/SerializableClass.h"

// "ESRuntime": the runtime values computed by the junction box and received as settings text: speeds
// and their angles, position, heading, rate of turn, distances, depths, supply voltages, satellite
// quality figures and times. Values start invalid until one arrives; every write stores and emits,
// also an unchanged value, so that a repeated value refreshes its readers.
class ESRuntime : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double AngleSpeedGPS READ AngleSpeedGPS WRITE setAngleSpeedGPS NOTIFY AngleSpeedGPSChanged)
    Q_CLASSINFO("AngleSpeedGPS",
        "type=runtime name=AngleSpeedGPS nameToDisplay=SOG_Angle unit=° measurement=angle changeable=false "
        "shownOnSideInfo=false numberOfDecimals=1")
    Q_PROPERTY(double SpeedGPS READ SpeedGPS WRITE setSpeedGPS NOTIFY SpeedGPSChanged)
    Q_CLASSINFO("SpeedGPS",
        "type=runtime name=SpeedGPS nameToDisplay=SOG unit=kn measurement=speed changeable=true "
        "angleProperty=AngleSpeedGPS colorClass=GPS speedClass=RES unitInTitle=true")
    Q_PROPERTY(
        double SpeedSOGGpsLong READ SpeedSOGGpsLong WRITE setSpeedSOGGpsLong NOTIFY SpeedSOGGpsLongChanged)
    Q_CLASSINFO("SpeedSOGGpsLong",
        "type=runtime name=SpeedSOGGpsLong nameToDisplay=SOG_L unit=kn measurement=speed changeable=true "
        "colorClass=SOG speedClass=LONG unitInTitle=true")
    Q_PROPERTY(double SpeedSOGGpsTra READ SpeedSOGGpsTra WRITE setSpeedSOGGpsTra NOTIFY SpeedSOGGpsTraChanged)
    Q_CLASSINFO("SpeedSOGGpsTra",
        "type=runtime name=SpeedSOGGpsTra nameToDisplay=SOG_T unit=kn measurement=speed changeable=true "
        "colorClass=SOG speedClass=TRA unitInTitle=true")
    Q_PROPERTY(double SpeedSOGGpsTraFore READ SpeedSOGGpsTraFore WRITE setSpeedSOGGpsTraFore NOTIFY
            SpeedSOGGpsTraForeChanged)
    Q_CLASSINFO("SpeedSOGGpsTraFore",
        "type=runtime name=SpeedSOGGpsTraFore nameToDisplay=SOG_T_Fore unit=kn measurement=speed "
        "changeable=true colorClass=SOG speedClass=TRA shownOnSideInfo=false unitInTitle=true")
    Q_PROPERTY(double SpeedSOGGpsTraAft READ SpeedSOGGpsTraAft WRITE setSpeedSOGGpsTraAft NOTIFY
            SpeedSOGGpsTraAftChanged)
    Q_CLASSINFO("SpeedSOGGpsTraAft",
        "type=runtime name=SpeedSOGGpsTraAft nameToDisplay=SOG_T_Aft unit=kn measurement=speed "
        "changeable=true colorClass=SOG speedClass=TRA unitInTitle=true")
    Q_PROPERTY(double AngleSpeedSOGLog READ AngleSpeedSOGLog WRITE setAngleSpeedSOGLog NOTIFY
            AngleSpeedSOGLogChanged)
    Q_CLASSINFO("AngleSpeedSOGLog",
        "type=runtime name=AngleSpeedSOGLog nameToDisplay=SOG_Angle_From_Log unit=° measurement=angle "
        "changeable=false shownOnSideInfo=false numberOfDecimals=1")
    Q_PROPERTY(double SpeedSOGLog READ SpeedSOGLog WRITE setSpeedSOGLog NOTIFY SpeedSOGLogChanged)
    Q_CLASSINFO("SpeedSOGLog",
        "type=runtime name=SpeedSOGLog nameToDisplay=SOG_LOG unit=kn measurement=speed changeable=true "
        "angleProperty=AngleSpeedSOGLog colorClass=SOG speedClass=RES unitInTitle=true")
    Q_PROPERTY(
        double SpeedSOGLogLong READ SpeedSOGLogLong WRITE setSpeedSOGLogLong NOTIFY SpeedSOGLogLongChanged)
    Q_CLASSINFO("SpeedSOGLogLong",
        "type=runtime name=SpeedSOGLogLong nameToDisplay=SOG_L_Log unit=kn measurement=speed changeable=true "
        "colorClass=SOG speedClass=LONG unitInTitle=true")
    Q_PROPERTY(double SpeedSOGLogTra READ SpeedSOGLogTra WRITE setSpeedSOGLogTra NOTIFY SpeedSOGLogTraChanged)
    Q_CLASSINFO("SpeedSOGLogTra",
        "type=runtime name=SpeedSOGLogTra nameToDisplay=SOG_T_Log unit=kn measurement=speed changeable=true "
        "colorClass=SOG speedClass=TRA")
    Q_PROPERTY(double SpeedSOGLogTraFore READ SpeedSOGLogTraFore WRITE setSpeedSOGLogTraFore NOTIFY
            SpeedSOGLogTraForeChanged)
    Q_CLASSINFO("SpeedSOGLogTraFore",
        "type=runtime name=SpeedSOGLogTraFore nameToDisplay=SOG_T_Fore_LogG unit=kn measurement=speed "
        "changeable=true colorClass=SOG speedClass=TRA shownOnSideInfo=false")
    Q_PROPERTY(double SpeedSOGLogTraAft READ SpeedSOGLogTraAft WRITE setSpeedSOGLogTraAft NOTIFY
            SpeedSOGLogTraAftChanged)
    Q_CLASSINFO("SpeedSOGLogTraAft",
        "type=runtime name=SpeedSOGLogTraAft nameToDisplay=SOG_T_Aft_Log unit=kn measurement=speed "
        "changeable=true colorClass=SOG speedClass=TRA unitInTitle=true")
    Q_PROPERTY(double AngleSpeedSTWLog READ AngleSpeedSTWLog WRITE setAngleSpeedSTWLog NOTIFY
            AngleSpeedSTWLogChanged)
    Q_CLASSINFO("AngleSpeedSTWLog",
        "type=runtime name=AngleSpeedSTWLog nameToDisplay=STW_Angle_From_Log unit=° measurement=angle "
        "changeable=false shownOnSideInfo=false numberOfDecimals=1")
    Q_PROPERTY(double SpeedSTWLog READ SpeedSTWLog WRITE setSpeedSTWLog NOTIFY SpeedSTWLogChanged)
    Q_CLASSINFO("SpeedSTWLog",
        "type=runtime name=SpeedSTWLog nameToDisplay=STW_LOG unit=kn measurement=speed changeable=true "
        "angleProperty=AngleSpeedSTWLog colorClass=STW speedClass=RES unitInTitle=true")
    Q_PROPERTY(
        double SpeedSTWLogLong READ SpeedSTWLogLong WRITE setSpeedSTWLogLong NOTIFY SpeedSTWLogLongChanged)
    Q_CLASSINFO("SpeedSTWLogLong",
        "type=runtime name=SpeedSTWLogLong nameToDisplay=STW_L_Log unit=kn measurement=speed changeable=true "
        "colorClass=STW speedClass=LONG unitInTitle=true")
    Q_PROPERTY(double SpeedSTWLogTra READ SpeedSTWLogTra WRITE setSpeedSTWLogTra NOTIFY SpeedSTWLogTraChanged)
    Q_CLASSINFO("SpeedSTWLogTra",
        "type=runtime name=SpeedSTWLogTra nameToDisplay=STW_T_Log unit=kn measurement=speed changeable=true "
        "colorClass=STW speedClass=TRA unitInTitle=true")
    Q_PROPERTY(double AngleWaterCurrent READ AngleWaterCurrent WRITE setAngleWaterCurrent NOTIFY
            AngleWaterCurrentChanged)
    Q_CLASSINFO("AngleWaterCurrent",
        "type=runtime name=AngleWaterCurrent nameToDisplay=Angle_Water_Current unit=° measurement=angle "
        "changeable=false  shownOnSideInfo=false numberOfDecimals=1")
    Q_PROPERTY(double WaterCurrent READ WaterCurrent WRITE setWaterCurrent NOTIFY WaterCurrentChanged)
    Q_CLASSINFO("WaterCurrent",
        "type=runtime name=WaterCurrent nameToDisplay=Water_Current unit=kn measurement=speed "
        "changeable=false angleProperty=AngleWaterCurrent colorClass=CUR speedClass=RES "
        "shownOnSideInfo=false")
    Q_PROPERTY(QString PositionNS READ PositionNS WRITE setPositionNS NOTIFY PositionNSChanged)
    Q_CLASSINFO("PositionNS", "type=runtime name=PositionNS nameToDisplay=Lat numberOfDecimals=3")
    Q_PROPERTY(QString PositionEW READ PositionEW WRITE setPositionEW NOTIFY PositionEWChanged)
    Q_CLASSINFO("PositionEW", "type=runtime name=PositionEW nameToDisplay=Lon numberOfDecimals=3")
    Q_PROPERTY(double HeadingFromAntenna READ HeadingFromAntenna WRITE setHeadingFromAntenna NOTIFY
            HeadingFromAntennaChanged)
    Q_CLASSINFO("HeadingFromAntenna",
        "type=runtime name=HeadingFromAntenna nameToDisplay=Heading_Antenna° shownOnSideInfo=false "
        "numberOfDecimals=1")
    Q_PROPERTY(double Heading READ Heading WRITE setHeading NOTIFY HeadingChanged)
    Q_CLASSINFO("Heading", "type=runtime name=Heading nameToDisplay=Heading_° numberOfDecimals=1")
    Q_PROPERTY(double ROT READ ROT WRITE setROT NOTIFY ROTChanged)
    Q_CLASSINFO("ROT", "type=runtime name=ROT nameToDisplay=ROT_°/min numberOfDecimals=1")
    Q_PROPERTY(double Temperature READ Temperature WRITE setTemperature NOTIFY TemperatureChanged)
    Q_CLASSINFO("Temperature", "type=runtime name=Temperature nameToDisplay=Temperature_°C")
    Q_PROPERTY(double Total READ Total WRITE setTotal NOTIFY TotalChanged)
    Q_CLASSINFO("Total",
        "type=runtime name=Total unit=NM measurement=distance changeable=true numberOfDecimals=1 "
        "unitInTitle=true colorClass=SOG")
    Q_PROPERTY(double Trip READ Trip WRITE setTrip NOTIFY TripChanged)
    Q_CLASSINFO("Trip",
        "type=runtime name=Trip unit=NM measurement=distance changeable=true longPress=Change;Default:0.0 "
        "numberOfDecimals=2 unitInTitle=true colorClass=SOG")
    Q_PROPERTY(double WaterTotal READ WaterTotal WRITE setWaterTotal NOTIFY WaterTotalChanged)
    Q_CLASSINFO("WaterTotal",
        "type=runtime name=WaterTotal unit=NM measurement=distance changeable=true numberOfDecimals=1 "
        "unitInTitle=true colorClass=STW")
    Q_PROPERTY(double WaterTrip READ WaterTrip WRITE setWaterTrip NOTIFY WaterTripChanged)
    Q_CLASSINFO("WaterTrip",
        "type=runtime name=WaterTrip unit=NM measurement=distance changeable=true numberOfDecimals=2 "
        "unitInTitle=true colorClass=STW")
    Q_PROPERTY(double LOGDepth READ LOGDepth WRITE setLOGDepth NOTIFY LOGDepthChanged)
    Q_CLASSINFO("LOGDepth",
        "type=runtime name=LOGDepth nameToDisplay=DPTH_From_LOG unit=m measurement=depth changeable=true "
        "unitInTitle=true numberOfDecimals=1")
    Q_PROPERTY(QString UtcDateTime READ UtcDateTime WRITE setUtcDateTime NOTIFY UtcDateTimeChanged)
    Q_CLASSINFO("UtcDateTime",
        "type=runtime name=UtcDateTime nameToDisplay=UtcDateTime isNumeric=false shownOnSideInfo=false")
    Q_PROPERTY(QString LocalDateTime READ LocalDateTime WRITE setLocalDateTime NOTIFY LocalDateTimeChanged)
    Q_CLASSINFO("LocalDateTime",
        "type=runtime name=LocalDateTime nameToDisplay=LocalDateTime isNumeric=false shownOnSideInfo=false")
    Q_PROPERTY(int UtcToLocalDateTimeSecsOffset READ UtcToLocalDateTimeSecsOffset WRITE
            setUtcToLocalDateTimeSecsOffset NOTIFY UtcToLocalDateTimeSecsOffsetChanged)
    Q_CLASSINFO("UtcToLocalDateTimeSecsOffset",
        "type=runtime name=UtcToLocalDateTimeSecsOffset nameToDisplay=UtcToLocalDateTimeSecsOffset "
        "isNumeric=true shownOnSideInfo=false defaultValue=0")
    Q_PROPERTY(double Cu24V READ Cu24V WRITE setCu24V NOTIFY Cu24VChanged)
    Q_CLASSINFO("Cu24V",
        "type=runtime name=Cu24V nameToDisplay=Display_24V_Measurement unit=V measurement=other "
        "changeable=false shownOnSideInfo=false validator=float;21.0;28")
    Q_PROPERTY(double Cu5V READ Cu5V WRITE setCu5V NOTIFY Cu5VChanged)
    Q_CLASSINFO("Cu5V",
        "type=runtime name=Cu5V nameToDisplay=Display_5V_Measurement unit=V measurement=other "
        "changeable=false shownOnSideInfo=false")
    Q_PROPERTY(double Cu3V3 READ Cu3V3 WRITE setCu3V3 NOTIFY Cu3V3Changed)
    Q_CLASSINFO("Cu3V3",
        "type=runtime name=Cu3V3 nameToDisplay=Display_3V3_Measurement unit=V measurement=other "
        "changeable=false shownOnSideInfo=false")
    Q_PROPERTY(double Jb24V READ Jb24V WRITE setJb24V NOTIFY Jb24VChanged)
    Q_CLASSINFO("Jb24V",
        "type=runtime name=Jb24V nameToDisplay=JB_24V_Measurement unit=V measurement=other changeable=false "
        "shownOnSideInfo=false")
    Q_PROPERTY(double Jb5V READ Jb5V WRITE setJb5V NOTIFY Jb5VChanged)
    Q_CLASSINFO("Jb5V",
        "type=runtime name=Jb5V nameToDisplay=JB_5V_Measurement unit=V measurement=other changeable=false "
        "shownOnSideInfo=false")
    Q_PROPERTY(double Jb3V3 READ Jb3V3 WRITE setJb3V3 NOTIFY Jb3V3Changed)
    Q_CLASSINFO("Jb3V3",
        "type=runtime name=Jb3V3 nameToDisplay=JB_3V3_Measurement unit=V measurement=other changeable=false "
        "shownOnSideInfo=false")
    Q_PROPERTY(
        QString GPS_StatusHdop READ GPS_StatusHdop WRITE setGPS_StatusHdop NOTIFY GPS_StatusHdopChanged)
    Q_CLASSINFO("GPS_StatusHdop", "type=runtime name=GPS_StatusHdop nameToDisplay=GPS_HDOP")
    Q_PROPERTY(QString GalileoStatusHdop READ GalileoStatusHdop WRITE setGalileoStatusHdop NOTIFY
            GalileoStatusHdopChanged)
    Q_CLASSINFO("GalileoStatusHdop", "type=runtime name=GalileoStatusHdop nameToDisplay=Galileo_HDOP")
    Q_PROPERTY(QString GlonassStatusHdop READ GlonassStatusHdop WRITE setGlonassStatusHdop NOTIFY
            GlonassStatusHdopChanged)
    Q_CLASSINFO("GlonassStatusHdop", "type=runtime name=GlonassStatusHdop nameToDisplay=Glonass_HDOP")
    Q_PROPERTY(QString GPS_StatusEPE READ GPS_StatusEPE WRITE setGPS_StatusEPE NOTIFY GPS_StatusEPEChanged)
    Q_CLASSINFO("GPS_StatusEPE", "type=runtime name=GPS_StatusEPE nameToDisplay=GPS_EPE")
    Q_PROPERTY(QString GalileoStatusEPE READ GalileoStatusEPE WRITE setGalileoStatusEPE NOTIFY
            GalileoStatusEPEChanged)
    Q_CLASSINFO("GalileoStatusEPE", "type=runtime name=GalileoStatusEPE nameToDisplay=Galileo_EPE")
    Q_PROPERTY(QString GlonassStatusEPE READ GlonassStatusEPE WRITE setGlonassStatusEPE NOTIFY
            GlonassStatusEPEChanged)
    Q_CLASSINFO("GlonassStatusEPE", "type=runtime name=GlonassStatusEPE nameToDisplay=Glonass_EPE")
    Q_PROPERTY(QString CombinedStatusEPE READ CombinedStatusEPE WRITE setCombinedStatusEPE NOTIFY
            CombinedStatusEPEChanged)
    Q_CLASSINFO("CombinedStatusEPE", "type=runtime name=CombinedStatusEPE nameToDisplay=Combined_EPE")
    Q_PROPERTY(QString StatusSatsNr READ StatusSatsNr WRITE setStatusSatsNr NOTIFY StatusSatsNrChanged)
    Q_CLASSINFO("StatusSatsNr", "type=runtime name=StatusSatsNr nameToDisplay=SAT_NR")
    Q_PROPERTY(double DepthSurface READ DepthSurface WRITE setDepthSurface NOTIFY DepthSurfaceChanged)
    Q_CLASSINFO("DepthSurface",
        "type=runtime name=DepthSurface nameToDisplay=DPTH_Blw_Surface unit=m measurement=depth "
        "changeable=true")
    Q_PROPERTY(double DepthKeel READ DepthKeel WRITE setDepthKeel NOTIFY DepthKeelChanged)
    Q_CLASSINFO("DepthKeel",
        "type=runtime name=DepthKeel nameToDisplay=DPTH_Blw_Keel unit=m measurement=depth changeable=true")
    Q_PROPERTY(
        double DepthTransducer READ DepthTransducer WRITE setDepthTransducer NOTIFY DepthTransducerChanged)
    Q_CLASSINFO("DepthTransducer",
        "type=runtime name=DepthTransducer nameToDisplay=DPTH_Blw_Trans unit=m measurement=depth "
        "changeable=true")
    Q_PROPERTY(
        double DepthSurfaceCh1 READ DepthSurfaceCh1 WRITE setDepthSurfaceCh1 NOTIFY DepthSurfaceCh1Changed)
    Q_CLASSINFO("DepthSurfaceCh1",
        "type=runtime name=DepthSurfaceCh1 nameToDisplay=DPTH_Blw_Surface unit=m measurement=depth "
        "changeable=true shownOnSideInfo=false")
    Q_PROPERTY(double DepthKeelCh1 READ DepthKeelCh1 WRITE setDepthKeelCh1 NOTIFY DepthKeelCh1Changed)
    Q_CLASSINFO("DepthKeelCh1",
        "type=runtime name=DepthKeelCh1 nameToDisplay=DPTH_Blw_Keel unit=m measurement=depth changeable=true "
        "shownOnSideInfo=false")
    Q_PROPERTY(double DepthTransducerCh1 READ DepthTransducerCh1 WRITE setDepthTransducerCh1 NOTIFY
            DepthTransducerCh1Changed)
    Q_CLASSINFO("DepthTransducerCh1",
        "type=runtime name=DepthTransducerCh1 nameToDisplay=DPTH_Blw_Trans unit=m measurement=depth "
        "changeable=true shownOnSideInfo=false")
    Q_PROPERTY(
        double DepthSurfaceCh2 READ DepthSurfaceCh2 WRITE setDepthSurfaceCh2 NOTIFY DepthSurfaceCh2Changed)
    Q_CLASSINFO("DepthSurfaceCh2",
        "type=runtime name=DepthSurfaceCh2 nameToDisplay=DPTH_Blw_Surface unit=m measurement=depth "
        "changeable=true shownOnSideInfo=false")
    Q_PROPERTY(double DepthKeelCh2 READ DepthKeelCh2 WRITE setDepthKeelCh2 NOTIFY DepthKeelCh2Changed)
    Q_CLASSINFO("DepthKeelCh2",
        "type=runtime name=DepthKeelCh2 nameToDisplay=DPTH_Blw_Keel unit=m measurement=depth changeable=true "
        "shownOnSideInfo=false")
    Q_PROPERTY(double DepthTransducerCh2 READ DepthTransducerCh2 WRITE setDepthTransducerCh2 NOTIFY
            DepthTransducerCh2Changed)
    Q_CLASSINFO("DepthTransducerCh2",
        "type=runtime name=DepthTransducerCh2 nameToDisplay=DPTH_Blw_Trans unit=m measurement=depth "
        "changeable=true shownOnSideInfo=false")
    Q_PROPERTY(QString LatitudeDegreesSigned READ LatitudeDegreesSigned WRITE setLatitudeDegreesSigned NOTIFY
            LatitudeDegreesSignedChanged)
    Q_CLASSINFO("LatitudeDegreesSigned",
        "type=runtime name=LatitudeDegreesSigned nameToDisplay=Latitude_° isNumeric=false "
        "shownOnSideInfo=false")
    Q_PROPERTY(QString LongitudeDegreesSigned READ LongitudeDegreesSigned WRITE setLongitudeDegreesSigned
            NOTIFY LongitudeDegreesSignedChanged)
    Q_CLASSINFO("LongitudeDegreesSigned",
        "type=runtime name=LongitudeDegreesSigned nameToDisplay=Longitude_° isNumeric=false "
        "shownOnSideInfo=false")

public:
    explicit ESRuntime(QObject *parent = nullptr, const QString &name = QStringLiteral("ESRuntime"));

    double AngleSpeedGPS() const { return m_AngleSpeedGPS; }
    double SpeedGPS() const { return m_SpeedGPS; }
    double SpeedSOGGpsLong() const { return m_SpeedSOGGpsLong; }
    double SpeedSOGGpsTra() const { return m_SpeedSOGGpsTra; }
    double SpeedSOGGpsTraFore() const { return m_SpeedSOGGpsTraFore; }
    double SpeedSOGGpsTraAft() const { return m_SpeedSOGGpsTraAft; }
    double AngleSpeedSOGLog() const { return m_AngleSpeedSOGLog; }
    double SpeedSOGLog() const { return m_SpeedSOGLog; }
    double SpeedSOGLogLong() const { return m_SpeedSOGLogLong; }
    double SpeedSOGLogTra() const { return m_SpeedSOGLogTra; }
    double SpeedSOGLogTraFore() const { return m_SpeedSOGLogTraFore; }
    double SpeedSOGLogTraAft() const { return m_SpeedSOGLogTraAft; }
    double AngleSpeedSTWLog() const { return m_AngleSpeedSTWLog; }
    double SpeedSTWLog() const { return m_SpeedSTWLog; }
    double SpeedSTWLogLong() const { return m_SpeedSTWLogLong; }
    double SpeedSTWLogTra() const { return m_SpeedSTWLogTra; }
    double AngleWaterCurrent() const { return m_AngleWaterCurrent; }
    double WaterCurrent() const { return m_WaterCurrent; }
    QString PositionNS() const { return m_PositionNS; }
    QString PositionEW() const { return m_PositionEW; }
    double HeadingFromAntenna() const { return m_HeadingFromAntenna; }
    double Heading() const { return m_Heading; }
    double ROT() const { return m_ROT; }
    double Temperature() const { return m_Temperature; }
    double Total() const { return m_Total; }
    double Trip() const { return m_Trip; }
    double WaterTotal() const { return m_WaterTotal; }
    double WaterTrip() const { return m_WaterTrip; }
    double LOGDepth() const { return m_LOGDepth; }
    QString UtcDateTime() const { return m_UtcDateTime; }
    QString LocalDateTime() const { return m_LocalDateTime; }
    int UtcToLocalDateTimeSecsOffset() const { return m_UtcToLocalDateTimeSecsOffset; }
    double Cu24V() const { return m_Cu24V; }
    double Cu5V() const { return m_Cu5V; }
    double Cu3V3() const { return m_Cu3V3; }
    double Jb24V() const { return m_Jb24V; }
    double Jb5V() const { return m_Jb5V; }
    double Jb3V3() const { return m_Jb3V3; }
    QString GPS_StatusHdop() const { return m_GPS_StatusHdop; }
    QString GalileoStatusHdop() const { return m_GalileoStatusHdop; }
    QString GlonassStatusHdop() const { return m_GlonassStatusHdop; }
    QString GPS_StatusEPE() const { return m_GPS_StatusEPE; }
    QString GalileoStatusEPE() const { return m_GalileoStatusEPE; }
    QString GlonassStatusEPE() const { return m_GlonassStatusEPE; }
    QString CombinedStatusEPE() const { return m_CombinedStatusEPE; }
    QString StatusSatsNr() const { return m_StatusSatsNr; }
    double DepthSurface() const { return m_DepthSurface; }
    double DepthKeel() const { return m_DepthKeel; }
    double DepthTransducer() const { return m_DepthTransducer; }
    double DepthSurfaceCh1() const { return m_DepthSurfaceCh1; }
    double DepthKeelCh1() const { return m_DepthKeelCh1; }
    double DepthTransducerCh1() const { return m_DepthTransducerCh1; }
    double DepthSurfaceCh2() const { return m_DepthSurfaceCh2; }
    double DepthKeelCh2() const { return m_DepthKeelCh2; }
    double DepthTransducerCh2() const { return m_DepthTransducerCh2; }
    QString LatitudeDegreesSigned() const { return m_LatitudeDegreesSigned; }
    QString LongitudeDegreesSigned() const { return m_LongitudeDegreesSigned; }

    void setAngleSpeedGPS(double value);
    void setSpeedGPS(double value);
    void setSpeedSOGGpsLong(double value);
    void setSpeedSOGGpsTra(double value);
    void setSpeedSOGGpsTraFore(double value);
    void setSpeedSOGGpsTraAft(double value);
    void setAngleSpeedSOGLog(double value);
    void setSpeedSOGLog(double value);
    void setSpeedSOGLogLong(double value);
    void setSpeedSOGLogTra(double value);
    void setSpeedSOGLogTraFore(double value);
    void setSpeedSOGLogTraAft(double value);
    void setAngleSpeedSTWLog(double value);
    void setSpeedSTWLog(double value);
    void setSpeedSTWLogLong(double value);
    void setSpeedSTWLogTra(double value);
    void setAngleWaterCurrent(double value);
    void setWaterCurrent(double value);
    void setPositionNS(const QString &value);
    void setPositionEW(const QString &value);
    void setHeadingFromAntenna(double value);
    void setHeading(double value);
    void setROT(double value);
    void setTemperature(double value);
    void setTotal(double value);
    void setTrip(double value);
    void setWaterTotal(double value);
    void setWaterTrip(double value);
    void setLOGDepth(double value);
    void setUtcDateTime(const QString &value);
    void setLocalDateTime(const QString &value);
    void setUtcToLocalDateTimeSecsOffset(int value);
    void setCu24V(double value);
    void setCu5V(double value);
    void setCu3V3(double value);
    void setJb24V(double value);
    void setJb5V(double value);
    void setJb3V3(double value);
    void setGPS_StatusHdop(const QString &value);
    void setGalileoStatusHdop(const QString &value);
    void setGlonassStatusHdop(const QString &value);
    void setGPS_StatusEPE(const QString &value);
    void setGalileoStatusEPE(const QString &value);
    void setGlonassStatusEPE(const QString &value);
    void setCombinedStatusEPE(const QString &value);
    void setStatusSatsNr(const QString &value);
    void setDepthSurface(double value);
    void setDepthKeel(double value);
    void setDepthTransducer(double value);
    void setDepthSurfaceCh1(double value);
    void setDepthKeelCh1(double value);
    void setDepthTransducerCh1(double value);
    void setDepthSurfaceCh2(double value);
    void setDepthKeelCh2(double value);
    void setDepthTransducerCh2(double value);
    void setLatitudeDegreesSigned(const QString &value);
    void setLongitudeDegreesSigned(const QString &value);

signals:
    void AngleSpeedGPSChanged(double value);
    void SpeedGPSChanged(double value);
    void SpeedSOGGpsLongChanged(double value);
    void SpeedSOGGpsTraChanged(double value);
    void SpeedSOGGpsTraForeChanged(double value);
    void SpeedSOGGpsTraAftChanged(double value);
    void AngleSpeedSOGLogChanged(double value);
    void SpeedSOGLogChanged(double value);
    void SpeedSOGLogLongChanged(double value);
    void SpeedSOGLogTraChanged(double value);
    void SpeedSOGLogTraForeChanged(double value);
    void SpeedSOGLogTraAftChanged(double value);
    void AngleSpeedSTWLogChanged(double value);
    void SpeedSTWLogChanged(double value);
    void SpeedSTWLogLongChanged(double value);
    void SpeedSTWLogTraChanged(double value);
    void AngleWaterCurrentChanged(double value);
    void WaterCurrentChanged(double value);
    void PositionNSChanged(const QString &value);
    void PositionEWChanged(const QString &value);
    void HeadingFromAntennaChanged(double value);
    void HeadingChanged(double value);
    void ROTChanged(double value);
    void TemperatureChanged(double value);
    void TotalChanged(double value);
    void TripChanged(double value);
    void WaterTotalChanged(double value);
    void WaterTripChanged(double value);
    void LOGDepthChanged(double value);
    void UtcDateTimeChanged(const QString &value);
    void LocalDateTimeChanged(const QString &value);
    void UtcToLocalDateTimeSecsOffsetChanged(int value);
    void Cu24VChanged(double value);
    void Cu5VChanged(double value);
    void Cu3V3Changed(double value);
    void Jb24VChanged(double value);
    void Jb5VChanged(double value);
    void Jb3V3Changed(double value);
    void GPS_StatusHdopChanged(const QString &value);
    void GalileoStatusHdopChanged(const QString &value);
    void GlonassStatusHdopChanged(const QString &value);
    void GPS_StatusEPEChanged(const QString &value);
    void GalileoStatusEPEChanged(const QString &value);
    void GlonassStatusEPEChanged(const QString &value);
    void CombinedStatusEPEChanged(const QString &value);
    void StatusSatsNrChanged(const QString &value);
    void DepthSurfaceChanged(double value);
    void DepthKeelChanged(double value);
    void DepthTransducerChanged(double value);
    void DepthSurfaceCh1Changed(double value);
    void DepthKeelCh1Changed(double value);
    void DepthTransducerCh1Changed(double value);
    void DepthSurfaceCh2Changed(double value);
    void DepthKeelCh2Changed(double value);
    void DepthTransducerCh2Changed(double value);
    void LatitudeDegreesSignedChanged(const QString &value);
    void LongitudeDegreesSignedChanged(const QString &value);

private:
    double m_AngleSpeedGPS = 0.0;
    double m_SpeedGPS = 0.0;
    double m_SpeedSOGGpsLong = 0.0;
    double m_SpeedSOGGpsTra = 0.0;
    double m_SpeedSOGGpsTraFore = 0.0;
    double m_SpeedSOGGpsTraAft = 0.0;
    double m_AngleSpeedSOGLog = 0.0;
    double m_SpeedSOGLog = 0.0;
    double m_SpeedSOGLogLong = 0.0;
    double m_SpeedSOGLogTra = 0.0;
    double m_SpeedSOGLogTraFore = 0.0;
    double m_SpeedSOGLogTraAft = 0.0;
    double m_AngleSpeedSTWLog = 0.0;
    double m_SpeedSTWLog = 0.0;
    double m_SpeedSTWLogLong = 0.0;
    double m_SpeedSTWLogTra = 0.0;
    double m_AngleWaterCurrent = 0.0;
    double m_WaterCurrent = 0.0;
    QString m_PositionNS;
    QString m_PositionEW;
    double m_HeadingFromAntenna = 0.0;
    double m_Heading = 0.0;
    double m_ROT = 0.0;
    double m_Temperature = 0.0;
    double m_Total = 0.0;
    double m_Trip = 0.0;
    double m_WaterTotal = 0.0;
    double m_WaterTrip = 0.0;
    double m_LOGDepth = 0.0;
    QString m_UtcDateTime;
    QString m_LocalDateTime;
    int m_UtcToLocalDateTimeSecsOffset = 0;
    double m_Cu24V = 0.0;
    double m_Cu5V = 0.0;
    double m_Cu3V3 = 0.0;
    double m_Jb24V = 0.0;
    double m_Jb5V = 0.0;
    double m_Jb3V3 = 0.0;
    QString m_GPS_StatusHdop;
    QString m_GalileoStatusHdop;
    QString m_GlonassStatusHdop;
    QString m_GPS_StatusEPE;
    QString m_GalileoStatusEPE;
    QString m_GlonassStatusEPE;
    QString m_CombinedStatusEPE;
    QString m_StatusSatsNr;
    double m_DepthSurface = 0.0;
    double m_DepthKeel = 0.0;
    double m_DepthTransducer = 0.0;
    double m_DepthSurfaceCh1 = 0.0;
    double m_DepthKeelCh1 = 0.0;
    double m_DepthTransducerCh1 = 0.0;
    double m_DepthSurfaceCh2 = 0.0;
    double m_DepthKeelCh2 = 0.0;
    double m_DepthTransducerCh2 = 0.0;
    QString m_LatitudeDegreesSigned;
    QString m_LongitudeDegreesSigned;
};

#endif // ESRUNTIME_H
