#include "data/CommsLoggingCommonSetup.h"

CommsLoggingCommonSetup::CommsLoggingCommonSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
{
}

void CommsLoggingCommonSetup::setLogToDevice(int value)
{
    m_LogToDevice = value;
    emit LogToDeviceChanged(m_LogToDevice);
}
