#include "hardware/BeepGenerator.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {

// Every beepStateChanged with the time since the recorder was made.
struct Recorder
{
    explicit Recorder(BeepGenerator *generator)
    {
        clock.start();
        QObject::connect(generator, &BeepGenerator::beepStateChanged, generator, [this](bool state) {
            states << state;
            times << clock.elapsed();
        });
    }
    // Time between change i - 1 and change i.
    qint64 gap(int i) const { return times.at(i) - times.at(i - 1); }

    QElapsedTimer clock;
    QList<bool> states;
    QList<qint64> times;
};

// Timers do not fire early by more than the coarse timer's 5 %; a loaded machine may fire them late.
void verifyGap(const Recorder &r, int i, int phaseMs)
{
    const qint64 gap = r.gap(i);
    QVERIFY2(gap >= phaseMs * 95 / 100 - 1 && gap <= phaseMs + 1000,
        qPrintable(QString("gap %1: %2 ms for a phase of %3 ms").arg(i).arg(gap).arg(phaseMs)));
}

} // namespace

class tst_BeepGenerator : public QObject
{
    Q_OBJECT

private slots:
    void defaultPattern();
    void defaultPatternPhases();
    void patternLoops_data();
    void patternLoops();
    void startWhileRunningDoesNotRestart();
    void changedPatternRestartsOnStart();
    void equalPatternDoesNotRestart();
    void stop();
    void invalidPatternsAreRefused_data();
    void invalidPatternsAreRefused();
};

void tst_BeepGenerator::defaultPattern()
{
    BeepGenerator generator;
    QCOMPARE(generator.beepPattern(), QList<int>({ 1000, 1500, 1000, 1500, 1000, 4000 }));
    QCOMPARE(generator.isRunning(), false);
}

// The first phases of the default pattern on real time: true at once, false after 1000 ms, true after
// 1500 ms more.
void tst_BeepGenerator::defaultPatternPhases()
{
    BeepGenerator generator;
    Recorder r(&generator);
    QSignalSpy spy(&generator, &BeepGenerator::beepStateChanged);
    generator.startBeepFuction(true);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(r.states.size() >= 3, 6000);
    QCOMPARE(r.states.mid(0, 3), QList<bool>({ true, false, true }));
    verifyGap(r, 1, 1000);
    verifyGap(r, 2, 1500);
    generator.stopBeepFuction();
}

void tst_BeepGenerator::patternLoops_data()
{
    QTest::addColumn<QList<int>>("pattern");
    QTest::addColumn<bool>("startingState");
    QTest::addColumn<QList<bool>>("states"); // the first changes, the starting state included

    // The default pattern's shape at a fifth of the time (a ninth of a second for the long phase): after
    // the last phase the list restarts in the starting state.
    QTest::newRow("even length") << QList<int> { 40, 60, 40, 60, 40, 160 } << true
                                 << QList<bool> { true, false, true, false, true, false, true, false };
    // With an odd number of phases the state at the start of a pass alternates.
    QTest::newRow("odd length") << QList<int> { 40, 60, 160 } << false
                                << QList<bool> { false, true, false, true, false, true, false };
}

void tst_BeepGenerator::patternLoops()
{
    QFETCH(QList<int>, pattern);
    QFETCH(bool, startingState);
    QFETCH(QList<bool>, states);

    BeepGenerator generator;
    generator.setBeepPattern(pattern);
    Recorder r(&generator);
    generator.startBeepFuction(startingState);
    QTRY_VERIFY_WITH_TIMEOUT(r.states.size() >= states.size(), 10000);
    generator.stopBeepFuction();

    QCOMPARE(r.states.mid(0, states.size()), states);
    // Change i ends phase i - 1 of the list, which wraps around.
    for (int i = 1; i < states.size(); ++i)
        verifyGap(r, i, pattern.at((i - 1) % pattern.size()));
}

