#ifndef RESPONSIBILITYOWNERHEARTBEATMONITOR_H
#define RESPONSIBILITYOWNERHEARTBEATMONITOR_H

#include <QObject>
#include <QString>

#include <memory>

class TimeoutConditionEvaluator;

// Watches the heartbeats of the station that took over the responsibility for an alert. Its timeout
// evaluator, named after the alert and connected to the alert's type controller, counts the ticks of the
// shared one-second timer; a matching heartbeat starts the count again, and once the count reaches the
// timeout the evaluator raises the alert with the source "HeartbeatMissing".
class ResponsibilityOwnerHeartbeatMonitor : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultTimeoutSeconds = 120;

    // An empty SFI accepts the talker's heartbeats from any SFI. The timeout is in seconds (ticks of
    // the shared timer), at least 1.
    ResponsibilityOwnerHeartbeatMonitor(const QString &alertName, const QString &sourceTalker,
        const QString &sourceSfi, QObject *parent = nullptr, int timeoutSeconds = defaultTimeoutSeconds);
    ~ResponsibilityOwnerHeartbeatMonitor() override;

    QString alertName() const { return m_alertName; }
    QString sourceTalker() const { return m_sourceTalker; }
    QString sourceSfi() const { return m_sourceSfi; }
    TimeoutConditionEvaluator *timeoutEvaluator() const { return m_timeoutEvaluator.get(); }

    // Ends the supervision at once: no heartbeat, no tick and no request passes any more. The list
    // calls it before it lets the monitor go, which may happen while the evaluator is still delivering
    // its raise request.
    void stop();

private slots:
    void heartbeatReceived(QString source_talker, QString source_sfi);

private:
    QString m_alertName;
    QString m_sourceTalker;
    QString m_sourceSfi;
    std::unique_ptr<TimeoutConditionEvaluator> m_timeoutEvaluator;
};

#endif // RESPONSIBILITYOWNERHEARTBEATMONITOR_H
