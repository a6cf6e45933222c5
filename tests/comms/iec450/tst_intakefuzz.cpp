// A generated corpus against the network intake: deterministic, seeded mutations of valid sentence and
// image datagrams (truncations, flipped and inserted bytes, NUL bytes, huge lengths, random tag blocks).
// Nothing may crash, and every datagram whose framing is broken must be counted and refused. The faults
// are judged by a small model of the datagram framing written here, independent of the intake's code.

#include "SentenceDatagrams.h"
#include "comms/ErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/BinaryDatagramHeader.h"
#include "comms/iec450/BinaryInputBuffer.h"
#include "comms/iec450/BinaryMessage.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/Udp61162450Controller.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "comms/iec450/UdpParserClass.h"
#include "comms/iec450/socketInterface.h"
#include "platform/EthernetInterfaces.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace SentenceDatagrams;

namespace {

const int sentenceCases = 80000;
const int imageCases = 20000;
const quint32 seed = 61162450;

// What the model finds wrong with a received sentence datagram.
struct Faults
{
    int header = 0; // 75 or 79, or 0
    int badLines = 0; // lines with broken framing or a wrong tag checksum
    int goodLines = 0; // lines whose framing and checksum are right
};

// The framing of a sentence datagram: at most 1460 bytes; "UdPbC" and a NUL byte; then lines cut at
// CR LF, each "\" tag-block "*" two hexadecimal digits "\" sentence, the tag block at most 80 characters
// with its "*" and digits, the digits the exclusive-or of the tag-block content.
Faults judge(const QByteArray &datagram)
{
    Faults faults;
    if (datagram.size() > 1460) {
        faults.header = 75;
        return faults;
    }
    if (datagram.size() < 5 || !datagram.startsWith("UdPbC")
        || (datagram.size() > 5 && datagram.at(5) != '\0')) {
        faults.header = 79;
        return faults;
    }
    QByteArray text = datagram.mid(6);
    const int nul = text.indexOf('\0');
    if (nul >= 0)
        text.truncate(nul);
    const QList<QByteArray> lines = text.split('\n');
    // Splitting at LF alone: a line counts only up to a CR directly before the LF; a lone CR or LF stays
    // inside the line, as a cut at CR LF leaves it.
    QList<QByteArray> parts;
    QByteArray pending;
    for (int i = 0; i < lines.size(); ++i) {
        pending += lines.at(i);
        if (i + 1 < lines.size()) {
            if (pending.endsWith('\r')) {
                pending.chop(1);
                parts.append(pending);
                pending.clear();
            } else {
                pending += '\n';
            }
        }
    }
    parts.append(pending);
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        bool good = part.startsWith('\\');
        const int close = part.indexOf('\\', 1);
        good = good && close > 0;
        const QByteArray tag = good ? part.mid(1, close - 1) : QByteArray();
        good = good && tag.size() <= 80;
        const int star = tag.indexOf('*');
        good = good && star >= 0 && tag.size() == star + 3;
        if (good) {
            unsigned char sum = 0;
            for (int i = 0; i < star; ++i)
                sum ^= static_cast<unsigned char>(tag.at(i));
            bool ok = false;
            good = tag.mid(star + 1).toUInt(&ok, 16) == sum && ok;
        }
        if (good)
            ++faults.goodLines;
        else
            ++faults.badLines;
    }
    return faults;
}

QByteArray randomBytes(QRandomGenerator &random, int length)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char(random.bounded(256));
    return bytes;
}

QString randomSfi(QRandomGenerator &random)
{
    static const char *const sfis[]
        = { "AB0001", "CD0002", "ZQ1111", "EF0003", "AB001", "AB00012", "", "ab0001" };
    return QLatin1String(sfis[random.bounded(int(sizeof(sfis) / sizeof(sfis[0])))]);
}

