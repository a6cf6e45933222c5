#ifndef SATELLITEINFOSERIALIZABLEDATA_H
#define SATELLITEINFOSERIALIZABLEDATA_H

#include "data/SerializableClass.h"

// "SatelliteInfoSerializableData": the satellites in view, five integers per satellite in one flat
// list (number, elevation, azimuth, signal-to-noise ratio and a fifth value), and whether the
// satellite page is shown. Received single changes are applied, never relayed. Every write stores
// and emits.
class SatelliteInfoSerializableData : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QList<int> SatellitePosInfo READ SatellitePosInfo WRITE setSatellitePosInfo NOTIFY
            SatellitePosInfoChanged)
    Q_CLASSINFO("SatellitePosInfo", "type=runtime name=SatellitePosInfo nameToDisplay=SAT_POS")
    Q_PROPERTY(int ShowFlag READ ShowFlag WRITE setShowFlag NOTIFY ShowFlagChanged)
    Q_CLASSINFO("ShowFlag", "type=enum name=ShowFlag nameToDisplay=ShowFlag")

public:
    explicit SatelliteInfoSerializableData(
        QObject *parent = nullptr, const QString &name = QStringLiteral("SatelliteInfoSerializableData"));

    QList<int> SatellitePosInfo() const { return m_SatellitePosInfo; }
    int ShowFlag() const { return m_ShowFlag; }

    void setSatellitePosInfo(const QList<int> &value);
    void setShowFlag(int value);

signals:
    void SatellitePosInfoChanged(const QList<int> &value);
    void ShowFlagChanged(int value);

private:
    QList<int> m_SatellitePosInfo;
    int m_ShowFlag = 0;
};

#endif // SATELLITEINFOSERIALIZABLEDATA_H
