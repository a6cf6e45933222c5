#include "ScriptedSpiBoard.h"

#include "common/BuildConfiguration.h"
#include "hardware/ES604_SPI_Device.h"
#include "hardware/KW1_SPI_Device.h"

#include <QtTest>

#include <memory>

using TransceiverBoard::word;

namespace {

// A device of type T on a scripted board with the given responder; the record stays with the test.
template <typename T>
std::unique_ptr<T> onBoard(std::shared_ptr<SpiBoardRecord> record, ScriptedSpiBoard::Responder responder)
{
    std::unique_ptr<T> device(new T(0, QStringLiteral("/dev/spidev1.0")));
    device->setTransport(std::unique_ptr<SpiTransport>(new ScriptedSpiBoard(record, std::move(responder))));
    return device;
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class tst_SpiDevices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readMeasurementFrames_data();
    void readMeasurementFrames();
    void writtenPointsSizeTheNextRead();
    void parameterWords_data();
    void parameterWords();
    void parametersWithoutPointsAreRefused_data();
    void parametersWithoutPointsAreRefused();
    void startPingNeedsEveryAcknowledge_data();
    void startPingNeedsEveryAcknowledge();
    void additionalDataAndReset();
    void setChannelRefusesOtherValues();
    void configureKeepsUnchangedSettings();
    void windowsPlatformDoesNothing();

    void speedLogWriteParameters();
    void speedLogReadValues_data();
    void speedLogReadValues();

private:
    std::unique_ptr<BuildConfiguration::TestOverride> m_linux;
};

void tst_SpiDevices::init()
{
    m_linux.reset(new BuildConfiguration::TestOverride("JB", "LINUX", "TVR100"));
}

void tst_SpiDevices::cleanup()
{
    m_linux.reset();
}

void tst_SpiDevices::readMeasurementFrames_data()
{
    QTest::addColumn<QByteArray>("endWord");
    QTest::addColumn<QByteArray>("startWord");
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<bool>("valid");

    QTest::newRow("framed") << word(0xFC) << word(0xFB) << true << true;
    QTest::newRow("wrong end word") << word(0xFE) << word(0xFB) << true << false;
    QTest::newRow("wrong start word") << word(0xFC) << word(0xFE) << true << false;
    QTest::newRow("failed transfer") << word(0xFC) << word(0xFB) << false << false;
}

void tst_SpiDevices::readMeasurementFrames()
{
    QFETCH(QByteArray, endWord);
    QFETCH(QByteArray, startWord);
    QFETCH(bool, transferred);
    QFETCH(bool, valid);

    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, [=](QVector<QByteArray> &words) {
        words[1] = startWord;
        for (int i = 2; i < words.size() - 1; ++i)
            words[i] = TransceiverBoard::sampleWord(2, i - 2);
        words.last() = endWord;
        return transferred;
    });

    const QByteArray samples = device->readMeasurement(1);

    // Channel 2 with 2500 points: the command and 2502 filler words.
    const auto sent = record->messages();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first().size(), 2503);
    QCOMPARE(sent.first().first(), word(0xDD));
    for (int i = 1; i < sent.first().size(); ++i)
        QCOMPARE(sent.first().at(i), word(0xFF));

    QCOMPARE(samples.size(), 5000);
    if (valid) {
        QByteArray expected;
        for (int k = 0; k < 2500; ++k)
            expected += TransceiverBoard::sampleWord(2, k);
        QCOMPARE(samples, expected);
    } else {
        QCOMPARE(samples, QByteArray(5000, '\0'));
    }
}

void tst_SpiDevices::writtenPointsSizeTheNextRead()
{
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, &TransceiverBoard::answer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString(56, 'X') + " Set params:  true"));
    QVERIFY(device->writeChannelParameters(0, 200, 1000, 3, 4, 17, 1200, 7, 1500, 9));
    QCOMPARE(device->numberOfPoints(0), 1200);
    QCOMPARE(device->startingPosition(0), 17);
    QCOMPARE(device->numberOfPoints(1), 2500);

    const QByteArray samples = device->readMeasurement(0);
    QCOMPARE(record->messages().at(1).size(), 1203);
    QCOMPARE(record->messages().at(1).first(), word(0xED));
    QCOMPARE(samples.size(), 2400);
    QCOMPARE(samples.left(2), TransceiverBoard::sampleWord(1, 0));
}

