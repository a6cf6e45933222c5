// The codec of IEC 61162-450 sentence datagrams: tag blocks as written, the parameter checks, the values
// read out of received datagrams, and the edits of a stored datagram's destinations.

#include "comms/iec450/UdpParserClass.h"
#include "nmea/NmeaChecksum.h"

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

// A settings sentence whose data looks like tag-block parameters: "n:", "s:", "d:", "t:pqrv" and a
// backslash are all ordinary characters of a settings value.
QString trickySettingsSentence()
{
    return sentence(
        QStringLiteral("PQRVAVG,Type_Setup,DisplaySetup,SystemName=n:5,d:ZZ9999,s:QQ0000,t:pqrvack1-1-1-1,"
                       "Path=C:\\x"));
}

} // namespace

class tst_UdpParserClass : public QObject
{
    Q_OBJECT

private slots:
    void buildTagBlock_data();
    void buildTagBlock();
    void checks_data();
    void checks();
    void groupKey_data();
    void groupKey();
    void tagChecksums_data();
    void tagChecksums();
    void readLines_data();
    void readLines();
    void sentenceDataIsNeverATagBlock();
    void destinationsAndSource();
    void textTags_data();
    void textTags();
    void removeDestination();
    void addDestination();
    void prependHeader();
};

void tst_UdpParserClass::buildTagBlock_data()
{
    QTest::addColumn<QStringList>("destinations");
    QTest::addColumn<QString>("textTag");
    QTest::addColumn<QString>("tagBlock");
    QTest::addColumn<QString>("checksum");

    QTest::newRow("plain") << QStringList() << QString() << "\\g:1-2-7,s:AB0001,n:41"
                           << "73";
    QTest::newRow("one destination") << QStringList { "CD0002" } << QString()
                                     << "\\g:1-2-7,s:AB0001,d:CD0002,n:41"
                                     << "04";
    QTest::newRow("noTag is no tag") << QStringList() << "noTag"
                                     << "\\g:1-2-7,s:AB0001,n:41"
                                     << "73";
    QTest::newRow("two destinations and a tag")
        << QStringList { "CD0002", "EF0003" } << "pqrvsetup"
        << "\\g:1-2-7,s:AB0001,d:CD0002,d:EF0003,n:41,t:pqrvsetup" << QString();
}

void tst_UdpParserClass::buildTagBlock()
{
    QFETCH(QStringList, destinations);
    QFETCH(QString, textTag);
    QFETCH(QString, tagBlock);
    QFETCH(QString, checksum);

    const QString built
        = UdpParserClass::buildTagBlock(QStringLiteral("AB0001"), destinations, 1, 2, textTag, 7, 41);
    QCOMPARE(built, tagBlock);
    if (!checksum.isEmpty())
        QCOMPARE(nmeaStringChecksum(built.mid(1)), checksum);
    // What is written passes every check of what is read.
    QCOMPARE(UdpParserClass::checkSourceTag(built + "*00"), 0);
    QCOMPARE(UdpParserClass::checkLineTag(built + "*00"), 0);
    QVERIFY(UdpParserClass::checkDestinationTags(built + "*00") >= 0);
    QCOMPARE(UdpParserClass::checkGroupTag(built + "*00"), 0);
}

void tst_UdpParserClass::checks_data()
{
    QTest::addColumn<QString>("tagBlock");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("destinations");
    QTest::addColumn<int>("group");

    QTest::newRow("valid") << "g:1-2-7,s:AB0001,d:CD0002,n:41*04" << 0 << 0 << 0 << 0;
    QTest::newRow("five-character source") << "s:AB001,n:1*00" << -3 << 0 << 1 << 1;
    QTest::newRow("source without end") << "n:1,s:AB0001" << -2 << 0 << 1 << 1;
    QTest::newRow("no source") << "g:1-1-1,n:1*00" << -1 << 0 << 1 << 0;
    QTest::newRow("line count 0") << "s:AB0001,n:0*00" << 0 << -4 << 1 << 1;
    QTest::newRow("line count 1000") << "s:AB0001,n:1000*00" << 0 << -4 << 1 << 1;
    QTest::newRow("line count 999") << "s:AB0001,n:999*00" << 0 << 0 << 1 << 1;
    QTest::newRow("line count not a number") << "s:AB0001,n:4x*00" << 0 << -3 << 1 << 1;
    QTest::newRow("line count without end") << "s:AB0001,n:5" << 0 << -2 << 1 << 1;
    QTest::newRow("no line count") << "s:AB0001*00" << 0 << -1 << 1 << 1;
    QTest::newRow("two destinations") << "s:AB0001,d:CD0002,d:EF0003,n:1*00" << 0 << 0 << 0 << 1;
    QTest::newRow("second destination of 7") << "s:AB0001,d:CD0002,d:EF00031,n:1*00" << 0 << 0 << -3 << 1;
    QTest::newRow("destination without end") << "s:AB0001,n:1,d:CD0002" << 0 << 0 << -2 << 1;
    QTest::newRow("group position beyond count") << "g:3-2-7,s:AB0001,n:1*00" << 0 << 0 << 1 << -4;
    QTest::newRow("group of two numbers") << "g:1-2,s:AB0001,n:1*00" << 0 << 0 << 1 << -3;
    QTest::newRow("group not numbers") << "g:a-2-7,s:AB0001,n:1*00" << 0 << 0 << 1 << -3;
    QTest::newRow("group of no sentence") << "g:0-0-7,s:AB0001,n:1*00" << 0 << 0 << 1 << -4;
    // Parameters are items of the tag block: a prefix inside another item's value is not one.
    QTest::newRow("prefix inside a value") << "g:1-1-1,s:AB0001,n:7,t:xs:n:d:*00" << 0 << 0 << 1 << 0;
}

