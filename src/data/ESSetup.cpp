#include "data/ESSetup.h"

#include "common/ClassInformation.h"

ESSetup::ESSetup(QObject *parent, const QString &name)
    : SetupSerializableClass(parent, name)
    , m_AlertSetup(new ESAlertSetup(this, QStringLiteral("AlertSetup")))
    , m_AUXSetup(new ESAUXSetup(this, QStringLiteral("AUXSetup")))
    , m_DiagnosticsSetup(new ESDiagnosticsSetup(this, QStringLiteral("DiagnosticsSetup")))
    , m_SetupSetup(new ESSetupSetup(this, QStringLiteral("SetupSetup")))
    , m_CommunicationsSetup(new ESCommunicationsSetup(this, QStringLiteral("CommunicationsSetup")))
    , m_HistorySetup(new ESHistorySetup(this, QStringLiteral("HistorySetup")))
    , m_TQ55Setup(new ESTQ55Setup(this, QStringLiteral("TQ55Setup")))
    , m_OtherSettings(new ESOtherSettings(this, QStringLiteral("OtherSettings")))
    , m_TestScreenSetup(new ESTestScreenSetup(this, QStringLiteral("TestScreenSetup")))
    , m_CommunicationsLoggingSetup(new CommsLoggingSetup(this, QStringLiteral("CommunicationsLoggingSetup")))
{
    initializeValidity(true);
    setDefaultValuesFromClassInfo_RecursivelyForAllChildren(SerializableExclusionMap());
    loadAllChildrenFromFiles(SerializableExclusionMap());
    applySoftwareVersionDefault();
}

void ESSetup::applyCustomDefaults() { }

void ESSetup::applySoftwareVersionDefault()
{
    const ClassInfoEntry *entry = ClassInformation::of(m_TQ55Setup->metaObject()).entry("SoftwareVersion");
    if (!entry)
        return;
    for (const ClassInfoItem *item : entry->itemsContaining(QStringLiteral("defaultValue"))) {
        if (item->hasValue)
            m_TQ55Setup->setSoftwareVersion(item->value);
    }
}
