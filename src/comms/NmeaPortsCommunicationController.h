#ifndef NMEAPORTSCOMMUNICATIONCONTROLLER_H
#define NMEAPORTSCOMMUNICATIONCONTROLLER_H

#include "comms/NmeaGroupInfo.h"

#include <QObject>
#include <QString>

class CommunicationForwardingController;
class LoopTest;
class NmeaPorts;

// Joins the serial lines to the sentence routing: every line a routed reader receives becomes a
// one-sentence group (port of the reader, no source SFI, no destinations, standard sentences), and every
// group sent to a serial port is written sentence by sentence to that port's reader. It owns the serial
// loop-back test: while the test runs, received lines go to the test instead and groups to send are
// dropped. On "WINDOWS" the controller is inert: it connects nothing, creates no test and both routing
// slots return at once.
class NmeaPortsCommunicationController : public QObject
{
    Q_OBJECT
public:
    // The port set is not owned; its listed readers are connected here, so they are opened before.
    NmeaPortsCommunicationController(NmeaPorts *ports, QObject *parent = nullptr);

    // Stored only; the serial path does not feed the communication monitor itself.
    void setCommunicationForwardingController(CommunicationForwardingController *controller);

    // The loop test, or null where none exists (a "TVR100" display, too few readers, "WINDOWS").
    LoopTest *loopTest() const;
    // Whether serial traffic is held for the loop test; false when there is no test.
    bool isLoopTestRunning() const;

signals:
    void receivedNmeaListFromSerial(NmeaGroupInfo group_info);

public slots:
    void sendNmeaGroupOverSerialPort(NmeaGroupInfo group_info);

private slots:
    void lineReceivedFromSerial(QString line, int port_number);
    void sendTestMessageOverSerialPort(QString msg, int sending_port);

private:
    NmeaPorts *m_ports;
    CommunicationForwardingController *m_forwardingController = nullptr;
    LoopTest *m_loopTest = nullptr;
    bool m_inert;
};

#endif // NMEAPORTSCOMMUNICATIONCONTROLLER_H
