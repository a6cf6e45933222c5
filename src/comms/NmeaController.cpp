#include "comms/NmeaController.h"

#include "common/LogText.h"
#include "comms/CommunicationForwardingController.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ExternalNmeaController.h"
#include "comms/MessageLogger.h"
#include "comms/NmeaParserClass.h"
#include "nmea/NmeaMessage.h"

#include <QDebug>

namespace {

const QLatin1String networkAdministrationType("SRP");
const QLatin1String routedProprietaryTalker("PQRV");

// The name the standby filter knows a received sentence by: the sub-sentence of a "PQRV" address, the
// formatter of a five-character address; empty for any other address, which the filter leaves alone.
QString standbyName(const QString &sentence)
{
    int end = 1;
    while (end < sentence.size() && sentence.at(end) != QLatin1Char(',')
        && sentence.at(end) != QLatin1Char('*') && sentence.at(end) != QLatin1Char('\r')
        && sentence.at(end) != QLatin1Char('\n'))
        ++end;
    const QString address = sentence.mid(1, end - 1);
    if (address.startsWith(routedProprietaryTalker))
        return address.mid(routedProprietaryTalker.size());
    if (address.size() == 5)
        return address.mid(2);
    return QString();
}

// A sentence a send request may hand on: not empty (the writer of a message gives an empty text for a
// sentence too long to be written) and not longer than the framing allows (texts put together by hand).
bool isSendable(const QString &sentence)
{
    if (sentence.isEmpty())
        return false;
    if (NmeaMessage::isTooLong(sentence)) {
        qDebug().noquote()
            << QStringLiteral("Sentence of %1 characters is too long, not sent: ").arg(sentence.size())
                + logExcerpt(sentence);
        return false;
    }
    return true;
}

QStringList sendable(const QStringList &sentences)
{
    QStringList kept;
    kept.reserve(sentences.size());
    for (const QString &sentence : sentences) {
        if (isSendable(sentence))
            kept.append(sentence);
    }
    return kept;
}

} // namespace

const QStringList NmeaController::standbySendTypes { QStringLiteral("SLP"), QStringLiteral("PAIR"),
    QStringLiteral("SFIACK") };
const QStringList NmeaController::standbyReceiveTypes { QStringLiteral("SLP"), QStringLiteral("ICM"),
    QStringLiteral("PAIR"), QStringLiteral("SFIACK") };

NmeaController::NmeaController(QObject *parent)
    : QObject(parent)
    , m_externalController(new ExternalNmeaController(this))
    , m_parser(new NmeaParserClass(this))
{
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    qRegisterMetaType<Port>("Port");
    connect(m_externalController, &ExternalNmeaController::nmeaGroupReadyToBeSentOverSerialPort, this,
        &NmeaController::nmeaGroupReadyToBeSentOverSerialPort);
    connect(this, &NmeaController::nmeaGroupReadyToBeSentOverSerialPort, this,
        &NmeaController::logOutputMessageGroup);
    connect(
        this, &NmeaController::nmeaGroupReadyToBeSentOverUdp, this, &NmeaController::logOutputMessageGroup);
}

NmeaController::~NmeaController() = default;

void NmeaController::setCommunicationForwardingController(CommunicationForwardingController *controller)
{
    if (m_forwardingController)
        disconnect(m_forwardingController.data(), &CommunicationForwardingController::cuPortOutMessagesToSend,
            this, &NmeaController::sendMessagesToCuPort);
    m_forwardingController = controller;
    m_externalController->setCommunicationForwardingController(controller);
    if (controller)
        connect(controller, &CommunicationForwardingController::cuPortOutMessagesToSend, this,
            &NmeaController::sendMessagesToCuPort);
}

void NmeaController::handleReceivedNmeaList(NmeaGroupInfo group_info)
{
    if (group_info.isInternalData())
        m_parser->nmeaListToData(group_info);
    else
        m_externalController->handleReceivedNmeaList(group_info);
}

void NmeaController::handleReceivedNmeaListInStandby(NmeaGroupInfo nmea_group_info)
{
    if (nmea_group_info.isInternalData()) {
        // Settings text keeps flowing in standby: it carries the command to leave it.
        m_parser->nmeaListToData(nmea_group_info);
        return;
    }
    QStringList kept;
    const QStringList sentences = nmea_group_info.messages();
    for (const QString &sentence : sentences) {
        const QString name = standbyName(sentence);
        if (name.isEmpty() || standbyReceiveTypes.contains(name))
            kept.append(sentence);
    }
    if (kept.isEmpty())
        return;
    nmea_group_info.setMessages(kept);
    m_externalController->handleReceivedNmeaList(nmea_group_info);
}

void NmeaController::handleMessagesFromCuPorts(QStringList msg_list)
{
    m_externalController->handleReceivedNmeaList(NmeaGroupInfo(msg_list, Add_Serial_1));
}

