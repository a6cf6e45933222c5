#include "comms/EchosounderSerialReader.h"

#include "PseudoTerminal.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QByteArray ok("$NLCC,OK*2A\r\n");
const QByteArray fail("$NLCC,FAIL*2C\r\n");
const QString parameters = QStringLiteral("$NLSP,1,2,3*00\r\n");
const QString ping = QStringLiteral("$NLTT,1,00001*00\r\n");
const QString pingOff = QStringLiteral("$NLTT,OFF*00\r\n");
const QString singlePing1 = QStringLiteral("$NLTT,0,00001*03\r\n");
const QString singlePing0 = QStringLiteral("$NLTT,0,00000*02\r\n");

// A measurement block of the given size: "$NLRD" and binary samples.
QByteArray block(int size)
{
    QByteArray bytes("$NLRD");
    for (int i = bytes.size(); i < size; ++i)
        bytes.append(char(i % 251));
    return bytes.left(size);
}

// A transceiver on the far end of a pseudo-terminal: every command line it receives is recorded and
// answered by the case's script (nothing when the script gives nothing).
class Transceiver
{
public:
    Transceiver()
    {
        m_line.onReceived = [this](const QByteArray &bytes) {
            m_pending += bytes;
            int end;
            while ((end = m_pending.indexOf("\r\n")) >= 0) {
                const QByteArray command = m_pending.left(end + 2);
                m_pending.remove(0, end + 2);
                commands << QString::fromLatin1(command);
                if (script)
                    m_line.write(script(command));
            }
        };
    }

    bool isValid() const { return m_line.isValid(); }
    QString path() const { return m_line.slavePath(); }
    int count(const QString &command) const { return commands.count(command); }

    std::function<QByteArray(const QByteArray &)> script;
    QStringList commands;

private:
    PseudoTerminal m_line;
    QByteArray m_pending;
};

// The usual answer: the echo and OK; a ping also gets its measurement block.
QByteArray acknowledge(const QByteArray &command, const QByteArray &afterPing = block(5041))
{
    QByteArray answer = command + ok;
    if (command.contains("NLTT"))
        answer += afterPing;
    return answer;
}

} // namespace

class tst_EchosounderSerialReader : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void queueing();
    void measurementNeedsParameters();
    void measurementBlock_data();
    void measurementBlock();
    void floodBeforeBlockIsBounded();
    void silenceAndRecovery();
    void failureThreeTimes();
    void replies_data();
    void replies();
    void singlePingWaitsForTheExchange();
    void portTest_data();
    void portTest();

private:
    std::unique_ptr<Transceiver> m_transceiver;
    std::unique_ptr<EchosounderSerialReader> m_reader;
};

void tst_EchosounderSerialReader::init()
{
    m_transceiver = std::make_unique<Transceiver>();
    QVERIFY(m_transceiver->isValid());
    SerialReader::setDeviceFolder(QStringLiteral("/"));
    m_reader = std::make_unique<EchosounderSerialReader>(m_transceiver->path(), 2, 2, 115200);
    QVERIFY(!m_reader->isRouted());
    QVERIFY(m_reader->openPort());
    // Short waits for the blocks keep the cases quick; the protocol is the same.
    m_reader->setDelayTime(150, 0);
}

void tst_EchosounderSerialReader::cleanup()
{
    m_reader.reset();
    m_transceiver.reset();
}

void tst_EchosounderSerialReader::queueing()
{
    const QString request = QStringLiteral("$NLAA,1*00\r\n");
    const QString other = QStringLiteral("$NLAF,1*00\r\n");

    // The transceiver is silent: the first command stays under way, the others wait.
    QCOMPARE(m_reader->sendCommand(request), request.size());
    QCOMPARE(m_reader->sendCommand(request), 0);
    QCOMPARE(m_reader->commandQueue(), QStringList { request });
    QCOMPARE(m_reader->sendCommand(other), 0);
    QCOMPARE(m_reader->sendCommand(ping), 0);
    const QString otherPing = QStringLiteral("$NLTT,1,00002*00\r\n");
    QCOMPARE(m_reader->sendCommand(otherPing), 0);
    QCOMPARE(m_reader->commandQueue(), (QStringList { request, other, otherPing }));

    QTest::ignoreMessage(QtDebugMsg, "Empty transceiver command refused");
    QCOMPARE(m_reader->sendCommand(QString()), -1);
    QCOMPARE(m_reader->commandQueue().size(), 3);

    // Distinct commands do not pile up without limit.
    int refused = 0;
    for (int i = 0; i < 100; ++i) {
        if (m_reader->sendCommand(QStringLiteral("$NLXX,%1*00\r\n").arg(i)) == -1)
            ++refused;
    }
    QCOMPARE(m_reader->commandQueue().size(), 64);
    QCOMPARE(refused, 100 - 61);
    QCOMPARE(m_reader->commandQueue().first(), request);
    QTRY_COMPARE(m_transceiver->commands.value(0), request);
}

