#include "comms/iec450/socketInterface.h"

#include "common/LogLineLimiter.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/NmeaOverUdpErrorType.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "comms/iec450/UdpParserClass.h"
#include "nmea/NmeaChecksum.h"

#include <QDebug>
#include <QTimer>
#include <QUdpSocket>

namespace {

const int datagramHeaderLength = 5; // "UdPbC"; the NUL byte follows
const int monitoredUdpPort = 3;
// The source whose datagrams every unit takes, whatever it sends.
const char alwaysAcceptedSource[] = "ZQ1111";
// Pending datagrams thrown away at the first reading after init; bounds that loop.
const int maxDatagramsDiscarded = 4096;

// Latin-1 text of the bytes up to the first NUL.
QString receivedTextUpToNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul >= 0 ? bytes.left(nul) : bytes);
}

// The text of a datagram as its records show it: the NUL byte of the header left out, up to the next NUL.
QString receivedDatagramText(const QByteArray &datagram)
{
    QByteArray withoutNul = datagram;
    if (withoutNul.size() > datagramHeaderLength && withoutNul.at(datagramHeaderLength) == '\0')
        withoutNul.remove(datagramHeaderLength, 1);
    return receivedTextUpToNul(withoutNul);
}

bool containsIgnoringCase(const QStringList &list, const QString &text)
{
    return list.contains(text, Qt::CaseInsensitive);
}

} // namespace

socketInterface::socketInterface(Udp61162450Controller *controller, QObject *parent)
    : QObject(parent)
    , m_jamTimer(new QTimer(this))
    , m_controller(controller)
    , m_nmeaSocket(controller->nmeaSocket())
    , m_nmeaLocalSocket(controller->nmeaLocalSocket())
    , m_networkAdministrationSocket(controller->networkAdministrationSocket())
    , m_errorLogger(ErrorLogger::instance())
{
    connect(m_controller, &Udp61162450Controller::nmeaGroupChanged, this, &socketInterface::updateNmeaGroup);
    connect(m_jamTimer, &QTimer::timeout, this, &socketInterface::checkForJammedSockets);
    m_jamTimer->start(jamCheckIntervalMs);

    const QString line(75, QLatin1Char('X'));
    qDebug() << line;
    qDebug() << "Local SFI:" << ListOfSfisOnNetwork::instance()->localSfi();
    qDebug() << line;
}

int socketInterface::jamCheckInterval() const
{
    return m_jamTimer->interval();
}

void socketInterface::setJamCheckInterval(int msec)
{
    m_jamTimer->setInterval(msec);
}

void socketInterface::setCommunicationForwardingController(CommunicationForwardingController *controller)
{
    m_forwardingController = controller;
}

const QStringList &socketInterface::acceptedSentenceTypes()
{
    static const QStringList types { QStringLiteral("SFICHK"), QStringLiteral("SFITKN"),
        QStringLiteral("SFIACK"), QStringLiteral("SFICHANGE"), QStringLiteral("DEVSTART"),
        QStringLiteral("PAIR"), QStringLiteral("GGA"), QStringLiteral("GLL"), QStringLiteral("VTG"),
        QStringLiteral("HDT"), QStringLiteral("THS"), QStringLiteral("VBW"), QStringLiteral("ACK"),
        QStringLiteral("ACN"), QStringLiteral("ZDA"), QStringLiteral("DDC"), QStringLiteral("SLP"),
        QStringLiteral("SNM"), QStringLiteral("GCF"), QStringLiteral("SCF"), QStringLiteral("CFGR"),
        QStringLiteral("VMPCGTER"), QStringLiteral("MACA"), QStringLiteral("XDR"), QStringLiteral("RMC"),
        QStringLiteral("ROT"), QStringLiteral("HBT"), QStringLiteral("ICM"), QStringLiteral("SRP") };
    return types;
}

const QStringList &socketInterface::acceptedTalkerSentences()
{
    static const QStringList sentences { QStringLiteral("IIDPT") };
    return sentences;
}

const QStringList &socketInterface::proprietaryAddresses()
{
    static const QStringList addresses { QStringLiteral("PQRV") };
    return addresses;
}