// A tag block of random parameters: known and unknown keys, empty, long and non-numeric values, missing
// separators.
QString randomTagContent(QRandomGenerator &random)
{
    static const char *const keys[] = { "g:", "s:", "d:", "n:", "t:", "x:", "", "s:s:", "n:n:" };
    QStringList items;
    const int count = random.bounded(7);
    for (int i = 0; i < count; ++i) {
        QString value;
        switch (random.bounded(6)) {
        case 0:
            value = randomSfi(random);
            break;
        case 1:
            value = QString::number(int(random.bounded(2000)) - 500);
            break;
        case 2:
            value = QStringLiteral("%1-%2-%3")
                        .arg(random.bounded(5))
                        .arg(random.bounded(5))
                        .arg(random.bounded(120));
            break;
        case 3:
            value = QStringLiteral("pqrv")
                + QStringList { "setup", "ack1-1-1-5", "runtime", "" }.at(random.bounded(4));
            break;
        case 4:
            value = QString(random.bounded(90), QLatin1Char('9'));
            break;
        default:
            value = QString::fromLatin1(
                randomBytes(random, random.bounded(8)).replace('\\', '/').replace('*', '+'));
            break;
        }
        items.append(QLatin1String(keys[random.bounded(int(sizeof(keys) / sizeof(keys[0])))]) + value);
    }
    return items.join(random.bounded(8) == 0 ? QStringLiteral(";") : QStringLiteral(","));
}

// Valid datagrams of the kinds the unit receives.
QList<QByteArray> sentenceSeeds(const QString &own)
{
    const QString gga
        = sentence(QStringLiteral("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"));
    const QString hdt = sentence(QStringLiteral("GPHDT,12.3,T"));
    return {
        datagram(QStringLiteral("g:1-1-7,s:CD0002,n:12"), QStringLiteral("GPGGA,1,2,3")),
        datagram(QStringList { taggedLine(QStringLiteral("g:1-2-8,s:AB0001,n:41"), gga),
            taggedLine(QStringLiteral("g:2-2-8,s:AB0001,n:42"), hdt) }),
        datagram(QStringLiteral("g:1-1-9,s:AB0001,d:%1,n:43,t:pqrvsetup").arg(own),
            QStringLiteral("PQRVDATA,Type_Setup,a=1")),
        datagram(QStringLiteral("g:1-1-10,s:AB0001,d:%1,n:44,t:pqrvack1-1-3-7").arg(own),
            QStringLiteral("PQRVAVG,ackmessage")),
        datagram(QStringLiteral("g:1-1-11,s:ZQ1111,d:EF0003,d:%1,n:999").arg(own),
            QStringLiteral("SDDPT,1.0,0.5,")),
    };
}

QByteArray mutate(QRandomGenerator &random, const QByteArray &seed_datagram)
{
    QByteArray datagram = seed_datagram;
    const int rounds = 1 + random.bounded(3);
    for (int round = 0; round < rounds; ++round) {
        const int size = datagram.size();
        switch (random.bounded(10)) {
        case 0: // truncation
            datagram.truncate(random.bounded(size + 1));
            break;
        case 1: // flipped bytes
            for (int i = random.bounded(4); i >= 0 && size > 0; --i)
                datagram[random.bounded(size)]
                    = char(datagram.at(random.bounded(size)) ^ (1 << random.bounded(8)));
            break;
        case 2: // inserted bytes
            datagram.insert(random.bounded(size + 1), randomBytes(random, 1 + random.bounded(16)));
            break;
        case 3: // a range removed
            if (size > 0)
                datagram.remove(random.bounded(size), 1 + random.bounded(20));
            break;
        case 4: // huge length
            datagram.append(QByteArray(1461 - size + random.bounded(70000), char(random.bounded(256))));
            break;
        case 5: // a NUL byte anywhere
            datagram.insert(random.bounded(size + 1), '\0');
            break;
        case 6: // a random tag block with a right checksum
            datagram.append(
                taggedLine(randomTagContent(random), QStringLiteral("$GPGGA,1*00\r\n")).toLatin1());
            break;
        case 7: // a random tag block with a wrong or missing checksum
            datagram.append(('\\' + randomTagContent(random)
                + (random.bounded(2) ? QStringLiteral("*ZZ\\") : QStringLiteral("\\"))
                + QStringLiteral("$GPHDT,1*00\r\n"))
                                .toLatin1());
            break;
        case 8: // line ends broken
            datagram.replace("\r\n", random.bounded(2) ? "\n" : "\r");
            break;
        default: // a line repeated
            datagram.append(datagram.mid(6));
            break;
        }
    }
    return datagram;
}

