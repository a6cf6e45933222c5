#include "SentenceDatagrams.h"

#include "ParsedSentence.h"

#include "nmea/NmeaChecksum.h"

namespace SentenceDatagrams {

QString taggedLine(const QString &tag_content, const QString &sentence)
{
    return QLatin1Char('\\') + tag_content + QLatin1Char('*') + nmeaStringChecksum(tag_content)
        + QLatin1Char('\\') + sentence;
}

QString sentence(const QString &body)
{
    return ParsedSentence::complete(body);
}

QByteArray datagram(const QStringList &lines)
{
    return QByteArray("UdPbC", 5) + '\0' + lines.join(QString()).toLatin1();
}

QByteArray datagram(const QString &tag_content, const QString &sentence_body)
{
    return datagram(QStringList { taggedLine(tag_content, sentence(sentence_body)) });
}

} // namespace SentenceDatagrams
