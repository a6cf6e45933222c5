#include "comms/EchosounderSerialReader.h"

#include "common/LogText.h"

#include <QDebug>
#include <QSerialPort>
#include <QTimer>

namespace {

constexpr int idle = 0;
constexpr int sending = 1;
constexpr int awaiting = 2;

constexpr int answerWaitMs = 50;
constexpr int pollIntervalMs = 50;
// Tries before a failing or silent command is given up.
constexpr int maxTries = 2;
// Commands are deduplicated and pings replace each other, but distinct texts could still pile up.
constexpr int maxQueuedCommands = 64;
// Unread bytes the line keeps between exchanges: a few measurement blocks.
constexpr qint64 lineReadBound = 64 * 1024;

const QByteArray ok = QByteArrayLiteral("$NLCC,OK*2A\r\n");
const QByteArray failAnswer = QByteArrayLiteral("$NLCC,FAIL*2C\r\n");
const QByteArray measurementHeader = QByteArrayLiteral("$NLRD");
const QString singlePingChannel0 = QStringLiteral("$NLTT,0,00000*02\r\n");
const QString singlePingChannel1 = QStringLiteral("$NLTT,0,00001*03\r\n");

} // namespace

EchosounderSerialReader::EchosounderSerialReader(
    const QString &name, int port_number, int access_mode, int baud_rate)
    : SerialReader(name, port_number, access_mode, baud_rate)
    , m_pollTimer(new QTimer(this))
{
    setRouted(false);
    setLineFramingEnabled(false);
    setReadBufferBound(lineReadBound);
    m_pollTimer->setInterval(pollIntervalMs);
    connect(m_pollTimer, &QTimer::timeout, this, &EchosounderSerialReader::pollSerial);
}

int EchosounderSerialReader::sendCommand(const QString &command)
{
    if (!enqueueCommand(command))
        return -1;
    return sendNextCommand();
}

bool EchosounderSerialReader::enqueueCommand(const QString &command)
{
    if (command.isEmpty()) {
        qDebug() << "Empty transceiver command refused";
        return false;
    }
    if (command.contains(QLatin1String("NLTT"))) {
        // A ping replaces the queued ping. A single ping under way is not the repeated ping: a new ping
        // waits behind it.
        for (int i = m_singlePingActive ? 1 : 0; i < m_commandQueue.size(); ++i) {
            if (m_commandQueue.at(i).contains(QLatin1String("NLTT"))) {
                m_commandQueue[i] = command;
                return true;
            }
        }
    } else if (m_commandQueue.contains(command)) {
        return true;
    }
    if (m_commandQueue.size() >= maxQueuedCommands) {
        qDebug().noquote() << "Transceiver command queue full, command refused: " + command.trimmed();
        return false;
    }
    m_commandQueue.append(command);
    if (command.contains(QLatin1String("$NLSP"))) {
        m_lastParameterCommand = command;
        m_parametersSet = false;
    }
    return true;
}

void EchosounderSerialReader::startSinglePing(int channel)
{
    const QString ping = channel == 1 ? singlePingChannel1 : singlePingChannel0;
    if (m_exchangeState != idle) {
        // The queue's first entry is the command under way and its answer is still to be judged
        // against it: the ping goes first only when this exchange ends.
        m_pendingSinglePing = ping;
        return;
    }
    m_commandQueue.prepend(ping);
    m_singlePingActive = true;
    sendNextCommand();
}

void EchosounderSerialReader::startPendingSinglePing()
{
    if (m_pendingSinglePing.isEmpty())
        return;
    m_commandQueue.prepend(m_pendingSinglePing);
    m_pendingSinglePing.clear();
    m_singlePingActive = true;
}

int EchosounderSerialReader::sendNextCommand()
{
    if (m_commandQueue.isEmpty() || m_exchangeState != idle)
        return 0;
    flushInput();
    m_exchangeState = sending;
    const int written = SerialReader::sendMessage(m_commandQueue.first());
    if (m_portTestRunning)
        ++m_portTestSent;
    m_exchangeState = awaiting;
    QTimer::singleShot(answerWaitMs, this, &EchosounderSerialReader::readResponseToCommand);
    return written;
}

void EchosounderSerialReader::flushInput()
{
    if (QSerialPort *port = serialPort(); port && port->isOpen()) {
        port->readAll();
        port->clear(QSerialPort::Input);
    }
    m_responseBuffer.clear();
}

int EchosounderSerialReader::responseBufferBound() const
{
    return qBound(4096, m_measurementExpectedLength + 4096, 1 << 20);
}

