#ifndef UDPERRORLOGGER_H
#define UDPERRORLOGGER_H

#include <QList>
#include <QObject>

class NmeaOverUdpErrorLogger;
class BinaryOverUdpErrorLogger;

// The error counters of the IEC 61162-450 paths: sentence datagrams (codes 70 to 79) and image
// datagrams (80 to 84), and their combined table as the diagnostics sentences report it.
class UdpErrorLogger : public QObject
{
    Q_OBJECT
public:
    explicit UdpErrorLogger(QObject *parent = nullptr);

    void logNmeaOverUdpError(int code);
    void logBinaryError(int code);
    int nmeaOverUdpErrorCount(int code) const;
    int binaryErrorCount(int code) const;
    int totalNmeaOverUdpErrors() const;
    int totalBinaryErrors() const;
    int totalErrors() const;
    void resetCounters();

    NmeaOverUdpErrorLogger *nmeaOverUdpErrorLogger() const;
    BinaryOverUdpErrorLogger *binaryOverUdpErrorLogger() const;

    // The 15 codes 70 to 84 and their counts, in that order (78 and 84 carry the sums).
    QList<int> errorCodes() const;
    QList<int> errorCounts() const;

private:
    NmeaOverUdpErrorLogger *m_nmeaOverUdp;
    BinaryOverUdpErrorLogger *m_binaryOverUdp;
};

#endif // UDPERRORLOGGER_H
