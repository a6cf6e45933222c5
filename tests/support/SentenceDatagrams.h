#ifndef SENTENCEDATAGRAMS_H
#define SENTENCEDATAGRAMS_H

#include "nmea/NmeaChecksum.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Builders of IEC 61162-450 sentence datagrams for tests, written out by hand so that a test can also
// build every kind of malformed line.
namespace SentenceDatagrams {

// "\" content "*" checksum "\" sentence.
inline QString taggedLine(const QString &tag_content, const QString &sentence)
{
    return QLatin1Char('\\') + tag_content + QLatin1Char('*') + nmeaStringChecksum(tag_content)
        + QLatin1Char('\\') + sentence;
}

// A complete sentence with checksum and CR LF from the text between "$" and "*".
inline QString sentence(const QString &body)
{
    return QLatin1Char('$') + appendNmeaChecksum(body);
}

// "UdPbC", a NUL byte and the lines.
inline QByteArray datagram(const QStringList &lines)
{
    return QByteArray("UdPbC", 5) + '\0' + lines.join(QString()).toLatin1();
}

// A one-line datagram of one sentence.
inline QByteArray datagram(const QString &tag_content, const QString &sentence_body)
{
    return datagram(QStringList { taggedLine(tag_content, sentence(sentence_body)) });
}

} // namespace SentenceDatagrams

#endif // SENTENCEDATAGRAMS_H