void EchosounderSerialReader::appendWaitingBytes()
{
    QSerialPort *port = serialPort();
    if (!port || !port->isOpen())
        return;
    m_responseBuffer += port->readAll();
    // A transceiver that keeps talking must not grow the buffer: only the newest bytes can still hold
    // the answer or block being waited for.
    const int bound = responseBufferBound();
    if (m_responseBuffer.size() > bound)
        m_responseBuffer.remove(0, m_responseBuffer.size() - bound);
}

void EchosounderSerialReader::readResponseToCommand()
{
    if (m_commandQueue.isEmpty()) {
        m_exchangeState = idle;
        return;
    }
    const QString command = m_commandQueue.first();
    appendWaitingBytes();
    stripEcho(command);
    const bool handled = evaluateResponse();
    if (handled && m_portTestRunning)
        ++m_portTestAnswered;
    const bool remove = handled || command.contains(QLatin1String("NLSP"));

    if (command.contains(QLatin1String("NLTT"))) {
        // The ping stays first and the exchange goes on until its measurement block is read.
        m_pollTimer->start();
        QTimer::singleShot(m_delayTime, this, &EchosounderSerialReader::readMeasurementData);
        return;
    }

    if (m_portTestRunning && m_portTestSent > maxTries)
        finishPortTest();
    else if (command.contains(QLatin1String("NLAA")))
        takeResponse(QByteArrayLiteral("$NLRA"));
    else if (command.contains(QLatin1String("NLSR")))
        takeResponse(QByteArrayLiteral("$NLCS"));
    else if (command.contains(QLatin1String("NLAF")))
        takeResponse(QByteArrayLiteral("$NLRF"));

    m_exchangeState = idle;
    if (remove)
        m_commandQueue.removeFirst();
    startPendingSinglePing();
    if (!m_commandQueue.isEmpty())
        sendNextCommand();
}

void EchosounderSerialReader::stripEcho(const QString &command)
{
    const QByteArray echo = command.toLatin1();
    const int at = m_responseBuffer.indexOf(echo);
    m_echoSeen = at >= 0;
    if (m_echoSeen)
        m_responseBuffer.remove(0, at + echo.size());
    // The order of the headers decides, not their position in the buffer.
    for (const char *header : { "$NLCC", "$NLCS", "$NLRA", "$NLRF" }) {
        const int start = m_responseBuffer.indexOf(header);
        if (start >= 0) {
            m_responseBuffer.remove(0, start);
            break;
        }
    }
}

bool EchosounderSerialReader::evaluateResponse()
{
    if (m_responseBuffer.contains(ok)) {
        m_lastCommandOk = true;
        emit receivedMessage(ok);
        m_responseBuffer.remove(0, m_responseBuffer.indexOf('$') + ok.size());
        m_failCount = 0;
        m_noResponseCount = 0;
        if (!m_commandQueue.isEmpty() && m_commandQueue.first().contains(QLatin1String("NLSP"))) {
            m_parametersSet = true;
            qDebug() << "Parameters set!";
        }
        markCommunicationFixed();
        return true;
    }
    if (m_responseBuffer.contains(failAnswer)) {
        m_lastCommandOk = false;
        emit receivedMessage(failAnswer);
        m_responseBuffer.remove(0, m_responseBuffer.indexOf('$') + failAnswer.size());
        if (++m_failCount > maxTries) {
            m_failCount = 0;
            emit commandExecutionFailed(m_commandQueue.isEmpty() ? QString() : m_commandQueue.first());
            markCommunicationFixed();
            return true;
        }
    }
    // A failure that is not yet the last try, and no reply either: counted as silence as well.
    for (const char *header : { "$NLCS", "$NLRF", "$NLRA" }) {
        const int start = m_responseBuffer.indexOf(header);
        if (start >= 0) {
            m_lastCommandOk = true;
            m_responseBuffer.remove(0, start);
            m_failCount = 0;
            m_noResponseCount = 0;
            markCommunicationFixed();
            return true;
        }
    }
    emit receivedMessage(QByteArrayLiteral("No response from device!"));
    m_lastCommandOk = false;
    m_responseBuffer.clear();
    if (++m_noResponseCount > maxTries) {
        m_sensorCommunicationOk = false;
        m_noResponseCount = 0;
        emit sensorCommunicationProblem();
        return true;
    }
    return false;
}

void EchosounderSerialReader::markCommunicationFixed()
{
    if (m_sensorCommunicationOk)
        return;
    m_sensorCommunicationOk = true;
    emit sensorCommunicationFixed();
}

