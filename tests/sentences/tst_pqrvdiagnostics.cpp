// The diagnostics exchange: VMPCGTER requests answered with ERRORCODE and ERRORTABLE from the network
// error counters. Every case starts from fresh counters.

#include "FreshInstance.h"
#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "comms/ErrorLogger.h"
#include "nmea/NmeaHandlerContainer.h"

#include <QtTest>

#include <optional>

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

QTEST_GUILESS_MAIN(TestPqrvDiagnostics)
#include "tst_pqrvdiagnostics.moc"
