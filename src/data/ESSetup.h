#ifndef ESSETUP_H
#define ESSETUP_H

#include "data/CommsLoggingSetup.h"
#include "data/ESAUXSetup.h"
#include "data/ESAlertSetup.h"
#include "data/ESCommunicationsSetup.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ESHistorySetup.h"
#include "data/ESOtherSettings.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ESTestScreenSetup.h"
#include "data/SerializableClass.h"

// Root of the settings shared with the junction box. The junction box owns these values; this unit
// keeps a copy in the "JB_" files, applies what the junction box sends and sends back every change
// made here. Built complete: defaults, then the files, then the software version of this build.
class ESSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(ESAlertSetup *AlertSetup READ AlertSetup)
    Q_PROPERTY(ESAUXSetup *AUXSetup READ AUXSetup)
    Q_PROPERTY(ESDiagnosticsSetup *DiagnosticsSetup READ DiagnosticsSetup)
    Q_PROPERTY(ESSetupSetup *SetupSetup READ SetupSetup)
    Q_PROPERTY(ESCommunicationsSetup *CommunicationsSetup READ CommunicationsSetup)
    Q_PROPERTY(ESHistorySetup *HistorySetup READ HistorySetup)
    Q_PROPERTY(ESTQ55Setup *TQ55Setup READ TQ55Setup)
    Q_PROPERTY(ESOtherSettings *OtherSettings READ OtherSettings)
    Q_PROPERTY(ESTestScreenSetup *TestScreenSetup READ TestScreenSetup)
    Q_PROPERTY(CommsLoggingSetup *CommunicationsLoggingSetup READ CommunicationsLoggingSetup)

public:
    ESSetup(QObject *parent, const QString &name);

    ESAlertSetup *AlertSetup() const { return m_AlertSetup; }
    ESAUXSetup *AUXSetup() const { return m_AUXSetup; }
    ESDiagnosticsSetup *DiagnosticsSetup() const { return m_DiagnosticsSetup; }
    ESSetupSetup *SetupSetup() const { return m_SetupSetup; }
    ESCommunicationsSetup *CommunicationsSetup() const { return m_CommunicationsSetup; }
    ESHistorySetup *HistorySetup() const { return m_HistorySetup; }
    ESTQ55Setup *TQ55Setup() const { return m_TQ55Setup; }
    ESOtherSettings *OtherSettings() const { return m_OtherSettings; }
    ESTestScreenSetup *TestScreenSetup() const { return m_TestScreenSetup; }
    CommsLoggingSetup *CommunicationsLoggingSetup() const { return m_CommunicationsLoggingSetup; }

    // Nothing beyond the class-information defaults.
    void applyCustomDefaults() override;
    // Sets TQ55Setup's SoftwareVersion to the default of its class information: until the junction
    // box sends its own, the version shown is this build's, whatever a file held.
    void applySoftwareVersionDefault();

private:
    ESAlertSetup *m_AlertSetup;
    ESAUXSetup *m_AUXSetup;
    ESDiagnosticsSetup *m_DiagnosticsSetup;
    ESSetupSetup *m_SetupSetup;
    ESCommunicationsSetup *m_CommunicationsSetup;
    ESHistorySetup *m_HistorySetup;
    ESTQ55Setup *m_TQ55Setup;
    ESOtherSettings *m_OtherSettings;
    ESTestScreenSetup *m_TestScreenSetup;
    CommsLoggingSetup *m_CommunicationsLoggingSetup;
};

#endif // ESSETUP_H
