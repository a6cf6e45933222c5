#ifndef ESPORTMESSAGESSETUP_H
#define ESPORTMESSAGESSETUP_H

#include "data/SerializableClass.h"

// Output switches of the sentences, one object per port (ports 1 to 3 and UDP as 4), each switch
// named by its formatter and the port digit. Not part of the tree.

class ESPort1MessagesSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int VBW1 READ VBW1 WRITE setVBW1 NOTIFY VBW1Changed)
    Q_PROPERTY(int VTG1 READ VTG1 WRITE setVTG1 NOTIFY VTG1Changed)
    Q_PROPERTY(int GGA1 READ GGA1 WRITE setGGA1 NOTIFY GGA1Changed)
    Q_PROPERTY(int GLL1 READ GLL1 WRITE setGLL1 NOTIFY GLL1Changed)
    Q_PROPERTY(int VLW1 READ VLW1 WRITE setVLW1 NOTIFY VLW1Changed)
    Q_PROPERTY(int GSA1 READ GSA1 WRITE setGSA1 NOTIFY GSA1Changed)
    Q_PROPERTY(int GSV1 READ GSV1 WRITE setGSV1 NOTIFY GSV1Changed)
    Q_PROPERTY(int ROT1 READ ROT1 WRITE setROT1 NOTIFY ROT1Changed)
    Q_PROPERTY(int THS1 READ THS1 WRITE setTHS1 NOTIFY THS1Changed)
    Q_PROPERTY(int HDT1 READ HDT1 WRITE setHDT1 NOTIFY HDT1Changed)

    Q_CLASSINFO("VBW1", "type=enum name=VBW1 nameToDisplay=VBW enumList=ON;off isProtected=true")
    Q_CLASSINFO("VTG1", "type=enum name=VTG1 nameToDisplay=VTG enumList=ON;off isProtected=true")
    Q_CLASSINFO("GGA1", "type=enum name=GGA1 nameToDisplay=GGA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GLL1", "type=enum name=GLL1 nameToDisplay=GLL enumList=ON;off isProtected=true")
    Q_CLASSINFO("VLW1", "type=enum name=VLW1 nameToDisplay=VLW enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSA1", "type=enum name=GSA1 nameToDisplay=GSA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSV1", "type=enum name=GSV1 nameToDisplay=GSV enumList=ON;off isProtected=true")
    Q_CLASSINFO("ROT1", "type=enum name=ROT1 nameToDisplay=ROT enumList=ON;off isProtected=true")
    Q_CLASSINFO("THS1", "type=enum name=THS1 nameToDisplay=THS enumList=ON;off isProtected=true")
    Q_CLASSINFO("HDT1", "type=enum name=HDT1 nameToDisplay=HDT enumList=ON;off isProtected=true")

public:
    ESPort1MessagesSetup(QObject *parent, const QString &name);

    int VBW1() const { return m_VBW1; }
    int VTG1() const { return m_VTG1; }
    int GGA1() const { return m_GGA1; }
    int GLL1() const { return m_GLL1; }
    int VLW1() const { return m_VLW1; }
    int GSA1() const { return m_GSA1; }
    int GSV1() const { return m_GSV1; }
    int ROT1() const { return m_ROT1; }
    int THS1() const { return m_THS1; }
    int HDT1() const { return m_HDT1; }

public slots:
    void setVBW1(int value);
    void setVTG1(int value);
    void setGGA1(int value);
    void setGLL1(int value);
    void setVLW1(int value);
    void setGSA1(int value);
    void setGSV1(int value);
    void setROT1(int value);
    void setTHS1(int value);
    void setHDT1(int value);

signals:
    void VBW1Changed(int VBW1);
    void VTG1Changed(int VTG1);
    void GGA1Changed(int GGA1);
    void GLL1Changed(int GLL1);
    void VLW1Changed(int VLW1);
    void GSA1Changed(int GSA1);
    void GSV1Changed(int GSV1);
    void ROT1Changed(int ROT1);
    void THS1Changed(int THS1);
    void HDT1Changed(int HDT1);

