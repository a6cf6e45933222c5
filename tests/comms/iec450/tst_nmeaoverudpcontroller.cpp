// The NMEA-over-UDP controller: sentence groups packed into datagrams (numbering, tag blocks, the 1460-byte
// limit, settings tags) and received datagrams taken apart (acknowledgements, data, malformed datagrams).
// Two controllers exchange datagram bytes directly; the socket path is tested in the network namespace.

#include "comms/ErrorLogger.h"
#include "comms/ListOfSfisOnNetwork.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/NmeaOverUdpController.h"
#include "comms/iec450/UdpDatagramRecord.h"
#include "comms/iec450/UdpParserClass.h"
#include "comms/iec450/UdpSentenceGroup.h"

#include "SentenceDatagrams.h"

#include <QtTest>

using namespace SentenceDatagrams;

namespace {

// A one-line datagram of a complete sentence.
QByteArray lineDatagram(const QString &tagContent, const QString &sentenceText)
{
    return datagram(QStringList { taggedLine(tagContent, sentenceText) });
}

const QString hdt = QStringLiteral("$GPHDT,123.4,T*31\r\n");
const QString vhw = sentence(QStringLiteral("VMVHW,,,,,5.0,N,,"));

QByteArrayList sentDatagrams(const QSignalSpy &spy, int index = -1)
{
    return spy.at(index < 0 ? spy.count() - 1 : index).at(0).value<QByteArrayList>();
}

QList<UdpParserClass::Line> linesOf(const QByteArray &datagram)
{
    QList<UdpParserClass::Line> lines;
    UdpParserClass::readLines(datagram, &lines);
    return lines;
}

QString tagOf(const QByteArray &datagram, int line = 0)
{
    const QList<UdpParserClass::Line> lines = linesOf(datagram);
    return line < lines.size() ? lines.at(line).tagBlock : QString();
}

// A settings sentence of the proprietary data path: "$PQRVAVG," + piece of the settings text.
QString settingsSentence(const QString &piece)
{
    return sentence("PQRVAVG," + piece);
}

} // namespace

class tst_NmeaOverUdpController : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void packsTheExampleGroup();
    void groupIdsAndLineCountsWrap();
    void counterKeysFollowTheTransmissionGroup();
    void longGroupIsSplit();
    void datagramLimit_data();
    void datagramLimit();
    void tooManySentencesForOneGroup();
    void emptyGroupSendsNothing();
    void settingsTags_data();
    void settingsTags();
    void destinationsOfConnectedDevices();
    void networkAdministration();
    void malformedDatagramsAreCountedAndDropped_data();
    void malformedDatagramsAreCountedAndDropped();
    void damagedDatagramsAreCountedOrUsed();
    void acknowledgementIsNotData();
    void twoUnitsExchangeASetupGroup();
    void sentenceDataLooksLikeTags();

private:
    ListOfSfisOnNetwork *sfis() const { return ListOfSfisOnNetwork::instance(); }
};

void tst_NmeaOverUdpController::initTestCase()
{
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
    QVERIFY(!sfis()->externalLocalSfi().isEmpty());
}

void tst_NmeaOverUdpController::packsTheExampleGroup()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    for (int i = 0; i < 6; ++i)
        controller.nextGroupId();
    for (int i = 0; i < 40; ++i)
        controller.nextLineCount(StandardSentence);

    controller.packUdp({ hdt, vhw }, StandardSentence, false, QString(), {}, "AB0001");
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sentDatagrams(sent),
        QByteArrayList { QByteArray("UdPbC", 6) + "\\g:1-2-7,s:AB0001,n:41*73\\" + hdt.toLatin1()
            + "\\g:2-2-7,s:AB0001,n:42*73\\" + vhw.toLatin1() });
    QCOMPARE(sent.first().at(1).toBool(), false);
    // The next group continues directly after the last line.
    QCOMPARE(controller.nextLineCount(StandardSentence), 43);
    QCOMPARE(controller.nextGroupId(), 8);
    // Standard sentences are not held for acknowledgement.
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 0);
}