void tst_EchosounderSerialReader::measurementNeedsParameters()
{
    m_transceiver->script = [](const QByteArray &command) { return acknowledge(command); };
    QSignalSpy blocks(m_reader.get(), &EchosounderSerialReader::completeBinaryData);

    // Without acknowledged parameters the blocks are dropped; the ping keeps repeating.
    QCOMPARE(m_reader->sendCommand(ping), ping.size());
    QTRY_VERIFY(m_transceiver->count(ping) >= 2);
    QCOMPARE(blocks.count(), 0);
    QVERIFY(!m_reader->parametersSet());

    QCOMPARE(m_reader->sendCommand(parameters), 0);
    QTRY_VERIFY(m_reader->parametersSet());
    QTRY_VERIFY(blocks.count() >= 2);
    QCOMPARE(blocks.at(0).at(0).toByteArray(), block(5041));
    QCOMPARE(m_transceiver->count(parameters), 1);

    // "NLTT,OFF" takes the ping's place and ends the pinging.
    m_reader->sendCommand(pingOff);
    QTRY_VERIFY(m_reader->commandQueue().isEmpty());
}

void tst_EchosounderSerialReader::measurementBlock_data()
{
    QTest::addColumn<QByteArray>("answer"); // after the echo and OK of a ping
    QTest::addColumn<bool>("valid");

    QTest::newRow("5041 bytes") << block(5041) << true;
    QTest::newRow("5040 bytes") << block(5040) << false;
    QTest::newRow("5042 bytes") << block(5042) << false;
    QTest::newRow("junk before 5041 bytes") << QByteArray("junk") + block(5041) << true;
    QTest::newRow("no block") << QByteArray() << false;
}

void tst_EchosounderSerialReader::measurementBlock()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, valid);

    m_transceiver->script = [answer](const QByteArray &command) { return acknowledge(command, answer); };
    QSignalSpy blocks(m_reader.get(), &EchosounderSerialReader::completeBinaryData);
    m_reader->sendCommand(parameters);
    QTRY_VERIFY(m_reader->parametersSet());

    if (!valid)
        QTest::ignoreMessage(QtDebugMsg, "Measurement data incorrect!");
    m_reader->sendCommand(ping);
    if (valid) {
        QTRY_VERIFY(!blocks.isEmpty());
        QCOMPARE(blocks.at(0).at(0).toByteArray(), block(5041));
        QCOMPARE(m_transceiver->count(parameters), 1);
    } else {
        // The wrong block is dropped and the parameters go out again, before the next ping.
        QTRY_COMPARE(m_transceiver->count(parameters), 2);
        QCOMPARE(blocks.count(), 0);
        QCOMPARE(m_transceiver->commands.mid(0, 3), (QStringList { parameters, ping, parameters }));
    }
}

void tst_EchosounderSerialReader::floodBeforeBlockIsBounded()
{
    m_reader->setDelayTime(600, 0);
    const QByteArray flood(200 * 1024, 'x');
    m_transceiver->script
        = [&](const QByteArray &command) { return acknowledge(command, flood + block(5041)); };
    QSignalSpy blocks(m_reader.get(), &EchosounderSerialReader::completeBinaryData);
    m_reader->sendCommand(parameters);
    QTRY_VERIFY(m_reader->parametersSet());

    // Only the newest bytes are kept while the block is awaited: they hold the block whole.
    m_reader->sendCommand(ping);
    QTRY_VERIFY_WITH_TIMEOUT(!blocks.isEmpty(), 10000);
    QCOMPARE(blocks.at(0).at(0).toByteArray(), block(5041));
}

void tst_EchosounderSerialReader::silenceAndRecovery()
{
    const QString request = QStringLiteral("$NLAA,1*00\r\n");
    QSignalSpy messages(m_reader.get(), &EchosounderSerialReader::receivedMessage);
    QSignalSpy problem(m_reader.get(), &EchosounderSerialReader::sensorCommunicationProblem);
    QSignalSpy fixed(m_reader.get(), &EchosounderSerialReader::sensorCommunicationFixed);

    // Silent: sent three times, then given up with one problem report.
    QTest::ignoreMessage(QtDebugMsg, "Unexpected response to command: $NLRA, buffer contents: ");
    QTest::ignoreMessage(QtDebugMsg, "Unexpected response to command: $NLRA, buffer contents: ");
    QTest::ignoreMessage(QtDebugMsg, "Unexpected response to command: $NLRA, buffer contents: ");
    m_reader->sendCommand(request);
    QTRY_COMPARE(problem.count(), 1);
    QCOMPARE(m_transceiver->count(request), 3);
    QCOMPARE(messages.count(), 3);
    for (const QList<QVariant> &arguments : qAsConst(messages))
        QCOMPARE(arguments.at(0).toByteArray(), QByteArray("No response from device!"));
    QVERIFY(m_reader->commandQueue().isEmpty());
    QVERIFY(!m_reader->isSensorCommunicationOk());
    QCOMPARE(fixed.count(), 0);

    // The next answer restores it, once.
    m_transceiver->script = [](const QByteArray &command) { return acknowledge(command); };
    const QString first = QStringLiteral("$NLXX,1*00\r\n");
    const QString second = QStringLiteral("$NLXX,2*00\r\n");
    m_reader->sendCommand(first);
    m_reader->sendCommand(second);
    QTRY_VERIFY(m_reader->commandQueue().isEmpty());
    QCOMPARE(fixed.count(), 1);
    QCOMPARE(problem.count(), 1);
    QVERIFY(m_reader->isSensorCommunicationOk());
    QCOMPARE(m_transceiver->commands.mid(3), (QStringList { first, second }));
}

