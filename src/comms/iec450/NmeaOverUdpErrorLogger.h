#ifndef NMEAOVERUDPERRORLOGGER_H
#define NMEAOVERUDPERRORLOGGER_H

#include <QList>
#include <QObject>

// Error counters of the IEC 61162-450 sentence datagrams: codes 70 to 77 and 79 are counted; 78 is
// not a counter of its own but stands for the sum of the nine.
class NmeaOverUdpErrorLogger : public QObject
{
    Q_OBJECT
public:
    explicit NmeaOverUdpErrorLogger(QObject *parent = nullptr);

    // Makes code the last code, whatever it is; counts it when it is one of the nine counted codes.
    void logError(int code);
    // The counter of a counted code, the sum of all nine for 78, -1 for any other code.
    int errorCount(int code) const;
    int totalErrors() const;
    // 70 to 79, then -1 up to 15 entries: the places of the image codes in the combined table.
    QList<int> errorCodes() const;
    // errorCount of every entry of errorCodes(), in the same order.
    QList<int> errorCounts() const;
    // 0 until the first logError.
    int lastErrorCode() const;
    // errorCount(lastErrorCode()): -1 while nothing has been logged.
    int lastErrorCount() const;
    // Zeroes the counters; the last code stays.
    void resetCounters();

private:
    static int counterIndex(int code);

    int m_counters[9] = {};
    QList<int> m_codes;
    int m_lastCode = 0;
};

#endif // NMEAOVERUDPERRORLOGGER_H
