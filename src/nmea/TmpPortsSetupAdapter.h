#ifndef TMPPORTSSETUPADAPTER_H
#define TMPPORTSSETUPADAPTER_H

#include "common/Port.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

// Answers two questions for the sentence traffic of the four communication ports (serial ports 1 to 3
// and UDP): may a standard sentence be sent on a port (the sentence switches of the port setups in the
// communications setup), and may a received sentence type be handled from a port (fixed tables of
// accepted input). The sentence handlers reach the process-wide adapter through tmpPortsSetupAdapter()
// (see NmeaHandler.h); the received-sentence dispatch of a junction box asks it about every sentence.
//
// The port setups are the children of the communications setup named "NmeaPort1Setup" (port 0),
// "NmeaPort3Setup" (port 2) and "UdpPortSetup" (port 3); each has one integer switch per sentence it
// can send, named like the sentence, 0 for "ON" and 1 for "off".
class TmpPortsSetupAdapter : public QObject
{
    Q_OBJECT
public:
    // The communications setup is not owned and is read at every call. The accepted-input table is
    // built here, for the product of BuildConfiguration::instance().
    explicit TmpPortsSetupAdapter(QObject *communicationsSetup, QObject *parent = nullptr);

    // The ports the sentence handlers walk when they send: 0 Serial_1, 1 Serial_2, 2 Serial_3, 3 UDP.
    static int numberOfPorts();

    // Port classification: 0 to 3 are ports of this adapter, 0 to 2 serial ports, 3 the UDP port, and
    // 0, 2 and 3 the ports on which sentences are sent.
    static bool isValidPort(int port);
    static bool isSerialPort(int port);
    static bool isUdpPort(int port);
    static bool isSendingPort(int port);

    // True when the port's setup has a switch named like the sentence and it is "ON". Only ports 0, 2
    // and 3 send; every other port, a missing setup and a sentence without a switch give false.
    bool isSentenceEnabledOnPort(const QString &sentence, Port port) const;

    // Whether a received sentence of that name may be handled from the port. Only the speed-log
    // products (MIR_LOX1000, MIR_LOX2000) on LINUX restrict their input, by fixed sets per port; every
    // other build accepts everything. Names compare exactly; a port outside the table accepts nothing.
    bool isInputSentenceAllowed(const QString &sentence, Port port) const;

private:
    QPointer<QObject> m_communicationsSetup;
    QList<QSet<QString>> m_acceptedInputTable;
};

#endif // TMPPORTSSETUPADAPTER_H
