// The input buffer that assembles received sentence groups and the output buffer that resends settings
// groups until they are acknowledged. The buffers run on real timers with a short period; each test
// records the buffer's state after every tick of the buffer's own timer.

#include "comms/NmeaGroupInfo.h"
#include "comms/iec450/NmeaInputBuffer.h"
#include "comms/iec450/NmeaOutputBuffer.h"
#include "comms/iec450/UdpDatagramRecord.h"
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

const int shortPeriod = 10;
const QString hdt = QStringLiteral("$GPHDT,123.4,T*31\r\n");

QString part(int position)
{
    return sentence(QStringLiteral("PQRVAVG,piece%1").arg(position));
}

UdpDatagramRecord received(int position, int count, int groupId, int firstLineCount,
    const QString &source = "AB0001", const QString &textTag = QString())
{
    QString tag = QStringLiteral("g:%1-%2-%3,s:%4,d:CD0002,n:%5")
                      .arg(position)
                      .arg(count)
                      .arg(groupId)
                      .arg(source)
                      .arg(firstLineCount + position - 1);
    if (!textTag.isEmpty())
        tag += ",t:" + textTag;
    return UdpDatagramRecord(lineDatagram(tag, part(position)));
}

// Calls `probe` after every tick of the buffer's timer, after the buffer's own handling.
template <typename Probe> void afterEachTick(NmeaBufferClass *buffer, Probe probe)
{
    QTimer *timer = buffer->findChild<QTimer *>();
    QVERIFY(timer);
    QObject::connect(timer, &QTimer::timeout, buffer, probe);
}

} // namespace

class tst_NmeaBuffers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void deliversOnceInGroupOrder();
    void messageTypeFromTextTag_data();
    void messageTypeFromTextTag();
    void repeatedSettingsDatagramAcknowledgedEachTime();
    void sourcesAssembledSeparately();
    void staleGroupDoesNotAbsorbANewOne();
    void incompleteGroupTimesOut();
    void heldGroupsAreBounded();
    void resendsTenTimesThenReportsLoss();
    void resendReachesOnlyTheSilentDestination();
    void groupWithoutDestinations();
    void sameGroupIdReplaces();
};

void tst_NmeaBuffers::initTestCase()
{
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
}

