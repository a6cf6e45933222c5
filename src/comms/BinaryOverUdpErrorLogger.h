#ifndef BINARYOVERUDPERRORLOGGER_H
#define BINARYOVERUDPERRORLOGGER_H

#include "comms/UdpErrorCounters.h"

// Error counters of the image datagrams: codes 80 to 83 are counted; 84 stands
// for the sum of the four. The code table is ten entries -1 (the places of the
// sentence codes in the combined table), then 80 to 84.
class BinaryOverUdpErrorLogger : public UdpErrorCounters
{
    Q_OBJECT
public:
    explicit BinaryOverUdpErrorLogger(QObject *parent = nullptr);

    // Also writes the code to the debug log.
    void logError(int code) override;
};

#endif // BINARYOVERUDPERRORLOGGER_H
