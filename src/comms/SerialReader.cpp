#include "comms/SerialReader.h"

#include "common/BuildConfiguration.h"

#include <QDebug>
#include <QSerialPort>
#include <QThread>

namespace {

// An NMEA 0183 sentence is at most 82 characters, "$" and CR LF included.
constexpr int maxSerialSentenceLength = 82;
// Unread bytes the serial driver keeps for a reader; beyond it the line is not read until the reader
// takes what is there (in polling mode nobody may, and the input must not grow without limit).
constexpr qint64 defaultReadBufferBound = 4096;
// Bytes waiting to be sent on a line. A 4800 baud line sends 480 bytes a second; more traffic than the
// line can carry would otherwise pile up without limit.
constexpr qint64 sendQueueBound = 8192;

QString s_deviceFolder;
QThread *s_pollingThread = nullptr;
int s_pollingReaders = 0;

QIODevice::OpenMode openModeFor(int access_mode)
{
    if (access_mode == 0)
        return QIODevice::ReadOnly;
    if (access_mode == 2)
        return QIODevice::ReadWrite;
    return QIODevice::WriteOnly;
}

} // namespace

SerialReader::SerialReader(const QString &name, int port_number, int access_mode, int baud_rate)
    : m_portName(name)
    , m_portNumber(port_number)
    , m_accessMode(access_mode)
    , m_baudRate(baud_rate)
    , m_readBufferBound(defaultReadBufferBound)
{
}

SerialReader::~SerialReader()
{
    if (m_onPollingThread)
        leavePollingThread();
    if (m_port) {
        closePortHere();
        delete m_port;
        m_port = nullptr;
    }
}

bool SerialReader::runsElsewhere() const
{
    return thread() != QThread::currentThread();
}

QString SerialReader::deviceFolder()
{
    if (!s_deviceFolder.isEmpty())
        return s_deviceFolder;
    return BuildConfiguration::instance()->isWindows ? QString() : QStringLiteral("/dev/");
}

void SerialReader::setDeviceFolder(const QString &folder)
{
    s_deviceFolder = folder;
}

QString SerialReader::systemLocation(const QString &name)
{
    return deviceFolder() + name;
}

QThread *SerialReader::pollingThread()
{
    return s_pollingThread;
}

bool SerialReader::openPort()
{
    if (runsElsewhere()) {
        bool opened = false;
        if (thread() && thread()->isRunning())
            QMetaObject::invokeMethod(
                this, [this, &opened] { opened = openPortHere(); }, Qt::BlockingQueuedConnection);
        return opened;
    }
    return openPortHere();
}

bool SerialReader::openPortHere()
{
    m_openedPortName = m_portName;
    if (!m_port) {
        m_port = new QSerialPort(this);
    } else if (m_port->isOpen()) {
        closePortHere();
    }
    m_port->setPortName(systemLocation(m_openedPortName));
    m_port->setBaudRate(m_baudRate);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setReadBufferSize(m_readBufferBound);

    if (!m_port->open(openModeFor(m_accessMode))) {
        qDebug().noquote() << "Error opening port: " + m_openedPortName;
        return false;
    }
    m_open = true;
    m_lineBuffer.clear();

    if (m_queryMode == EventDriven) {
        if (m_framesLines)
            connect(m_port, &QSerialPort::readyRead, this, &SerialReader::readAllLines, Qt::UniqueConnection);
    } else if (!m_onPollingThread) {
        qDebug() << "Parrent: " << parent();
        qDebug() << "Thread ID: " << QThread::currentThreadId();
        enterPollingThread();
        qDebug().noquote() << m_openedPortName + " Query mode QueryMode::Polling.";
        qDebug() << "Thread ID: " << QThread::currentThreadId();
    }
    qDebug().noquote() << "Opened port for reading: " + m_openedPortName;
    return true;
}

void SerialReader::enterPollingThread()
{
    if (parent()) {
        // Objects with a parent cannot change threads; readers are created without one.
        qDebug().noquote() << "Port " + m_openedPortName + " has a parent and cannot be polled";
        throw "SerialReader: a reader in polling mode must not have a parent";
    }
    if (!s_pollingThread) {
        s_pollingThread = new QThread;
        s_pollingThread->setObjectName(QStringLiteral("SerialPolling"));
    }
    moveToThread(s_pollingThread);
    if (!s_pollingThread->isRunning())
        s_pollingThread->start(QThread::InheritPriority);
    m_onPollingThread = true;
    ++s_pollingReaders;
}

