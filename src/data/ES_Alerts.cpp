#include "data/ES_Alerts.h"

namespace {

// Positions in the alert state word table.
const int stateActiveUnacknowledged = 0;
const int stateActiveAcknowledged = 2;
const int stateRectifiedUnacknowledged = 4;
const int stateNormal = 5;
const int priorityAlert = 1;

} // namespace

ES_Alerts::ES_Alerts(QObject *parent, const QString &name)
    : RuntimeSerializableClass(parent, name)
{
    setType(QStringLiteral("Type_Alert"));
    setId(id() + 4000);

    const char *const names[] = { "AlarmShallow", "AlertDeep", "AlertBottomLost", "AlertSystemError",
        "AlarmPowerFailure", "AlertDisplayError" };
    QList<SerializableAlertInfo *> alerts;
    for (int i = 0; i < 6; ++i) {
        SerializableAlertInfo *alert = new SerializableAlertInfo(this, QString::fromLatin1(names[i]));
        m_children[i] = alert;
        alert->setAlertState(stateNormal);
        alert->setAlertInstanceNumber(0);
        alert->setEscalationCounter(0);
        alert->setRevisionCounter(0);
        alert->setActionSource(QString());
        alert->setAlertText(QString());
        alert->setAlertCategory(0);
        alert->setAlertPriority(0);
        alerts.append(alert);
    }
    // The validity walk covers the six leaves; the object's own text is marked valid beside them.
    initializeValidity(true);
    setValid(QStringLiteral("AckFromDisplay"), true);
    m_alerts = alerts;
}

void ES_Alerts::setAckFromDisplay(const QString &value)
{
    m_ackFromDisplay = value;
    emit AckFromDisplayChanged(value);
}

bool ES_Alerts::deserializeAll(const QString &text)
{
    const bool result = RuntimeSerializableClass::deserializeAll(text);
    emit dataReceivedFromCommunication();
    return result;
}

void ES_Alerts::raiseJbCommsFailAlert()
{
    for (SerializableAlertInfo *alert : qAsConst(m_alerts))
        alert->setAlertState(stateNormal);
    SerializableAlertInfo *own = AlertDisplayError();
    own->setAlertText(QStringLiteral("TQ55 Comms Fail"));
    own->setAlertPriority(priorityAlert);
    own->setAlertState(stateActiveUnacknowledged);
    emit dataReceivedFromCommunication();
}

void ES_Alerts::rectifyJbCommsFailAlert()
{
    SerializableAlertInfo *own = AlertDisplayError();
    if (own->AlertState() == stateActiveUnacknowledged)
        own->setAlertState(stateRectifiedUnacknowledged);
    else if (own->AlertState() == stateActiveAcknowledged)
        own->setAlertState(stateNormal);
    emit dataReceivedFromCommunication();
}

void ES_Alerts::acknowledgeJbCommsFailAlert()
{
    SerializableAlertInfo *own = AlertDisplayError();
    if (own->AlertState() == stateActiveUnacknowledged)
        own->setAlertState(stateActiveAcknowledged);
    else if (own->AlertState() == stateRectifiedUnacknowledged)
        own->setAlertState(stateNormal);
    emit dataReceivedFromCommunication();
}
