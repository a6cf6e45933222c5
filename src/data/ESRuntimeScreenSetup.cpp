#include "data/ESRuntimeScreenSetup.h"

ESRuntimeScreenSetup::ESRuntimeScreenSetup(QObject *parent, const QString &name)
    : LocalSerializableClass(parent, name)
{
}

void ESRuntimeScreenSetup::setShowPage(int value)
{
    m_ShowPage = value;
    emit ShowPageChanged(value);
}

void ESRuntimeScreenSetup::setInformation(int value)
{
    m_Information = value;
    emit InformationChanged(value);
}

void ESRuntimeScreenSetup::setInformation1(int value)
{
    m_Information1 = value;
    emit Information1Changed(value);
}

void ESRuntimeScreenSetup::setInformation2(int value)
{
    m_Information2 = value;
    emit Information2Changed(value);
}

void ESRuntimeScreenSetup::setInformation3(int value)
{
    m_Information3 = value;
    emit Information3Changed(value);
}

void ESRuntimeScreenSetup::setInformation4(int value)
{
    m_Information4 = value;
    emit Information4Changed(value);
}

void ESRuntimeScreenSetup::setInformation5(int value)
{
    m_Information5 = value;
    emit Information5Changed(value);
}

void ESRuntimeScreenSetup::setBottomBars(int value)
{
    m_BottomBars = value;
    emit BottomBarsChanged(value);
}

void ESRuntimeScreenSetup::setBottomBar1(int value)
{
    m_BottomBar1 = value;
    emit BottomBar1Changed(value);
}

void ESRuntimeScreenSetup::setBottomBar2(int value)
{
    m_BottomBar2 = value;
    emit BottomBar2Changed(value);
}

void ESRuntimeScreenSetup::setBottomBar3(int value)
{
    m_BottomBar3 = value;
    emit BottomBar3Changed(value);
}

void ESRuntimeScreenSetup::setRuntimeData1(int value)
{
    m_RuntimeData1 = value;
    emit RuntimeData1Changed(value);
}

void ESRuntimeScreenSetup::setRuntimeData2(int value)
{
    m_RuntimeData2 = value;
    emit RuntimeData2Changed(value);
}

void ESRuntimeScreenSetup::setRuntimeData3(int value)
{
    m_RuntimeData3 = value;
    emit RuntimeData3Changed(value);
}

void ESRuntimeScreenSetup::setRuntimeData4(int value)
{
    m_RuntimeData4 = value;
    emit RuntimeData4Changed(value);
}

void ESRuntimeScreenSetup::setAngleCalc(int value)
{
    m_AngleCalc = value;
    emit AngleCalcChanged(value);
}

void ESRuntimeScreenSetup::setDisplaySOG(int value)
{
    m_DisplaySOG = value;
    emit DisplaySOGChanged(value);
}

void ESRuntimeScreenSetup::setDisplaySTW(int value)
{
    m_DisplaySTW = value;
    emit DisplaySTWChanged(value);
}

void ESRuntimeScreenSetup::setDisplayWC(int value)
{
    m_DisplayWC = value;
    emit DisplayWCChanged(value);
}
