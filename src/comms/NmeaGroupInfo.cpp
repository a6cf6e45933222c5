#include "comms/NmeaGroupInfo.h"

namespace {

// Registered by name before main: queued connections between the controllers carry both types.
const bool s_metaTypesRegistered = [] {
    qRegisterMetaType<MessageType>("MessageType");
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    return true;
}();

} // namespace

NmeaGroupInfo::NmeaGroupInfo() = default;

NmeaGroupInfo::NmeaGroupInfo(const QStringList &messages, Port port)
    : m_messages(messages)
    , m_port(port)
{
}

NmeaGroupInfo::NmeaGroupInfo(const QString &source_sfi, const QStringList &destination_sfis,
    const QStringList &messages, Port port, MessageType message_type)
    : m_messages(messages)
    , m_sourceSfi(source_sfi)
    , m_destinationSfis(destination_sfis)
    , m_messageType(message_type)
    , m_port(port)
{
}

QStringList NmeaGroupInfo::messages() const
{
    return m_messages;
}

void NmeaGroupInfo::setMessages(const QStringList &messages)
{
    m_messages = messages;
}

int NmeaGroupInfo::messageCount() const
{
    return m_messages.size();
}

void NmeaGroupInfo::removeMessage(int index)
{
    if (index >= 0 && index < m_messages.size())
        m_messages.removeAt(index);
}

QString NmeaGroupInfo::sourceSfi() const
{
    return m_sourceSfi;
}

void NmeaGroupInfo::setSourceSfi(const QString &source_sfi)
{
    m_sourceSfi = source_sfi;
}

QStringList NmeaGroupInfo::destinationSfis() const
{
    return m_destinationSfis;
}

void NmeaGroupInfo::setDestinationSfis(const QStringList &destination_sfis)
{
    m_destinationSfis = destination_sfis;
}

MessageType NmeaGroupInfo::messageType() const
{
    return m_messageType;
}

void NmeaGroupInfo::setMessageType(MessageType message_type)
{
    m_messageType = message_type;
}

bool NmeaGroupInfo::isInternalData() const
{
    return m_messageType == InternalData;
}

bool NmeaGroupInfo::isNetworkAdministration() const
{
    return m_messageType == NetworkAdministration;
}

bool NmeaGroupInfo::isStandardSentence() const
{
    return m_messageType == StandardSentence;
}

Port NmeaGroupInfo::port() const
{
    return m_port;
}

void NmeaGroupInfo::setPort(Port port)
{
    m_port = port;
}

QString NmeaGroupInfo::portName() const
{
    return portToString(m_port);
}
