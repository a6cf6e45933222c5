#include "ParsedSentence.h"
#include "SentenceExchange.h"

#include "common/BuildConfiguration.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/RemoteDimmingSetup.h"
#include "sentences/DimmingHandlers.h"

#include <QtTest>

#include <memory>

using ParsedSentence::complete;
using ParsedSentence::parse;

// Remote dimming runs in the handler sets of the speed-log junction box and of the other products; the
// test runs as the speed-log junction box unless a case says otherwise. With no port setup adapter, DDC
// goes out on its extra port, UDP (3), only.

namespace {

enum { ModeRx = 0, ModeRxTx = 1, ModeTx = 2 };

RemoteDimmingSetup *dimming()
{
    return ESDataClass::instance()->localSetup()->DimmingSetup();
}

// The setup in a known state: preset Day, palette Night, brightness 20, current brightness 50.
void resetSetup(int mode)
{
    RemoteDimmingSetup *setup = dimming();
    setup->setOperationMode(mode);
    setup->setDimmingPreset(QStringLiteral("D"));
    setup->setColorPalette(QStringLiteral("N"));
    setup->setBrightnessPercentage(20);
    setup->setCurrentBrightnessPercentage(50);
    setup->setValid(QStringLiteral("BrightnessPercentage"), false);
}

QString sent(const QString &body)
{
    return QStringLiteral("3:") + complete(body).chopped(2);
}

} // namespace

class TestDdcHandler : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void construction();
    void rxTxGuard();
    void rxReceivesOnly();
    void txAnswersWithOwnState_data();
    void txAnswersWithOwnState();
    void replyIsIgnored();
    void emptyBrightnessMarkedValid();
    void replyTalkerByProduct_data();
    void replyTalkerByProduct();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_junctionBox;
};

void TestDdcHandler::initTestCase()
{
    m_junctionBox.reset(new BuildConfiguration::TestOverride("JB", "WINDOWS", "MIR_LOX1000"));
    SentenceExchange::registerTypes();
}

void TestDdcHandler::cleanupTestCase()
{
    m_junctionBox.reset();
}

void TestDdcHandler::init()
{
    resetSetup(ModeRx);
}

void TestDdcHandler::construction()
{
    HandlerDdc handler;
    QCOMPARE(handler.dataObject(), dimming());
    QCOMPARE(handler.outputDataObject(), dimming());
    QCOMPARE(handler.extraPorts(), QList<int> { UDP });
    QVERIFY(!handler.isPeriodic());
    QVERIFY(!handler.isGuardActive());
}

// A local change sends a command and starts the guard; a command from another display while the guard runs
// is answered but not applied; after the guard it is applied and answered.
void TestDdcHandler::rxTxGuard()
{
    resetSetup(ModeRxTx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;

    dimming()->setCurrentBrightnessPercentage(60);
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,D,60,N,C") });
    QVERIFY(handler.isGuardActive());

    recorder.clear();
    std::unique_ptr<NmeaMessage> command = parse(complete("GNDDC,K,45,O,C"));
    handler.handleReceivedMessage(command.get());
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,K,45,O,R") });
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("D"));
    QCOMPARE(dimming()->BrightnessPercentage(), 20);
    QVERIFY(handler.isLastMessageValid());

    // A further local change while the guard runs is still sent.
    recorder.clear();
    dimming()->setCurrentBrightnessPercentage(61);
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,D,61,N,C") });

    QTRY_VERIFY_WITH_TIMEOUT(!handler.isGuardActive(), 4000);
    recorder.clear();
    handler.handleReceivedMessage(command.get());
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,K,45,O,R") });
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("K"));
    QCOMPARE(dimming()->DimmingPresetEnum(), 1);
    QCOMPARE(dimming()->BrightnessPercentage(), 45);
    QCOMPARE(dimming()->ColorPalette(), QStringLiteral("O"));
    QVERIFY(dimming()->isValid(QStringLiteral("BrightnessPercentage")));
    // Taking the command started the guard.
    QVERIFY(handler.isGuardActive());
}

