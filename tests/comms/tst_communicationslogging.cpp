// The communication logging control: the three logs in their folders under "/Communication_Logs/" on
// the logging device, the switches of the logging setup, the device choice and presence, and the
// writing timer. The logging devices are folders in a temporary directory whose presence the test
// decides.

#include "comms/BufferedRecorder.h"
#include "comms/CommunicationsLogging.h"
#include "comms/InputErrorLogger.h"
#include "comms/MessageLogger.h"
#include "data/CommsLoggingSetup.h"
#include "platform/ESStorageDeviceController.h"
#include "platform/PlatformPaths.h"

#include "FileBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Logging devices in folders of a temporary directory: "internal", "usb" and "sd".
class FolderDevices : public ESStorageDeviceController
{
public:
    explicit FolderDevices(const QString &root)
        : m_root(root)
    {
        present[LogToInternal] = true;
        present[LogToUsb] = true;
        present[LogToSd] = true;
    }
    QString devicePath(enum_LogToDevice device) const override
    {
        if (emptyRoot)
            return QString();
        static const char *const names[] = { "/internal", "/usb", "/sd" };
        return device >= LogToInternal && device <= LogToSd ? m_root + names[device] : QString();
    }
    bool isDevicePresent(enum_LogToDevice device) const override { return present.value(device, false); }

    QMap<int, bool> present;
    bool emptyRoot = false;

private:
    QString m_root;
};

QString sentence(int number)
{
    return QStringLiteral("$GPTXT,01,01,02,%1*00\r\n").arg(number);
}

} // namespace

class tst_CommunicationsLogging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void createMakesOneInstance();
    void foldersAndExistingLogs();
    void writesChangedLogsOnTheTimer();
    void defaultIntervalIsTenSeconds();
    void everySixtyFirstTickRewritesEveryLog();
    void switchesFollowTheSetup_data();
    void switchesFollowTheSetup();
    void datagramSwitchesFollowTheSetup();
    void fixedDeviceStaysInternal();
    void deviceChoiceMovesTheLogs();
    void unknownDeviceSettingIsIgnored();
    void deviceAbsentAtStartThenInserted();
    void deviceRemovedWhileLogging();
    void deviceWithoutRootIsAbsent();
    void destructionWritesOnlyToAPresentDevice();

private:
    // The file of a log on a device: "internal", "usb" or "sd"; directory "Input_Messages" etc.
    QString logFile(const QString &device, const QString &directory, const QString &name) const
    {
        return m_root->path() + "/" + device + "/Communication_Logs/" + directory + "/" + name;
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<PlatformPaths::TestOverride> m_paths;
    std::unique_ptr<CommsLoggingSetup> m_setup;
    std::unique_ptr<FolderDevices> m_devices;
};

