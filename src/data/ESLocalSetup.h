#ifndef ESLOCALSETUP_H
#define ESLOCALSETUP_H

#include "data/CU_R207_Setup.h"
#include "data/ESOtherLocalSettings.h"
#include "data/ESRuntimeScreenSetup.h"
#include "data/LocalDimmingSetup.h"
#include "data/RemoteDimmingSetup.h"
#include "data/SerializableClass.h"

// "ESLocalSetup": root of the display's own settings, which are never exchanged with the junction box. Each
// leaf has its own file "CU_" + object name + ".txt"; a change made on the display is saved at once.
// Construction completes the whole tree: class-information defaults, then the custom defaults, then what the
// files hold, and last the software version built into the program.
class ESLocalSetup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(ESRuntimeScreenSetup *RuntimeScreenSetupA READ RuntimeScreenSetupA)
    Q_PROPERTY(ESRuntimeScreenSetup *RuntimeScreenSetupB READ RuntimeScreenSetupB)
    Q_PROPERTY(ESRuntimeScreenSetup *RuntimeScreenSetupC READ RuntimeScreenSetupC)
    Q_PROPERTY(ESRuntimeScreenSetup *RuntimeScreenSetupD READ RuntimeScreenSetupD)
    Q_PROPERTY(CU_R207_Setup *DisplaySetup READ DisplaySetup)
    Q_PROPERTY(ESOtherLocalSettings *OtherLocalSettings READ OtherLocalSettings)
    Q_PROPERTY(LocalDimmingSetupContainer *DimmingSetupContainer READ DimmingSetupContainer)
    Q_PROPERTY(RemoteDimmingSetup *DimmingSetup READ DimmingSetup)

public:
    explicit ESLocalSetup(QObject *parent = nullptr, const QString &name = QStringLiteral("ESLocalSetup"));

    ESRuntimeScreenSetup *RuntimeScreenSetupA() const { return m_RuntimeScreenSetupA; }
    ESRuntimeScreenSetup *RuntimeScreenSetupB() const { return m_RuntimeScreenSetupB; }
    ESRuntimeScreenSetup *RuntimeScreenSetupC() const { return m_RuntimeScreenSetupC; }
    ESRuntimeScreenSetup *RuntimeScreenSetupD() const { return m_RuntimeScreenSetupD; }
    // The settings of runtime page "A" to "D" by its letter; null for any other letter.
    ESRuntimeScreenSetup *runtimeScreenSetup(QChar letter) const;
    CU_R207_Setup *DisplaySetup() const { return m_DisplaySetup; }
    ESOtherLocalSettings *OtherLocalSettings() const { return m_OtherLocalSettings; }
    LocalDimmingSetupContainer *DimmingSetupContainer() const { return m_DimmingSetupContainer; }
    RemoteDimmingSetup *DimmingSetup() const { return m_DimmingSetup; }

    // Page B starts off and the four dimming presets get their own brightness, palette and echogram colours;
    // runs at the end of every defaults walk over the tree (construction and restore).
    void applyCustomDefaults() override;
    // The software version is always the one built into the program, whatever the file holds, and a touch
    // calibration in progress never survives a restart.
    void forceSoftwareVersionDefault();

private:
    ESRuntimeScreenSetup *m_RuntimeScreenSetupA;
    ESRuntimeScreenSetup *m_RuntimeScreenSetupB;
    ESRuntimeScreenSetup *m_RuntimeScreenSetupC;
    ESRuntimeScreenSetup *m_RuntimeScreenSetupD;
    CU_R207_Setup *m_DisplaySetup;
    ESOtherLocalSettings *m_OtherLocalSettings;
    LocalDimmingSetupContainer *m_DimmingSetupContainer;
    RemoteDimmingSetup *m_DimmingSetup;
};

#endif // ESLOCALSETUP_H
