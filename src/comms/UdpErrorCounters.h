#ifndef UDPERRORCOUNTERS_H
#define UDPERRORCOUNTERS_H

#include <QList>
#include <QObject>
#include <QVector>

// Counters of one family of datagram error codes and the table of codes that the diagnostics sentences
// report for it. The sentence and the image datagram paths keep one each, on their own codes.
class UdpErrorCounters : public QObject
{
    Q_OBJECT
public:
    // Makes code the last code, whatever it is; counts it when it is one of the counted codes.
    virtual void logError(int code);
    // The counter of a counted code, the sum of all counters for the sum code, -1 for any other code.
    int errorCount(int code) const;
    int totalErrors() const;
    // The table of codes, with -1 at the places of the other family's codes in the combined table.
    QList<int> errorCodes() const;
    // errorCount of every entry of errorCodes(), in the same order.
    QList<int> errorCounts() const;
    // 0 until the first logError.
    int lastErrorCode() const;
    // errorCount(lastErrorCode()): -1 while nothing has been logged.
    int lastErrorCount() const;
    // Zeroes the counters; the last code stays.
    void resetCounters();

protected:
    UdpErrorCounters(const QList<int> &countedCodes, int sumCode, const QList<int> &table, QObject *parent);

private:
    const QList<int> m_countedCodes;
    const int m_sumCode;
    const QList<int> m_codes;
    QVector<int> m_counters;
    int m_lastCode = 0;
};

#endif // UDPERRORCOUNTERS_H
