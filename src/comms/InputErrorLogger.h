#ifndef INPUTERRORLOGGER_H
#define INPUTERRORLOGGER_H

#include "comms/BinaryOverUdpErrorType.h"
#include "comms/MessageLogger.h"
#include "comms/NmeaOverUdpErrorType.h"
#include "nmea/NmeaChecksum.h"

// The log of input errors: the faulty sentences of each port, as the message log keeps them, and the
// rejected IEC 61162-450 datagrams in "UDP_NMEA_Datagrams.txt" (sentence datagrams) and
// "UDP_Binary_Datagrams.txt" (image datagrams). Each record is the error number, ": " and the offending
// text. The two datagram logs are off until the logging setup switches them on.
class InputErrorLogger : public MessageLogger
{
    Q_OBJECT
public:
    InputErrorLogger(const QString &dirPath, int capacity, QObject *parent = nullptr);

    BufferedRecorder *udpNmeaRecorder() const { return m_udpNmeaRecorder; }
    BufferedRecorder *udpBinaryRecorder() const { return m_udpBinaryRecorder; }
    bool isUdpNmeaDatagramLogging() const { return m_udpNmeaDatagramLogging; }
    bool isUdpBinaryDatagramLogging() const { return m_udpBinaryDatagramLogging; }

public slots:
    void logNmeaMessageErrorToFile(NmeaErrorType error, Port port, QString sentence);
    void logUdpDatagramErrorToFile(NmeaOverUdpErrorType error, QString datagram);
    void logUdpDatagramErrorToFile(BinaryOverUdpErrorType error, QString datagram);
    void setUdpNmeaDatagramLogging(bool enabled);
    void setUdpBinaryDatagramLogging(bool enabled);

private:
    BufferedRecorder *m_udpNmeaRecorder;
    BufferedRecorder *m_udpBinaryRecorder;
    bool m_udpNmeaDatagramLogging = false;
    bool m_udpBinaryDatagramLogging = false;
};

#endif // INPUTERRORLOGGER_H
