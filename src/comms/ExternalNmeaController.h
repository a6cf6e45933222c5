#ifndef EXTERNALNMEACONTROLLER_H
#define EXTERNALNMEACONTROLLER_H

#include "common/Port.h"
#include "comms/NmeaGroupInfo.h"

#include <QObject>
#include <QPointer>
#include <QString>

class CommunicationForwardingController;

// The door between the routing and the sentence layer. A received group of ordinary sentences is
// forwarded raw where port forwarding asks for it, then every sentence is checked (framing, checksum,
// address, known type, fields); every faulty one is counted per port in ErrorLogger and written to the
// input-error log, and a group with a faulty sentence is dropped whole. Otherwise each sentence goes to
// the handler of its type. The communication monitor learns how each sentence fared:
//   0 handled, 1 not handled (no message class, no handler, not accepted on the port),
//   2 error (framing, checksum, address, fields), 3 data rejected by the handler.
// Handled sentences are written to the input-message log. Outgoing sentences are built here into the
// one-sentence groups that NmeaController sends.
class ExternalNmeaController : public QObject
{
    Q_OBJECT
public:
    // A received text longer than this is too long whatever it holds: no sentence needs it (the length
    // check lets GGA sentences run past 82 characters, for their extra decimals, but not without end),
    // and noise in front of the "$" is not searched further than this.
    static constexpr int maxReceivedLength = 256;
    // The most sentences taken from one received group; a larger group is dropped whole.
    static constexpr int maxGroupSentences = 999;

    explicit ExternalNmeaController(QObject *parent = nullptr);

    // Not owned. Without one nothing is forwarded or monitored.
    void setCommunicationForwardingController(CommunicationForwardingController *controller);

signals:
    // Declared for the peers' interface; never emitted.
    void messageReadyForSending(NmeaGroupInfo nmea_group_info);
    // One received sentence, unchanged, for the serial port that forwarding names.
    void nmeaGroupReadyToBeSentOverSerialPort(NmeaGroupInfo nmea_group_info);

public slots:
    void handleReceivedNmeaList(NmeaGroupInfo nmea_group_info);
    // A standard-sentence group holding `complete_message` unchanged, for the port; id plays no part.
    NmeaGroupInfo sendPreparedNmeaMessageOverPort(
        QString complete_message, Port port, QString id = QString());
    // A standard-sentence group holding one sentence of `type` filled by its handler, under the talker
    // `id` (empty: the first two characters of the unit's external local SFI). A type without a message
    // class or handler gives a group without sentences and a debug line.
    NmeaGroupInfo sendNmeaMessageOfTypeOverPort(QString type, Port port, QString id = QString());

private:
    QPointer<CommunicationForwardingController> m_forwardingController;
};

#endif // EXTERNALNMEACONTROLLER_H