void tst_NmeaOverUdpController::groupIdsAndLineCountsWrap()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    controller.packUdp({ hdt }, StandardSentence, false, QString(), {}, "AB0001");
    QCOMPARE(tagOf(sentDatagrams(sent).first()), QStringLiteral("g:1-1-1,s:AB0001,n:1*42"));

    for (int i = 1; i < 98; ++i)
        controller.nextGroupId();
    for (int i = 1; i < 998; ++i)
        controller.nextLineCount(StandardSentence);
    controller.packUdp({ hdt, hdt }, StandardSentence, false, QString(), {}, "AB0001");
    const QByteArray wrapped = sentDatagrams(sent).first();
    QVERIFY(tagOf(wrapped, 0).startsWith("g:1-2-99,s:AB0001,n:999*"));
    QVERIFY(tagOf(wrapped, 1).startsWith("g:2-2-99,s:AB0001,n:1*"));
    controller.packUdp({ hdt }, StandardSentence, false, QString(), {}, "AB0001");
    QVERIFY(tagOf(sentDatagrams(sent).first()).startsWith("g:1-1-1,s:AB0001,n:2*"));
}

void tst_NmeaOverUdpController::counterKeysFollowTheTransmissionGroup()
{
    NmeaOverUdpController controller(56, 5, 10);
    QCOMPARE(controller.standardGroupNumber(), 5);
    QCOMPARE(controller.nextLineCount(StandardSentence), 1);
    QCOMPARE(controller.nextLineCount(StandardSentence), 2);
    QCOMPARE(controller.nextLineCount(InternalData), 1);
    QCOMPARE(controller.nextLineCount(NetworkAdministration), 1);
    controller.setGroupNumbers(3, 9);
    QCOMPARE(controller.standardGroupNumber(), 3);
    QCOMPARE(controller.nextLineCount(StandardSentence), 1);
    // Back on the first group its own count continues.
    controller.setGroupNumbers(5, 10);
    QCOMPARE(controller.nextLineCount(StandardSentence), 3);
    QCOMPARE(controller.nextLineCount(InternalData), 2);
    // Where the local group is the transmission group, both kinds share one counter.
    controller.setGroupNumbers(4, 4);
    QCOMPARE(controller.nextLineCount(StandardSentence), 1);
    QCOMPARE(controller.nextLineCount(InternalData), 2);
}

void tst_NmeaOverUdpController::longGroupIsSplit()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    QStringList pieces;
    for (int i = 0; i < 60; ++i)
        pieces.append(settingsSentence(QString(68, QLatin1Char('a' + i % 26))));
    controller.packUdp(pieces, InternalData, false, "pqrvsetup", { "CD0002" }, "AB0001");

    const QByteArrayList datagrams = sentDatagrams(sent);
    QVERIFY(datagrams.size() > 1);
    int position = 1;
    QStringList received;
    for (int i = 0; i < datagrams.size(); ++i) {
        const QByteArray &datagram = datagrams.at(i);
        QVERIFY(datagram.size() <= 1460);
        QVERIFY(datagram.startsWith(QByteArray("UdPbC", 6)));
        for (const UdpParserClass::Line &line : linesOf(datagram)) {
            UdpParserClass::TagValues values;
            QCOMPARE(UdpParserClass::readTagBlock(line.tagBlock, &values), 0);
            QCOMPARE(values.position, position);
            QCOMPARE(values.lineCount, position);
            QCOMPARE(values.groupSize, 60);
            QCOMPARE(values.destinations, QStringList { "CD0002" });
            received.append(line.sentence);
            ++position;
        }
        // Each datagram was filled: the next line would not have fitted.
        if (i + 1 < datagrams.size()) {
            const UdpParserClass::Line next = linesOf(datagrams.at(i + 1)).first();
            QVERIFY(datagram.size() + next.tagBlock.size() + 2 + next.sentence.size() > 1460);
        }
    }
    QCOMPARE(received, pieces);
    // The settings group is held with every datagram pending for CD0002.
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 1);
    QCOMPARE(controller.nmeaOutputBuffer()->group(0)->records().size(), datagrams.size());
}

void tst_NmeaOverUdpController::datagramLimit_data()
{
    QTest::addColumn<QString>("filler");
    QTest::addColumn<int>("lineBytes");
    QTest::addColumn<bool>("sent");

    // The tag block "\g:1-1-1,s:AB0001,n:1*42\" has 25 bytes; the line is tag block plus sentence.
    QTest::newRow("1454 bytes fill a datagram") << QString("a") << 1454 << true;
    QTest::newRow("1455 bytes do not fit") << QString("a") << 1455 << false;
    // "ä" is one byte in Latin-1 (two in UTF-8) and "€" is sent as "?": the count is in bytes sent.
    QTest::newRow("Latin-1 letters fill a datagram") << QString::fromUtf8("ä") << 1454 << true;
    QTest::newRow("characters outside Latin-1") << QString::fromUtf8("€") << 1454 << true;
}

