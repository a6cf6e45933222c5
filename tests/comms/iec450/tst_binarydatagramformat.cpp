// The image datagram format: the 38-byte header, the image descriptor, the cutting of an image into
// datagrams and the big-endian helpers.

#include "comms/iec450/BinaryDatagramFormat.h"
#include "comms/iec450/BinaryDatagramHeader.h"
#include "comms/iec450/BinaryImageDescriptor.h"
#include "comms/iec450/BinaryMessage.h"

#include <QtTest>

class TestBinaryDatagramFormat : public QObject
{
    Q_OBJECT

private slots:
    void headerBytes();
    void headerValidity_data();
    void headerValidity();
    void shortDatagramReadsAsZero();
    void longTextsAreCut();
    void descriptor();
    void cutting_data();
    void cutting();
    void longInformationIsCut();
    void bigEndian_data();
    void bigEndian();
};

void TestBinaryDatagramFormat::headerBytes()
{
    const BinaryDatagramHeader header(
        7, 3, QStringLiteral("AB1234"), 2, 1, QStringLiteral("XXXXXX"), QStringLiteral("RaUdP"), 1);
    const QByteArray expected = QByteArray("RaUdP\0\0\x02\0\x26", 10) + "AB1234" + "XXXXXX"
        + QByteArray("\0\x01\0\0\0\x07\0\0\0\x02\0\0\0\x03\x01\x02", 16);
    QCOMPARE(header.bytesForSequence(2), expected);
    QCOMPARE(header.bytesForSequence(2).size(), binaryHeaderLength());
    QCOMPARE(header.prefix(), expected.left(28));
    QVERIFY(!header.isInvalid());

    const BinaryDatagramHeader read(expected);
    QCOMPARE(read.blockId(), 7);
    QCOMPARE(read.maxSequence(), 3);
    QCOMPARE(read.sourceSfi(), QStringLiteral("AB1234"));
    QCOMPARE(read.destinationSfi(), QStringLiteral("XXXXXX"));
    QCOMPARE(read.token(), QStringLiteral("RaUdP"));
    QCOMPARE(read.type(), 1);
    QCOMPARE(read.device(), 1);
    QCOMPARE(read.channel(), 2);
    QCOMPARE(read.version(), 2);
    QCOMPARE(BinaryDatagramHeader::sequenceNumber(expected), 2);
    QCOMPARE(read.bytesForSequence(2), expected);
}

void TestBinaryDatagramFormat::headerValidity_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("invalid");

    const BinaryDatagramHeader good(
        7, 3, QStringLiteral("AB1234"), 2, 1, QStringLiteral("XXXXXX"), QStringLiteral("RaUdP"), 1);
    const QByteArray bytes = good.bytesForSequence(1);
    auto with = [&bytes](int offset, const QByteArray &replacement) {
        QByteArray changed = bytes;
        changed.replace(offset, replacement.size(), replacement);
        return changed;
    };

    QTest::newRow("valid") << bytes << false;
    QTest::newRow("token RrUdP") << with(0, "RrUdP") << false;
    QTest::newRow("token rauDp") << with(0, "rauDp") << true;
    QTest::newRow("version 1") << with(6, QByteArray("\0\x01", 2)) << true;
    QTest::newRow("version 3") << with(6, QByteArray("\0\x03", 2)) << true;
    QTest::newRow("header length 40") << with(8, QByteArray("\0\x28", 2)) << false;
    QTest::newRow("source AB12") << with(10, QByteArray("AB12\0\0", 6)) << true;
    QTest::newRow("source 12AB34") << with(10, "12AB34") << true;
    QTest::newRow("destination CD5678") << with(16, "CD5678") << false;
    QTest::newRow("destination xxxxxx") << with(16, "xxxxxx") << true;
    QTest::newRow("21 bytes") << bytes.left(21) << true;
    QTest::newRow("empty") << QByteArray() << true;
}

void TestBinaryDatagramFormat::headerValidity()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, invalid);
    QCOMPARE(BinaryDatagramHeader(datagram).isInvalid(), invalid);
}

