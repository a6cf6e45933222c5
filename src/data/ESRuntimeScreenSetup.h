#ifndef ESRUNTIMESCREENSETUP_H
#define ESRUNTIMESCREENSETUP_H

#include "data/SerializableClass.h"

// Layout of one runtime page (A to D): which runtime values, bottom bars and runtime data the page
// shows, and the page D view options. Every write stores and emits, also an unchanged value.
class ESRuntimeScreenSetup : public LocalSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int ShowPage READ ShowPage WRITE setShowPage NOTIFY ShowPageChanged)
    Q_CLASSINFO("ShowPage", "type=enum name=ShowPage enumList=ON;off isLocal=true defaultValue=0")
    Q_PROPERTY(int Information READ Information WRITE setInformation NOTIFY InformationChanged)
    Q_CLASSINFO("Information", "type=enum name=Information enumList=Fix;Slide isLocal=true defaultValue=0")
    Q_PROPERTY(int Information1 READ Information1 WRITE setInformation1 NOTIFY Information1Changed)
    Q_CLASSINFO("Information1",
        "type=runtimeSetupInfoEnum name=Information1 enumList=RuntimeInformation isLocal=true defaultValue=0")
    Q_PROPERTY(int Information2 READ Information2 WRITE setInformation2 NOTIFY Information2Changed)
    Q_CLASSINFO("Information2",
        "type=runtimeSetupInfoEnum name=Information2 enumList=RuntimeInformation isLocal=true "
        "defaultValue=11")
    Q_PROPERTY(int Information3 READ Information3 WRITE setInformation3 NOTIFY Information3Changed)
    Q_CLASSINFO("Information3",
        "type=runtimeSetupInfoEnum name=Information3 enumList=RuntimeInformation isLocal=true "
        "defaultValue=12")
    Q_PROPERTY(int Information4 READ Information4 WRITE setInformation4 NOTIFY Information4Changed)
    Q_CLASSINFO("Information4",
        "type=runtimeSetupInfoEnum name=Information4 enumList=RuntimeInformation isLocal=true "
        "defaultValue=13")
    Q_PROPERTY(int Information5 READ Information5 WRITE setInformation5 NOTIFY Information5Changed)
    Q_CLASSINFO("Information5",
        "type=runtimeSetupInfoEnum name=Information5 enumList=RuntimeInformation isLocal=true "
        "defaultValue=14")
    Q_PROPERTY(int BottomBars READ BottomBars WRITE setBottomBars NOTIFY BottomBarsChanged)
    Q_CLASSINFO("BottomBars", "type=enum name=BottomBars enumList=Fix;Slide isLocal=true defaultValue=0")
    Q_PROPERTY(int BottomBar1 READ BottomBar1 WRITE setBottomBar1 NOTIFY BottomBar1Changed)
    Q_CLASSINFO("BottomBar1",
        "type=runtimeSetupInfoEnum name=BottomBar1 enumList=RangeBottomBarsInformation "
        "enumListToDisplay=Range isLocal=true defaultValue=0")
    Q_PROPERTY(int BottomBar2 READ BottomBar2 WRITE setBottomBar2 NOTIFY BottomBar2Changed)
    Q_CLASSINFO("BottomBar2",
        "type=runtimeSetupInfoEnum name=BottomBar2 enumList=BottomBarsInformation isLocal=true "
        "defaultValue=3")
    Q_PROPERTY(int BottomBar3 READ BottomBar3 WRITE setBottomBar3 NOTIFY BottomBar3Changed)
    Q_CLASSINFO("BottomBar3",
        "type=runtimeSetupInfoEnum name=BottomBar3 enumList=BottomBarsInformation isLocal=true "
        "defaultValue=8")
    Q_PROPERTY(int RuntimeData1 READ RuntimeData1 WRITE setRuntimeData1 NOTIFY RuntimeData1Changed)
    Q_CLASSINFO("RuntimeData1",
        "type=runtimeSetupInfoEnum name=RuntimeData1 enumList=RuntimeDataInformation isLocal=true "
        "defaultValue=0")
    Q_PROPERTY(int RuntimeData2 READ RuntimeData2 WRITE setRuntimeData2 NOTIFY RuntimeData2Changed)
    Q_CLASSINFO("RuntimeData2",
        "type=runtimeSetupInfoEnum name=RuntimeData2 enumList=RuntimeDataInformation isLocal=true "
        "defaultValue=1")
    Q_PROPERTY(int RuntimeData3 READ RuntimeData3 WRITE setRuntimeData3 NOTIFY RuntimeData3Changed)
    Q_CLASSINFO("RuntimeData3",
        "type=runtimeSetupInfoEnum name=RuntimeData3 enumList=RuntimeDataInformation isLocal=true "
        "defaultValue=2")
    Q_PROPERTY(int RuntimeData4 READ RuntimeData4 WRITE setRuntimeData4 NOTIFY RuntimeData4Changed)
    Q_CLASSINFO("RuntimeData4",
        "type=runtimeSetupInfoEnum name=RuntimeData4 enumList=RuntimeDataInformation isLocal=true "
        "defaultValue=0")
    Q_PROPERTY(int AngleCalc READ AngleCalc WRITE setAngleCalc NOTIFY AngleCalcChanged)
    Q_CLASSINFO("AngleCalc",
        "type=enum name=AngleCalc nameToDisplay=Angle_Calc enumList=TRUE;RELATIVE isLocal=true "
        "defaultValue=1")
    Q_PROPERTY(int DisplaySOG READ DisplaySOG WRITE setDisplaySOG NOTIFY DisplaySOGChanged)
    Q_CLASSINFO("DisplaySOG",
        "type=enum name=DisplaySOG nameToDisplay=SOG enumList=ON;Off isLocal=true defaultValue=1")
    Q_PROPERTY(int DisplaySTW READ DisplaySTW WRITE setDisplaySTW NOTIFY DisplaySTWChanged)
    Q_CLASSINFO("DisplaySTW",
        "type=enum name=DisplaySTW nameToDisplay=STW enumList=ON;Off isLocal=true defaultValue=1")
    Q_PROPERTY(int DisplayWC READ DisplayWC WRITE setDisplayWC NOTIFY DisplayWCChanged)
    Q_CLASSINFO(
        "DisplayWC", "type=enum name=DisplayWC nameToDisplay=WC enumList=ON;Off isLocal=true defaultValue=1")

