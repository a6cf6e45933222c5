#ifndef ESDATAINFOCLASS_H
#define ESDATAINFOCLASS_H

#include "info/AbstractDataInfoClass.h"

#include <QString>
#include <QStringList>

class BottomBarsDataInfo;
class DataInfoSingleton;
class PropertyInfo;
class RuntimeDataInfo;
class SerializableClass;
class SetupDataInfo;
class SetupPropertyInfo;

// The process-wide registry of the descriptions. Its first use builds the four description trees over the
// settings objects of the settings tree, which must exist by then: the shared setup, the local setup, the
// runtime values (which may look setup descriptions up) and the bottom bars, in this order. Afterwards it
// answers every lookup by property name and settings-object name and never changes shape, so pointers it
// hands out stay valid for the life of the process.
//
// A fault in a description or a settings class found while building is a programming error: the
// character-string exception leaves instance() and ends the program; the registry is stored only once it
// is complete. GUI thread only.
class ESDataInfoClass : public AbstractDataInfoClass
{
    Q_OBJECT

public:
    // The settings objects a registry describes.
    struct Sources
    {
        SerializableClass *setup = nullptr;
        SerializableClass *localSetup = nullptr;
        SerializableClass *runtime = nullptr;
        SerializableClass *bottomBars = nullptr;

        // The roots of the process-wide settings tree (built by this call when it does not exist yet).
        static Sources ofDataClass();
    };

    // The registry, built on first use; never destroyed.
    static ESDataInfoClass *instance();

    void createDataInfos() override;

    SetupDataInfo *setupDataInfo() const { return m_setupDataInfo; }
    RuntimeDataInfo *runtimeDataInfo() const { return m_runtimeDataInfo; }
    SetupDataInfo *localSetupDataInfo() const { return m_localSetupDataInfo; }
    BottomBarsDataInfo *bottomBarsDataInfo() const { return m_bottomBarsDataInfo; }

    // A setup description: of the local setup for the prefix "ls" exactly, of the shared setup for any
    // other prefix ("es"); null when absent. Callers that do not know where a setting lives ask with "es"
    // and then with "ls".
    SetupPropertyInfo *setupPropertyInfo(
        const QString &prefix, const QString &propertyName, const QString &objectName) const;
    // A runtime value's description, hidden ones included; null when absent.
    PropertyInfo *runtimePropertyInfo(const QString &propertyName) const;
    // Null unless the object name is the bottom-bars holder's ("ESBottomBars").
    PropertyInfo *bottomBarsPropertyInfo(const QString &propertyName, const QString &objectName) const;
    // The runtime description after the named one (see RuntimeDataInfo::propertyInfoAfter).
    PropertyInfo *propertyInfoAfter(const QString &propertyName) const;
    // The runtime values that are not hidden, in the order of the runtime properties.
    QStringList runtimePropertyNames() const;

    // Test support only: while an object of this class lives, instance() (and DataInfoSingleton) return a
    // registry of its own, built afresh over the given settings objects (by default those of the process-wide
    // settings tree); destroying it deletes that registry with every description and restores what
    // instance() returned before. Lets every test case start from new descriptions. Throws what the build
    // throws. GUI thread only; overrides must be destroyed in the reverse order of their creation.
    class TestOverride
    {
    public:
        TestOverride();
        explicit TestOverride(const Sources &sources);
        ~TestOverride();
        TestOverride(const TestOverride &) = delete;
        TestOverride &operator=(const TestOverride &) = delete;

        ESDataInfoClass *registry() const { return m_registry; }

    private:
        ESDataInfoClass *m_registry;
        ESDataInfoClass *m_previous;
        DataInfoSingleton *m_singleton;
        DataInfoSingleton *m_previousSingleton;
    };

private:
    explicit ESDataInfoClass(const Sources &sources);
    ~ESDataInfoClass() override;

    void deleteDataInfos();

    Sources m_sources;
    SetupDataInfo *m_setupDataInfo = nullptr;
    RuntimeDataInfo *m_runtimeDataInfo = nullptr;
    SetupDataInfo *m_localSetupDataInfo = nullptr;
    BottomBarsDataInfo *m_bottomBarsDataInfo = nullptr;

    static ESDataInfoClass *s_override;
};

#endif // ESDATAINFOCLASS_H
