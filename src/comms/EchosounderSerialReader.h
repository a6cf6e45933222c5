#ifndef ECHOSOUNDERSERIALREADER_H
#define ECHOSOUNDERSERIALREADER_H

#include "comms/SerialReader.h"

#include <QByteArray>
#include <QStringList>

class QTimer;

// The serial line of the echo-sounder transceiver (115200 baud) and its "$NL" command protocol: the
// owner's commands go out one at a time; the transceiver echoes each and answers "$NLCC,OK*2A",
// "$NLCC,FAIL*2C" or a reply sentence ("$NLRA" to "NLAA", "$NLCS" to "NLSR", "$NLRF" to "NLAF"); after
// a ping ("NLTT") it sends a measurement block that starts with "$NLRD" and has a fixed size. Unanswered
// and failed commands are retried and given up by fixed counts; a ping repeats, interleaved with the
// other commands, until an "NLTT,OFF" command takes its place.
//
// The line is read by the protocol itself (50 ms after each send, every 50 ms while a measurement block
// is awaited, and when the block is due), never framed into lines, and not routed to the sentence
// intake. Everything runs on the reader's thread; other threads call its slots through queued
// connections.
class EchosounderSerialReader : public SerialReader
{
    Q_OBJECT
public:
    EchosounderSerialReader(const QString &name, int port_number, int access_mode, int baud_rate);

    bool dataLoggingOn() const;
    void startPortTest();
    bool isPortTestRunning() const;
    bool portTestPassed() const;
    // Emits receivedMessage with the bytes and writes them to the debug log.
    void reportMessage(const QByteArray &message);
    QString portErrorString() const;

    // The commands still to send; the first is the one under way while an exchange runs.
    QStringList commandQueue() const;
    // The transceiver acknowledged the last parameter command ("NLSP"); measurement blocks are passed
    // on only while this holds.
    bool parametersSet() const;
    bool isSensorCommunicationOk() const;

signals:
    void recievedBinaryMessage(QByteArray message);
    void completeBinaryData(QByteArray message);
    void receivedMessage(QByteArray message);
    void commandExecutionFailed(QString command);
    void sensorCommunicationProblem();
    void sensorCommunicationFixed();
    void portTestingFinished();

public slots:
    // Queues the command and sends it when no exchange is under way. Returns the bytes written, 0 when
    // the command only waits its turn, -1 for an empty command or a full queue (the command is refused).
    int sendCommand(const QString &command);
    // Size of a valid measurement block, "$NLRD" included (5041). The channel is not used.
    void setMeasurementExpectedLength(int length, int channel);
    // Wait between a ping's answer and reading its measurement block, in milliseconds (950).
    void setDelayTime(int delay, int channel);
    void setDataLoggingOn(bool on);
    // One ping on channel 1 ("$NLTT,0,00001*03") or 0 (any other value), sent before the queued
    // commands; during an exchange it waits for that exchange to end.
    void startSinglePing(int channel);

private slots:
    void readResponseToCommand();
    void readMeasurementData();
    void pollSerial();

private:
    bool enqueueCommand(const QString &command);
    int sendNextCommand();
    void flushInput();
    void appendWaitingBytes();
    void stripEcho(const QString &command);
    bool evaluateResponse();
    void takeResponse(const QByteArray &header);
    void rotatePingCommand();
    void startPendingSinglePing();
    void finishPortTest();
    void markCommunicationFixed();
    int responseBufferBound() const;

    int m_delayTime = 950;
    QByteArray m_responseBuffer;
    QString m_lastParameterCommand;
    bool m_parametersSet = false;
    int m_exchangeState = 0;
    bool m_echoSeen = false;
    bool m_lastCommandOk = false;
    int m_measurementExpectedLength = 5041;
    int m_failCount = 0;
    int m_noResponseCount = 0;
    QStringList m_commandQueue;
    bool m_dataLoggingOn = false;
    bool m_singlePingActive = false;
    // A single ping asked for during an exchange; it goes to the front when that exchange ends.
    QString m_pendingSinglePing;
    bool m_sensorCommunicationOk = true;
    bool m_portTestFinished = false;
    bool m_portTestRunning = false;
    bool m_portTestPassed = false;
    int m_portTestSent = 0;
    int m_portTestAnswered = 0;
    QTimer *m_pollTimer;
};

#endif // ECHOSOUNDERSERIALREADER_H
