#include "data/CommsLoggingSetup.h"

CommsLoggingSetup::CommsLoggingSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_CommonLoggingSetup(new CommsLoggingCommonSetup(this, QStringLiteral("CommonLoggingSetup")))
    , m_InputLoggingSetup(new CommsPortLoggingSetup(this, QStringLiteral("InputLoggingSetup")))
    , m_OutputLoggingSetup(new CommsPortLoggingSetup(this, QStringLiteral("OutputLoggingSetup")))
    , m_ErrorLoggingSetup(new CommsErrorLoggingSetup(this, QStringLiteral("ErrorLoggingSetup")))
{
}
