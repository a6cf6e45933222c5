#include "alerts/AlertConditionEvaluator.h"

#include "common/SignalExtender.h"

#include <QTimer>

#include <climits>
#include <cmath>

namespace {

const char registryPrefix[] = "ConditionEvaluator";
const int sharedTimerPeriod = 1000;

} // namespace

AlertConditionEvaluator::AlertConditionEvaluator(
    const QString &name, const QString &sourceText, bool linkedToAlert, QObject *parent)
    : QObject(parent)
    , m_evaluatorName(name)
    , m_sourceText(sourceText)
    , m_linkedToAlert(linkedToAlert)
{
    SignalExtender *registry = SignalExtender::instance();
    const QString registryName = QLatin1String(registryPrefix) + name;
    registry->registerObject(registryName, this);
    if (!linkedToAlert)
        return;
    // Unique: should two queued records ever resolve to the same pair of objects, the alert still gets
    // each request once.
    const int type = Qt::AutoConnection | Qt::UniqueConnection;
    registry->addPendingConnection(registryName, QStringLiteral("2raiseAlert(QString)"), name,
        QStringLiteral("1raiseAlert(QString)"), type);
    registry->addPendingConnection(registryName, QStringLiteral("2clearAlert(QString)"), name,
        QStringLiteral("1clearAlert(QString)"), type);
    registry->addPendingConnection(registryName, QStringLiteral("2setAlertDeactivated(bool)"), name,
        QStringLiteral("1setAlertDeactivated(bool)"), type);
    registry->addPendingConnection(registryName, QStringLiteral("2setAlertText(QString)"), name,
        QStringLiteral("1setAlertText(QString)"), type);
}

AlertConditionEvaluator::~AlertConditionEvaluator() = default;

void AlertConditionEvaluator::setSuppressClear(bool suppressClear)
{
    m_suppressClear = suppressClear;
}

void AlertConditionEvaluator::updateAlertText(const QString &text)
{
    if (text == m_evaluatorAlertText)
        return;
    m_evaluatorAlertText = text;
    emit setAlertText(text);
}

// ---------------------------------------------------------------------------------------------------------

ExceedingConditionEvaluator::ExceedingConditionEvaluator(
    const QString &name, const QString &sourceText, bool exceedAbove, bool linkedToAlert, QObject *parent)
    : AlertConditionEvaluator(name, sourceText, linkedToAlert, parent)
    , m_exceedAbove(exceedAbove)
{
}

void ExceedingConditionEvaluator::setZeroLimitDeactivates(bool zeroLimitDeactivates)
{
    m_zeroLimitDeactivates = zeroLimitDeactivates;
}

void ExceedingConditionEvaluator::evaluateCondition(float new_value)
{
    if (std::isnan(new_value))
        return;
    if (m_conditionLimit == 0.0f && m_zeroLimitDeactivates) {
        m_conditionNormal = true;
        emit clearAlert(m_sourceText);
        return;
    }
    const float sign = m_exceedAbove ? 1.0f : -1.0f;
    if (m_conditionNormal) {
        if (new_value * sign > m_conditionLimit * sign) {
            m_conditionNormal = false;
            if (m_linkedToAlert)
                emit raiseAlert(m_sourceText);
            else
                emit reportState(true);
        }
    } else if (new_value * sign < m_conditionLimit * sign - m_conditionHysteresis) {
        m_conditionNormal = true;
        if (m_linkedToAlert)
            emit clearAlert(m_sourceText);
        else
            emit reportState(false);
    }
}

void ExceedingConditionEvaluator::setConditionLimit(float conditionLimit)
{
    if (m_zeroLimitDeactivates) {
        if (m_conditionLimit != 0.0f && conditionLimit == 0.0f) {
            m_conditionNormal = true;
            emit setAlertDeactivated(true);
        } else if (m_conditionLimit == 0.0f && conditionLimit != 0.0f) {
            emit setAlertDeactivated(false);
        }
    }
    m_conditionLimit = conditionLimit;
}

void ExceedingConditionEvaluator::setConditionHysteresis(float conditionHysteresis)
{
    m_conditionHysteresis = conditionHysteresis;
}

// ---------------------------------------------------------------------------------------------------------

ValueWithinRangeConditionEvaluator::ValueWithinRangeConditionEvaluator(
    const QString &name, const QString &sourceText, bool linkedToAlert, QObject *parent)
    : AlertConditionEvaluator(name, sourceText, linkedToAlert, parent)
{
}

