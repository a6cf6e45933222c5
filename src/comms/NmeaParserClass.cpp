#include "comms/NmeaParserClass.h"

#include "common/LogLineLimiter.h"
#include "common/LogText.h"
#include "nmea/NmeaChecksum.h"

#include <QDebug>

namespace {

// Every data sentence is cut so that it is exactly 82 characters long when its piece is full:
// "$" + formatter + "," + piece + "*" + checksum + CR LF = 75 + 7 characters.
const int addressAndPieceLength = 75;
const QLatin1String sentenceEnd("\r\n");

// The piece of one received data sentence, or false when the sentence is not a data sentence: it must
// begin with "$", end with "*", two characters and CR LF, and have an address followed by ",".
bool pieceOfSentence(const QString &sentence, QString *address, QString *piece)
{
    // "$" + address + "," + "*hh" + CR LF at the least.
    const int shortest = 1 + 1 + 1 + 3 + 2;
    if (sentence.size() < shortest || sentence.size() > NmeaParserClass::maxSentenceLength)
        return false;
    if (!sentence.startsWith(QLatin1Char('$')) || !sentence.endsWith(sentenceEnd))
        return false;
    // The checksum field is the last three characters before CR LF.
    const int star = sentence.size() - 2 - 3;
    if (sentence.at(star) != QLatin1Char('*'))
        return false;
    const int comma = sentence.indexOf(QLatin1Char(','), 1);
    if (comma < 0 || comma > star || comma == 1)
        return false;
    *address = sentence.mid(1, comma - 1);
    // Only the leading address goes: the same letters inside the piece are data.
    *piece = sentence.mid(comma + 1, star - comma - 1);
    return true;
}

} // namespace

NmeaParserClass::NmeaParserClass(QObject *parent)
    : QObject(parent)
{
}

int NmeaParserClass::pieceLength(const QString &formatter)
{
    return addressAndPieceLength - formatter.size();
}

NmeaGroupInfo NmeaParserClass::dataToNmeaList(QString data, QString local_formatter)
{
    m_sentFormatter = local_formatter;
    m_sentSentences.clear();
    m_sentText = data;

    const int length = pieceLength(local_formatter);
    if (local_formatter.isEmpty() || length <= 0) {
        // With no room for data the text could never be cut; an empty address could not be read back.
        qDebug().noquote() << "Proprietary data formatter refused, it leaves no room for an address and data:"
                           << local_formatter.left(addressAndPieceLength);
    } else {
        for (int position = 0; position < data.size(); position += length) {
            const QString body = local_formatter + QLatin1Char(',') + data.mid(position, length);
            m_sentSentences.append(QLatin1Char('$') + appendNmeaChecksum(body));
        }
    }
    return NmeaGroupInfo(QString(), QStringList(), m_sentSentences, UDP, InternalData);
}

QString NmeaParserClass::nmeaListToData(NmeaGroupInfo nmea_list)
{
    m_receivedSentences = nmea_list.messages();
    m_receivedText.clear();

    if (m_receivedSentences.size() > maxGroupSentences) {
        if (admitLogLine("Proprietary data group refused"))
            qDebug() << "Proprietary data group of" << m_receivedSentences.size()
                     << "sentences refused, at most" << maxGroupSentences;
        return m_receivedText;
    }

    // A text missing one piece, or holding a foreign one, would be applied as a settings text that
    // nobody sent, so a group with any sentence that is not a data sentence gives no text at all.
    QString text;
    QString address;
    for (int i = 0; i < m_receivedSentences.size(); ++i) {
        QString piece;
        if (!pieceOfSentence(m_receivedSentences.at(i), &address, &piece)) {
            if (admitLogLine("Proprietary data group refused"))
                qDebug().noquote() << "Proprietary data group refused, sentence" << i + 1 << "of"
                                   << m_receivedSentences.size()
                                   << "is not a data sentence:" << logExcerpt(m_receivedSentences.at(i));
            return m_receivedText;
        }
        m_receivedAddress = address;
        text += piece;
    }
    m_receivedText = text;
    if (!m_receivedText.isEmpty())
        emit dataReceived(m_receivedText);
    return m_receivedText;
}
