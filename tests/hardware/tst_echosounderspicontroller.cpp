#include "ScriptedSpiBoard.h"

#include "common/BuildConfiguration.h"
#include "hardware/ES604_SPI_Device.h"
#include "hardware/ES_pingPulseGenerator.h"
#include "hardware/EchosounderSPI_Controller.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

// Signals of the controller, re-emitted in the test's thread: the controller emits in its worker thread,
// and a signal connected to one of these arrives queued, where a QSignalSpy can count it safely.
class ControllerSignals : public QObject
{
    Q_OBJECT

signals:
    void recievedBinaryMessage(QByteArray message, int ch_number);
    void sensorParametersUpdated(int channelNumber, int frequency, int pulseWidth, int outputPower, int gain,
        int startingPosition, int numberOfPoints, int samplingResolution, int ultrasonicSpeed, int rangeIndex,
        int capacitor);
    void receivedAdditionalData(QByteArray data);
    void transceiverResetSignal(bool success);
};

namespace {

// One controller with a transceiver board on a scripted transport, started in its worker thread.
struct Rig
{
    explicit Rig(bool start = true)
        : record(std::make_shared<SpiBoardRecord>())
        , controller(new EchosounderSPI_Controller)
    {
        auto *device = new ES604_SPI_Device(0, QStringLiteral("/dev/spidev1.0"));
        device->setTransport(
            std::unique_ptr<SpiTransport>(new ScriptedSpiBoard(record, &TransceiverBoard::answer)));
        controller->setSpiDevice(device);
        QObject::connect(controller, &EchosounderSPI_Controller::recievedBinaryMessage, &relay,
            &ControllerSignals::recievedBinaryMessage);
        QObject::connect(controller, &EchosounderSPI_Controller::sensorParametersUpdated, &relay,
            &ControllerSignals::sensorParametersUpdated);
        QObject::connect(controller, &EchosounderSPI_Controller::receivedAdditionalData, &relay,
            &ControllerSignals::receivedAdditionalData);
        QObject::connect(controller, &EchosounderSPI_Controller::transceiverResetSignal, &relay,
            &ControllerSignals::transceiverResetSignal);
        if (start)
            controller->startInWorkerThread();
    }
    ~Rig() { delete controller; }

    // Runs the calls in the controller's thread, in order, as queued slot calls would.
    void inWorker(std::function<void(EchosounderSPI_Controller *)> calls)
    {
        EchosounderSPI_Controller *c = controller;
        QMetaObject::invokeMethod(
            c, [c, calls] { calls(c); }, Qt::QueuedConnection);
    }
    QString state()
    {
        QString name;
        EchosounderSPI_Controller *c = controller;
        QMetaObject::invokeMethod(
            c, [c, &name] { name = QString::fromLatin1(c->currentStateName()); },
            Qt::BlockingQueuedConnection);
        return name;
    }
    QStringList log() const { return TransceiverBoard::describeAll(record->messages()); }

    std::shared_ptr<SpiBoardRecord> record;
    ControllerSignals relay;
    EchosounderSPI_Controller *controller;
};

const int shortDelayMs = 20;

} // namespace

class tst_EchosounderSPI_Controller : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pingingOrder_data();
    void pingingOrder();
    void parametersAreWrittenOnceBeforeThePing();
    void parametersWithoutPointsAreRefused_data();
    void parametersWithoutPointsAreRefused();
    void switchingOffEndsInIdle();
    void additionalDataAndReset();
    void deviceIsConfiguredInTheWorker();
    void destructionStopsAndJoinsTheWorker();
    void destructionBeforeStart();
    void windowsPlatformReadsZeros();

    void pulseFollowsPingRequest();
    void pulseIsStretchedByALongerPing();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_linux;
};

void tst_EchosounderSPI_Controller::init()
{
    m_linux.reset(new BuildConfiguration::TestOverride("CU", "LINUX", "TVR100"));
}

void tst_EchosounderSPI_Controller::cleanup()
{
    m_linux.reset();
}

