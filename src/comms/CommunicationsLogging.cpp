#include "comms/CommunicationsLogging.h"

#include "comms/InputErrorLogger.h"
#include "comms/MessageLogger.h"
#include "data/CommsLoggingSetup.h"

#include <QDebug>
#include <QDir>

CommunicationsLogging *CommunicationsLogging::s_instance = nullptr;

namespace {

bool isLogToDevice(int value)
{
    return value >= LogToInternal && value <= LogToSd;
}

} // namespace

void CommunicationsLogging::create(
    CommsLoggingSetup *loggingSetup, ESStorageDeviceController *storageController, bool fixedDevice)
{
    // A test's override stands for the process-wide logs.
    if (s_instance || TestOverride::isActive())
        return;
    s_instance = new CommunicationsLogging(loggingSetup, storageController, fixedDevice);
}

CommunicationsLogging *CommunicationsLogging::instance()
{
    if (TestOverride::isActive())
        return TestOverride::current();
    return s_instance;
}

CommunicationsLogging::CommunicationsLogging(CommsLoggingSetup *loggingSetup,
    ESStorageDeviceController *storageController, bool fixedDevice, QObject *parent)
    : QObject(parent)
    , m_logsDirectory(QStringLiteral("/Communication_Logs/"))
    , m_inputDirectory(QStringLiteral("Input_Messages/"))
    , m_outputDirectory(QStringLiteral("Output_Messages/"))
    , m_errorDirectory(QStringLiteral("Input_Errors/"))
    , m_setup(loggingSetup)
    , m_storageController(storageController)
    , m_fixedDevice(fixedDevice)
    , m_writeTimer(this)
{
    if (!m_fixedDevice && m_setup) {
        const int device = m_setup->CommonLoggingSetup()->LogToDevice();
        if (isLogToDevice(device))
            m_loggingDevice = enum_LogToDevice(device);
        else
            qDebug() << "Unknown communication logging device" << device << ", logging to the internal one";
    }
    createLoggers();
    setLoggingDevice(m_loggingDevice);
    connectSetup();
    connect(&m_writeTimer, &QTimer::timeout, this, &CommunicationsLogging::writeLogsToFiles);
    m_writeTimer.start(defaultWriteInterval);
    m_writeTicks = 0;
}

CommunicationsLogging::~CommunicationsLogging()
{
    if (s_instance == this)
        s_instance = nullptr;
    flushLogsToFiles();
    if (!isLoggingDevicePresent()) {
        // The loggers write what is left when they go; with the device gone there is nowhere to write.
        m_inputLogger->setDirPath(QString());
        m_outputLogger->setDirPath(QString());
        m_errorLogger->setDirPath(QString());
    }
}

void CommunicationsLogging::setWriteInterval(int msec)
{
    m_writeTimer.start(msec);
}

bool CommunicationsLogging::isLoggingDevicePresent() const
{
    // A device without a root folder is treated as absent: its logs would land at the top of the file
    // system.
    return m_storageController && m_storageController->isDevicePresent(m_loggingDevice)
        && !m_storageController->devicePath(m_loggingDevice).isEmpty();
}

QString CommunicationsLogging::logsRoot() const
{
    if (!isLoggingDevicePresent())
        return QString();
    return m_storageController->devicePath(m_loggingDevice) + m_logsDirectory;
}

void CommunicationsLogging::createLoggers()
{
    const QString root = logsRoot();
    const QString input = root.isEmpty() ? QString() : root + m_inputDirectory;
    const QString output = root.isEmpty() ? QString() : root + m_outputDirectory;
    const QString errors = root.isEmpty() ? QString() : root + m_errorDirectory;
    m_inputLogger = new MessageLogger(input, logCapacity, this);
    m_outputLogger = new MessageLogger(output, logCapacity, this);
    m_errorLogger = new InputErrorLogger(errors, logCapacity, this);
}

void CommunicationsLogging::setLoggingDevice(enum_LogToDevice device)
{
    m_loggingDevice = device;
    const QString root = logsRoot();
    if (root.isEmpty())
        return;
    const QStringList directories { root + m_inputDirectory, root + m_outputDirectory,
        root + m_errorDirectory };
    for (const QString &directory : directories) {
        if (!QDir().mkpath(directory))
            qDebug() << "Communication log directory not created:" << directory;
    }
    m_inputLogger->setDirPath(directories.at(0));
    m_outputLogger->setDirPath(directories.at(1));
    m_errorLogger->setDirPath(directories.at(2));
}

