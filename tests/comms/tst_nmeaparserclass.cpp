// The proprietary data channel: settings text cut into data sentences and joined back.

#include "comms/NmeaParserClass.h"
#include "data/ESDataClass.h"
#include "data/ESSetup.h"
#include "nmea/NmeaChecksum.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A data sentence as a peer writes it.
QString dataSentence(const QString &address, const QString &piece)
{
    return QLatin1Char('$') + appendNmeaChecksum(address + QLatin1Char(',') + piece);
}

NmeaGroupInfo dataGroup(const QStringList &sentences)
{
    return NmeaGroupInfo(QStringLiteral("GN1001"), QStringList(), sentences, UDP, InternalData);
}

// A text of `length` characters that holds the separators of settings text and of sentences.
QString sampleText(int length)
{
    const QString pattern = QStringLiteral("Type_Setup,Name=Value;List=1;2*3,");
    QString text;
    while (text.size() < length)
        text += pattern;
    return text.left(length);
}

} // namespace

class tst_NmeaParserClass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cutting_data();
    void cutting();
    void roundTrip_data();
    void roundTrip();
    void wholeSharedSetupRoundTrip();
    void refusedFormatter_data();
    void refusedFormatter();
    void refusedGroups_data();
    void refusedGroups();
    void wrongChecksumIsJoined();
};

void tst_NmeaParserClass::initTestCase()
{
    qRegisterMetaType<NmeaGroupInfo>("NmeaGroupInfo");
}

void tst_NmeaParserClass::cutting_data()
{
    QTest::addColumn<int>("textLength");
    QTest::addColumn<QString>("formatter");
    QTest::addColumn<QList<int>>("pieces");

    QTest::newRow("150 characters, settings formatter") << 150 << "PQRVAVG" << QList<int> { 68, 68, 14 };
    QTest::newRow("exactly one piece") << 68 << "PQRVAVG" << QList<int> { 68 };
    QTest::newRow("one character over") << 69 << "PQRVAVG" << QList<int> { 68, 1 };
    QTest::newRow("default formatter") << 70 << "PQRVMMM" << QList<int> { 68, 2 };
    QTest::newRow("short formatter") << 100 << "PQRVA" << QList<int> { 70, 30 };
    QTest::newRow("longest formatter") << 3 << QString(74, QLatin1Char('F')) << QList<int> { 1, 1, 1 };
    QTest::newRow("empty text") << 0 << "PQRVAVG" << QList<int>();
}

void tst_NmeaParserClass::cutting()
{
    QFETCH(int, textLength);
    QFETCH(QString, formatter);
    QFETCH(QList<int>, pieces);

    NmeaParserClass parser;
    const QString text = sampleText(textLength);
    const NmeaGroupInfo group = parser.dataToNmeaList(text, formatter);

    QCOMPARE(group.messageType(), InternalData);
    QCOMPARE(group.port(), UDP);
    QVERIFY(group.sourceSfi().isEmpty());
    QVERIFY(group.destinationSfis().isEmpty());
    QCOMPARE(group.messageCount(), pieces.size());
    QCOMPARE(parser.sentSentences(), group.messages());
    QCOMPARE(parser.sentFormatter(), formatter);

    int position = 0;
    for (int i = 0; i < pieces.size(); ++i) {
        const QString sentence = group.messages().at(i);
        QVERIFY2(sentence.size() <= 82, qPrintable(sentence));
        const QString piece = text.mid(position, pieces.at(i));
        position += pieces.at(i);
        // "$" + formatter + "," + piece + "*" + checksum of formatter, "," and piece + CR LF.
        const QString body = formatter + QLatin1Char(',') + piece;
        QCOMPARE(sentence, QLatin1Char('$') + body + QLatin1Char('*') + nmeaStringChecksum(body) + "\r\n");
    }
    QCOMPARE(position, text.size());
}

void tst_NmeaParserClass::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("formatter");

    QTest::newRow("150 characters") << sampleText(150) << "PQRVAVG";
    QTest::newRow("one character") << "x"
                                   << "PQRVAVG";
    // Texts that hold the address, alone or followed by ",", where a piece boundary may fall anywhere.
    QTest::newRow("address followed by comma inside the text")
        << QStringLiteral("Type_Setup,Note=PQRVAVG,PQRVAVG,x,") + sampleText(120) + "PQRVAVG,"
        << "PQRVAVG";
    QTest::newRow("address alone inside the text")
        << sampleText(60) + "PQRVAVG" + sampleText(90) << "PQRVAVG";
    QTest::newRow("the text is the address") << "PQRVAVG,"
                                             << "PQRVAVG";
    QTest::newRow("stars and dollars") << "$*12*\t$$" + sampleText(200) + "*FF"
                                       << "PQRVAVG";
    QTest::newRow("pieces of empty fields") << QString(300, QLatin1Char(',')) << "PQRVMMM";
}

void tst_NmeaParserClass::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(QString, formatter);

    NmeaParserClass parser;
    const NmeaGroupInfo sent = parser.dataToNmeaList(text, formatter);
    QSignalSpy received(&parser, &NmeaParserClass::dataReceived);
    QCOMPARE(parser.nmeaListToData(sent), text);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), text);
    QCOMPARE(parser.receivedText(), text);
    QCOMPARE(parser.receivedAddress(), formatter);
}

