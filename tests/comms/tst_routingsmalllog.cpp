// The smaller recorded log through the receiving path, over the network (see RoutingLogSweep.h).

#include "RoutingLogSweep.h"

#include <QtTest>

class tst_RoutingSmallLog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { sweep.setUp(); }
    void cleanupTestCase() { sweep.tearDown(); }
    void overTheNetwork();

private:
    RoutingLogSweep::Sweep sweep;
};

void tst_RoutingSmallLog::overTheNetwork()
{
    // The known faults: one line of NUL bytes in front of a sentence, too long as received, and five
    // GGA reference station ids out of range.
    sweep.run(QStringLiteral("nmea-20180119.log.gz"), 95264, UDP, QStringLiteral("WINDOWS"),
        QStringLiteral("NMEA_UDP.txt"), RoutingLogSweep::ErrorCounts { { 7, 1 }, { 6, 5 } });
}

QTEST_GUILESS_MAIN(tst_RoutingSmallLog)
#include "tst_routingsmalllog.moc"