// Every refused datagram writes its debug lines; a hundred thousand of them would drown the test's log.
class QuietDebugLog
{
public:
    QuietDebugLog()
        : m_previous(qInstallMessageHandler(&QuietDebugLog::handle))
    {
        s_previous = m_previous;
    }
    ~QuietDebugLog() { qInstallMessageHandler(m_previous); }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type != QtDebugMsg && s_previous)
            s_previous(type, context, message);
    }

    QtMessageHandler m_previous;
    static QtMessageHandler s_previous;
};

QtMessageHandler QuietDebugLog::s_previous = nullptr;

} // namespace

class TestIntakeFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sentenceDatagrams();
    void imageDatagrams();

private:
    EthernetInterfaces *m_interfaces = nullptr;
    Udp61162450Controller *m_controller = nullptr;
    socketInterface *m_intake = nullptr;
};

void TestIntakeFuzz::initTestCase()
{
    m_interfaces = new EthernetInterfaces(this, QStringLiteral("lo"));
    m_controller = new Udp61162450Controller(m_interfaces, this);
    m_intake = new socketInterface(m_controller, this);
    ListOfSfisOnNetwork::instance()->connectSfi(QStringLiteral("AB0001"));
}

void TestIntakeFuzz::sentenceDatagrams()
{
    QRandomGenerator random(seed);
    ErrorLogger *errors = ErrorLogger::instance();
    const QList<QByteArray> seeds = sentenceSeeds(ListOfSfisOnNetwork::instance()->externalLocalSfi());
    for (const QByteArray &valid : seeds)
        QCOMPARE(judge(valid).badLines, 0);

    // Accepted datagrams go on to the sentence controller, as in the unit; its records and buffers read
    // them again.
    NmeaOverUdpController *sentences = m_controller->nmeaOverUdpController();
    int emitted = 0;
    int groups = 0;
    connect(m_intake, &socketInterface::recievedMessage, sentences,
        &NmeaOverUdpController::processReceivedDatagram);
    connect(m_intake, &socketInterface::recievedMessage, this, [&emitted] { ++emitted; });
    connect(sentences->nmeaInputBuffer(), &NmeaInputBuffer::parse, this, [&groups] { ++groups; });

    QElapsedTimer elapsed;
    elapsed.start();
    std::unique_ptr<QuietDebugLog> quiet = std::make_unique<QuietDebugLog>();
    int refusedWithCount = 0;
    int refusedByFilter = 0;
    for (int i = 0; i < sentenceCases; ++i) {
        const QByteArray datagram = mutate(random, seeds.at(random.bounded(seeds.size())));
        const Faults faults = judge(datagram);
        const int countedBefore = errors->totalUdpNmeaErrors();
        const int emittedBefore = emitted;
        m_intake->processDatagram(datagram, random.bounded(2) == 1);
        const int counted = errors->totalUdpNmeaErrors() - countedBefore;
        const bool accepted = emitted > emittedBefore;

        // The codec's readers on the same bytes, whatever the intake decided.
        UdpParserClass::groupKey(datagram);
        UdpParserClass::destinationSfis(datagram);
        UdpParserClass::acknowledgedKey(datagram);
        UdpParserClass::tagChecksumsValid(datagram);
        QByteArray edited = datagram;
        UdpParserClass::removeDestination(edited, QStringLiteral("AB0001"));
        UdpParserClass::addDestination(datagram, QStringLiteral("EF0003"));
        UdpDatagramRecord(datagram).sentences();

        const QByteArray shown = datagram.left(60).toHex();
        if (faults.header) {
            QVERIFY2(
                !accepted && counted == 1 && errors->udpErrorCount(faults.header) > 0, shown.constData());
            QCOMPARE(m_intake->lastErrorCode(), faults.header);
        } else {
            // Every broken line is counted once; a datagram is passed on only with a good line.
            QVERIFY2(counted >= faults.badLines, shown.constData());
            if (accepted)
                QVERIFY2(faults.goodLines > 0, shown.constData());
        }
        if (!accepted && counted > 0)
            ++refusedWithCount;
        else if (!accepted)
            ++refusedByFilter;
    }
    quiet.reset();
    qInfo("%d sentence datagrams in %lld ms: %d passed on, %d counted and refused, %d refused by the filter, "
          "%d groups complete",
        sentenceCases, elapsed.elapsed(), emitted, refusedWithCount, refusedByFilter, groups);
    // The corpus reaches every outcome.
    QVERIFY(emitted > 0 && refusedWithCount > 0 && refusedByFilter > 0 && groups > 0);
}

