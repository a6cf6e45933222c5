#ifndef ALERTSENTENCES_H
#define ALERTSENTENCES_H

#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"

// The alert sentences and the heartbeat.
// Each class declares its fields in sentence order; the message base parses and writes them from the
// class information.

class MsgAck : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *UniqueAlarmNumber MEMBER m_UniqueAlarmNumber)
    Q_CLASSINFO("UniqueAlarmNumber", "type=int")
public:
    explicit MsgAck(const QString &talker);

    ValidatedIntProperty *UniqueAlarmNumber() const { return m_UniqueAlarmNumber; }

private:
    ValidatedIntProperty *m_UniqueAlarmNumber = nullptr;
};

class MsgAcn : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *Time MEMBER m_Time)
    Q_PROPERTY(ValidatedStringProperty *ManufacturerMnemonicCode MEMBER m_ManufacturerMnemonicCode)
    Q_PROPERTY(ValidatedIntProperty *AlertIdentifier MEMBER m_AlertIdentifier)
    Q_PROPERTY(ValidatedIntProperty *AlertInstance MEMBER m_AlertInstance)
    Q_PROPERTY(ValidatedStringProperty *AlertCommand MEMBER m_AlertCommand)
    Q_PROPERTY(ValidatedStringProperty *SentenceStatus MEMBER m_SentenceStatus)
    Q_CLASSINFO("Time", "type=string")
    Q_CLASSINFO("ManufacturerMnemonicCode", "type=string")
    Q_CLASSINFO("AlertIdentifier", "type=int canBeNullField=false maxFieldLength=7 validator=0;9999999")
    Q_CLASSINFO("AlertInstance", "type=int maxFieldLength=6 validator=0;999999")
    Q_CLASSINFO("AlertCommand", "type=string canBeNullField=false fixedLength=1 validator=[AQOS]{1,1}")
    Q_CLASSINFO("SentenceStatus", "type=string canBeNullField=false fixedLength=1 validator=[C]{1,1}")
public:
    explicit MsgAcn(const QString &talker);

    ValidatedStringProperty *Time() const { return m_Time; }
    ValidatedStringProperty *ManufacturerMnemonicCode() const { return m_ManufacturerMnemonicCode; }
    ValidatedIntProperty *AlertIdentifier() const { return m_AlertIdentifier; }
    ValidatedIntProperty *AlertInstance() const { return m_AlertInstance; }
    ValidatedStringProperty *AlertCommand() const { return m_AlertCommand; }
    ValidatedStringProperty *SentenceStatus() const { return m_SentenceStatus; }

private:
    ValidatedStringProperty *m_Time = nullptr;
    ValidatedStringProperty *m_ManufacturerMnemonicCode = nullptr;
    ValidatedIntProperty *m_AlertIdentifier = nullptr;
    ValidatedIntProperty *m_AlertInstance = nullptr;
    ValidatedStringProperty *m_AlertCommand = nullptr;
    ValidatedStringProperty *m_SentenceStatus = nullptr;
};

class MsgAlc : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *TotalNumberOfAlcSentences MEMBER m_TotalNumberOfAlcSentences)
    Q_PROPERTY(ValidatedIntProperty *SentenceNumber MEMBER m_SentenceNumber)
    Q_PROPERTY(ValidatedIntProperty *SequentialMessageIdentifier MEMBER m_SequentialMessageIdentifier)
    Q_PROPERTY(ValidatedIntProperty *NumberOfAlertEntries MEMBER m_NumberOfAlertEntries)
    Q_PROPERTY(ValidatedStringProperty *ManufacturerMnemonicCode MEMBER m_ManufacturerMnemonicCode)
    Q_PROPERTY(ValidatedIntProperty *AlertIdentifier MEMBER m_AlertIdentifier)
    Q_PROPERTY(ValidatedIntProperty *AlertInstance MEMBER m_AlertInstance)
    Q_PROPERTY(ValidatedIntProperty *RevisionCounter MEMBER m_RevisionCounter)
    Q_CLASSINFO("TotalNumberOfAlcSentences", "type=int")
    Q_CLASSINFO("SentenceNumber", "type=int")
    Q_CLASSINFO("SequentialMessageIdentifier", "type=int")
    Q_CLASSINFO("NumberOfAlertEntries", "type=int")
    Q_CLASSINFO("ManufacturerMnemonicCode", "type=string")
    Q_CLASSINFO("AlertIdentifier", "type=int maxFieldLength=7 validator=0;9999999")
    Q_CLASSINFO("AlertInstance", "type=int maxFieldLength=6 validator=0;999999")
    Q_CLASSINFO("RevisionCounter", "type=int validator=1;99")
