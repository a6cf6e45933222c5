#ifndef NMEACONTROLLER_H
#define NMEACONTROLLER_H

#include "common/Port.h"
#include "comms/NmeaGroupInfo.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class CommunicationForwardingController;
class ExternalNmeaController;
class NmeaParserClass;

// The single router of sentence groups. Received groups (network intake, serial ports) enter through
// handleReceivedNmeaList: proprietary data between units (settings text) goes to NmeaParserClass, every
// other group to ExternalNmeaController for checking and handler dispatch. Send requests (the sentence
// handlers through the handler hub, settings text from the settings tree) enter through the send slots
// and leave as groups on nmeaGroupReadyToBeSentOverUdp (port UDP) or nmeaGroupReadyToBeSentOverSerialPort
// (any other port). A group of "SRP" sentences is network administration, settings text is proprietary
// data, everything else a standard sentence.
//
// The slots ending in InStandby are the standby twins: same arguments, but only the few sentences of
// the standby protocol pass (sent: SLP, PAIR, SFIACK and settings text that changes the operating mode;
// received: SLP, ICM, PAIR, SFIACK and settings text). The controller keeps no mode: the system object
// connects either set.
class NmeaController : public QObject
{
    Q_OBJECT
public:
    // Sentence types that the standby send twins pass on.
    static const QStringList standbySendTypes;
    // Sentence names that the standby receive twin keeps.
    static const QStringList standbyReceiveTypes;

    explicit NmeaController(QObject *parent = nullptr);
    ~NmeaController() override;

    ExternalNmeaController *externalNmeaController() const { return m_externalController; }
    NmeaParserClass *nmeaParser() const { return m_parser; }
    // Not owned; also given to the external controller. Its CU-port requests reach sendMessagesToCuPort.
    // Until it is set nothing is forwarded or monitored.
    void setCommunicationForwardingController(CommunicationForwardingController *controller);

signals:
    // A group for the network. to_internal_interface is the to_connected_devices flag of the network
    // sender (true with no destinations: every connected unit).
    void nmeaGroupReadyToBeSentOverUdp(
        NmeaGroupInfo group_info, bool to_internal_interface, QStringList destination_sfis);
    // A group for the serial port named in its Port.
    void nmeaGroupReadyToBeSentOverSerialPort(NmeaGroupInfo group_info);

public slots:
    void handleReceivedNmeaList(NmeaGroupInfo group_info);
    void handleReceivedNmeaListInStandby(NmeaGroupInfo nmea_group_info);

    void sendPreparedStandardNmeaMessageOverPort(
        QString type, QString complete_message, Port port, bool to_connected_devices, QString id = QString());
    void sendPreparedStandardNmeaMessageOverPortInStandby(
        QString type, QString complete_message, Port port, bool to_connected_devices, QString id = QString());
    void sendStandardNmeaMessageOfTypeOverPort(QString type, Port port, QString id = QString());
    void sendStandardNmeaMessageOfTypeOverPortInStandby(QString type, Port port, QString id = QString());
    void sendPreparedStandardNmeaListWithCustomDestinationSFI(
        QString type, QList<QString> complete_messages, Port port, QString id, QString destination_sfi);
    void sendPreparedStandardNmeaListWithCustomDestinationSFIInStandby(
        QString type, QList<QString> complete_messages, Port port, QString id, QString destination_sfi);
    void sendProprietaryNmeaList(QString data, QString formatter = QStringLiteral("PQRVAVG"),
        QStringList destination_sfis = QStringList());
    void sendProprietaryNmeaListInStandby(QString data, QString formatter = QStringLiteral("PQRVAVG"),
        QStringList destination_sfis = QStringList());

private slots:
    // The receiving end of the CU-port relay: the sentences as a group of port Add_Serial_1.
    void handleMessagesFromCuPorts(QStringList msg_list);
    void sendMessagesToCuPort(QStringList msg_list, int port);
    // Every sentence of a sent group to the output-message log; proprietary data is not logged.
    void logOutputMessageGroup(NmeaGroupInfo group_info);
    void simDataReceived(QString data);

private:
    void monitorOutput(Port port, const QList<QString> &sentences);
    void emitGroup(const NmeaGroupInfo &group, bool to_connected_devices, const QStringList &destinations);

    ExternalNmeaController *m_externalController;
    NmeaParserClass *m_parser;
    QPointer<CommunicationForwardingController> m_forwardingController;
};

#endif // NMEACONTROLLER_H