public:
    ESRuntimeScreenSetup(QObject *parent, const QString &name);

    int ShowPage() const { return m_ShowPage; }
    int Information() const { return m_Information; }
    int Information1() const { return m_Information1; }
    int Information2() const { return m_Information2; }
    int Information3() const { return m_Information3; }
    int Information4() const { return m_Information4; }
    int Information5() const { return m_Information5; }
    int BottomBars() const { return m_BottomBars; }
    int BottomBar1() const { return m_BottomBar1; }
    int BottomBar2() const { return m_BottomBar2; }
    int BottomBar3() const { return m_BottomBar3; }
    int RuntimeData1() const { return m_RuntimeData1; }
    int RuntimeData2() const { return m_RuntimeData2; }
    int RuntimeData3() const { return m_RuntimeData3; }
    int RuntimeData4() const { return m_RuntimeData4; }
    int AngleCalc() const { return m_AngleCalc; }
    int DisplaySOG() const { return m_DisplaySOG; }
    int DisplaySTW() const { return m_DisplaySTW; }
    int DisplayWC() const { return m_DisplayWC; }

    void setShowPage(int value);
    void setInformation(int value);
    void setInformation1(int value);
    void setInformation2(int value);
    void setInformation3(int value);
    void setInformation4(int value);
    void setInformation5(int value);
    void setBottomBars(int value);
    void setBottomBar1(int value);
    void setBottomBar2(int value);
    void setBottomBar3(int value);
    void setRuntimeData1(int value);
    void setRuntimeData2(int value);
    void setRuntimeData3(int value);
    void setRuntimeData4(int value);
    void setAngleCalc(int value);
    void setDisplaySOG(int value);
    void setDisplaySTW(int value);
    void setDisplayWC(int value);

signals:
    void ShowPageChanged(int value);
    void InformationChanged(int value);
    void Information1Changed(int value);
    void Information2Changed(int value);
    void Information3Changed(int value);
    void Information4Changed(int value);
    void Information5Changed(int value);
    void BottomBarsChanged(int value);
    void BottomBar1Changed(int value);
    void BottomBar2Changed(int value);
    void BottomBar3Changed(int value);
    void RuntimeData1Changed(int value);
    void RuntimeData2Changed(int value);
    void RuntimeData3Changed(int value);
    void RuntimeData4Changed(int value);
    void AngleCalcChanged(int value);
    void DisplaySOGChanged(int value);
    void DisplaySTWChanged(int value);
    void DisplayWCChanged(int value);

private:
    int m_ShowPage = 0;
    int m_Information = 0;
    int m_Information1 = 0;
    int m_Information2 = 0;
    int m_Information3 = 0;
    int m_Information4 = 0;
    int m_Information5 = 0;
    int m_BottomBars = 0;
    int m_BottomBar1 = 0;
    int m_BottomBar2 = 0;
    int m_BottomBar3 = 0;
    int m_RuntimeData1 = 0;
    int m_RuntimeData2 = 0;
    int m_RuntimeData3 = 0;
    int m_RuntimeData4 = 0;
    int m_AngleCalc = 0;
    int m_DisplaySOG = 0;
    int m_DisplaySTW = 0;
    int m_DisplayWC = 0;
};

#endif // ESRUNTIMESCREENSETUP_H
