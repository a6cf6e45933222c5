#include "comms/SerialReader.h"

#include "PseudoTerminal.h"
#include "SpyTexts.h"

#include <QPointer>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

const QString zda = QStringLiteral("$GPZDA,120000.00,01,02,2024,00,00*6A\r\n");
// Written last in a case: once it arrives, everything written before it has been framed.
const QString sentinel = QStringLiteral("$PQRVEND*00\r\n");

} // namespace

class tst_SerialReader : public QObject
{
    Q_OBJECT

private slots:
    void framing_data();
    void framing();
    void lineEmissionDisabledStillConsumes();
    void inputWithoutLineFeedIsBounded();
    void sendMessage_data();
    void sendMessage();
    void sendQueueIsBounded();
    void baudRateIndex_data();
    void baudRateIndex();
    void baudRateBeforeOpening();
    void baudRateChangeKeepsReading();
    void reopenKeepsOneLine();
    void openFailure();
    void pollingReadersShareOneThread();
};

// Each case: chunks written one after the other, the number of lines that must have arrived before the
// next chunk is written (-1: do not wait), and the lines expected in the end.
void tst_SerialReader::framing_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QList<int>>("waitFor");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("junk before two sentences")
        << QList<QByteArray> { "xy$GPZDA,1*00\r\n$GPZDA,2*00\r\n" } << QList<int> { -1 }
        << QStringList { "$GPZDA,1*00\r\n", "$GPZDA,2*00\r\n" };
    QTest::newRow("cut off sentence restarts at the later dollar")
        << QList<QByteArray> { "$AB$GPZDA,1*00\r\n" } << QList<int> { -1 }
        << QStringList { "$GPZDA,1*00\r\n" };
    QTest::newRow("no start character")
        << QList<QByteArray> { "hello world\r\n" } << QList<int> { -1 } << QStringList {};
    QTest::newRow("exclamation mark starts a line")
        << QList<QByteArray> { "!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0*73\r\n" } << QList<int> { -1 }
        << QStringList { "!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0*73\r\n" };
    QTest::newRow("second line of a read is not searched")
        << QList<QByteArray> { "$A*00\r\nnostart\r\n" } << QList<int> { -1 }
        << QStringList { "$A*00\r\n", "nostart\r\n" };
    QTest::newRow("sentence without line feed waits at the line") << QList<QByteArray> { "$GPZDA,1",
        "2*00\r\n" } << QList<int> { -1, -1 } << QStringList { "$GPZDA,12*00\r\n" };
    QTest::newRow("rest of a read completed by the next one") << QList<QByteArray> { "$A*00\r\n$GPZDA,1",
        "2*00\r\n" } << QList<int> { 1, -1 } << QStringList { "$A*00\r\n", "$GPZDA,12*00\r\n" };
    QTest::newRow("rest of 83 characters is dropped")
        << QList<QByteArray> { "$A*00\r\n$" + QByteArray(82, 'X'), "Y*00\r\n" } << QList<int> { 1, -1 }
        << QStringList { "$A*00\r\n" };
    QTest::newRow("rest of 82 characters is kept") << QList<QByteArray> { "$A*00\r\n$" + QByteArray(81, 'X'),
        "\n" } << QList<int> { 1, -1 } << QStringList { "$A*00\r\n", "$" + QString(81, 'X') + "\n" };
    QTest::newRow("NUL drops only the line that holds it")
        << QList<QByteArray> { QByteArray("$A*00\r\n$B\0C*00\r\n$D*00\r\n", 23) } << QList<int> { -1 }
        << QStringList { "$A*00\r\n", "$D*00\r\n" };
    QTest::newRow("NUL before the line end") << QList<QByteArray> { QByteArray("$A*00\0\r\n$D*00\r\n", 15) }
                                             << QList<int> { -1 } << QStringList { "$D*00\r\n" };
    QTest::newRow("NUL in a rest waiting for its end")
        << QList<QByteArray> { "$A*00\r\n$GPZDA,1", QByteArray("2\0*00\r\n$D*00\r\n", 14) }
        << QList<int> { 1, -1 } << QStringList { "$A*00\r\n", "$D*00\r\n" };
}

