#ifndef NMEAHANDLER_H
#define NMEAHANDLER_H

#include "common/SignalEmitter.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class NmeaMessage;
class TmpPortsSetupAdapter;

// Base of every sentence handler: one handler per sentence type the unit knows. It knows where the values
// of a received sentence go (the data object), where the values of an outgoing sentence come from (the
// output data object) and on which ports its sentence leaves the unit. Handlers never write to a port:
// every output is a request emitted on the handler hub nmeaHandlerSignalEmitter(), which the NMEA
// controller connects to its send slots.
//
// Fields travel between a message and a data object by property name: a field goes to the data object's
// property of the same name, and names without a counterpart are skipped.
class NmeaHandler : public QObject
{
    Q_OBJECT
public:
    // The talker is "PQRV" for a proprietary handler and the unit's own talker otherwise. The handler's
    // own message is created from talker and formatter through the message registries.
    NmeaHandler(QObject *dataObject, const QString &formatter, bool periodic, QObject *parent = nullptr,
        bool proprietary = false);
    ~NmeaHandler() override;

    // A received message, parsed without error. The base forwards it as text (forwarding handlers) or
    // copies its valid fields into the data object. The message is lent for the call: the receive path
    // reuses it afterwards (NmeaMessagePool), unless the handler keeps it by becoming its Qt parent.
    virtual void handleReceivedMessage(NmeaMessage *message);
    // Fills a message that is about to be sent: in relay mode with the last received field text,
    // otherwise from the output data object.
    virtual void fillOutgoingMessage(NmeaMessage *message);
    // The stored group of a multi-sentence handler; the base logs the misuse and returns
    // outgoingSentences().
    virtual QStringList storedSentences();
    // The handler's own outgoing sentence as a complete sentence, filled first.
    virtual QStringList outgoingSentences();

    // Copies the valid fields of a received message into the data object (and keeps the field text in
    // relay mode). A field whose value the data object refuses or cannot convert does not become valid
    // there.
    void copyMessageToData(NmeaMessage *message);
    // Fills the fields of a message from the output data object. A field is marked valid only when the
    // value could be written into it.
    void copyDataToMessage(NmeaMessage *message);

    // Whether the last received message was accepted: the NMEA controller reads it right after
    // handleReceivedMessage. The base never changes it.
    bool isLastMessageValid() const;

    // One request per port on which the sentence is enabled (by the port setup or an extra port).
    void sendOnEnabledPorts();
    void sendSentenceOnEnabledPorts(const QString &sentence);
    // The sentences travel as one group on each enabled port.
    void sendSentencesOnEnabledPorts(const QStringList &sentences);
    // One request for the UDP port, marked for the connected devices, without a port test.
    void sendSentenceToConnectedDevices(const QString &sentence);

    void enableRelay();

    QString formatter() const;
    QString talker() const;
    void setTalker(const QString &talker);
    bool isProprietary() const;
    bool isPeriodic() const;
    void setPeriodic(bool periodic);
    int sendInterval() const;
    void setSendInterval(int interval);
    int sendCounter() const;
    void incrementSendCounter();
    void resetSendCounter();
    bool isMultiSentence() const;
    QObject *dataObject() const;
    void setDataObject(QObject *dataObject);
    QObject *outputDataObject() const;
    void setOutputDataObject(QObject *outputDataObject);
    bool isForwarding() const;
    void setForwarding(bool forwarding);
    // Ports on which the sentence is always requested, whatever the port setup says; kept free of
    // duplicates, in the order of first insertion.
    QList<int> extraPorts() const;
    void setExtraPorts(const QList<int> &ports);
    void addExtraPort(int port);
    void removeExtraPort(int port);
    // The relay text kept from the last received message (relay mode).
    QString relayText() const;
    // The handler's own message, used for its own outgoing sentence; null when its sentence has no
    // registered class.
    NmeaMessage *message() const;

signals:
    // A received message of a forwarding handler, as text, with where it came from.
    void forwardMessage(QString message, QString source);

public slots:
    // Builds "$" + talker + formatter + content + "*" + checksum + CR LF for each content and sends the
    // list as one group, addressed to alert_sfi, on every port whose setup enables "Alarm".
    void sendAlertMessageContents(QList<QString> messages_contents, QString alert_sfi);

private slots:
    // Ages the relay text; it is dropped once it reaches the age limit.
    void validityTimerTimeout();

protected:
    // Whether the port setup or the extra ports enable the port for a sentence name.
    bool isPortEnabled(const QString &sentence, int port, bool withExtraPorts) const;

    bool m_relay = false;
    QPointer<QObject> m_dataObject;
    QPointer<QObject> m_outputDataObject;
    QString m_formatter;
    bool m_periodic;
    int m_sendInterval = 1;
    int m_sendCounter = 0;
    bool m_proprietary;
    bool m_forwarding = false;
    int m_relayAge = 0;
    int m_relayAgeLimit = 10;
    QString m_talker;
    QString m_relayText;
    NmeaMessage *m_message = nullptr;
    bool m_multiSentence = false;
    QList<int> m_extraPorts;
    bool m_lastMessageValid = true;
};

// The process-wide port setup adapter that every port test asks; not owned. The start-up sets it once,
// before any handler sends. While it is null no port is enabled by a setup (extra ports still are).
void setTmpPortsSetupAdapter(TmpPortsSetupAdapter *adapter);
TmpPortsSetupAdapter *tmpPortsSetupAdapter();

#endif // NMEAHANDLER_H
