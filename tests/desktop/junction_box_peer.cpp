// A junction box for the whole-program check: a stand-alone program that answers the display unit on the
// loopback of a private network namespace. It answers the unit's PAIR with an SFIACK and the whole setup,
// acknowledges every settings datagram the unit sends for acknowledgement, and once paired sends runtime
// values as single changes every --interval ms; after --invalid-after sends it sends the same values marked
// invalid instead. Every sentence it receives from the unit is printed as "RX <sentence>", and "PAIRED" once
// the unit has acknowledged the whole setup, so that a script can follow the exchange on standard output;
// the settings texts the unit sends are printed whole as "TEXT <text>". A runtime value the unit changes (a
// trip reset) is taken over and sent from then on.
//
// Only inside a private network namespace: it refuses to start when any interface but the loopback is up.

#include "JunctionBoxPeer.h"
#include "NetnsGuard.h"

#include "data/ESSetup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSet>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// The runtime values sent when none are given: the five values page A shows with the default settings
// (SOG, Lat, Lon, Heading, ROT), the speed through the water and the distance counters.
const char *const defaultValues[] = {
    "SpeedGPS=11.8",
    "PositionNS=5430.123N",
    "PositionEW=01012.456E",
    "Heading=87.5",
    "ROT=2.5",
    "SpeedSTWLog=12.3",
    "Trip=4.56",
    "Total=1234.5",
};