void tst_NmeaOverUdpController::datagramLimit()
{
    QFETCH(QString, filler);
    QFETCH(int, lineBytes);
    QFETCH(bool, sent);

    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy spy(&controller, &NmeaOverUdpController::sendDatagrams);
    const QString text = "$PQRVAVG," + QString(lineBytes - 25 - 9 - 5, filler.at(0)) + "*00\r\n";
    QCOMPARE(text.size() + 25, lineBytes);

    controller.packUdp({ text }, StandardSentence, false, QString(), {}, "AB0001");
    if (sent) {
        QCOMPARE(spy.count(), 1);
        const QByteArrayList datagrams = sentDatagrams(spy);
        QCOMPARE(datagrams.size(), 1);
        QCOMPARE(datagrams.first().size(), 1460);
        QCOMPARE(linesOf(datagrams.first()).first().sentence, QString::fromLatin1(text.toLatin1()));
        QCOMPARE(controller.refusedGroupCount(), 0);
    } else {
        QCOMPARE(spy.count(), 0);
        QCOMPARE(controller.refusedGroupCount(), 1);
        // Nothing was counted for the refused group: the next one gets group id 1 and line count 1.
        controller.packUdp({ hdt }, StandardSentence, false, QString(), {}, "AB0001");
        QVERIFY(tagOf(sentDatagrams(spy).first()).startsWith("g:1-1-1,s:AB0001,n:1*"));
    }
}

void tst_NmeaOverUdpController::tooManySentencesForOneGroup()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    controller.packUdp(
        QVector<QString>(1000, hdt).toList(), StandardSentence, false, QString(), {}, "AB0001");
    QCOMPARE(sent.count(), 0);
    QCOMPARE(controller.refusedGroupCount(), 1);
    controller.packUdp(QVector<QString>(999, hdt).toList(), StandardSentence, false, QString(), {}, "AB0001");
    QCOMPARE(sent.count(), 1);
    const QByteArrayList datagrams = sentDatagrams(sent);
    QVERIFY(tagOf(datagrams.last(), linesOf(datagrams.last()).size() - 1)
                .startsWith("g:999-999-1,s:AB0001,n:999*"));
}

void tst_NmeaOverUdpController::emptyGroupSendsNothing()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    controller.packUdp({}, InternalData, false, "pqrvsetup", { "CD0002" }, "AB0001");
    controller.packSerializedString(NmeaGroupInfo(QString(), {}, {}, UDP, InternalData), true);
    QCOMPARE(sent.count(), 0);
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 0);
    QCOMPARE(controller.nextGroupId(), 1);
}

void tst_NmeaOverUdpController::settingsTags_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("firstSentence");
    QTest::addColumn<QString>("textTag");
    QTest::addColumn<bool>("held");

    QTest::newRow("setup") << int(InternalData) << settingsSentence("Type_Setup,DisplaySetup,a=1")
                           << "pqrvsetup" << true;
    QTest::newRow("mark") << int(InternalData) << settingsSentence("Type_Mark,Mark,a=1") << "pqrvsetup"
                          << true;
    QTest::newRow("setup without acknowledgement")
        << int(InternalData) << settingsSentence("Type_SetupNoAck,DisplaySetup,a=1") << "pqrvruntime"
        << false;
    QTest::newRow("runtime") << int(InternalData) << settingsSentence("Type_Runtime,Runtime,a=1")
                             << "pqrvruntime" << false;
    // Only the type name counts: a value that spells a type name elsewhere does not.
    QTest::newRow("type name in a value")
        << int(InternalData) << settingsSentence("Type_Runtime,Info=Type_Setup") << "pqrvruntime" << false;
    QTest::newRow("standard sentence") << int(StandardSentence) << hdt << QString() << false;
}