const QStringList &socketInterface::connectedSfis() const
{
    return ListOfSfisOnNetwork::instance()->connectedSfis();
}

void socketInterface::init()
{
    m_discardPending = true;
    m_groups = m_controller->groups();
    connectSockets();
}

void socketInterface::connectSockets()
{
    connect(m_nmeaSocket, &QUdpSocket::readyRead, this, &socketInterface::readSignallingSocket,
        Qt::UniqueConnection);
    if (m_networkAdministrationSocket) {
        connect(m_networkAdministrationSocket, &QUdpSocket::readyRead, this,
            &socketInterface::readSignallingSocket, Qt::UniqueConnection);
    }
    if (m_nmeaLocalSocket != m_nmeaSocket) {
        connect(m_nmeaLocalSocket, &QUdpSocket::readyRead, this, &socketInterface::readSignallingSocket,
            Qt::UniqueConnection);
    }
}

void socketInterface::updateNmeaGroup()
{
    m_groups.nmea = m_controller->groups().nmea;
    m_groups.local = m_controller->groups().local;
}

void socketInterface::readSignallingSocket()
{
    if (auto *socket = qobject_cast<QUdpSocket *>(sender()))
        processPendingDatagrams(socket);
}

bool *socketInterface::jamFlagOf(QUdpSocket *socket)
{
    if (socket == m_nmeaSocket)
        return &m_nmeaJammed;
    if (socket == m_nmeaLocalSocket)
        return &m_nmeaLocalJammed;
    if (socket && socket == m_networkAdministrationSocket)
        return &m_networkAdministrationJammed;
    return nullptr;
}

void socketInterface::processPendingDatagrams(QUdpSocket *socket)
{
    if (!m_receptionEnabled)
        return;
    if (!socket)
        socket = qobject_cast<QUdpSocket *>(sender());
    if (!socket)
        return;
    if (bool *flag = jamFlagOf(socket))
        *flag = false;
    // nmeaSocket is tested first: where it is also the local socket, its datagrams come from the network.
    const bool fromInternalInterface = socket != m_nmeaSocket && socket == m_nmeaLocalSocket;

    if (m_discardPending) {
        for (int i = 0; i < maxDatagramsDiscarded && socket->hasPendingDatagrams(); ++i) {
            if (socket->readDatagram(nullptr, 0) < 0)
                break;
        }
        m_discardPending = false;
        return;
    }

    for (int i = 0; i < maxDatagramsPerRead; ++i) {
        // The size of the pending datagram, -1 when none is pending: one look at the socket for both.
        const qint64 size = socket->pendingDatagramSize();
        if (size < 0)
            break;
        QByteArray datagram;
        datagram.resize(int(size));
        const qint64 read = socket->readDatagram(datagram.data(), datagram.size());
        if (read < 0)
            break;
        datagram.truncate(int(read));
        processDatagram(datagram, fromInternalInterface);
    }
}

void socketInterface::processDatagram(const QByteArray &datagram, bool from_internal_interface)
{
    if (datagram.size() > UdpParserClass::maxDatagramSize) {
        countError(DatagramTooLongError);
        if (admitLogLine("UDP datagram too long"))
            qDebug() << "UDP datagram size: " << datagram.size() << " is greater than MAX_UDP_SIZE ("
                     << UdpParserClass::maxDatagramSize << ")!";
        return;
    }
    if (datagram.size() > datagramHeaderLength && datagram.at(datagramHeaderLength) != '\0') {
        countError(DatagramHeaderError, receivedTextUpToNul(datagram));
        return;
    }
    // The header's five characters, none of them NUL, are the first five bytes.
    static const QByteArray header = UdpParserClass::headerText().toLatin1();
    if (!datagram.startsWith(header)) {
        countError(DatagramHeaderError, receivedDatagramText(datagram));
        return;
    }
    // Read once: the line checks, the filter and (through the kept record) the reassembly all use this
    // reading.
    const UdpParserClass::Reading reading = UdpParserClass::read(datagram);
    if (!checkDatagramLines(reading))
        return;
    const bool internal = UdpParserClass::isInternalDatagram(reading);
    if (filterDatagram(reading, datagram, internal, from_internal_interface))
        return;
    UdpDatagramRecord::keepReceived(UdpDatagramRecord(datagram, reading));
    emit recievedMessage(datagram, internal, from_internal_interface);
}