void tst_UdpParserClass::checks()
{
    QFETCH(QString, tagBlock);
    QFETCH(int, source);
    QFETCH(int, lineCount);
    QFETCH(int, destinations);
    QFETCH(int, group);

    QCOMPARE(UdpParserClass::checkSourceTag(tagBlock), source);
    QCOMPARE(UdpParserClass::checkLineTag(tagBlock), lineCount);
    QCOMPARE(UdpParserClass::checkDestinationTags(tagBlock), destinations);
    QCOMPARE(UdpParserClass::checkGroupTag(tagBlock), group);
    // The leading backslash of a written tag block changes nothing.
    QCOMPARE(UdpParserClass::checkSourceTag("\\" + tagBlock), source);
}

void tst_UdpParserClass::groupKey_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("key");

    QTest::newRow("one line") << lineDatagram("g:1-2-7,s:AB0001,n:41", hdt) << "1-2-7-41";
    QTest::newRow("two lines") << datagram(
        { taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:AB0001,n:42", hdt) })
                               << "2-2-7-41";
    QTest::newRow("no g:") << lineDatagram("s:AB0001,n:12", hdt) << "1-1-1-12";
    QTest::newRow("no s:") << lineDatagram("g:1-1-7,n:12", hdt) << QString();
    QTest::newRow("line count out of range") << lineDatagram("g:1-1-7,s:AB0001,n:0", hdt) << QString();
    QTest::newRow("group without end")
        << QByteArray("UdPbC", 6) + QByteArray("\\s:AB0001,n:3,g:1-1-1\\") + hdt.toLatin1() << QString();
    QTest::newRow("header only") << QByteArray("UdPbC", 6) << QString();
}

void tst_UdpParserClass::groupKey()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, key);
    QCOMPARE(UdpParserClass::groupKey(datagram), key);
}

void tst_UdpParserClass::tagChecksums_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("valid");

    const QByteArray good = lineDatagram("g:1-1-7,s:AB0001,n:41", hdt);
    QByteArray wrongDigit = good;
    wrongDigit.replace("*", "*F"); // "*" + checksum becomes "*F" + checksum: three characters after "*"

    QTest::newRow("valid") << good << true;
    QTest::newRow("three digits") << wrongDigit << false;
    QTest::newRow("wrong digit") << QByteArray("UdPbC", 6) + QByteArray("\\s:AB0001,n:1*00\\")
            + hdt.toLatin1() << false;
    QTest::newRow("lower-case digits")
        << QByteArray("UdPbC", 6) + QByteArray("\\s:AB0001,n:9*0a\\") + hdt.toLatin1() << true;
    QTest::newRow("sentence contains n:")
        << lineDatagram("g:1-1-7,s:AB0001,n:41", trickySettingsSentence()) << true;
}

void tst_UdpParserClass::tagChecksums()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, valid);
    QCOMPARE(UdpParserClass::tagChecksumsValid(datagram), valid);
}

