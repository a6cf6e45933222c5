// The diagnostics exchange: VMPCGTER requests answered with ERRORCODE and ERRORTABLE from the network
// error counters. Every case starts from fresh counters.

#include "FreshInstance.h"
#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "comms/ErrorLogger.h"
#include "comms/UdpErrorLogger.h"
#include "nmea/NmeaHandlerContainer.h"
#include "sentences/PqrvDiagnosticsHandlers.h"

#include <QtTest>

#include <climits>
#include <optional>

namespace {

const QList<int> systemCodes { 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84 };

// The codes and counts of complete ERRORTABLE sentences, in order, and the number of pairs of each; an
// empty field reads as -1. Fails on a sentence that the receiving path would refuse (framing, checksum,
// more than 82 characters) or that does not hold as many counts as codes.
bool readTables(const QStringList &sentences, QList<int> *codes, QList<int> *counts, QList<int> *sizes)
{
    for (const QString &sentence : sentences) {
        QString checked = sentence;
        if (sentence.size() > 82 || NmeaMessage::checkSentence(checked) != NmeaNoError
            || !sentence.startsWith(QLatin1String("$PQRVERRORTABLE,")))
            return false;
        const int fieldsStart = sentence.indexOf(QLatin1Char(',')) + 1;
        const QStringList fields
            = sentence.mid(fieldsStart, sentence.lastIndexOf('*') - fieldsStart).split(',');
        if (fields.size() % 2 != 0)
            return false;
        const int size = fields.size() / 2;
        for (int i = 0; i < fields.size(); ++i)
            (i < size ? codes : counts)->append(fields.at(i).isEmpty() ? -1 : fields.at(i).toInt());
        sizes->append(size);
    }
    return true;
}

QList<int> repeated(int value, int times)
{
    QList<int> values;
    for (int i = 0; i < times; ++i)
        values << value;
    return values;
}

} // namespace

using namespace SentenceExchange;

class TestPqrvDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void lastErrorBeforeAnyError();
    void tableOfZeroCounters();
    void tableWithCountsAndReset();
    void otherCommandsAreIgnored_data();
    void otherCommandsAreIgnored();
    void receivedAnswersChangeNothing_data();
    void receivedAnswersChangeNothing();
    void sameAnswersInTheJunctionBoxRole();
    void everyPairFitsAndArrives_data();
    void everyPairFitsAndArrives();
    void largeCountsFromTheCounters();

private:
    NmeaHandlerContainer *m_container = nullptr;
    std::optional<FreshInstance<ErrorLogger>> m_counters;
};

void TestPqrvDiagnostics::initTestCase()
{
    registerTypes();
    m_container = NmeaHandlerContainer::instance();
}

void TestPqrvDiagnostics::init()
{
    m_counters.emplace();
}

void TestPqrvDiagnostics::cleanup()
{
    m_counters.reset();
}

void TestPqrvDiagnostics::lastErrorBeforeAnyError()
{
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,0*15\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVERRORCODE,0,-1*7C" });
    // An empty command reads as 0.
    recorder.clear();
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,*25\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVERRORCODE,0,-1*7C" });
}

void TestPqrvDiagnostics::tableOfZeroCounters()
{
    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,1*14\r\n"), Handled);
    QCOMPARE(recorder.singles(),
        QStringList({ "3:$PQRVERRORTABLE,70,71,72,73,74,75,76,77,0,0,0,0,0,0,0,0*03",
            "3:$PQRVERRORTABLE,78,79,80,81,82,83,84,0,0,0,0,0,0,0*3E" }));
}

void TestPqrvDiagnostics::tableWithCountsAndReset()
{
    ErrorLogger *logger = ErrorLogger::instance();
    logger->logUdpError(71);
    for (int i = 0; i < 3; ++i)
        logger->logUdpError(75);
    logger->logBinaryError(81);

    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,0*15\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVERRORCODE,75,3*61" });

    // 9: the table with the counts as they are, then every counter cleared.
    recorder.clear();
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,9*1C\r\n"), Handled);
    QCOMPARE(recorder.singles(),
        QStringList({ "3:$PQRVERRORTABLE,70,71,72,73,74,75,76,77,0,1,0,0,0,3,0,0*01",
            "3:$PQRVERRORTABLE,78,79,80,81,82,83,84,4,0,0,1,0,0,1*3A" }));
    QCOMPARE(logger->totalErrors(), 0);

    // The last code survives the reset, with its new count.
    recorder.clear();
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,0*15\r\n"), Handled);
    QCOMPARE(recorder.singles(), QStringList { "3:$PQRVERRORCODE,75,0*62" });
}

void TestPqrvDiagnostics::otherCommandsAreIgnored_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<int>("outcome");
    QTest::newRow("2") << "$PQRVVMPCGTER,2*17" << int(Handled);
    QTest::newRow("8") << "$PQRVVMPCGTER,8*1D" << int(Handled);
    QTest::newRow("not a number") << "$PQRVVMPCGTER,x*5D" << int(NotParsed);
}

void TestPqrvDiagnostics::otherCommandsAreIgnored()
{
    QFETCH(QString, request);
    QFETCH(int, outcome);
    Recorder recorder;
    QCOMPARE(int(receive(m_container, request + "\r\n")), outcome);
    QCOMPARE(recorder.total(), 0);
}

void TestPqrvDiagnostics::receivedAnswersChangeNothing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("ERRORCODE") << "$PQRVERRORCODE,1,2*53";
    QTest::newRow("ERRORTABLE") << "$PQRVERRORTABLE,70,1*35";
}

