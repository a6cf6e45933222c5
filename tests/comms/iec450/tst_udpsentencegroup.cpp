// Datagram records and sentence groups: what a record reads from its datagram, acknowledgements of a
// sent datagram, and how a group learns its identity, counts its sentences and becomes complete.

#include "comms/ErrorLogger.h"
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

// A one-line datagram of a group from AB0001.
QByteArray groupLine(int position, int count, int groupId, int lineCount, const QString &source = "AB0001")
{
    return lineDatagram(QStringLiteral("g:%1-%2-%3,s:%4,n:%5")
                            .arg(position)
                            .arg(count)
                            .arg(groupId)
                            .arg(source)
                            .arg(lineCount),
        hdt);
}

} // namespace

class tst_UdpSentenceGroup : public QObject
{
    Q_OBJECT

private slots:
    void recordValidity_data();
    void recordValidity();
    void recordIdentity_data();
    void recordIdentity();
    void recordSentences();
    void keptRecordGoesToItsOwnBytes();
    void acknowledgeByDestinations();
    void acknowledgeWithoutDestinations();
    void groupCompletes();
    void groupKeepsTheGroupOrder();
    void groupRefusesWhatDoesNotFit();
    void sentenceWithoutDollarIsAFramingError();
    void keys();
    void removeByIdentity();
};

void tst_UdpSentenceGroup::recordValidity_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("fault");

    QTest::newRow("valid") << groupLine(1, 1, 7, 41) << 0;
    QTest::newRow("no header") << QByteArray("XdPbC", 6) + taggedLine("g:1-1-7,s:AB0001,n:41", hdt).toLatin1()
                               << 79;
    QTest::newRow("header without NUL")
        << QByteArray("UdPbC") + taggedLine("g:1-1-7,s:AB0001,n:41", hdt).toLatin1() << 79;
    QTest::newRow("only the header") << QByteArray("UdPbC", 6) << 73;
    QTest::newRow("line without tag block")
        << datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), hdt }) << 73;
    QTest::newRow("bad checksum") << QByteArray("UdPbC", 6) + QByteArray("\\g:1-1-7,s:AB0001,n:41*00\\")
            + hdt.toLatin1() << 71;
    QTest::newRow("no checksum") << QByteArray("UdPbC", 6) + QByteArray("\\g:1-1-7,s:AB0001,n:41\\")
            + hdt.toLatin1() << 71;
    QTest::newRow("no s:") << lineDatagram("g:1-1-7,n:41", hdt) << 72;
    QTest::newRow("no n:") << lineDatagram("g:1-1-7,s:AB0001", hdt) << 72;
    QTest::newRow("bad g:") << lineDatagram("g:1-1,s:AB0001,n:41", hdt) << 72;
    QTest::newRow("bad d: on the second line") << datagram(
        { taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:AB0001,d:CD02,n:42", hdt) })
                                               << 72;
    QTest::newRow("lines of two groups")
        << datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-8,s:AB0001,n:42", hdt) })
        << 72;
    QTest::newRow("lines out of order")
        << datagram({ taggedLine("g:2-2-7,s:AB0001,n:41", hdt), taggedLine("g:1-2-7,s:AB0001,n:42", hdt) })
        << 72;
    QTest::newRow("lines of two sources")
        << datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:CD0002,n:42", hdt) })
        << 72;
    QTest::newRow("a line without g: among grouped ones")
        << datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("s:AB0001,n:42", hdt) }) << 72;
    QByteArray tooLong = groupLine(1, 1, 7, 41);
    tooLong.append(QByteArray(1461 - tooLong.size(), 'x'));
    QTest::newRow("1461 bytes") << tooLong << 75;
}

void tst_UdpSentenceGroup::recordValidity()
{
    QFETCH(QByteArray, datagram);
    QFETCH(int, fault);

    const UdpDatagramRecord record(datagram);
    QCOMPARE(record.faultCode(), fault);
    QCOMPARE(record.isValid(), fault == 0);
    QCOMPARE(record.age(), -1);
    QVERIFY(!record.isAcknowledged());
    QVERIFY(record.isInternalInterface());
}

