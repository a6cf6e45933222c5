#ifndef TMPPORTSSETUPADAPTER_H
#define TMPPORTSSETUPADAPTER_H

#include "comms/iec450/Port.h"

#include <QObject>
#include <QPointer>
#include <QString>

// Says on which ports a standard sentence may be sent: the sentence switches of the port setups in the
// communications setup. The sentence handlers reach the process-wide adapter through
// tmpPortsSetupAdapter() (see NmeaHandler.h).
//
// The port setups are the children of the communications setup named "NmeaPort1Setup" (port 0),
// "NmeaPort3Setup" (port 2) and "UdpPortSetup" (port 3); each has one integer switch per sentence it
// can send, named like the sentence, 0 for "ON" and 1 for "off".
class TmpPortsSetupAdapter : public QObject
{
    Q_OBJECT
public:
    // The communications setup is not owned and is read at every call.
    explicit TmpPortsSetupAdapter(QObject *communicationsSetup, QObject *parent = nullptr);

    // The ports the sentence handlers walk when they send: 0 Serial_1, 1 Serial_2, 2 Serial_3, 3 UDP.
    static int numberOfPorts();

    // True when the port's setup has a switch named like the sentence and it is "ON". Only ports 0, 2
    // and 3 send; every other port, a missing setup and a sentence without a switch give false.
    bool isSentenceEnabledOnPort(const QString &sentence, Port port) const;

private:
    QPointer<QObject> m_communicationsSetup;
};

#endif // TMPPORTSSETUPADAPTER_H
