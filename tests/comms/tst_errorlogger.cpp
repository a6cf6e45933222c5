// The error counters of the network and sentence paths, as the diagnostics sentences read them.

#include "comms/BinaryOverUdpErrorLogger.h"
#include "comms/ErrorLogger.h"
#include "comms/NmeaErrorLogger.h"
#include "comms/NmeaOverUdpErrorLogger.h"
#include "comms/UdpErrorLogger.h"

#include <QtTest>

class TestErrorLogger : public QObject
{
    Q_OBJECT

private slots:
    void freshCounters();
    void sentenceErrorsOnUdpAreNetworkErrors();
    void sumCodes();
    void resetKeepsLastCode();
    void portsOutsideTheRange();

private:
    ErrorLogger *logger() const { return ErrorLogger::instance(); }
    const NmeaOverUdpErrorLogger *udp() const { return logger()->udpErrorLogger()->nmeaOverUdpErrorLogger(); }
};

void TestErrorLogger::freshCounters()
{
    QCOMPARE(udp()->lastErrorCode(), 0);
    QCOMPARE(udp()->lastErrorCount(), -1);
    QCOMPARE(logger()->udpErrorLogger()->errorCodes(),
        QList<int>({ 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84 }));
    QCOMPARE(logger()->udpErrorLogger()->errorCounts(), QList<int>() << QVector<int>(15, 0).toList());
}

void TestErrorLogger::sentenceErrorsOnUdpAreNetworkErrors()
{
    logger()->logNmeaError(7, 3);
    logger()->logNmeaError(1, 3);
    QCOMPARE(logger()->nmeaErrorCount(7, 3), 1);
    QCOMPARE(logger()->nmeaErrorCount(1, 3), 1);
    QCOMPARE(logger()->udpErrorCount(74), 1);
    QCOMPARE(logger()->udpErrorCount(76), 1);
    QCOMPARE(udp()->lastErrorCode(), 76);
    // Sentence errors of a serial port are not network errors.
    logger()->logNmeaError(2, 0);
    QCOMPARE(logger()->totalSerialNmeaErrors(), 1);
    QCOMPARE(logger()->totalUdpNmeaErrors(), 2);
    QCOMPARE(logger()->totalErrors(), 3);
    logger()->resetCounters();
}

void TestErrorLogger::sumCodes()
{
    for (int i = 0; i < 3; ++i)
        logger()->logUdpError(75);
    logger()->logBinaryError(81);
    const QList<int> counts = logger()->udpErrorLogger()->errorCounts();
    QCOMPARE(counts.at(5), 3);
    QCOMPARE(counts.at(8), 3);
    QCOMPARE(counts.at(11), 1);
    QCOMPARE(counts.at(14), 1);
    // 78 counts nothing but becomes the last code, whose count is then the sum.
    logger()->logUdpError(78);
    QCOMPARE(udp()->lastErrorCode(), 78);
    QCOMPARE(udp()->lastErrorCount(), 3);
    QCOMPARE(logger()->udpErrorCount(78), 3);
}

void TestErrorLogger::resetKeepsLastCode()
{
    logger()->logUdpError(79);
    logger()->resetCounters();
    QCOMPARE(udp()->lastErrorCode(), 79);
    QCOMPARE(udp()->lastErrorCount(), 0);
    QCOMPARE(logger()->totalErrors(), 0);
    QCOMPARE(logger()->udpErrorLogger()->binaryOverUdpErrorLogger()->lastErrorCode(), 81);
}

void TestErrorLogger::portsOutsideTheRange()
{
    logger()->logNmeaError(1, 5);
    QCOMPARE(logger()->nmeaErrorCount(1, 4), -1);
    QCOMPARE(logger()->totalNmeaErrors(4), -1);
    QCOMPARE(logger()->totalNmeaErrorsAllPorts(), 0);
    // Unknown kinds and codes are not counted.
    logger()->logNmeaError(9, 0);
    logger()->logUdpError(90);
    QCOMPARE(logger()->totalErrors(), 0);
    QCOMPARE(logger()->serial1ErrorLogger()->errorCount(9), -1);
}

QTEST_GUILESS_MAIN(TestErrorLogger)
#include "tst_errorlogger.moc"
