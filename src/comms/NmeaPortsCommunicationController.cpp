#include "comms/NmeaPortsCommunicationController.h"

#include "common/BuildConfiguration.h"
#include "comms/LoopTest.h"
#include "comms/NmeaPorts.h"
#include "comms/SerialReader.h"

#include <QDebug>

NmeaPortsCommunicationController::NmeaPortsCommunicationController(NmeaPorts *ports, QObject *parent)
    : QObject(parent)
    , m_ports(ports)
    , m_inert(BuildConfiguration::instance()->isWindows)
{
    if (m_inert)
        return;

    const int readerCount = m_ports ? m_ports->portCount() : 0;
    for (int i = 0; i < readerCount; ++i) {
        SerialReader *reader = m_ports->port(i);
        if (!reader || !reader->isRouted())
            continue;
        // A direct connection is only sound while the reader lives on this thread; a polling reader
        // lives on the polling thread. Automatic delivery is direct in the first case and queued in
        // the second.
        Qt::ConnectionType type = Qt::QueuedConnection;
        if (reader->connectionType() == Qt::DirectConnection
            || reader->connectionType() == Qt::AutoConnection)
            type = Qt::AutoConnection;
        connect(reader, &SerialReader::lineReceived, this,
            &NmeaPortsCommunicationController::lineReceivedFromSerial, type);
    }

    const BuildConfiguration *configuration = BuildConfiguration::instance();
    if (configuration->isSoftwareCu && configuration->isTvr100)
        return;
    const int needed = configuration->isTvr100 ? 2 : 3;
    if (readerCount < needed) {
        qDebug() << "Something is wrong, not enough ports available! Loop test will not work!";
        return;
    }
    m_loopTest = new LoopTest(0, 1, 2, 0, this);
    connect(m_loopTest, &LoopTest::sendMessage, this,
        &NmeaPortsCommunicationController::sendTestMessageOverSerialPort);
}

void NmeaPortsCommunicationController::setCommunicationForwardingController(
    CommunicationForwardingController *controller)
{
    m_forwardingController = controller;
}

LoopTest *NmeaPortsCommunicationController::loopTest() const
{
    return m_loopTest;
}

bool NmeaPortsCommunicationController::isLoopTestRunning() const
{
    return m_loopTest && m_loopTest->isRunning();
}

void NmeaPortsCommunicationController::lineReceivedFromSerial(QString line, int port_number)
{
    if (m_inert)
        return;
    if (isLoopTestRunning()) {
        m_loopTest->messageReceived(line, port_number);
        return;
    }
    // Passed as framed; the sentence checks come later, in the received-sentence dispatch.
    emit receivedNmeaListFromSerial(
        NmeaGroupInfo(QString(), QStringList(), QStringList { line }, Port(port_number), StandardSentence));
}

void NmeaPortsCommunicationController::sendNmeaGroupOverSerialPort(NmeaGroupInfo group_info)
{
    if (m_inert || !m_ports)
        return;
    const int port = group_info.port();
    // UDP, the additional ports and any port without a reader: not a line of this unit.
    if (port < 0 || port >= m_ports->portCount())
        return;
    SerialReader *reader = m_ports->port(port);
    if (!reader || isLoopTestRunning())
        return;
    const QStringList messages = group_info.messages();
    for (const QString &message : messages)
        reader->sendMessage(message);
}

void NmeaPortsCommunicationController::sendTestMessageOverSerialPort(QString msg, int sending_port)
{
    if (!m_ports || sending_port < 0 || sending_port >= m_ports->portCount())
        return;
    if (SerialReader *reader = m_ports->port(sending_port))
        reader->sendMessage(msg);
}
