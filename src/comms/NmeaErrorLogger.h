#ifndef NMEAERRORLOGGER_H
#define NMEAERRORLOGGER_H

#include <QObject>

// Sentence error counters of one port, one per error kind 1 to 8 (see NmeaErrorType).
class NmeaErrorLogger : public QObject
{
    Q_OBJECT
public:
    explicit NmeaErrorLogger(QObject *parent = nullptr);

    // Counts kinds 1 to 8 and ignores any other.
    void logError(int kind);
    // The count of kind 1 to 8, -1 for any other kind.
    int errorCount(int kind) const;
    int totalErrors() const;
    void resetCounters();

private:
    int m_counters[8] = {};
};

#endif // NMEAERRORLOGGER_H