void tst_UdpSentenceGroup::recordIdentity_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<int>("groupSize");
    QTest::addColumn<int>("firstPosition");
    QTest::addColumn<int>("startLineCount");
    QTest::addColumn<bool>("needsAck");

    QTest::newRow("first line") << groupLine(1, 3, 7, 41) << "1-3-7-41"
                                << "7" << 3 << 1 << 41 << false;
    QTest::newRow("third line") << groupLine(3, 3, 7, 43) << "3-3-7-43"
                                << "7" << 3 << 3 << 41 << false;
    QTest::newRow("counter wrapped inside the group") << groupLine(3, 3, 7, 1) << "3-3-7-1"
                                                      << "7" << 3 << 3 << 998 << false;
    QTest::newRow("two lines") << datagram({ taggedLine("g:2-3-9,s:AB0001,n:11,t:pqrvsetup", hdt),
        taggedLine("g:3-3-9,s:AB0001,n:12,t:pqrvsetup", hdt) })
                               << "3-3-9-11"
                               << "9" << 3 << 2 << 10 << true;
    QTest::newRow("no g:") << datagram({ taggedLine("s:AB0001,n:12", hdt), taggedLine("s:AB0001,n:13", hdt) })
                           << "1-1-1-12"
                           << "1" << 2 << 1 << 12 << false;
}

void tst_UdpSentenceGroup::recordIdentity()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, key);
    QFETCH(QString, groupId);
    QFETCH(int, groupSize);
    QFETCH(int, firstPosition);
    QFETCH(int, startLineCount);
    QFETCH(bool, needsAck);

    const UdpDatagramRecord record(datagram);
    QVERIFY(record.isValid());
    QCOMPARE(record.key(), key);
    QCOMPARE(record.sourceSfi(), QStringLiteral("AB0001"));
    QCOMPARE(record.groupId(), groupId);
    QCOMPARE(record.groupSize(), groupSize);
    QCOMPARE(record.firstPosition(), firstPosition);
    QCOMPARE(record.groupStartLineCount(), startLineCount);
    QCOMPARE(record.needsAcknowledgement(), needsAck);
}

void tst_UdpSentenceGroup::keptRecordGoesToItsOwnBytes()
{
    // The intake keeps the record of the bytes it passes on; the controller takes it for those bytes.
    // An aged record marks the kept one: a new reading has the age -1.
    const QByteArray first = groupLine(1, 1, 7, 41);
    UdpDatagramRecord kept(first);
    kept.incrementAge();
    UdpDatagramRecord::keepReceived(kept);

    // Equal bytes elsewhere in memory, or other bytes, are read anew.
    const QByteArray equal(first.constData(), first.size());
    QCOMPARE(UdpDatagramRecord::received(equal).age(), -1);
    const UdpDatagramRecord other = UdpDatagramRecord::received(groupLine(1, 1, 8, 42));
    QCOMPARE(other.key(), QStringLiteral("1-1-8-42"));
    QCOMPARE(other.age(), -1);

    // The bytes as a queued connection hands them on: the kept record, once.
    const QByteArray passedOn = first;
    const UdpDatagramRecord taken = UdpDatagramRecord::received(passedOn);
    QCOMPARE(taken.age(), 0);
    QCOMPARE(taken.key(), QStringLiteral("1-1-7-41"));
    QCOMPARE(UdpDatagramRecord::received(passedOn).age(), -1);

    // Records nobody takes are dropped, the oldest first.
    UdpDatagramRecord::keepReceived(kept);
    QList<QByteArray> others;
    for (int i = 0; i < UdpDatagramRecord::maxKeptRecords; ++i) {
        others << groupLine(1, 1, 9, i % 999 + 1);
        UdpDatagramRecord::keepReceived(UdpDatagramRecord(others.last()));
    }
    QCOMPARE(UdpDatagramRecord::received(passedOn).age(), -1);
    for (const QByteArray &bytes : qAsConst(others))
        UdpDatagramRecord::received(bytes);
}