void tst_NmeaParserClass::wholeSharedSetupRoundTrip()
{
    const QString text = ESDataClass::instance()->setup()->serialize();
    QVERIFY(text.size() > 1000);

    NmeaParserClass parser;
    const NmeaGroupInfo group = parser.dataToNmeaList(text, QStringLiteral("PQRVAVG"));
    // The group fits into one network group, and every sentence into the NMEA limit.
    QVERIFY(group.messageCount() <= NmeaParserClass::maxGroupSentences);
    for (const QString &sentence : group.messages())
        QVERIFY(sentence.size() <= 82);
    // The type name becomes the second field of the first sentence.
    QCOMPARE(group.messages().first().section(QLatin1Char(','), 1, 1), text.section(QLatin1Char(','), 0, 0));

    QSignalSpy received(&parser, &NmeaParserClass::dataReceived);
    QCOMPARE(parser.nmeaListToData(group), text);
    QCOMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toString(), text);
}

void tst_NmeaParserClass::refusedFormatter_data()
{
    QTest::addColumn<QString>("formatter");

    QTest::newRow("75 characters") << QString(75, QLatin1Char('F'));
    QTest::newRow("200 characters") << QString(200, QLatin1Char('F'));
    QTest::newRow("empty") << QString();
}

void tst_NmeaParserClass::refusedFormatter()
{
    QFETCH(QString, formatter);

    NmeaParserClass parser;
    QTest::ignoreMessage(QtDebugMsg,
        QRegularExpression(QStringLiteral("^Proprietary data formatter refused, it leaves no room")));
    const NmeaGroupInfo group = parser.dataToNmeaList(sampleText(100), formatter);
    QCOMPARE(group.messageCount(), 0);
    QCOMPARE(group.messageType(), InternalData);
}

void tst_NmeaParserClass::refusedGroups_data()
{
    QTest::addColumn<QStringList>("sentences");
    QTest::addColumn<QString>("debugLine");

    const QString first = dataSentence(QStringLiteral("PQRVAVG"), QStringLiteral("Type_Setup,A=1"));
    const QString second = dataSentence(QStringLiteral("PQRVAVG"), QStringLiteral(",B=2"));
    QString withoutLineEnd = second;
    withoutLineEnd.chop(2);

    QTest::newRow("no sentences") << QStringList() << QString();
    QTest::newRow("every sentence without CR LF")
        << QStringList { first.left(first.size() - 2), withoutLineEnd } << "is not a data sentence";
    QTest::newRow("one sentence of three without CR LF")
        << QStringList { first, withoutLineEnd, second } << "sentence 2 of 3 is not a data sentence";
    QTest::newRow("a sentence without $") << QStringList { first, second.mid(1) } << "is not a data sentence";
    QTest::newRow("a sentence without checksum field")
        << QStringList { first, QStringLiteral("$PQRVAVG,B=2\r\n") } << "is not a data sentence";
    QTest::newRow("a sentence without address separator")
        << QStringList { QLatin1Char('$') + appendNmeaChecksum(QStringLiteral("PQRVAVG")) }
        << "is not a data sentence";
    QTest::newRow("a sentence longer than 82 characters")
        << QStringList { first, dataSentence(QStringLiteral("PQRVAVG"), QString(69, QLatin1Char('x'))) }
        << "is not a data sentence";
    QTest::newRow("an empty sentence") << QStringList { first, QString() } << "is not a data sentence";
    QTest::newRow("1000 sentences") << QStringList(QVector<QString>(1000, first).toList())
                                    << "Proprietary data group of 1000 sentences refused";
}

void tst_NmeaParserClass::refusedGroups()
{
    QFETCH(QStringList, sentences);
    QFETCH(QString, debugLine);

    NmeaParserClass parser;
    QSignalSpy received(&parser, &NmeaParserClass::dataReceived);
    if (!debugLine.isEmpty())
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QRegularExpression::escape(debugLine)));
    QCOMPARE(parser.nmeaListToData(dataGroup(sentences)), QString());
    QCOMPARE(received.count(), 0);
    QCOMPARE(parser.receivedText(), QString());
}

void tst_NmeaParserClass::wrongChecksumIsJoined()
{
    // The checksum is the sender's: peers are not held to it, so the text is joined all the same.
    QString first = dataSentence(QStringLiteral("PQRVAVG"), QStringLiteral("Type_Setup,A=1"));
    first.replace(first.size() - 4, 2, QStringLiteral("00"));
    QVERIFY(isNmeaChecksumValid(first.mid(1, first.size() - 3)) != 0);
    const QString second = dataSentence(QStringLiteral("PQRVAVG"), QStringLiteral(",B=2"));

    NmeaParserClass parser;
    QSignalSpy received(&parser, &NmeaParserClass::dataReceived);
    QCOMPARE(parser.nmeaListToData(dataGroup({ first, second })), QStringLiteral("Type_Setup,A=1,B=2"));
    QCOMPARE(received.count(), 1);
}

QTEST_GUILESS_MAIN(tst_NmeaParserClass)
#include "tst_nmeaparserclass.moc"
