#ifndef ESTRANSDUCERAUTOFUNCTIONSSETUP_H
#define ESTRANSDUCERAUTOFUNCTIONSSETUP_H

#include "data/SerializableClass.h"

// Depth-dependent pulse width and power of the automatic functions for one frequency band.
class ESTransducerAutoFunctionsSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(double Depth1 READ Depth1 WRITE setDepth1 NOTIFY Depth1Changed)
    Q_PROPERTY(double Depth2 READ Depth2 WRITE setDepth2 NOTIFY Depth2Changed)
    Q_PROPERTY(
        double DepthResolution READ DepthResolution WRITE setDepthResolution NOTIFY DepthResolutionChanged)
    Q_PROPERTY(int PulseWidthAtLessThan20m READ PulseWidthAtLessThan20m WRITE setPulseWidthAtLessThan20m
            NOTIFY PulseWidthAtLessThan20mChanged)
    Q_PROPERTY(int PulseWidth1 READ PulseWidth1 WRITE setPulseWidth1 NOTIFY PulseWidth1Changed)
    Q_PROPERTY(int PulseWidth2 READ PulseWidth2 WRITE setPulseWidth2 NOTIFY PulseWidth2Changed)
    Q_PROPERTY(int PulseWidthResolution READ PulseWidthResolution WRITE setPulseWidthResolution NOTIFY
            PulseWidthResolutionChanged)
    Q_PROPERTY(int PowerAtLessThan20m READ PowerAtLessThan20m WRITE setPowerAtLessThan20m NOTIFY
            PowerAtLessThan20mChanged)
    Q_PROPERTY(int PowerAt20m READ PowerAt20m WRITE setPowerAt20m NOTIFY PowerAt20mChanged)
    Q_PROPERTY(int PowerAt50m READ PowerAt50m WRITE setPowerAt50m NOTIFY PowerAt50mChanged)
    Q_PROPERTY(int PowerAtMoreThan50m READ PowerAtMoreThan50m WRITE setPowerAtMoreThan50m NOTIFY
            PowerAtMoreThan50mChanged)

    Q_CLASSINFO("Depth1",
        "type=value name=Depth1 unit=m defaultValue=10 validator=float;0;5000 measurement=depth "
        "changeable=false")
    Q_CLASSINFO("Depth2",
        "type=value name=Depth2 unit=m defaultValue=1000 validator=float;0;5000 measurement=depth "
        "changeable=false")
    Q_CLASSINFO("DepthResolution",
        "type=value name=DepthResolution unit=m defaultValue=20 validator=float;1;100 measurement=depth "
        "changeable=false")
    Q_CLASSINFO("PulseWidthAtLessThan20m",
        "type=value name=PulseWidthAtLessThan20m unit=us defaultValue=100 validator=int;0;20000")
    Q_CLASSINFO("PulseWidth1", "type=value name=PulseWidth1 unit=us defaultValue=300 validator=int;0;20000")
    Q_CLASSINFO("PulseWidth2", "type=value name=PulseWidth2 unit=us defaultValue=3000 validator=int;0;20000")
    Q_CLASSINFO("PulseWidthResolution",
        "type=value name=PulseWidthResolution unit=us defaultValue=100 validator=int;1;1000")
    Q_CLASSINFO("PowerAtLessThan20m",
        "type=value name=PowerAtLessThan20m nameToDisplay=Power_At_Less_Than_20m defaultValue=20 unit=% "
        "measurement=other changeable=false validator=int;1;100")
    Q_CLASSINFO("PowerAt20m",
        "type=value name=PowerAt20m nameToDisplay=Power_At_20m defaultValue=50 unit=% measurement=other "
        "changeable=false validator=int;1;100")
    Q_CLASSINFO("PowerAt50m",
        "type=value name=PowerAt50m nameToDisplay=Power_At_50m defaultValue=90 unit=% measurement=other "
        "changeable=false validator=int;1;100")
    Q_CLASSINFO("PowerAtMoreThan50m",
        "type=value name=PowerAtMoreThan50m nameToDisplay=Power_At_More_Than_50m defaultValue=100 unit=% "
        "measurement=other changeable=false validator=int;1;100")

public:
    ESTransducerAutoFunctionsSetup(QObject *parent, const QString &name);

    double Depth1() const { return m_Depth1; }
    double Depth2() const { return m_Depth2; }
    double DepthResolution() const { return m_DepthResolution; }
    int PulseWidthAtLessThan20m() const { return m_PulseWidthAtLessThan20m; }
    int PulseWidth1() const { return m_PulseWidth1; }
    int PulseWidth2() const { return m_PulseWidth2; }
    int PulseWidthResolution() const { return m_PulseWidthResolution; }
    int PowerAtLessThan20m() const { return m_PowerAtLessThan20m; }
    int PowerAt20m() const { return m_PowerAt20m; }
    int PowerAt50m() const { return m_PowerAt50m; }
    int PowerAtMoreThan50m() const { return m_PowerAtMoreThan50m; }

public slots:
    void setDepth1(double value);
    void setDepth2(double value);
    void setDepthResolution(double value);
    void setPulseWidthAtLessThan20m(int value);
    void setPulseWidth1(int value);
    void setPulseWidth2(int value);
    void setPulseWidthResolution(int value);
    void setPowerAtLessThan20m(int value);
    void setPowerAt20m(int value);
    void setPowerAt50m(int value);
    void setPowerAtMoreThan50m(int value);

signals:
    void Depth1Changed(double Depth1);
    void Depth2Changed(double Depth2);
    void DepthResolutionChanged(double DepthResolution);
    void PulseWidthAtLessThan20mChanged(int PulseWidthAtLessThan20m);
    void PulseWidth1Changed(int PulseWidth1);
    void PulseWidth2Changed(int PulseWidth2);
    void PulseWidthResolutionChanged(int PulseWidthResolution);
    void PowerAtLessThan20mChanged(int PowerAtLessThan20m);
    void PowerAt20mChanged(int PowerAt20m);
    void PowerAt50mChanged(int PowerAt50m);
    void PowerAtMoreThan50mChanged(int PowerAtMoreThan50m);

private:
    double m_Depth1 = 0.0;
    double m_Depth2 = 0.0;
    double m_DepthResolution = 0.0;
    int m_PulseWidthAtLessThan20m = 0;
    int m_PulseWidth1 = 0;
    int m_PulseWidth2 = 0;
    int m_PulseWidthResolution = 0;
    int m_PowerAtLessThan20m = 0;
    int m_PowerAt20m = 0;
    int m_PowerAt50m = 0;
    int m_PowerAtMoreThan50m = 0;
};

#endif // ESTRANSDUCERAUTOFUNCTIONSSETUP_H
