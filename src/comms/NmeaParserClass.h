#ifndef NMEAPARSERCLASS_H
#define NMEAPARSERCLASS_H

#include "comms/NmeaGroupInfo.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The proprietary data channel: settings text cut into a group of data sentences for sending, and a
// received group of them joined back into the text.
//
// A data sentence is "$" + formatter + "," + piece + "*" + checksum + CR LF. The formatter is the whole
// address ("PQRVAVG" for settings); the piece is the next at most 75 - formatter length characters of
// the text, copied unchanged (it may hold "," and "*"), so that every data sentence is at most 82
// characters long. The checksum covers formatter + "," + piece.
class NmeaParserClass : public QObject
{
    Q_OBJECT
public:
    // The longest data sentence, "$" and CR LF included.
    static constexpr int maxSentenceLength = 82;
    // The most sentences a group can have on the network (the line numbers of a group run to 999).
    static constexpr int maxGroupSentences = 999;

    explicit NmeaParserClass(QObject *parent = nullptr);

    // The number of text characters one sentence carries with this formatter; 0 or less means the
    // formatter leaves no room for data.
    static int pieceLength(const QString &formatter);

    QString receivedText() const { return m_receivedText; }
    QStringList sentSentences() const { return m_sentSentences; }
    QString sentFormatter() const { return m_sentFormatter; }
    QString receivedAddress() const { return m_receivedAddress; }
    void setReceivedSentences(const QStringList &sentences) { m_receivedSentences = sentences; }
    void setSentText(const QString &text) { m_sentText = text; }
    void setSentFormatter(const QString &formatter) { m_sentFormatter = formatter; }
    void setReceivedAddress(const QString &address) { m_receivedAddress = address; }

signals:
    // The text joined from a received group; only when it is not empty.
    void dataReceived(QString data);
    // Declared for the peers' interface; never emitted.
    void nmeaListReadyToBeSent(NmeaGroupInfo nmea_list);

public slots:
    // The data sentences of `data` in text order, as a group for the network (port UDP, no SFIs,
    // proprietary data between units). An empty text gives a group without sentences; so does a
    // formatter that is empty or leaves no room for data, which is refused with a debug line.
    NmeaGroupInfo dataToNmeaList(QString data, QString local_formatter = QStringLiteral("PQRVMMM"));
    // The text of a received group: the pieces of its sentences in group order, each sentence losing
    // "$", its address and the "," after it, its checksum field and CR LF. The checksums are not
    // compared. A group that holds anything but data sentences, or too many of them, cannot give back
    // the whole text: it is refused with a debug line and gives an empty text. Emits dataReceived
    // with the text when it is not empty.
    QString nmeaListToData(NmeaGroupInfo nmea_list);

private:
    QStringList m_receivedSentences;
    QString m_receivedText;
    QStringList m_sentSentences;
    QString m_sentText;
    QString m_sentFormatter;
    QString m_receivedAddress;
};

#endif // NMEAPARSERCLASS_H