void tst_CommunicationsLogging::init()
{
    m_root.reset(new QTemporaryDir);
    QVERIFY(m_root->isValid());
    // The device watcher of the base class reads no mount table of this machine.
    m_paths.reset(new PlatformPaths::TestOverride(m_root->path()));
    m_setup.reset(new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup")));
    m_devices.reset(new FolderDevices(m_root->path()));
}

void tst_CommunicationsLogging::cleanup()
{
    m_devices.reset();
    m_setup.reset();
    m_paths.reset();
    m_root.reset();
}

void tst_CommunicationsLogging::createMakesOneInstance()
{
    QVERIFY(!CommunicationsLogging::instance());
    // The process-wide object lives on after this test, so it gets a setup of its own and no device.
    auto *setup = new CommsLoggingSetup(nullptr, QStringLiteral("CommunicationsLoggingSetup"));
    setup->CommonLoggingSetup()->setLogToDevice(LogToUsb);
    CommunicationsLogging::create(setup, nullptr, false);
    CommunicationsLogging *first = CommunicationsLogging::instance();
    QVERIFY(first);
    QCOMPARE(first->loggingDevice(), LogToUsb);
    QVERIFY(!first->isFixedDevice());

    CommunicationsLogging::create(m_setup.get(), m_devices.get(), true);
    QCOMPARE(CommunicationsLogging::instance(), first);
    QCOMPARE(first->loggingDevice(), LogToUsb);
    QVERIFY(!first->isFixedDevice());
    QVERIFY(!first->isLoggingDevicePresent());
    QVERIFY(first->inputMessageLogger());
    QVERIFY(first->outputMessageLogger());
    QVERIFY(first->inputErrorLogger());
}

void tst_CommunicationsLogging::foldersAndExistingLogs()
{
    const QString input = logFile("internal", "Input_Messages", "NMEA_1.txt");
    QVERIFY(QDir().mkpath(QFileInfo(input).path()));
    QVERIFY(writeFileBytes(input, "07-Mar-2024_08:05:09 (UTC) >> " + sentence(1).toLatin1() + "<<"));
    QVERIFY(writeFileBytes(input + ".x1y2", "left over"));

    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QCOMPARE(logging.loggingDevice(), LogToInternal);
    QCOMPARE(logging.writeInterval(), CommunicationsLogging::defaultWriteInterval);
    QCOMPARE(logging.writeInterval(), 10000);
    QCOMPARE(logging.logsRoot(), m_root->path() + "/internal/Communication_Logs/");
    for (const char *directory : { "Input_Messages", "Output_Messages", "Input_Errors" })
        QVERIFY(QDir(m_root->path() + "/internal/Communication_Logs/" + directory).exists());
    QVERIFY(!QFile::exists(input + ".x1y2"));

    QCOMPARE(logging.inputMessageLogger()->recorder(Serial_1)->recordCount(), 1);
    QCOMPARE(logging.inputMessageLogger()->recorder(Serial_1)->filePath(), input);
    QCOMPARE(logging.outputMessageLogger()->recorder(UDP)->filePath(),
        logFile("internal", "Output_Messages", "NMEA_UDP.txt"));
    QCOMPARE(logging.inputErrorLogger()->udpBinaryRecorder()->filePath(),
        logFile("internal", "Input_Errors", "UDP_Binary_Datagrams.txt"));
    for (MessageLogger *logger : { logging.inputMessageLogger(), logging.outputMessageLogger(),
             (MessageLogger *)logging.inputErrorLogger() })
        QCOMPARE(logger->recorder(Serial_1)->capacity(), 500);
}

void tst_CommunicationsLogging::writesChangedLogsOnTheTimer()
{
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    logging.setWriteInterval(20);
    logging.inputMessageLogger()->logMessageToFile(Serial_2, sentence(1));
    logging.outputMessageLogger()->logMessageToFile(UDP, sentence(2));
    logging.inputErrorLogger()->logNmeaMessageErrorToFile(NmeaChecksumError, Serial_3, sentence(3));

    const QString input = logFile("internal", "Input_Messages", "NMEA_2.txt");
    const QString output = logFile("internal", "Output_Messages", "NMEA_UDP.txt");
    const QString errors = logFile("internal", "Input_Errors", "NMEA_3.txt");
    QTRY_VERIFY(QFile::exists(input) && QFile::exists(output) && QFile::exists(errors));
    QVERIFY(readFileBytes(input).endsWith(" >> " + sentence(1).toLatin1() + "<<"));
    QVERIFY(readFileBytes(output).endsWith(" >> " + sentence(2).toLatin1() + "<<"));
    QVERIFY(readFileBytes(errors).endsWith(" >> 1: " + sentence(3).toLatin1() + "<<"));
    // Only logs with records were written.
    QCOMPARE(QDir(QFileInfo(input).path()).entryList(QDir::Files), QStringList { "NMEA_2.txt" });

    logging.inputMessageLogger()->logMessageToFile(Serial_2, sentence(4));
    QTRY_VERIFY(readFileBytes(input).endsWith(" >> " + sentence(4).toLatin1() + "<<"));
}

// The logs are written every 10 s (the writing itself is checked above on a short interval).
void tst_CommunicationsLogging::defaultIntervalIsTenSeconds()
{
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QCOMPARE(logging.writeInterval(), 10000);
    logging.outputMessageLogger()->logMessageToFile(Serial_1, sentence(1));
    QVERIFY(!QFile::exists(logFile("internal", "Output_Messages", "NMEA_1.txt")));
    QCOMPARE(logging.writeTicks(), 0);
}

void tst_CommunicationsLogging::everySixtyFirstTickRewritesEveryLog()
{
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    logging.setWriteInterval(10);
    logging.inputMessageLogger()->logMessageToFile(Serial_1, sentence(1));
    const QString input = logFile("internal", "Input_Messages", "NMEA_1.txt");
    QTRY_VERIFY(QFile::exists(input));
    QVERIFY(logging.writeTicks() < 30);

    // An unchanged log is not written again on the ordinary ticks ...
    QVERIFY(QFile::remove(input));
    QTRY_VERIFY(logging.writeTicks() >= 40);
    QVERIFY(!QFile::exists(input));
    // ... but on the 61st tick every log is rewritten, and the count starts again.
    QTRY_VERIFY(QFile::exists(input));
    QVERIFY(logging.writeTicks() < 40);
    QVERIFY(readFileBytes(input).endsWith(" >> " + sentence(1).toLatin1() + "<<"));
    // Every log, including those without records and the datagram logs.
    QCOMPARE(QDir(QFileInfo(input).path()).entryList(QDir::Files).size(), 4);
    QCOMPARE(
        QDir(m_root->path() + "/internal/Communication_Logs/Input_Errors").entryList(QDir::Files).size(), 6);
}

void tst_CommunicationsLogging::switchesFollowTheSetup_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("port");

    const QStringList properties { "Nmea1", "Nmea2", "Nmea3", "NmeaUdp" };
    for (const char *log : { "input", "output", "error" }) {
        for (int port = 0; port < 4; ++port)
            QTest::addRow("%s %s", log, qPrintable(properties.at(port)))
                << log << properties.at(port) << port;
    }
}

