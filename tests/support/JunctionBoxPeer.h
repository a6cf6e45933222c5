#ifndef JUNCTIONBOXPEER_H
#define JUNCTIONBOXPEER_H

#include "nmea/NmeaChecksum.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUdpSocket>

// A junction box on the network, as small as a test needs it: one real UDP socket on a transmission group
// of the loopback, everything written and read by hand. It records every sentence datagram another unit
// sends (its own come back through the multicast loop and are left out) line by line, and sends sentences
// and settings texts with the tag blocks an IEC 61162-450 unit writes. Only for tests inside a private
// network namespace (NetnsGuard).
class JunctionBoxPeer : public QObject
{
public:
    // One received line: its tag-block parameters and its sentence without CR LF.
    struct Line
    {
        QString source;
        QStringList destinations;
        QString group; // the g: value, empty without one
        QString lineCount; // the n: value
        QString textTag; // the t: value, empty without one
        QString sentence;
    };
    // One received datagram: its lines and the key an acknowledgement names it by.
    struct Datagram
    {
        QList<Line> lines;
        QString key;
    };

    static constexpr int maxDatagramSize = 1460;
    // Settings text per "PQRVAVG" sentence: 75 characters less the formatter.
    static constexpr int dataPieceLength = 75 - 7;

    JunctionBoxPeer(const QString &own_sfi, const QString &group_address, quint16 port)
        : m_ownSfi(own_sfi)
        , m_group(group_address)
        , m_port(port)
    {
        const QNetworkInterface loopback = QNetworkInterface::interfaceFromName(QStringLiteral("lo"));
        m_bound = m_socket.bind(
                      QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint)
            && m_socket.joinMulticastGroup(m_group, loopback);
        m_socket.setMulticastInterface(loopback);
        connect(&m_socket, &QUdpSocket::readyRead, this, [this]() { readPending(); });
    }

    bool isBound() const { return m_bound; }
    QString ownSfi() const { return m_ownSfi; }
    const QList<Datagram> &received() const { return m_received; }

    // Every received sentence whose text starts with the prefix, in arrival order.
    QList<Line> linesStartingWith(const QString &prefix) const
    {
        QList<Line> found;
        for (const Datagram &datagram : m_received) {
            for (const Line &line : datagram.lines) {
                if (line.sentence.startsWith(prefix))
                    found.append(line);
            }
        }
        return found;
    }
    int countStartingWith(const QString &prefix) const { return linesStartingWith(prefix).size(); }

    // The received datagrams whose lines carry the text tag (compared from its start) and together hold
    // the text somewhere in their sentences.
    QList<Datagram> datagramsWith(const QString &text_tag, const QString &text) const
    {
        QList<Datagram> found;
        for (const Datagram &datagram : m_received) {
            if (datagram.lines.isEmpty() || !datagram.lines.first().textTag.startsWith(text_tag))
                continue;
            QString joined;
            for (const Line &line : datagram.lines)
                joined += line.sentence;
            if (joined.contains(text))
                found.append(datagram);
        }
        return found;
    }

    // Sends the sentences (complete, with CR LF) as one group to the destinations, cut into datagrams.
    // Returns the keys of the datagrams sent.
    QStringList sendGroup(
        const QStringList &sentences, const QStringList &destinations, const QString &text_tag)
    {
        m_groupId = m_groupId % 99 + 1;
        QList<QByteArray> lines;
        for (int position = 1; position <= sentences.size(); ++position) {
            m_lineCount = m_lineCount % 999 + 1;
            QString tag = QStringLiteral("g:%1-%2-%3,s:%4")
                              .arg(position)
                              .arg(sentences.size())
                              .arg(m_groupId)
                              .arg(m_ownSfi);
            for (const QString &destination : destinations)
                tag += QStringLiteral(",d:") + destination;
            tag += QStringLiteral(",n:%1").arg(m_lineCount);
            if (!text_tag.isEmpty())
                tag += QStringLiteral(",t:") + text_tag;
            lines.append((QLatin1Char('\\') + tag + QLatin1Char('*') + nmeaStringChecksum(tag)
                + QLatin1Char('\\') + sentences.at(position - 1))
                             .toLatin1());
        }
        QStringList keys;
        QByteArray datagram;
        QString firstLineCount;
        QString lastGroup;
        auto flush = [&]() {
            m_socket.writeDatagram(datagram, m_group, m_port);
            keys.append(lastGroup + QLatin1Char('-') + firstLineCount);
            datagram.clear();
        };
        for (int i = 0; i < lines.size(); ++i) {
            if (!datagram.isEmpty() && datagram.size() + lines.at(i).size() > maxDatagramSize)
                flush();
            const Line parsed = parseLine(QString::fromLatin1(lines.at(i)));
            if (datagram.isEmpty()) {
                datagram = QByteArray("UdPbC", 5) + '\0';
                firstLineCount = parsed.lineCount;
            }
            lastGroup = parsed.group;
            datagram.append(lines.at(i));
        }
        if (!datagram.isEmpty())
            flush();
        return keys;
    }

