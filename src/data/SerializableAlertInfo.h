#ifndef SERIALIZABLEALERTINFO_H
#define SERIALIZABLEALERTINFO_H

#include "data/SerializableClass.h"

// The state of one alert as the junction box sends it. The numbers of AlertState, AlertCategory and
// AlertPriority are positions in the alert word tables (state 5 is "Normal").
class SerializableAlertInfo : public RuntimeSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int AlertState READ AlertState WRITE setAlertState NOTIFY AlertStateChanged)
    Q_CLASSINFO("AlertState", "type=runtime name=AlertState defaultValue=0")
    Q_PROPERTY(int AlertCategory READ AlertCategory WRITE setAlertCategory NOTIFY AlertCategoryChanged)
    Q_CLASSINFO("AlertCategory", "type=runtime name=AlertCategory defaultValue=0")
    Q_PROPERTY(int AlertPriority READ AlertPriority WRITE setAlertPriority NOTIFY AlertPriorityChanged)
    Q_CLASSINFO("AlertPriority", "type=runtime name=AlertPriority defaultValue=0")
    Q_PROPERTY(int AlertInstanceNumber READ AlertInstanceNumber WRITE setAlertInstanceNumber NOTIFY
            AlertInstanceNumberChanged)
    Q_CLASSINFO("AlertInstanceNumber", "type=runtime name=AlertInstanceNumber defaultValue=1")
    Q_PROPERTY(int EscalationCounter READ EscalationCounter WRITE setEscalationCounter NOTIFY
            EscalationCounterChanged)
    Q_CLASSINFO("EscalationCounter", "type=runtime name=EscalationCounter defaultValue=0")
    Q_PROPERTY(
        int RevisionCounter READ RevisionCounter WRITE setRevisionCounter NOTIFY RevisionCounterChanged)
    Q_CLASSINFO("RevisionCounter", "type=runtime name=RevisionCounter defaultValue=0")
    Q_PROPERTY(QString ActionSource READ ActionSource WRITE setActionSource NOTIFY ActionSourceChanged)
    Q_CLASSINFO("ActionSource", "type=runtime name=ActionSource defaultValue=")
    Q_PROPERTY(QString AlertText READ AlertText WRITE setAlertText NOTIFY AlertTextChanged)
    Q_CLASSINFO("AlertText", "type=runtime name=AlertText defaultValue=")

public:
    SerializableAlertInfo(QObject *parent, const QString &name);

    int AlertState() const { return m_alertState; }
    int AlertCategory() const { return m_alertCategory; }
    int AlertPriority() const { return m_alertPriority; }
    int AlertInstanceNumber() const { return m_alertInstanceNumber; }
    int EscalationCounter() const { return m_escalationCounter; }
    int RevisionCounter() const { return m_revisionCounter; }
    QString ActionSource() const { return m_actionSource; }
    QString AlertText() const { return m_alertText; }

    // Each setter stores the value and emits its change signal, also when the value is unchanged.
    void setAlertState(int value);
    void setAlertCategory(int value);
    void setAlertPriority(int value);
    void setAlertInstanceNumber(int value);
    void setEscalationCounter(int value);
    void setRevisionCounter(int value);
    void setActionSource(const QString &value);
    void setAlertText(const QString &value);

signals:
    void AlertStateChanged(int);
    void AlertCategoryChanged(int);
    void AlertPriorityChanged(int);
    void AlertInstanceNumberChanged(int);
    void EscalationCounterChanged(int);
    void RevisionCounterChanged(int);
    void ActionSourceChanged(QString);
    void AlertTextChanged(QString);

private:
    int m_alertState = 0;
    int m_alertCategory = 0;
    int m_alertPriority = 0;
    int m_alertInstanceNumber = 0;
    int m_escalationCounter = 0;
    int m_revisionCounter = 0;
    QString m_actionSource;
    QString m_alertText;
};

#endif // SERIALIZABLEALERTINFO_H
