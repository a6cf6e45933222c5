#ifndef ESAUXSETUP_H
#define ESAUXSETUP_H

#include "data/SerializableClass.h"
#include <QStringList>

// Auxiliary inputs and outputs of the junction box ("AUXSetup").
class ESAUXSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int AuxInput4 READ AuxInput4 WRITE setAuxInput4 NOTIFY AuxInput4Changed)
    Q_PROPERTY(int AuxOutput1 READ AuxOutput1 WRITE setAuxOutput1 NOTIFY AuxOutput1Changed)
    Q_PROPERTY(int AuxOutput2 READ AuxOutput2 WRITE setAuxOutput2 NOTIFY AuxOutput2Changed)
    Q_PROPERTY(
        int AuxOutput3Relay READ AuxOutput3Relay WRITE setAuxOutput3Relay NOTIFY AuxOutput3RelayChanged)
    Q_PROPERTY(double SpeedLimitHigh READ SpeedLimitHigh WRITE setSpeedLimitHigh NOTIFY SpeedLimitHighChanged)
    Q_PROPERTY(double SpeedLimitLow READ SpeedLimitLow WRITE setSpeedLimitLow NOTIFY SpeedLimitLowChanged)

    Q_CLASSINFO("AuxInput4", "type=enum name=AuxInput4 nameToDisplay=Aux_Input_4 enumList=Disabled")
    Q_CLASSINFO("AuxOutput1",
        "type=enum name=AuxOutput1 nameToDisplay=Aux_Output_1 "
        "enumList=SogPulse;SpeedLimitHigh;SpeedLimitLow;OutputHigh;OutputLow;Disabled defaultValue=0")
    Q_CLASSINFO("AuxOutput2",
        "type=enum name=AuxOutput2 nameToDisplay=Aux_Output_2 "
        "enumList=SogPulse;SpeedLimitHigh;SpeedLimitLow;OutputHigh;OutputLow;Disabled defaultValue=1")
    Q_CLASSINFO("AuxOutput3Relay",
        "type=enum name=AuxOutput3Relay nameToDisplay=Aux_Output_3_Relay "
        "enumList=SpeedLimitHigh;SpeedLimitLow;OutputHigh;OutputLow;Disabled defaultValue=2")
    Q_CLASSINFO("SpeedLimitHigh",
        "type=value name=SpeedLimitHigh nameToDisplay=High_Limit unit=m measurement=depth changeable=true "
        "validator=float;0.0;50.0 defaultValue=20")
    Q_CLASSINFO("SpeedLimitLow",
        "type=value name=SpeedLimitLow nameToDisplay=Low_Limit unit=m measurement=depth changeable=true "
        "validator=float;0.0;50.0 defaultValue=5")

public:
    ESAUXSetup(QObject *parent, const QString &name);

    int AuxInput4() const { return m_AuxInput4; }
    int AuxOutput1() const { return m_AuxOutput1; }
    int AuxOutput2() const { return m_AuxOutput2; }
    int AuxOutput3Relay() const { return m_AuxOutput3Relay; }
    double SpeedLimitHigh() const { return m_SpeedLimitHigh; }
    double SpeedLimitLow() const { return m_SpeedLimitLow; }

    // The option names of the enumerated settings, in enumList order (not settings, never serialized).
    QStringList auxInput4Options() const { return m_auxInput4Options; }
    QStringList auxOutput1Options() const { return m_auxOutput1Options; }
    QStringList auxOutput2Options() const { return m_auxOutput2Options; }
    QStringList auxOutput3RelayOptions() const { return m_auxOutput3RelayOptions; }

public slots:
    void setAuxInput4(int value);
    void setAuxOutput1(int value);
    void setAuxOutput2(int value);
    void setAuxOutput3Relay(int value);
    void setSpeedLimitHigh(double value);
    void setSpeedLimitLow(double value);

signals:
    void AuxInput4Changed(int AuxInput4);
    void AuxOutput1Changed(int AuxOutput1);
    void AuxOutput2Changed(int AuxOutput2);
    void AuxOutput3RelayChanged(int AuxOutput3Relay);
    void SpeedLimitHighChanged(double SpeedLimitHigh);
    void SpeedLimitLowChanged(double SpeedLimitLow);

private:
    int m_AuxInput4 = 0;
    int m_AuxOutput1 = 0;
    int m_AuxOutput2 = 0;
    int m_AuxOutput3Relay = 0;
    double m_SpeedLimitHigh = 0.0;
    double m_SpeedLimitLow = 0.0;
    QStringList m_auxInput4Options;
    QStringList m_auxOutput1Options;
    QStringList m_auxOutput2Options;
    QStringList m_auxOutput3RelayOptions;
};

#endif // ESAUXSETUP_H