public:
    explicit MsgAlc(const QString &talker);

    ValidatedIntProperty *TotalNumberOfAlcSentences() const { return m_TotalNumberOfAlcSentences; }
    ValidatedIntProperty *SentenceNumber() const { return m_SentenceNumber; }
    ValidatedIntProperty *SequentialMessageIdentifier() const { return m_SequentialMessageIdentifier; }
    ValidatedIntProperty *NumberOfAlertEntries() const { return m_NumberOfAlertEntries; }
    ValidatedStringProperty *ManufacturerMnemonicCode() const { return m_ManufacturerMnemonicCode; }
    ValidatedIntProperty *AlertIdentifier() const { return m_AlertIdentifier; }
    ValidatedIntProperty *AlertInstance() const { return m_AlertInstance; }
    ValidatedIntProperty *RevisionCounter() const { return m_RevisionCounter; }

private:
    ValidatedIntProperty *m_TotalNumberOfAlcSentences = nullptr;
    ValidatedIntProperty *m_SentenceNumber = nullptr;
    ValidatedIntProperty *m_SequentialMessageIdentifier = nullptr;
    ValidatedIntProperty *m_NumberOfAlertEntries = nullptr;
    ValidatedStringProperty *m_ManufacturerMnemonicCode = nullptr;
    ValidatedIntProperty *m_AlertIdentifier = nullptr;
    ValidatedIntProperty *m_AlertInstance = nullptr;
    ValidatedIntProperty *m_RevisionCounter = nullptr;
};

