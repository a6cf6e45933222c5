#include "comms/NmeaErrorLogger.h"

#include "common/SaturatingCount.h"
NmeaErrorLogger::NmeaErrorLogger(QObject *parent)
    : QObject(parent)
{
}

void NmeaErrorLogger::logError(int kind)
{
    if (kind >= 1 && kind <= 8)
        countOne(m_counters[kind - 1]);
}

int NmeaErrorLogger::errorCount(int kind) const
{
    return kind >= 1 && kind <= 8 ? m_counters[kind - 1] : -1;
}

int NmeaErrorLogger::totalErrors() const
{
    return saturatedSum(m_counters);
}

void NmeaErrorLogger::resetCounters()
{
    for (int &count : m_counters)
        count = 0;
}
