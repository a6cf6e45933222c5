// The larger recorded log through the receiving path, on serial port 3 of a junction box on LINUX,
// which takes only position and heading sentences there: RMC and ZDA are not handled (see
// RoutingLogSweep.h).

#include "RoutingLogSweep.h"

#include <QtTest>

class tst_RoutingLargeLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { sweep.setUp(); }
    void cleanupTestCase() { sweep.tearDown(); }
    void onSerialPort3();

private:
    RoutingLogSweep::Sweep sweep;
};

void tst_RoutingLargeLog::onSerialPort3()
{
    // The known faults: five damaged sentences that fail their checksum and 141 GGA reference station
    // ids out of range.
    sweep.run(QStringLiteral("nmea-20180120.log.gz"), 407092, Serial_3, QStringLiteral("LINUX"),
        QStringLiteral("NMEA_3.txt"), RoutingLogSweep::ErrorCounts { { 1, 5 }, { 6, 141 } });
}

QTEST_GUILESS_MAIN(tst_RoutingLargeLog)
#include "tst_routinglargelog.moc"