class MsgAlf : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *TotalNumberOfAlfSentences MEMBER m_TotalNumberOfAlfSentences)
    Q_PROPERTY(ValidatedIntProperty *SentenceNumber MEMBER m_SentenceNumber)
    Q_PROPERTY(ValidatedIntProperty *SequentialMessageIdentifier MEMBER m_SequentialMessageIdentifier)
    Q_PROPERTY(ValidatedFloatProperty *TimeOfLastChange MEMBER m_TimeOfLastChange)
    Q_PROPERTY(ValidatedStringProperty *AlertCategory MEMBER m_AlertCategory)
    Q_PROPERTY(ValidatedStringProperty *AlertPriority MEMBER m_AlertPriority)
    Q_PROPERTY(ValidatedStringProperty *AlertState MEMBER m_AlertState)
    Q_PROPERTY(ValidatedStringProperty *ManufacturerMnemonicCode MEMBER m_ManufacturerMnemonicCode)
    Q_PROPERTY(ValidatedIntProperty *AlertIdentifier MEMBER m_AlertIdentifier)
    Q_PROPERTY(ValidatedIntProperty *AlertInstance MEMBER m_AlertInstance)
    Q_PROPERTY(ValidatedIntProperty *RevisionCounter MEMBER m_RevisionCounter)
    Q_PROPERTY(ValidatedIntProperty *EscalationCounter MEMBER m_EscalationCounter)
    Q_PROPERTY(ValidatedStringProperty *AlertText MEMBER m_AlertText)
    Q_CLASSINFO("TotalNumberOfAlfSentences", "type=int")
    Q_CLASSINFO("SentenceNumber", "type=int")
    Q_CLASSINFO("SequentialMessageIdentifier", "type=int")
    Q_CLASSINFO("TimeOfLastChange", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("AlertCategory", "type=string fixedLength=1 validator=[ABC]{1,1}")
    Q_CLASSINFO("AlertPriority", "type=string fixedLength=1 validator=[EAWC]{1,1}")
    Q_CLASSINFO("AlertState", "type=string fixedLength=1 validator=[ASNOUV]{1,1}")
    Q_CLASSINFO("ManufacturerMnemonicCode", "type=string")
    Q_CLASSINFO("AlertIdentifier", "type=int maxFieldLength=7 validator=0;9999999")
    Q_CLASSINFO("AlertInstance", "type=int maxFieldLength=6 validator=0;999999")
    Q_CLASSINFO("RevisionCounter", "type=int validator=1;99")
    Q_CLASSINFO("EscalationCounter", "type=int validator=0;9")
    Q_CLASSINFO("AlertText", "type=string")
public:
    explicit MsgAlf(const QString &talker);

    ValidatedIntProperty *TotalNumberOfAlfSentences() const { return m_TotalNumberOfAlfSentences; }
    ValidatedIntProperty *SentenceNumber() const { return m_SentenceNumber; }
    ValidatedIntProperty *SequentialMessageIdentifier() const { return m_SequentialMessageIdentifier; }
    ValidatedFloatProperty *TimeOfLastChange() const { return m_TimeOfLastChange; }
    ValidatedStringProperty *AlertCategory() const { return m_AlertCategory; }
    ValidatedStringProperty *AlertPriority() const { return m_AlertPriority; }
    ValidatedStringProperty *AlertState() const { return m_AlertState; }
    ValidatedStringProperty *ManufacturerMnemonicCode() const { return m_ManufacturerMnemonicCode; }
    ValidatedIntProperty *AlertIdentifier() const { return m_AlertIdentifier; }
    ValidatedIntProperty *AlertInstance() const { return m_AlertInstance; }
    ValidatedIntProperty *RevisionCounter() const { return m_RevisionCounter; }
    ValidatedIntProperty *EscalationCounter() const { return m_EscalationCounter; }
    ValidatedStringProperty *AlertText() const { return m_AlertText; }

private:
    ValidatedIntProperty *m_TotalNumberOfAlfSentences = nullptr;
    ValidatedIntProperty *m_SentenceNumber = nullptr;
    ValidatedIntProperty *m_SequentialMessageIdentifier = nullptr;
    ValidatedFloatProperty *m_TimeOfLastChange = nullptr;
    ValidatedStringProperty *m_AlertCategory = nullptr;
    ValidatedStringProperty *m_AlertPriority = nullptr;
    ValidatedStringProperty *m_AlertState = nullptr;
    ValidatedStringProperty *m_ManufacturerMnemonicCode = nullptr;
    ValidatedIntProperty *m_AlertIdentifier = nullptr;
    ValidatedIntProperty *m_AlertInstance = nullptr;
    ValidatedIntProperty *m_RevisionCounter = nullptr;
    ValidatedIntProperty *m_EscalationCounter = nullptr;
    ValidatedStringProperty *m_AlertText = nullptr;
};

class MsgAlr : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedFloatProperty *TimeOfLastChange MEMBER m_TimeOfLastChange)
    Q_PROPERTY(ValidatedIntProperty *UniqueAlarmNumber MEMBER m_UniqueAlarmNumber)
    Q_PROPERTY(ValidatedStringProperty *AlarmCondition MEMBER m_AlarmCondition)
    Q_PROPERTY(ValidatedStringProperty *AlarmAcknowledgeState MEMBER m_AlarmAcknowledgeState)
    Q_PROPERTY(ValidatedStringProperty *AlarmText MEMBER m_AlarmText)
    Q_CLASSINFO("TimeOfLastChange", "type=float fixedDigitsBeforePoint=6")
    Q_CLASSINFO("UniqueAlarmNumber", "type=int")
    Q_CLASSINFO("AlarmCondition", "type=string fixedLength=1 validator=[AV]{1,1}")
    Q_CLASSINFO("AlarmAcknowledgeState", "type=string fixedLength=1 validator=[AV]{1,1}")
    Q_CLASSINFO("AlarmText", "type=string")