// Called by the destructor, on the thread that destroys the reader. The line belongs to the polling
// thread: it is closed and deleted there, and the reader is handed back before the rest of it goes.
// The thread itself ends with its last reader, so a remaining polling reader keeps being served.
void SerialReader::leavePollingThread()
{
    QThread *worker = s_pollingThread;
    QThread *here = QThread::currentThread();
    if (worker && thread() == worker && worker != here && worker->isRunning()) {
        QMetaObject::invokeMethod(
            this,
            [this, here] {
                if (m_port) {
                    closePortHere();
                    delete m_port;
                    m_port = nullptr;
                }
                moveToThread(here);
            },
            Qt::BlockingQueuedConnection);
    }
    m_onPollingThread = false;
    if (--s_pollingReaders > 0 || !worker)
        return;
    s_pollingThread = nullptr;
    worker->quit();
    if (worker != here) {
        worker->wait();
        delete worker;
    } else {
        // The last polling reader is destroyed on the polling thread itself: it cannot join itself.
        connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    }
}

void SerialReader::closePort()
{
    if (runsElsewhere()) {
        if (thread() && thread()->isRunning())
            QMetaObject::invokeMethod(
                this, [this] { closePortHere(); }, Qt::BlockingQueuedConnection);
        return;
    }
    closePortHere();
}

void SerialReader::closePortHere()
{
    if (!m_port)
        return;
    disconnect(m_port, &QSerialPort::readyRead, this, &SerialReader::readAllLines);
    m_open = false;
    if (!m_port->isOpen())
        return;
    m_port->clearError();
    m_port->close();
    if (m_port->error() != QSerialPort::NoError)
        qDebug().noquote() << "Error closing port " + m_openedPortName
                + " . Exception: " + QString::number(m_port->error());
    else
        qDebug().noquote() << "Closed port " + m_openedPortName;
}

bool SerialReader::isOpen() const
{
    return m_open;
}

bool SerialReader::isBaudRateAllowed(int baud_rate)
{
    return baud_rate == 4800 || baud_rate == 38400 || baud_rate == 115200;
}

bool SerialReader::setBaudRate(int baud_rate)
{
    if (!isBaudRateAllowed(baud_rate))
        return false;
    if (runsElsewhere()) {
        bool opened = false;
        if (thread() && thread()->isRunning())
            QMetaObject::invokeMethod(
                this, [this, baud_rate, &opened] { opened = setBaudRateHere(baud_rate); },
                Qt::BlockingQueuedConnection);
        return opened;
    }
    return setBaudRateHere(baud_rate);
}

bool SerialReader::setBaudRateHere(int baud_rate)
{
    m_baudRate = baud_rate;
    if (!m_port)
        return false;
    // Through openPort, so that the reading connection comes back with the line.
    return openPortHere();
}

void SerialReader::setBaudRateIndex(int index)
{
    int rate = 4800;
    if (index == 1)
        rate = 38400;
    else if (index == 2)
        rate = 115200;
    setBaudRate(rate);
}

void SerialReader::readAllLines()
{
    if (!m_port || !m_port->isOpen())
        return;
    if (!m_port->canReadLine()) {
        // Without a line feed no line can end here. 82 waiting bytes are more than any sentence: they
        // are thrown away, all but a sentence start at their end, which the next bytes may complete
        // (junk on the line must not take the following sentence with it).
        if (m_port->bytesAvailable() >= maxSerialSentenceLength) {
            const QByteArray waiting = m_port->readAll();
            const int start = qMax(waiting.lastIndexOf('$'), waiting.lastIndexOf('!'));
            const bool keepTail = start >= 0 && waiting.size() - start < maxSerialSentenceLength
                && waiting.indexOf('\0', start) < 0;
            m_lineBuffer = keepTail ? QString::fromLatin1(waiting.mid(start)) : QString();
            ++m_discardedInput;
        }
        return;
    }
    const QByteArray data = m_port->readAll();
    // A NUL byte never belongs to a sentence: the unfinished line that holds it is dropped and framing
    // goes on after it, so the sentences before and after it in the same read are kept.
    int from = 0;
    for (;;) {
        const int nul = data.indexOf('\0', from);
        frameText(QString::fromLatin1(data.constData() + from, (nul < 0 ? data.size() : nul) - from));
        if (nul < 0)
            break;
        m_lineBuffer.clear();
        from = nul + 1;
    }
}