void tst_NmeaOverUdpController::settingsTags()
{
    QFETCH(int, type);
    QFETCH(QString, firstSentence);
    QFETCH(QString, textTag);
    QFETCH(bool, held);

    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    const NmeaGroupInfo group(
        "AB0001", { "CD0002" }, { firstSentence, settingsSentence("rest") }, UDP, MessageType(type));
    controller.packSerializedString(group, false);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.first().at(1).toBool(), false);
    const QByteArray datagram = sentDatagrams(sent).first();
    QCOMPARE(UdpParserClass::textTag(datagram), textTag);
    if (textTag.isEmpty())
        QVERIFY(!tagOf(datagram).contains("t:"));
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), held ? 1 : 0);
}

void tst_NmeaOverUdpController::destinationsOfConnectedDevices()
{
    sfis()->connectSfi("CD0002");
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    const NmeaGroupInfo group(QString(), {}, { settingsSentence("Type_Setup,a=1") }, UDP, InternalData);

    controller.packSerializedString(group, true);
    QCOMPARE(UdpParserClass::destinationSfis(sentDatagrams(sent).first()), QStringList { "CD0002" });
    // Without a source SFI the group goes out under the unit's external SFI.
    QCOMPARE(UdpParserClass::sourceSfi(sentDatagrams(sent).first()), sfis()->externalLocalSfi());

    controller.packSerializedString(group, true, { "EF0003", "GH0004" });
    QCOMPARE(
        UdpParserClass::destinationSfis(sentDatagrams(sent).first()), QStringList({ "EF0003", "GH0004" }));

    controller.packSerializedString(group, false);
    QVERIFY(UdpParserClass::destinationSfis(sentDatagrams(sent).first()).isEmpty());

    // A group that names its destinations is sent to them, unless the caller names others.
    NmeaGroupInfo addressed = group;
    addressed.setDestinationSfis({ "IJ0005" });
    controller.packSerializedString(addressed, true);
    QCOMPARE(UdpParserClass::destinationSfis(sentDatagrams(sent).first()), QStringList { "IJ0005" });
    controller.packSerializedString(addressed, true, { "EF0003" });
    QCOMPARE(UdpParserClass::destinationSfis(sentDatagrams(sent).first()), QStringList { "EF0003" });
    sfis()->disconnectSfi("CD0002");
}

void tst_NmeaOverUdpController::networkAdministration()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    QSignalSpy administration(&controller, &NmeaOverUdpController::sendNetworkAdministrationDatagrams);
    const QString srp = sentence("GPSRP,1,2");
    controller.packSerializedString(NmeaGroupInfo("AB0001", {}, { srp }, UDP, NetworkAdministration), false);
    QCOMPARE(sent.count(), 0);
    QCOMPARE(administration.count(), 1);
    QVERIFY(tagOf(administration.first().first().value<QByteArrayList>().first()).contains("n:1*"));
    // Its own counter (key 56): the standard counter has not moved.
    QCOMPARE(controller.nextLineCount(StandardSentence), 1);
}

void tst_NmeaOverUdpController::malformedDatagramsAreCountedAndDropped_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("code");

    const QString setup = settingsSentence("Type_Setup,a=1");
    QTest::newRow("header") << QByteArray("UDPBC", 6)
            + taggedLine("g:1-1-7,s:AB0001,n:1,t:pqrvsetup", setup).toLatin1()
                            << 79;
    QTest::newRow("no s:") << lineDatagram("g:1-1-7,n:1,t:pqrvsetup", setup) << 72;
    QTest::newRow("no n:") << lineDatagram("g:1-1-7,s:AB0001,t:pqrvsetup", setup) << 72;
    QTest::newRow("tag checksum") << QByteArray("UdPbC", 6)
            + QByteArray("\\g:1-1-7,s:AB0001,n:1,t:pqrvsetup*00\\")
            + setup.toLatin1() << 71;
    QTest::newRow("no closing backslash")
        << QByteArray("UdPbC", 6) + QByteArray("\\g:1-1-7,s:AB0001,n:1,t:pqrvsetup") << 73;
    QTest::newRow("only the header") << QByteArray("UdPbC", 6) << 73;
    QTest::newRow("garbage") << QByteArray("\x01\x02\x03", 3) << 79;
    QTest::newRow("empty") << QByteArray() << 79;
    QTest::newRow("bad acknowledgement") << QByteArray("UdPbC", 6)
            + QByteArray("\\g:1-1-7,s:AB0001,n:1,t:pqrvack1-1-1-1*00\\") + NmeaOverUdpController::ackSentence
                                         << 71;
    QByteArray tooLong = lineDatagram("g:1-1-7,s:AB0001,n:1,t:pqrvsetup", setup);
    tooLong.append(QByteArray(2000, 'x'));
    QTest::newRow("too long") << tooLong << 75;
}

