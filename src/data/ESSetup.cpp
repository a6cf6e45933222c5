#include "data/ESSetup.h"

#include <QMetaClassInfo>

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
    const QMetaObject *meta = m_TQ55Setup->metaObject();
    const int index = meta->indexOfClassInfo("SoftwareVersion");
    if (index < 0)
        return;
    const QStringList items = QString::fromUtf8(meta->classInfo(index).value()).split(QLatin1Char(' '));
    for (const QString &item : items) {
        if (!item.contains(QLatin1String("defaultValue")))
            continue;
        const QStringList parts = item.split(QLatin1Char('='));
        if (parts.size() < 2)
            continue;
        m_TQ55Setup->setSoftwareVersion(parts.at(1));
    }
}
