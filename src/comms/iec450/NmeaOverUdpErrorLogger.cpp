#include "comms/iec450/NmeaOverUdpErrorLogger.h"

namespace {
const int sumCode = 78;
const int tableLength = 15;
} // namespace

NmeaOverUdpErrorLogger::NmeaOverUdpErrorLogger(QObject *parent)
    : QObject(parent)
{
    for (int code = 70; code <= 79; ++code)
        m_codes.append(code);
    while (m_codes.size() < tableLength)
        m_codes.append(-1);
}

int NmeaOverUdpErrorLogger::counterIndex(int code)
{
    if (code >= 70 && code <= 77)
        return code - 70;
    if (code == 79)
        return 8;
    return -1;
}

void NmeaOverUdpErrorLogger::logError(int code)
{
    m_lastCode = code;
    const int index = counterIndex(code);
    if (index >= 0)
        ++m_counters[index];
}

int NmeaOverUdpErrorLogger::errorCount(int code) const
{
    if (code == sumCode)
        return totalErrors();
    const int index = counterIndex(code);
    return index >= 0 ? m_counters[index] : -1;
}

int NmeaOverUdpErrorLogger::totalErrors() const
{
    int sum = 0;
    for (int count : m_counters)
        sum += count;
    return sum;
}

QList<int> NmeaOverUdpErrorLogger::errorCodes() const
{
    return m_codes;
}

QList<int> NmeaOverUdpErrorLogger::errorCounts() const
{
    QList<int> counts;
    counts.reserve(m_codes.size());
    for (int code : m_codes)
        counts.append(errorCount(code));
    return counts;
}

int NmeaOverUdpErrorLogger::lastErrorCode() const
{
    return m_lastCode;
}

int NmeaOverUdpErrorLogger::lastErrorCount() const
{
    return errorCount(m_lastCode);
}

void NmeaOverUdpErrorLogger::resetCounters()
{
    for (int &count : m_counters)
        count = 0;
}
