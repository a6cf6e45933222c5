#ifndef CUR207SETUP_H
#define CUR207SETUP_H

#include "data/SerializableClass.h"

// "DisplaySetup": the display's identity, network and sounder settings. Writes store and emit every
// time, except LocalSFI and PairedSFI, which change only on a new value. LocalSFI, PairedSFI and Group
// keep the value they held before their last change: the pairing releases the previous partner and
// the SFI-change announcement carries the previous SFI.
class CU_R207_Setup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(
        QString SoftwareVersion READ SoftwareVersion WRITE setSoftwareVersion NOTIFY SoftwareVersionChanged)
    Q_CLASSINFO("SoftwareVersion",
        "type=value name=SoftwareVersion nameToDisplay=Software_Version isNumeric=false showStatus=true "
        "isLocal=true defaultValue=SW-R219-0.2.0 validator=regex;x")
    Q_PROPERTY(uint DisplaySerialNumber READ DisplaySerialNumber WRITE setDisplaySerialNumber NOTIFY
            DisplaySerialNumberChanged)
    Q_CLASSINFO("DisplaySerialNumber",
        "type=value name=DisplaySerialNumber nameToDisplay=Serial_Number validator=uint;0;4294967295 "
        "defaultValue=99999 showStatus=true isLocal=true")
    Q_PROPERTY(int Language READ Language WRITE setLanguage NOTIFY LanguageChanged)
    Q_CLASSINFO(
        "Language", "type=enum name=Language nameToDisplay=Language showStatus=true enumList=En isLocal=true")
    Q_PROPERTY(QString IP READ IP WRITE setIP NOTIFY IPChanged)
    Q_CLASSINFO("IP",
        "type=value name=IP validator=ip;Wrong_message nameToDisplay=IP_Address showStatus=true "
        "isNumeric=false isIp=true isLocal=true")
    Q_PROPERTY(QString MacAddress READ MacAddress WRITE setMacAddress NOTIFY MacAddressChanged)
    Q_CLASSINFO("MacAddress",
        "type=value name=MacAddress validator=regex;x nameToDisplay=MAC_Address showStatus=true "
        "isNumeric=false isLocal=true")
    Q_PROPERTY(QString SystemName READ SystemName WRITE setSystemName NOTIFY SystemNameChanged)
    Q_CLASSINFO("SystemName",
        "type=value name=SystemName nameToDisplay=System_Name showStatus=true isNumeric=false "
        "validator=regex;[a-zA-Z0-9]{2,10} defaultValue=ES1111")
    Q_PROPERTY(QString LocalSFI READ LocalSFI WRITE setLocalSFI NOTIFY LocalSFIChanged)
    Q_CLASSINFO("LocalSFI",
        "type=value name=LocalSFI validator=sfi;[a-zA-Z]{2}\\d{4} isNumeric=false nameToDisplay=Local_SFI "
        "showStatus=false isLocal=true defaultValue=GN1000")
    Q_PROPERTY(QString PairedSFI READ PairedSFI WRITE setPairedSFI NOTIFY PairedSFIChanged)
    Q_CLASSINFO("PairedSFI",
        "type=value name=PairedSFI nameToDisplay=Paired_SFI showStatus=false "
        "validator=regex;[a-zA-Z]{2}\\d{4} isNumeric=false isLocal=true defaultValue=GN1001")
    Q_PROPERTY(int Group READ Group WRITE setGroup NOTIFY GroupChanged)
    Q_CLASSINFO("Group",
        "type=enum name=Group enumList=MISC;TGTD;SATD;NAVD;VDRD;RCOM;TIME;PROP nameToDisplay=Group "
        "showStatus=true isLocal=true defaultValue=2 isProtected=true")
    Q_PROPERTY(int AlarmSounder READ AlarmSounder WRITE setAlarmSounder NOTIFY AlarmSounderChanged)
    Q_CLASSINFO("AlarmSounder",
        "type=enum name=AlarmSounder enumList=ON;off nameToDisplay=Sounder showStatus=true isLocal=true")
    Q_PROPERTY(int ButtonBeep READ ButtonBeep WRITE setButtonBeep NOTIFY ButtonBeepChanged)
    Q_CLASSINFO("ButtonBeep",
        "type=enum name=ButtonBeep nameToDisplay=Button_Beep showStatus=true enumList=ON;off isLocal=true")
    Q_PROPERTY(int SounderTest READ SounderTest WRITE setSounderTest NOTIFY SounderTestChanged)
    Q_CLASSINFO("SounderTest",
        "type=enum name=SounderTest enumList=off;ON nameToDisplay=Sounder_Test showStatus=true isLocal=true")
    Q_PROPERTY(int CalibrateTouchScreen READ CalibrateTouchScreen WRITE setCalibrateTouchScreen NOTIFY
            CalibrateTouchScreenChanged)
    Q_CLASSINFO("CalibrateTouchScreen",
        "type=enum name=CalibrateTouchScreen enumList=Calibrate;Calibrating "
        "nameToDisplay=Calibrate_Touch_Screen showStatus=true isLocal=true isProtected=true")