void tst_NmeaOverUdpController::malformedDatagramsAreCountedAndDropped()
{
    QFETCH(QByteArray, datagram);
    QFETCH(int, code);

    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    QSignalSpy parsed(controller.nmeaInputBuffer(), &NmeaInputBuffer::parse);
    ErrorLogger *errors = ErrorLogger::instance();
    const int before = errors->udpErrorCount(code);
    const int total = errors->totalUdpNmeaErrors();

    controller.processReceivedDatagram(datagram, true, false);
    QCOMPARE(errors->udpErrorCount(code), before + 1);
    QCOMPARE(errors->totalUdpNmeaErrors(), total + 1);
    QCOMPARE(sent.count(), 0); // not acknowledged
    QCOMPARE(parsed.count(), 0);
    QCOMPARE(controller.nmeaInputBuffer()->groupCount(), 0);
}

void tst_NmeaOverUdpController::damagedDatagramsAreCountedOrUsed()
{
    // Every cut and every changed byte of a good datagram is either still a well-formed datagram or is
    // counted as an error; none crashes the controller.
    NmeaOverUdpController sender(56, 5, 10);
    QSignalSpy sent(&sender, &NmeaOverUdpController::sendDatagrams);
    sender.packUdp({ settingsSentence("Type_Setup,a=1"), settingsSentence("b=2") }, InternalData, false,
        "pqrvsetup", { "CD0002" }, "AB0001");
    const QByteArray good = sentDatagrams(sent).first();

    NmeaOverUdpController receiver(56, 5, 10);
    ErrorLogger *errors = ErrorLogger::instance();
    auto errorTotal = [errors] { return errors->totalUdpNmeaErrors(); };
    QList<QByteArray> damaged;
    for (int length = 0; length < good.size(); ++length)
        damaged.append(good.left(length));
    for (int position = 0; position < good.size(); ++position) {
        QByteArray changed = good;
        changed[position] = char(changed.at(position) ^ 0x55);
        damaged.append(changed);
    }
    int counted = 0;
    for (const QByteArray &datagram : damaged) {
        const int before = errorTotal();
        const bool wellFormed = UdpDatagramRecord(datagram).isValid();
        receiver.processReceivedDatagram(datagram, true, false);
        if (!wellFormed) {
            QVERIFY2(errorTotal() > before, datagram.toPercentEncoding().constData());
            ++counted;
        }
    }
    QVERIFY(counted > good.size());
}

void tst_NmeaOverUdpController::acknowledgementIsNotData()
{
    NmeaOverUdpController controller(56, 5, 10);
    QSignalSpy sent(&controller, &NmeaOverUdpController::sendDatagrams);
    controller.packUdp(
        { settingsSentence("Type_Setup,a=1") }, InternalData, false, "pqrvsetup", { "CD0002" }, "AB0001");
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 1);

    // An acknowledgement of a key nobody holds changes nothing and is not data.
    controller.processReceivedDatagram(
        lineDatagram("g:1-1-3,s:CD0002,d:AB0001,n:5,t:pqrvack1-1-9-9", NmeaOverUdpController::ackSentence),
        true, false);
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 1);
    QCOMPARE(controller.nmeaInputBuffer()->groupCount(), 0);
    // From an SFI the group was not sent to: still held.
    controller.processReceivedDatagram(
        lineDatagram("g:1-1-3,s:EF0003,d:AB0001,n:5,t:pqrvack1-1-1-1", NmeaOverUdpController::ackSentence),
        true, false);
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 1);
    controller.processReceivedDatagram(
        lineDatagram("g:1-1-3,s:CD0002,d:AB0001,n:6,t:pqrvack1-1-1-1", NmeaOverUdpController::ackSentence),
        true, false);
    QCOMPARE(controller.nmeaOutputBuffer()->groupCount(), 0);
    QCOMPARE(controller.nmeaInputBuffer()->groupCount(), 0);
    QCOMPARE(sent.count(), 1);
}