void ValueWithinRangeConditionEvaluator::setNormalInsideRange(bool normalInsideRange)
{
    m_normalInsideRange = normalInsideRange;
}

void ValueWithinRangeConditionEvaluator::evaluateCondition(float new_value)
{
    // Every comparison with a value that is no number is false: such a value is abnormal either way.
    const bool inside = m_rangeLowerLimit < new_value && new_value < m_rangeUpperLimit;
    const bool outside = new_value < m_rangeLowerLimit || new_value > m_rangeUpperLimit;
    const bool normal = m_normalInsideRange ? inside : outside;
    if (normal && !m_conditionNormal) {
        m_conditionNormal = true;
        emit clearAlert(m_sourceText);
    } else if (!normal && m_conditionNormal) {
        m_conditionNormal = false;
        emit raiseAlert(m_sourceText);
    }
}

void ValueWithinRangeConditionEvaluator::setRangeLowerLimit(float rangeLowerLimit)
{
    m_rangeLowerLimit = rangeLowerLimit;
}

void ValueWithinRangeConditionEvaluator::setRangeUpperLimit(float rangeUpperLimit)
{
    m_rangeUpperLimit = rangeUpperLimit;
}

// ---------------------------------------------------------------------------------------------------------

SimpleConditionEvaluator::SimpleConditionEvaluator(
    const QString &name, const QString &sourceText, QObject *parent)
    : AlertConditionEvaluator(name, sourceText, true, parent)
{
}

void SimpleConditionEvaluator::setConditionStateNormal(bool is_normal)
{
    if (is_normal != m_conditionNormal) {
        if (is_normal)
            emit clearAlert(m_sourceText);
        else
            emit raiseAlert(m_sourceText);
    }
    m_conditionNormal = is_normal;
}

// ---------------------------------------------------------------------------------------------------------

TimeoutConditionEvaluator::TimeoutConditionEvaluator(
    const QString &name, const QString &sourceText, QObject *parent)
    : AlertConditionEvaluator(name, sourceText, true, parent)
{
    QTimer *shared = sharedTimeoutTimer();
    if (!shared->isActive())
        shared->start(sharedTimerPeriod);
    connect(shared, &QTimer::timeout, this, &TimeoutConditionEvaluator::staticTimerTimeuot);
}

QTimer *TimeoutConditionEvaluator::sharedTimeoutTimer()
{
    static QTimer *const timer = new QTimer;
    return timer;
}

void TimeoutConditionEvaluator::setUseSharedTimer(bool useSharedTimer)
{
    m_useSharedTimer = useSharedTimer;
}

void TimeoutConditionEvaluator::staticTimerTimeuot()
{
    if (m_useSharedTimer)
        timeoutStep();
}

void TimeoutConditionEvaluator::evaluateCondition(bool normal_state)
{
    if (normal_state) {
        if (!m_conditionNormal) {
            m_conditionNormal = true;
            if (!m_suppressClear)
                emit clearAlert(m_sourceText);
        }
        m_timeoutCount = 0;
    } else if (!m_useSharedTimer) {
        timeoutStep();
    }
}

void TimeoutConditionEvaluator::setEnableInternalWarning(bool enableInternalWarning)
{
    m_enableInternalWarning = enableInternalWarning;
}

void TimeoutConditionEvaluator::setTimeoutCountLimit(int timeoutCountLimit)
{
    m_timeoutCountLimit = timeoutCountLimit;
}

void TimeoutConditionEvaluator::setTimeoutWarningLimit(int timeoutWarningLimit)
{
    m_timeoutWarningLimit = timeoutWarningLimit;
}

void TimeoutConditionEvaluator::timeoutStep()
{
    // The count keeps growing after the raise; it stops at the largest int rather than wrapping round.
    if (m_timeoutCount < INT_MAX)
        ++m_timeoutCount;
    if (!m_conditionNormal)
        return;
    // The warning step only takes the place of the raise when a warning is given: a disabled warning
    // whose limit equals the count limit must not put the raise off by one step.
    if (m_enableInternalWarning && m_timeoutCount == m_timeoutWarningLimit) {
        emit timeoutInternalWarning(m_sourceText);
    } else if (m_timeoutCount >= m_timeoutCountLimit) {
        m_conditionNormal = false;
        emit raiseAlert(m_sourceText);
    }
}
