#ifndef BINARYOVERUDPERRORLOGGER_H
#define BINARYOVERUDPERRORLOGGER_H

#include <QList>
#include <QObject>

// Error counters of the image datagrams: codes 80 to 83 are counted; 84 stands for the sum of the four.
class BinaryOverUdpErrorLogger : public QObject
{
    Q_OBJECT
public:
    explicit BinaryOverUdpErrorLogger(QObject *parent = nullptr);

    // Makes code the last code and writes it to the debug log; counts it when it is 80 to 83.
    void logError(int code);
    // The counter of 80 to 83, the sum of the four for 84, -1 for any other code.
    int errorCount(int code) const;
    int totalErrors() const;
    // Ten entries -1 (the places of the sentence codes in the combined table), then 80 to 84.
    QList<int> errorCodes() const;
    QList<int> errorCounts() const;
    int lastErrorCode() const;
    int lastErrorCount() const;
    // Zeroes the counters; the last code stays.
    void resetCounters();

private:
    int m_counters[4] = {};
    QList<int> m_codes;
    int m_lastCode = 0;
};

#endif // BINARYOVERUDPERRORLOGGER_H