void TestIntakeFuzz::imageDatagrams()
{
    QRandomGenerator random(seed + 1);
    ErrorLogger *errors = ErrorLogger::instance();
    // A fast sweep, run between the datagrams, so that broken images leave and new ones can open.
    BinaryInputBuffer buffer(1);
    QByteArray image(3000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i);
    // A series of three datagrams per block id, so that images keep completing while others are broken.
    auto seriesOf = [&image](int block_id) {
        return BinaryMessage(image, block_id, QStringLiteral("AB0001"), 1, 1, QStringLiteral("abc"),
            QStringLiteral("XXXXXX"), 1, QStringLiteral("RaUdP"))
            .datagrams();
    };
    static const QRegularExpression sfi(QStringLiteral("[a-zA-Z]{2}[0-9]{4}"));

    int offered = 0;
    connect(&buffer, &BinaryInputBuffer::useBinaryMessage, this,
        [&offered](const QByteArray &measurement, const QString &, int) {
            ++offered;
            QVERIFY(measurement.size() <= BinaryMessage::maxImageSize);
        });

    QElapsedTimer elapsed;
    elapsed.start();
    std::unique_ptr<QuietDebugLog> quiet = std::make_unique<QuietDebugLog>();
    int counted = 0;
    for (int i = 0; i < imageCases; ++i) {
        // Series mostly in order, now and then a datagram of another series.
        const int block = random.bounded(10) == 0 ? random.bounded(i / 3 + 1) : i / 3;
        QByteArray datagram = seriesOf(block).at(random.bounded(10) == 0 ? random.bounded(3) : i % 3);
        if (random.bounded(3) == 0) {
            datagram = mutate(random, datagram);
            // Also aim at the numbers of the header and the descriptor.
            if (random.bounded(2) && datagram.size() >= 46)
                datagram.replace(24 + 4 * random.bounded(6), 4, randomBytes(random, 4));
        }
        const BinaryDatagramHeader header(datagram);
        const bool badHeader = datagram.size() < 38 || datagram.size() > 1460
            || !(header.token() == QLatin1String("RaUdP") || header.token() == QLatin1String("RrUdP"))
            || header.version() != 2 || !sfi.match(header.sourceSfi()).hasMatch()
            || !(header.destinationSfi() == QLatin1String("XXXXXX")
                || sfi.match(header.destinationSfi()).hasMatch());
        const int before = errors->totalBinaryErrors();
        const int headerErrorsBefore = errors->binaryErrorCount(82);
        buffer.addDatagram(datagram);
        if (badHeader)
            QVERIFY2(errors->binaryErrorCount(82) == headerErrorsBefore + 1,
                datagram.left(40).toHex().constData());
        counted += errors->totalBinaryErrors() - before;
        QVERIFY(buffer.messageCount() <= BinaryInputBuffer::maxOpenImages);
        QCoreApplication::processEvents();
    }
    quiet.reset();
    qInfo("%d image datagrams in %lld ms: %d images offered, %d errors counted", imageCases,
        elapsed.elapsed(), offered, counted);
    QVERIFY(offered > 0 && counted > 0);
}

QTEST_GUILESS_MAIN(TestIntakeFuzz)
#include "tst_intakefuzz.moc"
