#ifndef COMMUNICATIONSLOGGING_H
#define COMMUNICATIONSLOGGING_H

#include "common/ScopedInstanceOverride.h"
#include "platform/ESStorageDeviceController.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class CommsLoggingSetup;
class InputErrorLogger;
class MessageLogger;

// Owner of the three communication logs: received sentences, sent sentences and input errors, each in
// its own directory under "/Communication_Logs/" on the logging device ("Input_Messages/",
// "Output_Messages/", "Input_Errors/"). It follows the logging switches of the setup and writes the
// logs to their files every 10 seconds: changed logs only, and every 61st time every log.
//
// One process-wide instance is made by create() at start-up and reached through instance() by
// everything that logs. While the logging device is absent the records stay in memory (at most 500 per
// log) and no file is written.
class CommunicationsLogging : public QObject
{
    Q_OBJECT
public:
    static constexpr int logCapacity = 500;
    static constexpr int defaultWriteInterval = 10000;

    // Makes the process-wide instance; a second call changes nothing. With `fixedDevice` the logs stay
    // on the internal device whatever the setup says.
    static void create(
        CommsLoggingSetup *loggingSetup, ESStorageDeviceController *storageController, bool fixedDevice);
    // Null before create(): nothing may be logged then.
    static CommunicationsLogging *instance();
    // Test support: instance() returns the override's logs (or null: no logs) while it lives.
    using TestOverride = ScopedInstanceOverride<CommunicationsLogging>;

    // A logging object of its own, not the process-wide one (create() uses this).
    CommunicationsLogging(CommsLoggingSetup *loggingSetup, ESStorageDeviceController *storageController,
        bool fixedDevice, QObject *parent = nullptr);
    ~CommunicationsLogging() override;

    MessageLogger *inputMessageLogger() const { return m_inputLogger; }
    MessageLogger *outputMessageLogger() const { return m_outputLogger; }
    InputErrorLogger *inputErrorLogger() const { return m_errorLogger; }

    enum_LogToDevice loggingDevice() const { return m_loggingDevice; }
    bool isFixedDevice() const { return m_fixedDevice; }
    // Whether the logging device is there to be written to.
    bool isLoggingDevicePresent() const;
    // "/Communication_Logs/" on the logging device, or empty while it is absent.
    QString logsRoot() const;
    int writeTicks() const { return m_writeTicks; }
    int writeInterval() const { return m_writeTimer.interval(); }
    // The interval of the writing timer; 10000 ms unless changed (tests shorten it).
    void setWriteInterval(int msec);

private slots:
    void setLoggingDevice(enum_LogToDevice device);
    void writeLogsToFiles();
    void flushLogsToFiles();

private:
    void createLoggers();
    void connectSetup();
    void setLoggingDeviceFromSetting(int value);
    void storagePresenceChanged(enum_LogToDevice device, bool present);

    const QString m_logsDirectory;
    const QString m_inputDirectory;
    const QString m_outputDirectory;
    const QString m_errorDirectory;
    CommsLoggingSetup *m_setup;
    QPointer<ESStorageDeviceController> m_storageController;
    enum_LogToDevice m_loggingDevice = LogToInternal;
    bool m_fixedDevice;
    MessageLogger *m_inputLogger = nullptr;
    MessageLogger *m_outputLogger = nullptr;
    InputErrorLogger *m_errorLogger = nullptr;
    QTimer m_writeTimer;
    int m_writeTicks = 0;

    static CommunicationsLogging *s_instance;
};

#endif // COMMUNICATIONSLOGGING_H
