#ifndef COMMUNICATIONFORWARDINGCONTROLLER_H
#define COMMUNICATIONFORWARDINGCONTROLLER_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class ESCommunicationInformation;
class ESCommunicationsSetup;

// Sits between the sentence routing and the communication monitor's settings ("ComminicationInformation"):
//
// - The monitor feed. The routers ask whether a port's input or output is watched and hand over each
//   watched sentence with a status (0 handled, 1 not handled, 2 error, 3 rejected by the handler). On
//   the display the entries go to the monitor page (comsInformationReceived); on the junction box they
//   travel to the display as the text "CommsData": entries joined by "|", each the sentence (the
//   address alone in the header format, the compact text in the full format) followed by its status
//   digit.
// - The CU-port relay: sentences for and from the display's own serial ports travel through the
//   junction box as compact texts joined by "|" ("CuPortsIn", "CuPort1Out", "CuPort3Out"). A compact
//   text is a sentence without "$", "*" and CR LF, with every "," written as "<", so that it holds no
//   separator of the settings text: "$GPHDT,12.3,T*1C\r\n" becomes "GPHDT<12.3<T1C".
// - Port forwarding: a table of source and target ports for repeating received sentences.
//
// Received texts are bounded: at most maxTextEntries entries per text, and a CU-port sentence is only
// sent out when it rebuilds into a sentence of at most 82 characters.
class CommunicationForwardingController : public QObject
{
    Q_OBJECT
public:
    // Entries buffered for the monitor at most; beyond it the oldest are dropped. Also the most entries
    // taken from one received text.
    static constexpr int maxTextEntries = 1000;

    explicit CommunicationForwardingController(QObject *parent = nullptr);

    // Stores the object and, by the unit's role, follows its received texts.
    void setCommunicationInformation(ESCommunicationInformation *information);
    void setCommunicationsSetup(ESCommunicationsSetup *setup);

    bool isOutputMonitored(int port) const;
    bool isInputMonitored(int port) const;

    bool isForwardedPort(int port) const;
    int forwardingTargetPort(int port) const;
    void setForwarding(int source_port, int target_port, bool enabled);
    // Whether the port's setup (port 0 to 6 of "CommunicationsSetup") has input enabled ("Yes", 0).
    bool isPortInputEnabled(int port) const;

    // What waits to be handed on.
    QList<QString> monitorEntries() const { return m_monitorEntries; }
    QList<int> monitorStatuses() const { return m_monitorStatuses; }
    QString cuPortText() const { return m_cuPortText; }

    // The compact text of a complete sentence, or an empty text when it is not one ("$" ... "*hh" CR LF)
    // or holds "<" or "|", which the compact form cannot carry.
    static QString toCompactSentence(const QString &sentence);
    // The complete sentence (with CR LF) of a compact text, or an empty text when it cannot be one.
    static QString fromCompactSentence(const QString &compact);

signals:
    void comsInformationReceived(QList<QString> info_list, QList<int> status_list);
    void cuPortInMessagesReceived(QStringList msg_list);
    void cuPortOutMessagesToSend(QStringList msg_list, int port);

public slots:
    void addCommunicationInformation(QString sentence, int status, bool flush_instantly = false);
    void addCommunicationInformation(QList<QString> sentence_list, int status, bool flush_instantly = false);
    void flushInformationBuffer();
    void addCuPortMessage(QString msg, int port, bool flush_instantly = false);
    void addCuPortMessages(QStringList msg_list, int port, bool flush_instantly = false);
    void flushCuPortBuffer(int port);

private slots:
    void comsInformationChanged(QString coms_info);
    void processReceivedCuPortData(QString data, int port);

private:
    // The monitor channel of a port, or -1 when the port is never watched.
    int monitorChannel(int port) const;
    bool isMonitored(int port, int direction) const;
    void bufferEntry(const QString &sentence, int status);

    QString m_monitorText;
    QList<QString> m_monitorEntries;
    QList<int> m_monitorStatuses;
    QString m_cuPortText;
    QPointer<ESCommunicationInformation> m_information;
    QPointer<ESCommunicationsSetup> m_setup;
    QList<int> m_forwardingSources;
    QList<int> m_forwardingTargets;
};

#endif // COMMUNICATIONFORWARDINGCONTROLLER_H