void tst_BeepGenerator::startWhileRunningDoesNotRestart()
{
    BeepGenerator generator;
    generator.setBeepPattern({ 50, 50 });
    QSignalSpy spy(&generator, &BeepGenerator::beepStateChanged);
    generator.startBeepFuction(true);
    generator.startBeepFuction(false);
    QCOMPARE(spy.count(), 1);
    // The sequence goes on from the first start: the first phase ends by turning true into false.
    QTRY_VERIFY(spy.count() >= 2);
    QCOMPARE(spy.at(1).first().toBool(), false);
    generator.stopBeepFuction();
}

void tst_BeepGenerator::changedPatternRestartsOnStart()
{
    BeepGenerator generator;
    generator.setBeepPattern({ 30, 30 });
    Recorder r(&generator);
    generator.startBeepFuction(true);
    QTRY_VERIFY(r.states.size() >= 2);

    // A new list alone changes nothing at once; the start then restarts from phase 0 in its state.
    generator.setBeepPattern({ 300, 30 });
    const int before = r.states.size();
    QCOMPARE(generator.isRunning(), true);
    generator.startBeepFuction(false);
    QCOMPARE(r.states.size(), before + 1);
    QCOMPARE(r.states.last(), false);
    QTRY_VERIFY_WITH_TIMEOUT(r.states.size() >= before + 2, 5000);
    QCOMPARE(r.states.at(before + 1), true);
    verifyGap(r, before + 1, 300);
    generator.stopBeepFuction();
}

void tst_BeepGenerator::equalPatternDoesNotRestart()
{
    BeepGenerator generator;
    generator.setBeepPattern({ 40, 40 });
    QSignalSpy spy(&generator, &BeepGenerator::beepStateChanged);
    generator.startBeepFuction(true);
    generator.setBeepPattern(QList<int>({ 40, 40 }));
    generator.startBeepFuction(false);
    QCOMPARE(spy.count(), 1);
    QTRY_VERIFY(spy.count() >= 2);
    QCOMPARE(spy.at(1).first().toBool(), false);
    generator.stopBeepFuction();
}

void tst_BeepGenerator::stop()
{
    BeepGenerator generator;
    generator.setBeepPattern({ 40, 40 });
    QSignalSpy spy(&generator, &BeepGenerator::beepStateChanged);
    generator.stopBeepFuction();
    QCOMPARE(spy.count(), 0);

    generator.startBeepFuction(true);
    QTRY_VERIFY(spy.count() >= 3);
    spy.clear();
    generator.stopBeepFuction();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toBool(), false);
    QCOMPARE(generator.isRunning(), false);
    generator.stopBeepFuction();
    QCOMPARE(spy.count(), 1);

    // Stopped means stopped: a new start begins again from phase 0 in its own state.
    generator.startBeepFuction(true);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.last().first().toBool(), true);
    generator.stopBeepFuction();
}

void tst_BeepGenerator::invalidPatternsAreRefused_data()
{
    QTest::addColumn<QList<int>>("pattern");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QList<int> {} << "Empty beep pattern refused";
    QTest::newRow("zero phase") << QList<int> { 100, 0 } << "Beep pattern with a phase of 0 ms refused";
    QTest::newRow("negative phase") << QList<int> { -5 } << "Beep pattern with a phase of -5 ms refused";
}

void tst_BeepGenerator::invalidPatternsAreRefused()
{
    QFETCH(QList<int>, pattern);
    QFETCH(QString, message);
    BeepGenerator generator;
    generator.setBeepPattern({ 40, 40 });
    QTest::ignoreMessage(QtDebugMsg, qPrintable(message));
    generator.setBeepPattern(pattern);
    QCOMPARE(generator.beepPattern(), QList<int>({ 40, 40 }));
    // Still a pattern that can be played.
    QSignalSpy spy(&generator, &BeepGenerator::beepStateChanged);
    generator.startBeepFuction(true);
    QTRY_VERIFY(spy.count() >= 2);
    generator.stopBeepFuction();
}

QTEST_GUILESS_MAIN(tst_BeepGenerator)
#include "tst_beepgenerator.moc"