void tst_EchosounderSerialReader::failureThreeTimes()
{
    const QString command = QStringLiteral("$NLXX,1*00\r\n");
    m_transceiver->script = [](const QByteArray &received) { return received + fail; };
    QSignalSpy failed(m_reader.get(), &EchosounderSerialReader::commandExecutionFailed);
    QSignalSpy messages(m_reader.get(), &EchosounderSerialReader::receivedMessage);

    m_reader->sendCommand(command);
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), command);
    QCOMPARE(m_transceiver->count(command), 3);
    QVERIFY(m_reader->commandQueue().isEmpty());
    int failures = 0;
    for (const QList<QVariant> &arguments : qAsConst(messages))
        failures += arguments.at(0).toByteArray() == fail ? 1 : 0;
    QCOMPARE(failures, 3);
}

void tst_EchosounderSerialReader::replies_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QByteArray>("reported"); // empty: a missing reply is reported in the debug log

    QTest::newRow("NLAA") << "$NLAA,1*00\r\n"
                          << QByteArray("$NLRA,12,34*5F\r\n") << QByteArray("$NLRA,12,34*5F\r");
    QTest::newRow("NLSR") << "$NLSR*00\r\n" << QByteArray("$NLCS,7*11\r\n") << QByteArray("$NLCS,7*11\r");
    QTest::newRow("NLAF") << "$NLAF*00\r\n" << QByteArray("$NLRF,1,2*3C\r\n") << QByteArray("$NLRF,1,2*3C\r");
    QTest::newRow("NLAA answered OK only") << "$NLAA,1*00\r\n" << ok << QByteArray();
}

void tst_EchosounderSerialReader::replies()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, reply);
    QFETCH(QByteArray, reported);

    m_transceiver->script = [reply](const QByteArray &received) { return received + reply; };
    QSignalSpy messages(m_reader.get(), &EchosounderSerialReader::receivedMessage);
    if (reported.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, "Unexpected response to command: $NLRA, buffer contents: ");

    m_reader->sendCommand(command);
    QTRY_VERIFY(m_reader->commandQueue().isEmpty());
    QCOMPARE(m_transceiver->count(command), 1);
    if (!reported.isEmpty()) {
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toByteArray(), reported);
    } else {
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toByteArray(), ok);
    }
}

// A single ping asked for while another command is under way waits for that exchange: the answer under
// way is still judged against its own command, and the ping goes out next.
void tst_EchosounderSerialReader::singlePingWaitsForTheExchange()
{
    m_transceiver->script = [](const QByteArray &command) { return acknowledge(command); };
    QSignalSpy blocks(m_reader.get(), &EchosounderSerialReader::completeBinaryData);

    m_reader->sendCommand(parameters);
    m_reader->startSinglePing(1);
    QCOMPARE(m_reader->commandQueue(), QStringList { parameters });
    QTRY_COMPARE(blocks.count(), 1);
    QVERIFY(m_reader->parametersSet());
    QTRY_VERIFY(m_reader->commandQueue().isEmpty());
    QCOMPARE(m_transceiver->commands, (QStringList { parameters, singlePing1 }));

    // Idle, a single ping goes out at once; a repeated ping asked for meanwhile waits behind it and
    // does not take its place.
    m_reader->startSinglePing(0);
    QCOMPARE(m_reader->sendCommand(ping), 0);
    QCOMPARE(m_reader->commandQueue(), (QStringList { singlePing0, ping }));
    QTRY_COMPARE(blocks.count(), 3);
    QCOMPARE(m_transceiver->commands.mid(2, 2), (QStringList { singlePing0, ping }));
    m_reader->sendCommand(pingOff);
    QTRY_VERIFY(m_reader->commandQueue().isEmpty());
}

void tst_EchosounderSerialReader::portTest_data()
{
    QTest::addColumn<bool>("answering");

    QTest::newRow("answering") << true;
    QTest::newRow("silent") << false;
}

void tst_EchosounderSerialReader::portTest()
{
    QFETCH(bool, answering);

    if (answering)
        m_transceiver->script = [](const QByteArray &command) { return acknowledge(command); };
    QSignalSpy finished(m_reader.get(), &EchosounderSerialReader::portTestingFinished);

    m_reader->startPortTest();
    QVERIFY(m_reader->isPortTestRunning());
    for (int i = 1; i <= 3; ++i)
        m_reader->sendCommand(QStringLiteral("$NLXX,%1*00\r\n").arg(i));
    QTRY_COMPARE(finished.count(), 1);
    QVERIFY(!m_reader->isPortTestRunning());
    QCOMPARE(m_reader->portTestPassed(), answering);
}

QTEST_GUILESS_MAIN(tst_EchosounderSerialReader)
#include "tst_echosounderserialreader.moc"
