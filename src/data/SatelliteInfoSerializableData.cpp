#include "data/SatelliteInfoSerializableData.h"

SatelliteInfoSerializableData::SatelliteInfoSerializableData(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
    setType(QStringLiteral("Type_SatelliteInfo"));
    setRelayReceivedChanges(false);
    initializeValidity(false);
    initializeSourceValidity(true);
    // The list is refreshed far less often than the runtime values.
    setValidityLimit(40000);
}

void SatelliteInfoSerializableData::setSatellitePosInfo(const QList<int> &value)
{
    m_SatellitePosInfo = value;
    emit SatellitePosInfoChanged(value);
}

void SatelliteInfoSerializableData::setShowFlag(int value)
{
    m_ShowFlag = value;
    emit ShowFlagChanged(value);
}