public:
    explicit MsgAlr(const QString &talker);

    ValidatedFloatProperty *TimeOfLastChange() const { return m_TimeOfLastChange; }
    ValidatedIntProperty *UniqueAlarmNumber() const { return m_UniqueAlarmNumber; }
    ValidatedStringProperty *AlarmCondition() const { return m_AlarmCondition; }
    ValidatedStringProperty *AlarmAcknowledgeState() const { return m_AlarmAcknowledgeState; }
    ValidatedStringProperty *AlarmText() const { return m_AlarmText; }

private:
    ValidatedFloatProperty *m_TimeOfLastChange = nullptr;
    ValidatedIntProperty *m_UniqueAlarmNumber = nullptr;
    ValidatedStringProperty *m_AlarmCondition = nullptr;
    ValidatedStringProperty *m_AlarmAcknowledgeState = nullptr;
    ValidatedStringProperty *m_AlarmText = nullptr;
};

class MsgArc : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedStringProperty *ReleaseTimeOfARC MEMBER m_ReleaseTimeOfARC)
    Q_PROPERTY(ValidatedStringProperty *ManufacturerMnemonicCode MEMBER m_ManufacturerMnemonicCode)
    Q_PROPERTY(ValidatedIntProperty *AlertIdentifier MEMBER m_AlertIdentifier)
    Q_PROPERTY(ValidatedIntProperty *AlertInstance MEMBER m_AlertInstance)
    Q_PROPERTY(ValidatedStringProperty *RefusedAlertCommand MEMBER m_RefusedAlertCommand)
    Q_CLASSINFO("ReleaseTimeOfARC", "type=string")
    Q_CLASSINFO("ManufacturerMnemonicCode", "type=string")
    Q_CLASSINFO("AlertIdentifier", "type=int maxFieldLength=7 validator=0;9999999")
    Q_CLASSINFO("AlertInstance", "type=int maxFieldLength=6 validator=0;999999")
    Q_CLASSINFO("RefusedAlertCommand", "type=string")
public:
    explicit MsgArc(const QString &talker);

    ValidatedStringProperty *ReleaseTimeOfARC() const { return m_ReleaseTimeOfARC; }
    ValidatedStringProperty *ManufacturerMnemonicCode() const { return m_ManufacturerMnemonicCode; }
    ValidatedIntProperty *AlertIdentifier() const { return m_AlertIdentifier; }
    ValidatedIntProperty *AlertInstance() const { return m_AlertInstance; }
    ValidatedStringProperty *RefusedAlertCommand() const { return m_RefusedAlertCommand; }

private:
    ValidatedStringProperty *m_ReleaseTimeOfARC = nullptr;
    ValidatedStringProperty *m_ManufacturerMnemonicCode = nullptr;
    ValidatedIntProperty *m_AlertIdentifier = nullptr;
    ValidatedIntProperty *m_AlertInstance = nullptr;
    ValidatedStringProperty *m_RefusedAlertCommand = nullptr;
};

class MsgHbt : public NmeaMessage
{
    Q_OBJECT
    Q_PROPERTY(ValidatedIntProperty *RepeatInterval MEMBER m_RepeatInterval)
    Q_PROPERTY(ValidatedStringProperty *Status MEMBER m_Status)
    Q_PROPERTY(ValidatedIntProperty *SentenceIdentifier MEMBER m_SentenceIdentifier)
    Q_CLASSINFO("RepeatInterval", "type=int")
    Q_CLASSINFO("Status", "type=string validator=[AV]{1,1} fixedLength=1")
    Q_CLASSINFO("SentenceIdentifier", "type=int fixedLength=1 validator=0;9")
public:
    explicit MsgHbt(const QString &talker);

    ValidatedIntProperty *RepeatInterval() const { return m_RepeatInterval; }
    ValidatedStringProperty *Status() const { return m_Status; }
    ValidatedIntProperty *SentenceIdentifier() const { return m_SentenceIdentifier; }

private:
    ValidatedIntProperty *m_RepeatInterval = nullptr;
    ValidatedStringProperty *m_Status = nullptr;
    ValidatedIntProperty *m_SentenceIdentifier = nullptr;
};

#endif // ALERTSENTENCES_H