void tst_SpiDevices::parameterWords_data()
{
    QTest::addColumn<int>("channelIndex");
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("sent");

    QTest::newRow("300, low byte first") << 0 << 300 << word(0xEE) << hex("2c01");
    QTest::newRow("bits above 16 are not sent") << 0 << 0x12345 << word(0xEE) << hex("4523");
    QTest::newRow("negative") << 0 << -2 << word(0xEE) << hex("feff");
    QTest::newRow("channel 2") << 1 << 300 << word(0xDE) << hex("2c01");
}

void tst_SpiDevices::parameterWords()
{
    QFETCH(int, channelIndex);
    QFETCH(int, value);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, sent);

    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, &TransceiverBoard::answer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QString(56, 'X') + " Set params:  true"));
    // The value as the frequency; the other parameters show their order.
    QVERIFY(device->writeChannelParameters(channelIndex, value, 2, 3, 4, 5, 6, 7, 8, 9));

    const QVector<QByteArray> words = record->messages().first();
    QCOMPARE(words.size(), 11);
    QCOMPARE(words.first(), command);
    QCOMPARE(words.at(1), sent);
    for (int i = 2; i <= 9; ++i)
        QCOMPARE(words.at(i), word(i, 0));
    QCOMPARE(words.last(), word(0xFF));
}

void tst_SpiDevices::parametersWithoutPointsAreRefused_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("none") << 0;
    QTest::newRow("beyond 16 bits") << 65536;
}

void tst_SpiDevices::parametersWithoutPointsAreRefused()
{
    QFETCH(int, points);
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, &TransceiverBoard::answer);
    QTest::ignoreMessage(QtDebugMsg, qPrintable("Number of points out of range: " + QString::number(points)));
    QVERIFY(!device->writeChannelParameters(0, 1, 2, 3, 4, 5, points, 7, 8, 9));
    QCOMPARE(record->messageCount(), 0);
    QCOMPARE(device->numberOfPoints(0), 2500);
}

void tst_SpiDevices::startPingNeedsEveryAcknowledge_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<QByteArray>("answer"); // the board's words after the first, in order
    QTest::addColumn<bool>("transferred");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("result");

    QTest::newRow("both, acknowledged") << -1 << hex("fefffeff") << true << hex("efffdfffffff") << true;
    QTest::newRow("both, second word not") << -1 << hex("fefffcff") << true << hex("efffdfffffff") << false;
    QTest::newRow("both, first word not") << -1 << hex("fcfffeff") << true << hex("efffdfffffff") << false;
    QTest::newRow("other value pings both") << 7 << hex("fefffeff") << true << hex("efffdfffffff") << true;
    QTest::newRow("channel 1") << 0 << hex("feff") << true << hex("efffffff") << true;
    QTest::newRow("channel 2, not acknowledged") << 1 << hex("ffff") << true << hex("dfffffff") << false;
    QTest::newRow("failed transfer") << 0 << hex("feff") << false << hex("efffffff") << false;
}

void tst_SpiDevices::startPingNeedsEveryAcknowledge()
{
    QFETCH(int, channel);
    QFETCH(QByteArray, answer);
    QFETCH(bool, transferred);
    QFETCH(QByteArray, sent);
    QFETCH(bool, result);

    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, [=](QVector<QByteArray> &words) {
        for (int i = 1; i < words.size(); ++i)
            words[i] = answer.mid(2 * (i - 1), 2);
        return transferred;
    });
    QCOMPARE(device->startPing(channel), result);

    QByteArray joined;
    const QVector<QByteArray> words = record->messages().first();
    for (const QByteArray &w : words)
        joined += w;
    QCOMPARE(joined, sent);
}

void tst_SpiDevices::additionalDataAndReset()
{
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, &TransceiverBoard::answer);
    QCOMPARE(device->readAdditionalData(), hex("a00aa10aa20aa30aa40a"));
    QCOMPARE(record->messages().first().size(), 8);
    QCOMPARE(record->messages().first().first(), word(0x0D));
    QVERIFY(device->resetTransceiver());
    QCOMPARE(record->messages().at(1), QVector<QByteArray>({ word(0x00), word(0xFF) }));
}

