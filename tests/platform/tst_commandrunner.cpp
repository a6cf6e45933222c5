#include "platform/CommandRunner.h"

#include "RecordingRunner.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class tst_CommandRunner : public QObject
{
    Q_OBJECT

private slots:
    void argumentsNeverReachAShell();
    void exitCodeIsReported();
    void missingProgramIsReported();
    void fixedCommands();
};

// Text that a shell would read as a second command is handed to the program as one argument.
void tst_CommandRunner::argumentsNeverReachAShell()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString injected = dir.path() + "/injected";
    CommandRunner runner;
    QSignalSpy finished(&runner, &CommandRunner::finished);
    QVERIFY(runner.start("echo", { "40; touch " + injected, "$(touch " + injected + ")" }));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first(), QVariantList({ "echo", 0 }));
    QVERIFY(!QFile::exists(injected));
}

void tst_CommandRunner::exitCodeIsReported()
{
    CommandRunner runner;
    QSignalSpy finished(&runner, &CommandRunner::finished);
    QVERIFY(runner.start("false", {}));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(finished.first(), QVariantList({ "false", 1 }));
}

void tst_CommandRunner::missingProgramIsReported()
{
    CommandRunner runner;
    QSignalSpy finished(&runner, &CommandRunner::finished);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("^Cannot start no-such-program-here: "));
    QVERIFY(!runner.start("no-such-program-here", { "x" }));
    QCOMPARE(finished.count(), 0);
    QCOMPARE(runner.children().size(), 0);
}

void tst_CommandRunner::fixedCommands()
{
    RecordingRunner recorder;
    {
        CommandRunner::TestOverride useRecorder(&recorder);
        QCOMPARE(CommandRunner::instance(), &recorder);
        QVERIFY(CommandRunner::instance()->reboot());
        QVERIFY(CommandRunner::instance()->startTouchCalibration());
    }
    QCOMPARE(recorder.calls, QList<QStringList>({ { "reboot" }, { "ts_calibrate" } }));
    QVERIFY(CommandRunner::instance() != &recorder);
}

QTEST_GUILESS_MAIN(tst_CommandRunner)
#include "tst_commandrunner.moc"
