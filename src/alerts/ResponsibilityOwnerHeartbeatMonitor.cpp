#include "alerts/ResponsibilityOwnerHeartbeatMonitor.h"

#include "alerts/AlertConditionEvaluator.h"
#include "common/SignalExtender.h"
#include "comms/HeartbeatReceiver.h"

#include <QTimer>

ResponsibilityOwnerHeartbeatMonitor::ResponsibilityOwnerHeartbeatMonitor(const QString &alertName,
    const QString &sourceTalker, const QString &sourceSfi, QObject *parent, int timeoutSeconds)
    : QObject(parent)
    , m_alertName(alertName)
    , m_sourceTalker(sourceTalker)
    , m_sourceSfi(sourceSfi)
    , m_timeoutEvaluator(new TimeoutConditionEvaluator(alertName, QStringLiteral("HeartbeatMissing")))
{
    // The heartbeat's own clear request is not wanted: a heartbeat proves the owner alive, it does not
    // end the alert.
    m_timeoutEvaluator->setSuppressClear(true);
    m_timeoutEvaluator->setUseSharedTimer(true);
    m_timeoutEvaluator->setTimeoutCountLimit(qMax(1, timeoutSeconds));
    SignalExtender::instance()->connectPending();
    connect(HeartbeatReceiver::instance(), &HeartbeatReceiver::signalHeartbeatReceived, this,
        &ResponsibilityOwnerHeartbeatMonitor::heartbeatReceived);
}

ResponsibilityOwnerHeartbeatMonitor::~ResponsibilityOwnerHeartbeatMonitor() = default;

void ResponsibilityOwnerHeartbeatMonitor::stop()
{
    disconnect(HeartbeatReceiver::instance(), nullptr, this, nullptr);
    TimeoutConditionEvaluator *evaluator = m_timeoutEvaluator.get();
    disconnect(TimeoutConditionEvaluator::sharedTimeoutTimer(), nullptr, evaluator, nullptr);
    // Disconnecting while the evaluator is emitting is safe: the emission in progress ends normally.
    disconnect(evaluator, nullptr, nullptr, nullptr);
}

void ResponsibilityOwnerHeartbeatMonitor::heartbeatReceived(QString source_talker, QString source_sfi)
{
    if (source_talker != m_sourceTalker)
        return;
    if (!m_sourceSfi.isEmpty() && source_sfi != m_sourceSfi)
        return;
    m_timeoutEvaluator->evaluateCondition(true);
}
