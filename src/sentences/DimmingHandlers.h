#ifndef DIMMINGHANDLERS_H
#define DIMMINGHANDLERS_H

#include "nmea/NmeaHandler.h"

#include <QTimer>

class RemoteDimmingSetup;

// DDC, remote dimming between displays. A received command ("C") is applied to the remote-dimming settings
// ("DimmingSetup") in the operation modes RX and RX/TX and answered with a reply ("R") that echoes its
// fields; in mode TX it is not applied, and a command from a serial port is answered with the display's own
// state first. A change of the local current brightness is sent as a command in the modes RX/TX and TX.
//
// A 3000 ms guard, started by a command the display sends or takes while the guard is idle, keeps commands
// from echoing between displays: while it runs, received commands are answered but not applied.
class HandlerDdc : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerDdc(QObject *parent = nullptr);

    void handleReceivedMessage(NmeaMessage *message) override;

    // Sends a command with the setup's preset and palette and the given brightness (-1: the setup's current
    // brightness). Starts the guard when it is idle.
    void sendDdcCommand(int brightness);
    // Sends the reply to a received command: its fields with the status "R".
    void sendDdcReply(NmeaMessage *received);

    bool isGuardActive() const;

public slots:
    void onCurrentBrightnessPercentageChanged(int value);

private:
    RemoteDimmingSetup *setup() const;

    QTimer m_guardTimer;
};

#endif // DIMMINGHANDLERS_H
