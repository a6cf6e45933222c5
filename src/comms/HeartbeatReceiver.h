#ifndef HEARTBEATRECEIVER_H
#define HEARTBEATRECEIVER_H

#include <QObject>
#include <QString>

// The single point where every received heartbeat (HBT) is announced with its sender's talker and SFI.
// The receiving controller calls heartbeatReceived() for every HBT that parsed without error; listeners
// are the heartbeat monitors of the alert engine. The process-wide instance exists before main runs.
class HeartbeatReceiver : public QObject
{
    Q_OBJECT

public:
    // The process-wide receiver, created without parent during static initialisation, never destroyed.
    static HeartbeatReceiver *instance();

    explicit HeartbeatReceiver(QObject *parent = nullptr);

    // Heartbeats refused since construction because their talker or SFI cannot be a sender's.
    int invalidHeartbeatCount() const;

public slots:
    // Re-emits the heartbeat unchanged. A talker must have exactly two characters and an SFI must be
    // empty (a serial port) or six characters; anything else is counted, logged and dropped, so a
    // listener never sees a text longer than these.
    void heartbeatReceived(QString source_talker, QString source_sfi);

signals:
    void signalHeartbeatReceived(QString source_talker, QString source_sfi);

private:
    int m_invalidHeartbeatCount = 0;
};

#endif // HEARTBEATRECEIVER_H
