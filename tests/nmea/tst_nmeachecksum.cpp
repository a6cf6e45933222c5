#include "nmea/NmeaChecksum.h"
#include "nmea/NmeaMessage.h"

#include <QtTest>

namespace {

// Reference checksum written out here, so that the rows below do not depend on the code under test.
QString referenceChecksum(const QByteArray &body)
{
    unsigned char sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    return QString::asprintf("%02X", sum);
}

// "$" + body + "*" + checksum + CR LF, padded with "A" in the last field to the wanted total length.
QString sentenceOfLength(const QByteArray &prefix, int totalLength)
{
    QByteArray body = prefix;
    body.append(QByteArray(totalLength - prefix.size() - 6, 'A'));
    return QLatin1Char('$') + QString::fromLatin1(body) + QLatin1Char('*') + referenceChecksum(body)
        + QLatin1String("\r\n");
}

} // namespace

class tst_NmeaChecksum : public QObject
{
    Q_OBJECT

private slots:
    void checksumOfBytes_data();
    void checksumOfBytes();
    void checksumOfText_data();
    void checksumOfText();
    void appendChecksum();
    void checksumValidity_data();
    void checksumValidity();
    void checkSentence_data();
    void checkSentence();
    // The same with a text of its own, which the check edits in place instead of copying.
    void checkSentenceInPlace_data();
    void checkSentenceInPlace();
};

void tst_NmeaChecksum::checksumOfBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("checksum");

    QTest::newRow("no bytes") << QByteArray() << 0 << "00";
    QTest::newRow("negative count") << QByteArray("abc") << -1 << "00";
    QTest::newRow("abc") << QByteArray("abc") << 3 << "60";
    QTest::newRow("only the counted bytes") << QByteArray("abcd") << 3 << "60";
    QTest::newRow("below 0x10 gets a leading zero") << QByteArray("a`") << 2 << "01";
    QTest::newRow("bytes above 0x7f are unsigned") << QByteArray("\xff\x0f") << 2 << "F0";
}

void tst_NmeaChecksum::checksumOfBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(QString, checksum);
    QCOMPARE(nmeaChecksum(bytes.constData(), count), checksum);
}

void tst_NmeaChecksum::checksumOfText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checksum");

    QTest::newRow("empty") << QString() << "00";
    QTest::newRow("sentence body") << "GPHDT,123.4,T"
                                   << "31";
    QTest::newRow("Latin-1 character") << QString::fromUtf8("GPTXT,\xc3\xa9") << "8A";
    // The euro sign is outside Latin-1 and counts as "?" (0x3F).
    QTest::newRow("outside Latin-1") << QString::fromUtf8("\xe2\x82\xac") << "3F";
}

void tst_NmeaChecksum::checksumOfText()
{
    QFETCH(QString, text);
    QFETCH(QString, checksum);
    QCOMPARE(nmeaStringChecksum(text), checksum);
}

void tst_NmeaChecksum::appendChecksum()
{
    QCOMPARE(appendNmeaChecksum(QStringLiteral("GPHDT,123.4,T")), QStringLiteral("GPHDT,123.4,T*31\r\n"));
    QCOMPARE(appendNmeaChecksum(QString()), QStringLiteral("*00\r\n"));
}

void tst_NmeaChecksum::checksumValidity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("result");

    QTest::newRow("no star") << "abc" << 1;
    QTest::newRow("one character after the star") << "abc*6" << -2;
    QTest::newRow("three characters after the star") << "abc*600" << -2;
    QTest::newRow("matching") << "abc*60" << 0;
    QTest::newRow("differing") << "abc*61" << -1;
    QTest::newRow("lower case matches") << "IIHDT,,T*0c" << 0;
    QTest::newRow("no start character is skipped") << "$IIHDT,,T*0C" << -1;
    QTest::newRow("only the first star counts") << "ab*c*60" << -2;
}

void tst_NmeaChecksum::checksumValidity()
{
    QFETCH(QString, text);
    QFETCH(int, result);
    QCOMPARE(isNmeaChecksumValid(text), result);
}