bool socketInterface::splitDatagramLines(const QString &text)
{
    return checkDatagramLines(UdpParserClass::readText(text));
}

bool socketInterface::checkDatagramLines(const UdpParserClass::Reading &reading)
{
    bool passed = false;
    for (const UdpParserClass::ReadLine &line : reading.lines) {
        if (checkLine(line))
            passed = true;
    }
    return passed;
}

bool socketInterface::checkLine(const UdpParserClass::ReadLine &line)
{
    const int fault = UdpParserClass::checkLine(line);
    if (fault == 0)
        return true;
    // The record holds the line without its opening backslash (the whole line when it has none).
    countError(fault, line.text.startsWith(QLatin1Char('\\')) ? line.text.mid(1) : line.text);
    return false;
}

bool socketInterface::checkDatagramLine(const QString &line)
{
    return checkLine(UdpParserClass::readLine(line));
}

bool socketInterface::filterDatagram(const QByteArray &datagram, bool internal, bool from_internal_interface)
{
    return filterDatagram(UdpParserClass::read(datagram), datagram, internal, from_internal_interface);
}

bool socketInterface::filterDatagram(const UdpParserClass::Reading &reading, const QByteArray &datagram,
    bool internal, bool from_internal_interface)
{
    ListOfSfisOnNetwork *sfis = ListOfSfisOnNetwork::instance();
    const QString ownSfi = from_internal_interface ? sfis->localSfi() : sfis->externalLocalSfi();
    const QStringList destinations = UdpParserClass::destinationSfis(reading);

    bool drop;
    if ((!destinations.isEmpty() || internal) && !destinations.contains(ownSfi)) {
        // Proprietary data between units is taken only when it names this unit.
        drop = true;
    } else {
        const QString source = UdpParserClass::sourceSfi(reading);
        if (source == ownSfi)
            drop = true;
        else if (sfis->connectedSfis().contains(source) || source == QLatin1String(alwaysAcceptedSource))
            drop = false;
        else if (reading.text.contains(QLatin1Char('$')))
            drop = isSentenceTypeRejected(reading.text);
        else
            drop = isSentenceTypeRejected(receivedDatagramText(datagram)); // recorded whole, header included
    }

    // Proprietary data between units is shown only when it involves the test source.
    if (drop && m_forwardingController && m_forwardingController->isInputMonitored(monitoredUdpPort)
        && (!internal || datagram.contains(alwaysAcceptedSource)))
        forwardToMonitor(datagram);
    return drop;
}

bool socketInterface::filterDatagramLines(QByteArray &datagram)
{
    const QStringList parts = receivedTextUpToNul(datagram).split(QLatin1String("\r\n"));
    QStringList kept;
    for (const QString &part : parts) {
        if (!part.isEmpty() && !filterDatagram(part.toLatin1(), false, false))
            kept.append(part);
    }
    if (kept.isEmpty())
        return false;
    datagram = kept.join(QLatin1String("\r\n")).toLatin1();
    return true;
}

bool socketInterface::isSentenceTypeRejected(const QString &text)
{
    const int dollar = text.indexOf(QLatin1Char('$'));
    if (dollar < 0) {
        m_errorLogger->logNmeaError(NmeaFramingError, monitoredUdpPort);
        m_lastErrorCode = UdpSentenceError;
        recordError(UdpSentenceError, text);
        return true;
    }
    const QString sentence = text.mid(dollar + 1);
    const int comma = sentence.indexOf(QLatin1Char(','));
    if (comma <= 4)
        return true;
    const QString address = sentence.left(comma);
    const int prefixLength = address.startsWith(QLatin1Char('P')) ? 4 : 2;
    const QString prefix = address.left(prefixLength);
    const QString type = address.mid(prefixLength);
    return !containsIgnoringCase(acceptedSentenceTypes(), type)
        && !containsIgnoringCase(acceptedTalkerSentences(), prefix + type);
}