void tst_UdpParserClass::readLines_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("lines");

    const QString first = taggedLine("g:1-2-7,s:AB0001,n:41", hdt);
    const QString second = taggedLine("g:2-2-7,s:AB0001,n:42", hdt);
    QTest::newRow("two lines") << datagram({ first, second }) << int(UdpParserClass::LinesOk) << 2;
    QTest::newRow("header only") << QByteArray("UdPbC", 6) << int(UdpParserClass::LinesOk) << 0;
    QTest::newRow("header without NUL")
        << QByteArray("UdPbC") + first.toLatin1() << int(UdpParserClass::LinesOk) << 1;
    QTest::newRow("text after a NUL is not read")
        << datagram({ first }) + QByteArray(1, '\0') + second.toLatin1() << int(UdpParserClass::LinesOk) << 1;
    QTest::newRow("empty lines skipped")
        << datagram({ first, "\r\n", second }) << int(UdpParserClass::LinesOk) << 2;
    QTest::newRow("wrong header") << QByteArray("UDPBC", 6) + first.toLatin1()
                                  << int(UdpParserClass::LinesBadHeader) << 0;
    QTest::newRow("line without backslash")
        << datagram({ first, hdt }) << int(UdpParserClass::LinesBadFraming) << 0;
    QTest::newRow("tag block without closing backslash")
        << datagram({ "\\s:AB0001,n:1*00" + hdt }) << int(UdpParserClass::LinesBadFraming) << 0;
    QTest::newRow("tag block of 81") << datagram({ "\\" + QString(81, 'x') + "\\" + hdt })
                                     << int(UdpParserClass::LinesBadFraming) << 0;
    QTest::newRow("tag block of 80") << datagram({ "\\" + QString(80, 'x') + "\\" + hdt })
                                     << int(UdpParserClass::LinesOk) << 1;
    QByteArray tooLong = datagram({ first });
    tooLong.append(QByteArray(1461 - tooLong.size(), 'x'));
    QTest::newRow("1461 bytes") << tooLong << int(UdpParserClass::LinesTooLong) << 0;
}

void tst_UdpParserClass::readLines()
{
    QFETCH(QByteArray, datagram);
    QFETCH(int, result);
    QFETCH(int, lines);

    QList<UdpParserClass::Line> read;
    QCOMPARE(int(UdpParserClass::readLines(datagram, &read)), result);
    QCOMPARE(read.size(), lines);
    for (const UdpParserClass::Line &line : read)
        QVERIFY(!line.tagBlock.contains('\\'));
}

void tst_UdpParserClass::sentenceDataIsNeverATagBlock()
{
    // A settings group whose sentence data holds "n:", "d:", "s:", "t:pqrv" and a backslash.
    const QString tricky = trickySettingsSentence();
    const QByteArray data = lineDatagram("g:1-1-7,s:AB0001,d:CD0002,n:41,t:pqrvruntime", tricky);

    QList<UdpParserClass::Line> lines;
    QCOMPARE(UdpParserClass::readLines(data, &lines), UdpParserClass::LinesOk);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().sentence, tricky);
    QCOMPARE(UdpParserClass::groupKey(data), QStringLiteral("1-1-7-41"));
    QVERIFY(UdpParserClass::tagChecksumsValid(data));
    QCOMPARE(UdpParserClass::sourceSfi(data), QStringLiteral("AB0001"));
    QCOMPARE(UdpParserClass::destinationSfis(data), QStringList { "CD0002" });
    QVERIFY(UdpParserClass::isInternalDatagram(data));
    QVERIFY(!UdpParserClass::isAcknowledgementDatagram(data));
    QVERIFY(!UdpParserClass::isSetupDatagram(data));

    // A standard sentence that carries the same texts is neither internal nor addressed.
    const QByteArray standard = lineDatagram("g:1-1-8,s:AB0001,n:42", tricky);
    QVERIFY(!UdpParserClass::isInternalDatagram(standard));
    QVERIFY(UdpParserClass::destinationSfis(standard).isEmpty());
    QCOMPARE(UdpParserClass::acknowledgedKey(standard), QString());
}

void tst_UdpParserClass::destinationsAndSource()
{
    const QByteArray addressed = lineDatagram("g:1-1-7,s:AB0001,d:CD0002,d:EF0003,n:41", hdt);
    QCOMPARE(UdpParserClass::destinationSfis(addressed), QStringList({ "CD0002", "EF0003" }));
    QVERIFY(UdpParserClass::isAddressedTo(addressed, "EF0003"));
    QVERIFY(!UdpParserClass::isAddressedTo(addressed, "GH0004"));
    QCOMPARE(UdpParserClass::checkAddressing(addressed, "CD0002", { "AB0001" }), 0);
    QCOMPARE(UdpParserClass::checkAddressing(addressed, "CD0002", { "ZZ0001" }), -2);
    QCOMPARE(UdpParserClass::checkAddressing(addressed, "GH0004", { "AB0001" }), -1);
    QVERIFY(UdpParserClass::isFromSfiIn(addressed, { "AB0001" }));
    QCOMPARE(UdpParserClass::lineCountText(addressed), QStringLiteral("41"));

    // A last line without its CR LF still names its destinations.
    QByteArray unterminated = addressed;
    unterminated.chop(2);
    QCOMPARE(UdpParserClass::destinationSfis(unterminated), QStringList({ "CD0002", "EF0003" }));

    const QByteArray broadcast = lineDatagram("g:1-1-7,s:AB0001,n:41", hdt);
    QVERIFY(UdpParserClass::destinationSfis(broadcast).isEmpty());
    QVERIFY(UdpParserClass::isAddressedTo(broadcast, "GH0004"));

    const QByteArray badSource = lineDatagram("g:1-1-7,s:AB001,n:41", hdt);
    QCOMPARE(UdpParserClass::sourceSfi(badSource), QString());
    QVERIFY(!UdpParserClass::isFromSfiIn(badSource, { "AB001" }));
}

