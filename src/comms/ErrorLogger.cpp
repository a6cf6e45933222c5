#include "comms/ErrorLogger.h"

#include "common/SaturatingCount.h"
#include "comms/NmeaErrorLogger.h"
#include "comms/UdpErrorLogger.h"

namespace {
const int udpPort = 3;
const int tooLongKind = 7;
const int tooLongCode = 74;
const int otherSentenceErrorCode = 76;
} // namespace

ErrorLogger *ErrorLogger::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    static ErrorLogger *const logger = new ErrorLogger;
    return logger;
}

ErrorLogger::ErrorLogger()
    : QObject(nullptr)
    , m_udp(new UdpErrorLogger(this))
{
    for (NmeaErrorLogger *&port : m_ports)
        port = new NmeaErrorLogger(this);
}

NmeaErrorLogger *ErrorLogger::portLogger(int port) const
{
    return port >= 0 && port <= udpPort ? m_ports[port] : nullptr;
}

void ErrorLogger::logUdpError(int code)
{
    m_udp->logNmeaOverUdpError(code);
}

void ErrorLogger::logBinaryError(int code)
{
    m_udp->logBinaryError(code);
}

void ErrorLogger::logNmeaError(int kind, int port)
{
    NmeaErrorLogger *logger = portLogger(port);
    if (!logger)
        return;
    logger->logError(kind);
    if (port == udpPort)
        logUdpError(kind == tooLongKind ? tooLongCode : otherSentenceErrorCode);
}

int ErrorLogger::udpErrorCount(int code) const
{
    return m_udp->nmeaOverUdpErrorCount(code);
}

int ErrorLogger::binaryErrorCount(int code) const
{
    return m_udp->binaryErrorCount(code);
}

int ErrorLogger::nmeaErrorCount(int kind, int port) const
{
    const NmeaErrorLogger *logger = portLogger(port);
    return logger ? logger->errorCount(kind) : -1;
}

int ErrorLogger::totalUdpNmeaErrors() const
{
    return m_udp->totalNmeaOverUdpErrors();
}

int ErrorLogger::totalBinaryErrors() const
{
    return m_udp->totalBinaryErrors();
}

int ErrorLogger::totalUdpErrors() const
{
    return totalUdpNmeaErrors() + totalBinaryErrors();
}

int ErrorLogger::totalNmeaErrors(int port) const
{
    const NmeaErrorLogger *logger = portLogger(port);
    return logger ? logger->totalErrors() : -1;
}

int ErrorLogger::serialNmeaErrorCount(int kind) const
{
    return saturatedSum({ nmeaErrorCount(kind, 0), nmeaErrorCount(kind, 1), nmeaErrorCount(kind, 2) });
}

int ErrorLogger::totalSerialNmeaErrors() const
{
    return saturatedSum({ totalNmeaErrors(0), totalNmeaErrors(1), totalNmeaErrors(2) });
}

int ErrorLogger::nmeaErrorCountAllPorts(int kind) const
{
    return saturatedSum({ serialNmeaErrorCount(kind), nmeaErrorCount(kind, udpPort) });
}

int ErrorLogger::totalNmeaErrorsAllPorts() const
{
    return saturatedSum({ totalSerialNmeaErrors(), totalNmeaErrors(udpPort) });
}

int ErrorLogger::totalErrors() const
{
    return totalSerialNmeaErrors() + totalUdpErrors();
}

void ErrorLogger::resetCounters()
{
    m_udp->resetCounters();
    for (NmeaErrorLogger *port : m_ports)
        port->resetCounters();
}

UdpErrorLogger *ErrorLogger::udpErrorLogger() const
{
    return m_udp;
}

NmeaErrorLogger *ErrorLogger::serial1ErrorLogger() const
{
    return m_ports[0];
}

NmeaErrorLogger *ErrorLogger::serial2ErrorLogger() const
{
    return m_ports[1];
}

NmeaErrorLogger *ErrorLogger::serial3ErrorLogger() const
{
    return m_ports[2];
}