void tst_EchosounderSPI_Controller::pingingOrder_data()
{
    QTest::addColumn<bool>("multiplexed");
    QTest::addColumn<QList<int>>("measure"); // channel indexes switched on, in order
    QTest::addColumn<QList<int>>("singles"); // single pings asked for afterwards, in order
    QTest::addColumn<QStringList>("expected"); // the board's messages (complete when the machine rests)
    QTest::addColumn<bool>("endsIdle");

    QTest::newRow("channel 1 measuring")
        << false << QList<int> { 0 } << QList<int> {}
        << QStringList { "ping1", "read1", "ping1", "read1", "ping1" } << false;
    // Each channel's samples are read while the other channel's ping runs.
    QTest::newRow("both measuring alternate")
        << false << QList<int> { 0, 1 } << QList<int> {}
        << QStringList { "ping1", "ping2", "read1", "ping1", "read2", "ping2", "read1", "ping1", "read2" }
        << false;
    // The first ping goes out when channel 1 is switched on, before channel 2 is; from then on both
    // channels are pinged together and both are read after the delay.
    QTest::newRow("both measuring multiplexed")
        << true << QList<int> { 0, 1 } << QList<int> {}
        << QStringList { "ping1", "read1", "ping12", "read1", "read2", "ping12", "read1", "read2" } << false;
    QTest::newRow("single ping on channel 2")
        << false << QList<int> {} << QList<int> { 1 } << QStringList { "ping2", "read2" } << true;
    QTest::newRow("single ping multiplexed")
        << true << QList<int> {} << QList<int> { 0 } << QStringList { "ping12", "read1", "read2" } << true;
    // A request that arrives while another ping runs waits its turn instead of being dropped when the
    // machine comes back to rest.
    QTest::newRow("single ping asked for during another")
        << false << QList<int> {} << QList<int> { 0, 1 } << QStringList { "ping1", "ping2", "read1", "read2" }
        << true;
    // ... and is not held back for as long as the other channel keeps measuring; it runs once.
    QTest::newRow("single ping while the other channel measures")
        << false << QList<int> { 0 } << QList<int> { 1 }
        << QStringList { "ping1", "ping2", "read1", "ping1", "read2", "read1", "ping1", "read1", "ping1",
               "read1" }
        << false;
}

void tst_EchosounderSPI_Controller::pingingOrder()
{
    QFETCH(bool, multiplexed);
    QFETCH(QList<int>, measure);
    QFETCH(QList<int>, singles);
    QFETCH(QStringList, expected);
    QFETCH(bool, endsIdle);

    Rig rig;
    QSignalSpy received(&rig.relay, &ControllerSignals::recievedBinaryMessage);
    rig.inWorker([=](EchosounderSPI_Controller *c) {
        c->setDelayTime(shortDelayMs);
        c->setPingingMultiplexed(multiplexed);
        for (int channel : measure)
            c->setTransducerMeasurementOnOff(true, channel);
        for (int channel : singles)
            c->startSinglePing(channel);
    });

    QTRY_VERIFY_WITH_TIMEOUT(rig.record->messageCount() >= expected.size(), 10000);
    if (endsIdle) {
        QTRY_COMPARE(rig.state(), QString("IdleState"));
        QCOMPARE(rig.log(), expected);
    } else {
        QCOMPARE(rig.log().mid(0, expected.size()), expected);
    }

    // Every read reaches the consumer with its channel and the samples of the board.
    const QStringList reads = expected.filter("read");
    QTRY_VERIFY(received.count() >= reads.size());
    for (int i = 0; i < reads.size(); ++i) {
        const int channelIndex = reads.at(i) == "read1" ? 0 : 1;
        QCOMPARE(received.at(i).at(1).toInt(), channelIndex);
        const QByteArray samples = received.at(i).at(0).toByteArray();
        QCOMPARE(samples.size(), 5000);
        QCOMPARE(samples.left(4),
            TransceiverBoard::sampleWord(channelIndex + 1, 0)
                + TransceiverBoard::sampleWord(channelIndex + 1, 1));
    }
    if (endsIdle)
        QCOMPARE(received.count(), reads.size());
}

