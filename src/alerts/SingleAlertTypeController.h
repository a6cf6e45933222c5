#ifndef SINGLEALERTTYPECONTROLLER_H
#define SINGLEALERTTYPECONTROLLER_H

#include <QObject>
#include <QString>
#include <QStringList>

class BasicAlert;

// The addressable face of one alert type: owns its BasicAlert, registers the two under the alert name
// (and the name + "_basic_alert") in the object registry, queues the alert's connections to the ALF and
// ALR producers, remembers the source of the last request and forwards every request to the alert.
//
// Definition line, fields separated by "," (empty fields count), read by position; missing fields take
// the defaults in brackets:
//   0 name, 1 text, 2 identifier (a text that is no integer gives 0),
//   3 priority word [Alert], 4 category word [CatB], 5 escalation word [WarningToWarning]
//     (a word in no table gives the table's size, kept as it is),
//   6 initial instance, 0 to 999999 [0], 7 acknowledge when rectified: exactly "true" [true],
//   8 escalation time in minutes, shared by all alerts, fractions allowed; no positive number: [60].
// Further fields are ignored: the silence time (30 s) and the heartbeat timeout of a responsibility
// owner (120 s) are the same for every alert.
class SingleAlertTypeController : public QObject
{
    Q_OBJECT

public:
    // The fields of one definition line. A line needs a name, a text and an identifier; missing ones are
    // taken as empty (the alert list refuses such lines before they get here).
    SingleAlertTypeController(const QStringList &fields, QObject *parent = nullptr);
    // From values; the alert text is the name.
    SingleAlertTypeController(const QString &name, QObject *parent, int alertIdentifier, int alertPriority,
        int alertCategory, int escalationType, int alertInstance, bool ackWhenRectified,
        double escalationMinutes);
    ~SingleAlertTypeController() override;

    BasicAlert *alert() const { return m_basicAlert; }
    QString alertName() const { return m_alertName; }
    void setAlertName(const QString &alertName);
    QString alertText() const { return m_alertText; }
    QString manufacturerCode() const { return m_manufacturerCode; }
    void setManufacturerCode(const QString &manufacturerCode);
    QString actionSource() const { return m_actionSource; }
    void setActionSource(const QString &actionSource);

signals:
    void addMonitor(QString alert_name, QString source_talker, QString source_sfi = QString());
    void removeMonitor(QString alert_name);

public slots:
    // A raise with the source "HeartbeatMissing" ends the heartbeat supervision of the alert.
    void raiseAlert(QString source);
    // Ends the heartbeat supervision of the alert, whatever the alert did.
    void clearAlert(QString source);
    void acknowledgeAlert(QString source);
    void silenceAlert(QString source);
    void transferResponsibility(QString source);
    void setAlertDeactivated(bool alertDeactivated);
    void testAlert(QString source);
    // A new text is announced once with the state unchanged, so the producers send it.
    void setAlertText(QString alertText);

private:
    void registerAndQueueConnections();

    QString m_alertName;
    QString m_actionSource;
    BasicAlert *m_basicAlert = nullptr;
    QString m_alertText;
    QString m_manufacturerCode;
};

#endif // SINGLEALERTTYPECONTROLLER_H
