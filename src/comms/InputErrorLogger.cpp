#include "comms/InputErrorLogger.h"

#include "comms/BufferedRecorder.h"

InputErrorLogger::InputErrorLogger(const QString &dirPath, int capacity, QObject *parent)
    : MessageLogger(dirPath, capacity, parent)
    , m_udpNmeaRecorder(createRecorder(QStringLiteral("UDP_NMEA_Datagrams.txt")))
    , m_udpBinaryRecorder(createRecorder(QStringLiteral("UDP_Binary_Datagrams.txt")))
{
}

void InputErrorLogger::logNmeaMessageErrorToFile(NmeaErrorType error, Port port, QString sentence)
{
    if (!isPortLogging(port))
        return;
    if (BufferedRecorder *portRecorder = recorder(port))
        portRecorder->addErrorRecord(error, sentence);
}

void InputErrorLogger::logUdpDatagramErrorToFile(NmeaOverUdpErrorType error, QString datagram)
{
    if (m_udpNmeaDatagramLogging)
        m_udpNmeaRecorder->addErrorRecord(error, datagram);
}

void InputErrorLogger::logUdpDatagramErrorToFile(BinaryOverUdpErrorType error, QString datagram)
{
    if (m_udpBinaryDatagramLogging)
        m_udpBinaryRecorder->addErrorRecord(error, datagram);
}

void InputErrorLogger::setUdpNmeaDatagramLogging(bool enabled)
{
    m_udpNmeaDatagramLogging = enabled;
}

void InputErrorLogger::setUdpBinaryDatagramLogging(bool enabled)
{
    m_udpBinaryDatagramLogging = enabled;
}
