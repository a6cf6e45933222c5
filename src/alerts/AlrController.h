#ifndef ALRCONTROLLER_H
#define ALRCONTROLLER_H

#include <QList>
#include <QObject>
#include <QString>

class AlertsController;
class QTimer;

// The alert producer in ALR mode: the content of an ALR sentence at every change of an alert that
// matters to the ALR view, the list of every alert that is not Normal each 60 s, and the executor of ACK
// acknowledgements of other stations. Contents are the field part after the formatter, starting with ",".
//
// Registers as "AlrController", the name the alerts' queued connections point to. Everything is off until
// setAlrEnabled(true).
class AlrController : public QObject
{
    Q_OBJECT

public:
    static constexpr int defaultAlrListInterval = 60000;

    explicit AlrController(AlertsController *alertsController, QObject *parent = nullptr);
    ~AlrController() override;

    bool alrEnabled() const { return m_alrEnabled; }
    void setAlrEnabled(bool alrEnabled);

    // The period of the ALR list in milliseconds; restarts the period. Values below 1 are refused.
    int alrListInterval() const;
    void setAlrListInterval(int milliseconds);

    // Received acknowledgements refused because their alarm number is no number of 0 to 9999999.
    int invalidAckCount() const { return m_invalidAckCount; }

    // The ALR content for an alert identifier; empty when no alert has it.
    QString alrContent(int alert_identifier) const;

signals:
    void alrSentenceContents(QString alr_contents);
    void alrListContents(QList<QString> alr_list_contents);

public slots:
    void createAlrMessage(int alert_identifier);
    void createAlrList();
    void handleAck(int alert_identifier, QString ack_source = QString());
    // ack_body: the unique alarm number field of a received ACK; source: its sender's SFI.
    void handleAck(QString ack_body, QString source);

private:
    bool m_alrEnabled = false;
    AlertsController *m_alertsController;
    QTimer *m_alrTimer;
    int m_invalidAckCount = 0;
};

#endif // ALRCONTROLLER_H