void socketInterface::forwardToMonitor(const QByteArray &datagram)
{
    const int dollar = datagram.indexOf('$');
    if (dollar < 0 || !m_forwardingController)
        return;
    const QByteArray fromDollar = datagram.mid(dollar);
    const int lineEnd = fromDollar.indexOf("\r\n");
    if (lineEnd < 0)
        return;
    m_forwardingController->addCommunicationInformation(
        receivedTextUpToNul(fromDollar.left(lineEnd + 2)), 1, true);
}

void socketInterface::countError(int code)
{
    m_errorLogger->logUdpError(code);
    m_lastErrorCode = code;
}

void socketInterface::countError(int code, const QString &record_text)
{
    countError(code);
    recordError(code, record_text);
}

void socketInterface::recordError(int code, const QString &record_text)
{
    // The log exists once the start-up has created it; before that the count alone remains.
    if (CommunicationsLogging *logging = CommunicationsLogging::instance())
        logging->inputErrorLogger()->logUdpDatagramErrorToFile(
            static_cast<NmeaOverUdpErrorType>(code), record_text);
}

void socketInterface::checkForJammedSockets()
{
    if (!m_receptionEnabled)
        return;
    checkSocketForJam(m_nmeaSocket, &m_nmeaJammed, "######## N");
    if (m_networkAdministrationSocket)
        checkSocketForJam(m_networkAdministrationSocket, &m_networkAdministrationJammed, "######## N");
    if (m_nmeaLocalSocket != m_nmeaSocket)
        checkSocketForJam(m_nmeaLocalSocket, &m_nmeaLocalJammed, "######## L");
}

void socketInterface::checkSocketForJam(QUdpSocket *socket, bool *flag, const char *label)
{
    if (!socket->hasPendingDatagrams())
        return;
    if (!*flag) {
        // Reading clears the flag; still set at the next tick means no readyRead came in between.
        *flag = true;
        return;
    }
    qDebug() << label;
    processPendingDatagrams(socket);
}

void socketInterface::processPendingBinaryDatagrams(QUdpSocket *socket)
{
    Q_UNUSED(socket)
}

bool socketInterface::writeDatagrams(
    QUdpSocket *socket, const QHostAddress &address, quint16 port, const QByteArrayList &datagrams)
{
    for (const QByteArray &datagram : datagrams) {
        if (socket->writeDatagram(datagram, address, port) < 0) {
            qDebug() << "ERROR STRING: " << socket->objectName() << "   " << socket->errorString();
            return false;
        }
    }
    return true;
}

bool socketInterface::writeDatagrams(
    QUdpSocket *socket, const MulticastGroup &group, const QByteArrayList &datagrams)
{
    return writeDatagrams(socket, group.address, group.port, datagrams);
}

bool socketInterface::sendNmeaDatagrams(const QByteArrayList &datagrams, bool to_internal_interface)
{
    if (to_internal_interface)
        return writeDatagrams(m_nmeaLocalSocket, m_groups.local, datagrams);
    return writeDatagrams(m_nmeaSocket, m_groups.nmea, datagrams);
}

bool socketInterface::sendNetworkAdministrationDatagrams(const QByteArrayList &datagrams)
{
    if (!m_networkAdministrationSocket) {
        qDebug() << "No network administration socket, datagrams dropped: " << datagrams.size();
        return false;
    }
    return writeDatagrams(m_networkAdministrationSocket, m_groups.networkAdministration, datagrams);
}

bool socketInterface::sendBinaryDatagrams(const QByteArrayList &datagrams, bool send_over_internal_interface)
{
    QUdpSocket *socket = send_over_internal_interface ? m_binaryLocalSocket : m_binarySocket;
    if (!socket) {
        qDebug() << "No image socket, datagrams dropped: " << datagrams.size();
        return false;
    }
    return writeDatagrams(
        socket, send_over_internal_interface ? m_groups.binaryLocal : m_groups.binary, datagrams);
}
