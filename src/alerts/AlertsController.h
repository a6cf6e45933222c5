#ifndef ALERTSCONTROLLER_H
#define ALERTSCONTROLLER_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class HeartbeatMonitorsList;
class SingleAlertTypeController;

// The alert list: one alert type controller per definition line, in line order, fixed at construction;
// lookups by identifier, name and position; acknowledgement and silence in bulk; and the heartbeat
// monitors of the alerts whose responsibility was transferred. Registers as "AlertsController".
class AlertsController : public QObject
{
    Q_OBJECT

public:
    // A line with fewer than three fields (name, text, identifier) is refused with a debug line.
    explicit AlertsController(const QStringList &definitionLines, QObject *parent = nullptr);
    ~AlertsController() override;

    // The first controller in line order with that identifier, name or position; null when none.
    SingleAlertTypeController *findByIdentifier(int identifier) const;
    SingleAlertTypeController *findByName(const QString &name) const;
    SingleAlertTypeController *controllerAt(int index) const;
    int count() const;

    HeartbeatMonitorsList *heartbeatMonitors() const { return m_heartbeatMonitors; }

public slots:
    // The escalation time of all alerts, in minutes; nothing changes while the list is empty.
    void setEscalationTime(int esc_time);
    void ackCatB_and_CatC_Alerts(QString source);
    void ackAllAlerts(QString source);
    void silenceAllAlerts(QString source);
    // Only the first alert with exactly this text.
    void ackAlertByText(QString source, QString alert_text);

private:
    QList<SingleAlertTypeController *> m_alertTypeControllers;
    HeartbeatMonitorsList *m_heartbeatMonitors;
};

#endif // ALERTSCONTROLLER_H