void tst_UdpParserClass::textTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("internal");
    QTest::addColumn<bool>("acknowledgement");
    QTest::addColumn<bool>("setup");
    QTest::addColumn<QString>("acknowledgedKey");

    QTest::newRow("setup") << "pqrvsetup" << true << false << true << QString();
    QTest::newRow("runtime") << "pqrvruntime" << true << false << false << QString();
    QTest::newRow("acknowledgement") << "pqrvack1-2-7-41" << true << true << false << "1-2-7-41";
    QTest::newRow("other") << "hello" << false << false << false << QString();
}

void tst_UdpParserClass::textTags()
{
    QFETCH(QString, tag);
    QFETCH(bool, internal);
    QFETCH(bool, acknowledgement);
    QFETCH(bool, setup);
    QFETCH(QString, acknowledgedKey);

    const QByteArray data = lineDatagram("g:1-1-7,s:AB0001,d:CD0002,n:41,t:" + tag, hdt);
    QCOMPARE(UdpParserClass::textTag(data), tag);
    QCOMPARE(UdpParserClass::isInternalDatagram(data), internal);
    QCOMPARE(UdpParserClass::isAcknowledgementDatagram(data), acknowledgement);
    QCOMPARE(UdpParserClass::isSetupDatagram(data), setup);
    QCOMPARE(UdpParserClass::acknowledgedKey(data), acknowledgedKey);
}

void tst_UdpParserClass::removeDestination()
{
    const QByteArray original
        = datagram({ taggedLine("g:1-2-7,s:AB0001,d:CD0002,d:EF0003,n:41,t:pqrvsetup", hdt),
            taggedLine("g:2-2-7,s:AB0001,d:CD0002,d:EF0003,n:42,t:pqrvsetup", hdt) });

    QByteArray edited = original;
    UdpParserClass::removeDestination(edited, "CD0002");
    QCOMPARE(edited,
        datagram({ taggedLine("g:1-2-7,s:AB0001,d:EF0003,n:41,t:pqrvsetup", hdt),
            taggedLine("g:2-2-7,s:AB0001,d:EF0003,n:42,t:pqrvsetup", hdt) }));
    QVERIFY(UdpParserClass::tagChecksumsValid(edited));
    QCOMPARE(UdpParserClass::groupKey(edited), UdpParserClass::groupKey(original));

    QByteArray unchanged = original;
    UdpParserClass::removeDestination(unchanged, "GH0004");
    QCOMPARE(unchanged, original);

    // A sentence that spells the d: parameter is not edited.
    const QString tricky = trickySettingsSentence();
    QByteArray settings = lineDatagram("g:1-1-7,s:AB0001,d:ZZ9999,n:41", tricky);
    UdpParserClass::removeDestination(settings, "ZZ9999");
    QCOMPARE(settings, lineDatagram("g:1-1-7,s:AB0001,n:41", tricky));
}

void tst_UdpParserClass::addDestination()
{
    const QByteArray broadcast = datagram(
        { taggedLine("g:1-2-7,s:AB0001,n:41", hdt), taggedLine("g:2-2-7,s:AB0001,n:42,t:pqrvsetup", hdt) });
    QCOMPARE(UdpParserClass::addDestination(broadcast, "CD0002"),
        datagram({ taggedLine("g:1-2-7,s:AB0001,d:CD0002,n:41", hdt),
            taggedLine("g:2-2-7,s:AB0001,d:CD0002,n:42,t:pqrvsetup", hdt) }));

    const QByteArray addressed = lineDatagram("g:1-1-7,s:AB0001,d:EF0003,n:41", hdt);
    QCOMPARE(UdpParserClass::addDestination(addressed, "CD0002"), addressed);
    QCOMPARE(UdpParserClass::addDestination(lineDatagram("g:1-1-7,s:AB0001", hdt), "CD0002"), QByteArray());
}

void tst_UdpParserClass::prependHeader()
{
    QByteArray data("\\s:AB0001,n:1*00\\");
    UdpParserClass::prependHeader(data, UdpParserClass::headerText());
    QCOMPARE(data.left(6), QByteArray("UdPbC", 6));
    QByteArray shortHeader("x");
    UdpParserClass::prependHeader(shortHeader, QStringLiteral("Ab"));
    QCOMPARE(shortHeader, QByteArray("Ab\0\0\0\0x", 7));
}

QTEST_GUILESS_MAIN(tst_UdpParserClass)
#include "tst_udpparserclass.moc"
