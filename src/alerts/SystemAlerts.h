#ifndef SYSTEMALERTS_H
#define SYSTEMALERTS_H

#include <QObject>
#include <QStringList>

class AlertsController;
class AlfController;
class AlrController;

// The alert engine of a station that owns alerts: the alert list built from definition lines, the ALF
// producer and the ALR producer, of which one is active (setAlfMode). Both start disabled. The alerts'
// connections to the producers are queued in the object registry and made by its next connectPending(),
// which the owner calls after building the engine.
//
// Inputs: requests for one alert go to its SingleAlertTypeController (found by name in the registry or
// through the list), bulk requests to the list, received ACN sentences to AlfController::handleAcm, the
// alarm number of received ACKs to AlrController::handleAck, heartbeats through the HeartbeatReceiver.
// Outputs: the producers' content signals.
class SystemAlerts : public QObject
{
    Q_OBJECT

public:
    explicit SystemAlerts(const QStringList &definitionLines, QObject *parent = nullptr);
    ~SystemAlerts() override;

    // true: ALF mode (ALF, ALC, ARC, ACN); false: ALR mode (ALR, ALR list, ACK).
    void setAlfMode(bool alf);
    bool alfMode() const { return m_alfMode; }

    AlertsController *alertsController() const { return m_alertsController; }
    AlfController *alfController() const { return m_alfController; }
    AlrController *alrController() const { return m_alrController; }

private:
    bool m_alfMode = false;
    AlertsController *m_alertsController;
    AlfController *m_alfController;
    AlrController *m_alrController;
};

#endif // SYSTEMALERTS_H
