#ifndef ESOPTIONSSETUP_H
#define ESOPTIONSSETUP_H

#include "data/SerializableClass.h"

// Vessel options, display scales and the saved-setup requests ("OptionsSetup").
// The four saved-setup settings announce only real changes: the screens and the junction box
// react to each announcement as to a new request.
class ESOptionsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int VesselImage READ VesselImage WRITE setVesselImage NOTIFY VesselImageChanged)
    Q_PROPERTY(QString SetupSave READ SetupSave WRITE setSetupSave NOTIFY SetupSaveChanged)
    Q_PROPERTY(int RequestAvailableSetupsList READ RequestAvailableSetupsList WRITE
            setRequestAvailableSetupsList NOTIFY RequestAvailableSetupsListChanged)
    Q_PROPERTY(QString AvailableSetupsList READ AvailableSetupsList WRITE setAvailableSetupsList NOTIFY
            AvailableSetupsListChanged)
    Q_PROPERTY(QString SetupRestore READ SetupRestore WRITE setSetupRestore NOTIFY SetupRestoreChanged)
    Q_PROPERTY(int VesselType READ VesselType WRITE setVesselType NOTIFY VesselTypeChanged)
    Q_PROPERTY(double VesselLength READ VesselLength WRITE setVesselLength NOTIFY VesselLengthChanged)
    Q_PROPERTY(double AntennaHeight READ AntennaHeight WRITE setAntennaHeight NOTIFY AntennaHeightChanged)
    Q_PROPERTY(double CcrpToAntennaDistance READ CcrpToAntennaDistance WRITE setCcrpToAntennaDistance NOTIFY
            CcrpToAntennaDistanceChanged)
    Q_PROPERTY(double CcrpToBowDistance READ CcrpToBowDistance WRITE setCcrpToBowDistance NOTIFY
            CcrpToBowDistanceChanged)
    Q_PROPERTY(double CcrpToSternDistance READ CcrpToSternDistance WRITE setCcrpToSternDistance NOTIFY
            CcrpToSternDistanceChanged)
    Q_PROPERTY(double MaxSpeed READ MaxSpeed WRITE setMaxSpeed NOTIFY MaxSpeedChanged)
    Q_PROPERTY(int RotAverage READ RotAverage WRITE setRotAverage NOTIFY RotAverageChanged)
    Q_PROPERTY(int RotFrom READ RotFrom WRITE setRotFrom NOTIFY RotFromChanged)
    Q_PROPERTY(int ScalesSpeed READ ScalesSpeed WRITE setScalesSpeed NOTIFY ScalesSpeedChanged)
    Q_PROPERTY(int ScalesDepth READ ScalesDepth WRITE setScalesDepth NOTIFY ScalesDepthChanged)
    Q_PROPERTY(int ScalesDistance READ ScalesDistance WRITE setScalesDistance NOTIFY ScalesDistanceChanged)
    Q_PROPERTY(double MirloxInstallationAngle READ MirloxInstallationAngle WRITE setMirloxInstallationAngle
            NOTIFY MirloxInstallationAngleChanged)

    Q_CLASSINFO("VesselImage",
        "type=enum name=VesselImage nameToDisplay=Vessel_Image enumList=Platform;Tanker;Cruise;Offshore")
    Q_CLASSINFO("SetupSave",
        "type=value name=SetupSave nameToDisplay=Setup_Save isNumeric=false defaultValue=_ "
        "validator=regex;[A-z0-9]{2,20}")
    Q_CLASSINFO(
        "RequestAvailableSetupsList", "type=enum name=RequestAvailableSetupsList enumList=Ignore;Request")
    Q_CLASSINFO("AvailableSetupsList",
        "type=value name=AvailableSetupsList isNumeric=false defaultValue=_ validator=regex;x")
    Q_CLASSINFO("SetupRestore",
        "type=value name=SetupRestore nameToDisplay=Setup_Restore isNumeric=false defaultValue=_ "
        "validator=regex;x")
    Q_CLASSINFO("VesselType", "type=enum name=VesselType nameToDisplay=Vessel_Type enumList=Type1;Type2")
    Q_CLASSINFO("VesselLength",
        "type=value name=VesselLength nameToDisplay=Vessel_Length showStatus=true "
        "longPress=Change;Default:50 unit=m measurement=depth changeable=true validator=float;2.0;500.0 "
        "defaultValue=50.0")
    Q_CLASSINFO("AntennaHeight",
        "type=value name=AntennaHeight nameToDisplay=Antenna_Height showStatus=true "
        "longPress=Change;Default:10 unit=m measurement=depth changeable=true validator=float;2.0;100.0 "
        "defaultValue=10.0")
    Q_CLASSINFO("CcrpToAntennaDistance",
        "type=value name=CcrpToAntennaDistance nameToDisplay=CCRP_to_Antenna_Distance showStatus=true "
        "longPress=Change;Default:10 unit=m measurement=depth changeable=true validator=float;-500.0;500.0 "
        "defaultValue=10.0")
    Q_CLASSINFO("CcrpToBowDistance",
        "type=value name=CcrpToBowDistance nameToDisplay=CCRP_to_Bow_Distance showStatus=true "
        "longPress=Change;Default:10 unit=m measurement=depth changeable=true validator=float;2.0;500.0 "
        "defaultValue=10.0")
    Q_CLASSINFO("CcrpToSternDistance",
        "type=value name=CcrpToSternDistance nameToDisplay=CCRP_to_Stern_Distance showStatus=true "
        "longPress=Change;Default:10 unit=m measurement=depth changeable=true validator=float;2.0;500.0 "
        "defaultValue=10.0")
    Q_CLASSINFO("MaxSpeed",
        "type=value name=MaxSpeed nameToDisplay=Max_Speed showStatus=true longPress=Change;Default:10 "
        "unit=kn measurement=speed changeable=true validator=float;0.0;100.0 defaultValue=20.0")
    Q_CLASSINFO("RotAverage",
        "type=value name=RotAverage nameToDisplay=ROT_Average showStatus=true unit=s measurement=other "
        "validator=int;1;20 defaultValue=1")
    Q_CLASSINFO("RotFrom", "type=enum name=RotFrom nameToDisplay=Rot_From enumList=Sensor;Heading")
    Q_CLASSINFO("ScalesSpeed", "type=enum name=ScalesSpeed nameToDisplay=Scales_Speed enumList=kn;m/s;mi/h")
    Q_CLASSINFO("ScalesDepth", "type=enum name=ScalesDepth nameToDisplay=Scales_Depth enumList=m;ft;fm")
    Q_CLASSINFO("ScalesDistance",
        "type=enum name=ScalesDistance nameToDisplay=Scales_Distance enumList=NM;Km;Mi defaultValue=1")
    Q_CLASSINFO("MirloxInstallationAngle",
        "type=value name=MirloxInstallationAngle nameToDisplay=Installation_Angle unit=° measurement=Angle "
        "validator=float;-180.0;180.0 defaultValue=0.0 numberOfDecimals=1")