    // One sentence from the text between "$" and "*", to everyone (no destination, no text tag).
    void sendSentence(const QString &body) { sendGroup({ sentence(body) }, {}, QString()); }

    // A settings text as "PQRVAVG" data sentences to one unit; setup texts are tagged for acknowledgement.
    QStringList sendSettingsText(const QString &text, const QString &destination, const QString &text_tag)
    {
        QStringList sentences;
        for (int i = 0; i < text.size(); i += dataPieceLength)
            sentences.append(sentence(QStringLiteral("PQRVAVG,") + text.mid(i, dataPieceLength)));
        return sendGroup(sentences, { destination }, text_tag);
    }

    // The acknowledgement of a received setup datagram, as its sender expects it.
    void acknowledge(const QString &key, const QString &destination)
    {
        sendGroup(
            { QStringLiteral("$PQRVAVG,ackmessage\r\n") }, { destination }, QStringLiteral("pqrvack") + key);
    }

    static QString sentence(const QString &body) { return QLatin1Char('$') + appendNmeaChecksum(body); }

private:
    static Line parseLine(const QString &text)
    {
        Line line;
        if (!text.startsWith(QLatin1Char('\\')))
            return line;
        const int close = text.indexOf(QLatin1Char('\\'), 1);
        if (close < 0)
            return line;
        QString tag = text.mid(1, close - 1);
        const int star = tag.lastIndexOf(QLatin1Char('*'));
        if (star >= 0)
            tag.truncate(star);
        const QStringList items = tag.split(QLatin1Char(','));
        for (const QString &item : items) {
            const QString value = item.mid(2);
            if (item.startsWith(QLatin1String("s:")))
                line.source = value;
            else if (item.startsWith(QLatin1String("d:")))
                line.destinations.append(value);
            else if (item.startsWith(QLatin1String("g:")))
                line.group = value;
            else if (item.startsWith(QLatin1String("n:")))
                line.lineCount = value;
            else if (item.startsWith(QLatin1String("t:")))
                line.textTag = value;
        }
        line.sentence = text.mid(close + 1);
        if (line.sentence.endsWith(QLatin1String("\r\n")))
            line.sentence.chop(2);
        return line;
    }

    void readPending()
    {
        while (m_socket.hasPendingDatagrams()) {
            QByteArray bytes(int(m_socket.pendingDatagramSize()), '\0');
            m_socket.readDatagram(bytes.data(), bytes.size());
            if (!bytes.startsWith(QByteArray("UdPbC", 5)) || bytes.size() < 6)
                continue;
            Datagram datagram;
            const QStringList texts
                = QString::fromLatin1(bytes.mid(6)).split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
            for (const QString &text : texts)
                datagram.lines.append(parseLine(text));
            if (datagram.lines.isEmpty() || datagram.lines.first().source == m_ownSfi)
                continue;
            const QString group = datagram.lines.last().group.isEmpty() ? QStringLiteral("1-1-1")
                                                                        : datagram.lines.last().group;
            datagram.key = group + QLatin1Char('-') + datagram.lines.first().lineCount;
            m_received.append(datagram);
        }
    }

    QString m_ownSfi;
    QHostAddress m_group;
    quint16 m_port;
    QUdpSocket m_socket;
    bool m_bound = false;
    int m_groupId = 0;
    int m_lineCount = 0;
    QList<Datagram> m_received;
};

#endif // JUNCTIONBOXPEER_H