void SerialReader::frameText(const QString &text)
{
    m_lineBuffer += text;
    const int dollar = m_lineBuffer.indexOf(QLatin1Char('$'));
    const int bang = m_lineBuffer.indexOf(QLatin1Char('!'));
    int start = dollar;
    if (start < 0 || (bang >= 0 && bang < start))
        start = bang;
    if (start < 0) {
        m_lineBuffer.clear();
        return;
    }

    int pos = start;
    for (;;) {
        const int lineFeed = m_lineBuffer.indexOf(QLatin1Char('\n'), pos);
        if (lineFeed < 0)
            break;
        QString line = m_lineBuffer.mid(pos, lineFeed + 1 - pos);
        pos = lineFeed + 1;
        // A sentence cut off by another one: the line starts at its last "$".
        const int lastDollar = line.lastIndexOf(QLatin1Char('$'));
        if (lastDollar > 0)
            line.remove(0, lastDollar);
        if (m_emitLines)
            emit lineReceived(line, m_portNumber);
    }
    m_lineBuffer.remove(0, pos);
    if (m_lineBuffer.size() > maxSerialSentenceLength) {
        m_lineBuffer.clear();
        ++m_discardedInput;
    }
}

int SerialReader::sendMessage(const QString &message)
{
    if (runsElsewhere()) {
        int written = -1;
        if (thread() && thread()->isRunning())
            QMetaObject::invokeMethod(
                this, [this, &message, &written] { written = sendMessageHere(message); },
                Qt::BlockingQueuedConnection);
        return written;
    }
    return sendMessageHere(message);
}

int SerialReader::sendMessageHere(const QString &message)
{
    if (!m_port || !m_port->isOpen() || !(m_port->openMode() & QIODevice::WriteOnly))
        return -1;
    const QByteArray bytes = message.toLatin1();
    if (m_port->bytesToWrite() + bytes.size() > sendQueueBound) {
        if (!m_sendQueueFull)
            qDebug().noquote() << "Send queue of port " + m_openedPortName + " full, sentences dropped";
        m_sendQueueFull = true;
        return -1;
    }
    m_sendQueueFull = false;
    return int(m_port->write(bytes));
}

QString SerialReader::portName() const
{
    return m_portName;
}

void SerialReader::setPortName(const QString &name)
{
    m_portName = name;
}

int SerialReader::portNumber() const
{
    return m_portNumber;
}

int SerialReader::accessMode() const
{
    return m_accessMode;
}

void SerialReader::setAccessMode(int access_mode)
{
    m_accessMode = access_mode;
}

int SerialReader::baudRate() const
{
    return m_baudRate;
}

bool SerialReader::isLineEmissionEnabled() const
{
    return m_emitLines;
}

void SerialReader::setLineEmissionEnabled(bool enabled)
{
    m_emitLines = enabled;
}

int SerialReader::queryMode() const
{
    return m_queryMode;
}

void SerialReader::setQueryMode(int query_mode)
{
    m_queryMode = query_mode == Polling ? Polling : EventDriven;
}

bool SerialReader::isRouted() const
{
    return m_routed;
}

void SerialReader::setRouted(bool routed)
{
    m_routed = routed;
}

int SerialReader::connectionType() const
{
    return m_connectionType;
}

void SerialReader::setConnectionType(int connection_type)
{
    m_connectionType = connection_type;
}

int SerialReader::discardedInputCount() const
{
    return m_discardedInput;
}

QSerialPort *SerialReader::serialPort() const
{
    return m_port;
}

void SerialReader::setLineFramingEnabled(bool enabled)
{
    m_framesLines = enabled;
}

void SerialReader::setReadBufferBound(qint64 bytes)
{
    m_readBufferBound = bytes;
}
