#include "data/ESRuntime.h"

ESRuntime::ESRuntime(QObject *parent, const QString &name)
    : RuntimeSerializableClass(parent, name)
{
    initializeValidity(false);
    initializeSourceValidity(true);
}

void ESRuntime::setAngleSpeedGPS(double value)
{
    m_AngleSpeedGPS = value;
    emit AngleSpeedGPSChanged(value);
}

void ESRuntime::setSpeedGPS(double value)
{
    m_SpeedGPS = value;
    emit SpeedGPSChanged(value);
}

void ESRuntime::setSpeedSOGGpsLong(double value)
{
    m_SpeedSOGGpsLong = value;
    emit SpeedSOGGpsLongChanged(value);
}

void ESRuntime::setSpeedSOGGpsTra(double value)
{
    m_SpeedSOGGpsTra = value;
    emit SpeedSOGGpsTraChanged(value);
}

void ESRuntime::setSpeedSOGGpsTraFore(double value)
{
    m_SpeedSOGGpsTraFore = value;
    emit SpeedSOGGpsTraForeChanged(value);
}

void ESRuntime::setSpeedSOGGpsTraAft(double value)
{
    m_SpeedSOGGpsTraAft = value;
    emit SpeedSOGGpsTraAftChanged(value);
}

void ESRuntime::setAngleSpeedSOGLog(double value)
{
    m_AngleSpeedSOGLog = value;
    emit AngleSpeedSOGLogChanged(value);
}

void ESRuntime::setSpeedSOGLog(double value)
{
    m_SpeedSOGLog = value;
    emit SpeedSOGLogChanged(value);
}

void ESRuntime::setSpeedSOGLogLong(double value)
{
    m_SpeedSOGLogLong = value;
    emit SpeedSOGLogLongChanged(value);
}

void ESRuntime::setSpeedSOGLogTra(double value)
{
    m_SpeedSOGLogTra = value;
    emit SpeedSOGLogTraChanged(value);
}

void ESRuntime::setSpeedSOGLogTraFore(double value)
{
    m_SpeedSOGLogTraFore = value;
    emit SpeedSOGLogTraForeChanged(value);
}

void ESRuntime::setSpeedSOGLogTraAft(double value)
{
    m_SpeedSOGLogTraAft = value;
    emit SpeedSOGLogTraAftChanged(value);
}

void ESRuntime::setAngleSpeedSTWLog(double value)
{
    m_AngleSpeedSTWLog = value;
    emit AngleSpeedSTWLogChanged(value);
}

void ESRuntime::setSpeedSTWLog(double value)
{
    m_SpeedSTWLog = value;
    emit SpeedSTWLogChanged(value);
}

void ESRuntime::setSpeedSTWLogLong(double value)
{
    m_SpeedSTWLogLong = value;
    emit SpeedSTWLogLongChanged(value);
}

void ESRuntime::setSpeedSTWLogTra(double value)
{
    m_SpeedSTWLogTra = value;
    emit SpeedSTWLogTraChanged(value);
}

void ESRuntime::setAngleWaterCurrent(double value)
{
    m_AngleWaterCurrent = value;
    emit AngleWaterCurrentChanged(value);
}

void ESRuntime::setWaterCurrent(double value)
{
    m_WaterCurrent = value;
    emit WaterCurrentChanged(value);
}

void ESRuntime::setPositionNS(const QString &value)
{
    m_PositionNS = value;
    emit PositionNSChanged(value);
}

void ESRuntime::setPositionEW(const QString &value)
{
    m_PositionEW = value;
    emit PositionEWChanged(value);
}

void ESRuntime::setHeadingFromAntenna(double value)
{
    m_HeadingFromAntenna = value;
    emit HeadingFromAntennaChanged(value);
}

void ESRuntime::setHeading(double value)
{
    m_Heading = value;
    emit HeadingChanged(value);
}

void ESRuntime::setROT(double value)
{
    m_ROT = value;
    emit ROTChanged(value);
}

void ESRuntime::setTemperature(double value)
{
    m_Temperature = value;
    emit TemperatureChanged(value);
}

void ESRuntime::setTotal(double value)
{
    m_Total = value;
    emit TotalChanged(value);
}

void ESRuntime::setTrip(double value)
{
    m_Trip = value;
    emit TripChanged(value);
}

void ESRuntime::setWaterTotal(double value)
{
    m_WaterTotal = value;
    emit WaterTotalChanged(value);
}

void ESRuntime::setWaterTrip(double value)
{
    m_WaterTrip = value;
    emit WaterTripChanged(value);
}