void tst_NmeaChecksum::checkSentence_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("remaining");

    QTest::newRow("accepted") << "$GPHDT,123.4,T*31\r\n" << int(NmeaNoError) << "GPHDT,123.4,T*31";
    QTest::newRow("empty fields") << "$IIHDT,,T*0C\r\n" << int(NmeaNoError) << "IIHDT,,T*0C";
    QTest::newRow("encapsulation start") << "!AIVDM,1,1,,A,13aG?,0*3D\r\n"
                                         << int(NmeaNoError) << "AIVDM,1,1,,A,13aG?,0*3D";
    QTest::newRow("proprietary long address") << "$PQRVDEVSTART,XX0001*3F\r\n"
                                              << int(NmeaNoError) << "PQRVDEVSTART,XX0001*3F";
    QTest::newRow("lower-case checksum") << "$IIHDT,,T*0c\r\n" << int(NmeaChecksumError) << "IIHDT,,T*0c";
    QTest::newRow("wrong checksum") << "$GPHDT,123.4,T*32\r\n"
                                    << int(NmeaChecksumError) << "GPHDT,123.4,T*32";
    QTest::newRow("no star") << "$GPHDT,123.4,T\r\n" << int(NmeaChecksumError) << "GPHDT,123.4,T";
    QTest::newRow("text between checksum and line end") << "$GPHDT,123.4,T*31 \r\n"
                                                        << int(NmeaChecksumError) << "GPHDT,123.4,T*31 ";
    QTest::newRow("one checksum digit") << "$GPHDT,123.4,T*3\r\n"
                                        << int(NmeaChecksumError) << "GPHDT,123.4,T*3";
    QTest::newRow("empty") << QString() << int(NmeaFramingError) << QString();
    QTest::newRow("no start character") << "GPHDT,123.4,T*31\r\n"
                                        << int(NmeaFramingError) << "GPHDT,123.4,T*31\r\n";
    QTest::newRow("no line end") << "$GPHDT,123.4,T*31" << int(NmeaFramingError) << "GPHDT,123.4,T*31";
    QTest::newRow("LF only") << "$GPHDT,123.4,T*31\n" << int(NmeaFramingError) << "GPHDT,123.4,T*31\n";
    QTest::newRow("start character only") << "$" << int(NmeaFramingError) << QString();
    QTest::newRow("six-character address") << "$GPHDTX,1*0A\r\n" << int(NmeaAddressError) << "GPHDTX,1*0A";
    QTest::newRow("proprietary-looking short address")
        << "$PGSA,A,2,17,19,30,,,,,,,,,,3.8,3.7,0.9*7F\r\n"
        << int(NmeaAddressError) << "PGSA,A,2,17,19,30,,,,,,,,,,3.8,3.7,0.9*7F";
    // Without a "," the whole text, checksum included, is the address.
    QTest::newRow("no comma") << "$GPHDT*4F\r\n" << int(NmeaAddressError) << "GPHDT*4F";
    // Every CR LF pair goes, also one inside the sentence; a lone CR stays.
    QTest::newRow("CR LF inside") << "$GPHDT,123.4,\r\nT*31\r\n" << int(NmeaNoError) << "GPHDT,123.4,T*31";
    QTest::newRow("CR LF twice at the end") << "$GPHDT,123.4,T*31\r\n\r\n"
                                            << int(NmeaNoError) << "GPHDT,123.4,T*31";
    QTest::newRow("CR before the line end") << "$GPHDT,123.4,T*31\r\r\n"
                                            << int(NmeaChecksumError) << "GPHDT,123.4,T*31\r";
    QTest::newRow("start character and line end only") << "$\r\n" << int(NmeaChecksumError) << "";
    const QString beyondLatin1 = QStringLiteral("GPTXT,\u0100") + QChar(0x20ac);
    QTest::newRow("characters beyond Latin-1 count as ?")
        << QLatin1Char('$') + appendNmeaChecksum(beyondLatin1) << int(NmeaNoError)
        << beyondLatin1 + QLatin1Char('*') + nmeaStringChecksum(QStringLiteral("GPTXT,??"));

    // The limit counts every character, start character and CR LF included.
    const QString tooLong = sentenceOfLength("GPTXT,", 83);
    QTest::newRow("83 characters") << tooLong << int(NmeaTooLongError) << tooLong;
    QString tooLongAndBroken = tooLong;
    tooLongAndBroken[0] = QLatin1Char('#');
    QTest::newRow("83 characters win over other faults")
        << tooLongAndBroken << int(NmeaTooLongError) << tooLongAndBroken;
    const QString longest = sentenceOfLength("GPTXT,", 82);
    QTest::newRow("82 characters") << longest << int(NmeaNoError) << longest.mid(1, 79);
    const QString longGga = sentenceOfLength("GPGGA,", 90);
    QTest::newRow("GGA is not limited") << longGga << int(NmeaNoError) << longGga.mid(1, 87);
    QString longGgaBadChecksum = longGga;
    longGgaBadChecksum.replace(longGgaBadChecksum.length() - 4, 2, QStringLiteral("ZZ"));
    QTest::newRow("long GGA judged by the other tests")
        << longGgaBadChecksum << int(NmeaChecksumError) << longGgaBadChecksum.mid(1, 87);
}

void tst_NmeaChecksum::checkSentence()
{
    QFETCH(QString, sentence);
    QFETCH(int, code);
    QFETCH(QString, remaining);

    QString text = sentence;
    QCOMPARE(NmeaMessage::checkSentence(text), code);
    QCOMPARE(text, remaining);
}

void tst_NmeaChecksum::checkSentenceInPlace_data()
{
    checkSentence_data();
}

void tst_NmeaChecksum::checkSentenceInPlace()
{
    QFETCH(QString, sentence);
    QFETCH(int, code);
    QFETCH(QString, remaining);

    QString text(sentence.constData(), sentence.size());
    QVERIFY(sentence.isEmpty() || text.isDetached());
    QCOMPARE(NmeaMessage::checkSentence(text), code);
    QCOMPARE(text, remaining);
}

QTEST_GUILESS_MAIN(tst_NmeaChecksum)
#include "tst_nmeachecksum.moc"
