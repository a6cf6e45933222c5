#ifndef ESDATACLASS_H
#define ESDATACLASS_H

#include "common/ScopedInstanceOverride.h"
#include "data/AbstractDataClass.h"
#include "data/SerializableClass.h"

class ESSetup;
class ESRuntime;
class ESLocalSetup;
class ES_Alerts;
class ESBottomBars;
class MarkClass;
class ESCommunicationInformation;
class SatelliteInfoSerializableData;

// Process-wide owner of the whole settings tree: builds the eight roots once, in a fixed order, keeps the
// identity settings that survive a restore of defaults, and offers the restores.
class ESDataClass : public AbstractDataClass
{
    Q_OBJECT
public:
    // The process-wide object; the first call builds the tree (defaults, then the settings files). When a
    // settings object throws during the build, nothing is stored and the next call tries again.
    static ESDataClass *instance();
    // Test support: instance() returns the override's tree while it lives.
    using TestOverride = ScopedInstanceOverride<ESDataClass>;

    // A tree of its own, built like the process-wide one (tests give it to a TestOverride).
    ESDataClass();
    ~ESDataClass() override;

    void createDataObjects() override;
    SerializableClass *setupObject() override;
    SerializableClass *runtimeObject() override;
    SerializableClass *localSetupObject() override;

    ESSetup *setup() const { return m_setup; }
    ESRuntime *runtime() const { return m_runtime; }
    ESLocalSetup *localSetup() const { return m_localSetup; }
    ESBottomBars *bottomBars() const { return m_bottomBars; }
    MarkClass *markObject() const { return m_markObject; }
    ES_Alerts *alerts() const { return m_alerts; }
    ESCommunicationInformation *communicationInformation() const { return m_communicationInformation; }
    SatelliteInfoSerializableData *satelliteInfo() const { return m_satelliteInfo; }

    // Class-information and custom defaults for the local settings, except the identity and port-test
    // values; then every local file is rewritten.
    void restoreLocalSetupDefaults();
    // Defaults for the shared setup, except the junction box's identity and test values; then the whole
    // setup is sent. No file is written.
    void restoreSetupDefaults();
    // As restoreSetupDefaults(), and the communication ports keep every value too.
    void restoreSetupDefaultsExceptIO();
    void restoreAllDefaults();
    void restoreAllDefaultsExceptIO();

    SerializableExclusionMap localExclusionMap() const { return m_localExclusionMap; }
    SerializableExclusionMap setupExclusionMap() const { return m_setupExclusionMap; }

    // Registers every settings class as a pointer meta-type (the local setup classes only on a display).
    static void registerSettingsMetaTypes();

private:
    void buildExcludedPropertyMaps();

    ESSetup *m_setup = nullptr;
    ESRuntime *m_runtime = nullptr;
    ESLocalSetup *m_localSetup = nullptr;
    ES_Alerts *m_alerts = nullptr;
    ESBottomBars *m_bottomBars = nullptr;
    MarkClass *m_markObject = nullptr;
    SerializableExclusionMap m_localExclusionMap;
    SerializableExclusionMap m_setupExclusionMap;
    ESCommunicationInformation *m_communicationInformation = nullptr;
    SatelliteInfoSerializableData *m_satelliteInfo = nullptr;
};

#endif // ESDATACLASS_H
