#ifndef SERIALIZATIONCONTROLLER_H
#define SERIALIZATIONCONTROLLER_H

#include <QObject>
#include <QString>
#include <QTimer>

// Receives the settings texts the junction box sends (joined back from "PQRVAVG" data sentences) and
// applies each to the settings root its type names: a single change ("SingleProperty" as second item)
// or a whole object. Also supervises the link to the junction box: an accepted complete setup brings
// the link up; a complete setup that cannot be applied, or - once supervision runs - more than 10 ticks
// of the 1000 ms timer without a received text after the last accepted setup, take it down, mark every
// runtime value invalid and ask for a new PAIR (pairingRequested(); the PAIR handler of the sentence
// catalogue listens, see connectPairingSupervision()).
class SerializationController : public QObject
{
    Q_OBJECT
public:
    // The process-wide controller, created on first use and never destroyed.
    static SerializationController *instance();

    // A controller of its own (the process-wide one is made this way).
    explicit SerializationController(QObject *parent = nullptr);

    // Starts the 1000 ms supervision timer.
    void startSupervision();
    bool isLinkUp() const { return m_linkUp; }
    bool isSupervising() const { return m_supervisionTimer.isActive(); }
    int tickCount() const { return m_tickCounter; }

signals:
    // true: a complete setup was accepted while the link was down; false: the link was lost.
    void commsToTQ55StateChanged(bool comms_ok);
    void aboutToDeserializeCompleteSetup();
    void finishedDeserializingCompleteSetup(bool new_connection);
    // The link is down (or a complete setup could not be applied): a new PAIR is due.
    void pairingRequested();

public slots:
    void deserializeData(QString data);
    // A PAIR is about to be sent: the next accepted setup reports a new connection.
    void setConnectingToJb();

private slots:
    void timerTimeout();
    // Clock offsets from a received ZDA, and from a position time when no ZDA is valid.
    void utcAndLocaDatelTimeUpdated();
    void utcTimeUpdated();

private:
    void deserializeCompleteSetup(const QString &data);

    bool m_newConnection = true;
    QTimer m_supervisionTimer;
    int m_tickCounter = 0;
    bool m_linkUp = true;
    bool m_lastSetupAccepted = false;
    bool m_firstTimeUpdate = true;
};

#endif // SERIALIZATIONCONTROLLER_H