private:
    int m_VBW1 = 0;
    int m_VTG1 = 0;
    int m_GGA1 = 0;
    int m_GLL1 = 0;
    int m_VLW1 = 0;
    int m_GSA1 = 0;
    int m_GSV1 = 0;
    int m_ROT1 = 0;
    int m_THS1 = 0;
    int m_HDT1 = 0;
};

class ESPort2MessagesSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int VBW2 READ VBW2 WRITE setVBW2 NOTIFY VBW2Changed)
    Q_PROPERTY(int VTG2 READ VTG2 WRITE setVTG2 NOTIFY VTG2Changed)
    Q_PROPERTY(int GGA2 READ GGA2 WRITE setGGA2 NOTIFY GGA2Changed)
    Q_PROPERTY(int GLL2 READ GLL2 WRITE setGLL2 NOTIFY GLL2Changed)
    Q_PROPERTY(int VLW2 READ VLW2 WRITE setVLW2 NOTIFY VLW2Changed)
    Q_PROPERTY(int GSA2 READ GSA2 WRITE setGSA2 NOTIFY GSA2Changed)
    Q_PROPERTY(int GSV2 READ GSV2 WRITE setGSV2 NOTIFY GSV2Changed)
    Q_PROPERTY(int ROT2 READ ROT2 WRITE setROT2 NOTIFY ROT2Changed)
    Q_PROPERTY(int THS2 READ THS2 WRITE setTHS2 NOTIFY THS2Changed)
    Q_PROPERTY(int HDT2 READ HDT2 WRITE setHDT2 NOTIFY HDT2Changed)

    Q_CLASSINFO("VBW2", "type=enum name=VBW2 nameToDisplay=VBW enumList=ON;off isProtected=true")
    Q_CLASSINFO("VTG2", "type=enum name=VTG2 nameToDisplay=VTG enumList=ON;off isProtected=true")
    Q_CLASSINFO("GGA2", "type=enum name=GGA2 nameToDisplay=GGA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GLL2", "type=enum name=GLL2 nameToDisplay=GLL enumList=ON;off isProtected=true")
    Q_CLASSINFO("VLW2", "type=enum name=VLW2 nameToDisplay=VLW enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSA2", "type=enum name=GSA2 nameToDisplay=GSA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSV2", "type=enum name=GSV2 nameToDisplay=GSV enumList=ON;off isProtected=true")
    Q_CLASSINFO("ROT2", "type=enum name=ROT2 nameToDisplay=ROT enumList=ON;off isProtected=true")
    Q_CLASSINFO("THS2", "type=enum name=THS2 nameToDisplay=THS enumList=ON;off isProtected=true")
    Q_CLASSINFO("HDT2", "type=enum name=HDT2 nameToDisplay=HDT enumList=ON;off isProtected=true")

public:
    ESPort2MessagesSetup(QObject *parent, const QString &name);

    int VBW2() const { return m_VBW2; }
    int VTG2() const { return m_VTG2; }
    int GGA2() const { return m_GGA2; }
    int GLL2() const { return m_GLL2; }
    int VLW2() const { return m_VLW2; }
    int GSA2() const { return m_GSA2; }
    int GSV2() const { return m_GSV2; }
    int ROT2() const { return m_ROT2; }
    int THS2() const { return m_THS2; }
    int HDT2() const { return m_HDT2; }

public slots:
    void setVBW2(int value);
    void setVTG2(int value);
    void setGGA2(int value);
    void setGLL2(int value);
    void setVLW2(int value);
    void setGSA2(int value);
    void setGSV2(int value);
    void setROT2(int value);
    void setTHS2(int value);
    void setHDT2(int value);

signals:
    void VBW2Changed(int VBW2);
    void VTG2Changed(int VTG2);
    void GGA2Changed(int GGA2);
    void GLL2Changed(int GLL2);
    void VLW2Changed(int VLW2);
    void GSA2Changed(int GSA2);
    void GSV2Changed(int GSV2);
    void ROT2Changed(int ROT2);
    void THS2Changed(int THS2);
    void HDT2Changed(int HDT2);

private:
    int m_VBW2 = 0;
    int m_VTG2 = 0;
    int m_GGA2 = 0;
    int m_GLL2 = 0;
    int m_VLW2 = 0;
    int m_GSA2 = 0;
    int m_GSV2 = 0;
    int m_ROT2 = 0;
    int m_THS2 = 0;
    int m_HDT2 = 0;
};

