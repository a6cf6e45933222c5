#ifndef COMMSLOGGINGCOMMONSETUP_H
#define COMMSLOGGINGCOMMONSETUP_H

#include "data/SerializableClass.h"

// Device that receives the communication logs ("CommonLoggingSetup").
class CommsLoggingCommonSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int LogToDevice READ LogToDevice WRITE setLogToDevice NOTIFY LogToDeviceChanged)

    Q_CLASSINFO(
        "LogToDevice", "type=enum name=LogToDevice nameToDisplay=Log_To_Device enumList=Internal;USB;SD")

public:
    CommsLoggingCommonSetup(QObject *parent, const QString &name);

    int LogToDevice() const { return m_LogToDevice; }

public slots:
    void setLogToDevice(int value);

signals:
    void LogToDeviceChanged(int LogToDevice);

private:
    int m_LogToDevice = 0;
};

#endif // COMMSLOGGINGCOMMONSETUP_H