void tst_CommunicationsLogging::switchesFollowTheSetup()
{
    QFETCH(QString, log);
    QFETCH(QString, property);
    QFETCH(int, port);

    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QObject *section = log == "input" ? static_cast<QObject *>(m_setup->InputLoggingSetup())
        : log == "output"             ? static_cast<QObject *>(m_setup->OutputLoggingSetup())
                                      : static_cast<QObject *>(m_setup->ErrorLoggingSetup());
    MessageLogger *logger = log == "input" ? logging.inputMessageLogger()
        : log == "output"                  ? logging.outputMessageLogger()
                                           : logging.inputErrorLogger();
    const QList<MessageLogger *> loggers { logging.inputMessageLogger(), logging.outputMessageLogger(),
        logging.inputErrorLogger() };

    // "off" (1) stops that port of that log only.
    QVERIFY(section->setProperty(qPrintable(property), 1));
    for (MessageLogger *each : loggers) {
        for (int p = 0; p < 4; ++p)
            QCOMPARE(each->isPortLogging(Port(p)), !(each == logger && p == port));
    }
    logger->logMessageToFile(Port(port), sentence(1));
    QCOMPARE(logger->recorder(Port(port))->recordCount(), 0);

    QVERIFY(section->setProperty(qPrintable(property), 0));
    QVERIFY(logger->isPortLogging(Port(port)));
}

void tst_CommunicationsLogging::datagramSwitchesFollowTheSetup()
{
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    InputErrorLogger *errors = logging.inputErrorLogger();
    // Off until the setup announces its values.
    QVERIFY(!errors->isUdpNmeaDatagramLogging());
    QVERIFY(!errors->isUdpBinaryDatagramLogging());

    m_setup->ErrorLoggingSetup()->setUdpNmeaDatagram(0);
    QVERIFY(errors->isUdpNmeaDatagramLogging());
    QVERIFY(!errors->isUdpBinaryDatagramLogging());
    m_setup->ErrorLoggingSetup()->setUdpBinaryDatagram(0);
    QVERIFY(errors->isUdpBinaryDatagramLogging());
    m_setup->ErrorLoggingSetup()->setUdpNmeaDatagram(1);
    QVERIFY(!errors->isUdpNmeaDatagramLogging());

    // The start-up's announcement of every setting sets every switch at once.
    m_setup->ErrorLoggingSetup()->setUdpNmeaDatagram(0);
    m_setup->OutputLoggingSetup()->setNmea3(1);
    CommunicationsLogging fresh(m_setup.get(), m_devices.get(), false);
    QVERIFY(fresh.outputMessageLogger()->isPortLogging(Serial_3));
    m_setup->emitAllPropertySignals();
    QVERIFY(!fresh.outputMessageLogger()->isPortLogging(Serial_3));
    QVERIFY(fresh.inputErrorLogger()->isUdpNmeaDatagramLogging());
    QVERIFY(fresh.inputErrorLogger()->isUdpBinaryDatagramLogging());
}

