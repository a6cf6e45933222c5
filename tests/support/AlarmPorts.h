#ifndef ALARMPORTS_H
#define ALARMPORTS_H

// Test helper: a communications setup whose "Alarm" switch is on for the given ports only, installed as
// the process-wide port setup adapter for as long as the object lives, so that the alert handlers'
// sendAlertMessageContents sends on those ports. Header only.

#include "nmea/NmeaHandler.h"
#include "nmea/TmpPortsSetupAdapter.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>

class AlarmPorts
{
public:
    explicit AlarmPorts(const QList<int> &ports = { 3 })
    {
        m_setup.setObjectName(QStringLiteral("CommunicationsSetup"));
        const char *const names[] = { "NmeaPort1Setup", "NmeaPort2Setup", "NmeaPort3Setup", "UdpPortSetup" };
        for (int port = 0; port < 4; ++port) {
            auto *portSetup = new QObject(&m_setup);
            portSetup->setObjectName(QString::fromLatin1(names[port]));
            portSetup->setProperty("Alarm", ports.contains(port) ? 0 : 1);
        }
        m_adapter.reset(new TmpPortsSetupAdapter(&m_setup));
        setTmpPortsSetupAdapter(m_adapter.get());
    }
    ~AlarmPorts() { setTmpPortsSetupAdapter(nullptr); }
    AlarmPorts(const AlarmPorts &) = delete;
    AlarmPorts &operator=(const AlarmPorts &) = delete;

private:
    QObject m_setup;
    std::unique_ptr<TmpPortsSetupAdapter> m_adapter;
};

#endif // ALARMPORTS_H
