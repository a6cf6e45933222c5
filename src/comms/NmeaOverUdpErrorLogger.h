#ifndef NMEAOVERUDPERRORLOGGER_H
#define NMEAOVERUDPERRORLOGGER_H

#include "comms/UdpErrorCounters.h"

// Error counters of the IEC 61162-450 sentence datagrams: codes 70 to 77 and 79
// are counted; 78 is not a counter of its own but stands for the sum of the
// nine. The code table is 70 to 79, then -1 up to 15 entries: the places of the
// image codes in the combined table.
class NmeaOverUdpErrorLogger : public UdpErrorCounters
{
    Q_OBJECT
public:
    explicit NmeaOverUdpErrorLogger(QObject *parent = nullptr);
};

#endif // NMEAOVERUDPERRORLOGGER_H
