#include "info/ESDataInfoClass.h"

#include "data/ESBottomBars.h"
#include "data/ESDataClass.h"
#include "data/ESLocalSetup.h"
#include "data/ESRuntime.h"
#include "data/ESSetup.h"
#include "info/BottomBarsDataInfo.h"
#include "info/DataInfoSingleton.h"
#include "info/RuntimeDataInfo.h"
#include "info/SetupDataInfo.h"
#include "info/SetupPropertyInfo.h"

ESDataInfoClass *ESDataInfoClass::s_override = nullptr;

ESDataInfoClass::Sources ESDataInfoClass::Sources::ofDataClass()
{
    ESDataClass *data = ESDataClass::instance();
    Sources sources;
    sources.setup = data->setup();
    sources.localSetup = data->localSetup();
    sources.runtime = data->runtime();
    sources.bottomBars = data->bottomBars();
    return sources;
}

ESDataInfoClass *ESDataInfoClass::instance()
{
    if (s_override)
        return s_override;
    static ESDataInfoClass *registry = nullptr;
    // Stored only after a complete build: a build that throws leaves nothing behind.
    if (!registry)
        registry = new ESDataInfoClass(Sources::ofDataClass());
    return registry;
}

ESDataInfoClass::ESDataInfoClass(const Sources &sources)
    : AbstractDataInfoClass(nullptr)
    , m_sources(sources)
{
    try {
        createDataInfos();
    } catch (...) {
        deleteDataInfos();
        throw;
    }
}

ESDataInfoClass::~ESDataInfoClass()
{
    deleteDataInfos();
}

// The runtime and bottom-bar holders look setup descriptions up in the two setup holders while they are
// built, so those come first.
void ESDataInfoClass::createDataInfos()
{
    m_setupDataInfo = new SetupDataInfo(m_sources.setup, nullptr);
    m_localSetupDataInfo = new SetupDataInfo(m_sources.localSetup, nullptr);
    m_runtimeDataInfo
        = new RuntimeDataInfo(m_sources.runtime, m_setupDataInfo, m_localSetupDataInfo, nullptr);
    m_bottomBarsDataInfo
        = new BottomBarsDataInfo(m_sources.bottomBars, m_setupDataInfo, m_localSetupDataInfo, nullptr);
}

void ESDataInfoClass::deleteDataInfos()
{
    delete m_bottomBarsDataInfo;
    delete m_runtimeDataInfo;
    delete m_localSetupDataInfo;
    delete m_setupDataInfo;
    m_bottomBarsDataInfo = nullptr;
    m_runtimeDataInfo = nullptr;
    m_localSetupDataInfo = nullptr;
    m_setupDataInfo = nullptr;
}

SetupPropertyInfo *ESDataInfoClass::setupPropertyInfo(
    const QString &prefix, const QString &propertyName, const QString &objectName) const
{
    const SetupDataInfo *holder = prefix == QLatin1String("ls") ? m_localSetupDataInfo : m_setupDataInfo;
    return holder ? holder->getSetupPropertyInfo(propertyName, objectName) : nullptr;
}

PropertyInfo *ESDataInfoClass::runtimePropertyInfo(const QString &propertyName) const
{
    return m_runtimeDataInfo ? m_runtimeDataInfo->propertyInfo(propertyName, QStringLiteral("ESRuntime"))
                             : nullptr;
}

PropertyInfo *ESDataInfoClass::bottomBarsPropertyInfo(
    const QString &propertyName, const QString &objectName) const
{
    if (!m_bottomBarsDataInfo || objectName != m_bottomBarsDataInfo->objectName())
        return nullptr;
    return m_bottomBarsDataInfo->propertyInfo(propertyName, objectName);
}

PropertyInfo *ESDataInfoClass::propertyInfoAfter(const QString &propertyName) const
{
    return m_runtimeDataInfo ? m_runtimeDataInfo->propertyInfoAfter(propertyName) : nullptr;
}

QStringList ESDataInfoClass::runtimePropertyNames() const
{
    return m_runtimeDataInfo ? m_runtimeDataInfo->runtimePropertyNames() : QStringList();
}

// ---------------------------------------------------------------------------------------------------------
// Test override

ESDataInfoClass::TestOverride::TestOverride()
    : TestOverride(Sources::ofDataClass())
{
}

ESDataInfoClass::TestOverride::TestOverride(const Sources &sources)
    : m_registry(new ESDataInfoClass(sources))
    , m_previous(s_override)
{
    s_override = m_registry;
    // The holder takes the registry instance() gives now: the override's.
    m_singleton = new DataInfoSingleton;
    m_previousSingleton = DataInfoSingleton::s_override;
    DataInfoSingleton::s_override = m_singleton;
}

ESDataInfoClass::TestOverride::~TestOverride()
{
    DataInfoSingleton::s_override = m_previousSingleton;
    delete m_singleton;
    s_override = m_previous;
    delete m_registry;
}
