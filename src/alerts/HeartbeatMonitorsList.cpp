#include "alerts/HeartbeatMonitorsList.h"

#include "alerts/ResponsibilityOwnerHeartbeatMonitor.h"
#include "common/SignalExtender.h"

#include <QDebug>

HeartbeatMonitorsList::HeartbeatMonitorsList(QObject *parent)
    : QObject(parent)
{
}

HeartbeatMonitorsList::~HeartbeatMonitorsList()
{
    // Monitors are children: those in the list and those removed but not yet deleted go with it.
    m_monitors.clear();
}

ResponsibilityOwnerHeartbeatMonitor *HeartbeatMonitorsList::monitor(const QString &alert_name) const
{
    return m_monitors.value(alert_name, nullptr);
}

int HeartbeatMonitorsList::count() const
{
    return m_monitors.size();
}

void HeartbeatMonitorsList::setHeartbeatTimeout(const QString &alert_name, int seconds)
{
    if (seconds < 1) {
        qDebug() << "HeartbeatMonitorsList: heartbeat timeout" << seconds << "s refused for" << alert_name;
        return;
    }
    m_timeouts.insert(alert_name, seconds);
}

int HeartbeatMonitorsList::heartbeatTimeout(const QString &alert_name) const
{
    return m_timeouts.value(alert_name, ResponsibilityOwnerHeartbeatMonitor::defaultTimeoutSeconds);
}

void HeartbeatMonitorsList::addMonitor(QString alert_name, QString source_talker, QString source_sfi)
{
    auto *created = new ResponsibilityOwnerHeartbeatMonitor(
        alert_name, source_talker, source_sfi, this, heartbeatTimeout(alert_name));
    removeMonitor(alert_name);
    m_monitors.insert(alert_name, created);
    SignalExtender::instance()->connectPending();
}

void HeartbeatMonitorsList::addMonitor(QString alert_name, QString source_talker)
{
    addMonitor(alert_name, source_talker, QString());
}

void HeartbeatMonitorsList::removeMonitor(QString alert_name)
{
    ResponsibilityOwnerHeartbeatMonitor *old = m_monitors.take(alert_name);
    if (!old)
        return;
    // The removal may come from inside the monitor's own raise request; it is cut off now and deleted
    // once control is back in the event loop.
    old->stop();
    old->deleteLater();
}