void tst_EchosounderSPI_Controller::parametersAreWrittenOnceBeforeThePing()
{
    Rig rig;
    QSignalSpy updated(&rig.relay, &ControllerSignals::sensorParametersUpdated);
    QSignalSpy received(&rig.relay, &ControllerSignals::recievedBinaryMessage);
    rig.inWorker([](EchosounderSPI_Controller *c) {
        c->setDelayTime(shortDelayMs);
        c->channelSetParameters(0, 200, 5000, 3, 4, 0, 1200, 7, 1500, 9, 10);
        c->startSinglePing(0);
    });
    QTRY_COMPARE(received.count(), 1);
    QTRY_COMPARE(rig.state(), QString("IdleState"));
    QCOMPARE(rig.log(), QStringList({ "params1", "ping1", "read1" }));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(updated.first(), QVariantList({ 0, 200, 5000, 3, 4, 0, 1200, 7, 1500, 9, 10 }));

    const auto messages = rig.record->messages();
    // Command, nine parameters (the range index is not sent) and the filler; the points as 0xB0 0x04.
    QCOMPARE(messages.at(0).size(), 11);
    QCOMPARE(messages.at(0).at(6), TransceiverBoard::word(0xB0, 0x04));
    // The read of 1200 points: command and 1202 filler words; 2400 sample bytes arrive.
    QCOMPARE(messages.at(2).size(), 1203);
    QCOMPARE(received.first().at(0).toByteArray().size(), 2400);

    rig.inWorker([](EchosounderSPI_Controller *c) { c->startSinglePing(0); });
    QTRY_COMPARE(received.count(), 2);
    QTRY_COMPARE(rig.state(), QString("IdleState"));
    QCOMPARE(rig.log(), QStringList({ "params1", "ping1", "read1", "ping1", "read1" }));
    QCOMPARE(updated.count(), 1);
}

void tst_EchosounderSPI_Controller::parametersWithoutPointsAreRefused_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("no points") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("beyond a 16-bit word") << 65536;
}

void tst_EchosounderSPI_Controller::parametersWithoutPointsAreRefused()
{
    QFETCH(int, points);
    Rig rig;
    QSignalSpy updated(&rig.relay, &ControllerSignals::sensorParametersUpdated);
    QSignalSpy received(&rig.relay, &ControllerSignals::recievedBinaryMessage);
    QTest::ignoreMessage(
        QtDebugMsg, qPrintable("Channel parameters refused: number of points " + QString::number(points)));
    rig.inWorker([points](EchosounderSPI_Controller *c) {
        c->setDelayTime(shortDelayMs);
        c->channelSetParameters(0, 200, 5000, 3, 4, 0, points, 7, 1500, 9, 10);
        c->startSinglePing(0);
    });
    QTRY_COMPARE(received.count(), 1);
    QTRY_COMPARE(rig.state(), QString("IdleState"));
    QCOMPARE(rig.log(), QStringList({ "ping1", "read1" }));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(received.first().at(0).toByteArray().size(), 5000);
}

void tst_EchosounderSPI_Controller::switchingOffEndsInIdle()
{
    Rig rig;
    rig.inWorker([](EchosounderSPI_Controller *c) {
        c->setDelayTime(shortDelayMs);
        c->setTransducerMeasurementOnOff(true, 0);
        c->setTransducerMeasurementOnOff(true, 1);
    });
    QTRY_VERIFY(rig.record->messageCount() >= 5);
    rig.inWorker([](EchosounderSPI_Controller *c) {
        c->setTransducerMeasurementOnOff(false, 0);
        c->setTransducerMeasurementOnOff(false, 1);
    });
    QTRY_COMPARE(rig.state(), QString("IdleState"));
    // The cycle under way completes: every ping was read.
    const QStringList log = rig.log();
    QCOMPARE(log.count("read1"), log.count("ping1"));
    QCOMPARE(log.count("read2"), log.count("ping2"));
    QVERIFY(log.last().startsWith("read"));
}

void tst_EchosounderSPI_Controller::additionalDataAndReset()
{
    Rig rig;
    QSignalSpy additional(&rig.relay, &ControllerSignals::receivedAdditionalData);
    QSignalSpy reset(&rig.relay, &ControllerSignals::transceiverResetSignal);
    rig.inWorker([](EchosounderSPI_Controller *c) {
        c->readAdditionalData();
        c->resetTransceiver();
    });
    QTRY_COMPARE(additional.count(), 1);
    QTRY_COMPARE(reset.count(), 1);
    QCOMPARE(additional.first().at(0).toByteArray(), QByteArray::fromHex("a00aa10aa20aa30aa40a"));
    QCOMPARE(reset.first().at(0).toBool(), true);
    QCOMPARE(rig.log(), QStringList({ "additional", "reset" }));
}

void tst_EchosounderSPI_Controller::deviceIsConfiguredInTheWorker()
{
    Rig rig;
    QTRY_COMPARE(rig.record->configureCalls().size(), 1);
    // Every setting left as the node has it.
    QCOMPARE(rig.record->configureCalls().first(), QList<int>({ -1, -1, -1, -1 }));
    QThread *worker = nullptr;
    EchosounderSPI_Controller *c = rig.controller;
    QMetaObject::invokeMethod(
        c, [c, &worker] { worker = QThread::currentThread(); }, Qt::BlockingQueuedConnection);
    QVERIFY(worker != QThread::currentThread());
    QCOMPARE(rig.controller->thread(), worker);
    QCOMPARE(rig.controller->spiDevice()->thread(), worker);
    QCOMPARE(rig.controller->pulseGenerator()->thread(), worker);
}