void tst_SpiDevices::setChannelRefusesOtherValues()
{
    ES604_SPI_Device device(0, QStringLiteral("/dev/spidev1.0"));
    QCOMPARE(device.channel(), 1);
    device.setChannel(2);
    QCOMPARE(device.channel(), 2);
    QTest::ignoreMessage(QtDebugMsg, "Invalid value for ES channel!");
    device.setChannel(3);
    QCOMPARE(device.channel(), 2);
}

void tst_SpiDevices::configureKeepsUnchangedSettings()
{
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<KW1_SPI_Device>(record, &TransceiverBoard::answer);
    QCOMPARE(device->wordSize(), 8);
    QVERIFY(device->configure(1000000, -1, -1, 1, -1));
    QCOMPARE(device->transferSetting(), 1000000);
    QCOMPARE(device->secondSetting(), 0);
    QCOMPARE(device->wordSize(), 8);
    QCOMPARE(device->transferFlag(), 1);
    // The node gets mode, word size, clock and bit order; -1 leaves them as the node has them.
    QCOMPARE(record->configureCalls(), QList<QList<int>>({ { -1, -1, 1000000, -1 } }));
}

void tst_SpiDevices::windowsPlatformDoesNothing()
{
    m_linux.reset();
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<ES604_SPI_Device>(record, &TransceiverBoard::answer);
    QVERIFY(!device->configure(-1, -1, -1, -1, -1));
    QVERIFY(!device->startPing(0));
    QCOMPARE(device->readMeasurement(0), QByteArray(5000, '\0'));
    QCOMPARE(device->readAdditionalData(), QByteArray(10, '\0'));
    QVERIFY(!device->resetTransceiver());
    QCOMPARE(record->messageCount(), 0);
    QCOMPARE(record->configureCalls().size(), 0);
}

void tst_SpiDevices::speedLogWriteParameters()
{
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<KW1_SPI_Device>(record, [](QVector<QByteArray> &) { return true; });
    QVERIFY(device->setParameters(12.345f, -1.0f));
    const QVector<QByteArray> sent = record->messages().first();
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.first(), hex("210200 04d2ffff9c").append(QByteArray(42, '\0')));
}

void tst_SpiDevices::speedLogReadValues_data()
{
    QTest::addColumn<int>("shift"); // -1: no marker
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("result");
    QTest::addColumn<bool>("valid");

    QTest::newRow("marker at 26") << 0 << 123 << true << true;
    QTest::newRow("marker at 27") << 1 << 123 << true << true;
    QTest::newRow("no marker") << -1 << 123 << false << false;
    QTest::newRow("no reading") << 0 << -9999 << true << false;
}

void tst_SpiDevices::speedLogReadValues()
{
    QFETCH(int, shift);
    QFETCH(int, first);
    QFETCH(bool, result);
    QFETCH(bool, valid);

    const auto put = [](QByteArray &bytes, int offset, qint32 value) {
        qToLittleEndian<qint32>(value, bytes.data() + offset);
    };
    auto record = std::make_shared<SpiBoardRecord>();
    auto device = onBoard<KW1_SPI_Device>(record, [&](QVector<QByteArray> &segments) {
        QByteArray &bytes = segments[0];
        bytes.fill('\0');
        const int s = qMax(0, shift);
        put(bytes, s + 0, first);
        put(bytes, s + 4, 52);
        // Field at 9: four bytes from 9 to 12; byte 8 between the fields stays unused.
        put(bytes, s + 9, -37);
        put(bytes, s + 14, 1250);
        put(bytes, s + 18, -200);
        put(bytes, s + 22, 7);
        if (shift >= 0)
            bytes[26 + shift] = char(0xAA);
        return true;
    });
    QCOMPARE(device->readValues(), result);
    QCOMPARE(device->isReadingValid(), valid);
    QCOMPARE(record->messages().first().first(), hex("4b").append(QByteArray(49, '\0')));
    if (!result) {
        QCOMPARE(device->readingB(), 0.0f);
        return;
    }
    QCOMPARE(device->readingA(), valid ? 12.3f : 0.0f);
    QCOMPARE(device->readingB(), 5.2f);
    QCOMPARE(device->readingC(), -3.7f);
    QCOMPARE(device->parameter1(), 12.5f);
    QCOMPARE(device->parameter2(), -2.0f);
    QCOMPARE(device->readingD(), 0.7f);
}

QTEST_GUILESS_MAIN(tst_SpiDevices)
#include "tst_spidevices.moc"
