#ifndef NMEAGROUPINFO_H
#define NMEAGROUPINFO_H

#include "common/Port.h"
#include "comms/MessageType.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

// One sentence group as it travels through the unit: the complete sentences (line ends included), the SFI
// of the sender, the SFIs it is addressed to, the kind of traffic and the port it came from or goes to.
// A plain value; copies are independent.
class NmeaGroupInfo
{
public:
    // An empty standard-sentence group on Serial_1; needed to carry the type in queued signals.
    NmeaGroupInfo();
    // Sentences for a port: no source SFI, no destinations, a standard-sentence group.
    NmeaGroupInfo(const QStringList &messages, Port port);
    // Note the order: source SFI first, destinations second, sentences third, the port before the type.
    NmeaGroupInfo(const QString &source_sfi, const QStringList &destination_sfis, const QStringList &messages,
        Port port, MessageType message_type);
    NmeaGroupInfo(const NmeaGroupInfo &other) = default;
    NmeaGroupInfo &operator=(const NmeaGroupInfo &other) = default;

    QStringList messages() const;
    void setMessages(const QStringList &messages);
    int messageCount() const;
    // Removes the sentence at the index; an index outside the list does nothing.
    void removeMessage(int index);

    QString sourceSfi() const;
    void setSourceSfi(const QString &source_sfi);

    QStringList destinationSfis() const;
    void setDestinationSfis(const QStringList &destination_sfis);

    MessageType messageType() const;
    void setMessageType(MessageType message_type);
    bool isInternalData() const;
    bool isNetworkAdministration() const;
    bool isStandardSentence() const;

    Port port() const;
    void setPort(Port port);
    QString portName() const;

private:
    QStringList m_messages;
    QString m_sourceSfi;
    QStringList m_destinationSfis;
    MessageType m_messageType = StandardSentence;
    Port m_port = Serial_1;
};

Q_DECLARE_METATYPE(NmeaGroupInfo)

#endif // NMEAGROUPINFO_H
