#ifndef ESPORTSETUP_H
#define ESPORTSETUP_H

#include "data/SerializableClass.h"

// One NMEA port of the junction box: input switch, baud rate and the output switch of each
// sentence (seven objects, "NmeaPort1Setup" to "AdditionalNmeaPort3Setup").
class ESPortSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int InputEnabled READ InputEnabled WRITE setInputEnabled NOTIFY InputEnabledChanged)
    Q_PROPERTY(int Baud READ Baud WRITE setBaud NOTIFY BaudChanged)
    Q_PROPERTY(int VBW READ VBW WRITE setVBW NOTIFY VBWChanged)
    Q_PROPERTY(int VTG READ VTG WRITE setVTG NOTIFY VTGChanged)
    Q_PROPERTY(int VLW READ VLW WRITE setVLW NOTIFY VLWChanged)
    Q_PROPERTY(int ROT READ ROT WRITE setROT NOTIFY ROTChanged)
    Q_PROPERTY(int THS READ THS WRITE setTHS NOTIFY THSChanged)
    Q_PROPERTY(int HDT READ HDT WRITE setHDT NOTIFY HDTChanged)
    Q_PROPERTY(int GGA READ GGA WRITE setGGA NOTIFY GGAChanged)
    Q_PROPERTY(int GLL READ GLL WRITE setGLL NOTIFY GLLChanged)
    Q_PROPERTY(int GSA READ GSA WRITE setGSA NOTIFY GSAChanged)
    Q_PROPERTY(int GSV READ GSV WRITE setGSV NOTIFY GSVChanged)

    Q_CLASSINFO("InputEnabled",
        "type=enum name=InputEnabled nameToDisplay=Input_Enabled enumList=Yes;No isProtected=true")
    Q_CLASSINFO("Baud", "type=enum name=Baud nameToDisplay=Baud enumList=4800;38400;115200 isProtected=true")
    Q_CLASSINFO("VBW", "type=enum name=VBW nameToDisplay=VBW enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("VTG", "type=enum name=VTG nameToDisplay=VTG enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("VLW", "type=enum name=VLW nameToDisplay=VLW enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("ROT", "type=enum name=ROT nameToDisplay=ROT enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("THS", "type=enum name=THS nameToDisplay=THS enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("HDT", "type=enum name=HDT nameToDisplay=HDT enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("GGA", "type=enum name=GGA nameToDisplay=GGA enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("GLL", "type=enum name=GLL nameToDisplay=GLL enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("GSA", "type=enum name=GSA nameToDisplay=GSA enumList=ON;off isProtected=true defaultValue=1")
    Q_CLASSINFO("GSV", "type=enum name=GSV nameToDisplay=GSV enumList=ON;off isProtected=true defaultValue=1")

public:
    ESPortSetup(QObject *parent, const QString &name);

    int InputEnabled() const { return m_InputEnabled; }
    int Baud() const { return m_Baud; }
    int VBW() const { return m_VBW; }
    int VTG() const { return m_VTG; }
    int VLW() const { return m_VLW; }
    int ROT() const { return m_ROT; }
    int THS() const { return m_THS; }
    int HDT() const { return m_HDT; }
    int GGA() const { return m_GGA; }
    int GLL() const { return m_GLL; }
    int GSA() const { return m_GSA; }
    int GSV() const { return m_GSV; }

public slots:
    void setInputEnabled(int value);
    void setBaud(int value);
    void setVBW(int value);
    void setVTG(int value);
    void setVLW(int value);
    void setROT(int value);
    void setTHS(int value);
    void setHDT(int value);
    void setGGA(int value);
    void setGLL(int value);
    void setGSA(int value);
    void setGSV(int value);

signals:
    void InputEnabledChanged(int InputEnabled);
    void BaudChanged(int Baud);
    void VBWChanged(int VBW);
    void VTGChanged(int VTG);
    void VLWChanged(int VLW);
    void ROTChanged(int ROT);
    void THSChanged(int THS);
    void HDTChanged(int HDT);
    void GGAChanged(int GGA);
    void GLLChanged(int GLL);
    void GSAChanged(int GSA);
    void GSVChanged(int GSV);

private:
    int m_InputEnabled = 0;
    int m_Baud = 0;
    int m_VBW = 0;
    int m_VTG = 0;
    int m_VLW = 0;
    int m_ROT = 0;
    int m_THS = 0;
    int m_HDT = 0;
    int m_GGA = 0;
    int m_GLL = 0;
    int m_GSA = 0;
    int m_GSV = 0;
};

#endif // ESPORTSETUP_H