void CommunicationsLogging::setLoggingDeviceFromSetting(int value)
{
    if (!isLogToDevice(value)) {
        qDebug() << "Unknown communication logging device" << value << ", the logs stay where they are";
        return;
    }
    setLoggingDevice(enum_LogToDevice(value));
}

void CommunicationsLogging::storagePresenceChanged(enum_LogToDevice device, bool present)
{
    Q_UNUSED(present)
    if (device == m_loggingDevice)
        setLoggingDevice(device);
}

void CommunicationsLogging::connectSetup()
{
    if (!m_fixedDevice) {
        if (m_setup)
            connect(m_setup->CommonLoggingSetup(), &CommsLoggingCommonSetup::LogToDeviceChanged, this,
                &CommunicationsLogging::setLoggingDeviceFromSetting);
        if (m_storageController)
            connect(m_storageController.data(), &ESStorageDeviceController::esDevicePresenceChanged, this,
                &CommunicationsLogging::storagePresenceChanged);
    }
    if (!m_setup)
        return;

    // Each switch is "ON" (0) or "off" (1).
    const auto connectPorts = [this](CommsPortLoggingSetup *ports, MessageLogger *logger) {
        connect(ports, &CommsPortLoggingSetup::Nmea1Changed, logger,
            [logger](int value) { logger->setPortLogging(Serial_1, value == 0); });
        connect(ports, &CommsPortLoggingSetup::Nmea2Changed, logger,
            [logger](int value) { logger->setPortLogging(Serial_2, value == 0); });
        connect(ports, &CommsPortLoggingSetup::Nmea3Changed, logger,
            [logger](int value) { logger->setPortLogging(Serial_3, value == 0); });
        connect(ports, &CommsPortLoggingSetup::NmeaUdpChanged, logger,
            [logger](int value) { logger->setPortLogging(UDP, value == 0); });
    };
    connectPorts(m_setup->InputLoggingSetup(), m_inputLogger);
    connectPorts(m_setup->OutputLoggingSetup(), m_outputLogger);

    CommsErrorLoggingSetup *errors = m_setup->ErrorLoggingSetup();
    InputErrorLogger *logger = m_errorLogger;
    connect(errors, &CommsErrorLoggingSetup::Nmea1Changed, logger,
        [logger](int value) { logger->setPortLogging(Serial_1, value == 0); });
    connect(errors, &CommsErrorLoggingSetup::Nmea2Changed, logger,
        [logger](int value) { logger->setPortLogging(Serial_2, value == 0); });
    connect(errors, &CommsErrorLoggingSetup::Nmea3Changed, logger,
        [logger](int value) { logger->setPortLogging(Serial_3, value == 0); });
    connect(errors, &CommsErrorLoggingSetup::NmeaUdpChanged, logger,
        [logger](int value) { logger->setPortLogging(UDP, value == 0); });
    connect(errors, &CommsErrorLoggingSetup::UdpNmeaDatagramChanged, logger,
        [logger](int value) { logger->setUdpNmeaDatagramLogging(value == 0); });
    connect(errors, &CommsErrorLoggingSetup::UdpBinaryDatagramChanged, logger,
        [logger](int value) { logger->setUdpBinaryDatagramLogging(value == 0); });
}

void CommunicationsLogging::writeLogsToFiles()
{
    ++m_writeTicks;
    if (!isLoggingDevicePresent())
        return;
    if (m_writeTicks > 60) {
        // About every ten minutes every log is rewritten, changed or not.
        m_writeTicks = 0;
        flushLogsToFiles();
        return;
    }
    m_inputLogger->writeToFiles();
    m_outputLogger->writeToFiles();
    m_errorLogger->writeToFiles();
}

void CommunicationsLogging::flushLogsToFiles()
{
    if (!isLoggingDevicePresent())
        return;
    m_inputLogger->flushToFiles();
    m_outputLogger->flushToFiles();
    m_errorLogger->flushToFiles();
}