public:
    CU_R207_Setup(QObject *parent, const QString &name);

    QString SoftwareVersion() const { return m_SoftwareVersion; }
    uint DisplaySerialNumber() const { return m_DisplaySerialNumber; }
    int Language() const { return m_Language; }
    QString IP() const { return m_IP; }
    QString MacAddress() const { return m_MacAddress; }
    QString SystemName() const { return m_SystemName; }
    QString LocalSFI() const { return m_LocalSFI; }
    QString PairedSFI() const { return m_PairedSFI; }
    int Group() const { return m_Group; }
    int AlarmSounder() const { return m_AlarmSounder; }
    int ButtonBeep() const { return m_ButtonBeep; }
    int SounderTest() const { return m_SounderTest; }
    int CalibrateTouchScreen() const { return m_CalibrateTouchScreen; }
    QString previousLocalSFI() const { return m_previousLocalSFI; }
    QString previousPairedSFI() const { return m_previousPairedSFI; }
    int previousGroup() const { return m_previousGroup; }

    void setSoftwareVersion(const QString &value);
    void setDisplaySerialNumber(uint value);
    void setLanguage(int value);
    void setIP(const QString &value);
    void setMacAddress(const QString &value);
    void setSystemName(const QString &value);
    void setLocalSFI(const QString &value);
    void setPairedSFI(const QString &value);
    void setAlarmSounder(int value);
    void setButtonBeep(int value);
    void setSounderTest(int value);
    void setCalibrateTouchScreen(int value);
public slots:
    // The WRITE accessor of Group, also connectable: keeps the stored group as the previous one, stores
    // the value and emits, also when the value is unchanged.
    void setGroup(int value);
    // The same under the name the system object connects.
    void setGroupKeepingPrevious(int value);

signals:
    void SoftwareVersionChanged(const QString &value);
    void DisplaySerialNumberChanged(uint value);
    void LanguageChanged(int value);
    void IPChanged(const QString &value);
    void MacAddressChanged(const QString &value);
    void SystemNameChanged(const QString &value);
    void LocalSFIChanged(const QString &value);
    void PairedSFIChanged(const QString &value);
    void GroupChanged(int value);
    void AlarmSounderChanged(int value);
    void ButtonBeepChanged(int value);
    void SounderTestChanged(int value);
    void CalibrateTouchScreenChanged(int value);

private:
    QString m_SoftwareVersion;
    uint m_DisplaySerialNumber = 0;
    int m_Language = 0;
    QString m_IP;
    QString m_MacAddress;
    QString m_SystemName;
    QString m_LocalSFI;
    QString m_PairedSFI;
    int m_Group = 0;
    int m_AlarmSounder = 0;
    int m_ButtonBeep = 0;
    int m_SounderTest = 0;
    int m_CalibrateTouchScreen = 0;
    QString m_previousLocalSFI;
    QString m_previousPairedSFI;
    int m_previousGroup = 0;
};

#endif // CUR207SETUP_H