void tst_NmeaOverUdpController::twoUnitsExchangeASetupGroup()
{
    // Unit A sends with its own SFI AB0001; unit B is this process's unit, whose register names its SFI.
    const QString b = sfis()->externalLocalSfi();
    NmeaOverUdpController unitA(56, 5, 10);
    NmeaOverUdpController unitB(56, 5, 10);
    connect(&unitA, &NmeaOverUdpController::sendDatagrams, &unitB, [&](const QByteArrayList &datagrams) {
        for (const QByteArray &datagram : datagrams)
            unitB.processReceivedDatagram(datagram, true, false);
    });
    QSignalSpy fromB(&unitB, &NmeaOverUdpController::sendDatagrams);
    QSignalSpy parsed(unitB.nmeaInputBuffer(), &NmeaInputBuffer::parse);

    QStringList pieces;
    for (int i = 0; i < 30; ++i)
        pieces.append(
            settingsSentence(i == 0 ? "Type_Setup,DisplaySetup,SystemName=x" : QString(68, 'a' + i % 26)));
    unitA.packSerializedString(NmeaGroupInfo("AB0001", { b }, pieces, UDP, InternalData), false);

    QCOMPARE(parsed.count(), 1);
    const NmeaGroupInfo group = parsed.first().first().value<NmeaGroupInfo>();
    QCOMPARE(group.messages(), pieces);
    QCOMPARE(group.messageType(), InternalData);
    QCOMPARE(group.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(group.destinationSfis(), QStringList { b });

    // One acknowledgement per datagram, addressed to A.
    const int datagrams = unitA.nmeaOutputBuffer()->group(0)->records().size();
    QVERIFY(datagrams > 1);
    QCOMPARE(fromB.count(), datagrams);
    for (int i = 0; i < fromB.count(); ++i) {
        const QByteArray ack = sentDatagrams(fromB, i).first();
        QVERIFY(UdpParserClass::isAcknowledgementDatagram(ack));
        QCOMPARE(UdpParserClass::destinationSfis(ack), QStringList { "AB0001" });
        QCOMPARE(UdpParserClass::sourceSfi(ack), b);
        QCOMPARE(linesOf(ack).first().sentence, QString::fromLatin1(NmeaOverUdpController::ackSentence));
        QVERIFY(UdpParserClass::textTag(ack).startsWith("pqrvack"));
    }

    // The acknowledgements reach A one by one: the group is released with the last.
    for (int i = 0; i < fromB.count(); ++i) {
        QCOMPARE(unitA.nmeaOutputBuffer()->groupCount(), 1);
        unitA.processReceivedDatagram(sentDatagrams(fromB, i).first(), true, false);
    }
    QCOMPARE(unitA.nmeaOutputBuffer()->groupCount(), 0);
}

void tst_NmeaOverUdpController::sentenceDataLooksLikeTags()
{
    // A settings group whose data holds tag-block texts arrives whole and is acknowledged.
    const QString b = sfis()->externalLocalSfi();
    NmeaOverUdpController unitA(56, 5, 10);
    NmeaOverUdpController unitB(56, 5, 10);
    QSignalSpy fromA(&unitA, &NmeaOverUdpController::sendDatagrams);
    QSignalSpy fromB(&unitB, &NmeaOverUdpController::sendDatagrams);
    QSignalSpy parsed(unitB.nmeaInputBuffer(), &NmeaInputBuffer::parse);
    const QStringList pieces = { settingsSentence("Type_Setup,DisplaySetup,Name=n:1,d:ZZ9999,s:QQ0000,"),
        settingsSentence("t:pqrvack1-1-1-1,Path=C:\\temp,g:1-1-1") };
    unitA.packSerializedString(NmeaGroupInfo("AB0001", { b }, pieces, UDP, InternalData), false);
    for (const QByteArray &datagram : sentDatagrams(fromA))
        unitB.processReceivedDatagram(datagram, true, false);
    QCOMPARE(parsed.count(), 1);
    QCOMPARE(parsed.first().first().value<NmeaGroupInfo>().messages(), pieces);
    QCOMPARE(fromB.count(), 1);
    unitA.processReceivedDatagram(sentDatagrams(fromB).first(), true, false);
    QCOMPARE(unitA.nmeaOutputBuffer()->groupCount(), 0);
}

QTEST_GUILESS_MAIN(tst_NmeaOverUdpController)
#include "tst_nmeaoverudpcontroller.moc"
