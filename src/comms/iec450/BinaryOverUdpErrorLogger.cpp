#include "comms/iec450/BinaryOverUdpErrorLogger.h"

#include <QDebug>

namespace {
const int sumCode = 84;
} // namespace

BinaryOverUdpErrorLogger::BinaryOverUdpErrorLogger(QObject *parent)
    : QObject(parent)
{
    for (int i = 0; i < 10; ++i)
        m_codes.append(-1);
    for (int code = 80; code <= 84; ++code)
        m_codes.append(code);
}

void BinaryOverUdpErrorLogger::logError(int code)
{
    m_lastCode = code;
    qDebug().noquote() << "Binary over udp error type: " + QString::number(code);
    if (code >= 80 && code <= 83)
        ++m_counters[code - 80];
}

int BinaryOverUdpErrorLogger::errorCount(int code) const
{
    if (code == sumCode)
        return totalErrors();
    if (code >= 80 && code <= 83)
        return m_counters[code - 80];
    return -1;
}

int BinaryOverUdpErrorLogger::totalErrors() const
{
    int sum = 0;
    for (int count : m_counters)
        sum += count;
    return sum;
}

QList<int> BinaryOverUdpErrorLogger::errorCodes() const
{
    return m_codes;
}

QList<int> BinaryOverUdpErrorLogger::errorCounts() const
{
    QList<int> counts;
    counts.reserve(m_codes.size());
    for (int code : m_codes)
        counts.append(errorCount(code));
    return counts;
}

int BinaryOverUdpErrorLogger::lastErrorCode() const
{
    return m_lastCode;
}

int BinaryOverUdpErrorLogger::lastErrorCount() const
{
    return errorCount(m_lastCode);
}

void BinaryOverUdpErrorLogger::resetCounters()
{
    for (int &count : m_counters)
        count = 0;
}
