#ifndef BASICALERT_H
#define BASICALERT_H

#include "alerts/AlertWords.h"

#include <QObject>

class QTimer;

// The state machine of one alert: its priority, category, escalation type, identifier and instance, its
// state among the six alert states, and the counters the alert sentences carry. Raise, clear,
// acknowledge, silence, responsibility transfer and test requests move it between the states; an alert
// that stays unacknowledged escalates. Every change is announced by stateChanged (and alrStateChanged
// when it matters to the ALR view), which the sentence producers turn into ALF or ALR sentences.
//
// Priorities, categories, states and escalation types are the integer values of the alert word tables;
// a value outside a table (a word that matched nothing) is kept as it is and never used as an index.
class BasicAlert : public QObject
{
    Q_OBJECT

public:
    // The default silence time, and the default escalation time in minutes.
    static constexpr int defaultSilenceMilliseconds = 30000;
    static constexpr int defaultEscalationMinutes = 60;

    // The priority fills both the current and the default priority. The escalation time in minutes is
    // shared by every alert of the process and is overwritten by every construction; a time that is no
    // positive number leaves the shared time as it was.
    BasicAlert(QObject *parent, int alertIdentifier, int alertPriority, int alertCategory, int escalationType,
        int alertInstance, bool ackWhenRectified, double escalationMinutes);
    ~BasicAlert() override;

    int alertPriority() const { return m_alertPriority; }
    int defaultPriority() const { return m_defaultPriority; }
    int alertCategory() const { return m_alertCategory; }
    int escalationType() const { return m_escalationType; }
    int alertIdentifier() const { return m_alertIdentifier; }
    int alertInstance() const { return m_alertInstance; }
    bool ackWhenRectified() const { return m_ackWhenRectified; }
    int escalationCounter() const { return m_escalationCounter; }
    int revisionCounter() const { return m_revisionCounter; }
    bool silencedInPeriod() const { return m_silencedInPeriod; }
    bool silenceDeferralUsed() const { return m_silenceDeferralUsed; }
    int alertState() const { return m_alertState; }
    int previousState() const { return m_previousState; }
    bool alrChangePresent() const { return m_alrChangePresent; }
    bool newChangePresent() const { return m_newChangePresent; }
    bool alertDeactivated() const { return m_alertDeactivated; }
    bool isNormal() const { return m_alertState == static_cast<int>(AlertState::Normal); }
    // Alarm and Alert priorities can be acknowledged, silenced and transferred; Caution and
    // EmergencyAlarm cannot.
    bool isAckable() const;

    // The escalation time shared by all alerts, in minutes (fractions allowed).
    static double escalationMinutes();

    // How long a silence lasts before the alert sounds again, in milliseconds; also how long the first
    // escalation of an occurrence is put off after a silence. Taken at the next silence.
    int silenceTime() const { return m_silenceMilliseconds; }
    // Values below 1 ms are refused (logged; the time stays).
    void setSilenceTime(int milliseconds);

    // These change the field only and announce nothing.
    void setAlertPriority(int alertPriority);
    void setDefaultPriority(int defaultPriority);
    void setEscalationType(int escalationType);

    // Direct moves with the bookkeeping of a change (previous state recorded, announcement); all but the
    // transfer also flag the change for the ALR view.
    void setActiveAcknowledged();
    void setActiveResponsibilityTransferred();
    void setRectifiedUnacknowledged();
    void setNormal();
    // Announces the current state once more, unchanged (a new alert text must reach the producers).
    void reannounceState();

signals:
    void stateChanged(int alert_identifier, AlertState state);
    void alrStateChanged(int alert_identifier, AlertState state);
    void alarmEscalated(int alert_identifier);

private slots:
    void silenceTimeout();
    void escalationTimeout();

public slots:
    // Identifier 0 means "no identifier": the alert is cleared and, when it can be, acknowledged, and
    // raiseAlert() ignores it from then on.
    void setAlertIdentifier(int alertIdentifier);
    // The shared escalation time in minutes; running timers keep their period. Values below 1 are
    // refused (logged).
    void setEscaltionTime(int escaltionTime);
    void setAlertDeactivated(bool alertDeactivated);
    void clearNewChangePresentFlags();
    void setAlertCategory(AlertCategory category);
    void setAlertCategory(int category);
    void raiseAlert();
    void clearAlert();
    void acknowledgeAlert();
    void silenceAlert();
    void transferResponsibility();
    void testAlert();

private:
    // Records the old state, moves to the new one and announces it. Leaving ActiveSilenced stops the
    // silence timer.
    void changeState(AlertState state, bool alrChange);
    void notifyStateChange();
    // State ActiveUnacknowledged with a fresh escalation period, announced.
    void activate();
    void newOccurrence();
    void startEscalationTimer(int milliseconds);
    // The acknowledge transition itself, without the ack-able test.
    void acknowledgeTransition();

    int m_alertPriority;
    int m_defaultPriority;
    int m_alertCategory;
    int m_escalationType;
    int m_alertIdentifier;
    int m_alertInstance;
    bool m_ackWhenRectified;
    int m_escalationCounter = 0;
    int m_revisionCounter = 1;
    bool m_silencedInPeriod = false;
    bool m_silenceDeferralUsed = false;
    int m_alertState = static_cast<int>(AlertState::Normal);
    int m_previousState = static_cast<int>(AlertState::Normal);
    bool m_alrChangePresent = false;
    bool m_newChangePresent = false;
    bool m_alertDeactivated = false;
    int m_silenceMilliseconds = defaultSilenceMilliseconds;
    // Created at the first activation; a child, so it ends with the alert.
    QTimer *m_escalationTimer = nullptr;
    // One silence timer per alert: restarted by every silence and stopped as soon as the alert leaves
    // ActiveSilenced, so a silence that ended early can never cut a later one short.
    QTimer *m_silenceTimer = nullptr;

    static double s_escalationMinutes;
};

#endif // BASICALERT_H