void ESRuntime::setLOGDepth(double value)
{
    m_LOGDepth = value;
    emit LOGDepthChanged(value);
}

void ESRuntime::setUtcDateTime(const QString &value)
{
    m_UtcDateTime = value;
    emit UtcDateTimeChanged(value);
}

void ESRuntime::setLocalDateTime(const QString &value)
{
    m_LocalDateTime = value;
    emit LocalDateTimeChanged(value);
}

void ESRuntime::setUtcToLocalDateTimeSecsOffset(int value)
{
    m_UtcToLocalDateTimeSecsOffset = value;
    emit UtcToLocalDateTimeSecsOffsetChanged(value);
}

void ESRuntime::setCu24V(double value)
{
    m_Cu24V = value;
    emit Cu24VChanged(value);
}

void ESRuntime::setCu5V(double value)
{
    m_Cu5V = value;
    emit Cu5VChanged(value);
}

void ESRuntime::setCu3V3(double value)
{
    m_Cu3V3 = value;
    emit Cu3V3Changed(value);
}

void ESRuntime::setJb24V(double value)
{
    m_Jb24V = value;
    emit Jb24VChanged(value);
}

void ESRuntime::setJb5V(double value)
{
    m_Jb5V = value;
    emit Jb5VChanged(value);
}

void ESRuntime::setJb3V3(double value)
{
    m_Jb3V3 = value;
    emit Jb3V3Changed(value);
}

void ESRuntime::setGPS_StatusHdop(const QString &value)
{
    m_GPS_StatusHdop = value;
    emit GPS_StatusHdopChanged(value);
}

void ESRuntime::setGalileoStatusHdop(const QString &value)
{
    m_GalileoStatusHdop = value;
    emit GalileoStatusHdopChanged(value);
}

void ESRuntime::setGlonassStatusHdop(const QString &value)
{
    m_GlonassStatusHdop = value;
    emit GlonassStatusHdopChanged(value);
}

void ESRuntime::setGPS_StatusEPE(const QString &value)
{
    m_GPS_StatusEPE = value;
    emit GPS_StatusEPEChanged(value);
}

void ESRuntime::setGalileoStatusEPE(const QString &value)
{
    m_GalileoStatusEPE = value;
    emit GalileoStatusEPEChanged(value);
}

void ESRuntime::setGlonassStatusEPE(const QString &value)
{
    m_GlonassStatusEPE = value;
    emit GlonassStatusEPEChanged(value);
}

void ESRuntime::setCombinedStatusEPE(const QString &value)
{
    m_CombinedStatusEPE = value;
    emit CombinedStatusEPEChanged(value);
}

void ESRuntime::setStatusSatsNr(const QString &value)
{
    m_StatusSatsNr = value;
    emit StatusSatsNrChanged(value);
}

void ESRuntime::setDepthSurface(double value)
{
    m_DepthSurface = value;
    emit DepthSurfaceChanged(value);
}

void ESRuntime::setDepthKeel(double value)
{
    m_DepthKeel = value;
    emit DepthKeelChanged(value);
}

void ESRuntime::setDepthTransducer(double value)
{
    m_DepthTransducer = value;
    emit DepthTransducerChanged(value);
}

void ESRuntime::setDepthSurfaceCh1(double value)
{
    m_DepthSurfaceCh1 = value;
    emit DepthSurfaceCh1Changed(value);
}

void ESRuntime::setDepthKeelCh1(double value)
{
    m_DepthKeelCh1 = value;
    emit DepthKeelCh1Changed(value);
}

void ESRuntime::setDepthTransducerCh1(double value)
{
    m_DepthTransducerCh1 = value;
    emit DepthTransducerCh1Changed(value);
}

void ESRuntime::setDepthSurfaceCh2(double value)
{
    m_DepthSurfaceCh2 = value;
    emit DepthSurfaceCh2Changed(value);
}

void ESRuntime::setDepthKeelCh2(double value)
{
    m_DepthKeelCh2 = value;
    emit DepthKeelCh2Changed(value);
}

void ESRuntime::setDepthTransducerCh2(double value)
{
    m_DepthTransducerCh2 = value;
    emit DepthTransducerCh2Changed(value);
}

void ESRuntime::setLatitudeDegreesSigned(const QString &value)
{
    m_LatitudeDegreesSigned = value;
    emit LatitudeDegreesSignedChanged(value);
}

void ESRuntime::setLongitudeDegreesSigned(const QString &value)
{
    m_LongitudeDegreesSigned = value;
    emit LongitudeDegreesSignedChanged(value);
}
