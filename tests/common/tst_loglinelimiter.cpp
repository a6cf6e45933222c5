#include "common/LogLineLimiter.h"

#include "DebugCapture.h"

#include <QtTest>

// Repeated log lines of one kind: the first ones of a period are written, the rest are counted and told
// once per period, with real timers.
class TestLogLineLimiter : public QObject
{
    Q_OBJECT

private slots:
    void floodIsSummarisedOncePerPeriod_data();
    void floodIsSummarisedOncePerPeriod();
    void quietPeriodRestoresTheShare();
    void processWideLimitersByKind();
};

void TestLogLineLimiter::floodIsSummarisedOncePerPeriod_data()
{
    QTest::addColumn<int>("share");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("written");

    QTest::newRow("below the share") << 5 << 3 << 3;
    QTest::newRow("exactly the share") << 5 << 5 << 5;
    QTest::newRow("one past the share") << 5 << 6 << 5;
    QTest::newRow("flood") << 20 << 200000 << 20;
}

void TestLogLineLimiter::floodIsSummarisedOncePerPeriod()
{
    QFETCH(int, share);
    QFETCH(int, lines);
    QFETCH(int, written);

    DebugCapture capture;
    LogLineLimiter limiter(QStringLiteral("Flooded kind"), share, 50);
    int admitted = 0;
    for (int i = 0; i < lines; ++i)
        admitted += limiter.admit() ? 1 : 0;
    QCOMPARE(admitted, written);
    QCOMPARE(limiter.leftOut(), lines - written);

    // The period ends on its timer: lines left out are told in one line, then nothing more.
    QTRY_VERIFY(!limiter.isCounting());
    const QString summary
        = QStringLiteral("Flooded kind: %1 more lines of this kind left out").arg(lines - written);
    QCOMPARE(capture.count(QStringLiteral("Flooded kind")), lines > written ? 1 : 0);
    if (lines > written)
        QCOMPARE(capture.messages().last(), summary);
    QCOMPARE(limiter.leftOut(), 0);
}

void TestLogLineLimiter::quietPeriodRestoresTheShare()
{
    DebugCapture capture;
    LogLineLimiter limiter(QStringLiteral("Repeated kind"), 2, 50);
    QVERIFY(limiter.admit());
    QVERIFY(limiter.admit());
    QVERIFY(!limiter.admit());

    // A flood that goes on after the summary: the next period has no share left, every line is counted.
    QTRY_COMPARE(capture.count(QStringLiteral("Repeated kind: 1 more lines")), 1);
    QVERIFY(limiter.isCounting());
    QVERIFY(!limiter.admit());
    QVERIFY(!limiter.admit());
    QTRY_COMPARE(capture.count(QStringLiteral("Repeated kind: 2 more lines")), 1);

    // A period without a line left out ends the summarising; the next lines are written again.
    QTRY_VERIFY(!limiter.isCounting());
    QVERIFY(limiter.admit());
    QVERIFY(limiter.admit());
    QVERIFY(!limiter.admit());
    QCOMPARE(capture.count(QStringLiteral("Repeated kind")), 2);
}

void TestLogLineLimiter::processWideLimitersByKind()
{
    static const char kind[] = "Process-wide kind";
    static const char other[] = "Other kind";
    LogLineLimiter *limiter = LogLineLimiter::of(kind);
    QCOMPARE(LogLineLimiter::of(kind), limiter);
    QVERIFY(LogLineLimiter::of(other) != limiter);
    QCOMPARE(limiter->kind(), QStringLiteral("Process-wide kind"));
    // The real values: a hundred lines, then one line a second.
    QCOMPARE(limiter->periodMs(), 1000);
    int admitted = 0;
    for (int i = 0; i < 150; ++i)
        admitted += admitLogLine(kind) ? 1 : 0;
    QCOMPARE(admitted, 100);
    QCOMPARE(limiter->leftOut(), 50);
}

QTEST_GUILESS_MAIN(TestLogLineLimiter)
#include "tst_loglinelimiter.moc"
