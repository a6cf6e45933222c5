// Removable storage: the mount table read once a second (every 20 ms where a case waits for polls),
// presence signals, and the product folder on a device. The controller runs on the "LINUX" platform
// against its own mount table and mount points in a temporary folder.

#include "common/BuildConfiguration.h"
#include "platform/ESStorageDeviceController.h"
#include "platform/PlatformPaths.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const int fastPollMs = 20;

} // namespace

class tst_StorageDeviceController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mountTable_data();
    void mountTable();
    void mountingIsReportedOnce();
    void removalIsReportedAsLoggingDevice();
    void unreadableTableChangesNothing();
    void productFolder_data();
    void productFolder();
    void devicePaths();
    void windowsAnswers();

private:
    void writeTable(const QByteArray &content);
    // Waits until the poll timer has fired `ticks` more times.
    void waitForPolls(StorageDeviceController &controller, int ticks);

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
    std::unique_ptr<BuildConfiguration::TestOverride> m_linux;
};

void tst_StorageDeviceController::init()
{
    m_root.reset(new QTemporaryDir);
    QVERIFY(m_root->isValid());
    m_paths.reset(new PlatformPaths::TestOverride(m_root->path()));
    m_linux.reset(new BuildConfiguration::TestOverride("CU", "LINUX", "MIR_LOX1000"));
    QVERIFY(QDir().mkpath(m_root->path() + "/etc"));
}

void tst_StorageDeviceController::cleanup()
{
    m_linux.reset();
    m_paths.reset();
    m_root.reset();
}

void tst_StorageDeviceController::writeTable(const QByteArray &content)
{
    QFile file(m_root->path() + "/etc/mtab");
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), qint64(content.size()));
}

void tst_StorageDeviceController::waitForPolls(StorageDeviceController &controller, int ticks)
{
    auto *timer = controller.findChild<QTimer *>();
    QVERIFY(timer);
    QSignalSpy polls(timer, &QTimer::timeout);
    QTRY_VERIFY(polls.count() >= ticks);
}

void tst_StorageDeviceController::mountTable_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<bool>("usb");
    QTest::addColumn<bool>("sd");

    const QByteArray usb = "/dev/sda1 /media/usb0 vfat rw,relatime 0 0\n";
    const QByteArray sd = "/dev/mmcblk1p1 /media/sd0 vfat rw 0 0\n";
    const QByteArray root = "/dev/root / ext4 rw 0 0\n";

    QTest::newRow("nothing mounted") << root << false << false;
    QTest::newRow("empty table") << QByteArray() << false << false;
    QTest::newRow("usb stick") << root + usb << true << false;
    QTest::newRow("sd card") << sd + root << false << true;
    QTest::newRow("both") << usb + sd << true << true;
    QTest::newRow("last line without line end") << root + "/dev/sda1 /media/sd0 vfat rw 0 0" << false << true;
    QTest::newRow("longer path does not count")
        << QByteArray("/dev/sda1 /media/usb0x vfat rw 0 0\n/dev/sdb1 /media/sd0/card vfat rw 0 0\n") << false
        << false;
    QTest::newRow("mount point only as device")
        << QByteArray("/media/usb0 /mnt vfat rw 0 0\n") << false << false;
    QTest::newRow("case matters") << QByteArray("/dev/sda1 /MEDIA/USB0 vfat rw 0 0\n") << false << false;
    QTest::newRow("blank line before the entry") << root + "\n" + usb << true << false;
    QTest::newRow("one-field line before the entry") << root + "garbage\n" + sd << false << true;
    QTest::newRow("tabs and runs of blanks")
        << QByteArray("/dev/sda1\t/media/usb0  vfat   rw 0 0\n") << true << false;
    QTest::newRow("binary garbage before the entry")
        << QByteArray("\x01\x02\xff\xfe\x00\x7f zz\n", 10) + usb << true << false;
    QTest::newRow("long line before the entry") << QByteArray(100000, 'x') + "\n" + sd << false << true;
    QTest::newRow("long line holding the mount point is skipped")
        << QByteArray("/dev/sda1 /media/usb0 ") + QByteArray(100000, 'o') + "\n" + sd << false << true;
    QTest::newRow("long last line without line end") << sd + QByteArray(50000, 'y') << false << true;
}

