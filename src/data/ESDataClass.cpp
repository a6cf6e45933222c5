#include "data/ESDataClass.h"

#include "common/BuildConfiguration.h"
#include "data/CommsErrorLoggingSetup.h"
#include "data/CommsLoggingCommonSetup.h"
#include "data/CommsLoggingSetup.h"
#include "data/CommsPortLoggingSetup.h"
#include "data/ESAUXSetup.h"
#include "data/ESAlertSetup.h"
#include "data/ESAutoFunctionsSetup.h"
#include "data/ESBottomBars.h"
#include "data/ESCommunicationInformation.h"
#include "data/ESCommunicationsSetup.h"
#include "data/ESDiagnosticsSetup.h"
#include "data/ESHistorySetup.h"
#include "data/ESLocalSetup.h"
#include "data/ESOtherLocalSettings.h"
#include "data/ESOtherSettings.h"
#include "data/ESRuntime.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/ESSetup.h"
#include "data/ESSetupSetup.h"
#include "data/ESTQ55Setup.h"
#include "data/ESTransducerAutoFunctionsSetup.h"
#include "data/ESTransducerSelectSetup.h"
#include "data/ES_Alerts.h"
#include "data/GainAutoFunctionSetup.h"
#include "data/LocalDimmingSetup.h"
#include "data/MarkClass.h"
#include "data/RemoteDimmingSetup.h"
#include "data/SatelliteInfoSerializableData.h"
#include "data/SerializableAlertInfo.h"

ESDataClass *ESDataClass::instance()
{
    static ESDataClass *s_instance = nullptr;
    if (!s_instance)
        s_instance = new ESDataClass;
    return s_instance;
}

ESDataClass::ESDataClass()
    : AbstractDataClass(nullptr)
{
    registerSettingsMetaTypes();
    createDataObjects();
}

ESDataClass::~ESDataClass()
{
    delete m_setup;
    delete m_runtime;
    delete m_localSetup;
    delete m_bottomBars;
    delete m_markObject;
}

void ESDataClass::createDataObjects()
{
    m_setup = new ESSetup(nullptr, QStringLiteral("ESSetup"));
    m_runtime = new ESRuntime(nullptr, QStringLiteral("ESRuntime"));
    m_localSetup = new ESLocalSetup(nullptr, QStringLiteral("ESLocalSetup"));
    m_bottomBars = new ESBottomBars(nullptr, QStringLiteral("ESBottomBars"));
    m_alerts = new ES_Alerts(this, QStringLiteral("ESAlerts"));
    m_markObject = new MarkClass(nullptr, QStringLiteral("MarkObject"));
    m_communicationInformation
        = new ESCommunicationInformation(this, QStringLiteral("ComminicationInformation"));
    m_satelliteInfo
        = new SatelliteInfoSerializableData(this, QStringLiteral("SatelliteInfoSerializableData"));
    buildExcludedPropertyMaps();
}

SerializableClass *ESDataClass::setupObject()
{
    return m_setup;
}

SerializableClass *ESDataClass::runtimeObject()
{
    return m_runtime;
}

SerializableClass *ESDataClass::localSetupObject()
{
    return m_localSetup;
}

// The unit's identity and network settings and the results of the port tests survive every restore.
void ESDataClass::buildExcludedPropertyMaps()
{
    m_setupExclusionMap.insert(m_setup->TQ55Setup(),
        { QStringLiteral("TQ55SerialNumber"), QStringLiteral("LocalSFI"), QStringLiteral("IP"),
            QStringLiteral("MacAddress"), QStringLiteral("SystemName"), QStringLiteral("Group") });
    m_setupExclusionMap.insert(m_setup->OtherSettings(),
        { QStringLiteral("NmeaPort1Status"), QStringLiteral("NmeaPort2Status"),
            QStringLiteral("NmeaPort3Status"), QStringLiteral("TransceiverPortStatus"),
            QStringLiteral("Mark") });
    m_localExclusionMap.insert(m_localSetup->DisplaySetup(),
        { QStringLiteral("DisplaySerialNumber"), QStringLiteral("LocalSFI"), QStringLiteral("PairedSFI"),
            QStringLiteral("IP"), QStringLiteral("MacAddress"), QStringLiteral("SystemName"),
            QStringLiteral("Group") });
    m_localExclusionMap.insert(m_localSetup->OtherLocalSettings(),
        { QStringLiteral("NmeaPort1Status"), QStringLiteral("NmeaPort2Status"),
            QStringLiteral("NmeaPort3Status") });
}

void ESDataClass::restoreLocalSetupDefaults()
{
    m_localSetup->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(m_localExclusionMap);
    m_localSetup->saveAllChildrenToFiles();
}

void ESDataClass::restoreSetupDefaults()
{
    m_setup->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(m_setupExclusionMap);
    m_setup->serializeAndSend(QStringList());
}

void ESDataClass::restoreSetupDefaultsExceptIO()
{
    SerializableExclusionMap exclusions = m_setupExclusionMap;
    exclusions.insert(m_setup->CommunicationsSetup(), QStringList());
    m_setup->setDefaultValuesFromClassInfo_RecursivelyForAllChildren(exclusions);
    m_setup->serializeAndSend(QStringList());
}

void ESDataClass::restoreAllDefaults()
{
    restoreLocalSetupDefaults();
    restoreSetupDefaults();
}

void ESDataClass::restoreAllDefaultsExceptIO()
{
    restoreLocalSetupDefaults();
    restoreSetupDefaultsExceptIO();
}

void ESDataClass::registerSettingsMetaTypes()
{
    qRegisterMetaType<ESAlertSetup *>();
    qRegisterMetaType<ESAUXSetup *>();
    qRegisterMetaType<ESCommunicationsSetup *>();
    qRegisterMetaType<ESHistorySetup *>();
    qRegisterMetaType<ESDiagnosticsSetup *>();
    qRegisterMetaType<ESTQ55Setup *>();
    qRegisterMetaType<ESSetup *>();
    qRegisterMetaType<ESSetupSetup *>();
    qRegisterMetaType<ESTransducerSelectSetup *>();
    qRegisterMetaType<ESOtherSettings *>();
    qRegisterMetaType<ESRuntime *>();
    qRegisterMetaType<ESAutoFunctionsSetup *>();
    qRegisterMetaType<ESTransducerAutoFunctionsSetup *>();
    qRegisterMetaType<GainAutoFunctionSetup *>();
    if (BuildConfiguration::instance()->isSoftwareCu) {
        qRegisterMetaType<ESLocalSetup *>();
        qRegisterMetaType<ESRuntimeScreenSetup *>();
        qRegisterMetaType<ESOtherLocalSettings *>();
        qRegisterMetaType<LocalDimmingSetup *>();
        qRegisterMetaType<LocalDimmingSetupContainer *>();
    }
    qRegisterMetaType<RemoteDimmingSetup *>();
    qRegisterMetaType<SerializableAlertInfo *>();
    qRegisterMetaType<ES_Alerts *>();
    qRegisterMetaType<MarkClass *>();
    qRegisterMetaType<ESCommunicationInformation *>();
    qRegisterMetaType<CommsLoggingSetup *>();
    qRegisterMetaType<CommsPortLoggingSetup *>();
    qRegisterMetaType<CommsErrorLoggingSetup *>();
    qRegisterMetaType<SatelliteInfoSerializableData *>();
    qRegisterMetaType<CommsLoggingCommonSetup *>();
}