void TestPqrvDiagnostics::receivedAnswersChangeNothing()
{
    QFETCH(QString, answer);
    ErrorLogger::instance()->logUdpError(72);
    const int before = ErrorLogger::instance()->totalErrors();
    Recorder recorder;
    QCOMPARE(receive(m_container, answer + "\r\n"), Handled);
    QCOMPARE(recorder.total(), 0);
    QCOMPARE(ErrorLogger::instance()->totalErrors(), before);
}

void TestPqrvDiagnostics::sameAnswersInTheJunctionBoxRole()
{
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    NmeaHandlerContainer container;
    Recorder recorder;
    QCOMPARE(receive(&container, "$PQRVVMPCGTER,1*14\r\n"), Handled);
    QCOMPARE(recorder.singles(),
        QStringList({ "3:$PQRVERRORTABLE,70,71,72,73,74,75,76,77,0,0,0,0,0,0,0,0*03",
            "3:$PQRVERRORTABLE,78,79,80,81,82,83,84,0,0,0,0,0,0,0*3E" }));
}

// Counts of 1000 and more make a chunk of eight pairs too long for one sentence: it is split into
// sentences that fit, in order, while chunks that fit stay whole.
void TestPqrvDiagnostics::everyPairFitsAndArrives_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QList<int>>("sizes");
    // The length of the longest sentence, "$" and CR LF included.
    QTest::addColumn<int>("longest");

    QTest::newRow("small counts") << systemCodes
                                  << (QList<int> { 0, 1, 0, 0, 0, 3, 0, 0, 4, 0, 0, 1, 0, 0, 1 })
                                  << QList<int> { 8, 7 } << 60;
    QTest::newRow("one count of a thousand")
        << systemCodes << (QList<int> { 0, 1000 } + repeated(0, 13)) << QList<int> { 8, 7 } << 63;
    // Six counts of four digits and two of three: the most one sentence can hold.
    QTest::newRow("exactly 82 characters")
        << systemCodes << (repeated(1000, 6) + QList<int> { 100, 100 } + repeated(0, 7))
        << QList<int> { 8, 7 } << 82;
    QTest::newRow("one character more")
        << systemCodes << (repeated(1000, 7) + QList<int> { 100 } + repeated(0, 7)) << QList<int> { 7, 1, 7 }
        << 76;
    QTest::newRow("counts of a thousand")
        << systemCodes << repeated(1000, 15) << QList<int> { 7, 1, 7 } << 76;
    QTest::newRow("only the last chunk large")
        << systemCodes << (repeated(0, 8) + repeated(INT_MAX, 7)) << QList<int> { 8, 4, 3 } << 76;
    QTest::newRow("largest counts") << systemCodes << repeated(INT_MAX, 15) << QList<int> { 4, 4, 4, 3 }
                                    << 76;
    QTest::newRow("smallest counts") << systemCodes << repeated(INT_MIN, 15) << QList<int> { 4, 4, 4, 3 }
                                     << 80;
    QTest::newRow("counts missing") << systemCodes << QList<int> { INT_MAX, INT_MAX } << QList<int> { 8, 7 }
                                    << 72;
    QTest::newRow("no codes") << QList<int>() << QList<int>() << QList<int>() << 0;
}

void TestPqrvDiagnostics::everyPairFitsAndArrives()
{
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, counts);
    QFETCH(QList<int>, sizes);
    QFETCH(int, longest);
    const QStringList sentences = HandlerPqrvVmpcgter::errorTableSentences(codes, counts);
    QList<int> sentCodes;
    QList<int> sentCounts;
    QList<int> sentSizes;
    QVERIFY2(readTables(sentences, &sentCodes, &sentCounts, &sentSizes), qPrintable(sentences.join("")));
    QCOMPARE(sentSizes, sizes);
    QCOMPARE(sentCodes, codes);
    QList<int> expectedCounts;
    for (int i = 0; i < codes.size(); ++i)
        expectedCounts << counts.value(i, -1);
    QCOMPARE(sentCounts, expectedCounts);
    int longestSent = 0;
    for (const QString &sentence : sentences)
        longestSent = qMax(longestSent, int(sentence.size()));
    QCOMPARE(longestSent, longest);
}

// The whole path from the counters: every count of a thousand and more reaches the peer, before the
// counters are cleared.
void TestPqrvDiagnostics::largeCountsFromTheCounters()
{
    ErrorLogger *logger = ErrorLogger::instance();
    for (int code = 70; code <= 77; ++code) {
        for (int i = 0; i < 1000 + code - 70; ++i)
            logger->logUdpError(code);
    }
    for (int i = 0; i < 1500; ++i)
        logger->logBinaryError(81);
    const QList<int> counts = logger->udpErrorLogger()->errorCounts();
    QCOMPARE(counts.mid(0, 9), (QList<int> { 1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 8028 }));

    Recorder recorder;
    QCOMPARE(receive(m_container, "$PQRVVMPCGTER,9*1C\r\n"), Handled);
    QStringList sentences;
    for (const QString &single : recorder.singles()) {
        QVERIFY(single.startsWith(QLatin1String("3:")));
        sentences << single.mid(2) + QStringLiteral("\r\n");
    }
    QList<int> sentCodes;
    QList<int> sentCounts;
    QList<int> sentSizes;
    QVERIFY2(readTables(sentences, &sentCodes, &sentCounts, &sentSizes), qPrintable(sentences.join("")));
    QCOMPARE(sentSizes, (QList<int> { 7, 1, 7 }));
    QCOMPARE(sentCodes, systemCodes);
    QCOMPARE(sentCounts, counts);
    QCOMPARE(logger->totalErrors(), 0);
}

QTEST_GUILESS_MAIN(TestPqrvDiagnostics)
#include "tst_pqrvdiagnostics.moc"
