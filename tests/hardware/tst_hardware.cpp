#include "common/BuildConfiguration.h"
#include "comms/NmeaPorts.h"
#include "comms/SerialReader.h"
#include "hardware/DimmingController.h"
#include "hardware/GpioContainer.h"
#include "hardware/Hardware.h"
#include "hardware/supplyVoltageChannels.h"
#include "platform/ESStorageDeviceController.h"
#include "platform/EthernetInterfaces.h"
#include "platform/PlatformPaths.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_Hardware : public QObject
{
    Q_OBJECT

private slots:
    void freshObjectHasNoParts();
    void initCreatesEveryPartOnce();
    void failedPortsGiveTheBanner();
    void secondInitCreatesNothing();
    void linuxInitDrivesTheDevices();
};

void tst_Hardware::freshObjectHasNoParts()
{
    Hardware hardware;
    QVERIFY(!hardware.dimmingController());
    QVERIFY(!hardware.gpioContainer());
    QVERIFY(!hardware.supplyVoltages());
    QVERIFY(!hardware.ad7997());
}

void tst_Hardware::initCreatesEveryPartOnce()
{
    Hardware hardware;
    QVERIFY(hardware.init("eth0"));
    QCOMPARE(hardware.findChildren<DimmingController *>().size(), 1);
    QCOMPARE(hardware.findChildren<GpioContainer *>().size(), 1);
    QCOMPARE(hardware.dimmingController()->parent(), &hardware);
    QCOMPARE(hardware.gpioContainer()->parent(), &hardware);
    QVERIFY(hardware.supplyVoltages());
    QCOMPARE(hardware.supplyVoltages()->channel1, QString("11"));
    QVERIFY(!hardware.ad7997());
    QCOMPARE(hardware.dimmingController()->brightness(), 128);
    for (QObject *part : std::initializer_list<QObject *> {
             hardware.ethernetInterfaces(), hardware.nmeaPorts(), hardware.storageController() }) {
        QVERIFY(part);
        QCOMPARE(part->parent(), &hardware);
    }
    QCOMPARE(hardware.findChildren<EthernetInterfaces *>().size(), 1);
    QCOMPARE(hardware.findChildren<NmeaPorts *>().size(), 1);
    QCOMPARE(hardware.findChildren<ESStorageDeviceController *>().size(), 1);
    QCOMPARE(hardware.serialReader1(), hardware.nmeaPorts()->serialReader1());
}

// A junction box whose serial devices are missing: the other parts still exist and start, and the
// failure is reported by the banner.
void tst_Hardware::failedPortsGiveTheBanner()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString previousFolder = SerialReader::deviceFolder();
    SerialReader::setDeviceFolder(root.path() + "/dev/");
    PlatformPaths::TestOverride paths(root.path());
    BuildConfiguration::TestOverride junctionBox("JB", "WINDOWS", "MIR_LOX1000");
    const QString marks(28, QLatin1Char('!'));
    const QString line(81, QLatin1Char('!'));
    // ignoreMessage fails the test when an expected line is not written.
    for (const QString &expected : { line, marks + "  Hardware init failed   " + marks,
             marks + "  Check Hardware!        " + marks, line })
        QTest::ignoreMessage(QtDebugMsg, qPrintable(expected));
    {
        Hardware hardware;
        QVERIFY(!hardware.init("eth0"));
        QVERIFY(hardware.ethernetInterfaces());
        QVERIFY(hardware.storageController());
        QVERIFY(hardware.serialReader1());
        QCOMPARE(hardware.dimmingController()->brightness(), 128);
    }
    SerialReader::setDeviceFolder(previousFolder);
}

void tst_Hardware::secondInitCreatesNothing()
{
    Hardware hardware;
    QVERIFY(hardware.init("eth0"));
    DimmingController *dimming = hardware.dimmingController();
    GpioContainer *gpio = hardware.gpioContainer();
    supplyVoltageChannels *voltages = hardware.supplyVoltages();
    dimming->setBrightness(40);
    QTest::ignoreMessage(QtDebugMsg, "Hardware already initialised");
    QVERIFY(hardware.init("eth1"));
    QCOMPARE(hardware.dimmingController(), dimming);
    QCOMPARE(hardware.gpioContainer(), gpio);
    QCOMPARE(hardware.supplyVoltages(), voltages);
    QCOMPARE(hardware.findChildren<DimmingController *>().size(), 1);
    QCOMPARE(dimming->brightness(), 40);
}

// On the panel the start writes the default brightness to the backlight and sets up the GPIO lines.
void tst_Hardware::linuxInitDrivesTheDevices()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString backlight = root.path() + "/sys/class/backlight/backlight/brightness";
    QVERIFY(QDir().mkpath(QFileInfo(backlight).path()));
    QFile(backlight).open(QIODevice::WriteOnly);
    for (const char *number : { "152", "151", "114" }) {
        const QString folder = root.path() + "/sys/class/gpio/gpio" + number;
        QVERIFY(QDir().mkpath(folder));
        for (const char *file : { "/direction", "/edge", "/value" })
            QFile(folder + file).open(QIODevice::WriteOnly);
    }
    const auto read = [&root](const QString &systemPath) {
        QFile file(root.path() + systemPath);
        file.open(QIODevice::ReadOnly);
        return QString::fromLatin1(file.readAll());
    };

    PlatformPaths::TestOverride paths(root.path());
    BuildConfiguration::TestOverride onLinux("CU", "LINUX", "TVR100");
    Hardware hardware;
    QVERIFY(hardware.init("eth0"));
    QCOMPARE(read("/sys/class/backlight/backlight/brightness"), QString("128\n"));
    QCOMPARE(read("/sys/class/gpio/gpio114/direction"), QString("out"));
    QCOMPARE(read("/sys/class/gpio/gpio152/edge"), QString("both"));
}

QTEST_GUILESS_MAIN(tst_Hardware)
#include "tst_hardware.moc"
