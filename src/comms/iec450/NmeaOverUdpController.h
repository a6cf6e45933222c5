#ifndef NMEAOVERUDPCONTROLLER_H
#define NMEAOVERUDPCONTROLLER_H

#include "comms/MessageType.h"
#include "comms/NmeaGroupInfo.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>
#include <QObject>
#include <QStringList>

class NmeaInputBuffer;
class NmeaOutputBuffer;

// Turns sentence groups into IEC 61162-450 sentence datagrams and received datagrams back into groups.
// Sending numbers each group (group id 1 to 99) and each line (a line count 1 to 999 per transmission
// group), builds every line's tag block, fills datagrams up to 1460 bytes and keeps settings groups
// ("pqrvsetup") for acknowledgement. Receiving applies acknowledgements to the output buffer, passes data
// datagrams to the input buffer and answers its acknowledgement requests.
class NmeaOverUdpController : public QObject
{
    Q_OBJECT
public:
    // The three numbers are the counter keys of network administration, standard sentences and
    // proprietary data between units.
    NmeaOverUdpController(
        int administration_group, int standard_group, int internal_group, QObject *parent = nullptr);

    void setGroupNumbers(int standard_group, int internal_group);
    int standardGroupNumber() const;

    NmeaInputBuffer *nmeaInputBuffer() const;
    NmeaOutputBuffer *nmeaOutputBuffer() const;

    // The next line count of the type's counter: 1 to 999, then 1 again.
    int nextLineCount(MessageType type);
    // The next group id: 1 to 99, then 1 again.
    int nextGroupId();

    // Groups not sent: one of their lines (tag block, checksum and sentence) does not fit into an empty
    // datagram, or they have more than 999 sentences. Each refusal also writes a debug line.
    int refusedGroupCount() const;

    // The acknowledgement sentence and the text tags of proprietary data between units.
    static const char *const ackSentence; // "$PQRVAVG,ackmessage" + CR LF
    static const char *const setupTag; // "pqrvsetup"
    static const char *const runtimeTag; // "pqrvruntime"
    static const char *const ackTag; // "pqrvack"

public slots:
    void packUdp(QStringList messages, MessageType message_is_for_internal_communication,
        bool to_internal_interface, QString text_tag, QStringList dest_sfi = QStringList(),
        QString source_sfi = QString());
    // Sends a group handed over by the NMEA controller, addressed to destination_sfis, else to the group's
    // own destinations, else - with to_connected_devices - to the connected SFIs. Settings texts whose type
    // name holds "Type_Setup" or "Type_Mark" (and not "NoAck") are tagged "pqrvsetup" and held until
    // acknowledged; other proprietary data is tagged "pqrvruntime".
    void packSerializedString(
        NmeaGroupInfo message, bool to_connected_devices, QStringList destination_sfis = QStringList());
    void processReceivedDatagram(
        QByteArray datagram, bool message_is_from_internal_communication, bool from_internal_interface);
    void acknowledgeAlreadySentDatagram(QString msg_tag, QString s_sfi);

signals:
    void sendDatagrams(QByteArrayList sending_packets, bool to_internal_interface);
    void sendNetworkAdministrationDatagrams(QByteArrayList sending_packets);

private slots:
    void sendAck(QString msg_tag, QString s_sfi);

private:
    int groupNumberOf(MessageType type) const;

    int m_groupId = 0;
    QHash<int, int> m_lineCounters;
    int m_currentLineCount = 0;
    int m_standardGroup;
    int m_internalGroup;
    int m_administrationGroup;
    NmeaInputBuffer *m_inputBuffer;
    NmeaOutputBuffer *m_outputBuffer;
    int m_refusedGroups = 0;
};

// The live list of connected SFIs of the unit's register (ListOfSfisOnNetwork::connectedSfis); the
// datagram intake keeps it.
const QStringList *connectedSfiList();

#endif // NMEAOVERUDPCONTROLLER_H