void NmeaController::monitorOutput(Port port, const QList<QString> &sentences)
{
    if (m_forwardingController && m_forwardingController->isOutputMonitored(port))
        m_forwardingController->addCommunicationInformation(sentences, 0, true);
}

void NmeaController::emitGroup(
    const NmeaGroupInfo &group, bool to_connected_devices, const QStringList &destinations)
{
    if (group.port() == UDP)
        emit nmeaGroupReadyToBeSentOverUdp(group, to_connected_devices, destinations);
    else
        emit nmeaGroupReadyToBeSentOverSerialPort(group);
}

void NmeaController::sendPreparedStandardNmeaMessageOverPort(
    QString type, QString complete_message, Port port, bool to_connected_devices, QString id)
{
    if (!isSendable(complete_message))
        return;
    monitorOutput(port, QList<QString> { complete_message });
    NmeaGroupInfo group = m_externalController->sendPreparedNmeaMessageOverPort(complete_message, port, id);
    if (type == networkAdministrationType)
        group.setMessageType(NetworkAdministration);
    emitGroup(group, to_connected_devices, QStringList());
}

void NmeaController::sendPreparedStandardNmeaMessageOverPortInStandby(
    QString type, QString complete_message, Port port, bool to_connected_devices, QString id)
{
    if (standbySendTypes.contains(type))
        sendPreparedStandardNmeaMessageOverPort(type, complete_message, port, to_connected_devices, id);
}

void NmeaController::sendStandardNmeaMessageOfTypeOverPort(QString type, Port port, QString id)
{
    NmeaGroupInfo group = m_externalController->sendNmeaMessageOfTypeOverPort(type, port, id);
    group.setMessages(sendable(group.messages()));
    // A type that cannot be built or written has been reported; an empty group is not sent.
    if (group.messageCount() == 0)
        return;
    if (type == networkAdministrationType)
        group.setMessageType(NetworkAdministration);
    monitorOutput(port, group.messages());
    emitGroup(group, false, QStringList());
}

void NmeaController::sendStandardNmeaMessageOfTypeOverPortInStandby(QString type, Port port, QString id)
{
    if (standbySendTypes.contains(type))
        sendStandardNmeaMessageOfTypeOverPort(type, port, id);
}

void NmeaController::sendPreparedStandardNmeaListWithCustomDestinationSFI(
    QString type, QList<QString> complete_messages, Port port, QString id, QString destination_sfi)
{
    Q_UNUSED(id)
    const QStringList sentences = sendable(complete_messages);
    if (sentences.isEmpty() && !complete_messages.isEmpty())
        return;
    const QStringList destinations
        = destination_sfi.isEmpty() ? QStringList() : QStringList { destination_sfi };
    NmeaGroupInfo group(QString(), destinations, sentences, port, StandardSentence);
    if (type == networkAdministrationType)
        group.setMessageType(NetworkAdministration);
    monitorOutput(port, sentences);
    emitGroup(group, false, destinations);
}

void NmeaController::sendPreparedStandardNmeaListWithCustomDestinationSFIInStandby(
    QString type, QList<QString> complete_messages, Port port, QString id, QString destination_sfi)
{
    if (standbySendTypes.contains(type))
        sendPreparedStandardNmeaListWithCustomDestinationSFI(
            type, complete_messages, port, id, destination_sfi);
}

void NmeaController::sendProprietaryNmeaList(QString data, QString formatter, QStringList destination_sfis)
{
    NmeaGroupInfo group = m_parser->dataToNmeaList(data, formatter);
    // Settings text never goes to a serial port and never to the monitor.
    group.setMessageType(InternalData);
    emit nmeaGroupReadyToBeSentOverUdp(group, true, destination_sfis);
}

void NmeaController::sendProprietaryNmeaListInStandby(
    QString data, QString formatter, QStringList destination_sfis)
{
    // Only what changes the operating mode (and the polling test) leaves a unit in standby.
    if (data.contains(QLatin1String("SystemInNormalOrStandbyMode"))
        || data.contains(QLatin1String("PollingTest")))
        sendProprietaryNmeaList(data, formatter, destination_sfis);
}

void NmeaController::sendMessagesToCuPort(QStringList msg_list, int port)
{
    const QStringList sentences = sendable(msg_list);
    if (sentences.isEmpty() && !msg_list.isEmpty())
        return;
    monitorOutput(Port(port), sentences);
    emit nmeaGroupReadyToBeSentOverSerialPort(NmeaGroupInfo(sentences, Port(port)));
}

void NmeaController::logOutputMessageGroup(NmeaGroupInfo group_info)
{
    CommunicationsLogging *logging = CommunicationsLogging::instance();
    if (group_info.isInternalData() || !logging)
        return;
    MessageLogger *logger = logging->outputMessageLogger();
    const QStringList sentences = group_info.messages();
    for (const QString &sentence : sentences)
        logger->logMessageToFile(group_info.port(), sentence);
}

void NmeaController::simDataReceived(QString data)
{
    Q_UNUSED(data)
}
