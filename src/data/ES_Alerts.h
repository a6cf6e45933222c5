#ifndef ES_ALERTS_H
#define ES_ALERTS_H

#include "data/SerializableAlertInfo.h"

#include <QList>

// The alert states received from the junction box, one child per alert, and the display's own alert
// that the link to the junction box failed ("AlertDisplayError").
class ES_Alerts : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(
        QString AckFromDisplay READ AckFromDisplay WRITE setAckFromDisplay NOTIFY AckFromDisplayChanged)
    Q_PROPERTY(SerializableAlertInfo *AlarmShallow READ AlarmShallow)
    Q_PROPERTY(SerializableAlertInfo *AlertDeep READ AlertDeep)
    Q_PROPERTY(SerializableAlertInfo *AlertBottomLost READ AlertBottomLost)
    Q_PROPERTY(SerializableAlertInfo *AlertSystemError READ AlertSystemError)
    Q_PROPERTY(SerializableAlertInfo *AlarmPowerFailure READ AlarmPowerFailure)
    Q_PROPERTY(SerializableAlertInfo *AlertDisplayError READ AlertDisplayError)
    // The alert definitions of the product (name, text, id, priority, category, escalation); not a
    // property description, and nothing on the display reads it.
    Q_CLASSINFO("AlertsDescriptor",
        "AlarmShallow,Shallow Water,230,Alarm,CatA,AlarmToAlarm\n"
        "AlertDeep,Deep Water,10456,Alert,CatB,WarningToAlarm\n"
        "AlertBottomLost,Bottom Lost,32345,Alert,CatB,WarningToAlarm\n"
        "AlertSystemError,Sensor Comms,10457,Alert,CatB,WarningToAlarm\n"
        "AlarmPowerFailure,Power Fail,10458,Alert,CatB,WarningToWarning\n"
        "AlertDisplayError,TQ55 Comms Fail,10459,Alert,CatB,WarningToAlarm")

public:
    ES_Alerts(QObject *parent, const QString &name);

    QString AckFromDisplay() const { return m_ackFromDisplay; }
    // Stores the text and emits AckFromDisplayChanged, also when it is unchanged.
    void setAckFromDisplay(const QString &value);

    SerializableAlertInfo *AlarmShallow() const { return m_children[0]; }
    SerializableAlertInfo *AlertDeep() const { return m_children[1]; }
    SerializableAlertInfo *AlertBottomLost() const { return m_children[2]; }
    SerializableAlertInfo *AlertSystemError() const { return m_children[3]; }
    SerializableAlertInfo *AlarmPowerFailure() const { return m_children[4]; }
    SerializableAlertInfo *AlertDisplayError() const { return m_children[5]; }
    // The six alerts in the order above.
    QList<SerializableAlertInfo *> alerts() const { return m_alerts; }

    // Applies a whole-object text and then emits dataReceivedFromCommunication(), whatever the result.
    bool deserializeAll(const QString &text) override;

    // The link to the junction box is lost: every alert becomes Normal and the display's own alert
    // active-unacknowledged with the text "TQ55 Comms Fail" and priority Alert.
    void raiseJbCommsFailAlert();
    // The link is back: the display's own alert goes from active-unacknowledged to rectified-unacknowledged
    // and from active-acknowledged to Normal.
    void rectifyJbCommsFailAlert();
    // The display's user acknowledged its own alert: active-unacknowledged becomes active-acknowledged and
    // rectified-unacknowledged becomes Normal.
    void acknowledgeJbCommsFailAlert();

signals:
    void AckFromDisplayChanged(QString);
    void dataReceivedFromCommunication();

private:
    QString m_ackFromDisplay;
    SerializableAlertInfo *m_children[6] = {};
    QList<SerializableAlertInfo *> m_alerts;
};

#endif // ES_ALERTS_H
