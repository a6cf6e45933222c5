#ifndef HEARTBEATMONITORSLIST_H
#define HEARTBEATMONITORSLIST_H

#include <QHash>
#include <QObject>
#include <QString>

class ResponsibilityOwnerHeartbeatMonitor;

// At most one responsibility-owner heartbeat monitor per alert. A monitor is added when a station takes
// over the responsibility for an alert, and removed when the alert is cleared, when the owner's
// heartbeat went missing and the alert was raised again, or when a new transfer replaces it.
class HeartbeatMonitorsList : public QObject
{
    Q_OBJECT

public:
    explicit HeartbeatMonitorsList(QObject *parent = nullptr);
    ~HeartbeatMonitorsList() override;

    // The monitor of the alert, or null.
    ResponsibilityOwnerHeartbeatMonitor *monitor(const QString &alert_name) const;
    int count() const;

    // How many seconds without a heartbeat of the owner raise the alert again: 120 unless the list's
    // owner sets another time for the alert. Taken by the next monitor of the alert; at least 1.
    void setHeartbeatTimeout(const QString &alert_name, int seconds);
    int heartbeatTimeout(const QString &alert_name) const;

public slots:
    void addMonitor(QString alert_name, QString source_talker, QString source_sfi);
    void addMonitor(QString alert_name, QString source_talker);
    void removeMonitor(QString alert_name);

private:
    QHash<QString, ResponsibilityOwnerHeartbeatMonitor *> m_monitors;
    QHash<QString, int> m_timeouts;
};

#endif // HEARTBEATMONITORSLIST_H
