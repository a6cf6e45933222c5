#include "common/LogLineLimiter.h"
#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"
#include "nmea/ValidatedProperty.h"
#include "sentences/NavigationSentences.h"
#include "sentences/SatelliteSentences.h"

#include "RecordedLogs.h"

#include <QMap>
#include <QtTest>

#include <limits>

#include <memory>

// The recorded logs are real traffic: every line must pass the framing check and the parse without a
// crash, every faulty line must be refused with its code, and nothing refused may reach a field as a
// valid value. The sentences are parsed by the catalogue's own classes, as the receiving path finds them
// in the standard registry.

namespace {

const char *const smallLog = "nmea-20180119.log.gz";
const char *const largeLog = "nmea-20180120.log.gz";

// What the receiving path does with a sentence: the framing check, then, when it passes, the message of
// its address parsed from its field text. Returns the framing code, or the parse code when the framing
// passed; -1 when no class is registered for the address.
struct Received
{
    int framing = -1;
    int parse = -1;
    std::unique_ptr<NmeaMessage> message;
    QString fields;
};

Received receive(const QString &sentence)
{
    Received result;
    QString text = sentence;
    result.framing = NmeaMessage::checkSentence(text);
    if (result.framing != NmeaNoError)
        return result;
    const int comma = text.indexOf(QLatin1Char(','));
    const QString address = text.left(comma);
    const bool proprietary = address.startsWith(QLatin1String("PQRV"));
    const QString talker = proprietary ? address.left(4) : address.left(2);
    const QString formatter = proprietary ? address.mid(4) : address.mid(2, 3);
    result.message.reset(NmeaMessage::create(talker, formatter));
    if (!result.message)
        return result;
    // Everything between the "," after the address and the "*".
    result.fields = text.mid(comma + 1, text.length() - 3 - (comma + 1));
    result.parse = result.message->deserializeParamaters(result.fields);
    return result;
}

// The same sentence with a checksum that matches its text.
QString withRepairedChecksum(const QString &sentence)
{
    const int star = sentence.lastIndexOf(QLatin1Char('*'));
    const QString body = sentence.mid(1, star - 1);
    return sentence.left(1) + body + QLatin1Char('*') + nmeaStringChecksum(body) + QLatin1String("\r\n");
}

// Swallows the debug lines of refused fields during a sweep of hundreds of thousands of sentences.
int s_debugLines = 0;
void countDebugLines(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtDebugMsg)
        ++s_debugLines;
}

struct FaultyLine
{
    const char *log;
    int number; // 1-based line number in the log
    int code;
};

// Faulty lines found in the logs (zcat + grep, then checked by hand), with the code each must get.
const FaultyLine knownFaultyLines[] = {
    { smallLog, 1761, NmeaTooLongError }, // 3686 NUL bytes in front of a tagged GLL
    { largeLog, 23572, NmeaChecksumError }, // GSA, "0.8" damaged to "08"
    { largeLog, 92430, NmeaChecksumError }, // GGA lost a digit of the satellite count
    { largeLog, 107340, NmeaChecksumError }, // GGA lost the comma after "N"
    { largeLog, 193843, NmeaChecksumError }, // GSA lost its talker: "$PGSA"
    { largeLog, 291220, NmeaChecksumError }, // VTG lost its talker: "$PVTG"
};

} // namespace

class tst_NmeaLogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void faultyLines_data();
    void faultyLines();
    void sweep_data();
    void sweep();

private:
    // The lines of a log, decompressed with gzip; empty when the log is absent.
    const QList<QByteArray> &logLines(const char *name);

    QMap<QString, QList<QByteArray>> m_logs;
};

void tst_NmeaLogs::initTestCase()
{
    // The sweeps count every line a refused field writes; the summarising of repeated lines, which a
    // fast sweep would reach within its first second, is left out of them.
    LogLineLimiter::of("Sentence field refused")->setLinesPerPeriod(std::numeric_limits<int>::max());
    // The sentences of the logs meet the catalogue's classes.
    const QList<QPair<QString, const QMetaObject *>> classes { { "GGA", &MsgGga::staticMetaObject },
        { "GLL", &MsgGll::staticMetaObject }, { "VTG", &MsgVtg::staticMetaObject },
        { "RMC", &MsgRmc::staticMetaObject }, { "ZDA", &MsgZda::staticMetaObject },
        { "GSA", &MsgGsa::staticMetaObject }, { "GSV", &MsgGsv::staticMetaObject } };
    for (const auto &entry : classes) {
        const std::unique_ptr<NmeaMessage> message(NmeaMessage::create(QStringLiteral("GP"), entry.first));
        QVERIFY2(message, qPrintable(entry.first));
        QCOMPARE(message->metaObject(), entry.second);
    }
}