public:
    ESOptionsSetup(QObject *parent, const QString &name);

    int VesselImage() const { return m_VesselImage; }
    QString SetupSave() const { return m_SetupSave; }
    int RequestAvailableSetupsList() const { return m_RequestAvailableSetupsList; }
    QString AvailableSetupsList() const { return m_AvailableSetupsList; }
    QString SetupRestore() const { return m_SetupRestore; }
    int VesselType() const { return m_VesselType; }
    double VesselLength() const { return m_VesselLength; }
    double AntennaHeight() const { return m_AntennaHeight; }
    double CcrpToAntennaDistance() const { return m_CcrpToAntennaDistance; }
    double CcrpToBowDistance() const { return m_CcrpToBowDistance; }
    double CcrpToSternDistance() const { return m_CcrpToSternDistance; }
    double MaxSpeed() const { return m_MaxSpeed; }
    int RotAverage() const { return m_RotAverage; }
    int RotFrom() const { return m_RotFrom; }
    int ScalesSpeed() const { return m_ScalesSpeed; }
    int ScalesDepth() const { return m_ScalesDepth; }
    int ScalesDistance() const { return m_ScalesDistance; }
    double MirloxInstallationAngle() const { return m_MirloxInstallationAngle; }

public slots:
    void setVesselImage(int value);
    void setSetupSave(const QString &value);
    void setRequestAvailableSetupsList(int value);
    void setAvailableSetupsList(const QString &value);
    void setSetupRestore(const QString &value);
    void setVesselType(int value);
    void setVesselLength(double value);
    void setAntennaHeight(double value);
    void setCcrpToAntennaDistance(double value);
    void setCcrpToBowDistance(double value);
    void setCcrpToSternDistance(double value);
    void setMaxSpeed(double value);
    void setRotAverage(int value);
    void setRotFrom(int value);
    void setScalesSpeed(int value);
    void setScalesDepth(int value);
    void setScalesDistance(int value);
    void setMirloxInstallationAngle(double value);

signals:
    void VesselImageChanged(int VesselImage);
    void SetupSaveChanged(const QString &SetupSave);
    void RequestAvailableSetupsListChanged(int RequestAvailableSetupsList);
    void AvailableSetupsListChanged(const QString &AvailableSetupsList);
    void SetupRestoreChanged(const QString &SetupRestore);
    void VesselTypeChanged(int VesselType);
    void VesselLengthChanged(double VesselLength);
    void AntennaHeightChanged(double AntennaHeight);
    void CcrpToAntennaDistanceChanged(double CcrpToAntennaDistance);
    void CcrpToBowDistanceChanged(double CcrpToBowDistance);
    void CcrpToSternDistanceChanged(double CcrpToSternDistance);
    void MaxSpeedChanged(double MaxSpeed);
    void RotAverageChanged(int RotAverage);
    void RotFromChanged(int RotFrom);
    void ScalesSpeedChanged(int ScalesSpeed);
    void ScalesDepthChanged(int ScalesDepth);
    void ScalesDistanceChanged(int ScalesDistance);
    void MirloxInstallationAngleChanged(double MirloxInstallationAngle);

private:
    int m_VesselImage = 0;
    QString m_SetupSave;
    int m_RequestAvailableSetupsList = 0;
    QString m_AvailableSetupsList;
    QString m_SetupRestore;
    int m_VesselType = 0;
    double m_VesselLength = 0.0;
    double m_AntennaHeight = 0.0;
    double m_CcrpToAntennaDistance = 0.0;
    double m_CcrpToBowDistance = 0.0;
    double m_CcrpToSternDistance = 0.0;
    double m_MaxSpeed = 0.0;
    int m_RotAverage = 0;
    int m_RotFrom = 0;
    int m_ScalesSpeed = 0;
    int m_ScalesDepth = 0;
    int m_ScalesDistance = 0;
    double m_MirloxInstallationAngle = 0.0;
};

#endif // ESOPTIONSSETUP_H