void tst_StorageDeviceController::mountTable()
{
    QFETCH(QByteArray, table);
    QFETCH(bool, usb);
    QFETCH(bool, sd);

    writeTable(table);
    ESStorageDeviceController controller;
    QCOMPARE(controller.isUsbPresent(), usb);
    QCOMPARE(controller.isSdPresent(), sd);
    QCOMPARE(controller.isPresent(StorageDeviceController::UsbStick), usb);
    QCOMPARE(controller.isPresent(StorageDeviceController::SdCard), sd);
    QCOMPARE(controller.isDevicePresent(LogToUsb), usb);
    QCOMPARE(controller.isDevicePresent(LogToSd), sd);
    QVERIFY(controller.isDevicePresent(LogToInternal));
}

void tst_StorageDeviceController::mountingIsReportedOnce()
{
    writeTable("/dev/root / ext4 rw 0 0\n");
    ESStorageDeviceController controller;
    QCOMPARE(controller.pollInterval(), 1000);
    controller.setPollInterval(fastPollMs);
    QSignalSpy presence(&controller, &StorageDeviceController::devicePresenceChanged);
    QSignalSpy logging(&controller, &ESStorageDeviceController::esDevicePresenceChanged);

    writeTable("/dev/root / ext4 rw 0 0\n/dev/sda1 /media/usb0 vfat rw 0 0\n");
    QTRY_COMPARE(presence.count(), 1);
    QCOMPARE(presence.at(0).at(0).value<StorageDeviceController::StorageDevice>(),
        StorageDeviceController::UsbStick);
    QCOMPARE(presence.at(0).at(1).toBool(), true);
    QCOMPARE(logging.count(), 1);
    QCOMPARE(logging.at(0).at(0).value<enum_LogToDevice>(), LogToUsb);
    QCOMPARE(logging.at(0).at(1).toBool(), true);
    QVERIFY(controller.isDevicePresent(LogToUsb));

    // The same table on the following polls: nothing more.
    waitForPolls(controller, 2);
    QCOMPARE(presence.count(), 1);
    QCOMPARE(logging.count(), 1);
}

void tst_StorageDeviceController::removalIsReportedAsLoggingDevice()
{
    writeTable("/dev/sda1 /media/usb0 vfat rw 0 0\n/dev/mmcblk1p1 /media/sd0 vfat rw 0 0\n");
    ESStorageDeviceController controller;
    controller.setPollInterval(fastPollMs);
    QVERIFY(controller.isUsbPresent());
    QVERIFY(controller.isSdPresent());
    QSignalSpy presence(&controller, &StorageDeviceController::devicePresenceChanged);
    QSignalSpy logging(&controller, &ESStorageDeviceController::esDevicePresenceChanged);

    writeTable("/dev/root / ext4 rw 0 0\n");
    QTRY_COMPARE(presence.count(), 2);
    // USB first, then SD, in the same poll.
    QCOMPARE(presence.at(0).at(0).value<StorageDeviceController::StorageDevice>(),
        StorageDeviceController::UsbStick);
    QCOMPARE(presence.at(0).at(1).toBool(), false);
    QCOMPARE(presence.at(1).at(0).value<StorageDeviceController::StorageDevice>(),
        StorageDeviceController::SdCard);
    QCOMPARE(presence.at(1).at(1).toBool(), false);
    QCOMPARE(logging.count(), 2);
    QCOMPARE(logging.at(0).at(0).value<enum_LogToDevice>(), LogToUsb);
    QCOMPARE(logging.at(0).at(1).toBool(), false);
    QCOMPARE(logging.at(1).at(0).value<enum_LogToDevice>(), LogToSd);
    QCOMPARE(logging.at(1).at(1).toBool(), false);
    QVERIFY(!controller.isDevicePresent(LogToUsb));
    QVERIFY(!controller.isDevicePresent(LogToSd));
}

