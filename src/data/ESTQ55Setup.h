#ifndef ESTQ55SETUP_H
#define ESTQ55SETUP_H

#include "data/SerializableClass.h"

// Identity, network group and mode requests of the junction box ("TQ55Setup").
// LocalSFI and the three requests announce only real changes; a change of LocalSFI keeps the
// old SFI as the previous local SFI.
class ESTQ55Setup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(QString IP READ IP WRITE setIP NOTIFY IPChanged)
    Q_PROPERTY(QString MacAddress READ MacAddress WRITE setMacAddress NOTIFY MacAddressChanged)
    Q_PROPERTY(QString LocalSFI READ LocalSFI WRITE setLocalSFI NOTIFY LocalSFIChanged)
    Q_PROPERTY(int Group READ Group WRITE setGroup NOTIFY GroupChanged)
    Q_PROPERTY(QString SystemName READ SystemName WRITE setSystemName NOTIFY SystemNameChanged)
    Q_PROPERTY(int SystemInNormalOrStandbyMode READ SystemInNormalOrStandbyMode WRITE
            setSystemInNormalOrStandbyMode NOTIFY SystemInNormalOrStandbyModeChanged)
    Q_PROPERTY(
        int RestoreAllSetups READ RestoreAllSetups WRITE setRestoreAllSetups NOTIFY RestoreAllSetupsChanged)
    Q_PROPERTY(int RestoreAllSetupsExceptIO READ RestoreAllSetupsExceptIO WRITE setRestoreAllSetupsExceptIO
            NOTIFY RestoreAllSetupsExceptIOChanged)
    Q_PROPERTY(
        uint TQ55SerialNumber READ TQ55SerialNumber WRITE setTQ55SerialNumber NOTIFY TQ55SerialNumberChanged)
    Q_PROPERTY(
        QString SoftwareVersion READ SoftwareVersion WRITE setSoftwareVersion NOTIFY SoftwareVersionChanged)

    Q_CLASSINFO("IP",
        "type=value name=IP isNumeric=false isIp=true nameToDisplay=IP_Address showStatus=true validator=IP "
        "isProtected=true")
    Q_CLASSINFO("MacAddress",
        "type=value name=MacAddress validator=regex;x nameToDisplay=MAC_Address showStatus=true "
        "isNumeric=false isProtected=true")
    Q_CLASSINFO("LocalSFI",
        "type=value name=LocalSFI showStatus=true nameToDisplay=Local_SFI isNumeric=false "
        "validator=sfi;[a-zA-Z]{2}\\d{4} defaultValue=GN1001 isProtected=true")
    Q_CLASSINFO("Group",
        "type=enum name=Group showStatus=true nameToDisplay=Group "
        "enumList=MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP defaultValue=2 isProtected=true")
    Q_CLASSINFO("SystemName",
        "type=value name=SystemName nameToDisplay=System_Name showStatus=true isNumeric=false "
        "validator=regex;[a-zA-Z0-9]{2,10} defaultValue=MIRLOX isProtected=true")
    Q_CLASSINFO("SystemInNormalOrStandbyMode",
        "type=enum name=SystemInNormalOrStandbyMode enumList=Normal;Standby defaultValue=0 isProtected=true")
    Q_CLASSINFO("RestoreAllSetups",
        "type=enum name=RestoreAllSetups enumList=Ignore;Restore defaultValue=0 isProtected=true")
    Q_CLASSINFO("RestoreAllSetupsExceptIO",
        "type=enum name=RestoreAllSetupsExceptIO enumList=Ignore;Restore defaultValue=0 isProtected=true")
    Q_CLASSINFO("TQ55SerialNumber",
        "type=value name=TQ55SerialNumber nameToDisplay=Serial_Number validator=uint;0;4294967295 "
        "defaultValue=99999 showStatus=true isProtected=true")
    Q_CLASSINFO("SoftwareVersion",
        "type=value name=SoftwareVersion nameToDisplay=Software_Version isNumeric=false "
        "defaultValue=SW-R219-0.2.0 validator=regex;x isProtected=true")

public:
    ESTQ55Setup(QObject *parent, const QString &name);

    QString IP() const { return m_IP; }
    QString MacAddress() const { return m_MacAddress; }
    QString LocalSFI() const { return m_LocalSFI; }
    int Group() const { return m_Group; }
    QString SystemName() const { return m_SystemName; }
    int SystemInNormalOrStandbyMode() const { return m_SystemInNormalOrStandbyMode; }
    int RestoreAllSetups() const { return m_RestoreAllSetups; }
    int RestoreAllSetupsExceptIO() const { return m_RestoreAllSetupsExceptIO; }
    uint TQ55SerialNumber() const { return m_TQ55SerialNumber; }
    QString SoftwareVersion() const { return m_SoftwareVersion; }

    // The LocalSFI before its last change; empty (not null) until the first change.
    QString previousLocalSFI() const { return m_previousLocalSFI; }

public slots:
    void setIP(const QString &value);
    void setMacAddress(const QString &value);
    void setLocalSFI(const QString &value);
    void setGroup(int value);
    void setSystemName(const QString &value);
    void setSystemInNormalOrStandbyMode(int value);
    void setRestoreAllSetups(int value);
    void setRestoreAllSetupsExceptIO(int value);
    void setTQ55SerialNumber(uint value);
    void setSoftwareVersion(const QString &value);

signals:
    void IPChanged(const QString &IP);
    void MacAddressChanged(const QString &MacAddress);
    void LocalSFIChanged(const QString &LocalSFI);
    void GroupChanged(int Group);
    void SystemNameChanged(const QString &SystemName);
    void SystemInNormalOrStandbyModeChanged(int SystemInNormalOrStandbyMode);
    void RestoreAllSetupsChanged(int RestoreAllSetups);
    void RestoreAllSetupsExceptIOChanged(int RestoreAllSetupsExceptIO);
    void TQ55SerialNumberChanged(uint TQ55SerialNumber);
    void SoftwareVersionChanged(const QString &SoftwareVersion);

private:
    QString m_IP;
    QString m_MacAddress;
    QString m_LocalSFI { QLatin1String("") };
    int m_Group = 0;
    QString m_SystemName;
    int m_SystemInNormalOrStandbyMode = 0;
    int m_RestoreAllSetups = 0;
    int m_RestoreAllSetupsExceptIO = 0;
    uint m_TQ55SerialNumber = 0;
    QString m_SoftwareVersion;
    // Empty, not null, until a real SFI was replaced (the defaults pass replaces this empty one).
    QString m_previousLocalSFI { QLatin1String("") };
};

#endif // ESTQ55SETUP_H