const QList<QByteArray> &tst_NmeaLogs::logLines(const char *name)
{
    const QString key = QString::fromLatin1(name);
    if (!m_logs.contains(key))
        m_logs.insert(key, RecordedLogs::lines(key));
    return m_logs[key];
}

void tst_NmeaLogs::faultyLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("repairedCode");
    QTest::addColumn<QByteArray>("refusedField");

    // The lines as they stand in the logs, tag block included. repairedCode is what the same sentence
    // gets with a checksum that matches it: the damage is still caught where it breaks a field rule or
    // the address, while the damaged GSA value is caught by nothing but its checksum.
    const QByteArray nulLine
        = QByteArray(3686, '\0') + "\\c:1516402732*5A\\$GPGLL,3249.4690,N,07951.4697,W,231334.00,A,A*7E";
    QTest::newRow("NUL bytes") << nulLine << smallLog << 1761 << int(NmeaTooLongError)
                               << int(NmeaTooLongError) << QByteArray();
    QTest::newRow("damaged value") << QByteArray(
        "\\c:1516471379*55\\$GPGSA,A,3,01,10,12,14,18,22,25,31,32,48,,,1.5,08,1.3*3B")
                                   << largeLog << 23572 << int(NmeaChecksumError) << int(NmeaNoError)
                                   << QByteArray();
    QTest::newRow("lost digit") << QByteArray(
        "\\c:1516487962*5C\\$GPGGA,004851.000,3249.4446,N,07951.5780,W,1,4,2.9,26.0,M,-43.8,M,,0000*51")
                                << largeLog << 92430 << int(NmeaChecksumError) << int(NmeaFieldLengthError)
                                << QByteArray("NumberOfSatellitesInUse");
    QTest::newRow("lost comma") << QByteArray(
        "\\c:1516490221*56\\$GPGGA,012630.000,3249.4555,N07951.5270,W,1,03,4.0,-48.2,M,-43.8,M,,0000*79")
                                << largeLog << 107340 << int(NmeaChecksumError) << int(NmeaFieldLengthError)
                                << QByteArray("NorthOrSouth");
    QTest::newRow("lost talker GSA") << QByteArray(
        "\\c:1516511097*51\\$PGSA,A,2,17,19,30,,,,,,,,,,3.8,3.7,0.9*38")
                                     << largeLog << 193843 << int(NmeaChecksumError) << int(NmeaAddressError)
                                     << QByteArray();
    QTest::newRow("lost talker VTG") << QByteArray("\\c:1516525851*54\\$PVTG,191.4,T,,M,0.0,N,0.0,K,A*00")
                                     << largeLog << 291220 << int(NmeaChecksumError) << int(NmeaAddressError)
                                     << QByteArray();
}

void tst_NmeaLogs::faultyLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, log);
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(int, repairedCode);
    QFETCH(QByteArray, refusedField);

    const QString sentence = RecordedLogs::sentenceOfLine(line);
    const Received received = receive(sentence);
    QCOMPARE(received.framing, code);
    QVERIFY(!received.message);

    QString repaired = sentence;
    if (sentence.startsWith(QLatin1Char('$'))) {
        repaired = withRepairedChecksum(sentence);
        QVERIFY(repaired != sentence);
    }
    if (repairedCode == NmeaFieldLengthError || repairedCode == NmeaInvalidValueError) {
        // The refused field is reported in two lines.
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(QStringLiteral("^(invalid value|wrong field length) ")));
        QTest::ignoreMessage(
            QtDebugMsg, QRegularExpression(QStringLiteral("error in NmeaMessage::deserializeParamaters$")));
    }
    const Received second = receive(repaired);
    QCOMPARE(second.framing == NmeaNoError ? second.parse : second.framing, repairedCode);
    if (!refusedField.isEmpty()) {
        // The refused field holds no value, and the message keeps the text it was given.
        QVERIFY(second.message);
        QVERIFY(!second.message->field(refusedField.constData())->isValid());
        QCOMPARE(second.message->serializeParameters(), second.fields);
    }

    // The row is the line of the log, where the log is at hand.
    const QList<QByteArray> &lines = logLines(log.toLatin1().constData());
    if (lines.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("Recorded logs not found under %1").arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
    QVERIFY(number <= lines.size());
    QCOMPARE(lines.at(number - 1), line);
}

