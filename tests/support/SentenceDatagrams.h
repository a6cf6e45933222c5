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
QString taggedLine(const QString &tag_content, const QString &sentence);

// A complete sentence with checksum and CR LF from the text between "$" and "*".
QString sentence(const QString &body);

// "UdPbC", a NUL byte and the lines.
QByteArray datagram(const QStringList &lines);

// A one-line datagram of one sentence.
QByteArray datagram(const QString &tag_content, const QString &sentence_body);

} // namespace SentenceDatagrams

#endif // SENTENCEDATAGRAMS_H
