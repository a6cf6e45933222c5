#ifndef ERRORLOGGER_H
#define ERRORLOGGER_H

#include <QObject>

class UdpErrorLogger;
class NmeaErrorLogger;

// Process-wide owner of every error counter of what the unit receives: the IEC 61162-450 datagram
// codes (UdpErrorLogger) and the sentence error kinds of each port 0 to 3 (NmeaErrorLogger). The
// counters start at zero with every run and only grow until resetCounters().
class ErrorLogger : public QObject
{
    Q_OBJECT
public:
    // Created on first use, never destroyed.
    static ErrorLogger *instance();

    void logUdpError(int code);
    void logBinaryError(int code);
    // Counts the kind on port 0 to 3; a sentence error on port 3 (UDP) is also a network error: 74 for
    // a sentence that is too long, 76 for any other kind. Other ports: nothing.
    void logNmeaError(int kind, int port);

    int udpErrorCount(int code) const;
    int binaryErrorCount(int code) const;
    // -1 for a port other than 0 to 3.
    int nmeaErrorCount(int kind, int port) const;
    int totalUdpNmeaErrors() const;
    int totalBinaryErrors() const;
    int totalUdpErrors() const;
    // -1 for a port other than 0 to 3.
    int totalNmeaErrors(int port) const;
    int serialNmeaErrorCount(int kind) const;
    int totalSerialNmeaErrors() const;
    int nmeaErrorCountAllPorts(int kind) const;
    int totalNmeaErrorsAllPorts() const;
    // The serial sentence errors and the network errors; the sentence errors of port 3 are already
    // counted in the network codes 74 and 76.
    int totalErrors() const;

    // Zeroes every counter; the last codes stay.
    void resetCounters();

    UdpErrorLogger *udpErrorLogger() const;
    NmeaErrorLogger *serial1ErrorLogger() const;
    NmeaErrorLogger *serial2ErrorLogger() const;
    NmeaErrorLogger *serial3ErrorLogger() const;

private:
    ErrorLogger();
    NmeaErrorLogger *portLogger(int port) const;

    UdpErrorLogger *m_udp;
    NmeaErrorLogger *m_ports[4];
};

#endif // ERRORLOGGER_H