void tst_UdpSentenceGroup::recordSentences()
{
    const UdpDatagramRecord two(
        datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:AB0001,n:42", vhw) }));
    QCOMPARE(two.sentences(), QStringList({ hdt, vhw }));
    QCOMPARE(two.sentenceCount(), 2);

    const UdpDatagramRecord corrupt(
        QByteArray("UdPbC", 6) + QByteArray("\\g:1-1-7,s:AB0001,n:41*00\\") + hdt.toLatin1());
    QVERIFY(corrupt.sentences().isEmpty());

    // A settings sentence containing "n:" is a sentence, not a tag block.
    const QString tricky = sentence("PQRVAVG,Type_Setup,DisplaySetup,Info=n:5\\s:QQ0000");
    const UdpDatagramRecord settings(lineDatagram("g:1-1-7,s:AB0001,d:CD0002,n:41,t:pqrvsetup", tricky));
    QVERIFY(settings.isValid());
    QCOMPARE(settings.sentences(), QStringList { tricky });
    QCOMPARE(settings.sentenceCount(), 1);

    const UdpDatagramRecord exclamation(
        lineDatagram("g:1-1-7,s:AB0001,n:41", "!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0*47\r\n"));
    QCOMPARE(exclamation.sentenceCount(), 0);
    const UdpDatagramRecord unterminated(lineDatagram("g:1-1-7,s:AB0001,n:41", "$GPHDT,123.4,T*31"));
    QCOMPARE(unterminated.sentenceCount(), 0);
}

void tst_UdpSentenceGroup::acknowledgeByDestinations()
{
    const QByteArray sent = lineDatagram("g:1-1-7,s:AB0001,d:CD0002,d:EF0003,n:41,t:pqrvsetup", hdt);
    UdpDatagramRecord record(sent, { "CD0002", "EF0003" });

    record.acknowledge("GH0004");
    QCOMPARE(record.datagram(), sent);
    QCOMPARE(record.pendingDestinations(), QStringList({ "CD0002", "EF0003" }));

    record.acknowledge("CD0002");
    QVERIFY(!record.isAcknowledged());
    QCOMPARE(record.datagram(), lineDatagram("g:1-1-7,s:AB0001,d:EF0003,n:41,t:pqrvsetup", hdt));
    QCOMPARE(record.key(), QStringLiteral("1-1-7-41"));

    record.acknowledge("EF0003");
    QVERIFY(record.isAcknowledged());
    QVERIFY(record.pendingDestinations().isEmpty());
    QCOMPARE(record.datagram(), lineDatagram("g:1-1-7,s:AB0001,d:EF0003,n:41,t:pqrvsetup", hdt));
}

void tst_UdpSentenceGroup::acknowledgeWithoutDestinations()
{
    UdpDatagramRecord record(lineDatagram("g:1-1-7,s:AB0001,n:41,t:pqrvsetup", hdt));
    record.acknowledge("ZZ0009");
    QVERIFY(record.isAcknowledged());
}

void tst_UdpSentenceGroup::groupCompletes()
{
    UdpSentenceGroup group;
    QCOMPARE(group.numberOfSentences(), -1);
    group.addDatagram(UdpDatagramRecord(groupLine(1, 3, 7, 41)));
    group.addDatagram(UdpDatagramRecord(groupLine(2, 3, 7, 42)));
    QCOMPARE(group.groupId(), QStringLiteral("7"));
    QCOMPARE(group.numberOfSentences(), 3);
    QCOMPARE(group.startLineCount(), 41);
    QCOMPARE(group.sourceSfi(), QStringLiteral("AB0001"));
    QVERIFY(!group.isComplete());

    // A repeat changes nothing.
    group.addDatagram(UdpDatagramRecord(groupLine(2, 3, 7, 42)));
    QCOMPARE(group.sentencesReceived(), 2);
    QCOMPARE(group.records().size(), 2);

    group.addDatagram(UdpDatagramRecord(groupLine(3, 3, 7, 43)));
    QVERIFY(group.isComplete());
    QCOMPARE(group.sentences().size(), 3);

    QVERIFY(group.matchesRecord(UdpDatagramRecord(groupLine(2, 3, 7, 42))));
    // The same group id and size with another first line is another group.
    QVERIFY(!group.matchesRecord(UdpDatagramRecord(groupLine(1, 3, 7, 500))));
    QVERIFY(!group.matchesRecord(UdpDatagramRecord(groupLine(1, 2, 7, 41))));
}

void tst_UdpSentenceGroup::groupKeepsTheGroupOrder()
{
    const QStringList parts
        = { sentence("PQRVAVG,Type_Setup,part1"), sentence("PQRVAVG,part2"), sentence("PQRVAVG,part3") };
    UdpSentenceGroup group;
    for (int position : { 2, 3, 1 })
        group.addDatagram(UdpDatagramRecord(lineDatagram(
            QStringLiteral("g:%1-3-7,s:AB0001,n:%2,t:pqrvsetup").arg(position).arg(40 + position),
            parts.at(position - 1))));
    QVERIFY(group.isComplete());
    QCOMPARE(group.sentences(), parts);
}

void tst_UdpSentenceGroup::groupRefusesWhatDoesNotFit()
{
    const int before = ErrorLogger::instance()->udpErrorCount(72);
    UdpSentenceGroup group;
    group.addDatagram(UdpDatagramRecord(
        datagram({ taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:AB0001,n:42", hdt) })));
    QVERIFY(group.isComplete());
    // Same identity, another key: two more sentences cannot belong to a group of two.
    group.addDatagram(UdpDatagramRecord(groupLine(2, 2, 7, 42)));
    QCOMPARE(group.records().size(), 1);
    QCOMPARE(group.sentencesReceived(), 2);
    QCOMPARE(ErrorLogger::instance()->udpErrorCount(72), before + 1);
}

void tst_UdpSentenceGroup::sentenceWithoutDollarIsAFramingError()
{
    ErrorLogger *errors = ErrorLogger::instance();
    const int framing = errors->nmeaErrorCount(2, 3);
    const int code76 = errors->udpErrorCount(76);
    UdpSentenceGroup group;
    group.addDatagram(UdpDatagramRecord(lineDatagram("g:1-1-7,s:AB0001,n:41", "!AIVDM,1,1,,A,1,0*00\r\n")));
    QCOMPARE(group.sentencesReceived(), 0);
    QVERIFY(group.records().isEmpty());
    QVERIFY(!group.isComplete());
    QCOMPARE(errors->nmeaErrorCount(2, 3), framing + 1);
    QCOMPARE(errors->udpErrorCount(76), code76 + 1);
}

void tst_UdpSentenceGroup::keys()
{
    UdpSentenceGroup group;
    group.setFromKey("1-2");
    QCOMPARE(group.numberOfSentences(), -1);
    QVERIFY(!group.matchesKey("1-2"));
    group.setFromKey("2-3-7-41");
    QCOMPARE(group.groupId(), QStringLiteral("7"));
    QCOMPARE(group.numberOfSentences(), 3);
    QVERIFY(group.matchesKey("1-3-7"));
    QVERIFY(!group.matchesKey("1-3-8-5"));
    QVERIFY(!group.matchesKey("1-4-7-5"));
}

void tst_UdpSentenceGroup::removeByIdentity()
{
    UdpSentenceGroup group;
    group.appendSentDatagram(UdpDatagramRecord(groupLine(1, 2, 7, 41)));
    group.appendSentDatagram(UdpDatagramRecord(groupLine(2, 2, 7, 42)));
    const UdpDatagramRecord copy = group.records().first();
    group.removeDatagram(&copy);
    QCOMPARE(group.records().size(), 2);

    UdpDatagramRecord *held = group.findDatagram("1-2-7-41");
    QVERIFY(held);
    held->acknowledge("CD0002");
    QVERIFY(held->isAcknowledged());
    QVERIFY(!group.allAcknowledged());
    group.removeDatagram(held);
    QCOMPARE(group.records().size(), 1);
    QCOMPARE(group.records().first().key(), QStringLiteral("2-2-7-42"));
    QVERIFY(group.acknowledgeDatagram("2-2-7-42", "CD0002"));
    QVERIFY(group.allAcknowledged());
    QVERIFY(!group.acknowledgeDatagram("9-9-9-9", "CD0002"));
}

QTEST_GUILESS_MAIN(tst_UdpSentenceGroup)
#include "tst_udpsentencegroup.moc"
