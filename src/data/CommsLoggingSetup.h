#ifndef COMMSLOGGINGSETUP_H
#define COMMSLOGGINGSETUP_H

#include "data/CommsErrorLoggingSetup.h"
#include "data/CommsLoggingCommonSetup.h"
#include "data/CommsPortLoggingSetup.h"
#include "data/SerializableClass.h"

// Switches of the communication logs ("CommunicationsLoggingSetup").
class CommsLoggingSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(CommsLoggingCommonSetup *CommonLoggingSetup READ CommonLoggingSetup)
    Q_PROPERTY(CommsPortLoggingSetup *InputLoggingSetup READ InputLoggingSetup)
    Q_PROPERTY(CommsPortLoggingSetup *OutputLoggingSetup READ OutputLoggingSetup)
    Q_PROPERTY(CommsErrorLoggingSetup *ErrorLoggingSetup READ ErrorLoggingSetup)

public:
    CommsLoggingSetup(QObject *parent, const QString &name);

    CommsLoggingCommonSetup *CommonLoggingSetup() const { return m_CommonLoggingSetup; }
    CommsPortLoggingSetup *InputLoggingSetup() const { return m_InputLoggingSetup; }
    CommsPortLoggingSetup *OutputLoggingSetup() const { return m_OutputLoggingSetup; }
    CommsErrorLoggingSetup *ErrorLoggingSetup() const { return m_ErrorLoggingSetup; }

private:
    CommsLoggingCommonSetup *m_CommonLoggingSetup;
    CommsPortLoggingSetup *m_InputLoggingSetup;
    CommsPortLoggingSetup *m_OutputLoggingSetup;
    CommsErrorLoggingSetup *m_ErrorLoggingSetup;
};

#endif // COMMSLOGGINGSETUP_H