void tst_NmeaLogs::sweep_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("stationsOutOfRange");

    // Some GGA sentences carry a differential reference station id above 1023 (1234 and 1235), which
    // the field refuses; counted with zcat and awk on the last GGA field.
    QTest::newRow("small log") << smallLog << 95264 << 5;
    QTest::newRow("large log") << largeLog << 407092 << 141;
}

void tst_NmeaLogs::sweep()
{
    QFETCH(QString, log);
    QFETCH(int, lineCount);
    QFETCH(int, stationsOutOfRange);

    const QList<QByteArray> &lines = logLines(log.toLatin1().constData());
    if (lines.isEmpty())
        QSKIP(qPrintable(
            QStringLiteral("Recorded logs not found under %1").arg(QStringLiteral(TESSARY_SHARED_DATA_DIR))));
    QCOMPARE(lines.size(), lineCount);

    QMap<int, int> framingCodes;
    QMap<int, int> parseCodes;
    QList<int> refusedLines;
    int unknown = 0;
    int roundTripFailures = 0;
    int keptTextFailures = 0;
    int refusedButValid = 0;
    s_debugLines = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countDebugLines);
    for (int i = 0; i < lines.size(); ++i) {
        const QString sentence = RecordedLogs::sentenceOfLine(lines.at(i));
        const Received received = receive(sentence);
        ++framingCodes[received.framing];
        if (received.framing != NmeaNoError) {
            refusedLines << i + 1;
            continue;
        }
        if (!received.message) {
            ++unknown;
            continue;
        }
        ++parseCodes[received.parse];
        // A parsed message writes the very sentence it was read from; a refused one keeps its text.
        if (received.parse == NmeaNoError && received.message->toSentence() != sentence)
            ++roundTripFailures;
        if (received.message->serializeParameters() != received.fields)
            ++keptTextFailures;
        if (received.parse != NmeaNoError) {
            const ValidatedProperty *station = received.message->field("DifferentialReferenceStationId");
            if (!station || station->isValid())
                ++refusedButValid;
        }
    }
    qInstallMessageHandler(previous);

    qInfo() << "framing codes" << framingCodes << "parse codes" << parseCodes << "without class" << unknown
            << "debug lines" << s_debugLines;

    // Exactly the faulty lines of the table are refused by the framing check, with their codes.
    QList<int> expectedRefused;
    QMap<int, int> expectedCodes;
    for (const FaultyLine &faulty : knownFaultyLines) {
        if (log == QLatin1String(faulty.log)) {
            expectedRefused << faulty.number;
            ++expectedCodes[faulty.code];
        }
    }
    expectedCodes[NmeaNoError] = lineCount - expectedRefused.size();
    QCOMPARE(refusedLines, expectedRefused);
    QCOMPARE(framingCodes, expectedCodes);
    // Every sentence of the logs has a class here; the only fields refused are the station ids out of
    // range, and none of them became a valid value.
    QCOMPARE(unknown, 0);
    QMap<int, int> expectedParseCodes;
    expectedParseCodes[NmeaNoError] = expectedCodes[NmeaNoError] - stationsOutOfRange;
    if (stationsOutOfRange > 0)
        expectedParseCodes[NmeaInvalidValueError] = stationsOutOfRange;
    QCOMPARE(parseCodes, expectedParseCodes);
    QCOMPARE(refusedButValid, 0);
    // Each refused field is logged in two lines.
    QCOMPARE(s_debugLines, 2 * (expectedCodes[NmeaNoError] - parseCodes.value(NmeaNoError)));
    QCOMPARE(roundTripFailures, 0);
    QCOMPARE(keptTextFailures, 0);
}

QTEST_GUILESS_MAIN(tst_NmeaLogs)
#include "tst_nmealogs.moc"
