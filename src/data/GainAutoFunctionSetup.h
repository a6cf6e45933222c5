#ifndef GAINAUTOFUNCTIONSETUP_H
#define GAINAUTOFUNCTIONSETUP_H

#include "data/SerializableClass.h"

// Limits of the signal-based automatic gain ("GainSetup").
class GainAutoFunctionSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int SignalBasedAutoGain READ SignalBasedAutoGain WRITE setSignalBasedAutoGain NOTIFY
            SignalBasedAutoGainChanged)
    Q_PROPERTY(int SignalMaxLowerLimitPercentage READ SignalMaxLowerLimitPercentage WRITE
            setSignalMaxLowerLimitPercentage NOTIFY SignalMaxLowerLimitPercentageChanged)
    Q_PROPERTY(int SignalMaxUpperLimitPercentage READ SignalMaxUpperLimitPercentage WRITE
            setSignalMaxUpperLimitPercentage NOTIFY SignalMaxUpperLimitPercentageChanged)
    Q_PROPERTY(int MaxGainAtLessThan50m READ MaxGainAtLessThan50m WRITE setMaxGainAtLessThan50m NOTIFY
            MaxGainAtLessThan50mChanged)
    Q_PROPERTY(int MaxGainAt50m READ MaxGainAt50m WRITE setMaxGainAt50m NOTIFY MaxGainAt50mChanged)

    Q_CLASSINFO("SignalBasedAutoGain", "type=enum name=SignalBasedAutoGain enumList=ON;off")
    Q_CLASSINFO("SignalMaxLowerLimitPercentage",
        "type=value name=SignalMaxLowerLimitPercentage unit=% defaultValue=5 validator=int;0;50 "
        "measurement=other changeable=false")
    Q_CLASSINFO("SignalMaxUpperLimitPercentage",
        "type=value name=SignalMaxUpperLimitPercentage unit=% defaultValue=80 validator=int;50;100 "
        "measurement=other changeable=false")
    Q_CLASSINFO("MaxGainAtLessThan50m",
        "type=enum name=MaxGainAtLessThan50m defaultValue=1 nameToDisplay=Max_Gain_At_Less_Than_50m "
        "showStatus=true enumList=1;2;3;4;5;6;7;8;9;10;11;12")
    Q_CLASSINFO("MaxGainAt50m",
        "type=enum name=MaxGainAt50m defaultValue=3 nameToDisplay=Max_Gain_At_50m showStatus=true "
        "enumList=1;2;3;4;5;6;7;8;9;10;11;12")

public:
    GainAutoFunctionSetup(QObject *parent, const QString &name);

    int SignalBasedAutoGain() const { return m_SignalBasedAutoGain; }
    int SignalMaxLowerLimitPercentage() const { return m_SignalMaxLowerLimitPercentage; }
    int SignalMaxUpperLimitPercentage() const { return m_SignalMaxUpperLimitPercentage; }
    int MaxGainAtLessThan50m() const { return m_MaxGainAtLessThan50m; }
    int MaxGainAt50m() const { return m_MaxGainAt50m; }

public slots:
    void setSignalBasedAutoGain(int value);
    void setSignalMaxLowerLimitPercentage(int value);
    void setSignalMaxUpperLimitPercentage(int value);
    void setMaxGainAtLessThan50m(int value);
    void setMaxGainAt50m(int value);

signals:
    void SignalBasedAutoGainChanged(int SignalBasedAutoGain);
    void SignalMaxLowerLimitPercentageChanged(int SignalMaxLowerLimitPercentage);
    void SignalMaxUpperLimitPercentageChanged(int SignalMaxUpperLimitPercentage);
    void MaxGainAtLessThan50mChanged(int MaxGainAtLessThan50m);
    void MaxGainAt50mChanged(int MaxGainAt50m);

private:
    int m_SignalBasedAutoGain = 0;
    int m_SignalMaxLowerLimitPercentage = 0;
    int m_SignalMaxUpperLimitPercentage = 0;
    int m_MaxGainAtLessThan50m = 0;
    int m_MaxGainAt50m = 0;
};

#endif // GAINAUTOFUNCTIONSETUP_H
