#include "data/SerializableAlertInfo.h"

SerializableAlertInfo::SerializableAlertInfo(QObject *parent, const QString &name)
    : RuntimeSerializableClass(parent, name)
{
    setType(QStringLiteral("Type_Alert"));
    setId(id() + 4000);
}

void SerializableAlertInfo::setAlertState(int value)
{
    m_alertState = value;
    emit AlertStateChanged(value);
}

void SerializableAlertInfo::setAlertCategory(int value)
{
    m_alertCategory = value;
    emit AlertCategoryChanged(value);
}

void SerializableAlertInfo::setAlertPriority(int value)
{
    m_alertPriority = value;
    emit AlertPriorityChanged(value);
}

void SerializableAlertInfo::setAlertInstanceNumber(int value)
{
    m_alertInstanceNumber = value;
    emit AlertInstanceNumberChanged(value);
}

void SerializableAlertInfo::setEscalationCounter(int value)
{
    m_escalationCounter = value;
    emit EscalationCounterChanged(value);
}

void SerializableAlertInfo::setRevisionCounter(int value)
{
    m_revisionCounter = value;
    emit RevisionCounterChanged(value);
}

void SerializableAlertInfo::setActionSource(const QString &value)
{
    m_actionSource = value;
    emit ActionSourceChanged(value);
}

void SerializableAlertInfo::setAlertText(const QString &value)
{
    m_alertText = value;
    emit AlertTextChanged(value);
}
