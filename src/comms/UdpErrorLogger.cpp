#include "comms/UdpErrorLogger.h"

#include "comms/BinaryOverUdpErrorLogger.h"
#include "comms/NmeaOverUdpErrorLogger.h"

namespace {
// Entries 0 to 9 of the combined table come from the sentence logger, 10 to 14 from the image logger.
const int sentenceEntries = 10;
const int tableLength = 15;

QList<int> combined(const QList<int> &sentencePart, const QList<int> &imagePart)
{
    QList<int> table = sentencePart.mid(0, sentenceEntries);
    table.append(imagePart.mid(sentenceEntries, tableLength - sentenceEntries));
    return table;
}
} // namespace

UdpErrorLogger::UdpErrorLogger(QObject *parent)
    : QObject(parent)
    , m_nmeaOverUdp(new NmeaOverUdpErrorLogger(this))
    , m_binaryOverUdp(new BinaryOverUdpErrorLogger(this))
{
}

void UdpErrorLogger::logNmeaOverUdpError(int code)
{
    m_nmeaOverUdp->logError(code);
}

void UdpErrorLogger::logBinaryError(int code)
{
    m_binaryOverUdp->logError(code);
}

int UdpErrorLogger::nmeaOverUdpErrorCount(int code) const
{
    return m_nmeaOverUdp->errorCount(code);
}

int UdpErrorLogger::binaryErrorCount(int code) const
{
    return m_binaryOverUdp->errorCount(code);
}

int UdpErrorLogger::totalNmeaOverUdpErrors() const
{
    return m_nmeaOverUdp->totalErrors();
}

int UdpErrorLogger::totalBinaryErrors() const
{
    return m_binaryOverUdp->totalErrors();
}

int UdpErrorLogger::totalErrors() const
{
    return totalNmeaOverUdpErrors() + totalBinaryErrors();
}

void UdpErrorLogger::resetCounters()
{
    m_nmeaOverUdp->resetCounters();
    m_binaryOverUdp->resetCounters();
}

NmeaOverUdpErrorLogger *UdpErrorLogger::nmeaOverUdpErrorLogger() const
{
    return m_nmeaOverUdp;
}

BinaryOverUdpErrorLogger *UdpErrorLogger::binaryOverUdpErrorLogger() const
{
    return m_binaryOverUdp;
}

QList<int> UdpErrorLogger::errorCodes() const
{
    return combined(m_nmeaOverUdp->errorCodes(), m_binaryOverUdp->errorCodes());
}

QList<int> UdpErrorLogger::errorCounts() const
{
    return combined(m_nmeaOverUdp->errorCounts(), m_binaryOverUdp->errorCounts());
}
