#include "common/BuildConfiguration.h"
#include "hardware/AD7997.h"
#include "hardware/supplyVoltageChannels.h"
#include "platform/PlatformPaths.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class tst_SupplyVoltages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void channelTable();
    void voltageFromCount_data();
    void voltageFromCount();
    void linuxReadsTheChannelFiles_data();
    void linuxReadsTheChannelFiles();
    void unreadableChannelsGiveZero_data();
    void unreadableChannelsGiveZero();
    void windowsReadsNoFile();
    void monitorReadings();

private:
    void writeCount(const QString &channel, const QByteArray &text);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
};

void tst_SupplyVoltages::init()
{
    m_root.reset(new QTemporaryDir);
    QVERIFY(m_root->isValid());
    m_paths.reset(new PlatformPaths::TestOverride(m_root->path()));
    QVERIFY(QDir().mkpath(m_root->path() + "/sys/bus/iio/devices/iio:device0"));
}

void tst_SupplyVoltages::cleanup()
{
    m_paths.reset();
    m_root.reset();
}

void tst_SupplyVoltages::writeCount(const QString &channel, const QByteArray &text)
{
    QFile file(m_root->path() + "/sys/bus/iio/devices/iio:device0/in_voltage" + channel + "_raw");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void tst_SupplyVoltages::channelTable()
{
    const supplyVoltageChannels channels;
    QCOMPARE(channels.countScale, 0.000805860793f);
    QCOMPARE(QStringList({ channels.channel1, channels.channel2, channels.channel3 }),
        QStringList({ "11", "10", "6" }));
    QCOMPARE(channels.channel1Factor, 12.0204086f);
    QCOMPARE(channels.channel2Factor, 2.0f);
    QCOMPARE(channels.channel3Factor, 1.33163273f);
    QCOMPARE(channels.rawCountPath("10"), QString("/sys/bus/iio/devices/iio:device0/in_voltage10_raw"));
}

void tst_SupplyVoltages::voltageFromCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<float>("factor");
    QTest::addColumn<float>("volts");
    QTest::newRow("full scale on channel 10") << 4095 << 2.0f << 6.6f;
    QTest::newRow("full scale on channel 11") << 4095 << 12.0204086f << 39.6673477f;
    QTest::newRow("zero") << 0 << 1.33163273f << 0.0f;
}

void tst_SupplyVoltages::voltageFromCount()
{
    QFETCH(int, count);
    QFETCH(float, factor);
    QFETCH(float, volts);
    const supplyVoltageChannels channels;
    QCOMPARE(channels.voltageFromCount(count, factor) + 1.0f, volts + 1.0f);
}

void tst_SupplyVoltages::linuxReadsTheChannelFiles_data()
{
    QTest::addColumn<int>("channelNumber");
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<float>("volts");
    QTest::newRow("channel 2 full scale") << 2 << "10" << QByteArray("4095\n") << 6.6f;
    QTest::newRow("channel 1 at 2000") << 1 << "11" << QByteArray("2000\n") << 19.373552f;
    QTest::newRow("channel 3 zero") << 3 << "6" << QByteArray("0\n") << 0.0f;
}

void tst_SupplyVoltages::linuxReadsTheChannelFiles()
{
    QFETCH(int, channelNumber);
    QFETCH(QString, channel);
    QFETCH(QByteArray, text);
    QFETCH(float, volts);
    BuildConfiguration::TestOverride onLinux("CU", "LINUX", "TVR100");
    writeCount(channel, text);
    const supplyVoltageChannels channels;
    QCOMPARE(channels.voltage(channelNumber) + 1.0f, volts + 1.0f);
}

void tst_SupplyVoltages::unreadableChannelsGiveZero_data()
{
    QTest::addColumn<QByteArray>("text"); // null: no file
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray()
                                  << "^Cannot open device file for reading: .*in_voltage10_raw";
    QTest::newRow("no number") << QByteArray("abc\n")
                               << "^Device file holds no number: .*in_voltage10_raw: \"abc\"$";
    QTest::newRow("empty") << QByteArray("") << "^Device file holds no number: .*in_voltage10_raw: \"\"$";
    QTest::newRow("above 12 bits") << QByteArray("4096\n")
                                   << "^Supply-voltage count out of range on channel 10: 4096$";
    QTest::newRow("negative") << QByteArray("-1\n")
                              << "^Supply-voltage count out of range on channel 10: -1$";
}

void tst_SupplyVoltages::unreadableChannelsGiveZero()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    BuildConfiguration::TestOverride onLinux("CU", "LINUX", "TVR100");
    if (!text.isNull())
        writeCount("10", text);
    const supplyVoltageChannels channels;
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression(message));
    QCOMPARE(channels.voltage(2), 0.0f);
}

void tst_SupplyVoltages::windowsReadsNoFile()
{
    writeCount("10", "4095\n");
    const supplyVoltageChannels channels;
    QCOMPARE(channels.voltage(2), 0.0f);
    QTest::ignoreMessage(QtDebugMsg, "No supply-voltage channel 4");
    QCOMPARE(channels.voltage(4), 0.0f);
}

void tst_SupplyVoltages::monitorReadings()
{
    const AD7997 monitor;
    const QList<float> expected { 24.0f, 5.5f, 5.0f, 5.0f, 3.3f, 0.0f, 0.0f, 0.0f };
    for (int reading = 1; reading <= 8; ++reading) {
        QCOMPARE(monitor.voltage(reading), expected.at(reading - 1));
        QVERIFY(monitor.isVoltageWithinLimits(reading));
        QCOMPARE(monitor.rawReading(reading), 0.0f);
    }
    QCOMPARE(monitor.voltage(9), 0.0f);
    QVERIFY(!monitor.isVoltageWithinLimits(0));
}

QTEST_GUILESS_MAIN(tst_SupplyVoltages)
#include "tst_supplyvoltages.moc"