void TestBinaryDatagramFormat::shortDatagramReadsAsZero()
{
    // Fields beyond the end read as zero or empty; a source cut short reads as what is there.
    const QByteArray bytes = QByteArray("RaUdP\0\0\x02\0\x26", 10) + "AB12";
    const BinaryDatagramHeader header(bytes);
    QCOMPARE(header.sourceSfi(), QStringLiteral("AB12"));
    QCOMPARE(header.destinationSfi(), QString());
    QCOMPARE(header.blockId(), 0);
    QCOMPARE(header.maxSequence(), 0);
    QCOMPARE(BinaryDatagramHeader::sequenceNumber(bytes), 0);
    QVERIFY(header.isInvalid());
    // A source of four characters is written with two NUL bytes and read back without them.
    const BinaryDatagramHeader fourCharacters(
        1, 1, QStringLiteral("AB12"), 0, 1, QStringLiteral("XXXXXX"), QStringLiteral("RaUdP"), 1);
    QCOMPARE(fourCharacters.prefix().mid(10, 6), QByteArray("AB12\0\0", 6));
    QCOMPARE(BinaryDatagramHeader(fourCharacters.bytesForSequence(1)).sourceSfi(), QStringLiteral("AB12"));
}

void TestBinaryDatagramFormat::longTextsAreCut()
{
    const BinaryDatagramHeader header(
        1, 1, QStringLiteral("AB12345678"), 0, 1, QStringLiteral("CD56789"), QStringLiteral("RaUdPXYZ"), 1);
    QCOMPARE(header.bytesForSequence(1).size(), binaryHeaderLength());
    const BinaryDatagramHeader read(header.bytesForSequence(1));
    QCOMPARE(read.sourceSfi(), QStringLiteral("AB1234"));
    QCOMPARE(read.destinationSfi(), QStringLiteral("CD5678"));
    QCOMPARE(read.token(), QStringLiteral("RaUdP"));
}

void TestBinaryDatagramFormat::descriptor()
{
    const BinaryImageDescriptor sent(
        1000, QStringLiteral("abc"), QStringLiteral("application/octet-stream"), 0);
    QCOMPARE(sent.dataTypeLength(), 25);
    QCOMPARE(sent.informationLength(), 4);
    QCOMPARE(sent.descriptorLength(), 44);
    QCOMPARE(sent.code(), 60021);
    const QByteArray expected = QByteArray("\0\0\0\x2c\0\0\x03\xe8\0\0\xea\x75\x19", 13)
        + QByteArray("application/octet-stream\0", 25) + QByteArray("\0\x04", 2) + QByteArray("abc\0", 4);
    QCOMPARE(sent.bytes(), expected);
    QVERIFY(BinaryImageDescriptor::isWellFormed(expected));

    const BinaryImageDescriptor read(expected);
    QCOMPARE(read.descriptorLength(), 44);
    QCOMPARE(read.imageSize(), 1000);
    QCOMPARE(read.status(), 0);
    QCOMPARE(read.code(), 60021);
    QCOMPARE(read.dataType(), QStringLiteral("application/octet-stream"));
    QCOMPARE(read.information(), QStringLiteral("abc"));

    // Texts without their NUL run to the end of the bytes; a declared length beyond the bytes, or a data
    // type that leaves no room for the information length, is not well formed.
    QCOMPARE(BinaryImageDescriptor(expected.left(42)).information(), QStringLiteral("ab"));
    QVERIFY(!BinaryImageDescriptor::isWellFormed(expected.left(43)));
    QByteArray longType = expected;
    longType[12] = char(40);
    QVERIFY(!BinaryImageDescriptor::isWellFormed(longType));
    QVERIFY(!BinaryImageDescriptor::isWellFormed(QByteArray("\xff\xff\xff\xf0", 4) + expected.mid(4)));
}

