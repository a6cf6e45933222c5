#include "comms/LoopTest.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString testSentence = QStringLiteral("$PQRVTEST,0,1,2,3,4,5,6,7,8,9\r\n");
const int fastSendMs = 5;

} // namespace

// The loop-back test with a plug simulated in the test: each sentence the test sends comes back on the
// ports and in the form a case chooses. The sentences go out every 5 ms except in the case that checks the
// protocol's 100 ms.
class tst_LoopTest : public QObject
{
    Q_OBJECT

private slots:
    void sentencesAreSentEveryTenthOfASecond();
    void results_data();
    void results();
    void runTestDuringATestDoesNotRestart();
};

void tst_LoopTest::sentencesAreSentEveryTenthOfASecond()
{
    LoopTest test(0, 1, 2, 0);
    QCOMPARE(test.sendInterval(), 100);
    QSignalSpy sent(&test, &LoopTest::sendMessage);
    QElapsedTimer clock;
    clock.start();
    test.runTest();
    QTRY_COMPARE(sent.count(), 4);
    // Three intervals; coarse timers may fire up to 5 % early.
    QVERIFY2(clock.elapsed() >= 3 * 95, qPrintable(QString::number(clock.elapsed())));
}

void tst_LoopTest::results_data()
{
    QTest::addColumn<QList<int>>("echoesPerPort"); // how many of the 20 sentences each port gets back
    QTest::addColumn<QString>("echo"); // what comes back
    QTest::addColumn<int>("otherPortLines"); // lines also sent back on port 5, which is not tested
    QTest::addColumn<QList<bool>>("passed");
    QTest::addColumn<QList<int>>("matched");

    QTest::newRow("all back") << QList<int> { 20, 20, 20 } << testSentence << 0
                              << QList<bool> { true, true, true } << QList<int> { 20, 20, 20 };
    QTest::newRow("19 pass, 18 fail") << QList<int> { 19, 18, 20 } << testSentence << 0
                                      << QList<bool> { true, false, true } << QList<int> { 19, 18, 20 };
    QTest::newRow("nothing back") << QList<int> { 0, 0, 0 } << testSentence << 0
                                  << QList<bool> { false, false, false } << QList<int> { 0, 0, 0 };
    QTest::newRow("missing CR is received, not matched")
        << QList<int> { 20, 20, 20 } << QStringLiteral("$PQRVTEST,0,1,2,3,4,5,6,7,8,9\n") << 0
        << QList<bool> { false, false, false } << QList<int> { 0, 0, 0 };
    QTest::newRow("other ports change nothing")
        << QList<int> { 20, 0, 20 } << testSentence << 20 << QList<bool> { true, false, true }
        << QList<int> { 20, 0, 20 };
}

void tst_LoopTest::results()
{
    QFETCH(QList<int>, echoesPerPort);
    QFETCH(QString, echo);
    QFETCH(int, otherPortLines);
    QFETCH(QList<bool>, passed);
    QFETCH(QList<int>, matched);

    // Receiving ports 0, 1 and 2, sending port 0, as the serial port controller creates it.
    LoopTest test(0, 1, 2, 0);
    test.setSendInterval(fastSendMs);
    QSignalSpy sent(&test, &LoopTest::sendMessage);
    QSignalSpy finished(&test, &LoopTest::finishedTesting);
    int sends = 0;
    connect(&test, &LoopTest::sendMessage, this, [&](const QString &msg, int port) {
        QCOMPARE(msg, testSentence);
        QCOMPARE(port, 0);
        ++sends;
        for (int p = 0; p < 3; ++p) {
            if (sends <= echoesPerPort.at(p))
                test.messageReceived(echo, p);
        }
        if (sends <= otherPortLines)
            test.messageReceived(echo, 5);
    });

    QVERIFY(!test.isRunning());
    QVERIFY(!test.isFinished());
    test.runTest();
    QVERIFY(test.isRunning());
    QCOMPARE(sent.count(), 1); // the first sentence goes out at once

    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!test.isRunning());
    QVERIFY(test.isFinished());
    QCOMPARE(sent.count(), 20);
    QCOMPARE((QList<bool> { test.port1Passed(), test.port2Passed(), test.port3Passed() }), passed);
    QCOMPARE((QList<int> { test.sentencesMatched1(), test.sentencesMatched2(), test.sentencesMatched3() }),
        matched);
    QCOMPARE(
        (QList<int> { test.linesReceived1(), test.linesReceived2(), test.linesReceived3() }), echoesPerPort);
    QCOMPARE(test.sendPort(), 0);
}

void tst_LoopTest::runTestDuringATestDoesNotRestart()
{
    LoopTest test(0, 1, 2, 0);
    test.setSendInterval(fastSendMs);
    QSignalSpy sent(&test, &LoopTest::sendMessage);
    QSignalSpy finished(&test, &LoopTest::finishedTesting);
    connect(&test, &LoopTest::sendMessage, this, [&](const QString &msg, int) {
        test.messageReceived(msg, 0);
        test.messageReceived(msg, 1);
        test.messageReceived(msg, 2);
    });

    test.runTest();
    QTRY_VERIFY(sent.count() >= 3);
    const int matched = test.sentencesMatched1();
    test.runTest();
    // Nothing was cleared, nothing sent anew.
    QCOMPARE(test.sentencesMatched1(), matched);
    QCOMPARE(sent.count(), matched);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(sent.count(), 20);
    QVERIFY(test.port1Passed() && test.port2Passed() && test.port3Passed());

    // A second test clears the counts; the old results stand until it ends.
    disconnect(&test, &LoopTest::sendMessage, this, nullptr);
    test.runTest();
    QCOMPARE(test.sentencesMatched1(), 0);
    QVERIFY(test.port1Passed());
    QTRY_COMPARE(finished.count(), 2);
    QVERIFY(!test.port1Passed() && !test.port2Passed() && !test.port3Passed());
    QCOMPARE(sent.count(), 40);
}

QTEST_GUILESS_MAIN(tst_LoopTest)
#include "tst_looptest.moc"
