#ifndef ESALERTSETUP_H
#define ESALERTSETUP_H

#include "data/SerializableClass.h"

// Alert limits and alert identifiers shared with the junction box ("AlertSetup").
class ESAlertSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double AlarmShallow READ AlarmShallow WRITE setAlarmShallow NOTIFY AlarmShallowChanged)
    Q_PROPERTY(double AlertDeep READ AlertDeep WRITE setAlertDeep NOTIFY AlertDeepChanged)
    Q_PROPERTY(int AlertType READ AlertType WRITE setAlertType NOTIFY AlertTypeChanged)
    Q_PROPERTY(int EscalationTime READ EscalationTime WRITE setEscalationTime NOTIFY EscalationTimeChanged)
    Q_PROPERTY(int AlarmShallowID READ AlarmShallowID WRITE setAlarmShallowID NOTIFY AlarmShallowIDChanged)
    Q_PROPERTY(int AlertDeepID READ AlertDeepID WRITE setAlertDeepID NOTIFY AlertDeepIDChanged)
    Q_PROPERTY(int AlertSystemID READ AlertSystemID WRITE setAlertSystemID NOTIFY AlertSystemIDChanged)
    Q_PROPERTY(int AlarmPowerFailureID READ AlarmPowerFailureID WRITE setAlarmPowerFailureID NOTIFY
            AlarmPowerFailureIDChanged)
    Q_PROPERTY(QString AlarmSFI READ AlarmSFI WRITE setAlarmSFI NOTIFY AlarmSFIChanged)
    Q_PROPERTY(
        int AlertDeepEscType READ AlertDeepEscType WRITE setAlertDeepEscType NOTIFY AlertDeepEscTypeChanged)

    Q_CLASSINFO("AlarmShallow",
        "type=value name=AlarmShallow nameToDisplay=Alarm_Shallow_(Keel) showStatus=true "
        "longPress=Change;Default:10 unit=m measurement=depth changeable=true validator=float;2.0;100.0;;0.0 "
        "isProtected=false defaultValue=10.0")
    Q_CLASSINFO("AlertDeep",
        "type=value name=AlertDeep nameToDisplay=Alert_Deep_(Keel) showStatus=true "
        "longPress=Change;Default:50 unit=m measurement=depth changeable=true "
        "validator=float;120.0;6000.0;;0.0 isProtected=false defaultValue=0.0 alternativeText=off")
    Q_CLASSINFO("AlertType",
        "type=enum name=AlertType nameToDisplay=Alert_Type showStatus=true "
        "enumList=CAT_A_ALR;CAT_A_ALF;CAT_B_ALR;CAT_B_ALF defaultValue=1 isProtected=true")
    Q_CLASSINFO("EscalationTime",
        "type=enum name=EscalationTime nameToDisplay=Escalation_Time showStatus=true enumList=1;2;3;4;5 "
        "unit=min defaultValue=3 isProtected=true")
    Q_CLASSINFO("AlarmShallowID",
        "type=value isNumeric=true nameToDisplay=Alarm_Shallow_ID showStatus=true name=AlarmShallowID "
        "validator=int;0;20000 defaultValue=230 isProtected=true")
    Q_CLASSINFO("AlertDeepID",
        "type=value isNumeric=true nameToDisplay=Alert_Deep_ID showStatus=true name=AlertDeepID "
        "validator=int;0;20000 defaultValue=10456 isProtected=true")
    Q_CLASSINFO("AlertSystemID",
        "type=value isNumeric=true nameToDisplay=Alert_System_ID showStatus=true name=AlertSystemID "
        "validator=int;0;20000 defaultValue=10457 isProtected=true")
    Q_CLASSINFO("AlarmPowerFailureID",
        "type=value isNumeric=true nameToDisplay=Alarm_Power_Failure_ID showStatus=true "
        "name=AlarmPowerFailureID validator=int;0;20000 defaultValue=231 isProtected=true")
    Q_CLASSINFO("AlarmSFI",
        "type=value name=AlarmSFI nameToDisplay=Alarm_SFI showStatus=true validator=sfi;[a-zA-Z]{2}\\d{4} "
        "defaultValue=ZQ1235 isNumeric=false isProtected=true")
    Q_CLASSINFO("AlertDeepEscType",
        "type=enum name=AlertDeepEscType nameToDisplay=Alert_Deep_Escalation_Type showStatus=true "
        "enumList=W-W;W-A;A-A isProtected=true")

public:
    ESAlertSetup(QObject *parent, const QString &name);

    double AlarmShallow() const { return m_AlarmShallow; }
    double AlertDeep() const { return m_AlertDeep; }
    int AlertType() const { return m_AlertType; }
    int EscalationTime() const { return m_EscalationTime; }
    int AlarmShallowID() const { return m_AlarmShallowID; }
    int AlertDeepID() const { return m_AlertDeepID; }
    int AlertSystemID() const { return m_AlertSystemID; }
    int AlarmPowerFailureID() const { return m_AlarmPowerFailureID; }
    QString AlarmSFI() const { return m_AlarmSFI; }
    int AlertDeepEscType() const { return m_AlertDeepEscType; }

public slots:
    void setAlarmShallow(double value);
    void setAlertDeep(double value);
    void setAlertType(int value);
    void setEscalationTime(int value);
    void setAlarmShallowID(int value);
    void setAlertDeepID(int value);
    void setAlertSystemID(int value);
    void setAlarmPowerFailureID(int value);
    void setAlarmSFI(const QString &value);
    void setAlertDeepEscType(int value);

signals:
    void AlarmShallowChanged(double AlarmShallow);
    void AlertDeepChanged(double AlertDeep);
    void AlertTypeChanged(int AlertType);
    void EscalationTimeChanged(int EscalationTime);
    void AlarmShallowIDChanged(int AlarmShallowID);
    void AlertDeepIDChanged(int AlertDeepID);
    void AlertSystemIDChanged(int AlertSystemID);
    void AlarmPowerFailureIDChanged(int AlarmPowerFailureID);
    void AlarmSFIChanged(const QString &AlarmSFI);
    void AlertDeepEscTypeChanged(int AlertDeepEscType);

private:
    double m_AlarmShallow = 0.0;
    double m_AlertDeep = 0.0;
    int m_AlertType = 0;
    int m_EscalationTime = 0;
    int m_AlarmShallowID = 0;
    int m_AlertDeepID = 0;
    int m_AlertSystemID = 0;
    int m_AlarmPowerFailureID = 0;
    QString m_AlarmSFI;
    int m_AlertDeepEscType = 0;
};

#endif // ESALERTSETUP_H