void tst_CommunicationsLogging::fixedDeviceStaysInternal()
{
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToUsb);
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), true);
    QCOMPARE(logging.loggingDevice(), LogToInternal);
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToSd);
    emit m_devices->esDevicePresenceChanged(LogToSd, true);
    QCOMPARE(logging.loggingDevice(), LogToInternal);
    QVERIFY(!QDir(m_root->path() + "/sd").exists());
    QVERIFY(!QDir(m_root->path() + "/usb").exists());
    QCOMPARE(logging.inputMessageLogger()->dirPath(),
        m_root->path() + "/internal/Communication_Logs/Input_Messages/");
}

void tst_CommunicationsLogging::deviceChoiceMovesTheLogs()
{
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToUsb);
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QCOMPARE(logging.loggingDevice(), LogToUsb);
    logging.setWriteInterval(20);
    logging.outputMessageLogger()->logMessageToFile(Serial_2, sentence(1));
    QTRY_VERIFY(QFile::exists(logFile("usb", "Output_Messages", "NMEA_2.txt")));

    m_setup->CommonLoggingSetup()->setLogToDevice(LogToSd);
    QCOMPARE(logging.loggingDevice(), LogToSd);
    for (const char *directory : { "Input_Messages", "Output_Messages", "Input_Errors" })
        QVERIFY(QDir(m_root->path() + "/sd/Communication_Logs/" + directory).exists());
    logging.outputMessageLogger()->logMessageToFile(Serial_2, sentence(2));
    const QString moved = logFile("sd", "Output_Messages", "NMEA_2.txt");
    QTRY_VERIFY(QFile::exists(moved));
    // The records held went with the log.
    QVERIFY(readFileBytes(moved).contains(sentence(1).toLatin1()));
    QVERIFY(readFileBytes(moved).endsWith(sentence(2).toLatin1() + "<<"));
}

void tst_CommunicationsLogging::unknownDeviceSettingIsIgnored()
{
    m_setup->CommonLoggingSetup()->setLogToDevice(9);
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QCOMPARE(logging.loggingDevice(), LogToInternal);
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToSd);
    QCOMPARE(logging.loggingDevice(), LogToSd);
    m_setup->CommonLoggingSetup()->setLogToDevice(-1);
    QCOMPARE(logging.loggingDevice(), LogToSd);
    QCOMPARE(
        logging.inputMessageLogger()->dirPath(), m_root->path() + "/sd/Communication_Logs/Input_Messages/");
}