void tst_NmeaBuffers::deliversOnceInGroupOrder()
{
    NmeaInputBuffer buffer(60000);
    QSignalSpy parsed(&buffer, &NmeaInputBuffer::parse);
    buffer.addDatagram(received(2, 3, 7, 41));
    buffer.addDatagram(received(3, 3, 7, 41));
    QCOMPARE(parsed.count(), 0);
    QCOMPARE(buffer.groupCount(), 1);
    buffer.addDatagram(received(1, 3, 7, 41));
    QCOMPARE(parsed.count(), 1);
    const NmeaGroupInfo group = parsed.first().first().value<NmeaGroupInfo>();
    // The order of the group, not of arrival: the pieces of a settings text are joined in this order.
    QCOMPARE(group.messages(), QStringList({ part(1), part(2), part(3) }));
    QCOMPARE(group.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(group.destinationSfis(), QStringList { "CD0002" });
    QCOMPARE(group.port(), UDP);
    QCOMPARE(buffer.groupCount(), 0);
}

void tst_NmeaBuffers::messageTypeFromTextTag_data()
{
    QTest::addColumn<QString>("textTag");
    QTest::addColumn<int>("type");

    QTest::newRow("setup") << "pqrvsetup" << int(InternalData);
    QTest::newRow("runtime") << "pqrvruntime" << int(InternalData);
    QTest::newRow("standard") << QString() << int(StandardSentence);
}

void tst_NmeaBuffers::messageTypeFromTextTag()
{
    QFETCH(QString, textTag);
    QFETCH(int, type);

    NmeaInputBuffer buffer(60000);
    QSignalSpy parsed(&buffer, &NmeaInputBuffer::parse);
    buffer.addDatagram(received(1, 1, 5, 10, "AB0001", textTag));
    QCOMPARE(parsed.count(), 1);
    const NmeaGroupInfo group = parsed.first().first().value<NmeaGroupInfo>();
    QCOMPARE(int(group.messageType()), type);
    QCOMPARE(group.port(), UDP);
}

void tst_NmeaBuffers::repeatedSettingsDatagramAcknowledgedEachTime()
{
    NmeaInputBuffer buffer(60000);
    QSignalSpy acks(&buffer, &NmeaInputBuffer::emitAckSignal);
    QSignalSpy parsed(&buffer, &NmeaInputBuffer::parse);
    buffer.addDatagram(received(1, 2, 7, 41, "AB0001", "pqrvsetup"));
    buffer.addDatagram(received(1, 2, 7, 41, "AB0001", "pqrvsetup"));
    QCOMPARE(acks.count(), 2);
    QCOMPARE(acks.at(1), QVariantList({ "1-2-7-41", "AB0001" }));
    QCOMPARE(buffer.group(0)->sentencesReceived(), 1);
    buffer.addDatagram(received(2, 2, 7, 41, "AB0001", "pqrvsetup"));
    QCOMPARE(acks.count(), 3);
    QCOMPARE(parsed.count(), 1);
    // A resend after the group was delivered (its acknowledgement was lost) is answered and delivered again.
    buffer.addDatagram(received(1, 2, 7, 41, "AB0001", "pqrvsetup"));
    buffer.addDatagram(received(2, 2, 7, 41, "AB0001", "pqrvsetup"));
    QCOMPARE(acks.count(), 5);
    QCOMPARE(parsed.count(), 2);
}

void tst_NmeaBuffers::sourcesAssembledSeparately()
{
    NmeaInputBuffer buffer(60000);
    QSignalSpy parsed(&buffer, &NmeaInputBuffer::parse);
    buffer.addDatagram(received(1, 2, 7, 41, "AB0001"));
    buffer.addDatagram(received(1, 2, 7, 41, "EF0003"));
    QCOMPARE(buffer.groupCount(), 2);
    buffer.addDatagram(received(2, 2, 7, 41, "EF0003"));
    QCOMPARE(parsed.count(), 1);
    QCOMPARE(parsed.first().first().value<NmeaGroupInfo>().sourceSfi(), QStringLiteral("EF0003"));
    QCOMPARE(buffer.groupCount(), 1);
    QCOMPARE(buffer.group(0)->sourceSfi(), QStringLiteral("AB0001"));
}

void tst_NmeaBuffers::staleGroupDoesNotAbsorbANewOne()
{
    NmeaInputBuffer buffer(60000);
    QSignalSpy parsed(&buffer, &NmeaInputBuffer::parse);
    // The first group lost its second datagram. Ninety-nine groups later the group id 7 comes again.
    buffer.addDatagram(received(1, 2, 7, 41));
    buffer.addDatagram(received(2, 2, 7, 300));
    QCOMPARE(parsed.count(), 0);
    QCOMPARE(buffer.groupCount(), 2);
    buffer.addDatagram(received(1, 2, 7, 300));
    QCOMPARE(parsed.count(), 1);
    const NmeaGroupInfo group = parsed.first().first().value<NmeaGroupInfo>();
    QCOMPARE(group.messages(), QStringList({ part(1), part(2) }));
    QCOMPARE(buffer.groupCount(), 1);
    QCOMPARE(buffer.group(0)->startLineCount(), 41);
}

void tst_NmeaBuffers::incompleteGroupTimesOut()
{
    NmeaInputBuffer buffer(shortPeriod);
    QList<int> held;
    afterEachTick(&buffer, [&] { held.append(buffer.groupCount()); });
    buffer.addDatagram(received(1, 2, 7, 41));
    QTRY_VERIFY(held.size() >= 23);
    QCOMPARE(held.at(20), 1); // after the 21st tick
    QCOMPARE(held.at(21), 0); // after the 22nd
}

void tst_NmeaBuffers::heldGroupsAreBounded()
{
    NmeaInputBuffer buffer(60000);
    for (int i = 0; i < NmeaInputBuffer::maxGroups + 5; ++i)
        buffer.addDatagram(
            received(1, 2, i % 99 + 1, i % 999 + 1, QStringLiteral("AB%1").arg(i, 4, 10, QLatin1Char('0'))));
    QCOMPARE(buffer.groupCount(), NmeaInputBuffer::maxGroups);
    QCOMPARE(buffer.group(0)->sourceSfi(), QStringLiteral("AB0005"));
}

namespace {

UdpSentenceGroup sentGroup(int groupId, const QStringList &destinations, int datagrams = 1)
{
    UdpSentenceGroup group;
    const QString d = destinations.isEmpty() ? QString() : ",d:" + destinations.join(",d:");
    for (int i = 1; i <= datagrams; ++i) {
        UdpDatagramRecord record(lineDatagram(QStringLiteral("g:%1-%2-%3,s:AB0001%4,n:%5,t:pqrvsetup")
                                                  .arg(i)
                                                  .arg(datagrams)
                                                  .arg(groupId)
                                                  .arg(d)
                                                  .arg(100 + i),
                                     part(i)),
            destinations);
        record.setInternalInterface(false);
        group.appendSentDatagram(record);
    }
    return group;
}

} // namespace

void tst_NmeaBuffers::resendsTenTimesThenReportsLoss()
{
    NmeaOutputBuffer buffer(shortPeriod);
    QSignalSpy resent(&buffer, &NmeaOutputBuffer::resendDatagram);
    QSignalSpy lost(&buffer, &NmeaOutputBuffer::lostCommunicationWithSfi);
    QList<int> resendsAfterTick;
    QList<int> lossesAfterTick;
    afterEachTick(&buffer, [&] {
        resendsAfterTick.append(resent.count());
        lossesAfterTick.append(lost.count());
    });
    buffer.addGroup(sentGroup(7, { "CD0002" }));
    QTRY_VERIFY(resendsAfterTick.size() >= 14);
    QCOMPARE(resendsAfterTick.mid(0, 13), QList<int>({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10 }));
    QCOMPARE(lossesAfterTick.mid(0, 13), QList<int>({ 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1 }));
    QCOMPARE(lost.first(), QVariantList { "CD0002" });
    QCOMPARE(resent.first().at(0).value<QByteArrayList>(),
        QByteArrayList { sentGroup(7, { "CD0002" }).records().first().datagram() });
    QCOMPARE(resent.first().at(1).toBool(), false);
    QCOMPARE(buffer.groupCount(), 0);
}

void tst_NmeaBuffers::resendReachesOnlyTheSilentDestination()
{
    NmeaOutputBuffer buffer(shortPeriod);
    QSignalSpy resent(&buffer, &NmeaOutputBuffer::resendDatagram);
    QSignalSpy lost(&buffer, &NmeaOutputBuffer::lostCommunicationWithSfi);
    buffer.addGroup(sentGroup(7, { "CD0002", "EF0003" }, 2));
    // CD0002 answers the first datagram only; EF0003 never answers.
    UdpSentenceGroup *group = nullptr;
    UdpDatagramRecord *record = buffer.findDatagram("1-2-7-101", &group);
    QVERIFY(record);
    QVERIFY(group);
    record->acknowledge("CD0002");
    QTRY_COMPARE(lost.count(), 2);
    const QByteArray first = resent.first().at(0).value<QByteArrayList>().first();
    QVERIFY(first.contains("d:EF0003"));
    QVERIFY(!first.contains("d:CD0002"));
    // Every SFI that still owed an acknowledgement is reported once.
    QCOMPARE(lost.at(0), QVariantList { "EF0003" });
    QCOMPARE(lost.at(1), QVariantList { "CD0002" });
    QCOMPARE(buffer.groupCount(), 0);
}

void tst_NmeaBuffers::groupWithoutDestinations()
{
    NmeaOutputBuffer buffer(shortPeriod);
    QSignalSpy resent(&buffer, &NmeaOutputBuffer::resendDatagram);
    QSignalSpy lost(&buffer, &NmeaOutputBuffer::lostCommunicationWithSfi);
    buffer.addGroup(sentGroup(7, {}));
    QTRY_COMPARE(buffer.groupCount(), 0);
    QCOMPARE(resent.count(), 10);
    QCOMPARE(lost.count(), 0);

    // An empty group is not kept: nothing would ever remove it.
    buffer.addGroup(UdpSentenceGroup());
    QCOMPARE(buffer.groupCount(), 0);
}

void tst_NmeaBuffers::sameGroupIdReplaces()
{
    NmeaOutputBuffer buffer(60000);
    buffer.addGroup(sentGroup(7, { "CD0002" }));
    buffer.addGroup(sentGroup(8, { "CD0002" }));
    buffer.addGroup(sentGroup(7, { "EF0003" }));
    QCOMPARE(buffer.groupCount(), 2);
    QCOMPARE(buffer.group(0)->groupId(), QStringLiteral("8"));
    QCOMPARE(buffer.group(1)->destinationSfis(), QStringList { "EF0003" });
    UdpSentenceGroup *group = nullptr;
    QVERIFY(buffer.findDatagram("1-1-7-101", &group));
    buffer.removeGroup(group);
    QCOMPARE(buffer.groupCount(), 1);
    QVERIFY(!buffer.findDatagram("1-1-7-101"));
}

QTEST_GUILESS_MAIN(tst_NmeaBuffers)
#include "tst_nmeabuffers.moc"