void tst_SerialReader::framing()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QList<int>, waitFor);
    QFETCH(QStringList, expected);

    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader reader(far.slavePath(), 1, 2, 4800);
    QSignalSpy spy(&reader, &SerialReader::lineReceived);
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    QVERIFY(reader.openPort());

    for (int i = 0; i < chunks.size(); ++i) {
        far.write(chunks.at(i));
        if (waitFor.at(i) >= 0)
            QTRY_COMPARE(spy.count(), waitFor.at(i));
    }
    far.write(sentinel.toLatin1());
    QTRY_VERIFY(!spy.isEmpty() && spy.last().at(0).toString() == sentinel);

    QStringList lines = firstArgumentTexts(spy);
    lines.removeLast();
    QCOMPARE(lines, expected);
    for (const QList<QVariant> &arguments : qAsConst(spy))
        QCOMPARE(arguments.at(1).toInt(), 1);
}

void tst_SerialReader::lineEmissionDisabledStillConsumes()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, 2, 4800);
    QSignalSpy spy(&reader, &SerialReader::lineReceived);
    QVERIFY(reader.openPort());
    reader.setLineEmissionEnabled(false);

    // The over-long rest makes the read visible: it is counted when the reader takes the input.
    far.write("$A*00\r\n$B*00\r\n$" + QByteArray(90, 'X'));
    QTRY_COMPARE(reader.discardedInputCount(), 1);
    reader.setLineEmissionEnabled(true);
    far.write(sentinel.toLatin1());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(firstArgumentTexts(spy), QStringList { sentinel });
}

void tst_SerialReader::inputWithoutLineFeedIsBounded()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, 2, 4800);
    QSignalSpy spy(&reader, &SerialReader::lineReceived);
    QVERIFY(reader.openPort());

    // 82 bytes without a line feed cannot end in a sentence: thrown away whole.
    far.write("$" + QByteArray(81, 'X'));
    QTRY_COMPARE(reader.discardedInputCount(), 1);

    // An endless line: the reader keeps draining the line and keeps nothing of it.
    const QByteArray endless(1000, 'Y');
    for (int i = 0; i < 500; ++i)
        far.write(endless);
    QTRY_VERIFY(far.pendingWrite() == 0 && far.pendingInput() == 0);
    QVERIFY(reader.discardedInputCount() > 1);

    far.write(zda.toLatin1());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(firstArgumentTexts(spy), QStringList { zda });
}

void tst_SerialReader::sendMessage_data()
{
    QTest::addColumn<int>("accessMode");
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("result");

    QTest::newRow("read and write") << 2 << true << zda.size();
    QTest::newRow("write only") << 1 << true << zda.size();
    QTest::newRow("read only") << 0 << true << -1;
    QTest::newRow("never opened") << 2 << false << -1;
}

void tst_SerialReader::sendMessage()
{
    QFETCH(int, accessMode);
    QFETCH(bool, open);
    QFETCH(int, result);

    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, accessMode, 4800);
    if (open)
        QVERIFY(reader.openPort());

    QCOMPARE(reader.sendMessage(zda), result);
    // A marker written straight on the line: it arrives alone when the reader wrote nothing.
    if (result > 0) {
        QTRY_COMPARE(far.received(), zda.toLatin1());
    } else {
        QVERIFY(far.writeFromLine("MARK"));
        QTRY_COMPARE(far.received(), QByteArray("MARK"));
    }
}

