#include "comms/UdpErrorCounters.h"

#include "common/SaturatingCount.h"
UdpErrorCounters::UdpErrorCounters(
    const QList<int> &countedCodes, int sumCode, const QList<int> &table, QObject *parent)
    : QObject(parent)
    , m_countedCodes(countedCodes)
    , m_sumCode(sumCode)
    , m_codes(table)
    , m_counters(countedCodes.size(), 0)
{
}

void UdpErrorCounters::logError(int code)
{
    m_lastCode = code;
    const int index = m_countedCodes.indexOf(code);
    if (index >= 0)
        countOne(m_counters[index]);
}

int UdpErrorCounters::errorCount(int code) const
{
    if (code == m_sumCode)
        return totalErrors();
    const int index = m_countedCodes.indexOf(code);
    return index >= 0 ? m_counters.at(index) : -1;
}

int UdpErrorCounters::totalErrors() const
{
    return saturatedSum(m_counters);
}

QList<int> UdpErrorCounters::errorCodes() const
{
    return m_codes;
}

QList<int> UdpErrorCounters::errorCounts() const
{
    QList<int> counts;
    counts.reserve(m_codes.size());
    for (int code : m_codes)
        counts.append(errorCount(code));
    return counts;
}

int UdpErrorCounters::lastErrorCode() const
{
    return m_lastCode;
}

int UdpErrorCounters::lastErrorCount() const
{
    return errorCount(m_lastCode);
}

void UdpErrorCounters::resetCounters()
{
    m_counters.fill(0);
}