void tst_CommunicationsLogging::deviceAbsentAtStartThenInserted()
{
    // The stick holds the log of an earlier run.
    const QString stickLog = logFile("usb", "Input_Messages", "NMEA_UDP.txt");
    QVERIFY(QDir().mkpath(QFileInfo(stickLog).path()));
    const QByteArray earlier = "07-Mar-2024_08:05:09 (UTC) >> " + sentence(1).toLatin1() + "<<";
    QVERIFY(writeFileBytes(stickLog, earlier));
    m_devices->present[LogToUsb] = false;
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToUsb);

    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QVERIFY(!logging.isLoggingDevicePresent());
    QCOMPARE(logging.logsRoot(), QString());
    QCOMPARE(logging.inputMessageLogger()->recorder(UDP)->filePath(), QString());
    QCOMPARE(logging.inputMessageLogger()->recorder(UDP)->recordCount(), 0);
    logging.setWriteInterval(10);
    logging.inputMessageLogger()->logMessageToFile(UDP, sentence(2));
    QTRY_VERIFY(logging.writeTicks() >= 5);
    QCOMPARE(readFileBytes(stickLog), earlier);
    QVERIFY(!QDir(m_root->path() + "/usb/Communication_Logs/Output_Messages").exists());

    m_devices->present[LogToUsb] = true;
    emit m_devices->esDevicePresenceChanged(LogToUsb, true);
    QVERIFY(QDir(m_root->path() + "/usb/Communication_Logs/Output_Messages").exists());
    QTRY_VERIFY(readFileBytes(stickLog).endsWith(sentence(2).toLatin1() + "<<"));
    QVERIFY(readFileBytes(stickLog).startsWith(earlier));
}

void tst_CommunicationsLogging::deviceRemovedWhileLogging()
{
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToSd);
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    logging.setWriteInterval(10);
    logging.inputErrorLogger()->logNmeaMessageErrorToFile(NmeaFramingError, UDP, sentence(1));
    const QString log = logFile("sd", "Input_Errors", "NMEA_UDP.txt");
    QTRY_VERIFY(QFile::exists(log));

    // Pulled out: the folder goes with it, nothing is written, the records stay.
    m_devices->present[LogToSd] = false;
    emit m_devices->esDevicePresenceChanged(LogToSd, false);
    QVERIFY(QDir(m_root->path() + "/sd").removeRecursively());
    logging.inputErrorLogger()->logNmeaMessageErrorToFile(NmeaFramingError, UDP, sentence(2));
    const int ticks = logging.writeTicks();
    QTRY_VERIFY(logging.writeTicks() >= ticks + 5);
    QVERIFY(!QDir(m_root->path() + "/sd").exists());
    QCOMPARE(logging.inputErrorLogger()->recorder(UDP)->recordCount(), 2);

    // Back again: the folders are made anew and the whole log is written.
    m_devices->present[LogToSd] = true;
    emit m_devices->esDevicePresenceChanged(LogToSd, true);
    QTRY_VERIFY(readFileBytes(log).endsWith(" >> 2: " + sentence(2).toLatin1() + "<<"));
    QVERIFY(readFileBytes(log).contains(" >> 2: " + sentence(1).toLatin1() + "<<"));
}

void tst_CommunicationsLogging::deviceWithoutRootIsAbsent()
{
    // A device that names no folder would put the logs at the top of the file system.
    m_devices->emptyRoot = true;
    CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
    QVERIFY(!logging.isLoggingDevicePresent());
    QCOMPARE(logging.logsRoot(), QString());
    QCOMPARE(logging.inputMessageLogger()->dirPath(), QString());
    QCOMPARE(logging.inputMessageLogger()->recorder(Serial_1)->filePath(), QString());
}

void tst_CommunicationsLogging::destructionWritesOnlyToAPresentDevice()
{
    const QString present = logFile("internal", "Output_Messages", "NMEA_1.txt");
    {
        CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
        logging.outputMessageLogger()->logMessageToFile(Serial_1, sentence(1));
    }
    QVERIFY(readFileBytes(present).endsWith(sentence(1).toLatin1() + "<<"));

    const QString absent = logFile("usb", "Output_Messages", "NMEA_1.txt");
    m_setup->CommonLoggingSetup()->setLogToDevice(LogToUsb);
    {
        CommunicationsLogging logging(m_setup.get(), m_devices.get(), false);
        QVERIFY(QFile::exists(QFileInfo(absent).path()));
        m_devices->present[LogToUsb] = false;
        emit m_devices->esDevicePresenceChanged(LogToUsb, false);
        logging.outputMessageLogger()->logMessageToFile(Serial_1, sentence(2));
    }
    QVERIFY(!QFile::exists(absent));
}

QTEST_GUILESS_MAIN(tst_CommunicationsLogging)
#include "tst_communicationslogging.moc"