class ESPort3MessagesSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int VBW3 READ VBW3 WRITE setVBW3 NOTIFY VBW3Changed)
    Q_PROPERTY(int VTG3 READ VTG3 WRITE setVTG3 NOTIFY VTG3Changed)
    Q_PROPERTY(int GGA3 READ GGA3 WRITE setGGA3 NOTIFY GGA3Changed)
    Q_PROPERTY(int GLL3 READ GLL3 WRITE setGLL3 NOTIFY GLL3Changed)
    Q_PROPERTY(int VLW3 READ VLW3 WRITE setVLW3 NOTIFY VLW3Changed)
    Q_PROPERTY(int GSA3 READ GSA3 WRITE setGSA3 NOTIFY GSA3Changed)
    Q_PROPERTY(int GSV3 READ GSV3 WRITE setGSV3 NOTIFY GSV3Changed)
    Q_PROPERTY(int ROT3 READ ROT3 WRITE setROT3 NOTIFY ROT3Changed)
    Q_PROPERTY(int THS3 READ THS3 WRITE setTHS3 NOTIFY THS3Changed)
    Q_PROPERTY(int HDT3 READ HDT3 WRITE setHDT3 NOTIFY HDT3Changed)

    Q_CLASSINFO("VBW3", "type=enum name=VBW3 nameToDisplay=VBW enumList=ON;off isProtected=true")
    Q_CLASSINFO("VTG3", "type=enum name=VTG3 nameToDisplay=VTG enumList=ON;off isProtected=true")
    Q_CLASSINFO("GGA3", "type=enum name=GGA3 nameToDisplay=GGA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GLL3", "type=enum name=GLL3 nameToDisplay=GLL enumList=ON;off isProtected=true")
    Q_CLASSINFO("VLW3", "type=enum name=VLW3 nameToDisplay=VLW enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSA3", "type=enum name=GSA3 nameToDisplay=GSA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSV3", "type=enum name=GSV3 nameToDisplay=GSV enumList=ON;off isProtected=true")
    Q_CLASSINFO("ROT3", "type=enum name=ROT3 nameToDisplay=ROT enumList=ON;off isProtected=true")
    Q_CLASSINFO("THS3", "type=enum name=THS3 nameToDisplay=THS enumList=ON;off isProtected=true")
    Q_CLASSINFO("HDT3", "type=enum name=HDT3 nameToDisplay=HDT enumList=ON;off isProtected=true")

public:
    ESPort3MessagesSetup(QObject *parent, const QString &name);

    int VBW3() const { return m_VBW3; }
    int VTG3() const { return m_VTG3; }
    int GGA3() const { return m_GGA3; }
    int GLL3() const { return m_GLL3; }
    int VLW3() const { return m_VLW3; }
    int GSA3() const { return m_GSA3; }
    int GSV3() const { return m_GSV3; }
    int ROT3() const { return m_ROT3; }
    int THS3() const { return m_THS3; }
    int HDT3() const { return m_HDT3; }

public slots:
    void setVBW3(int value);
    void setVTG3(int value);
    void setGGA3(int value);
    void setGLL3(int value);
    void setVLW3(int value);
    void setGSA3(int value);
    void setGSV3(int value);
    void setROT3(int value);
    void setTHS3(int value);
    void setHDT3(int value);

signals:
    void VBW3Changed(int VBW3);
    void VTG3Changed(int VTG3);
    void GGA3Changed(int GGA3);
    void GLL3Changed(int GLL3);
    void VLW3Changed(int VLW3);
    void GSA3Changed(int GSA3);
    void GSV3Changed(int GSV3);
    void ROT3Changed(int ROT3);
    void THS3Changed(int THS3);
    void HDT3Changed(int HDT3);

private:
    int m_VBW3 = 0;
    int m_VTG3 = 0;
    int m_GGA3 = 0;
    int m_GLL3 = 0;
    int m_VLW3 = 0;
    int m_GSA3 = 0;
    int m_GSV3 = 0;
    int m_ROT3 = 0;
    int m_THS3 = 0;
    int m_HDT3 = 0;
};