void tst_EchosounderSPI_Controller::destructionStopsAndJoinsTheWorker()
{
    auto rig = std::make_unique<Rig>();
    rig->inWorker([](EchosounderSPI_Controller *c) {
        c->setDelayTime(1);
        c->setTransducerMeasurementOnOff(true, 0);
        c->setTransducerMeasurementOnOff(true, 1);
    });
    QTRY_VERIFY(rig->record->messageCount() >= 10);
    const QPointer<QThread> worker = rig->controller->thread();
    QVERIFY(worker);
    const std::shared_ptr<SpiBoardRecord> record = rig->record;

    rig.reset();

    // The worker has ended and is gone, the device with its transport too, and nothing runs any more.
    QVERIFY(worker.isNull());
    QVERIFY(record->isDestroyed());
    const int count = record->messageCount();
    QCoreApplication::processEvents();
    QCOMPARE(record->messageCount(), count);
}

void tst_EchosounderSPI_Controller::destructionBeforeStart()
{
    auto rig = std::make_unique<Rig>(false);
    const std::shared_ptr<SpiBoardRecord> record = rig->record;
    rig.reset();
    QVERIFY(record->isDestroyed());
    QCOMPARE(record->messageCount(), 0);
}

void tst_EchosounderSPI_Controller::windowsPlatformReadsZeros()
{
    m_linux.reset(); // this build: "WINDOWS", where the SPI operations do nothing and report failure
    Rig rig;
    QSignalSpy received(&rig.relay, &ControllerSignals::recievedBinaryMessage);
    rig.inWorker([](EchosounderSPI_Controller *c) {
        c->setDelayTime(shortDelayMs);
        c->startSinglePing(1);
    });
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.first().at(0).toByteArray(), QByteArray(5000, '\0'));
    QCOMPARE(received.first().at(1).toInt(), 1);
    QCOMPARE(rig.record->messageCount(), 0);
    QCOMPARE(rig.record->configureCalls().size(), 0);
}

void tst_EchosounderSPI_Controller::pulseFollowsPingRequest()
{
    ES_pingPulseGenerator generator;
    QElapsedTimer clock;
    QList<QPair<bool, qint64>> changes;
    connect(&generator, &ES_pingPulseGenerator::pingPulseStateChanged, this, [&](bool state) {
        changes.append({ state, clock.elapsed() });
    });
    clock.start();
    generator.pingRequestSent(5000);
    QTRY_COMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).first, true);
    QCOMPARE(changes.at(1).first, false);
    // On after the 20 ms lead time, for 5 ms of ping and 20 ms extra.
    QVERIFY2(changes.at(0).second >= 19, qPrintable(QString::number(changes.at(0).second)));
    QVERIFY2(changes.at(1).second - changes.at(0).second >= 24,
        qPrintable(QString::number(changes.at(1).second - changes.at(0).second)));
    QCOMPARE(generator.isPulseOn(), false);
}

void tst_EchosounderSPI_Controller::pulseIsStretchedByALongerPing()
{
    ES_pingPulseGenerator generator;
    QElapsedTimer clock;
    QList<QPair<bool, qint64>> changes;
    connect(&generator, &ES_pingPulseGenerator::pingPulseStateChanged, this, [&](bool state) {
        changes.append({ state, clock.elapsed() });
    });
    clock.start();
    generator.pingRequestSent(200000);
    QTRY_COMPARE(changes.size(), 1);
    QVERIFY(generator.isPulseOn());
    const qint64 requested = clock.elapsed();
    // 220 ms of pulse remain, fewer than the 340 ms the new ping needs: the pulse is stretched.
    generator.pingRequestSent(300000);
    QTRY_COMPARE_WITH_TIMEOUT(changes.size(), 2, 5000);
    QCOMPARE(changes.at(1).first, false);
    QVERIFY2(changes.at(1).second - requested >= 335,
        qPrintable(QString::number(changes.at(1).second - requested)));
    QCOMPARE(generator.pingLength(), 300);
}

QTEST_GUILESS_MAIN(tst_EchosounderSPI_Controller)
#include "tst_echosounderspicontroller.moc"