void TestBinaryDatagramFormat::cutting_data()
{
    QTest::addColumn<int>("imageSize");
    QTest::addColumn<QList<int>>("datagramSizes");

    QTest::newRow("empty image") << 0 << QList<int> { 38 + 44 };
    QTest::newRow("1000 bytes") << 1000 << QList<int> { 1082 };
    QTest::newRow("1378 bytes fill datagram 1") << 1378 << QList<int> { 1460 };
    QTest::newRow("1379 bytes") << 1379 << QList<int> { 1460, 39 };
    QTest::newRow("3000 bytes") << 3000 << QList<int> { 1460, 1460, 238 };
}

void TestBinaryDatagramFormat::cutting()
{
    QFETCH(int, imageSize);
    QFETCH(QList<int>, datagramSizes);

    QByteArray image(imageSize, '\0');
    for (int i = 0; i < imageSize; ++i)
        image[i] = char(i * 7);
    const BinaryMessage message(image, 42, QStringLiteral("AB1234"), 3, 1, QStringLiteral("abc"),
        QStringLiteral("XXXXXX"), 1, QStringLiteral("RaUdP"));
    QList<int> sizes;
    for (int i = 0; i < message.datagrams().size(); ++i) {
        const QByteArray &datagram = message.datagrams().at(i);
        sizes.append(datagram.size());
        QCOMPARE(BinaryDatagramHeader::sequenceNumber(datagram), i + 1);
        QCOMPARE(BinaryDatagramHeader(datagram).maxSequence(), datagramSizes.size());
        QCOMPARE(BinaryDatagramHeader(datagram).blockId(), 42);
    }
    QCOMPARE(sizes, datagramSizes);
    QCOMPARE(message.assembledImage(), image);
    QVERIFY(message.isComplete());

    // A larger requested max sequence is written into every header.
    const BinaryMessage padded(image, 42, QStringLiteral("AB1234"), 3, 1, QStringLiteral("abc"),
        QStringLiteral("XXXXXX"), 5, QStringLiteral("RaUdP"));
    QCOMPARE(BinaryDatagramHeader(padded.datagrams().last()).maxSequence(), 5);
    QVERIFY(!padded.isComplete());
}

void TestBinaryDatagramFormat::longInformationIsCut()
{
    // The descriptor may fill datagram 1 but not overflow it.
    const QByteArray image(100, 'i');
    const BinaryMessage message(image, 1, QStringLiteral("AB1234"), 1, 1, QString(2000, QLatin1Char('t')),
        QStringLiteral("XXXXXX"), 1, QStringLiteral("RaUdP"));
    QCOMPARE(message.descriptor().descriptorLength(), 1422);
    QCOMPARE(message.information().size(), 1381);
    QCOMPARE(message.datagrams().size(), 2);
    QCOMPARE(message.datagrams().at(0).size(), 1460);
    QCOMPARE(message.assembledImage(), image);
}

void TestBinaryDatagramFormat::bigEndian_data()
{
    QTest::addColumn<qint32>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint32>("readBack");

    QTest::newRow("60021 in 2") << 60021 << 2 << QByteArray("\xea\x75") << 60021;
    QTest::newRow("300 in 1") << 300 << 1 << QByteArray("\x2c") << 44;
    QTest::newRow("255 in 1") << 255 << 1 << QByteArray("\xff") << 255;
    QTest::newRow("-1 in 4") << -1 << 4 << QByteArray("\xff\xff\xff\xff") << -1;
    QTest::newRow("7 in 6") << 7 << 6 << QByteArray("\0\0\0\0\0\x07", 6) << 7;
}

void TestBinaryDatagramFormat::bigEndian()
{
    QFETCH(qint32, value);
    QFETCH(int, width);
    QFETCH(QByteArray, bytes);
    QFETCH(qint32, readBack);
    QCOMPARE(toBigEndian(value, width), bytes);
    QCOMPARE(fromBigEndian(bytes), readBack);
}

QTEST_GUILESS_MAIN(TestBinaryDatagramFormat)
#include "tst_binarydatagramformat.moc"
