#include "data/ESOptionsSetup.h"

ESOptionsSetup::ESOptionsSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void ESOptionsSetup::setVesselImage(int value)
{
    m_VesselImage = value;
    emit VesselImageChanged(m_VesselImage);
}

void ESOptionsSetup::setSetupSave(const QString &value)
{
    if (m_SetupSave == value)
        return;
    m_SetupSave = value;
    emit SetupSaveChanged(m_SetupSave);
}

void ESOptionsSetup::setRequestAvailableSetupsList(int value)
{
    if (m_RequestAvailableSetupsList == value)
        return;
    m_RequestAvailableSetupsList = value;
    emit RequestAvailableSetupsListChanged(m_RequestAvailableSetupsList);
}

void ESOptionsSetup::setAvailableSetupsList(const QString &value)
{
    if (m_AvailableSetupsList == value)
        return;
    m_AvailableSetupsList = value;
    emit AvailableSetupsListChanged(m_AvailableSetupsList);
}

void ESOptionsSetup::setSetupRestore(const QString &value)
{
    if (m_SetupRestore == value)
        return;
    m_SetupRestore = value;
    emit SetupRestoreChanged(m_SetupRestore);
}

void ESOptionsSetup::setVesselType(int value)
{
    m_VesselType = value;
    emit VesselTypeChanged(m_VesselType);
}

void ESOptionsSetup::setVesselLength(double value)
{
    m_VesselLength = value;
    emit VesselLengthChanged(m_VesselLength);
}

void ESOptionsSetup::setAntennaHeight(double value)
{
    m_AntennaHeight = value;
    emit AntennaHeightChanged(m_AntennaHeight);
}

void ESOptionsSetup::setCcrpToAntennaDistance(double value)
{
    m_CcrpToAntennaDistance = value;
    emit CcrpToAntennaDistanceChanged(m_CcrpToAntennaDistance);
}

void ESOptionsSetup::setCcrpToBowDistance(double value)
{
    m_CcrpToBowDistance = value;
    emit CcrpToBowDistanceChanged(m_CcrpToBowDistance);
}

void ESOptionsSetup::setCcrpToSternDistance(double value)
{
    m_CcrpToSternDistance = value;
    emit CcrpToSternDistanceChanged(m_CcrpToSternDistance);
}

void ESOptionsSetup::setMaxSpeed(double value)
{
    m_MaxSpeed = value;
    emit MaxSpeedChanged(m_MaxSpeed);
}

void ESOptionsSetup::setRotAverage(int value)
{
    m_RotAverage = value;
    emit RotAverageChanged(m_RotAverage);
}

void ESOptionsSetup::setRotFrom(int value)
{
    m_RotFrom = value;
    emit RotFromChanged(m_RotFrom);
}

void ESOptionsSetup::setScalesSpeed(int value)
{
    m_ScalesSpeed = value;
    emit ScalesSpeedChanged(m_ScalesSpeed);
}

void ESOptionsSetup::setScalesDepth(int value)
{
    m_ScalesDepth = value;
    emit ScalesDepthChanged(m_ScalesDepth);
}

void ESOptionsSetup::setScalesDistance(int value)
{
    m_ScalesDistance = value;
    emit ScalesDistanceChanged(m_ScalesDistance);
}

void ESOptionsSetup::setMirloxInstallationAngle(double value)
{
    m_MirloxInstallationAngle = value;
    emit MirloxInstallationAngleChanged(m_MirloxInstallationAngle);
}
