#include "comms/NmeaOverUdpErrorLogger.h"

NmeaOverUdpErrorLogger::NmeaOverUdpErrorLogger(QObject *parent)
    : UdpErrorCounters({ 70, 71, 72, 73, 74, 75, 76, 77, 79 }, 78,
        { 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, -1, -1, -1, -1, -1 }, parent)
{
}
