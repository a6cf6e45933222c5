#include "alerts/BasicAlert.h"

#include <QDebug>
#include <QTimer>

#include <climits>
#include <cmath>

namespace {

// The alert engine's signals carry these types; queued connections and string-based connections look
// them up by these names.
const int s_alertStateType = qRegisterMetaType<AlertState>("AlertState");
const int s_alertCategoryType = qRegisterMetaType<AlertCategory>("AlertCategory");

const int maxRevision = 99;
const int highestAlertInstance = 999999;
const int maxEscalationCounter = 9;

int state(AlertState value)
{
    return static_cast<int>(value);
}

// A timer takes at most INT_MAX ms; longer escalation times are cut to that.
int escalationMilliseconds(double minutes)
{
    const double milliseconds = minutes * 60000.0;
    if (milliseconds >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return qMax(1, static_cast<int>(std::lround(milliseconds)));
}

bool isUsableMinutes(double minutes)
{
    return std::isfinite(minutes) && minutes > 0.0;
}

} // namespace

double BasicAlert::s_escalationMinutes = BasicAlert::defaultEscalationMinutes;

BasicAlert::BasicAlert(QObject *parent, int alertIdentifier, int alertPriority, int alertCategory,
    int escalationType, int alertInstance, bool ackWhenRectified, double escalationMinutes)
    : QObject(parent)
    , m_alertPriority(alertPriority)
    , m_defaultPriority(alertPriority)
    , m_alertCategory(alertCategory)
    , m_escalationType(escalationType)
    , m_alertIdentifier(alertIdentifier)
    , m_alertInstance(alertInstance)
    , m_ackWhenRectified(ackWhenRectified)
{
    if (isUsableMinutes(escalationMinutes))
        s_escalationMinutes = escalationMinutes;
    else
        qDebug() << "BasicAlert: escalation time" << escalationMinutes << "min refused for alert"
                 << alertIdentifier;
}

BasicAlert::~BasicAlert() = default;

bool BasicAlert::isAckable() const
{
    return m_alertPriority == static_cast<int>(AlertPriority::Alarm)
        || m_alertPriority == static_cast<int>(AlertPriority::Alert);
}

double BasicAlert::escalationMinutes()
{
    return s_escalationMinutes;
}

void BasicAlert::setSilenceTime(int milliseconds)
{
    if (milliseconds < 1) {
        qDebug() << "BasicAlert: silence time" << milliseconds << "ms refused for alert" << m_alertIdentifier;
        return;
    }
    m_silenceMilliseconds = milliseconds;
}

void BasicAlert::setAlertPriority(int alertPriority)
{
    m_alertPriority = alertPriority;
}

void BasicAlert::setDefaultPriority(int defaultPriority)
{
    m_defaultPriority = defaultPriority;
}

void BasicAlert::setEscalationType(int escalationType)
{
    m_escalationType = escalationType;
}

void BasicAlert::setActiveAcknowledged()
{
    changeState(AlertState::ActiveAcknowledged, true);
}

void BasicAlert::setActiveResponsibilityTransferred()
{
    changeState(AlertState::ActiveResponsibilityTransferred, false);
}

void BasicAlert::setRectifiedUnacknowledged()
{
    changeState(AlertState::RectifiedUnacknowledged, true);
}

void BasicAlert::setNormal()
{
    changeState(AlertState::Normal, true);
}

void BasicAlert::reannounceState()
{
    m_previousState = m_alertState;
    notifyStateChange();
}

void BasicAlert::silenceTimeout()
{
    if (m_alertState == state(AlertState::ActiveSilenced))
        activate();
}

void BasicAlert::escalationTimeout()
{
    if (m_alertDeactivated || m_escalationType == static_cast<int>(EscalationType::None))
        return;
    if (m_alertState != state(AlertState::ActiveUnacknowledged)
        && m_alertState != state(AlertState::ActiveSilenced))
        return;
    // After a silence the first escalation of an occurrence waits once more for a silence period.
    if (m_silencedInPeriod && !m_silenceDeferralUsed) {
        m_silenceDeferralUsed = true;
        startEscalationTimer(m_silenceMilliseconds);
        return;
    }
    m_escalationCounter = m_escalationCounter >= maxEscalationCounter ? 1 : m_escalationCounter + 1;
    if (m_escalationType == static_cast<int>(EscalationType::WarningToAlarm))
        m_alertPriority = static_cast<int>(AlertPriority::Alarm);
    activate();
    if (m_escalationType == static_cast<int>(EscalationType::AlarmToAlarm))
        emit alarmEscalated(m_alertIdentifier);
}

void BasicAlert::setAlertIdentifier(int alertIdentifier)
{
    m_alertIdentifier = alertIdentifier;
    if (alertIdentifier != 0)
        return;
    clearAlert();
    if (isAckable())
        acknowledgeTransition();
}

void BasicAlert::setEscaltionTime(int escaltionTime)
{
    if (escaltionTime < 1) {
        qDebug() << "BasicAlert: escalation time" << escaltionTime << "min refused";
        return;
    }
    s_escalationMinutes = escaltionTime;
}

void BasicAlert::setAlertDeactivated(bool alertDeactivated)
{
    if (alertDeactivated) {
        if (m_escalationTimer)
            m_escalationTimer->stop();
        clearAlert();
        if (isAckable())
            acknowledgeTransition();
    }
    m_alertDeactivated = alertDeactivated;
}

void BasicAlert::clearNewChangePresentFlags()
{
    m_newChangePresent = false;
    m_alrChangePresent = false;
}

void BasicAlert::setAlertCategory(AlertCategory category)
{
    m_alertCategory = static_cast<int>(category);
}

void BasicAlert::setAlertCategory(int category)
{
    m_alertCategory = category;
}

void BasicAlert::raiseAlert()
{
    if (m_alertDeactivated || m_alertIdentifier == 0)
        return;
    testAlert();
}

void BasicAlert::clearAlert()
{
    switch (static_cast<AlertState>(m_alertState)) {
    case AlertState::ActiveUnacknowledged:
        if (!isAckable())
            changeState(AlertState::Normal, true);
        else
            changeState(m_ackWhenRectified ? AlertState::RectifiedUnacknowledged : AlertState::Normal, true);
        break;
    case AlertState::ActiveSilenced:
        changeState(m_ackWhenRectified ? AlertState::RectifiedUnacknowledged : AlertState::Normal, true);
        break;
    case AlertState::ActiveAcknowledged:
    case AlertState::ActiveResponsibilityTransferred:
        changeState(AlertState::Normal, true);
        break;
    case AlertState::RectifiedUnacknowledged:
    case AlertState::Normal:
        break;
    }
}

void BasicAlert::acknowledgeAlert()
{
    if (isAckable())
        acknowledgeTransition();
}

void BasicAlert::silenceAlert()
{
    if (!isAckable() || m_alertState != state(AlertState::ActiveUnacknowledged))
        return;
    m_silencedInPeriod = true;
    changeState(AlertState::ActiveSilenced, false);
}

void BasicAlert::transferResponsibility()
{
    if (!isAckable() || m_alertCategory == static_cast<int>(AlertCategory::CatA))
        return;
    switch (static_cast<AlertState>(m_alertState)) {
    case AlertState::ActiveUnacknowledged:
    case AlertState::ActiveSilenced:
    case AlertState::ActiveAcknowledged:
        changeState(AlertState::ActiveResponsibilityTransferred, false);
        break;
    case AlertState::RectifiedUnacknowledged:
        changeState(AlertState::Normal, true);
        break;
    case AlertState::ActiveResponsibilityTransferred:
    case AlertState::Normal:
        break;
    }
}

void BasicAlert::testAlert()
{
    switch (static_cast<AlertState>(m_alertState)) {
    case AlertState::ActiveResponsibilityTransferred:
        // Back to the unacknowledged state of the same occurrence: counters and timer stay.
        changeState(AlertState::ActiveUnacknowledged, false);
        break;
    case AlertState::ActiveUnacknowledged:
    case AlertState::ActiveSilenced:
    case AlertState::ActiveAcknowledged:
        break;
    case AlertState::RectifiedUnacknowledged:
    case AlertState::Normal:
        newOccurrence();
        break;
    }
}

void BasicAlert::changeState(AlertState newState, bool alrChange)
{
    const bool wasSilenced = m_alertState == state(AlertState::ActiveSilenced);
    m_previousState = m_alertState;
    m_alertState = state(newState);
    if (alrChange)
        m_alrChangePresent = true;
    // The timers are set before the announcement, so a listener that changes the alert again finds
    // them in the state that belongs to the new one.
    if (newState == AlertState::ActiveSilenced) {
        if (!m_silenceTimer) {
            m_silenceTimer = new QTimer(this);
            m_silenceTimer->setSingleShot(true);
            m_silenceTimer->setTimerType(Qt::PreciseTimer);
            connect(m_silenceTimer, &QTimer::timeout, this, &BasicAlert::silenceTimeout);
        }
        m_silenceTimer->start(m_silenceMilliseconds);
    } else if (wasSilenced && m_silenceTimer) {
        m_silenceTimer->stop();
    }
    notifyStateChange();
}

void BasicAlert::notifyStateChange()
{
    m_newChangePresent = true;
    m_revisionCounter = m_revisionCounter >= maxRevision ? 1 : m_revisionCounter + 1;
    const auto current = static_cast<AlertState>(m_alertState);
    emit stateChanged(m_alertIdentifier, current);
    if (m_alrChangePresent)
        emit alrStateChanged(m_alertIdentifier, current);
}

void BasicAlert::activate()
{
    const bool wasSilenced = m_alertState == state(AlertState::ActiveSilenced);
    m_previousState = m_alertState;
    m_alertState = state(AlertState::ActiveUnacknowledged);
    if (wasSilenced && m_silenceTimer)
        m_silenceTimer->stop();
    startEscalationTimer(escalationMilliseconds(s_escalationMinutes));
    notifyStateChange();
}

void BasicAlert::newOccurrence()
{
    m_escalationCounter = 0;
    m_revisionCounter = 0;
    m_alrChangePresent = true;
    m_silencedInPeriod = false;
    m_silenceDeferralUsed = false;
    m_alertInstance
        = m_alertInstance >= highestAlertInstance || m_alertInstance < 0 ? 1 : m_alertInstance + 1;
    m_alertPriority = m_defaultPriority;
    activate();
}

void BasicAlert::startEscalationTimer(int milliseconds)
{
    if (!m_escalationTimer) {
        m_escalationTimer = new QTimer(this);
        m_escalationTimer->setSingleShot(true);
        m_escalationTimer->setTimerType(Qt::PreciseTimer);
        connect(m_escalationTimer, &QTimer::timeout, this, &BasicAlert::escalationTimeout);
    }
    m_escalationTimer->start(milliseconds);
}

void BasicAlert::acknowledgeTransition()
{
    switch (static_cast<AlertState>(m_alertState)) {
    case AlertState::ActiveUnacknowledged:
    case AlertState::ActiveSilenced:
        changeState(AlertState::ActiveAcknowledged, true);
        break;
    case AlertState::RectifiedUnacknowledged:
        changeState(AlertState::Normal, true);
        break;
    case AlertState::ActiveAcknowledged:
    case AlertState::ActiveResponsibilityTransferred:
    case AlertState::Normal:
        break;
    }
}