void EchosounderSerialReader::takeResponse(const QByteArray &header)
{
    const int start = m_responseBuffer.indexOf(header);
    if (start >= 0) {
        m_responseBuffer.remove(0, start);
        const int star = m_responseBuffer.indexOf('*');
        emit receivedMessage(star >= 0 ? m_responseBuffer.left(star + 4) : m_responseBuffer);
    } else {
        qDebug().noquote() << "Unexpected response to command: " + logExcerpt(header)
                + ", buffer contents: " + logExcerpt(m_responseBuffer);
    }
    m_responseBuffer.clear();
}

void EchosounderSerialReader::pollSerial()
{
    appendWaitingBytes();
}

void EchosounderSerialReader::readMeasurementData()
{
    m_pollTimer->stop();
    appendWaitingBytes();
    const int blockStart = m_responseBuffer.indexOf(measurementHeader);
    if (blockStart > 0)
        m_responseBuffer.remove(0, blockStart);

    if (m_responseBuffer.size() == m_measurementExpectedLength
        && m_responseBuffer.startsWith(measurementHeader)) {
        if (m_parametersSet) {
            if (m_portTestRunning) {
                ++m_portTestAnswered;
                if (m_portTestSent > maxTries)
                    finishPortTest();
            }
            emit completeBinaryData(m_responseBuffer);
        }
    } else {
        qDebug() << "Measurement data incorrect!";
        // Wrong blocks usually follow lost parameters: send them again. Without a parameter command
        // there is nothing to send (the empty text is refused).
        if (!m_lastParameterCommand.isEmpty())
            enqueueCommand(m_lastParameterCommand);
    }
    m_responseBuffer.clear();

    if (m_singlePingActive) {
        if (!m_commandQueue.isEmpty())
            m_commandQueue.removeFirst();
        m_singlePingActive = false;
    }
    m_exchangeState = idle;
    if (!m_commandQueue.isEmpty() && m_commandQueue.first().contains(QLatin1String("NLTT")))
        rotatePingCommand();
    startPendingSinglePing();
    if (!m_commandQueue.isEmpty())
        sendNextCommand();
}

void EchosounderSerialReader::rotatePingCommand()
{
    const QString ping = m_commandQueue.first();
    if (ping.contains(QLatin1String("NLTT,OFF"))) {
        for (int i = m_commandQueue.size() - 1; i >= 0; --i) {
            if (m_commandQueue.at(i).contains(QLatin1String("NLTT,OFF")))
                m_commandQueue.removeAt(i);
        }
        return;
    }
    if (m_commandQueue.size() <= 1)
        return; // alone, the ping is simply sent again
    m_commandQueue.removeFirst();
    for (const QString &queued : qAsConst(m_commandQueue)) {
        if (queued.contains(QLatin1String("NLTT")))
            return; // a newer ping is queued: this one ends
    }
    m_commandQueue.append(ping);
}

void EchosounderSerialReader::finishPortTest()
{
    m_portTestFinished = true;
    m_portTestRunning = false;
    m_portTestPassed = m_portTestSent - m_portTestAnswered <= 1;
    emit portTestingFinished();
}

void EchosounderSerialReader::setMeasurementExpectedLength(int length, int channel)
{
    Q_UNUSED(channel)
    m_measurementExpectedLength = length;
}

void EchosounderSerialReader::setDelayTime(int delay, int channel)
{
    Q_UNUSED(channel)
    m_delayTime = delay;
}

void EchosounderSerialReader::setDataLoggingOn(bool on)
{
    m_dataLoggingOn = on;
}

bool EchosounderSerialReader::dataLoggingOn() const
{
    return m_dataLoggingOn;
}

void EchosounderSerialReader::startPortTest()
{
    m_portTestRunning = true;
    m_portTestPassed = false;
    m_portTestSent = 0;
    m_portTestAnswered = 0;
}

bool EchosounderSerialReader::isPortTestRunning() const
{
    return m_portTestRunning;
}

bool EchosounderSerialReader::portTestPassed() const
{
    return m_portTestPassed;
}

void EchosounderSerialReader::reportMessage(const QByteArray &message)
{
    emit receivedMessage(message);
    qDebug().noquote() << "Received message: " + logExcerpt(message);
}

QString EchosounderSerialReader::portErrorString() const
{
    QSerialPort *port = serialPort();
    return port ? port->errorString() : QString();
}

QStringList EchosounderSerialReader::commandQueue() const
{
    return m_commandQueue;
}

bool EchosounderSerialReader::parametersSet() const
{
    return m_parametersSet;
}

bool EchosounderSerialReader::isSensorCommunicationOk() const
{
    return m_sensorCommunicationOk;
}
