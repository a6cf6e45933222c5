#include "comms/iec450/NmeaOverUdpController.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "comms/CommunicationsLogging.h"
#include "comms/ErrorLogger.h"
#include "comms/InputErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/NmeaOverUdpErrorType.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "comms/iec450/UdpParserClass.h"
#include "comms/iec450/UdpSentenceGroup.h"
#include "nmea/NmeaChecksum.h"

#include <QDebug>

const char *const NmeaOverUdpController::ackSentence = "$PQRVAVG,ackmessage\r\n";
const char *const NmeaOverUdpController::setupTag = "pqrvsetup";
const char *const NmeaOverUdpController::runtimeTag = "pqrvruntime";
const char *const NmeaOverUdpController::ackTag = "pqrvack";

namespace {

const int bufferPeriodMs = 1000;
const int maxGroupId = 99;
const int maxSentLineCount = 999;
const int transmissionGroupKeys = 17;

int nextInCycle(int value, int cycle)
{
    return value % cycle + 1;
}

} // namespace

NmeaOverUdpController::NmeaOverUdpController(
    int administration_group, int standard_group, int internal_group, QObject *parent)
    : QObject(parent)
    , m_standardGroup(standard_group)
    , m_internalGroup(internal_group)
    , m_administrationGroup(administration_group)
    , m_inputBuffer(new NmeaInputBuffer(bufferPeriodMs, this))
    , m_outputBuffer(new NmeaOutputBuffer(bufferPeriodMs, this))
{
    for (int key = 1; key <= transmissionGroupKeys; ++key)
        m_lineCounters.insert(key, 0);
    m_lineCounters.insert(m_administrationGroup, 0);
    connect(m_inputBuffer, &NmeaInputBuffer::emitAckSignal, this, &NmeaOverUdpController::sendAck);
}

void NmeaOverUdpController::setGroupNumbers(int standard_group, int internal_group)
{
    m_standardGroup = standard_group;
    m_internalGroup = internal_group;
}

int NmeaOverUdpController::standardGroupNumber() const
{
    return m_standardGroup;
}

NmeaInputBuffer *NmeaOverUdpController::nmeaInputBuffer() const
{
    return m_inputBuffer;
}

NmeaOutputBuffer *NmeaOverUdpController::nmeaOutputBuffer() const
{
    return m_outputBuffer;
}

int NmeaOverUdpController::groupNumberOf(MessageType type) const
{
    switch (type) {
    case InternalData:
        return m_internalGroup;
    case StandardSentence:
        return m_standardGroup;
    default:
        return m_administrationGroup;
    }
}

int NmeaOverUdpController::nextLineCount(MessageType type)
{
    const int key = groupNumberOf(type);
    m_currentLineCount = nextInCycle(m_lineCounters.value(key, 0), maxSentLineCount);
    m_lineCounters.insert(key, m_currentLineCount);
    return m_currentLineCount;
}

int NmeaOverUdpController::nextGroupId()
{
    m_groupId = nextInCycle(m_groupId, maxGroupId);
    return m_groupId;
}

int NmeaOverUdpController::refusedGroupCount() const
{
    return m_refusedGroups;
}

void NmeaOverUdpController::packUdp(QStringList messages, MessageType message_is_for_internal_communication,
    bool to_internal_interface, QString text_tag, QStringList dest_sfi, QString source_sfi)
{
    if (messages.isEmpty())
        return;
    const MessageType type = message_is_for_internal_communication;
    const ListOfSfisOnNetwork *sfis = ListOfSfisOnNetwork::instance();
    const QString source = !source_sfi.isEmpty()
        ? source_sfi
        : (to_internal_interface ? sfis->localSfi() : sfis->externalLocalSfi());

    // Every line is built before anything is counted: a group that cannot be sent whole leaves the group
    // id and the line counter as they were.
    const int key = groupNumberOf(type);
    const int groupId = nextInCycle(m_groupId, maxGroupId);
    const int count = messages.size();
    if (count > maxSentLineCount) {
        // Positions and line counts of one group must be unique within their range of 1 to 999.
        ++m_refusedGroups;
        qDebug().noquote() << QStringLiteral("Group of %1 sentences is too large; not sent").arg(count);
        return;
    }
    const int room = UdpParserClass::maxDatagramSize - UdpParserClass::headerBytes().size();
    QByteArrayList lines;
    int lineCount = m_lineCounters.value(key, 0);
    for (int position = 1; position <= count; ++position) {
        lineCount = nextInCycle(lineCount, maxSentLineCount);
        const QString tag
            = UdpParserClass::buildTagBlock(source, dest_sfi, position, count, text_tag, groupId, lineCount);
        // What is sent is Latin-1, one byte per character; the checksum counts the same bytes.
        const QByteArray line = (tag + QLatin1Char('*') + nmeaStringChecksum(tag.mid(1)) + QLatin1Char('\\')
            + messages.at(position - 1))
                                    .toLatin1();
        if (line.size() > room) {
            ++m_refusedGroups;
            qDebug().noquote() << QStringLiteral(
                "Sentence of %1 bytes does not fit into a datagram; group not sent: %2")
                                      .arg(line.size())
                                      .arg(messages.at(position - 1).left(40));
            return;
        }
        lines.append(line);
    }
    m_groupId = groupId;
    m_currentLineCount = lineCount;
    m_lineCounters.insert(key, lineCount);

    UdpSentenceGroup group;
    QByteArrayList datagrams;
    QByteArray datagram;
    auto close = [&] {
        datagrams.append(datagram);
        UdpDatagramRecord record(datagram, dest_sfi);
        record.setInternalInterface(to_internal_interface);
        group.appendSentDatagram(record);
        datagram.clear();
    };
    for (const QByteArray &line : lines) {
        if (!datagram.isEmpty() && datagram.size() + line.size() > UdpParserClass::maxDatagramSize)
            close();
        if (datagram.isEmpty()) {
            datagram.reserve(UdpParserClass::maxDatagramSize);
            datagram.append(UdpParserClass::headerBytes());
        }
        datagram.append(line);
    }
    close();
    group.setComplete(true);

    if (text_tag == QLatin1String(setupTag))
        m_outputBuffer->addGroup(group);
    if (type != InternalData && type != StandardSentence)
        emit sendNetworkAdministrationDatagrams(datagrams);
    else
        emit sendDatagrams(datagrams, to_internal_interface);
}