void printLine(const QString &line)
{
    std::fputs(qPrintable(line), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class PeerProgram : public QObject
{
public:
    struct Options
    {
        QString ownSfi;
        QString group;
        quint16 port = 0;
        int intervalMs = 0;
        int invalidAfter = 0; // 0: the values stay valid
        bool vary = false; // numbers change by a tenth on each send, so that every send is a change
        QStringList values; // "Name=value"
    };

    explicit PeerProgram(const Options &options)
        : m_options(options)
        , m_peer(options.ownSfi, options.group, options.port)
        , m_setup(nullptr, QStringLiteral("ESSetup"))
    {
        // The peer records what arrives; what has not been looked at yet is read every few milliseconds.
        connect(&m_poll, &QTimer::timeout, this, [this]() { handleReceived(); });
        m_poll.start(5);
        connect(&m_runtime, &QTimer::timeout, this, [this]() { sendRuntimeValues(); });
    }

    bool isBound() const { return m_peer.isBound(); }

private:
    void handleReceived()
    {
        const QList<JunctionBoxPeer::Datagram> &received = m_peer.received();
        for (; m_handled < received.size(); ++m_handled) {
            const JunctionBoxPeer::Datagram datagram = received.at(m_handled);
            const JunctionBoxPeer::Line &first = datagram.lines.first();
            for (const JunctionBoxPeer::Line &line : datagram.lines)
                printLine(QStringLiteral("RX ") + line.sentence);
            if (first.textTag.startsWith(QLatin1String("pqrvsetup")))
                m_peer.acknowledge(datagram.key, first.source);
            if (first.textTag.startsWith(QLatin1String("pqrvack")))
                takeAcknowledgement(first.textTag.mid(int(qstrlen("pqrvack"))));
            for (const JunctionBoxPeer::Line &line : datagram.lines) {
                if (line.sentence.startsWith(QLatin1String("$PQRVPAIR,")))
                    answerPair(line);
            }
            takeSettingsText(datagram);
        }
    }

    // The settings text a datagram's "PQRVAVG" sentences carry together, printed as "TEXT <text>". A runtime
    // value the unit changed (the trip reset) is taken over, as a junction box does, and sent from then on.
    void takeSettingsText(const JunctionBoxPeer::Datagram &datagram)
    {
        const QLatin1String formatter("$PQRVAVG,");
        QString text;
        for (const JunctionBoxPeer::Line &line : datagram.lines) {
            if (line.sentence.startsWith(formatter))
                text += line.sentence.mid(formatter.size()).section(QLatin1Char('*'), 0, 0);
        }
        if (text.isEmpty() || text == QLatin1String("ackmessage"))
            return;
        printLine(QStringLiteral("TEXT ") + text);
        const QLatin1String runtimeChange("Type_Runtime,SingleProperty,ESRuntime,");
        if (!text.startsWith(runtimeChange))
            return;
        const QString change = text.mid(runtimeChange.size());
        const QString name = change.section(QLatin1Char('='), 0, 0) + QLatin1Char('=');
        for (QString &value : m_options.values) {
            if (value.startsWith(name))
                value = change;
        }
    }

    // "$PQRVPAIR,<unit>,<junction box>,P*hh": a unit that asks this junction box is answered with the
    // acknowledgement of the pairing and the whole setup. Repeated requests are answered again.
    void answerPair(const JunctionBoxPeer::Line &line)
    {
        const QString body = line.sentence.section(QLatin1Char('*'), 0, 0);
        const QStringList fields = body.split(QLatin1Char(','));
        if (fields.size() < 4 || fields.at(2) != m_options.ownSfi)
            return;
        m_unitSfi = fields.at(1);
        m_peer.sendSentence(
            QStringLiteral("PQRVSFIACK,%1,%2,PAIR,%3").arg(m_options.ownSfi, m_unitSfi, fields.at(3)));
        const QStringList keys
            = m_peer.sendSettingsText(m_setup.serialize(), m_unitSfi, QStringLiteral("pqrvsetup"));
        for (const QString &key : keys)
            m_awaitedSetupKeys.insert(key);
    }

    void takeAcknowledgement(const QString &key)
    {
        if (!m_awaitedSetupKeys.remove(key) || !m_awaitedSetupKeys.isEmpty() || m_paired)
            return;
        m_paired = true;
        printLine(QStringLiteral("PAIRED"));
        sendRuntimeValues();
        m_runtime.start(m_options.intervalMs);
    }

    // Valid values as single changes; after the given number of sends every value once more as a whole
    // runtime text with empty values marked "F", which the unit takes as invalid.
    void sendRuntimeValues()
    {
        ++m_sends;
        if (m_options.invalidAfter > 0 && m_sends > m_options.invalidAfter) {
            QString text = QStringLiteral("Type_Runtime");
            for (const QString &value : m_options.values)
                text += QLatin1Char(',') + value.section(QLatin1Char('='), 0, 0) + QStringLiteral("==F");
            m_peer.sendSettingsText(text, m_unitSfi, QStringLiteral("pqrvruntime"));
            if (m_sends == m_options.invalidAfter + 1)
                printLine(QStringLiteral("INVALID"));
            return;
        }
        for (const QString &value : m_options.values) {
            m_peer.sendSettingsText(QStringLiteral("Type_Runtime,SingleProperty,ESRuntime,") + varied(value),
                m_unitSfi, QStringLiteral("pqrvruntime"));
        }
    }

    // "Name=number" with the number raised by a tenth per send, in a cycle of ten; other values as given.
    QString varied(const QString &value) const
    {
        bool number = false;
        const double given = value.section(QLatin1Char('='), 1).toDouble(&number);
        if (!m_options.vary || !number)
            return value;
        return value.section(QLatin1Char('='), 0, 0) + QLatin1Char('=')
            + QString::number(given + 0.1 * (m_sends % 10), 'f', 1);
    }

    Options m_options;
    JunctionBoxPeer m_peer;
    ESSetup m_setup;
    QTimer m_poll;
    QTimer m_runtime;
    int m_handled = 0;
    QString m_unitSfi;
    QSet<QString> m_awaitedSetupKeys;
    bool m_paired = false;
    int m_sends = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A junction box answering the display unit on the loopback"));
    parser.addHelpOption();
    const QCommandLineOption ownSfi(
        QStringLiteral("sfi"), QStringLiteral("Own SFI."), QStringLiteral("sfi"), QStringLiteral("GN1001"));
    const QCommandLineOption group(QStringLiteral("group"), QStringLiteral("Transmission group address."),
        QStringLiteral("address"), QStringLiteral("239.192.0.3"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Transmission group port."),
        QStringLiteral("port"), QStringLiteral("60003"));
    const QCommandLineOption interval(QStringLiteral("interval"),
        QStringLiteral("Milliseconds between runtime sends."), QStringLiteral("ms"), QStringLiteral("500"));
    const QCommandLineOption invalidAfter(QStringLiteral("invalid-after"),
        QStringLiteral("Send the values invalid after this many sends (0: never)."), QStringLiteral("n"),
        QStringLiteral("0"));
    const QCommandLineOption value(QStringLiteral("value"),
        QStringLiteral("A runtime value Name=value to send (repeatable; replaces the defaults)."),
        QStringLiteral("Name=value"));
    const QCommandLineOption vary(
        QStringLiteral("vary"), QStringLiteral("Change numeric values by a tenth on each send."));
    parser.addOptions({ ownSfi, group, port, interval, invalidAfter, value, vary });
    parser.process(application);

    if (!NetnsGuard::isIsolated()) {
        std::fprintf(stderr, "junction_box_peer: %s\n", qPrintable(NetnsGuard::reason()));
        return 2;
    }

    PeerProgram::Options options;
    options.ownSfi = parser.value(ownSfi);
    options.group = parser.value(group);
    bool portOk = false;
    bool intervalOk = false;
    bool invalidOk = false;
    options.port = parser.value(port).toUShort(&portOk);
    options.intervalMs = parser.value(interval).toInt(&intervalOk);
    options.invalidAfter = parser.value(invalidAfter).toInt(&invalidOk);
    options.values = parser.values(value);
    options.vary = parser.isSet(vary);
    if (options.values.isEmpty()) {
        for (const char *text : defaultValues)
            options.values.append(QLatin1String(text));
    }
    if (!portOk || !intervalOk || options.intervalMs <= 0 || !invalidOk || options.invalidAfter < 0) {
        std::fprintf(
            stderr, "junction_box_peer: --port, --interval and --invalid-after take positive numbers\n");
        return 2;
    }
    for (const QString &text : qAsConst(options.values)) {
        if (!text.contains(QLatin1Char('=')) || text.contains(QLatin1Char(','))) {
            std::fprintf(
                stderr, "junction_box_peer: a value is Name=value without commas: %s\n", qPrintable(text));
            return 2;
        }
    }

    PeerProgram program(options);
    if (!program.isBound()) {
        std::fprintf(
            stderr, "junction_box_peer: cannot join %s:%u on lo\n", qPrintable(options.group), options.port);
        return 1;
    }
    printLine(QStringLiteral("LISTENING"));
    return application.exec();
}