void TestDdcHandler::rxReceivesOnly()
{
    resetSetup(ModeRx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;

    dimming()->setCurrentBrightnessPercentage(70);
    QCOMPARE(recorder.total(), 0);
    QVERIFY(!handler.isGuardActive());

    std::unique_ptr<NmeaMessage> command = parse(complete("SDDDC,N,30,K,C"), "Serial_1");
    handler.handleReceivedMessage(command.get());
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,N,30,K,R") });
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("N"));
    QCOMPARE(dimming()->BrightnessPercentage(), 30);
    QCOMPARE(dimming()->ColorPalette(), QStringLiteral("K"));
}

void TestDdcHandler::txAnswersWithOwnState_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QStringList>("answers");
    QTest::newRow("serial port") << "Serial_2"
                                 << QStringList { sent("GNDDC,D,50,N,C"), sent("GNDDC,K,45,O,R") };
    QTest::newRow("network") << "UDP" << QStringList { sent("GNDDC,K,45,O,R") };
}

void TestDdcHandler::txAnswersWithOwnState()
{
    QFETCH(QString, port);
    QFETCH(QStringList, answers);

    resetSetup(ModeTx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;
    std::unique_ptr<NmeaMessage> command = parse(complete("GNDDC,K,45,O,C"), port);
    handler.handleReceivedMessage(command.get());
    QCOMPARE(recorder.singles(), answers);
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("D"));
    QCOMPARE(dimming()->BrightnessPercentage(), 20);
    QVERIFY(handler.isGuardActive());

    // A local change in mode TX is sent.
    recorder.clear();
    dimming()->setCurrentBrightnessPercentage(55);
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,D,55,N,C") });
}

void TestDdcHandler::replyIsIgnored()
{
    resetSetup(ModeRxTx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;
    std::unique_ptr<NmeaMessage> reply = parse(complete("GNDDC,K,45,O,R"));
    handler.handleReceivedMessage(reply.get());
    QCOMPARE(recorder.total(), 0);
    QVERIFY(!handler.isGuardActive());
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("D"));
    QVERIFY(handler.isLastMessageValid());

    std::unique_ptr<NmeaMessage> noStatus = parse(complete("GNDDC,K,45,O,"));
    handler.handleReceivedMessage(noStatus.get());
    QCOMPARE(recorder.total(), 0);
}

void TestDdcHandler::emptyBrightnessMarkedValid()
{
    resetSetup(ModeRx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;
    QVERIFY(!dimming()->isValid(QStringLiteral("BrightnessPercentage")));
    std::unique_ptr<NmeaMessage> command = parse(complete("GNDDC,K,,O,C"));
    handler.handleReceivedMessage(command.get());
    QCOMPARE(dimming()->BrightnessPercentage(), 20);
    QVERIFY(dimming()->isValid(QStringLiteral("BrightnessPercentage")));
    QCOMPARE(dimming()->DimmingPreset(), QStringLiteral("K"));
    QCOMPARE(recorder.singles(), QStringList { sent("GNDDC,K,,O,R") });
}

void TestDdcHandler::replyTalkerByProduct_data()
{
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("talker");
    QTest::newRow("speed log") << "CU"
                               << "MIR_LOX2000"
                               << "GN";
    QTest::newRow("speed-log junction box") << "JB"
                                            << "MIR_LOX1000"
                                            << "GN";
    QTest::newRow("echo sounder TVR100") << "CU"
                                         << "TVR100"
                                         << "SD";
    QTest::newRow("echo sounder TVR300") << "JB"
                                         << "TVR300"
                                         << "SD";
    QTest::newRow("KW2") << "CU"
                         << "KW2"
                         << "SD";
}

void TestDdcHandler::replyTalkerByProduct()
{
    QFETCH(QString, device);
    QFETCH(QString, product);
    QFETCH(QString, talker);

    BuildConfiguration::TestOverride configuration(device, "WINDOWS", product);
    resetSetup(ModeRx);
    HandlerDdc handler;
    SentenceExchange::Recorder recorder;
    std::unique_ptr<NmeaMessage> command = parse(complete("IIDDC,O,99,D,C"));
    handler.handleReceivedMessage(command.get());
    QCOMPARE(recorder.singles(), QStringList { sent(talker + "DDC,O,99,D,R") });
}

QTEST_GUILESS_MAIN(TestDdcHandler)
#include "tst_ddchandler.moc"