void NmeaOverUdpController::packSerializedString(
    NmeaGroupInfo message, bool to_connected_devices, QStringList destination_sfis)
{
    const MessageType type = message.messageType();
    if (type == NetworkAdministration) {
        packUdp(message.messages(), type, false, QString(), destination_sfis, message.sourceSfi());
        return;
    }
    QString textTag;
    if (type == InternalData) {
        // The settings type name is the first field of the first sentence.
        const QString typeName = message.messages().value(0).section(QLatin1Char(','), 1, 1);
        if (typeName.contains(QLatin1String("NoAck")))
            textTag = QLatin1String(runtimeTag);
        else if (typeName.contains(QLatin1String("Type_Setup"))
            || typeName.contains(QLatin1String("Type_Mark")))
            textTag = QLatin1String(setupTag);
        else
            textTag = QLatin1String(runtimeTag);
    }
    // A group that names its own destinations keeps them unless the caller gives others.
    if (destination_sfis.isEmpty())
        destination_sfis = message.destinationSfis();
    if (to_connected_devices && destination_sfis.isEmpty())
        destination_sfis = ListOfSfisOnNetwork::instance()->connectedSfis();
    packUdp(message.messages(), type, false, textTag, destination_sfis, message.sourceSfi());
}

void NmeaOverUdpController::processReceivedDatagram(
    QByteArray datagram, bool message_is_from_internal_communication, bool from_internal_interface)
{
    Q_UNUSED(message_is_from_internal_communication)
    // The intake's record of these bytes when it passed them on, else a new reading.
    UdpDatagramRecord record = UdpDatagramRecord::received(datagram);
    if (!record.isValid()) {
        // The intake has counted what it checks line by line; this is the last check before the data is
        // used, and a datagram handed over without the intake must be counted too.
        ErrorLogger::instance()->logUdpError(record.faultCode());
        if (CommunicationsLogging *logging = CommunicationsLogging::instance()) {
            QByteArray text = datagram;
            if (text.size() > 5 && text.at(5) == '\0')
                text.remove(5, 1);
            logging->inputErrorLogger()->logUdpDatagramErrorToFile(
                NmeaOverUdpErrorType(record.faultCode()), QString::fromLatin1(text));
        }
        if (admitLogLine("Malformed sentence datagram dropped"))
            qDebug().noquote() << QStringLiteral("Malformed sentence datagram dropped (%1): %2")
                                      .arg(record.faultCode())
                                      .arg(logExcerpt(datagram.mid(6)));
        return;
    }
    const QString tag = record.textTag();
    if (tag.startsWith(QLatin1String(ackTag))) {
        acknowledgeAlreadySentDatagram(tag.mid(int(qstrlen(ackTag))), record.sourceSfi());
        return;
    }
    record.setInternalInterface(from_internal_interface);
    m_inputBuffer->addDatagram(record);
}

void NmeaOverUdpController::acknowledgeAlreadySentDatagram(QString msg_tag, QString s_sfi)
{
    UdpSentenceGroup *group = nullptr;
    UdpDatagramRecord *record = m_outputBuffer->findDatagram(msg_tag, &group);
    if (!record)
        return;
    record->acknowledge(s_sfi);
    if (group->allAcknowledged())
        m_outputBuffer->removeGroup(group);
    else if (record->isAcknowledged())
        group->removeDatagram(record);
}

void NmeaOverUdpController::sendAck(QString msg_tag, QString s_sfi)
{
    const bool internal = s_sfi == ListOfSfisOnNetwork::instance()->errorSfi();
    packUdp(QStringList { QLatin1String(ackSentence) }, InternalData, internal,
        QLatin1String(ackTag) + msg_tag, QStringList { s_sfi }, QString());
}

const QStringList *connectedSfiList()
{
    return &ListOfSfisOnNetwork::instance()->connectedSfis();
}