void tst_StorageDeviceController::unreadableTableChangesNothing()
{
    writeTable("/dev/sda1 /media/usb0 vfat rw 0 0\n");
    ESStorageDeviceController controller;
    controller.setPollInterval(fastPollMs);
    QVERIFY(controller.isUsbPresent());
    QSignalSpy presence(&controller, &StorageDeviceController::devicePresenceChanged);

    QVERIFY(QFile::remove(m_root->path() + "/etc/mtab"));
    waitForPolls(controller, 2);
    QVERIFY(controller.isUsbPresent());
    QCOMPARE(presence.count(), 0);

    // A controller that never read a table knows no device.
    ESStorageDeviceController fresh;
    QVERIFY(!fresh.isUsbPresent());
    QVERIFY(!fresh.isSdPresent());
}

void tst_StorageDeviceController::productFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("folder");

    QTest::newRow("default") << "none"
                             << ""
                             << "/TVR200_99999";
    QTest::newRow("int") << "int"
                         << "1234"
                         << "/TVR200_1234";
    QTest::newRow("uint beyond int") << "uint"
                                     << "4294967295"
                                     << "/TVR200_4294967295";
    QTest::newRow("negative int is the unsigned number") << "int"
                                                         << "-1"
                                                         << "/TVR200_4294967295";
    QTest::newRow("text") << "text"
                          << "A1-b_2.3"
                          << "/TVR200_A1-b_2.3";
    QTest::newRow("text with a slash is refused") << "text"
                                                  << "../../etc"
                                                  << "/TVR200_99999";
    QTest::newRow("text with a backslash is refused") << "text"
                                                      << "a\\b"
                                                      << "/TVR200_99999";
    QTest::newRow("empty text is refused") << "text"
                                           << ""
                                           << "/TVR200_99999";
    QTest::newRow("text with a blank is refused") << "text"
                                                  << "12 34"
                                                  << "/TVR200_99999";
    QTest::newRow("overlong text is refused") << "text" << QString(33, '7') << "/TVR200_99999";
}

void tst_StorageDeviceController::productFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, serial);
    QFETCH(QString, folder);

    writeTable("");
    ESStorageDeviceController controller;
    if (kind == "int")
        controller.setProductSerialNumber(serial.toInt());
    else if (kind == "uint")
        controller.setProductSerialNumber(serial.toUInt());
    else if (kind == "text")
        controller.setProductSerialNumber(serial);

    QCOMPARE(controller.productFolder(), folder);
    QCOMPARE(controller.deviceFolder(StorageDeviceController::UsbStick),
        m_root->path() + "/media/usb0/korvane" + folder);
    QCOMPARE(controller.deviceFolder(StorageDeviceController::SdCard),
        m_root->path() + "/media/sd0/korvane" + folder);
    QCOMPARE(controller.devicePath(LogToUsb), m_root->path() + "/media/usb0/korvane" + folder);
    QCOMPARE(controller.devicePath(LogToSd), m_root->path() + "/media/sd0/korvane" + folder);
}

void tst_StorageDeviceController::devicePaths()
{
    writeTable("/dev/sda1 /media/usb0 vfat rw 0 0\n");
    ESStorageDeviceController controller;
    QCOMPARE(controller.devicePath(LogToInternal), m_root->path() + "/opt");
    QVERIFY(controller.isDevicePresent(LogToInternal));
    // A number that names no device has no folder and is never present.
    QCOMPARE(controller.devicePath(enum_LogToDevice(7)), QString());
    QVERIFY(!controller.isDevicePresent(enum_LogToDevice(7)));
    QCOMPARE(controller.rootPath(), QCoreApplication::applicationDirPath());
    // A product name that cannot name a folder is a programming error.
    using Text = const char *;
    QVERIFY_EXCEPTION_THROWN(StorageDeviceController("../TVR200"), Text);
    StorageDeviceController other("KW2");
    QCOMPARE(other.productFolder(), QString("/KW2_99999"));
}

void tst_StorageDeviceController::windowsAnswers()
{
    BuildConfiguration::TestOverride windows("CU", "WINDOWS", "MIR_LOX1000");
    writeTable("/dev/root / ext4 rw 0 0\n");
    ESStorageDeviceController controller;
    QVERIFY(!controller.isUsbPresent());
    for (enum_LogToDevice device : { LogToInternal, LogToUsb, LogToSd }) {
        QCOMPARE(controller.devicePath(device), QCoreApplication::applicationDirPath());
        QVERIFY(controller.isDevicePresent(device));
    }
}

QTEST_GUILESS_MAIN(tst_StorageDeviceController)
#include "tst_storagedevicecontroller.moc"
