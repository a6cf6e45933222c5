#ifndef SOCKETINTERFACE_H
#define SOCKETINTERFACE_H

#include "comms/iec450/TransmissionGroups.h"
#include "comms/iec450/UdpParserClass.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>

class CommunicationForwardingController;
class ErrorLogger;
class QTimer;
class QUdpSocket;
class Udp61162450Controller;

// The unit's door to the IEC 61162-450 sentence sockets. Reads every received datagram, checks its size,
// header and tag blocks, drops what is not meant for this unit or comes from a source it does not listen
// to, counts every error, and emits each accepted datagram with two flags: proprietary data between units,
// and read from the internal link. Writes the datagram lists of the controllers above to the right socket,
// group and port. A 550 ms timer reads sockets that hold datagrams without having announced them.
class socketInterface : public QObject
{
    Q_OBJECT
public:
    static const int jamCheckIntervalMs = 550;
    // Datagrams read in one turn from one socket; the rest waits for the next readyRead or jam check, so
    // that a flood cannot hold the event loop.
    static const int maxDatagramsPerRead = 256;

    explicit socketInterface(Udp61162450Controller *controller, QObject *parent = nullptr);

    // The monitor feed that shows dropped datagrams where the monitor watches the network's input.
    void setCommunicationForwardingController(CommunicationForwardingController *controller);

    // The period of the jam check; 550 ms unless changed (tests shorten it).
    int jamCheckInterval() const;
    void setJamCheckInterval(int msec);

    void setReceptionEnabled(bool enabled) { m_receptionEnabled = enabled; }
    bool receptionEnabled() const { return m_receptionEnabled; }

    // The checks of one received datagram, then recievedMessage when it is accepted. Every fault is
    // counted (75 too long, 79 header, 73 framing, 71 tag checksum, 72 tag parameters, 76 no sentence)
    // and the datagram dropped.
    void processDatagram(const QByteArray &datagram, bool from_internal_interface);

    // True when every datagram of the list was written; the first failed write ends the list.
    bool writeDatagrams(
        QUdpSocket *socket, const QHostAddress &address, quint16 port, const QByteArrayList &datagrams);
    bool writeDatagrams(QUdpSocket *socket, const MulticastGroup &group, const QByteArrayList &datagrams);
    // True when the datagram (without the NUL byte of its header) is to be dropped: addressed to another
    // unit, proprietary data not addressed to this unit, the unit's own datagram coming back, or from an
    // unknown source with a sentence type the unit does not take.
    bool filterDatagram(const QByteArray &datagram, bool internal, bool from_internal_interface);
    // The same with the reading already made of the datagram.
    bool filterDatagram(const UdpParserClass::Reading &reading, const QByteArray &datagram, bool internal,
        bool from_internal_interface);
    // Keeps the lines of the datagram that filterDatagram(line, false, false) keeps; true when one is left.
    bool filterDatagramLines(QByteArray &datagram);
    // Checks every non-empty line of the text (cut at CR LF); true when at least one passes.
    bool splitDatagramLines(const QString &text);
    bool checkDatagramLines(const UdpParserClass::Reading &reading);
    // Tag-block framing, checksum and parameters of one line; a failure is counted.
    bool checkDatagramLine(const QString &line);
    bool checkLine(const UdpParserClass::ReadLine &line);
    // Whether the first sentence of the text is of a type that the unit refuses from an unknown source.
    bool isSentenceTypeRejected(const QString &text);
    // Hands the first sentence of the datagram to the communication monitor as not handled.
    void forwardToMonitor(const QByteArray &datagram);

    static const QStringList &acceptedSentenceTypes();
    static const QStringList &acceptedTalkerSentences();
    static const QStringList &proprietaryAddresses();
    // The live list of connected SFIs.
    const QStringList &connectedSfis() const;
    // The code last counted here, 0 before the first.
    int lastErrorCode() const { return m_lastErrorCode; }

public slots:
    // Copies the group addresses and ports from the controller, connects the sockets' readyRead (once,
    // however often it is called) and makes the next reading drain what queued up before.
    void init();
    void connectSockets();
    // Copies the sentence and local group again after a change of transmission group.
    void updateNmeaGroup();
    // Reads and handles the pending datagrams of the socket (the signalling socket when none is given).
    void processPendingDatagrams(QUdpSocket *socket = nullptr);
    // Image datagrams are not read by this object.
    void processPendingBinaryDatagrams(QUdpSocket *socket = nullptr);
    void checkForJammedSockets();
    bool sendNmeaDatagrams(const QByteArrayList &datagrams, bool to_internal_interface);
    // A socket the configuration does not have is reported and nothing is written.
    bool sendNetworkAdministrationDatagrams(const QByteArrayList &datagrams);
    bool sendBinaryDatagrams(const QByteArrayList &datagrams, bool send_over_internal_interface);

signals:
    void recievedMessage(
        QByteArray datagram, bool message_is_from_internal_communication, bool from_internal_interface);
    // Declared for image datagrams; this object reads none.
    void recievedBinaryMessage(QByteArray datagram);

private slots:
    void readSignallingSocket();

private:
    // Counts the code; with a text, also records it in the input-error log.
    void countError(int code);
    void countError(int code, const QString &record_text);
    void recordError(int code, const QString &record_text);
    bool *jamFlagOf(QUdpSocket *socket);
    void checkSocketForJam(QUdpSocket *socket, bool *flag, const char *label);

    QTimer *m_jamTimer;
    bool m_nmeaJammed = false;
    bool m_nmeaLocalJammed = false;
    bool m_networkAdministrationJammed = false;
    // Copies of the controller's groups: all of them at init, the sentence and local group again at each
    // change of transmission group. The local group's port is the one this unit sends to.
    TransmissionGroups m_groups;
    Udp61162450Controller *m_controller;
    QUdpSocket *m_nmeaSocket;
    QUdpSocket *m_nmeaLocalSocket;
    QUdpSocket *m_networkAdministrationSocket;
    // Nothing gives this object the image sockets: image datagrams are neither read nor written here.
    QUdpSocket *m_binaryLocalSocket = nullptr;
    QUdpSocket *m_binarySocket = nullptr;
    QPointer<CommunicationForwardingController> m_forwardingController;
    ErrorLogger *m_errorLogger;
    int m_lastErrorCode = 0;
    bool m_discardPending = false;
    bool m_receptionEnabled = false;
};

#endif // SOCKETINTERFACE_H