class ESPortUDPMessagesSetup : public SetupSerializableClass
{
    Q_OBJECT
    Q_PROPERTY(int VBW4 READ VBW4 WRITE setVBW4 NOTIFY VBW4Changed)
    Q_PROPERTY(int VTG4 READ VTG4 WRITE setVTG4 NOTIFY VTG4Changed)
    Q_PROPERTY(int GGA4 READ GGA4 WRITE setGGA4 NOTIFY GGA4Changed)
    Q_PROPERTY(int GLL4 READ GLL4 WRITE setGLL4 NOTIFY GLL4Changed)
    Q_PROPERTY(int VLW4 READ VLW4 WRITE setVLW4 NOTIFY VLW4Changed)
    Q_PROPERTY(int GSA4 READ GSA4 WRITE setGSA4 NOTIFY GSA4Changed)
    Q_PROPERTY(int GSV4 READ GSV4 WRITE setGSV4 NOTIFY GSV4Changed)
    Q_PROPERTY(int ROT4 READ ROT4 WRITE setROT4 NOTIFY ROT4Changed)
    Q_PROPERTY(int THS4 READ THS4 WRITE setTHS4 NOTIFY THS4Changed)
    Q_PROPERTY(int HDT4 READ HDT4 WRITE setHDT4 NOTIFY HDT4Changed)

    Q_CLASSINFO("VBW4", "type=enum name=VBW4 nameToDisplay=VBW enumList=ON;off isProtected=true")
    Q_CLASSINFO("VTG4", "type=enum name=VTG4 nameToDisplay=VTG enumList=ON;off isProtected=true")
    Q_CLASSINFO("GGA4", "type=enum name=GGA4 nameToDisplay=GGA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GLL4", "type=enum name=GLL4 nameToDisplay=GLL enumList=ON;off isProtected=true")
    Q_CLASSINFO("VLW4", "type=enum name=VLW4 nameToDisplay=VLW enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSA4", "type=enum name=GSA4 nameToDisplay=GSA enumList=ON;off isProtected=true")
    Q_CLASSINFO("GSV4", "type=enum name=GSV4 nameToDisplay=GSV enumList=ON;off isProtected=true")
    Q_CLASSINFO("ROT4", "type=enum name=ROT4 nameToDisplay=ROT enumList=ON;off isProtected=true")
    Q_CLASSINFO("THS4", "type=enum name=THS4 nameToDisplay=THS enumList=ON;off isProtected=true")
    Q_CLASSINFO("HDT4", "type=enum name=HDT4 nameToDisplay=HDT enumList=ON;off isProtected=true")

public:
    ESPortUDPMessagesSetup(QObject *parent, const QString &name);

    int VBW4() const { return m_VBW4; }
    int VTG4() const { return m_VTG4; }
    int GGA4() const { return m_GGA4; }
    int GLL4() const { return m_GLL4; }
    int VLW4() const { return m_VLW4; }
    int GSA4() const { return m_GSA4; }
    int GSV4() const { return m_GSV4; }
    int ROT4() const { return m_ROT4; }
    int THS4() const { return m_THS4; }
    int HDT4() const { return m_HDT4; }

public slots:
    void setVBW4(int value);
    void setVTG4(int value);
    void setGGA4(int value);
    void setGLL4(int value);
    void setVLW4(int value);
    void setGSA4(int value);
    void setGSV4(int value);
    void setROT4(int value);
    void setTHS4(int value);
    void setHDT4(int value);

signals:
    void VBW4Changed(int VBW4);
    void VTG4Changed(int VTG4);
    void GGA4Changed(int GGA4);
    void GLL4Changed(int GLL4);
    void VLW4Changed(int VLW4);
    void GSA4Changed(int GSA4);
    void GSV4Changed(int GSV4);
    void ROT4Changed(int ROT4);
    void THS4Changed(int THS4);
    void HDT4Changed(int HDT4);

private:
    int m_VBW4 = 0;
    int m_VTG4 = 0;
    int m_GGA4 = 0;
    int m_GLL4 = 0;
    int m_VLW4 = 0;
    int m_GSA4 = 0;
    int m_GSV4 = 0;
    int m_ROT4 = 0;
    int m_THS4 = 0;
    int m_HDT4 = 0;
};

#endif // ESPORTMESSAGESSETUP_H