void tst_SerialReader::sendQueueIsBounded()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, 2, 4800);
    QVERIFY(reader.openPort());

    // Without returning to the event loop nothing leaves the send queue: it fills up and then refuses
    // whole sentences instead of growing.
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < 1000; ++i) {
        const int written = reader.sendMessage(zda);
        if (written == zda.size())
            ++accepted;
        else if (written == -1)
            ++refused;
    }
    QCOMPARE(accepted + refused, 1000);
    QVERIFY(accepted > 0);
    QVERIFY(refused > 0);

    QTRY_COMPARE(far.received().size(), accepted * zda.size());
    QCOMPARE(far.received(), zda.toLatin1().repeated(accepted));
    // Drained, the line takes sentences again.
    QCOMPARE(reader.sendMessage(zda), zda.size());
}

void tst_SerialReader::baudRateIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("rate");

    QTest::newRow("0") << 0 << 4800;
    QTest::newRow("1") << 1 << 38400;
    QTest::newRow("2") << 2 << 115200;
    QTest::newRow("3") << 3 << 4800;
    QTest::newRow("-1") << -1 << 4800;
}

void tst_SerialReader::baudRateIndex()
{
    QFETCH(int, index);
    QFETCH(int, rate);

    // Start from a rate the index does not give, so that every row changes something.
    SerialReader reader(QString(), 0, 2, rate == 38400 ? 115200 : 38400);
    reader.setBaudRateIndex(index);
    QCOMPARE(reader.baudRate(), rate);

    QVERIFY(!reader.setBaudRate(9600));
    QCOMPARE(reader.baudRate(), rate);
    QVERIFY(!SerialReader::isBaudRateAllowed(9600));
    QVERIFY(SerialReader::isBaudRateAllowed(rate));
}

void tst_SerialReader::baudRateBeforeOpening()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, 2, 4800);

    // Never opened: no line to reconfigure; the rate is kept for the first opening.
    QVERIFY(!reader.setBaudRate(38400));
    QCOMPARE(reader.baudRate(), 38400);
    QVERIFY(!reader.isOpen());

    QVERIFY(reader.openPort());
    QCOMPARE(far.inputSpeed(), speed_t(B38400));
}

void tst_SerialReader::baudRateChangeKeepsReading()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 2, 2, 4800);
    QSignalSpy spy(&reader, &SerialReader::lineReceived);
    QVERIFY(reader.openPort());
    QCOMPARE(far.inputSpeed(), speed_t(B4800));

    QVERIFY(reader.setBaudRate(115200));
    QCOMPARE(far.inputSpeed(), speed_t(B115200));
    QVERIFY(reader.isOpen());

    far.write(zda.toLatin1());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QList<QVariant> { zda, 2 }));
    QCOMPARE(reader.sendMessage(zda), zda.size());
    QTRY_COMPARE(far.received(), zda.toLatin1());
}

void tst_SerialReader::reopenKeepsOneLine()
{
    PseudoTerminal far;
    QVERIFY(far.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    SerialReader reader(far.slavePath(), 0, 2, 4800);
    QSignalSpy spy(&reader, &SerialReader::lineReceived);
    QVERIFY(reader.openPort());
    QVERIFY(reader.openPort());

    far.write(zda.toLatin1() + sentinel.toLatin1());
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(firstArgumentTexts(spy), (QStringList { zda, sentinel }));

    // Closed, nothing of the reader reads the line any more: the input stays waiting there.
    reader.closePort();
    QVERIFY(!reader.isOpen());
    far.write(zda.toLatin1());
    QTRY_COMPARE(far.pendingInput(), zda.size());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(reader.sendMessage(zda), -1);

    // Opened again, it reads what waited on the line and what follows.
    QVERIFY(reader.openPort());
    far.write(sentinel.toLatin1());
    QTRY_COMPARE(spy.count(), 4);
    QCOMPARE(firstArgumentTexts(spy).mid(2), (QStringList { zda, sentinel }));
}

void tst_SerialReader::openFailure()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    SerialReader::setDeviceFolder(folder.path() + QLatin1Char('/'));
    SerialReader reader(QStringLiteral("ttyS3"), 0, 2, 4800);

    QTest::ignoreMessage(QtDebugMsg, "Error opening port: ttyS3");
    QVERIFY(!reader.openPort());
    QVERIFY(!reader.isOpen());
    QCOMPARE(reader.sendMessage(zda), -1);
    // A rate change tries the line again; still nothing there.
    QTest::ignoreMessage(QtDebugMsg, "Error opening port: ttyS3");
    QVERIFY(!reader.setBaudRate(38400));
    QCOMPARE(reader.baudRate(), 38400);
}

