#ifndef ALERTCONDITIONEVALUATOR_H
#define ALERTCONDITIONEVALUATOR_H

#include <QObject>
#include <QString>

class QTimer;

// Condition evaluators turn a monitored quantity into raise and clear requests for one alert. Each is
// named after the alert it drives and registers in the object registry as "ConditionEvaluator" + name;
// a linked evaluator queues the connections of its requests to the alert type controller registered
// under the name, made at the registry's next connectPending(). The owner of the quantity only feeds
// values in.
class AlertConditionEvaluator : public QObject
{
    Q_OBJECT

public:
    AlertConditionEvaluator(
        const QString &name, const QString &sourceText, bool linkedToAlert, QObject *parent = nullptr);
    ~AlertConditionEvaluator() override;

    QString evaluatorName() const { return m_evaluatorName; }
    QString sourceText() const { return m_sourceText; }
    bool linkedToAlert() const { return m_linkedToAlert; }
    bool conditionNormal() const { return m_conditionNormal; }
    bool suppressClear() const { return m_suppressClear; }
    void setSuppressClear(bool suppressClear);
    QString evaluatorAlertText() const { return m_evaluatorAlertText; }
    // Stores a new alert text and offers it to the alert, only when it differs from the stored one.
    void updateAlertText(const QString &text);

signals:
    void raiseAlert(QString source);
    void clearAlert(QString source);
    void reportState(bool new_state);
    void setAlertDeactivated(bool alertDeactivated);
    void setAlertText(QString text);

protected:
    QString m_evaluatorName;
    QString m_sourceText;
    bool m_conditionNormal = true;
    bool m_linkedToAlert;
    bool m_suppressClear = false;
    QString m_evaluatorAlertText;
};

// A value beyond a limit: above it (exceedAbove) or below it. The condition ends only once the value is
// back beyond the limit by more than the hysteresis. Not linked, it reports the condition instead of
// requesting raise and clear.
class ExceedingConditionEvaluator : public AlertConditionEvaluator
{
    Q_OBJECT

public:
    ExceedingConditionEvaluator(const QString &name, const QString &sourceText, bool exceedAbove,
        bool linkedToAlert, QObject *parent = nullptr);

    float conditionLimit() const { return m_conditionLimit; }
    float conditionHysteresis() const { return m_conditionHysteresis; }
    bool exceedAbove() const { return m_exceedAbove; }
    // With this set, a limit of 0 switches the alert off.
    bool zeroLimitDeactivates() const { return m_zeroLimitDeactivates; }
    void setZeroLimitDeactivates(bool zeroLimitDeactivates);

public slots:
    void evaluateCondition(float new_value);
    void setConditionLimit(float conditionLimit);
    void setConditionHysteresis(float conditionHysteresis);

private:
    float m_conditionLimit = 0.0f;
    float m_conditionHysteresis = 2.0f;
    bool m_exceedAbove;
    bool m_zeroLimitDeactivates = false;
};

// A value inside (or outside) a range, limits excluded. Raise and clear are sent whether linked or not.
class ValueWithinRangeConditionEvaluator : public AlertConditionEvaluator
{
    Q_OBJECT

public:
    ValueWithinRangeConditionEvaluator(
        const QString &name, const QString &sourceText, bool linkedToAlert, QObject *parent = nullptr);

    float rangeLowerLimit() const { return m_rangeLowerLimit; }
    float rangeUpperLimit() const { return m_rangeUpperLimit; }
    bool normalInsideRange() const { return m_normalInsideRange; }
    void setNormalInsideRange(bool normalInsideRange);

public slots:
    void evaluateCondition(float new_value);
    void setRangeLowerLimit(float rangeLowerLimit);
    void setRangeUpperLimit(float rangeUpperLimit);

private:
    float m_rangeLowerLimit = 0.0f;
    float m_rangeUpperLimit = 5.0f;
    bool m_normalInsideRange = true;
};

// A plain normal/abnormal flag; only a change is sent.
class SimpleConditionEvaluator : public AlertConditionEvaluator
{
    Q_OBJECT

public:
    SimpleConditionEvaluator(const QString &name, const QString &sourceText, QObject *parent = nullptr);

public slots:
    void setConditionStateNormal(bool is_normal);
};

// Counts timeouts without a normal report: the alert is raised once the count reaches its limit, and a
// warning may be given at a lower count. The count advances on abnormal reports, or, with
// useSharedTimer, only on the ticks of one 1000 ms timer shared by every timeout evaluator of the process.
class TimeoutConditionEvaluator : public AlertConditionEvaluator
{
    Q_OBJECT

public:
    TimeoutConditionEvaluator(const QString &name, const QString &sourceText, QObject *parent = nullptr);

    int timeoutCount() const { return m_timeoutCount; }
    int timeoutCountLimit() const { return m_timeoutCountLimit; }
    int timeoutWarningLimit() const { return m_timeoutWarningLimit; }
    bool enableInternalWarning() const { return m_enableInternalWarning; }
    bool useSharedTimer() const { return m_useSharedTimer; }
    void setUseSharedTimer(bool useSharedTimer);

    // The shared timer: made on first use, without parent, with the protocol's 1000 ms period (tests set
    // a shorter one on it), and started by the first timeout evaluator; it keeps running for the rest of
    // the program.
    static QTimer *sharedTimeoutTimer();

signals:
    void timeoutInternalWarning(QString source);

private slots:
    void staticTimerTimeuot();

public slots:
    void evaluateCondition(bool normal_state);
    void setEnableInternalWarning(bool enableInternalWarning);
    void setTimeoutCountLimit(int timeoutCountLimit);
    void setTimeoutWarningLimit(int timeoutWarningLimit);

private:
    void timeoutStep();

    int m_timeoutCount = 0;
    bool m_enableInternalWarning = false;
    int m_timeoutCountLimit = 10;
    int m_timeoutWarningLimit = 5;
    bool m_useSharedTimer = false;
};

#endif // ALERTCONDITIONEVALUATOR_H
