#ifndef HANDLERSRP_H
#define HANDLERSRP_H

#include "nmea/NmeaHandler.h"

// SRP: announces the unit's MAC and IP address ("DisplaySetup") on the network, at the start of the
// announcements, 60 s and 360 s later, and at once on every later change of either address. A received
// SRP is only logged. The announcements are started once per process, by the start-up, and only when
// the unit does not run as a display.
class HandlerSrp : public NmeaHandler
{
    Q_OBJECT
public:
    explicit HandlerSrp(QObject *parent = nullptr);

    // Runs once per process; later calls do nothing.
    void startSending();
    void fillOutgoingMessage(NmeaMessage *message) override;
    void handleReceivedMessage(NmeaMessage *message) override;

    // How many timed follow-up announcements have been scheduled in this process (at most 2).
    static int scheduledAnnouncementCount();

private slots:
    void sendTimeout();
};

#endif // HANDLERSRP_H