// Readers in polling mode live on one shared worker thread and read when their owner asks them to.
// Destroying one of them leaves the others served; the thread ends with the last one.
void tst_SerialReader::pollingReadersShareOneThread()
{
    PseudoTerminal far1;
    PseudoTerminal far2;
    QVERIFY(far1.isValid() && far2.isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    QVERIFY(!SerialReader::pollingThread());

    auto reader1 = std::make_unique<SerialReader>(far1.slavePath(), 0, 2, 4800);
    auto reader2 = std::make_unique<SerialReader>(far2.slavePath(), 1, 2, 4800);
    reader1->setQueryMode(SerialReader::Polling);
    reader2->setQueryMode(SerialReader::Polling);

    // Lines cross to this thread through queued connections.
    QObject receiver;
    QStringList lines;
    QList<int> ports;
    const auto collect = [&](const QString &line, int port) {
        QCOMPARE(QThread::currentThread(), receiver.thread());
        lines << line;
        ports << port;
    };
    connect(reader1.get(), &SerialReader::lineReceived, &receiver, collect, Qt::QueuedConnection);
    connect(reader2.get(), &SerialReader::lineReceived, &receiver, collect, Qt::QueuedConnection);

    QVERIFY(reader1->openPort());
    QVERIFY(reader2->openPort());
    QPointer<QThread> worker = SerialReader::pollingThread();
    QVERIFY(worker);
    QVERIFY(worker != QThread::currentThread());
    QCOMPARE(reader1->thread(), worker.data());
    QCOMPARE(reader2->thread(), worker.data());
    QVERIFY(worker->isRunning());

    // The owner's schedule.
    QTimer poll;
    poll.setInterval(10);
    QList<QPointer<SerialReader>> polled { reader1.get(), reader2.get() };
    connect(&poll, &QTimer::timeout, &receiver, [&] {
        for (const QPointer<SerialReader> &reader : qAsConst(polled)) {
            if (reader)
                QMetaObject::invokeMethod(reader, "readAllLines", Qt::QueuedConnection);
        }
    });
    poll.start();

    far1.write(zda.toLatin1());
    far2.write(sentinel.toLatin1());
    QTRY_COMPARE(lines.size(), 2);
    QCOMPARE(ports.count(0), 1);
    QCOMPARE(ports.count(1), 1);

    // Called from here, the operations run on the worker thread.
    QCOMPARE(reader1->sendMessage(zda), zda.size());
    QTRY_COMPARE(far1.received(), zda.toLatin1());
    QVERIFY(reader2->setBaudRate(38400));
    QCOMPARE(far2.inputSpeed(), speed_t(B38400));

    reader1.reset();
    QVERIFY(worker);
    QVERIFY(worker->isRunning());
    QCOMPARE(SerialReader::pollingThread(), worker.data());
    far2.write(zda.toLatin1());
    QTRY_COMPARE(lines.size(), 3);
    QCOMPARE(lines.last(), zda);
    QCOMPARE(ports.last(), 1);

    reader2.reset();
    poll.stop();
    QVERIFY(!SerialReader::pollingThread());
    QVERIFY(!worker);
}

QTEST_GUILESS_MAIN(tst_SerialReader)
#include "tst_serialreader.moc"
